// The window class takes the executable's own icon, which this test program carries as
// tankai.exe does (the same resource script), so the taskbar shows the game's icon.
#include <gtest/gtest.h>

#include "app/Globalai.h"
#include "gfx/Istekliai.h"
#include "platform/Platforma.h"
#include "tests/common/GlKontekstas.h"

TEST(WindowIcon, TheWindowClassCarriesTheExecutablesIcon) {
  UztikrintiGlKonteksta();
  ASSERT_NE(langas.langas, nullptr);
  HICON savoji = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(TANKAI_IKONA));
  ASSERT_NE(savoji, nullptr) << "this program was built without the icon resource";
  const auto klases = reinterpret_cast<HICON>(GetClassLongPtrA(langas.langas, GCLP_HICON));
  EXPECT_EQ(klases, savoji);
  EXPECT_NE(klases, LoadIconA(nullptr, IDI_WINLOGO));
  // The icon holds the sizes the shell asks for.
  ICONINFO info = {};
  ASSERT_TRUE(GetIconInfo(klases, &info));
  BITMAP b = {};
  GetObjectA(info.hbmColor, sizeof b, &b);
  EXPECT_EQ(b.bmWidth, GetSystemMetrics(SM_CXICON));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
}

// The extension probe and the lookup it stands on: absent names are absent.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "app/Globalai.h"
#include "gfx/GlBusena.h"
#include "platform/Platforma.h"
#ifndef _WIN32
#include "platform/PlatformosTestai.h"
#endif
#include "tests/common/GlKontekstas.h"

namespace {

void Isvalyti() {
  Pletiniai::wglGetExtensionsStringARB = nullptr;
  Pletiniai::wglChoosePixelFormatARB = nullptr;
  Pletiniai::wglSwapIntervalEXT = nullptr;
  Pletiniai::glSampleCoverage = nullptr;
  Pletiniai::glActiveTexture = nullptr;
  Pletiniai::glMultiTexCoord2f = nullptr;
}

int Gauta() {
  return (Pletiniai::wglGetExtensionsStringARB != nullptr) + (Pletiniai::wglChoosePixelFormatARB != nullptr) +
         (Pletiniai::wglSwapIntervalEXT != nullptr) + (Pletiniai::glSampleCoverage != nullptr) +
         (Pletiniai::glActiveTexture != nullptr) + (Pletiniai::glMultiTexCoord2f != nullptr);
}

class GlExtensions : public ::testing::Test {
 protected:
  void SetUp() override {
    UztikrintiGlKonteksta();
    Isvalyti();
  }
  void TearDown() override {
#ifndef _WIN32
    TestaiAtstatyti();
#endif
    TikrintiPletinius(langas.dc);
  }
};

}  // namespace

TEST_F(GlExtensions, AllEntryPointsAreFound) {
  EXPECT_NO_THROW(TikrintiPletinius(langas.dc));
  EXPECT_EQ(Gauta(), 6);
  const char* wgl = Pletiniai::wglGetExtensionsStringARB(langas.dc);
  ASSERT_NE(wgl, nullptr);
  EXPECT_NE(std::string(wgl).find("WGL_EXT_swap_control"), std::string::npos);
}

TEST_F(GlExtensions, WithoutADeviceContextTheExtensionStringIsNotAsked) {
  TikrintiPletinius(nullptr);
  EXPECT_EQ(Pletiniai::wglGetExtensionsStringARB, nullptr);
  EXPECT_EQ(Gauta(), 5);
}

// Each missing name stops the probe with its own text; what came before stays set.
#ifndef _WIN32  // the failure switches belong to the SDL layer
TEST_F(GlExtensions, AMissingEntryPointStopsTheProbeWithItsText) {
  struct Atvejis {
    const char* vardas;
    const char* tekstas;
    int gautaPries;
  };
  const Atvejis atvejai[] = {
      {"wglGetExtensionsStringARB", "Nepavyko gauti funkcijos wglGetExtensionStringARB adreso", 0},
      {"wglChoosePixelFormatARB", "Nepavyko gauti funkcijos wglChoosePixelFormatARB adreso", 1},
      {"wglSwapIntervalEXT", "Nepavyko gauti funkcijos wglSwapIntervalEXT adreso", 2},
      {"glSampleCoverage", "Nepavyko gauti funkcijos glSampleCoverage adreso", 3},
      {"glActiveTexture", "Nepavyko gauti funkcijos glActiveTexture adreso", 4},
      {"glMultiTexCoord2f", "Nepavyko gauti funkcijos glMultiTexCoord2f adreso", 5},
  };
  for (const Atvejis& a : atvejai) {
    Isvalyti();
    TestaiSugadinti(a.vardas);
    std::string ismesta;
    try {
      TikrintiPletinius(langas.dc);
    } catch (const char* klaida) {
      ismesta = klaida;
    }
    EXPECT_EQ(ismesta, a.tekstas) << a.vardas;
    EXPECT_EQ(Gauta(), a.gautaPries) << a.vardas;
    TestaiAtstatyti();
  }
}
#endif

#ifndef _WIN32  // the failure switches belong to the SDL layer
TEST_F(GlExtensions, WithoutSwapIntervalTheRestIsNotLookedUp) {
  TestaiSugadinti("wglSwapIntervalEXT");
  EXPECT_THROW(TikrintiPletinius(langas.dc), const char*);
  EXPECT_NE(Pletiniai::wglGetExtensionsStringARB, nullptr);
  EXPECT_NE(Pletiniai::wglChoosePixelFormatARB, nullptr);
  EXPECT_EQ(Pletiniai::wglSwapIntervalEXT, nullptr);
  EXPECT_EQ(Pletiniai::glSampleCoverage, nullptr);
  EXPECT_EQ(Pletiniai::glActiveTexture, nullptr);
  EXPECT_EQ(Pletiniai::glMultiTexCoord2f, nullptr);
}
#endif

TEST_F(GlExtensions, UnknownNamesAreNotFound) {
  // SDL would hand out a stub for anything; the lookup must not.
  EXPECT_EQ(wglGetProcAddress("glNoSuchFunctionAnywhere"), nullptr);
  EXPECT_EQ(wglGetProcAddress("wglNoSuchExtensionEXT"), nullptr);
  EXPECT_EQ(wglGetProcAddress(nullptr), nullptr);
  // GL 1.1 itself comes from the library, not from the lookup, as with WGL.
  EXPECT_EQ(wglGetProcAddress("glBegin"), nullptr);
  EXPECT_NE(wglGetProcAddress("glActiveTexture"), nullptr);
}

TEST_F(GlExtensions, FoundEntryPointsWork) {
  TikrintiPletinius(langas.dc);
  Pletiniai::glActiveTexture(GL_TEXTURE1);
  GLint aktyvi = 0;
  glGetIntegerv(GL_ACTIVE_TEXTURE, &aktyvi);
  EXPECT_EQ(aktyvi, GL_TEXTURE1);
  Pletiniai::glActiveTexture(GL_TEXTURE0);
  Pletiniai::glSampleCoverage(0.5f, GL_TRUE);
  GLfloat verte = 0;
  glGetFloatv(GL_SAMPLE_COVERAGE_VALUE, &verte);
  EXPECT_FLOAT_EQ(verte, 0.5f);
  Pletiniai::glSampleCoverage(1.0f, GL_FALSE);
  Pletiniai::glMultiTexCoord2f(GL_TEXTURE0, 0.25f, 0.75f);
  GLfloat tk[4];
  glGetFloatv(GL_CURRENT_TEXTURE_COORDS, tk);
  EXPECT_FLOAT_EQ(tk[0], 0.25f);
  EXPECT_FLOAT_EQ(tk[1], 0.75f);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(GlExtensions, NothingIsFoundWithoutACurrentContext) {
  ASSERT_TRUE(wglMakeCurrent(nullptr, nullptr));
  EXPECT_EQ(wglGetProcAddress("wglSwapIntervalEXT"), nullptr);
  EXPECT_EQ(wglGetProcAddress("glActiveTexture"), nullptr);
  ASSERT_TRUE(wglMakeCurrent(langas.dc, langas.rc));
  EXPECT_NE(wglGetProcAddress("wglSwapIntervalEXT"), nullptr);
}

#ifndef _WIN32
// A driver that ignores the interval (this one) gets its swaps paced to the display.
TEST_F(GlExtensions, AnIgnoredSwapIntervalIsPacedToTheDisplay) {
  TikrintiPletinius(langas.dc);
  ASSERT_TRUE(Pletiniai::wglSwapIntervalEXT(1));
  EXPECT_TRUE(TestaiKadraiRibojami());
  const int kadrai = 12;
  auto pradzia = std::chrono::steady_clock::now();
  for (int i = 0; i < kadrai; ++i) Pateikti();
  double sekundes = std::chrono::duration<double>(std::chrono::steady_clock::now() - pradzia).count();
  // Twelve paced swaps span at least 11 refresh periods, even of a 120 Hz display.
  EXPECT_GE(sekundes, 11.0 / 120.0);
  ASSERT_TRUE(Pletiniai::wglSwapIntervalEXT(0));
  EXPECT_FALSE(TestaiKadraiRibojami());
  EXPECT_FALSE(Pletiniai::wglSwapIntervalEXT(-1));
}
#endif

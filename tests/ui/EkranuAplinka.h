#pragma once
// The screens on the game's real GL context: the game's own frame with a frame time
// the test chooses, keys through the window's queue, and textures made to order.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "app/Globalai.h"
#include "app/Programa.h"
#include "app/Zaidimas.h"
#include "gfx/GlBusena.h"
#include "platform/PlatformosTestai.h"
#include "tests/common/GlKontekstas.h"

class EkranuTestas : public ::testing::Test {
 public:
  // The frame draw's first steps: black, the 800 by 600 view, opaque white, texturing on.
  static void Fonas() {
    glClear(GL_COLOR_BUFFER_BIT);
    OrtoProjekcija(0, 0, 800, 600, 100.0f, -100.0f);
    glColor4f(1, 1, 1, 1);
    glEnable(GL_TEXTURE_2D);
  }

 protected:
  void SetUp() override {
    UztikrintiGlKonteksta();
    for (auto& b : klaviatura.busenos) b = KLAVISAS_ATLEISTAS;
    laikmatis.KadroLaikas = 0.1f;
    kadroLaikas = 0.1f;
    busena = BUSENA_INTRO;
    baigti = false;
    dabartineVairalazde = nullptr;
    dabartinisZemelapis = &zemelapis;  // as start-up sets it
    intro.laikas = 0;
    intro.alfa = 0;
    intro.baigta = false;
    intro.tekstura = 0;
    pagalba.alfa = 0;
    pagalba.rodoma = false;
    pagalba.tekstura = 0;
    meniu.pasirinkimas = 0;
    meniu.baigta = false;
    meniu.laimeta = false;
    meniu.punktuTekstura = 0;
    meniu.paveiksloTekstura = 0;
  }

  void TearDown() override {
    if (!sukurtos.empty()) glDeleteTextures(static_cast<GLsizei>(sukurtos.size()), sukurtos.data());
    sukurtos.clear();
    dabartineVairalazde = nullptr;
  }

  // The game's frame (app/Programa.h) for the frame time `kadroLaikas`, with the keys
  // given (as the window system names them: "Up", "Return", "F1") pressed, then
  // released, in its message pump. The drawing stays readable after the swap.
  void ZaistiKadra(std::initializer_list<const char*> paspausti = {}, std::initializer_list<const char*> atleisti = {}) {
    for (const char* k : paspausti) ASSERT_TRUE(TestaiKlavisas(langas.langas, k, true)) << k;
    for (const char* k : atleisti) ASSERT_TRUE(TestaiKlavisas(langas.langas, k, false)) << k;
    Kadras(kadroLaikas);
  }

  float kadroLaikas = 0.1f;  // each ZaistiKadra's; a screen drawn on its own reads laikmatis

  // An RGBA texture of w by h texels, rows from the bottom, sampled nearest.
  GLuint Tekstura(int w, int h, const std::vector<unsigned char>& rgba) {
    GLuint t = 0;
    glGenTextures(1, &t);
    glBindTexture(GL_TEXTURE_2D, t);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glBindTexture(GL_TEXTURE_2D, 0);
    sukurtos.push_back(t);
    return t;
  }


  std::vector<GLuint> sukurtos;
};

// Expects pixel (x, y) to be (r, g, b) within a rounding step or two.
#define EXPECT_PIKSELIS(x, y, r, g, b)                                                              \
  do {                                                                                              \
    const auto p_ = SkaitytiPikseli(x, y);                                                          \
    EXPECT_NEAR(int(r), int(p_[0]), 2) << "red at (" << (x) << ", " << (y) << ")";                \
    EXPECT_NEAR(int(g), int(p_[1]), 2) << "green at (" << (x) << ", " << (y) << ")";              \
    EXPECT_NEAR(int(b), int(p_[2]), 2) << "blue at (" << (x) << ", " << (y) << ")";               \
  } while (0)

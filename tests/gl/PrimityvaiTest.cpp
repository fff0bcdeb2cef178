// The unit quad: where it covers, which texture corner lands where, and that it
// leaves the matrix alone.
#include <gtest/gtest.h>

#include "gfx/GlBusena.h"
#include "platform/Platforma.h"
#include "tests/common/GlKontekstas.h"
#include "ui/KPrimityvai.h"

namespace {

class UnitQuad : public ::testing::Test {
 protected:
  void SetUp() override {
    UztikrintiGlKonteksta();
    OrtoProjekcija(0, 0, 800, 600, 100.0f, -100.0f);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
  }
  void TearDown() override {
    glDisable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
    if (tekstura) glDeleteTextures(1, &tekstura);
  }
  // 2 by 2 texels: red (0,0), green (1,0), blue (0,1), white (1,1).
  void Tekstura() {
    const unsigned char taskai[16] = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255};
    glGenTextures(1, &tekstura);
    glBindTexture(GL_TEXTURE_2D, tekstura);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, taskai);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnable(GL_TEXTURE_2D);
  }
  GLuint tekstura = 0;
};

bool Uzdengta(int x, int y) {
  auto p = SkaitytiPikseli(x, y);
  return p[0] || p[1] || p[2];
}

}  // namespace

TEST_F(UnitQuad, ListIsBuilt) {
  EXPECT_NE(KPrimityvai::kvadratas, 0u);
  EXPECT_TRUE(glIsList(KPrimityvai::kvadratas));
}

TEST_F(UnitQuad, CoversACellAfterATranslation) {
  glDisable(GL_TEXTURE_2D);
  glColor4f(1, 1, 1, 1);
  glPushMatrix();
  glTranslatef(100.0f, 200.0f, 0.0f);
  KPrimityvai::Kvadratas(37.5f);
  glPopMatrix();
  // Covers 100..137.5 by 200..237.5.
  EXPECT_TRUE(Uzdengta(100, 200));
  EXPECT_TRUE(Uzdengta(136, 236));
  EXPECT_TRUE(Uzdengta(118, 218));
  EXPECT_FALSE(Uzdengta(99, 218));
  EXPECT_FALSE(Uzdengta(118, 199));
  EXPECT_FALSE(Uzdengta(138, 218));
  EXPECT_FALSE(Uzdengta(118, 238));
}

TEST_F(UnitQuad, TextureCornersLandOnTheQuadCorners) {
  Tekstura();
  glPushMatrix();
  glTranslatef(300.0f, 300.0f, 0.0f);
  KPrimityvai::Kvadratas(40.0f);
  glPopMatrix();
  auto apaciaKaire = SkaitytiPikseli(302, 302);
  auto apaciaDesine = SkaitytiPikseli(337, 302);
  auto virsusKaire = SkaitytiPikseli(302, 337);
  auto virsusDesine = SkaitytiPikseli(337, 337);
  EXPECT_EQ(apaciaKaire[0], 255);  // texel (0,0): red
  EXPECT_EQ(apaciaKaire[1], 0);
  EXPECT_EQ(apaciaDesine[1], 255);  // (1,0): green
  EXPECT_EQ(apaciaDesine[0], 0);
  EXPECT_EQ(virsusKaire[2], 255);  // (0,1): blue
  EXPECT_EQ(virsusKaire[0], 0);
  EXPECT_EQ(virsusDesine[0], 255);  // (1,1): white
  EXPECT_EQ(virsusDesine[1], 255);
  EXPECT_EQ(virsusDesine[2], 255);
}

TEST_F(UnitQuad, LeavesTheMatrixAsItFoundIt) {
  glTranslatef(12.0f, 34.0f, 0.0f);
  GLfloat pries[16], po[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, pries);
  GLint gylisPries = 0, gylisPo = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &gylisPries);
  KPrimityvai::Kvadratas(37.5f);
  glGetFloatv(GL_MODELVIEW_MATRIX, po);
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &gylisPo);
  for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(po[i], pries[i]) << i;
  EXPECT_EQ(gylisPo, gylisPries);
}

TEST_F(UnitQuad, ScalesFromTheCornerAndWindsCounterClockwise) {
  // Scaled, not centred: scale 100 from the origin covers 0..100.
  glDisable(GL_TEXTURE_2D);
  glColor4f(1, 1, 1, 1);
  KPrimityvai::Kvadratas(100.0f);
  EXPECT_TRUE(Uzdengta(0, 0));
  EXPECT_TRUE(Uzdengta(99, 99));
  EXPECT_FALSE(Uzdengta(101, 50));
  // Mirrored it runs clockwise and is culled: the list's own winding is counter-clockwise.
  glClear(GL_COLOR_BUFFER_BIT);
  glPushMatrix();
  glTranslatef(400.0f, 100.0f, 0.0f);
  glScalef(-1.0f, 1.0f, 1.0f);
  KPrimityvai::Kvadratas(50.0f);
  glPopMatrix();
  EXPECT_FALSE(Uzdengta(375, 125));
}

TEST_F(UnitQuad, NaikintiDeletesTheListAndSukurtiBuildsItAgain) {
  uint32_t buvo = KPrimityvai::kvadratas;
  KPrimityvai::Naikinti();
  EXPECT_FALSE(glIsList(buvo));
  KPrimityvai::Sukurti();
  EXPECT_TRUE(glIsList(KPrimityvai::kvadratas));
}

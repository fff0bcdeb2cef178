// The frame every drawing relies on: GL state, the 800 by 600 orthographic view,
// culling and the z range.
#include <gtest/gtest.h>

#include "app/Globalai.h"
#include "app/Zaidimas.h"
#include "gfx/GlBusena.h"
#include "gfx/KLangas.h"
#include "platform/Platforma.h"
#include "tests/common/GlKontekstas.h"

namespace {

void Isvalyti() {
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
}

// A white axis-aligned quad at depth z, corners in the given winding.
void Kvadratas(float x0, float y0, float x1, float y1, float z, bool pagalLaikrodi) {
  glDisable(GL_TEXTURE_2D);
  glColor4f(1, 1, 1, 1);
  glBegin(GL_QUADS);
  if (pagalLaikrodi) {
    glVertex3f(x0, y0, z);
    glVertex3f(x0, y1, z);
    glVertex3f(x1, y1, z);
    glVertex3f(x1, y0, z);
  } else {
    glVertex3f(x0, y0, z);
    glVertex3f(x1, y0, z);
    glVertex3f(x1, y1, z);
    glVertex3f(x0, y1, z);
  }
  glEnd();
}

bool Balta(int x, int y) {
  auto p = SkaitytiPikseli(x, y);
  return p[0] == 255 && p[1] == 255 && p[2] == 255;
}

class GlState : public ::testing::Test {
 protected:
  void SetUp() override {
    UztikrintiGlKonteksta();
    OrtoProjekcija(0, 0, 800, 600, 100.0f, -100.0f);
    Isvalyti();
  }
};

}  // namespace

TEST_F(GlState, StateAfterSetUp) {
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
  EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
  EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));  // the game turns it off right after
  GLint i = 0;
  glGetIntegerv(GL_BLEND_SRC, &i);
  EXPECT_EQ(i, GL_SRC_ALPHA);
  glGetIntegerv(GL_BLEND_DST, &i);
  EXPECT_EQ(i, GL_ONE_MINUS_SRC_ALPHA);
  glGetIntegerv(GL_CULL_FACE_MODE, &i);
  EXPECT_EQ(i, GL_BACK);
  glGetIntegerv(GL_FRONT_FACE, &i);
  EXPECT_EQ(i, GL_CCW);
  glGetIntegerv(GL_DEPTH_FUNC, &i);
  EXPECT_EQ(i, GL_LEQUAL);
  glGetIntegerv(GL_SHADE_MODEL, &i);
  EXPECT_EQ(i, GL_SMOOTH);
  glGetIntegerv(GL_PERSPECTIVE_CORRECTION_HINT, &i);
  EXPECT_EQ(i, GL_NICEST);
  GLdouble gylis = 0;
  glGetDoublev(GL_DEPTH_CLEAR_VALUE, &gylis);
  EXPECT_DOUBLE_EQ(gylis, 1.0);
  GLint vp[4];
  glGetIntegerv(GL_VIEWPORT, vp);
  EXPECT_EQ(vp[0], 0);
  EXPECT_EQ(vp[1], 0);
  EXPECT_EQ(vp[2], 800);
  EXPECT_EQ(vp[3], 600);
}

TEST_F(GlState, ClearColourIsOpaqueBlack) {
  InicializuotiGL(nustatymai);
  glDisable(GL_DEPTH_TEST);
  glClear(GL_COLOR_BUFFER_BIT);
  auto p = SkaitytiPikseli(400, 300);
  EXPECT_EQ(p[0], 0);
  EXPECT_EQ(p[1], 0);
  EXPECT_EQ(p[2], 0);
  GLfloat c[4];
  glGetFloatv(GL_COLOR_CLEAR_VALUE, c);
  EXPECT_FLOAT_EQ(c[3], 1.0f);
}

// The four integers are left, bottom, right, top: a swap of any two shows here.
TEST_F(GlState, ProjectionArgumentsAreLeftBottomRightTop) {
  OrtoProjekcija(10, 20, 30, 60, 100.0f, -100.0f);
  GLdouble m[16];
  glGetDoublev(GL_PROJECTION_MATRIX, m);
  EXPECT_NEAR(m[0], 2.0 / 20.0, 1e-7);   // right - left
  EXPECT_NEAR(m[5], 2.0 / 40.0, 1e-7);   // top - bottom
  EXPECT_NEAR(m[10], 0.01, 1e-7);        // -2 / (far - near) with far -100, near 100
  EXPECT_NEAR(m[12], -2.0, 1e-7);        // -(right + left) / (right - left)
  EXPECT_NEAR(m[13], -2.0, 1e-7);        // -(top + bottom) / (top - bottom)
  EXPECT_NEAR(m[14], 0.0, 1e-7);
  GLint rezimas = 0;
  glGetIntegerv(GL_MATRIX_MODE, &rezimas);
  EXPECT_EQ(rezimas, GL_MODELVIEW);
}

TEST_F(GlState, ProjectionResetsTheModelViewMatrix) {
  glTranslatef(5, 6, 7);
  glRotatef(30, 0, 0, 1);
  OrtoProjekcija(0, 0, 800, 600, 100.0f, -100.0f);
  GLdouble m[16];
  glGetDoublev(GL_MODELVIEW_MATRIX, m);
  for (int i = 0; i < 16; ++i) EXPECT_DOUBLE_EQ(m[i], (i % 5 == 0) ? 1.0 : 0.0) << i;
}

TEST_F(GlState, ViewCoversTheWholeWindowWithYUp) {
  // x 0..800 and y 0..600, y up: the corners land in the matching window corners.
  Kvadratas(0, 0, 10, 10, 0, false);
  Kvadratas(790, 590, 800, 600, 0, false);
  EXPECT_TRUE(Balta(0, 0));
  EXPECT_TRUE(Balta(799, 599));
  EXPECT_FALSE(Balta(400, 300));
  EXPECT_FALSE(Balta(5, 595));
}

TEST_F(GlState, ClockwiseFacesAreCulled) {
  Kvadratas(100, 100, 200, 200, 0, true);
  EXPECT_FALSE(Balta(150, 150));
  Kvadratas(100, 100, 200, 200, 0, false);
  EXPECT_TRUE(Balta(150, 150));
  // A clockwise triangle too.
  Isvalyti();
  glBegin(GL_TRIANGLES);
  glVertex2f(300, 100);
  glVertex2f(350, 200);
  glVertex2f(400, 100);
  glEnd();
  EXPECT_FALSE(Balta(350, 130));
}

TEST_F(GlState, DepthRangeIsPlusMinus100) {
  struct Atvejis {
    float z;
    bool matomas;
  };
  const Atvejis atvejai[] = {{0.0f, true}, {99.0f, true}, {-99.0f, true}, {150.0f, false}, {-150.0f, false}};
  for (const Atvejis& a : atvejai) {
    Isvalyti();
    Kvadratas(100, 100, 200, 200, a.z, false);
    EXPECT_EQ(Balta(150, 150), a.matomas) << "z = " << a.z;
  }
}

TEST_F(GlState, SceneStretchesOverAWindowOfAnotherSize) {
  // With "dydis" 400 by 300 the same 800 by 600 scene fills the smaller viewport.
  KNustatymai kiti;
  kiti.plotis = 400;
  kiti.aukstis = 300;
  InicializuotiGL(kiti);
  glDisable(GL_DEPTH_TEST);
  OrtoProjekcija(0, 0, 800, 600, 100.0f, -100.0f);
  Isvalyti();
  Kvadratas(400, 300, 800, 600, 0, false);
  EXPECT_TRUE(Balta(201, 151));
  EXPECT_TRUE(Balta(399, 299));
  EXPECT_FALSE(Balta(198, 148));
  EXPECT_FALSE(Balta(500, 400));  // outside the viewport: never drawn
  InicializuotiGL(nustatymai);
  glDisable(GL_DEPTH_TEST);
}

// The 800 by 600 scene over a window of any size: stretched over all of it, or kept at
// 4:3 in the middle with even bars; a window with no area keeps the last viewport, and
// the frame follows the window's size only when a display key asks it to.
TEST_F(GlState, ViewportFollowsTheWindow) {
  const struct {
    int plotis, aukstis;
    bool keturiTrys;
    GLint x, y, w, h;
  } atvejai[] = {
      {1280, 720, true, 160, 0, 960, 720},   {1920, 1080, true, 240, 0, 1440, 1080},
      {800, 600, true, 0, 0, 800, 600},      {600, 800, true, 0, 175, 600, 450},
      {1281, 720, true, 160, 0, 960, 720},   {1280, 720, false, 0, 0, 1280, 720},
      {1024, 0, true, 0, 0, 1280, 720},      {0, 768, false, 0, 0, 1280, 720},
      {1, 1, true, 0, 0, 1, 0},              {640, 480, true, 0, 0, 640, 480},
  };
  for (const auto& a : atvejai) {
    VaizdoSritis(a.plotis, a.aukstis, a.keturiTrys);
    GLint v[4];
    glGetIntegerv(GL_VIEWPORT, v);
    EXPECT_EQ(v[0], a.x) << a.plotis << "x" << a.aukstis;
    EXPECT_EQ(v[1], a.y) << a.plotis << "x" << a.aukstis;
    EXPECT_EQ(v[2], a.w) << a.plotis << "x" << a.aukstis;
    EXPECT_EQ(v[3], a.h) << a.plotis << "x" << a.aukstis;
  }

  langoPlotis = 1280;
  langoAukstis = 720;
  glViewport(0, 0, 800, 600);
  busena = BUSENA_ISEITI;  // draws nothing but the (hidden) help
  GLint v[4];
  for (int darbalaukis : {0, 1})
    for (int proporcija : {0, 1}) {
      nustatymai.darbalaukis = darbalaukis;
      nustatymai.proporcija = proporcija;
      PiestiKadra();
      glGetIntegerv(GL_VIEWPORT, v);
      const GLint tiketina = proporcija ? 960 : darbalaukis ? 1280 : 800;
      EXPECT_EQ(v[2], tiketina) << "darbalaukis " << darbalaukis << ", proporcija " << proporcija;
    }
  nustatymai.darbalaukis = nustatymai.proporcija = 0;
  glViewport(0, 0, 800, 600);
}

// The headless context itself: what every drawing test relies on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "app/Globalai.h"
#include "gfx/GlBusena.h"
#include "platform/Platforma.h"
#include "tests/common/GlKontekstas.h"

TEST(HeadlessGl, ContextIsACompatibilityProfile) {
  UztikrintiGlKonteksta();
  ASSERT_TRUE(langas.sukurtas);
  const char* versija = reinterpret_cast<const char*>(glGetString(GL_VERSION));
  ASSERT_NE(versija, nullptr);
  // Display lists and immediate mode must exist: no core profile.
  GLint profilis = 0;
  glGetIntegerv(GL_CONTEXT_PROFILE_MASK, &profilis);
  EXPECT_EQ(profilis & GL_CONTEXT_CORE_PROFILE_BIT, 0) << versija;
  // The offscreen driver draws into a single-buffered pbuffer; a real display has two.
  const char* tvarkykle = std::getenv("SDL_VIDEODRIVER");
  if (!tvarkykle || std::strcmp(tvarkykle, "offscreen") != 0) {
    GLint buferis = 0;
    glGetIntegerv(GL_DOUBLEBUFFER, &buferis);
    EXPECT_EQ(buferis, GL_TRUE);
  }
  GLint gylis = 0;
  glGetIntegerv(GL_DEPTH_BITS, &gylis);
  EXPECT_GE(gylis, 24);
  GLint viewport[4] = {};
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[2], 800);
  EXPECT_EQ(viewport[3], 600);
}

TEST(HeadlessGl, DisplayListDrawsAndReadsBack) {
  UztikrintiGlKonteksta();
  OrtoProjekcija(0, 0, 800, 600, 100.0f, -100.0f);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  GLuint sarasas = glGenLists(1);
  glNewList(sarasas, GL_COMPILE);
  glBegin(GL_QUADS);
  glVertex2f(100, 100);
  glVertex2f(200, 100);
  glVertex2f(200, 200);
  glVertex2f(100, 200);
  glEnd();
  glEndList();
  glDisable(GL_TEXTURE_2D);
  glColor4f(1, 0, 0, 1);
  glCallList(sarasas);
  glDeleteLists(sarasas, 1);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  auto viduje = SkaitytiPikseli(150, 150);
  auto isoreje = SkaitytiPikseli(250, 150);
  EXPECT_EQ(viduje[0], 255);
  EXPECT_EQ(viduje[1], 0);
  EXPECT_EQ(isoreje[0], 0);
  auto eilutes = SkaitytiPikselius(99, 150, 3, 1);
  ASSERT_EQ(eilutes.size(), 12u);
  EXPECT_EQ(eilutes[0], 0);    // x 99: outside
  EXPECT_EQ(eilutes[4], 255);  // x 100: first covered column
  Pateikti();
}

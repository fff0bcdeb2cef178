#include "ui/KPrimityvai.h"

#include "platform/Platforma.h"

uint32_t KPrimityvai::kvadratas = 0;

void KPrimityvai::Sukurti() {
  kvadratas = glGenLists(1);
  glNewList(kvadratas, GL_COMPILE);
  glBegin(GL_QUADS);
  glNormal3f(0.0f, 0.0f, 1.0f);
  // Counter-clockwise with y up, so back-face culling keeps it.
  glTexCoord2f(0.0f, 0.0f);
  glVertex3f(0.0f, 0.0f, 0.0f);
  glTexCoord2f(1.0f, 0.0f);
  glVertex3f(1.0f, 0.0f, 0.0f);
  glTexCoord2f(1.0f, 1.0f);
  glVertex3f(1.0f, 1.0f, 0.0f);
  glTexCoord2f(0.0f, 1.0f);
  glVertex3f(0.0f, 1.0f, 0.0f);
  glEnd();
  glEndList();
}

void KPrimityvai::Naikinti() { glDeleteLists(kvadratas, 1); }

void KPrimityvai::Kvadratas(float s) {
  glPushMatrix();
  glScalef(s, s, 1.0f);
  glCallList(kvadratas);
  glPopMatrix();
}

void KPrimityvai::Keturkampis(float x0, float y0, float x1, float y1, float s0, float t0, float s1,
                              float t1) {
  glBegin(GL_QUADS);
  glNormal3f(0.0f, 0.0f, 1.0f);
  glTexCoord2f(s0, t0);
  glVertex2f(x0, y0);
  glTexCoord2f(s1, t0);
  glVertex2f(x1, y0);
  glTexCoord2f(s1, t1);
  glVertex2f(x1, y1);
  glTexCoord2f(s0, t1);
  glVertex2f(x0, y1);
  glEnd();
}

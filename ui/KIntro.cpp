#include "ui/KIntro.h"

#include "app/Globalai.h"
#include "platform/Platforma.h"
#include "ui/KPrimityvai.h"

void KIntro::Sukurti() {
  laikas = 0;
  tekstura = teksturos.Gauti("intro.tga");
  baigta = false;
}

void KIntro::Piesti() {
  laikas += laikmatis.KadroLaikas;
  const float t = laikas;
  if (t < 0.5f)
    alfa = 2 * t;
  else if (t < 2.5f)
    alfa = 1;
  else if (t < 3.0f)
    alfa = (3 - t) * 2;
  else
    baigta = true;  // the alpha stays as the last frame left it

  glColor4f(1, 1, 1, alfa);
  glBindTexture(GL_TEXTURE_2D, tekstura);
  glPushMatrix();
  glTranslatef(400, 300, 0);
  KPrimityvai::Keturkampis(-200, -200, 200, 200, 0, 0, 1, 1);
  glPopMatrix();
  glColor4f(1, 1, 1, 1);
}

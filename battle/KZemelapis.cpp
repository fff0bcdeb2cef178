#include "battle/KZemelapis.h"

#include <cstdlib>

#include "app/Globalai.h"
#include "platform/Platforma.h"
#include "ui/KPrimityvai.h"

void KZemelapis::Generuoti() {
  zemesTekstura = teksturos.Gauti("zeme.tga");
  sienosTekstura = teksturos.Gauti("siena.tga");
  // Column-outer, so a given seed always lays out the same battlefield.
  for (int32_t c = 0; c < STULPELIAI; ++c)
    for (int32_t r = 0; r < EILUTES; ++r) Langelis(c, r) = std::rand() % 2 - 1;
}

bool KZemelapis::Laisvas(int32_t stulpelis, int32_t eilute) const {
  return Viduje(stulpelis, eilute) && Langelis(stulpelis, eilute) == 0;
}

int32_t KZemelapis::Pataikyti(const KVektorius& pozicija) {
  const float fc = pozicija.x / LANGELIS;
  const float fr = pozicija.y / LANGELIS;
  // Tested as floats before truncating, so that a position far off the grid (or not
  // a number) never reaches an out-of-range conversion. Values in (-1, 0) truncate
  // toward zero into column or row 0.
  if (!(fc > -1.0f && fc < STULPELIAI && fr > -1.0f && fr < EILUTES)) return 0;
  const int32_t c = static_cast<int32_t>(fc);
  const int32_t r = static_cast<int32_t>(fr);
  if (c < 0 || c >= STULPELIAI || r < 0 || r > EILUTES - 1) return 0;
  int32_t& v = Langelis(c, r);
  if (v >= 0) return v;
  const int32_t buvo = v;
  v += 1;  // one hit turns a wall into ground
  return buvo;
}

void KZemelapis::Piesti() const {
  glPushMatrix();
  for (int32_t c = 0; c < STULPELIAI; ++c) {
    glPushMatrix();
    for (int32_t r = 0; r < EILUTES; ++r) {
      // Cells held by tanks show ground.
      glBindTexture(GL_TEXTURE_2D, Langelis(c, r) == -1 ? sienosTekstura : zemesTekstura);
      KPrimityvai::Kvadratas(LANGELIS);
      glTranslatef(0, LANGELIS, 0);
    }
    glPopMatrix();
    glTranslatef(LANGELIS, 0, 0);
  }
  glPopMatrix();
}

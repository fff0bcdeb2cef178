#include "battle/KRodykle.h"

#include "app/Globalai.h"
#include "battle/KTankas.h"
#include "platform/Platforma.h"
#include "ui/KPrimityvai.h"

void KRodykle::Sukurti() {
  tekstura = teksturos.Gauti("rodykle.tga");
  zymesTekstura = teksturos.Gauti("zyme.tga");
  alfa = 0;  // nothing to show before the first attachment
}

void KRodykle::Priristi(const KVektorius& pozicija) {
  sekama = &pozicija;
  laikas = 0;
  alfa = 1;
}

void KRodykle::Piesti() {
  if (alfa < 0.001f || !sekama) return;
  laikas += laikmatis.KadroLaikas;
  // In over the first 0.2 s, out by 0.5 s.
  alfa = laikas <= 0.2f ? laikas / 0.2f : (0.5f - laikas) / 0.3f;
  if (alfa < 0) alfa = 0;
  const float s = laikas * 50 + 20;
  glColor4f(1, 1, 1, alfa);
  glBindTexture(GL_TEXTURE_2D, tekstura);
  glPushMatrix();
  glTranslatef(sekama->x, sekama->y, 0);
  glScalef(s, s, 0);
  KPrimityvai::Keturkampis(-1, -1, 1, 1, 0, 0, 1, 1);
  glPopMatrix();
  glColor4f(1, 1, 1, 1);
}

void KRodykle::PiestiZyme(const KTankas* t) const {
  if (!t || !t->gyvas || !zymesTekstura) return;
  glBindTexture(GL_TEXTURE_2D, zymesTekstura);
  glPushMatrix();
  glTranslatef(t->pozicija.x, t->pozicija.y, 0);
  // A little wider than the cell: the corners frame the tank without covering it.
  KPrimityvai::Keturkampis(-ZYMES_PUSE, -ZYMES_PUSE, ZYMES_PUSE, ZYMES_PUSE, 0, 0, 1, 1);
  glPopMatrix();
}

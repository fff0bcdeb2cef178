#include "ui/KPagalba.h"

#include "app/Globalai.h"
#include "platform/Platforma.h"
#include "ui/KPrimityvai.h"

void KPagalba::Sukurti() {
  tekstura = teksturos.Gauti("pagalba.tga");
  puslapioTekstura = teksturos.Gauti("pagalbosPuslapis.tga");
  perdangosTekstura = teksturos.Gauti("pagalbaF1.tga");
  alfa = 0;
  rodoma = false;
}

void KPagalba::Rodyti(bool rodyti) { rodoma = rodyti; }

void KPagalba::Piesti() {
  // Three alpha units a second: a full fade takes a third of a second.
  if (rodoma)
    alfa += 3 * laikmatis.KadroLaikas;
  else
    alfa -= 3 * laikmatis.KadroLaikas;
  if (alfa > 1) alfa = 1;
  if (alfa < 0.0001f) {
    alfa = 0;
    return;
  }
  if (rodoma) puslapiui = busena == BUSENA_PAGALBA;
  uint32_t t = tekstura;
  if (nustatymai.tiksliPagalba) {
    // Without the picture for the place, the one that serves everywhere.
    const uint32_t vietos = puslapiui ? puslapioTekstura : perdangosTekstura;
    if (vietos) t = vietos;
  }

  glColor4f(1, 1, 1, alfa);
  glBindTexture(GL_TEXTURE_2D, t);
  glPushMatrix();
  glTranslatef(400, 300, 0);
  KPrimityvai::Keturkampis(-200, -200, 200, 200, 0, 0, 1, 1);
  glPopMatrix();
  glColor4f(1, 1, 1, 1);
}

#include "ui/KMeniu.h"

#include "app/Globalai.h"
#include "core/ZaidimoSkaiciai.h"
#include "platform/Platforma.h"
#include "ui/KPrimityvai.h"

void KMeniu::Sukurti() {
  punktuTekstura = teksturos.Gauti("meniu.tga");
  paveiksloTekstura = teksturos.Gauti("meniuPav.tga");
  pasirinkimas = 0;
  baigta = false;
  laimeta = false;
  spragtelejimoPozicija = KVektorius(0, 0, 0);
  spragtelejimas.Sukurti(garsai.Rasti("spaud.wav"), spragtelejimoPozicija, false);
}

void KMeniu::Perjungti(int32_t zingsnis) {
  pasirinkimas += zingsnis;
  if (pasirinkimas < 0) pasirinkimas += 3;
  if (pasirinkimas > 2) pasirinkimas -= 3;
  // A click still sounding is not restarted: fast presses give one click.
  spragtelejimas.Groti();
}

void KMeniu::PaveiksloRibos(float& s0, float& s1) const {
  const float pasiruosimas = static_cast<float>(MENIU_PASIRUOSIMAS_S1), pergale = static_cast<float>(MENIU_PERGALE_S1);
  if (!baigta) {
    s0 = 0.0f;
    s1 = pasiruosimas;
  } else if (laimeta) {
    s0 = pasiruosimas;
    s1 = pergale;
  } else {
    s0 = pergale;
    s1 = 1.0f;
  }
}

void KMeniu::Piesti() {
  spragtelejimas.Atnaujinti();

  glBindTexture(GL_TEXTURE_2D, punktuTekstura);
  glPushMatrix();
  glTranslatef(200, 400, 0);
  for (int i = 0; i < 3; ++i) {
    if (i == pasirinkimas)
      glColor3f(1, 0, 0);
    else
      glColor3f(1, 1, 1);
    // The first item is the picture's top band.
    const float t0 = (3 - i) * static_cast<float>(MENIU_PUNKTO_DALIS);
    const float t1 = (4 - i) * static_cast<float>(MENIU_PUNKTO_DALIS);
    KPrimityvai::Keturkampis(-200, -70, 200, 70, 0, t0, 1, t1);
    glTranslatef(0, -100, 0);
  }
  glPopMatrix();
  glColor3f(1, 1, 1);

  glBindTexture(GL_TEXTURE_2D, paveiksloTekstura);
  float s0, s1;
  PaveiksloRibos(s0, s1);
  glPushMatrix();
  glTranslatef(600, 300, 0);
  KPrimityvai::Keturkampis(-200, -300, 200, 300, s0, 0, s1, 1);
  glPopMatrix();
}

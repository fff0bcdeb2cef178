#include "app/Zaidimas.h"

#include "app/Globalai.h"
#include "gfx/GlBusena.h"
#include "input/KVairalazdes.h"

namespace {

bool Nuspaustas(int kodas) { return klaviatura.busenos[kodas] == KLAVISAS_NUSPAUSTAS; }
bool Laikomas(int kodas) { return klaviatura.busenos[kodas] > KLAVISAS_PAKELTAS; }
bool Pakeltas(int kodas) { return klaviatura.busenos[kodas] == KLAVISAS_PAKELTAS; }

void AtnaujintiMeniu() {
  if (Nuspaustas(VK_DOWN)) meniu.Perjungti(+1);
  if (Nuspaustas(VK_UP)) meniu.Perjungti(-1);
  if (dabartineVairalazde) {
    if (dabartineVairalazde->asys[1] > 0.5f) meniu.Perjungti(+1);
    if (dabartineVairalazde->asys[1] < -0.5f) meniu.Perjungti(-1);
  }
  if (!Nuspaustas(VK_RETURN)) return;
  switch (meniu.pasirinkimas) {
    case 0:
      PradetiMusi();
      busena = BUSENA_MUSIS;
      break;
    case 1:
      busena = BUSENA_PAGALBA;
      pagalba.Rodyti(true);
      break;
    default:
      busena = BUSENA_ISEITI;
      baigti = true;
      break;
  }
}

void AtnaujintiMusi() {
  const KVairalazde* v = dabartineVairalazde;
  if (Nuspaustas('S')) PasirinktiTanka(dabartinioTankoIndeksas + 1);
  if (v && v->mygtukai[7] == KLAVISAS_NUSPAUSTAS) PasirinktiTanka(dabartinioTankoIndeksas + 1);

  KTankas& t = *dabartinisTankas;
  if (Laikomas(VK_LEFT)) t.Kairen();
  if (Laikomas(VK_RIGHT)) t.Desinen();
  if (Laikomas(VK_UP)) t.Aukstyn();
  if (Laikomas(VK_DOWN)) t.Zemyn();
  if (v) {
    if (v->asys[0] < -0.5f) t.Kairen();
    if (v->asys[0] > 0.5f) t.Desinen();
    if (v->asys[1] > 0.5f) t.Zemyn();
    if (v->asys[1] < -0.5f) t.Aukstyn();
  }
  if (Laikomas('A')) t.SuktiBokstela(+1);
  if (Laikomas('D')) t.SuktiBokstela(-1);
  if (v) t.SuktiBokstela(v->asys[3] * -2.0f);
  if (Laikomas(VK_SPACE)) t.Sauti();
  if (v && (v->mygtukai[0] > KLAVISAS_PAKELTAS || v->mygtukai[6] > KLAVISAS_PAKELTAS)) t.Sauti();

  zaidejoArmija.Atnaujinti();
  priesoArmija.Atnaujinti();
  TikrintiPataikymus(zaidejoArmija);
  TikrintiPataikymus(priesoArmija);

  if (Nuspaustas(VK_ESCAPE)) busena = BUSENA_MENIU;
  if (zaidejoArmija.gyvi == 0) {
    meniu.baigta = true;
    meniu.laimeta = false;
    busena = BUSENA_MENIU;
  }
  if (priesoArmija.gyvi == 0) {
    meniu.baigta = true;
    meniu.laimeta = true;
    busena = BUSENA_MENIU;
  }
}

}  // namespace

void PasirinktiTanka(int32_t nuo) {
  KArmija& a = zaidejoArmija;
  if (a.gyvi == 0 || a.kiekis <= 0) return;
  int32_t rastas = -1;
  int32_t i = nuo;
  for (int32_t kartai = 0; kartai < a.kiekis; ++kartai, ++i) {
    if (i >= a.kiekis || i < 0) i = 0;
    if (a.tankai[i].gyvas) {
      rastas = i;
      break;
    }
  }
  if (rastas < 0) return;
  if (dabartinioTankoIndeksas >= 0 && dabartinioTankoIndeksas < KArmija::TALPA)
    a.tankai[dabartinioTankoIndeksas].KompiuterioValdymas();
  dabartinioTankoIndeksas = rastas;
  dabartinisTankas = &a.tankai[rastas];
  dabartinisTankas->ZaidejoValdymas();
  rodykle.Priristi(dabartinisTankas->pozicija);
}

void SukurtiArmijas() {
  // The player's army first: its tanks take the numbers 1..ZAIDEJO_RIBA, which the
  // hit test and the computer control read as the player's side.
  KTankas::NuliuotiNumeracija();
  zaidejoArmija.Sukurti(KArmija::ZAIDEJO_RIBA, 10, 0, teksturos.Gauti("LT.tga"));
  priesoArmija.Sukurti(10, 10, 14, teksturos.Gauti("RU.tga"));
  PasirinktiTanka(0);
}

void PradetiMusi() {
  zemelapis.Generuoti();
  SukurtiArmijas();
  meniu.laimeta = false;
  meniu.baigta = false;
}

void AtnaujintiZaidima() {
  if (Nuspaustas(VK_F2)) KVairalazdes::Kalibruoti();
  if (Nuspaustas(VK_F1)) pagalba.Rodyti(true);
  if (Pakeltas(VK_F1)) pagalba.Rodyti(false);
  if (Nuspaustas(VK_F3)) suvioGarsas.Groti();
  suvioGarsas.Atnaujinti();

  switch (busena) {
    case BUSENA_INTRO:
      if (intro.baigta || Nuspaustas(VK_SPACE) || Nuspaustas(VK_RETURN)) busena = BUSENA_MENIU;
      break;
    case BUSENA_MENIU:
      AtnaujintiMeniu();
      break;
    case BUSENA_PAGALBA:
      if (Nuspaustas(VK_RETURN)) {
        busena = BUSENA_MENIU;
        pagalba.Rodyti(false);
      }
      break;
    case BUSENA_MUSIS:
      // Start-up always gives the player a tank; without one there is nothing to drive.
      if (dabartinisTankas) AtnaujintiMusi();
      break;
    default:
      break;
  }
}

void PiestiKadra() {
  glClear(GL_COLOR_BUFFER_BIT);
  OrtoProjekcija(0, 0, 800, 600, 100.0f, -100.0f);
  glColor4f(1, 1, 1, 1);
  glEnable(GL_TEXTURE_2D);
  switch (busena) {
    case BUSENA_INTRO:
      intro.Piesti();
      break;
    case BUSENA_MENIU:
      meniu.Piesti();
      break;
    case BUSENA_MUSIS:
      glPushMatrix();
      glTranslatef(25, 5, 0);
      zemelapis.Piesti();
      zaidejoArmija.Piesti();
      priesoArmija.Piesti();
      rodykle.Piesti();
      glPopMatrix();
      break;
    default:
      break;
  }
  glColor4f(1, 1, 1, 1);
  pagalba.Piesti();
}

#include "app/Zaidimas.h"

#include "app/Globalai.h"
#include "app/Valdymas.h"
#include "gfx/GlBusena.h"
#include "input/KVairalazdes.h"

namespace {

namespace v = valdymas;

bool Nuspaustas(int kodas) { return klaviatura.busenos[kodas] == KLAVISAS_NUSPAUSTAS; }
bool Laikomas(int kodas) { return klaviatura.busenos[kodas] > KLAVISAS_PAKELTAS; }
bool Pakeltas(int kodas) { return klaviatura.busenos[kodas] == KLAVISAS_PAKELTAS; }

void AtnaujintiMeniu() {
  if (Nuspaustas(v::ZEMYN)) meniu.Perjungti(+1);
  if (Nuspaustas(v::AUKSTYN)) meniu.Perjungti(-1);
  if (dabartineVairalazde) {
    if (dabartineVairalazde->asys[v::ASIS_Y] > v::SLENKSTIS) meniu.Perjungti(+1);
    if (dabartineVairalazde->asys[v::ASIS_Y] < -v::SLENKSTIS) meniu.Perjungti(-1);
  }
  if (!Nuspaustas(v::RINKTIS)) return;
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
  const KVairalazde* j = dabartineVairalazde;
  if (Nuspaustas(v::KITAS_TANKAS)) PasirinktiTanka(dabartinioTankoIndeksas + 1);
  if (j && j->mygtukai[v::MYGTUKAS_KITAS_TANKAS] == KLAVISAS_NUSPAUSTAS) PasirinktiTanka(dabartinioTankoIndeksas + 1);

  KTankas& t = *dabartinisTankas;
  if (Laikomas(v::KAIREN)) t.Kairen();
  if (Laikomas(v::DESINEN)) t.Desinen();
  if (Laikomas(v::AUKSTYN)) t.Aukstyn();
  if (Laikomas(v::ZEMYN)) t.Zemyn();
  if (j) {
    if (j->asys[v::ASIS_X] < -v::SLENKSTIS) t.Kairen();
    if (j->asys[v::ASIS_X] > v::SLENKSTIS) t.Desinen();
    if (j->asys[v::ASIS_Y] > v::SLENKSTIS) t.Zemyn();
    if (j->asys[v::ASIS_Y] < -v::SLENKSTIS) t.Aukstyn();
  }
  if (Laikomas(v::BOKSTELIS_KAIREN)) t.SuktiBokstela(+v::BOKSTELIO_ZINGSNIS);
  if (Laikomas(v::BOKSTELIS_DESINEN)) t.SuktiBokstela(-v::BOKSTELIO_ZINGSNIS);
  if (j) t.SuktiBokstela(j->asys[v::ASIS_BOKSTELIS] * v::BOKSTELIO_ASIES_DAUGIKLIS);
  if (Laikomas(v::SAUTI)) t.Sauti();
  if (j && (j->mygtukai[v::MYGTUKAS_SAUTI] > KLAVISAS_PAKELTAS || j->mygtukai[v::MYGTUKAS_SAUTI_ANTRAS] > KLAVISAS_PAKELTAS))
    t.Sauti();

  zaidejoArmija.Atnaujinti();
  priesoArmija.Atnaujinti();
  TikrintiPataikymus(zaidejoArmija);
  TikrintiPataikymus(priesoArmija);

  if (Nuspaustas(v::ISEITI)) busena = BUSENA_MENIU;
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
  // The player's army first: its tanks take the numbers 1..ZAIDEJO_TANKU, which the
  // hit test and the computer control read as the player's side.
  KTankas::NuliuotiNumeracija();
  zaidejoArmija.Sukurti(ZAIDEJO_TANKU, ARMIJU_CENTRAS, ZAIDEJO_EILUTE, teksturos.Gauti("LT.tga"));
  priesoArmija.Sukurti(PRIESO_TANKU, ARMIJU_CENTRAS, PRIESO_EILUTE, teksturos.Gauti("RU.tga"));
  PasirinktiTanka(0);
}

void PradetiMusi() {
  zemelapis.Generuoti();
  SukurtiArmijas();
  meniu.laimeta = false;
  meniu.baigta = false;
}

void AtnaujintiZaidima() {
  if (Nuspaustas(v::KALIBRUOTI)) KVairalazdes::Kalibruoti();
  if (Nuspaustas(v::PAGALBA)) pagalba.Rodyti(true);
  if (Pakeltas(v::PAGALBA)) pagalba.Rodyti(false);
  if (Nuspaustas(v::GARSO_BANDYMAS)) suvioGarsas.Groti();
  suvioGarsas.Atnaujinti();

  switch (busena) {
    case BUSENA_INTRO:
      if (intro.baigta || Nuspaustas(v::SAUTI) || Nuspaustas(v::RINKTIS)) busena = BUSENA_MENIU;
      break;
    case BUSENA_MENIU:
      AtnaujintiMeniu();
      break;
    case BUSENA_PAGALBA:
      if (Nuspaustas(v::RINKTIS)) {
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
  OrtoProjekcija(0, 0, VAIZDO_PLOTIS, VAIZDO_AUKSTIS, 100.0f, -100.0f);
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
      glTranslatef(ZEMELAPIO_X, ZEMELAPIO_Y, 0);
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

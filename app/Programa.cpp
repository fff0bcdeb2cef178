#include "app/Programa.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/Globalai.h"
#include "app/Zaidimas.h"
#include "core/Tekstai.h"
#include "core/Zurnalas.h"
#include "gfx/GlBusena.h"
#include "input/KVairalazdes.h"
#include "ui/KPrimityvai.h"

namespace {

// The player's language's pictures first: the Lithuanian ones of the same names in the
// data folder are then skipped, and stand in, picture by picture, for any missing or
// broken one.
void UzkrautiPaveikslus() {
  if (kalba != KALBA_LT) {
    char aplankas[32];
    std::snprintf(aplankas, sizeof aplankas, "duomenys/%s/", KALBU_KODAI[kalba]);
    teksturos.UzkrautiAplanka(aplankas);
    for (const char* paveikslas : KALBOS_PAVEIKSLAI)
      if (!teksturos.Yra(paveikslas))
        ZurnalasF("Nera paveikslo %s%s, rodomas lietuviskas", aplankas, paveikslas);
  }
  teksturos.UzkrautiAplanka("duomenys/");
}

}  // namespace

bool Paleisti() {
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  nustatymai.Skaityti("settings.cfg");
  kalba = KalbaPagalKoda(nustatymai.kalba);
  pele.Sukurti(nustatymai);
  // Without a window there is no GL context for anything that follows.
  if (!langas.Sukurti(nustatymai, true)) return false;
  try {
    TikrintiPletinius(langas.dc);
  } catch (const char* klaida) {
    MessageBoxA(nullptr, Isversti(klaida, kalba), Isversti("KLAIDA", kalba), MB_OK | MB_ICONWARNING);
    langas.Naikinti();
    return false;
  }
  Pletiniai::wglSwapIntervalEXT(1);
  KPrimityvai::Sukurti();
  KVairalazdes::Sukurti();
  dabartineVairalazde = KVairalazdes::Pirmoji();
  laikmatis.Sukurti();
  InicializuotiGL(nustatymai);
  glDisable(GL_DEPTH_TEST);
  garsai.Sukurti(nustatymai.miksas != 0);
  garsai.UzkrautiAplanka("duomenys/");
  // The track mastered to lie under the battle's sounds; without it, the one that always played.
  if (nustatymai.miksas) muzika.Atidaryti("duomenys/muzikaFonui.ogg", nulinisVektorius, true);
  if (!nustatymai.miksas || !muzika.atidaryta) muzika.Atidaryti("duomenys/muzika.ogg", nulinisVektorius, true);
  muzika.Groti();
  suvioGarsas.Sukurti(garsai.Rasti("suvis.wav"), nulinisVektorius, false);
  UzkrautiPaveikslus();
  rodykle.Sukurti();
  intro.Sukurti();
  pagalba.Sukurti();
  meniu.Sukurti();
  busenosJuosta.Sukurti();
  KTankas::blyksniai = teksturos.Gauti("blyksniai.tga");
  zemelapis.Generuoti();
  dabartinisZemelapis = &zemelapis;
  SukurtiArmijas();
  sriftas.Sukurti(langas.dc);
  laikmatis.Atnaujinti();
  return true;
}

void Kadras() {
  laikmatis.Atnaujinti();
  Kadras(laikmatis.KadroLaikas);
}

void Kadras(float kadroLaikas) {
  laikmatis.KadroLaikas = kadroLaikas;
  klaviatura.Atnaujinti();
  langas.Atnaujinti();
  // A pad plugged in or pulled out: the game reads the first one there is.
  if (KVairalazdes::Atnaujinti()) dabartineVairalazde = KVairalazdes::Pirmoji();
  muzika.Atnaujinti();
  AtnaujintiZaidima();
  PiestiKadra();
  langas.Sukeisti();
  if (langasUzdaromas) baigti = true;
}

void Uzdaryti() {
  KPrimityvai::Naikinti();
  garsai.Atlaisvinti();
  langas.Naikinti();
}

int Zaisti() {
  if (!Paleisti()) return 1;
  while (!baigti) Kadras();
  Uzdaryti();
  return 0;
}

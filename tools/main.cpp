// Writes the game's data folder and its settings file: every picture, sample and
// the music, made here from code, the same bytes on every run.
//   tankai_duomenys <output folder>   (writes <folder>/duomenys/*, the other languages'
//                                      pictures in <folder>/duomenys/<code>/, and
//                                      <folder>/settings.cfg)
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "config/NustatymuLentele.h"
#include "core/Kalbos.h"
#include "Garsai.h"
#include "KRaides.h"
#include "Muzika.h"
#include "Paveikslai.h"

namespace {

bool Irasyti(const KDrobe& d, const std::filesystem::path& kelias, bool suAlfa) {
  if (d.RasytiTga(kelias.string(), suAlfa)) return true;
  std::fprintf(stderr, "Nepavyko irasyti %s\n", kelias.string().c_str());
  return false;
}

// The shipped settings: every key the table gives a value for, in the table's order.
bool IrasytiNustatymus(const std::filesystem::path& kelias) {
  std::FILE* f = std::fopen(kelias.string().c_str(), "wb");
  if (!f) return false;
  bool gerai = std::fputs("/ Tankai: lango nustatymai\n", f) >= 0;
  for (const Nustatymas& n : NUSTATYMAI)
    if (n.laive) gerai &= std::fprintf(f, "%s = %s\n", n.raktas, n.laive) > 0;
  return std::fclose(f) == 0 && gerai;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Naudojimas: %s <aplankas>\n", argv[0]);
    return 2;
  }
  namespace fs = std::filesystem;
  const fs::path virsus = argv[1];
  const fs::path aplankas = virsus / "duomenys";
  std::error_code klaida;
  fs::create_directories(aplankas, klaida);
  if (klaida) {
    std::fprintf(stderr, "Nepavyko sukurti %s: %s\n", aplankas.string().c_str(), klaida.message().c_str());
    return 1;
  }

  KRaides pusjuodis, paprastas;
  if (!pusjuodis.Atidaryti("DejaVu Sans:style=Bold", "DejaVu Sans") ||
      !paprastas.Atidaryti("DejaVu Sans:style=Book", "DejaVu Sans"))
    return 1;

  bool gerai = true;
  gerai &= Irasyti(ZemesTekstura(), aplankas / "zeme.tga", false);
  gerai &= Irasyti(SienosTekstura(), aplankas / "siena.tga", false);
  gerai &= Irasyti(ArmijosLapas(LietuvosSpalvos()), aplankas / "LT.tga", true);
  gerai &= Irasyti(ArmijosLapas(RusijosSpalvos()), aplankas / "RU.tga", true);
  gerai &= Irasyti(RodyklesTekstura(), aplankas / "rodykle.tga", true);
  gerai &= Irasyti(ZymesTekstura(), aplankas / "zyme.tga", true);
  gerai &= Irasyti(BlyksniuLapas(), aplankas / "blyksniai.tga", true);
  // The pictures with words, once per language: Lithuanian in the data folder itself,
  // every other language in a folder named by its code, under the same names.
  for (int i = 0; i < KALBU_KIEKIS; ++i) {
    const Kalba k = static_cast<Kalba>(i);
    const fs::path kur = k == KALBA_LT ? aplankas : aplankas / KALBU_KODAI[k];
    fs::create_directories(kur, klaida);
    gerai &= Irasyti(IntroPaveikslas(pusjuodis, paprastas, k), kur / "intro.tga", true);
    gerai &= Irasyti(PagalbosPaveikslas(pusjuodis, paprastas, k), kur / "pagalba.tga", true);
    gerai &= Irasyti(MeniuPunktai(pusjuodis, k), kur / "meniu.tga", true);
    gerai &= Irasyti(MeniuPaveikslai(pusjuodis, paprastas, k), kur / "meniuPav.tga", false);
    gerai &= Irasyti(PagalbosPuslapis(pusjuodis, paprastas, k), kur / "pagalbosPuslapis.tga", true);
    gerai &= Irasyti(PagalbosPerdanga(pusjuodis, paprastas, k), kur / "pagalbaF1.tga", true);
    gerai &= Irasyti(JuostosLapas(pusjuodis, k), kur / "juosta.tga", true);
    // The game looks for exactly these in a language's folder.
    for (const char* paveikslas : KALBOS_PAVEIKSLAI)
      if (!fs::is_regular_file(kur / paveikslas)) {
        std::fprintf(stderr, "Nesukurtas %s\n", (kur / paveikslas).string().c_str());
        gerai = false;
      }
  }
  if (pusjuodis.klaidos || paprastas.klaidos) {
    std::fprintf(stderr, "Paveiksluose %d klaidu su tekstais\n", pusjuodis.klaidos + paprastas.klaidos);
    gerai = false;
  }

  gerai &= Garsai::RasytiWav((aplankas / "suvis.wav").string(), Garsai::Suvis(), 1, Garsai::DAZNIS);
  gerai &= Garsai::RasytiWav((aplankas / "sprogimas.wav").string(), Garsai::Sprogimas(), 1, Garsai::DAZNIS);
  gerai &= Garsai::RasytiWav((aplankas / "spaud.wav").string(), Garsai::Spaudimas(), 1, Garsai::DAZNIS);
  const std::vector<float> muzika = Muzika::Kurti();
  gerai &= Muzika::RasytiOgg((aplankas / "muzika.ogg").string(), muzika, Muzika::DAZNIS);
  gerai &= Muzika::RasytiOgg((aplankas / "muzikaFonui.ogg").string(), Muzika::Fonui(muzika), Muzika::DAZNIS);

  gerai &= IrasytiNustatymus(virsus / "settings.cfg");
  if (!gerai) {
    std::fprintf(stderr, "Duomenys sukurti ne visi\n");
    return 1;
  }
  return 0;
}

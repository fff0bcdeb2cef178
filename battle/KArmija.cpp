#include "battle/KArmija.h"

#include <cstdlib>

#include "app/Globalai.h"
#include "platform/Platforma.h"

namespace {

constexpr int32_t ZAIDEJO_RIBA = 5;     // numbers up to this are the player's army
constexpr float ZVALGYMO_RIBA = 1.5f;   // looks only while ready to fire
constexpr float SIENOS_RIBA = 40.0f;    // idle this long, shoot at a wall
constexpr float SUKIMO_GREITIS = 50.0f; // turret, degrees per second

}  // namespace

void KArmija::Sukurti(int32_t n, int32_t centras, int32_t eilute, uint32_t tekstura) {
  // The table has room for 16 tanks and no more.
  if (n < 0) n = 0;
  if (n > TALPA) n = TALPA;
  kiekis = n;
  gyvi = n;
  const int32_t pirmas = centras - n / 2;
  for (int32_t i = 0; i < n; ++i) tankai[i].Sukurti(pirmas + i, eilute, tekstura);
}

void KArmija::Atnaujinti() {
  gyvi = 0;
  for (int32_t i = 0; i < kiekis; ++i) {
    tankai[i].Atnaujinti();
    if (tankai[i].gyvas) ++gyvi;
  }
}

void KArmija::Piesti() const {
  for (int32_t i = 0; i < kiekis; ++i) tankai[i].Piesti();
}

void KTankas::Zvalgyti(int32_t dx, int32_t dy) {
  const KZemelapis& z = *dabartinisZemelapis;
  int32_t c = stulpelis, q = eilute;
  matomasLangelis = numeris;
  // From the own cell outwards, to the first cell that is neither empty nor ours:
  // walls and friends end the line and hide what lies behind them.
  while (KZemelapis::Viduje(c, q) && (matomasLangelis == numeris || matomasLangelis == 0)) {
    matomasLangelis = z.Langelis(c, q);
    c += dx;
    q += dy;
  }
  if (matomasLangelis == numeris || matomasLangelis <= 0) return;
  const bool asZaidejo = numeris <= ZAIDEJO_RIBA;
  const bool jisZaidejo = matomasLangelis <= ZAIDEJO_RIBA;
  if (asZaidejo == jisZaidejo) return;
  if (dx == -1)
    tikslinisKampas = 90;
  else if (dy == -1)
    tikslinisKampas = 180;
  else if (dx == 1)
    tikslinisKampas = 270;
  else
    tikslinisKampas = 0;
  priesasMatomas = true;
}

void KTankas::KompiuterioZingsnis() {
  priesasMatomas = false;
  if (uztaisymas > ZVALGYMO_RIBA) {
    // A later sighting overrides the angle of an earlier one.
    Zvalgyti(-1, 0);
    Zvalgyti(1, 0);
    Zvalgyti(0, -1);
    Zvalgyti(0, 1);
  }
  if (!juda) {
    if (priesasMatomas) {
      // The turret's offset from the target, so it turns the shorter way.
      const float d = KampuSkirtumas(tikslinisKampas, bokstelioKampas);
      if (d < 0)
        bokstelioKampas += laikmatis.KadroLaikas * SUKIMO_GREITIS;
      else
        bokstelioKampas -= laikmatis.KadroLaikas * SUKIMO_GREITIS;
      if (Modulis(KampuSkirtumas(tikslinisKampas, bokstelioKampas)) < 1) Sauti();
    } else if (!Eiti()) {
      kryptis = judejimoKryptis;
      do judejimoKryptis = std::rand() % 4;
      while (judejimoKryptis == kryptis);
      Eiti();  // refused too: stand and try again next frame
    }
  }
  if (uztaisymas > SIENOS_RIBA && !sovinysSkrenda) {
    // Along the hull's axis; for the odd facings that is behind the direction of travel.
    if (kryptis % 2 != 0)
      Zvalgyti(2 - kryptis, 0);
    else
      Zvalgyti(0, 1 - kryptis);
    if (matomasLangelis < 0) Sauti();
  }
}

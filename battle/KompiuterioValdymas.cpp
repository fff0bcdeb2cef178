#include "battle/KompiuterioValdymas.h"

#include <cstdlib>

#include "app/Globalai.h"
#include "battle/KArmija.h"

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
  const bool asZaidejo = numeris <= ZAIDEJO_TANKU;
  const bool jisZaidejo = matomasLangelis <= ZAIDEJO_TANKU;
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
  if (uztaisymas > UZTAISYMO_RIBA) {
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
        bokstelioKampas += laikmatis.KadroLaikas * BOKSTELIO_SUKIMO_GREITIS;
      else
        bokstelioKampas -= laikmatis.KadroLaikas * BOKSTELIO_SUKIMO_GREITIS;
      if (Modulis(KampuSkirtumas(tikslinisKampas, bokstelioKampas)) < TAIKYMO_TIKSLUMAS) Sauti();
    } else if (!Eiti()) {
      kryptis = judejimoKryptis;
      do judejimoKryptis = std::rand() % 4;
      while (judejimoKryptis == kryptis);
      Eiti();  // refused too: stand and try again next frame
    }
  }
  if (uztaisymas > SIENOS_LAUKIMAS && !sovinysSkrenda) {
    // Along the hull's axis; for the odd facings that is behind the direction of travel.
    if (kryptis % 2 != 0)
      Zvalgyti(2 - kryptis, 0);
    else
      Zvalgyti(0, 1 - kryptis);
    if (matomasLangelis < 0) Sauti();
  }
}

#pragma once
#include <cstdint>

#include "audio/KGarsas.h"
#include "battle/KVektorius.h"
#include "core/ZaidimoSkaiciai.h"

class KArmija;

// One tank: its cell, its smooth step to the next cell, its turret, its single
// shell, its hit points and sounds.
// Its speeds, reload limit and hit radius are in core/ZaidimoSkaiciai.h.
class KTankas {
 public:
  bool gyvas = false;
  int32_t gyvybes = 0;
  int32_t numeris = 0;
  int32_t stulpelis = 0, eilute = 0;
  int32_t tikslinisStulpelis = 0, tikslineEilute = 0;
  KVektorius pozicija;
  KVektorius tikslas;
  int32_t kryptis = 0;          // facing: the hull is drawn this way
  int32_t judejimoKryptis = 0;  // direction of the latest step begun
  float bokstelioKampas = 0;
  uint32_t tekstura = 0;
  bool juda = false;
  bool kompiuteris = true;
  bool sovinysSkrenda = false;
  KVektorius sovinys;
  float sovinioKampas = 0;
  float sovinioGreitis = SOVINIO_GREITIS;
  float uztaisymas = 0;         // seconds since the last shot
  bool priesasMatomas = false;
  float tikslinisKampas = 0;
  KVektorius garsoPozicija;
  int32_t matomasLangelis = 0;
  KGarsas suvis;
  KGarsas sprogimas;

  void Sukurti(int32_t stulpelis, int32_t eilute, uint32_t tekstura);
  void Atnaujinti();
  void Piesti() const;
  bool Aukstyn();
  bool Kairen();
  bool Zemyn();
  bool Desinen();
  bool Eiti();
  void SuktiBokstela(float kampas);
  void Sauti();
  void Pazeisti();
  void Zuti();
  void ZaidejoValdymas();
  void KompiuterioValdymas();
  // Computer control (battle/KompiuterioValdymas.cpp).
  void KompiuterioZingsnis();
  void Zvalgyti(int32_t dx, int32_t dy);

  static void NuliuotiNumeracija();
  static int32_t numeracija;
};

// The hit test of one army's shells, after both armies were updated.
void TikrintiPataikymus(KArmija& armija);

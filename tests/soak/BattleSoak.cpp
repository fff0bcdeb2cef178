#include "tests/soak/BattleSoak.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/Globalai.h"
#include "app/Zaidimas.h"

namespace {

constexpr float L = LANGELIS;
constexpr int LANGELIU = STULPELIAI * EILUTES;

KVektorius Centras(int32_t c, int32_t r) { return KVektorius((c + 0.5f) * L, (r + 0.5f) * L, 0); }

// Numbers are handed out in creation order: the player's army 1..5, the enemy's after it.
int32_t Numeris(int armija, int indeksas) { return armija == 0 ? indeksas + 1 : zaidejoArmija.kiekis + indeksas + 1; }

std::string Tankas(const KTankas& t) {
  char b[160];
  std::snprintf(b, sizeof b, "tank %d at (%d,%d)->(%d,%d) pos (%.2f,%.2f)%s", static_cast<int>(t.numeris),
                static_cast<int>(t.stulpelis), static_cast<int>(t.eilute), static_cast<int>(t.tikslinisStulpelis),
                static_cast<int>(t.tikslineEilute), t.pozicija.x, t.pozicija.y, t.juda ? " stepping" : "");
  return b;
}

}  // namespace

float BattleSoak::KadroLaikas() {
  switch (tempas_) {
    case TOLYGUS_60: return 1.0f / 60;
    case TOLYGUS_144: return 1.0f / 144;
    case TOLYGUS_10: return 1.0f / 10;
    default: return std::uniform_real_distribution<float>(1.0f / 144, 1.0f / 10)(gen_);
  }
}

std::string BattleSoak::Klaida(const char* tikrinimas, const std::string& kas) const {
  char b[96];
  std::snprintf(b, sizeof b, "seed %u, frame %lld: ", sekla_, static_cast<long long>(kadras_));
  return b + std::string(tikrinimas) + ": " + kas;
}

// A person at the keys: holds an arrow, a turret key and fire for a while, then picks
// again; now and then takes the next tank with S, and always once the tank dies.
void BattleSoak::Zaidejas(double dt, Rezultatas& r) {
  if (klaviatura.busenos['S'] >= KLAVISAS_NUSPAUSTAS) {
    klaviatura.Atleisti('S');
  } else if (dabartinisTankas && !dabartinisTankas->gyvas) {
    klaviatura.Paspausti('S');
  }
  iki_ -= dt;
  if (iki_ > 0) return;
  iki_ = std::uniform_real_distribution<double>(0.1, 1.5)(gen_);

  static constexpr int rodykles[] = {0, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN};
  static constexpr int bokstelio[] = {0, 'A', 'D'};
  const int rodykle = rodykles[std::uniform_int_distribution<int>(0, 4)(gen_)];
  const int bokstelis = bokstelio[std::uniform_int_distribution<int>(0, 2)(gen_)];
  const bool sauna = std::bernoulli_distribution(0.6)(gen_);
  if (rodykle != rodykle_) {
    if (rodykle_ > 0) klaviatura.Atleisti(rodykle_);
    if (rodykle > 0) klaviatura.Paspausti(rodykle);
    rodykle_ = rodykle;
  }
  if (bokstelis != bokstelis_) {
    if (bokstelis_ > 0) klaviatura.Atleisti(bokstelis_);
    if (bokstelis > 0) klaviatura.Paspausti(bokstelis);
    bokstelis_ = bokstelis;
  }
  if (sauna != sauna_) {
    if (sauna)
      klaviatura.Paspausti(VK_SPACE);
    else
      klaviatura.Atleisti(VK_SPACE);
    sauna_ = sauna;
  }
  if (klaviatura.busenos['S'] < KLAVISAS_NUSPAUSTAS && std::bernoulli_distribution(0.1)(gen_)) {
    klaviatura.Paspausti('S');
    ++r.perjungimu;
  }
}

std::string BattleSoak::Tikrinti(Rezultatas& r) {
  const int32_t* langeliai = zemelapis.langeliai;
  int laikoma[16] = {};
  for (int i = 0; i < LANGELIU; ++i) {
    const int32_t v = langeliai[i];
    auto Kur = [&] {
      return "cell (" + std::to_string(i / EILUTES) + "," + std::to_string(i % EILUTES) +
             ") holds " + std::to_string(v) + ", held " + std::to_string(ankstesni_[i]) + " before the frame";
    };
    if (v < -1 || v > 15) return Klaida("cells hold -1, 0 or a tank number 1..15", Kur());
    if (v == -1 && ankstesni_[i] != -1) return Klaida("walls only turn into ground", Kur());
    if (ankstesni_[i] == -1 && v != -1) ++r.sienu;
    if (v > 0) ++laikoma[v];
  }

  KArmija* armijos[2] = {&zaidejoArmija, &priesoArmija};
  for (int a = 0; a < 2; ++a) {
    const KArmija& armija = *armijos[a];
    int32_t gyvi = 0;
    for (int i = 0; i < armija.kiekis; ++i) {
      const KTankas& t = armija.tankai[i];
      const int32_t n = Numeris(a, i);
      if (t.numeris != n) return Klaida("tanks keep their creation numbers", Tankas(t) + ", expected " + std::to_string(n));
      if (!t.gyvas) {
        if (laikoma[n]) return Klaida("no cell names a dead tank", Tankas(t) + " is dead, " + std::to_string(laikoma[n]) + " cells");
        if (t.sovinysSkrenda) return Klaida("a dead tank has no shell in flight", Tankas(t));
        continue;
      }
      ++gyvi;
      if (!KZemelapis::Viduje(t.stulpelis, t.eilute) || !KZemelapis::Viduje(t.tikslinisStulpelis, t.tikslineEilute))
        return Klaida("tanks stay inside the grid", Tankas(t));
      if (t.pozicija.x < 0 || t.pozicija.x > STULPELIAI * L || t.pozicija.y < 0 ||
          t.pozicija.y > EILUTES * L)
        return Klaida("positions stay inside the grid", Tankas(t));
      const KVektorius nuo = Centras(t.stulpelis, t.eilute);
      if (zemelapis.Langelis(t.stulpelis, t.eilute) != n)
        return Klaida("a tank's number stands in the cell it holds", Tankas(t));
      if (!t.juda) {
        if (t.tikslinisStulpelis != t.stulpelis || t.tikslineEilute != t.eilute)
          return Klaida("a standing tank holds one cell", Tankas(t));
        if (laikoma[n] != 1) return Klaida("a standing tank's number stands in one cell only", Tankas(t) + ", in " + std::to_string(laikoma[n]));
        if (Atstumas(t.pozicija, nuo) > 0.1f) return Klaida("a standing tank stands at its cell's centre", Tankas(t));
      } else {
        const int32_t dc = t.tikslinisStulpelis - t.stulpelis, dr = t.tikslineEilute - t.eilute;
        if (std::abs(dc) + std::abs(dr) != 1) return Klaida("a step goes to a neighbouring cell", Tankas(t));
        if (zemelapis.Langelis(t.tikslinisStulpelis, t.tikslineEilute) != n)
          return Klaida("a stepping tank holds the cell it enters", Tankas(t));
        if (laikoma[n] != 2) return Klaida("a stepping tank's number stands in two cells only", Tankas(t) + ", in " + std::to_string(laikoma[n]));
        const KVektorius iki = Centras(t.tikslinisStulpelis, t.tikslineEilute);
        if (Atstumas(t.pozicija, nuo) + Atstumas(t.pozicija, iki) > L + 0.1f)
          return Klaida("a stepping tank is on its way between the two centres", Tankas(t));
      }
      if (t.sovinysSkrenda && (t.sovinys.x < 0 || t.sovinys.x > 800 || t.sovinys.y < 0 || t.sovinys.y > 600))
        return Klaida("a shell ends where it leaves the 800 by 600 view",
                      Tankas(t) + ", shell at (" + std::to_string(t.sovinys.x) + "," + std::to_string(t.sovinys.y) + ")");
      if (t.kompiuteris != (&t != dabartinisTankas))
        return Klaida("every tank but the player's current one is under computer control", Tankas(t));
    }
    // The count an army holds is taken in its update, before the hit tests that follow
    // it: it names the tanks alive after the previous frame.
    if (armija.gyvi != gyviPries_[a])
      return Klaida("an army's living count follows its tanks one frame late",
                    (a ? "enemy " : "player's ") + std::to_string(armija.gyvi) + ", alive before the frame " +
                        std::to_string(gyviPries_[a]));
    gyviPries_[a] = gyvi;
  }

  if (!dabartinisTankas || dabartinisTankas != &zaidejoArmija.tankai[dabartinioTankoIndeksas])
    return Klaida("the current tank is the one at the current index", std::to_string(dabartinioTankoIndeksas));
  if (rodykle.sekama != &dabartinisTankas->pozicija)
    return Klaida("the marker follows the current tank", Tankas(*dabartinisTankas));
  std::memcpy(ankstesni_, langeliai, sizeof ankstesni_);
  return "";
}

BattleSoak::Rezultatas BattleSoak::Zaisti(uint32_t sekla) {
  Rezultatas r;
  sekla_ = sekla;
  gen_.seed(sekla);
  tempas_ = TempasPagalSekla(sekla);
  kadras_ = 0;
  rodykle_ = bokstelis_ = -1;
  sauna_ = false;
  iki_ = 0;
  std::srand(sekla);
  dabartinisZemelapis = &zemelapis;
  dabartineVairalazde = nullptr;
  for (auto& b : klaviatura.busenos) b = KLAVISAS_ATLEISTAS;

  PradetiMusi();
  busena = BUSENA_MUSIS;
  std::memcpy(ankstesni_, zemelapis.langeliai, sizeof ankstesni_);
  gyviPries_[0] = zaidejoArmija.gyvi;
  gyviPries_[1] = priesoArmija.gyvi;
  if ((r.klaida = Tikrinti(r)) != "") return r;

  while (busena == BUSENA_MUSIS) {
    ++kadras_;
    const float dt = KadroLaikas();
    laikmatis.KadroLaikas = dt;
    klaviatura.Atnaujinti();
    Zaidejas(dt, r);

    KTankas* pries = dabartinisTankas;
    const bool skrido = pries->sovinysSkrenda, judejo = pries->juda;
    AtnaujintiZaidima();
    if (dabartinisTankas == pries && !pries->kompiuteris) {
      r.suviu += !skrido && pries->sovinysSkrenda;
      r.zingsniu += !judejo && pries->juda;
    }

    ++r.kadru;
    r.sekundziu += dt;
    if ((r.klaida = Tikrinti(r)) != "") return r;
    const bool abiGyvos = zaidejoArmija.gyvi > 0 && priesoArmija.gyvi > 0;
    if (abiGyvos != (busena == BUSENA_MUSIS))
      return r.klaida = Klaida("the battle goes on exactly while both armies live",
                               std::to_string(zaidejoArmija.gyvi) + " against " + std::to_string(priesoArmija.gyvi)),
             r;
    if (r.sekundziu > LAIKO_RIBA)
      return r.klaida = Klaida("a battle ends within its time bound",
                               std::to_string(zaidejoArmija.gyvi) + " against " + std::to_string(priesoArmija.gyvi) +
                                   " still alive"),
             r;
  }
  r.laimeta = meniu.laimeta;
  if (!meniu.baigta || meniu.laimeta != (priesoArmija.gyvi == 0))
    r.klaida = Klaida("the menu is told the outcome", meniu.laimeta ? "won" : "lost");
  return r;
}

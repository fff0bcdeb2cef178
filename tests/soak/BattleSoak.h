#pragma once
// Whole battles through the game's own update, frame by frame with fixed frame times,
// from a seed: the map, the computer control and the scripted player all draw from it,
// so a seed replays the same battle. After every frame the battle's invariants are
// checked; the first broken one ends the battle with a message naming the seed, the
// frame and the check.
#include <cstdint>
#include <random>
#include <string>

#include "battle/KZemelapis.h"

class BattleSoak {
 public:
  // Frame times: steady at 1/60, 1/144 or 1/10 s, or every frame drawn anew from
  // 1/144 to 1/10 s.
  enum Tempas { TOLYGUS_60, TOLYGUS_144, TOLYGUS_10, NETOLYGUS };

  // A battle longer than this, in simulated seconds, counts as one that never ends
  // (the 500 soak seeds end within about 200).
  static constexpr double LAIKO_RIBA = 600.0;

  struct Rezultatas {
    std::string klaida;  // empty when every check held
    int64_t kadru = 0;
    double sekundziu = 0;
    bool laimeta = false;
    int perjungimu = 0;  // presses of S
    int suviu = 0;       // shots the scripted player fired
    int zingsniu = 0;    // steps the scripted player began
    int sienu = 0;       // walls broken
  };

  static Tempas TempasPagalSekla(uint32_t sekla) { return static_cast<Tempas>(sekla % 4); }

  // Plays one battle to its end (or to the first broken check).
  Rezultatas Zaisti(uint32_t sekla);

 private:
  std::mt19937 gen_;
  Tempas tempas_ = TOLYGUS_60;
  uint32_t sekla_ = 0;
  int64_t kadras_ = 0;
  int32_t ankstesni_[STULPELIAI * EILUTES] = {};
  int32_t gyviPries_[2] = {};  // living tanks of each army after the previous frame

  // The scripted player's keys and how long it keeps them.
  int rodykle_ = -1;
  int bokstelis_ = -1;
  bool sauna_ = false;
  double iki_ = 0;

  float KadroLaikas();
  void Zaidejas(double dt, Rezultatas& r);
  std::string Tikrinti(Rezultatas& r);
  std::string Klaida(const char* tikrinimas, const std::string& kas) const;
};

#pragma once
#include <cstdint>

#include "battle/KTankas.h"

// One side of the battle: up to 16 tanks created together on one row. Tanks are
// numbered in creation order and the player's army is created first, so numbers up to
// ZAIDEJO_TANKU (core/ZaidimoSkaiciai.h) are the player's army, above it the enemy's.
class KArmija {
 public:
  static constexpr int TALPA = 16;

  KTankas tankai[TALPA];
  int32_t kiekis = 0;
  int32_t gyvi = 0;

  void Sukurti(int32_t n, int32_t centras, int32_t eilute, uint32_t tekstura);
  void Atnaujinti();
  void Piesti() const;
};

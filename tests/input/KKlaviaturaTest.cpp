#include "input/KKlaviatura.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// One frame of the main loop as the table sees it: the edge update, then the key
// messages of that frame's pump, then what the game update reads.
struct Kadras {
  std::string zinutes;  // 'd' key-down, 'u' key-up, in arrival order
  uint8_t tiketina;
};

void Vykdyti(KKlaviatura& k, int kodas, const std::vector<Kadras>& kadrai) {
  for (size_t i = 0; i < kadrai.size(); ++i) {
    k.Atnaujinti();
    for (char z : kadrai[i].zinutes) (z == 'd') ? k.Paspausti(kodas) : k.Atleisti(kodas);
    EXPECT_EQ(k.busenos[kodas], kadrai[i].tiketina) << "kadras " << i;
  }
}

TEST(KKlaviatura, EveryKeyStartsUp) {
  static KKlaviatura globalus;  // static storage, like the game's own
  KKlaviatura vietinis;
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(globalus.busenos[i], 0) << i;
    EXPECT_EQ(vietinis.busenos[i], 0) << i;
  }
}

TEST(KKlaviatura, FrameSequences) {
  struct {
    const char* pavadinimas;
    std::vector<Kadras> kadrai;
  } atvejai[] = {
      {"paspaudimas matomas viena kadra, tada laikomas",
       {{"d", 2}, {"", 3}, {"", 3}, {"u", 1}, {"", 0}, {"", 0}}},
      {"automatinis kartojimas nesukuria antro paspaudimo",
       {{"d", 2}, {"dddddddddd", 3}, {"dddddddddd", 3}, {"", 3}, {"u", 1}}},
      {"kartojimas tame paciame kadre", {{"dddddddddddddddddddd", 2}, {"", 3}}},
      {"paspaustas ir atleistas tarp kadru", {{"du", 1}, {"", 0}}},
      {"atleistas ir vel paspaustas tarp kadru", {{"d", 2}, {"", 3}, {"ud", 2}, {"", 3}}},
      {"atleidimas kai jau atleistas", {{"u", 0}, {"uu", 0}}},
      {"atleidimas kai ka tik atleistas", {{"d", 2}, {"u", 1}, {"", 0}}},
      {"atleidimas antra karta tame paciame kadre", {{"d", 2}, {"uu", 1}, {"", 0}}},
      {"paspaudimas kai ka tik atleistas", {{"d", 2}, {"u", 1}, {"", 0}, {"", 0}, {"d", 2}}},
      {"paspaudimas ant atleisto tame paciame kadre", {{"d", 2}, {"", 3}, {"udu", 1}, {"", 0}}},
  };
  for (const auto& a : atvejai) {
    SCOPED_TRACE(a.pavadinimas);
    for (int kodas : {0, 13, 32, 112, 255}) {
      SCOPED_TRACE(kodas);
      KKlaviatura k;
      Vykdyti(k, kodas, a.kadrai);
    }
  }
}

TEST(KKlaviatura, AtnaujintiAdvancesEveryValue) {
  // Every byte of the table advances on its own: 1 -> 0, 2 -> 3, 0 and 3 stay.
  KKlaviatura k;
  for (int i = 0; i < 256; ++i) k.busenos[i] = static_cast<uint8_t>(i % 4);
  k.Atnaujinti();
  const uint8_t po1[4] = {0, 0, 3, 3};
  for (int i = 0; i < 256; ++i) EXPECT_EQ(k.busenos[i], po1[i % 4]) << i;
  k.Atnaujinti();
  for (int i = 0; i < 256; ++i) EXPECT_EQ(k.busenos[i], po1[i % 4]) << i;
}

TEST(KKlaviatura, KeysAreIndependent) {
  KKlaviatura k;
  k.Paspausti(65);
  k.Paspausti(68);
  k.Atleisti(68);
  for (int i = 0; i < 256; ++i) EXPECT_EQ(k.busenos[i], i == 65 ? 2 : i == 68 ? 1 : 0) << i;
}

TEST(KKlaviatura, CodesOutsideTheTableAreIgnored) {
  KKlaviatura k;
  k.Paspausti(40);
  k.Atnaujinti();
  uint8_t pries[256];
  std::memcpy(pries, k.busenos, sizeof pries);
  for (int kodas : {-1, -256, 256, 257, 511, 0x10000 + 37, INT32_MIN, INT32_MAX}) {
    k.Paspausti(kodas);
    k.Atleisti(kodas);
    k.Paspausti(kodas);
  }
  EXPECT_EQ(std::memcmp(pries, k.busenos, sizeof pries), 0);
}

}  // namespace

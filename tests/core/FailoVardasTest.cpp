#include "core/FailoVardas.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(FailoVardas, NameAfterTheLastSeparator) {
  struct {
    const char* kelias;
    size_t poslinkis;  // where the name starts inside the path
  } atvejai[] = {
      {"duomenys/suvis.wav", 9},
      {"duomenys\\suvis.wav", 9},
      {"a/b\\c/zeme.tga", 6},
      {"a\\b/c\\zeme.tga", 6},
      {"suvis.wav", 0},           // no separator
      {"/suvis.wav", 0},          // the only separator is the first character
      {"\\suvis.wav", 0},
      {"//suvis.wav", 2},
      {"\\\\serveris\\LT.tga", 11},
      {"duomenys/", 9},           // ends in a separator: the empty name after it
      {"/", 0},
      {"x/", 2},
      {"", 0},
      {"./a", 2},
      {"a.b/c.d/", 8},
  };
  for (const auto& a : atvejai) {
    SCOPED_TRACE(a.kelias);
    const char* v = FailoVardas(a.kelias);
    // A position inside the given text, never a copy.
    EXPECT_EQ(v, a.kelias + a.poslinkis);
  }
}

TEST(FailoVardas, NullPathGivesNull) { EXPECT_EQ(FailoVardas(nullptr), nullptr); }

TEST(FailoVardas, VeryLongPath) {
  std::string kelias;
  for (int i = 0; i < 10000; ++i) kelias += "aplankas/";
  kelias += "muzika.ogg";
  EXPECT_STREQ(FailoVardas(kelias.c_str()), "muzika.ogg");
  EXPECT_EQ(FailoVardas(kelias.c_str()), kelias.c_str() + kelias.size() - std::strlen("muzika.ogg"));
}

}  // namespace

#pragma once
#include <cstdint>

#include "platform/Platforma.h"

// Every image of the data folder as a GL texture, looked up by its bare file name
// (exact, case-sensitive). At most 128 textures, names of at most 31 characters.
class KTeksturos {
 public:
  static constexpr int TALPA = 128;

  GLuint vardai[TALPA] = {};
  char failai[TALPA][32] = {};
  int kiekis = 0;
  bool mipmap = true;

  void UzkrautiAplanka(const char* aplankas);
  GLuint UzkrautiTga(const char* kelias);
  GLuint UzkrautiBmp(const char* kelias);
  bool Yra(const char* failas) const;
  GLuint Gauti(const char* failas) const;  // 0 and a log message when unknown
};

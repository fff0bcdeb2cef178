#pragma once
#include <cstdint>

// Lists the entries of one folder whose names end in "." + extension (any case),
// as folder + name, at most 127 of them; hands them out one by one.
class KFUzkrovimas {
 public:
  static constexpr int TALPA = 128;
  static constexpr int RIBA = 127;  // the slot after the last path stays empty

  char* keliai[TALPA] = {};
  int32_t kiekis = 0;
  int32_t zymeklis = 0;
  bool uzpildyta = false;

  KFUzkrovimas() = default;
  ~KFUzkrovimas() { Isvalyti(); }
  KFUzkrovimas(const KFUzkrovimas&) = delete;
  KFUzkrovimas& operator=(const KFUzkrovimas&) = delete;

  // Clears, then scans. An absent extension lists every entry. Never throws.
  void Ieskoti(const char* aplankas, const char* pletinys);
  // The path at the cursor, or null at the end; owned by this object.
  const char* GautiPavadinima();
  void Isvalyti();
};

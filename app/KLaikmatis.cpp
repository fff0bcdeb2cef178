#include "app/KLaikmatis.h"

#include "platform/Platforma.h"

void KLaikmatis::Sukurti() {
  LARGE_INTEGER q;
  QueryPerformanceFrequency(&q);
  daznis = q.QuadPart;
  QueryPerformanceCounter(&q);
  dabartinis = q.QuadPart;
  KadroLaikas = 0.0f;
}

void KLaikmatis::Atnaujinti() {
  ankstesnis = dabartinis;
  LARGE_INTEGER q;
  QueryPerformanceCounter(&q);
  dabartinis = q.QuadPart;
  // Extended precision for the division, stored as a float.
  KadroLaikas = static_cast<float>(static_cast<long double>(dabartinis - ankstesnis) /
                                   static_cast<long double>(daznis));
}

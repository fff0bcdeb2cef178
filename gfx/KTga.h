#pragma once
#include "gfx/KTeksturaDuom.h"

// Targa loader. Throws "Nepavyko atidaryti failo", "Netinkamas failo tipas" or
// "Neisskirta atmintis!".
class KTga : public KTeksturaDuom {
 public:
  unsigned char antraste[18] = {};
  unsigned char tipasFailo = 0;

  void Uzkrauti(const char* kelias) override;
  void Atlaisvinti() override;
};

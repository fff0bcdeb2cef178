#pragma once
#include "gfx/KTeksturaDuom.h"

// Windows bitmap loader. Throws "failas nerastas", "failas nera BMP formato",
// "failas naudoja suspaudima", "naudojamos indeksuotos spalvos" or "Netinkamas bpp".
class KBmp : public KTeksturaDuom {
 public:
  unsigned char antraste[54] = {};

  // The manager calls it on a KBmp directly. With the base's signature it cannot help
  // overriding the base's slot, so it says so.
  void Uzkrauti(const char* kelias) override;
  void Atlaisvinti() override;
};

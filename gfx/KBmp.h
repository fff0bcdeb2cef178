#pragma once
#include "gfx/KTeksturaDuom.h"

// Windows bitmap loader. Throws "failas nerastas", "failas nera BMP formato",
// "failas naudoja suspaudima", "naudojamos indeksuotos spalvos" or "Netinkamas bpp".
class KBmp : public KTeksturaDuom {
 public:
  unsigned char antraste[54] = {};

  // Its own operation, not an override: the manager calls it on a KBmp directly.
  void Uzkrauti(const char* kelias);
  void Atlaisvinti() override;
};

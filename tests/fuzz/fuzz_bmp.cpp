// libFuzzer target: any bytes as a bitmap file.
#include "gfx/KBmp.h"
#include "tests/fuzz/VaizdoFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* duomenys, size_t dydis) {
  return FuzzVaizda<KBmp>(duomenys, dydis, "bmp", TariamiBaitai(duomenys, dydis, 18, 4),
                          {"failas nerastas", "failas nera BMP formato", "failas naudoja suspaudima",
                           "naudojamos indeksuotos spalvos", "netinkama antraste", "netinkami matmenys",
                           "Neisskirta atmintis!", "Netinkamas bpp"});
}

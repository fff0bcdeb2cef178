// libFuzzer target: any bytes as a Targa file.
#include "gfx/KTga.h"
#include "tests/fuzz/VaizdoFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* duomenys, size_t dydis) {
  return FuzzVaizda<KTga>(duomenys, dydis, "tga", TariamiBaitai(duomenys, dydis, 12, 2),
                          {"Nepavyko atidaryti failo", "Netinkamas failo tipas", "Neisskirta atmintis!",
                           "Netinkamas bpp", "Netinkami matmenys"});
}

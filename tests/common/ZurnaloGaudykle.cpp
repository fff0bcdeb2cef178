#include "tests/common/ZurnaloGaudykle.h"

#include "core/Zurnalas.h"

namespace {
std::vector<std::string>* pranesimai = nullptr;
void Gaudyti(const char* tekstas) {
  if (pranesimai) pranesimai->emplace_back(tekstas);
}
}  // namespace

ZurnaloGaudykle::ZurnaloGaudykle() {
  pranesimai = new std::vector<std::string>();
  NustatytiZurnaloKabli(Gaudyti);
}

ZurnaloGaudykle::~ZurnaloGaudykle() {
  NustatytiZurnaloKabli(nullptr);
  delete pranesimai;
  pranesimai = nullptr;
}

const std::vector<std::string>& ZurnaloGaudykle::Pranesimai() const { return *pranesimai; }

int ZurnaloGaudykle::Kiek(const std::string& tekstas) const {
  int n = 0;
  for (const auto& p : *pranesimai) n += (p == tekstas);
  return n;
}

bool ZurnaloGaudykle::Yra(const std::string& fragmentas) const {
  for (const auto& p : *pranesimai)
    if (p.find(fragmentas) != std::string::npos) return true;
  return false;
}

void ZurnaloGaudykle::Isvalyti() { pranesimai->clear(); }

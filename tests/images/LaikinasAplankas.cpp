#include "tests/images/LaikinasAplankas.h"

#include <fstream>
#include <random>
#include <stdexcept>

LaikinasAplankas::LaikinasAplankas() {
  std::random_device atsitiktinis;
  const auto pagrindas = std::filesystem::temp_directory_path();
  for (int bandymas = 0; bandymas < 100; ++bandymas) {
    auto k = pagrindas / ("tankai-vaizdai-" + std::to_string(atsitiktinis()));
    if (std::filesystem::create_directory(k)) {
      kelias_ = k;
      return;
    }
  }
  throw std::runtime_error("no temporary folder");
}

LaikinasAplankas::~LaikinasAplankas() {
  std::error_code klaida;
  std::filesystem::remove_all(kelias_, klaida);
}

std::string LaikinasAplankas::Kelias(const std::string& vardas) const { return (kelias_ / vardas).string(); }

std::string LaikinasAplankas::Aplankas() const { return kelias_.string() + "/"; }

void LaikinasAplankas::Rasyti(const std::string& vardas, const std::vector<unsigned char>& baitai) const {
  std::ofstream f(Kelias(vardas), std::ios::binary);
  f.write(reinterpret_cast<const char*>(baitai.data()), static_cast<std::streamsize>(baitai.size()));
}

#include "tests/common/IsorinisIrankis.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>
#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

// A single-quoted word of the command, where it stands, and the state of the file it names.
struct Kelias {
  size_t pradzia, galas;  // the opening and the closing quote
  std::string tekstas;
  bool buvo = false;      // an existing file before the run
  uint64_t turinys = 0;   // its contents' hash then
};

uint64_t Fnv(const std::string& s, uint64_t h = 14695981039346656037ull) {
  for (unsigned char c : s) h = (h ^ c) * 1099511628211ull;
  return h;
}

std::string Skaityti(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

bool Failas(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

std::vector<Kelias> Keliai(const std::string& komanda) {
  std::vector<Kelias> k;
  for (size_t i = komanda.find('\''); i != std::string::npos; i = komanda.find('\'', i)) {
    const size_t galas = komanda.find('\'', i + 1);
    if (galas == std::string::npos) break;
    Kelias p{i, galas, komanda.substr(i + 1, galas - i - 1)};
    p.buvo = Failas(p.tekstas);
    if (p.buvo) p.turinys = Fnv(Skaityti(p.tekstas));
    k.push_back(p);
    i = galas + 1;
  }
  return k;
}

// The running test, the command with every quoted word replaced by its file name and, for
// a file that existed, its contents: what makes two runs on two machines the same run.
// (The test is part of it because the tools are not all repeatable: sox dithers with
// random noise, so two tests running the same command get different files.)
std::string Raktas(const std::string& komanda, const std::vector<Kelias>& keliai) {
  std::string sablonas;
  if (const auto* testas = testing::UnitTest::GetInstance()->current_test_info())
    sablonas = std::string(testas->test_suite_name()) + "." + testas->name() + "\n";
  size_t nuo = 0;
  for (const Kelias& k : keliai) {
    sablonas += komanda.substr(nuo, k.pradzia - nuo) + "'" + fs::path(k.tekstas).filename().string();
    if (k.buvo) sablonas += ":" + std::to_string(k.turinys);
    sablonas += "'";
    nuo = k.galas + 1;
  }
  sablonas += komanda.substr(nuo);
  char raktas[17];
  std::snprintf(raktas, sizeof raktas, "%016llx", static_cast<unsigned long long>(Fnv(sablonas)));
  return raktas;
}

void Rasyti(const fs::path& p, const std::string& turinys) {
  // Whole or not at all: parallel tests may keep the same run at once.
  const fs::path laikinas = p.string() + ".tmp" + std::to_string(getpid());
  {
    std::ofstream f(laikinas, std::ios::binary);
    f.write(turinys.data(), static_cast<std::streamsize>(turinys.size()));
  }
  std::error_code ec;
  fs::rename(laikinas, p, ec);
  if (ec) fs::remove(laikinas, ec);
}

}  // namespace

#ifndef _WIN32

int IsorinisIrankis(const std::string& komanda) {
  const char* irasai = std::getenv("TANKAI_IRANKIU_IRASAI");
  if (!irasai || !*irasai) return std::system(komanda.c_str());
  const auto keliai = Keliai(komanda);
  const fs::path kur = fs::path(irasai) / Raktas(komanda, keliai);
  const int busena = std::system(komanda.c_str());
  std::error_code ec;
  fs::create_directories(kur, ec);
  for (size_t i = 0; i < keliai.size(); ++i) {
    if (!Failas(keliai[i].tekstas)) continue;
    const std::string turinys = Skaityti(keliai[i].tekstas);
    if (!keliai[i].buvo || Fnv(turinys) != keliai[i].turinys) Rasyti(kur / std::to_string(i), turinys);
  }
  Rasyti(kur / "komanda", komanda + "\n");
  Rasyti(kur / "busena", std::to_string(busena) + "\n");
  return busena;
}

#else

int IsorinisIrankis(const std::string& komanda) {
  const char* aplinka = std::getenv("TANKAI_IRANKIU_IRASAI");
  const fs::path irasai = aplinka && *aplinka ? fs::path(aplinka) : fs::path(TANKAI_IRANKIU_IRASAI_DIR);
  const auto keliai = Keliai(komanda);
  const fs::path kur = irasai / Raktas(komanda, keliai);
  if (!Failas(kur / "busena")) {
    std::fprintf(stderr, "No run of this command was kept in %s (run the Linux tests with "
                 "TANKAI_IRANKIU_IRASAI set first): %s\n", irasai.string().c_str(), komanda.c_str());
    return 127;
  }
  for (size_t i = 0; i < keliai.size(); ++i) {
    const fs::path isvestis = kur / std::to_string(i);
    if (Failas(isvestis)) Rasyti(keliai[i].tekstas, Skaityti(isvestis));
  }
  return std::atoi(Skaityti(kur / "busena").c_str());
}

#endif

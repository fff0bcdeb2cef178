#include "config/KFUzkrovimas.h"

#include <cctype>
#include <cstring>
#include <filesystem>
#include <new>
#include <string>
#include <system_error>

#include "core/Zurnalas.h"

namespace {

// The name ends in "." + extension, letter case aside; no extension matches every name.
bool Tinka(const std::string& vardas, const char* pletinys) {
  if (!pletinys) return true;
  const size_t n = std::strlen(pletinys);
  if (vardas.size() < n + 1) return false;
  const size_t pradzia = vardas.size() - n;
  if (vardas[pradzia - 1] != '.') return false;
  for (size_t i = 0; i < n; ++i)
    if (std::tolower(static_cast<unsigned char>(vardas[pradzia + i])) !=
        std::tolower(static_cast<unsigned char>(pletinys[i])))
      return false;
  return true;
}

char* Sujungti(const std::string& aplankas, const std::string& vardas) {
  char* k = new (std::nothrow) char[aplankas.size() + vardas.size() + 1];
  if (!k) return nullptr;
  std::memcpy(k, aplankas.data(), aplankas.size());
  std::memcpy(k + aplankas.size(), vardas.c_str(), vardas.size() + 1);
  return k;
}

}  // namespace

void KFUzkrovimas::Ieskoti(const char* aplankas, const char* pletinys) {
  Isvalyti();
  if (!aplankas) aplankas = "";
  try {
    std::string priesdelis = aplankas;
    const size_t ilgis = priesdelis.size();
    if (ilgis > 0 && priesdelis[ilgis - 1] != '/' && priesdelis[ilgis - 1] != '\\') {
      ZurnalasF("Blogas aplanko adresas: '%s', truksta '%s' simbolio", aplankas, "\\");
      priesdelis += '\\';
    }

    // The folder is listed as the caller wrote it; an empty text is the working directory.
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator it(ilgis ? fs::path(aplankas) : fs::path("."), ec);
    for (const fs::directory_iterator galas; !ec && it != galas; it.increment(ec)) {
      std::string vardas;
      try {
        vardas = it->path().filename().string();
      } catch (...) {
        continue;  // a name this system's narrow text cannot hold is not one we can open
      }
      if (!Tinka(vardas, pletinys)) continue;
      if (kiekis >= RIBA) {
        ZurnalasF("Aplanke '%s' per daug failu su pletiniu '.%s', maksimalus skaicius yra %d",
                  priesdelis.c_str(), pletinys ? pletinys : "*", RIBA);
        break;
      }
      char* kelias = Sujungti(priesdelis, vardas);
      if (!kelias) break;
      keliai[kiekis++] = kelias;
    }
  } catch (...) {
    // Out of memory: keep what was stored so far.
  }
  uzpildyta = kiekis > 0;
}

const char* KFUzkrovimas::GautiPavadinima() {
  if (!uzpildyta) return nullptr;
  if (zymeklis > kiekis) {
    Zurnalas("FUzkrovimas: bandoma gauti failo pavadinima su per dideliu indeksu");
    return nullptr;
  }
  return keliai[zymeklis++];
}

void KFUzkrovimas::Isvalyti() {
  for (char*& k : keliai) {
    delete[] k;
    k = nullptr;
  }
  kiekis = 0;
  zymeklis = 0;
  uzpildyta = false;
}

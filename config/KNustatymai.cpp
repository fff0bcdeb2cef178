#include "config/KNustatymai.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <new>
#include <system_error>

#include "config/NustatymuLentele.h"
#include "core/Zurnalas.h"

namespace {

constexpr int GALAS = -1;  // end of file

char* Kopija(const char* tekstas) {
  const size_t ilgis = std::strlen(tekstas);
  char* k = new (std::nothrow) char[ilgis + 1];
  if (k) std::memcpy(k, tekstas, ilgis + 1);
  return k;
}

// A forward-only character reader with the few stream operations the settings file
// needs: a good state that ends at the end of file or at the first failed extraction,
// bounded line reads, and integer extraction. It reads the file in binary and drops a
// carriage return that comes right before a line feed, so a file reads the same on
// every system. Nothing it does allocates; no step reads more than it needs.
class Skaitytuvas {
 public:
  explicit Skaitytuvas(std::FILE* f) : failas(f) {}

  bool Geras() const { return !pabaiga && !klaida; }

  // The next character without taking it; GALAS (and the end state) at the end.
  int Ziureti() {
    if (!Geras()) return GALAS;
    if (pozicija == kiekis && !Pildyti()) {
      pabaiga = true;
      return GALAS;
    }
    return static_cast<unsigned char>(buferis[pozicija]);
  }

  void Imti() { ++pozicija; }
  void Nepavyko() { klaida = true; }

  // Characters up to the delimiter, which is taken and not stored; at most riba - 1 are
  // stored. Reaching the limit before the delimiter fails, and so does taking nothing.
  // The stored text is always terminated; returns how many characters were stored.
  // `kur` may be null to discard.
  int Eilute(char* kur, int riba, char skyriklis) {
    int paimta = 0, irasyta = 0;
    if (Geras()) {
      for (;;) {
        const int c = Ziureti();
        if (c == GALAS) break;
        if (c == static_cast<unsigned char>(skyriklis)) {
          Imti();
          ++paimta;
          break;
        }
        if (irasyta + 1 >= riba) {
          klaida = true;
          break;
        }
        if (kur) kur[irasyta] = static_cast<char>(c);
        ++irasyta;
        ++paimta;
        Imti();
      }
    }
    if (kur) kur[irasyta] = '\0';
    if (paimta == 0) klaida = true;
    return irasyta;
  }

  // Discards characters while they belong to the set.
  void Praleisti(const char* aibe) {
    for (int c = Ziureti(); c != GALAS && c != '\0' && std::strchr(aibe, c); c = Ziureti()) Imti();
  }

  // A formatted decimal integer: white space skipped, an optional sign, digits; the value
  // must fit in 32 signed bits. On failure nothing is stored.
  bool Skaicius(int32_t& kur) {
    if (!Geras()) {
      klaida = true;
      return false;
    }
    int c = Ziureti();
    while (c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r') {
      Imti();
      c = Ziureti();
    }
    bool neigiamas = false;
    if (c == '+' || c == '-') {
      neigiamas = (c == '-');
      Imti();
      c = Ziureti();
    }
    // Every digit is taken even past the range, as a stream would, then the value fails.
    const int64_t riba = neigiamas ? 2147483648LL : 2147483647LL;
    int64_t reiksme = 0;
    bool yraSkaitmenu = false, perdaug = false;
    while (c >= '0' && c <= '9') {
      yraSkaitmenu = true;
      if (!perdaug) {
        reiksme = reiksme * 10 + (c - '0');
        if (reiksme > riba) perdaug = true;
      }
      Imti();
      c = Ziureti();
    }
    if (!yraSkaitmenu || perdaug) {
      klaida = true;
      return false;
    }
    kur = static_cast<int32_t>(neigiamas ? -reiksme : reiksme);
    return true;
  }

 private:
  bool Pildyti() {
    pozicija = kiekis = 0;
    char zalias[sizeof buferis];
    size_t n = 0;
    if (likesCR) {
      zalias[n++] = '\r';
      likesCR = false;
    }
    if (!failoGalas) {
      const size_t k = std::fread(zalias + n, 1, sizeof zalias - n, failas);
      if (k == 0) failoGalas = true;  // end or read error: both end the file here
      n += k;
    }
    // A carriage return at the chunk's end waits for the next chunk to see what follows.
    if (n > 0 && zalias[n - 1] == '\r' && !failoGalas) {
      likesCR = true;
      --n;
    }
    for (size_t i = 0; i < n; ++i) {
      if (zalias[i] == '\r' && i + 1 < n && zalias[i + 1] == '\n') continue;
      buferis[kiekis++] = zalias[i];
    }
    if (kiekis == 0 && likesCR) return Pildyti();
    return kiekis > 0;
  }

  std::FILE* failas;
  char buferis[4096];
  size_t pozicija = 0, kiekis = 0;
  bool pabaiga = false, klaida = false, failoGalas = false, likesCR = false;
};

constexpr int EILUTES_RIBA = 256;  // lines, keys and discarded rests: at most 255 characters

}  // namespace

KNustatymai::KNustatymai() {
  for (const Nustatymas& n : NUSTATYMAI) {
    char* vieta = reinterpret_cast<char*>(this) + n.laukas;
    switch (n.rusis) {
      case NustatymoRusis::Pora:
        *reinterpret_cast<int32_t*>(reinterpret_cast<char*>(this) + n.laukas2) = n.numatyta2;
        [[fallthrough]];
      case NustatymoRusis::Skaicius:
        *reinterpret_cast<int32_t*>(vieta) = n.numatyta;
        break;
      case NustatymoRusis::Loginis:
        *reinterpret_cast<bool*>(vieta) = n.numatyta != 0;
        break;
      case NustatymoRusis::Tekstas:
        std::snprintf(vieta, n.talpa, "%s", n.numatytas ? n.numatytas : "");
        break;
      case NustatymoRusis::Kopija:
        break;  // absent until the file names one
    }
  }
}

KNustatymai::~KNustatymai() {
  delete[] failoVardas;
  delete[] gpu;
}

void KNustatymai::Skaityti(const char* failas) {
  if (failas) {
    char* naujas = Kopija(failas);  // copied first: the argument may be the stored name
    if (!naujas) return;
    delete[] failoVardas;
    failoVardas = naujas;
  } else if (!failoVardas) {
    // The reader's own name for its file, for a read that never named one. The game
    // always names "settings.cfg"; when that file is missing, this name is not tried:
    // the defaults stand.
    failoVardas = Kopija("nustatymai.cfg");
    if (!failoVardas) return;
  }

  // A folder opens as a file on some systems; it is no settings file on any of them.
  bool aplankas = false;
  try {
    std::error_code ec;
    aplankas = std::filesystem::is_directory(failoVardas, ec);
  } catch (...) {
  }
  std::FILE* f = aplankas ? nullptr : std::fopen(failoVardas, "rb");
  if (!f) {
    ZurnalasF("Nerastas nustatymu failas %s, naudojami standartiniai", failoVardas);
    return;
  }

  Skaitytuvas s(f);
  char eilute[EILUTES_RIBA];
  while (s.Geras()) {
    for (int c = s.Ziureti(); c == '/' || c == '\n'; c = s.Ziureti()) s.Eilute(nullptr, EILUTES_RIBA, '\n');

    char raktas[EILUTES_RIBA];
    const int rakto = s.Eilute(raktas, EILUTES_RIBA, ' ');
    // Compared with its length: a key holding a zero byte is not a shorter key.
    const Nustatymas* n = nullptr;
    for (const Nustatymas& k : NUSTATYMAI)
      if (std::strlen(k.raktas) == static_cast<size_t>(rakto) && !std::memcmp(raktas, k.raktas, rakto)) n = &k;
    s.Praleisti(" =\t");
    if (!s.Geras()) break;

    auto Sveikas = [&](size_t laukas) {
      int32_t v;
      if (s.Skaicius(v) && v >= n->maziausia && v <= n->didziausia)
        *reinterpret_cast<int32_t*>(reinterpret_cast<char*>(this) + laukas) = v;
    };

    bool likutis = true;  // an unknown key's or a number's line rest is discarded
    if (n) switch (n->rusis) {
      case NustatymoRusis::Tekstas: {
        // What was read up to the limit is kept even when the limit ends reading.
        s.Eilute(eilute, static_cast<int>(n->talpa), '\n');
        char* laukas = reinterpret_cast<char*>(this) + n->laukas;
        std::memcpy(laukas, eilute, std::strlen(eilute) + 1);
        likutis = false;
        break;
      }
      case NustatymoRusis::Kopija: {
        s.Eilute(eilute, EILUTES_RIBA, '\n');
        char*& laukas = *reinterpret_cast<char**>(reinterpret_cast<char*>(this) + n->laukas);
        if (char* naujas = Kopija(eilute)) {
          delete[] laukas;
          laukas = naujas;
        }
        likutis = false;
        break;
      }
      case NustatymoRusis::Pora:
        Sveikas(n->laukas);
        s.Praleisti(" ,\t");
        if (s.Geras()) Sveikas(n->laukas2);
        break;
      case NustatymoRusis::Skaicius:
        Sveikas(n->laukas);
        break;
      case NustatymoRusis::Loginis: {
        int32_t v;
        if (!s.Skaicius(v)) break;
        if (v == 0 || v == 1)
          *reinterpret_cast<bool*>(reinterpret_cast<char*>(this) + n->laukas) = (v == 1);
        else
          s.Nepavyko();  // any other number fails the extraction, as a stream's bool would
        break;
      }
    }
    if (likutis && s.Geras()) s.Eilute(nullptr, EILUTES_RIBA, '\n');
  }
  std::fclose(f);
}

// Checks what OCR read off a screen of the game against the words the screen shows in
// the player's language, taken from the game's own tables: every word of four letters
// or more must be there, give or take one letter (OCR's usual slip), alone or run
// together with its neighbours; and on a screen in another language no Lithuanian word
// of the menu or the help may be, read as a word of its own.
//   ekrano_tekstas <language code> <intro|menu|help|victory|defeat> <ocr text file>
// Prints what it found and what it missed; status 0 when all is well, 1 when not, 2 on
// bad arguments.
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <cwctype>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Zodziai.h"
#include "app/Valdymas.h"

namespace {

using Zodis = std::u32string;

// Words of a UTF-8 text in lower case: runs of letters.
std::vector<Zodis> Zodziai(const std::string& tekstas) {
  std::vector<Zodis> r;
  Zodis dabar;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(tekstas.c_str());
  while (*p) {
    char32_t k = *p++;
    int tesinys = k >= 0xF0 ? 3 : k >= 0xE0 ? 2 : k >= 0xC0 ? 1 : 0;
    if (tesinys) k &= 0x3F >> tesinys;
    for (; tesinys > 0 && (*p & 0xC0) == 0x80; --tesinys) k = (k << 6) | (*p++ & 0x3F);
    if (std::iswalpha(static_cast<wint_t>(k))) {
      dabar.push_back(static_cast<char32_t>(std::towlower(static_cast<wint_t>(k))));
    } else if (!dabar.empty()) {
      r.push_back(dabar);
      dabar.clear();
    }
  }
  if (!dabar.empty()) r.push_back(dabar);
  return r;
}

std::string Utf8(const Zodis& z) {
  std::string r;
  for (char32_t k : z) {
    if (k < 0x80) {
      r += static_cast<char>(k);
    } else if (k < 0x800) {
      r += static_cast<char>(0xC0 | (k >> 6));
      r += static_cast<char>(0x80 | (k & 0x3F));
    } else {
      r += static_cast<char>(0xE0 | (k >> 12));
      r += static_cast<char>(0x80 | ((k >> 6) & 0x3F));
      r += static_cast<char>(0x80 | (k & 0x3F));
    }
  }
  return r;
}

// At most one letter added, dropped or changed.
bool Panasus(const Zodis& a, const Zodis& b) {
  const size_t n = a.size(), m = b.size();
  std::vector<size_t> eil(m + 1), kita(m + 1);
  for (size_t j = 0; j <= m; ++j) eil[j] = j;
  for (size_t i = 1; i <= n; ++i) {
    kita[0] = i;
    for (size_t j = 1; j <= m; ++j)
      kita[j] = std::min({eil[j] + 1, kita[j - 1] + 1, eil[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
    std::swap(eil, kita);
  }
  return eil[m] <= 1;
}

// The texts each screen shows in language k.
std::vector<const char*> Tekstai(const std::string& ekranas, Kalba k) {
  namespace z = zodziai;
  std::vector<const char*> r;
  if (ekranas == "intro") {
    r = {"TANKAI", z::INTRO_PAANTRASTE.kalbomis[k], z::INTRO_TOLIAU.kalbomis[k]};
  } else if (ekranas == "menu") {  // the items and the picture before any battle
    for (const Tekstas& t : z::MENIU) r.push_back(t.kalbomis[k]);
    for (const Tekstas& t : z::PASIRUOSK) r.push_back(t.kalbomis[k]);
    r.push_back(z::JEGOS.kalbomis[k]);
  } else if (ekranas == "help") {
    r = {z::PAGALBA.kalbomis[k], z::VAIRALAZDE.kalbomis[k], z::PAGALBA_ATGAL.kalbomis[k]};
    for (const ValdymoEilute& e : VALDYMAS) {
      r.push_back(e.klavisai[k]);
      r.push_back(e.veiksmas[k]);
    }
  } else if (ekranas == "victory") {
    r = {z::PERGALE.kalbomis[k], z::PERGALE_EILUTE.kalbomis[k], z::PERGALE_KLAUSIMAS.kalbomis[k]};
  } else if (ekranas == "defeat") {
    r = {z::PRALAIMEJIMAS.kalbomis[k], z::PRALAIMEJIMAS_EILUTE.kalbomis[k], z::PRALAIMEJIMAS_KVIETIMAS.kalbomis[k]};
  }
  return r;
}

constexpr const char* EKRANAI[] = {"intro", "menu", "help", "victory", "defeat"};

std::vector<Zodis> IlgiZodziai(const std::vector<const char*>& tekstai) {
  std::vector<Zodis> r;
  for (const char* t : tekstai)
    for (const Zodis& z : Zodziai(t))
      if (z.size() >= 4 && std::find(r.begin(), r.end(), z) == r.end()) r.push_back(z);
  return r;
}

bool Rastas(const Zodis& z, const std::vector<Zodis>& perskaityta) {
  return std::any_of(perskaityta.begin(), perskaityta.end(), [&](const Zodis& o) { return Panasus(z, o); });
}

// The word somewhere inside a word read, give or take one letter: OCR runs words
// together where the picture behind them is busy ("tankslare").
bool Viduje(const Zodis& z, const Zodis& o) {
  std::vector<size_t> eil(o.size() + 1, 0), kita(o.size() + 1);
  for (size_t i = 1; i <= z.size(); ++i) {
    kita[0] = i;
    for (size_t j = 1; j <= o.size(); ++j)
      kita[j] = std::min({eil[j] + 1, kita[j - 1] + 1, eil[j - 1] + (z[i - 1] == o[j - 1] ? 0 : 1)});
    std::swap(eil, kita);
  }
  return *std::min_element(eil.begin(), eil.end()) <= 1;
}

bool Perskaitytas(const Zodis& z, const std::vector<Zodis>& perskaityta) {
  return std::any_of(perskaityta.begin(), perskaityta.end(), [&](const Zodis& o) { return Viduje(z, o); });
}

}  // namespace

int main(int argc, char** argv) {
  std::setlocale(LC_CTYPE, "C.UTF-8");
  int k = -1;
  for (int i = 0; argc == 4 && i < KALBU_KIEKIS; ++i)
    if (std::strcmp(argv[1], KALBU_KODAI[i]) == 0) k = i;
  if (k < 0 || Tekstai(argv[2], KALBA_LT).empty()) {
    std::fprintf(stderr, "usage: %s <language code> <intro|menu|help|victory|defeat> <ocr text>\n",
                 argv[0]);
    return 2;
  }
  std::ifstream f(argv[3], std::ios::binary);
  const std::string ocr((std::istreambuf_iterator<char>(f)), {});
  const std::vector<Zodis> perskaityta = Zodziai(ocr);
  const Kalba kalba = static_cast<Kalba>(k);

  int gerai = 0, blogai = 0;
  for (const Zodis& z : IlgiZodziai(Tekstai(argv[2], kalba))) {
    const bool yra = Perskaitytas(z, perskaityta);
    (yra ? gerai : blogai)++;
    if (!yra) std::printf("missing: %s\n", Utf8(z).c_str());
  }
  // Lithuanian words of the menu and the help that no screen of this language has.
  int lietuviskai = 0;
  if (kalba != KALBA_LT) {
    std::vector<const char*> savi;
    for (const char* e : EKRANAI)
      for (const char* t : Tekstai(e, kalba)) savi.push_back(t);
    const std::vector<Zodis> saviZodziai = IlgiZodziai(savi);
    std::vector<const char*> lt = Tekstai("menu", KALBA_LT);
    for (const char* t : Tekstai("help", KALBA_LT)) lt.push_back(t);
    for (const Zodis& z : IlgiZodziai(lt)) {
      if (Rastas(z, saviZodziai) || !Rastas(z, perskaityta)) continue;
      ++lietuviskai;
      std::printf("Lithuanian: %s\n", Utf8(z).c_str());
    }
  }
  std::printf("%s %s: %d of %d words read, %d Lithuanian\n", argv[1], argv[2], gerai, gerai + blogai, lietuviskai);
  return blogai == 0 && lietuviskai == 0 && gerai > 0 ? 0 : 1;
}

// Checks what OCR read off a screen of the game against the words the screen shows in
// the player's language, taken from the game's own tables: every word of four letters
// or more must be there, give or take one letter (OCR's usual slip), alone or run
// together with its neighbours; and on a screen in another language no Lithuanian word
// of the menu or the help may be, read as a word of its own.
//   ekrano_tekstas <language code> <intro|menu|help|victory|defeat> <ocr text file>
// Status 0 when all is well, 1 when not, 2 on bad arguments.
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
  std::vector<Zodis> r(1);
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(tekstas.c_str()); *p;) {
    char32_t k = *p++;
    int tesinys = k >= 0xF0 ? 3 : k >= 0xE0 ? 2 : k >= 0xC0 ? 1 : 0;
    if (tesinys) k &= 0x3F >> tesinys;
    for (; tesinys > 0 && (*p & 0xC0) == 0x80; --tesinys) k = (k << 6) | (*p++ & 0x3F);
    if (std::iswalpha(static_cast<wint_t>(k))) r.back().push_back(static_cast<char32_t>(std::towlower(k)));
    else if (!r.back().empty()) r.emplace_back();
  }
  if (r.back().empty()) r.pop_back();
  return r;
}

// Whether z is o, or (viduje) a part of o, with at most one letter added, dropped or changed.
bool Panasus(const Zodis& z, const Zodis& o, bool viduje) {
  std::vector<size_t> eil(o.size() + 1), kita(o.size() + 1);
  for (size_t j = 0; j <= o.size(); ++j) eil[j] = viduje ? 0 : j;
  for (size_t i = 1; i <= z.size(); ++i) {
    kita[0] = i;
    for (size_t j = 1; j <= o.size(); ++j)
      kita[j] = std::min({eil[j] + 1, kita[j - 1] + 1, eil[j - 1] + (z[i - 1] == o[j - 1] ? 0 : 1)});
    std::swap(eil, kita);
  }
  return (viduje ? *std::min_element(eil.begin(), eil.end()) : eil.back()) <= 1;
}

bool Yra(const Zodis& z, const std::vector<Zodis>& kur, bool viduje) {
  return std::any_of(kur.begin(), kur.end(), [&](const Zodis& o) { return Panasus(z, o, viduje); });
}

// The texts each screen shows in language k.
std::vector<const char*> Tekstai(const std::string& ekranas, Kalba k) {
  namespace z = zodziai;
  std::vector<const char*> r;
  const ValdymoEilute &intro = VienintelioEilute(VIETA_INTRO), &atgal = VienintelioEilute(VIETA_PAGALBA);
  if (ekranas == "intro")
    r = {"TANKAI", z::INTRO_PAANTRASTE.kalbomis[k], intro.klavisai[k], intro.veiksmas[k]};
  if (ekranas == "menu") {  // the items and the picture before any battle
    for (const Tekstas& t : z::MENIU) r.push_back(t.kalbomis[k]);
    r.insert(r.end(), {z::PASIRUOSK[0].kalbomis[k], z::PASIRUOSK[1].kalbomis[k], z::JEGOS.kalbomis[k]});
  }
  if (ekranas == "help") {
    r = {z::PAGALBA.kalbomis[k], z::VAIRALAZDE.kalbomis[k], atgal.klavisai[k], atgal.veiksmas[k]};
    for (const ValdymoEilute& e : VALDYMAS)
      if (PagalbojeRodoma(e)) r.insert(r.end(), {e.klavisai[k], e.veiksmas[k]});
  }
  if (ekranas == "victory")
    r = {z::PERGALE.kalbomis[k], z::PERGALE_EILUTE.kalbomis[k], z::PERGALE_KLAUSIMAS.kalbomis[k]};
  if (ekranas == "defeat")
    r = {z::PRALAIMEJIMAS.kalbomis[k], z::PRALAIMEJIMAS_EILUTE.kalbomis[k], z::PRALAIMEJIMAS_KVIETIMAS.kalbomis[k]};
  return r;
}

// The words of four letters or more of some texts, each once, with the text it is in.
std::vector<std::pair<Zodis, const char*>> IlgiZodziai(const std::vector<const char*>& tekstai) {
  std::vector<std::pair<Zodis, const char*>> r;
  for (const char* t : tekstai)
    for (const Zodis& z : Zodziai(t))
      if (z.size() >= 4 && std::none_of(r.begin(), r.end(), [&](const auto& p) { return p.first == z; }))
        r.push_back({z, t});
  return r;
}

}  // namespace

int main(int argc, char** argv) {
  std::setlocale(LC_CTYPE, "C.UTF-8");
  int k = -1;
  for (int i = 0; argc == 4 && i < KALBU_KIEKIS; ++i)
    if (std::strcmp(argv[1], KALBU_KODAI[i]) == 0) k = i;
  if (k < 0 || Tekstai(argv[2], KALBA_LT).empty()) {
    std::fprintf(stderr, "usage: %s <language code> <intro|menu|help|victory|defeat> <ocr text>\n", argv[0]);
    return 2;
  }
  std::ifstream f(argv[3], std::ios::binary);
  const std::vector<Zodis> perskaityta = Zodziai(std::string(std::istreambuf_iterator<char>(f), {}));
  const Kalba kalba = static_cast<Kalba>(k);

  int gerai = 0, blogai = 0, lietuviskai = 0;
  for (const auto& [z, tekstas] : IlgiZodziai(Tekstai(argv[2], kalba))) {
    const bool yra = Yra(z, perskaityta, true);
    (yra ? gerai : blogai)++;
    if (!yra) std::printf("a word of '%s' not read\n", tekstas);
  }
  // Lithuanian words of the menu and the help that no screen of this language has.
  if (kalba != KALBA_LT) {
    std::vector<Zodis> savi;
    for (const char* e : {"intro", "menu", "help", "victory", "defeat"})
      for (const auto& p : IlgiZodziai(Tekstai(e, kalba))) savi.push_back(p.first);
    std::vector<const char*> lt = Tekstai("menu", KALBA_LT), pagalba = Tekstai("help", KALBA_LT);
    lt.insert(lt.end(), pagalba.begin(), pagalba.end());
    for (const auto& [z, tekstas] : IlgiZodziai(lt))
      if (!Yra(z, savi, false) && Yra(z, perskaityta, false)) {
        ++lietuviskai;
        std::printf("a Lithuanian word of '%s' read\n", tekstas);
      }
  }
  std::printf("%s %s: %d of %d words read, %d Lithuanian\n", argv[1], argv[2], gerai, gerai + blogai, lietuviskai);
  return blogai == 0 && lietuviskai == 0 && gerai > 0 ? 0 : 1;
}

// The players' documents against the two tables they describe: the settings
// (config/NustatymuLentele.h) and the controls (app/Valdymas.h). The README, the manual
// page and the Windows read-me each list every settings key with its default and the
// shipped file's value, and every line of the controls with where it acts, in the
// tables' order and in each document's own way of writing a row. A key or a control
// added, dropped or changed in a table and not in a document (or the other way round)
// fails here, and the message gives the lines the document should hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "app/Valdymas.h"
#include "config/NustatymuLentele.h"

namespace {

using Eilutes = std::vector<std::string>;

Eilutes Skaityti(const char* kelias) {
  std::ifstream f(std::string(TANKAI_SOURCE_DIR) + "/" + kelias);
  Eilutes v;
  for (std::string e; std::getline(f, e);) {
    if (!e.empty() && e.back() == '\r') e.pop_back();
    v.push_back(e);
  }
  return v;
}

bool Prasideda(const std::string& s, const char* pradzia) { return s.rfind(pradzia, 0) == 0; }

// The document's list: after the first line that starts with `zyme`, the lines from the
// first that starts with `pradzia` on, while they start with `tesiasi` (or, for a
// manual page, up to its next paragraph or section). A manual page's .TP widths are left
// out: only the first tag of a list sets one.
Eilutes Sarasas(const Eilutes& tekstas, const char* zyme, const char* pradzia, const char* tesiasi) {
  Eilutes v;
  size_t i = 0;
  while (i < tekstas.size() && !Prasideda(tekstas[i], zyme)) ++i;
  for (++i; i < tekstas.size() && !Prasideda(tekstas[i], pradzia); ++i) {
  }
  for (; i < tekstas.size(); ++i) {
    const std::string& e = tekstas[i];
    const bool man = *tesiasi == '\0';
    if (man ? e.empty() || Prasideda(e, ".PP") || Prasideda(e, ".SH") : !Prasideda(e, tesiasi)) break;
    v.push_back(man && Prasideda(e, ".TP") ? ".TP" : e);
  }
  return v;
}

// The lines a table's rows make, each row written by `rasyti`.
template <typename T, typename F>
Eilutes Eilutemis(const T& eilutes, F rasyti) {
  Eilutes v;
  for (const auto& e : eilutes) {
    std::string s = rasyti(e);
    for (size_t i; (i = s.find('\n')) != std::string::npos; s.erase(0, i + 1)) v.push_back(s.substr(0, i));
    v.push_back(s);
  }
  return v;
}

// --- The settings ----------------------------------------------------------------

std::string Numatyta(const Nustatymas& n) {
  switch (n.rusis) {
    case NustatymoRusis::Pora:
      return std::to_string(n.numatyta) + ", " + std::to_string(n.numatyta2);
    case NustatymoRusis::Skaicius:
    case NustatymoRusis::Loginis:
      return std::to_string(n.numatyta);
    default:
      return n.numatytas ? n.numatytas : "none";
  }
}

std::string Sakinys(std::string s) {
  if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
  return s + ".";
}

std::string NustatymasMd(const Nustatymas& n) {
  return std::string("| `") + n.raktas + "` | " + n.aprasymas + " | " + Numatyta(n) + " | " +
         (n.laive ? n.laive : "not written") + " |";
}

std::string NustatymasMan(const Nustatymas& n) {
  std::string raktas = n.raktas;
  for (size_t i = 0; (i = raktas.find('-', i)) != std::string::npos; i += 2) raktas.insert(i, "\\");
  return ".TP\n.B " + raktas + "\n" + Sakinys(n.aprasymas) + "\nWithout the key: " + Numatyta(n) +
         (n.laive ? "; as shipped: " + std::string(n.laive) + "." : "; not in the shipped file.");
}

std::string NustatymasTxt(const Nustatymas& n) {
  return "  " + std::string(n.raktas) + (n.laive ? " = " + std::string(n.laive) : " (not in the file)") + "\n      " +
         n.aprasymas + "; without the line: " + Numatyta(n);
}

// --- The controls ----------------------------------------------------------------

std::vector<ValdymoEilute> Valdymas(bool vairalazde) {
  std::vector<ValdymoEilute> v;
  for (const ValdymoEilute& e : VALDYMAS)
    if (e.vairalazde == vairalazde) v.push_back(e);
  return v;
}

std::string Vieta(uint8_t kur) {
  if (kur == VIETA_VISUR) return "everywhere";
  std::string s;
  const std::pair<uint8_t, const char*> vietos[] = {
      {VIETA_INTRO, "intro"}, {VIETA_MENIU, "menu"}, {VIETA_PAGALBA, "help"}, {VIETA_MUSIS, "battle"}};
  for (const auto& [bitas, vardas] : vietos)
    if (kur & bitas) s += (s.empty() ? "" : ", ") + std::string(vardas);
  return s;
}

std::string ValdymasMd(const ValdymoEilute& e) {
  return std::string("| ") + e.klavisai[KALBA_EN] + " | " + Vieta(e.kur) + " | " + e.veiksmas[KALBA_EN] + " |";
}

std::string ValdymasMan(const ValdymoEilute& e) {
  return std::string(".TP\n.B ") + e.klavisai[KALBA_EN] + "\n" + Vieta(e.kur) + ": " + e.veiksmas[KALBA_EN];
}

std::string ValdymasTxt(const ValdymoEilute& e) {
  const std::string klavisai = e.klavisai[KALBA_EN];
  return "  " + klavisai + std::string(std::max<size_t>(klavisai.size(), 16) - klavisai.size() + 2, ' ') +
         Vieta(e.kur) + ": " + e.veiksmas[KALBA_EN];
}

// The same lines, or a failure naming the first that differs and giving all of them.
::testing::AssertionResult Vienodi(const Eilutes& lentele, const Eilutes& dokumentas) {
  for (size_t i = 0; i < std::max(lentele.size(), dokumentas.size()); ++i) {
    if (i < lentele.size() && i < dokumentas.size() && lentele[i] == dokumentas[i]) continue;
    auto r = ::testing::AssertionFailure() << "line " << i + 1 << " of the list: the document has \""
                                          << (i < dokumentas.size() ? dokumentas[i] : "(nothing)")
                                          << "\", the table gives \"" << (i < lentele.size() ? lentele[i] : "(nothing)")
                                          << "\". The list should read:";
    for (const std::string& e : lentele) r << "\n" << e;
    return r;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace

TEST(Documents, EverySettingWithItsDefaultAndShippedValue) {
  EXPECT_TRUE(Vienodi(Eilutemis(NUSTATYMAI, NustatymasMd),
                      Sarasas(Skaityti("README.md"), "| key | what it sets |", "| ", "| ")))
      << "README.md, ## Settings";
  EXPECT_TRUE(Vienodi(Eilutemis(NUSTATYMAI, NustatymasMan),
                      Sarasas(Skaityti("packaging/tankai.6.in"), ".SH SETTINGS", ".TP", "")))
      << "packaging/tankai.6.in, SETTINGS";
  EXPECT_TRUE(Vienodi(Eilutemis(NUSTATYMAI, NustatymasTxt),
                      Sarasas(Skaityti("packaging/windows/README.txt.in"), "Settings", "  ", "  ")))
      << "packaging/windows/README.txt.in, Settings";
}

TEST(Documents, EveryControlWhereItActsAndWhatItDoes) {
  const Eilutes readme = Skaityti("README.md"), man = Skaityti("packaging/tankai.6.in"),
                txt = Skaityti("packaging/windows/README.txt.in");
  for (bool vairalazde : {false, true}) {
    const std::vector<ValdymoEilute> lentele = Valdymas(vairalazde);
    const char* kas = vairalazde ? "the joystick" : "the keys";
    // The joystick's list follows the sentence that brings it in.
    const char* zyme = vairalazde ? "A joystick works too:" : nullptr;
    EXPECT_TRUE(Vienodi(Eilutemis(lentele, ValdymasMd),
                        Sarasas(readme, vairalazde ? "| joystick | where |" : "| keys | where |", "| ", "| ")))
        << "README.md, " << kas;
    EXPECT_TRUE(Vienodi(Eilutemis(lentele, ValdymasMan), Sarasas(man, zyme ? zyme : ".SH KEYS", ".TP", "")))
        << "packaging/tankai.6.in, KEYS, " << kas;
    EXPECT_TRUE(Vienodi(Eilutemis(lentele, ValdymasTxt), Sarasas(txt, zyme ? zyme : "Keys", "  ", "  ")))
        << "packaging/windows/README.txt.in, Keys, " << kas;
  }
}

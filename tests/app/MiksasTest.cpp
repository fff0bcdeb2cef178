// The mix as a player hears it: the real start-up recorded by OpenAL Soft's wave writer
// and read back by sox; the music alone, a shot and an explosion over it, then a busy
// battle; with the shipped settings, then without the mix key.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/Globalai.h"
#include "app/Programa.h"
#include "tests/app/NaujaPrograma.h"

namespace fs = std::filesystem;
using Laikrodis = std::chrono::steady_clock;

namespace {

constexpr int DAZNIS = 44100;
std::vector<float> irasas;  // the recording: left and right samples, 1 at full scale

double Rms(double nuo, double iki) {
  const size_t a = static_cast<size_t>(std::max(0.0, nuo) * DAZNIS) * 2;
  const size_t b = std::min(irasas.size(), static_cast<size_t>(iki * DAZNIS) * 2);
  double s = 0;
  for (size_t i = a; i < b; ++i) s += double(irasas[i]) * irasas[i];
  return b > a ? std::sqrt(s / double(b - a)) : 0;
}

// Where the first hundredth of a second from `nuo` on stands three times over the
// music: an effect's start, found in the recording, which keeps its own time on a busy
// machine. -1: none.
double Pradzia(double nuo, double muzika) {
  for (double t = nuo; (t + 0.01) * DAZNIS * 2 <= irasas.size(); t += 0.005)
    if (Rms(t, t + 0.01) > 3 * muzika) return t;
  return -1;
}

struct Matai {
  double muzika = 0, suvis = 0, sprogimas = 0, virsune = 0;
};

// Plays the script with the build's data and these settings, in real time, and
// measures what the wave writer recorded.
Matai Groti(const std::string& nustatymai, const fs::path& aplankas) {
  const fs::path pries = fs::current_path();
  DarboAplankas(aplankas.filename().string() + "/darbas", nustatymai);
  NaujaPrograma();
  // Sources of a closed context would be refused as made already: a fresh program's.
  suvioGarsas = KGarsas();
  for (KArmija* a : {&zaidejoArmija, &priesoArmija})
    for (KTankas& t : a->tankai) t.suvis = KGarsas(), t.sprogimas = KGarsas();
  EXPECT_TRUE(Paleisti());
  // How far the music has played tells when it began, on this clock.
  ALint grota = 0;
  alGetSourcei(muzika.saltinis, AL_SAMPLE_OFFSET, &grota);
  const auto pradzia = Laikrodis::now() - std::chrono::microseconds(int64_t(grota) * 1000000 / DAZNIS);
  auto Iki = [&](double s) {
    while (Laikrodis::now() < pradzia + std::chrono::milliseconds(int64_t(s * 1000))) Kadras();
  };
  // Music alone, a shot (1.1 s long), an explosion, and at 8.5 s a battle busier than
  // the busiest moment of 200 battles played to the end (five shots in half a second,
  // three within a tenth): six shots in half a second, three of them two frames apart,
  // and two tanks dying among them.
  Iki(3.2);
  suvioGarsas.Groti();
  Iki(5.5);
  priesoArmija.tankai[9].sprogimas.Groti();
  Iki(8.5);
  const int tarpai[6] = {0, 2, 2, 8, 8, 8};
  for (int i = 0; i < 6; ++i) {
    for (int k = 0; k < tarpai[i]; ++k) Kadras();
    KTankas& t = i < 3 ? zaidejoArmija.tankai[i] : priesoArmija.tankai[i];
    t.uztaisymas = 10;
    t.Sauti();
    if (i == 1 || i == 4) priesoArmija.tankai[i].Zuti();
  }
  Iki(11.5);
  Uzdaryti();
  fs::current_path(pries);

  Matai m;
  irasas.clear();
  const std::string sox = "sox '" + (aplankas / "out.wav").string() + "' -t f32 -c 2 -r 44100 - 2>/dev/null";
  if (std::FILE* p = popen(sox.c_str(), "r")) {
    float x;
    while (std::fread(&x, sizeof x, 1, p) == 1) irasas.push_back(x);
    pclose(p);
  }
  size_t i0 = 0;
  while (i0 < irasas.size() && std::fabs(irasas[i0]) < 1e-4f) ++i0;  // the music's first sample
  const double t0 = double(i0 / 2) / DAZNIS;
  EXPECT_GT(irasas.size(), (t0 + 11) * DAZNIS * 2) << "the recording is short or missing (OpenAL Soft reads "
                                                       "its configuration once a process: run this test alone)";
  m.muzika = Rms(t0 + 0.5, t0 + 2.5);
  const double suvis = Pradzia(t0 + 2.5, m.muzika);
  const double sprogimas = suvis < 0 ? -1 : Pradzia(suvis + 1.2, m.muzika);
  if (suvis >= 0) m.suvis = Rms(suvis, suvis + 0.3);  // each over its loudest 0.3 s
  if (sprogimas >= 0) m.sprogimas = Rms(sprogimas, sprogimas + 0.3);
  for (float x : irasas) m.virsune = std::max(m.virsune, double(std::fabs(x)));
  std::printf("music RMS %.3f, a shot over it %.3f, an explosion %.3f (0: not found), peak %.3f\n", m.muzika,
              m.suvis, m.sprogimas, m.virsune);
  return m;
}

}  // namespace

TEST(ProgramMix, ShotsStandOverTheMusicAndABusyBattleStaysBelowFullScale) {
  // Read once, at OpenAL's first use in the process: every run records into this file.
  const fs::path aplankas = fs::path(TANKAI_BINARY_DIR) / "miksas";
  fs::create_directories(aplankas);
  std::ofstream(aplankas / "alsoft.conf") << "[general]\ndrivers = wave\n[wave]\nfile = "
                                          << (aplankas / "out.wav").generic_string() << "\n";
  setenv("ALSOFT_CONF", (aplankas / "alsoft.conf").c_str(), 1);

  const Matai m = Groti(LaivoNustatymai(), aplankas);
  EXPECT_GT(m.muzika, 0.02) << "the music is heard";
  EXPECT_LT(m.muzika, 0.05) << "and lies low: the mastered track, everything at 0.4";
  EXPECT_GE(m.suvis, 2 * m.muzika) << "a shot stands 6 dB over the music";
  EXPECT_GE(m.sprogimas, 2 * m.muzika) << "an explosion stands 6 dB over the music";
  EXPECT_LT(m.virsune, 0.99) << "below full scale";

  const Matai be = Groti(LaivoNustatymai() + "miksas = 0\n", aplankas);
  EXPECT_GT(be.muzika, 0.15) << "without the key, the full-level track as always";
  fs::remove_all(aplankas);
}

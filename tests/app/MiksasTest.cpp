// The mix as a player hears it: the real start-up recorded by OpenAL Soft's wave writer,
// the music alone, a shot and an explosion over it, then a busy battle (every tank firing
// and five dying in one frame), with the shipped settings and without the mix key.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/Globalai.h"
#include "app/Programa.h"
#include "platform/PlatformosTestai.h"
#include "tests/app/NaujaPrograma.h"

namespace fs = std::filesystem;
using Laikrodis = std::chrono::steady_clock;

namespace {

// A recording: interleaved samples scaled so that full scale is 1.
struct Irasas {
  int kanalai = 0, daznis = 0;
  bool slankus = false;
  std::vector<float> m;
  double Trukme() const { return kanalai && daznis ? double(m.size()) / kanalai / daznis : 0; }
};

uint32_t Le(const unsigned char* p, int n) {
  uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = v << 8 | p[i];
  return v;
}

// The wave writer's file: PCM or float, plain or extensible format chunk.
bool SkaitytiWav(const fs::path& kelias, Irasas& r) {
  std::ifstream f(kelias, std::ios::binary);
  const std::vector<unsigned char> b((std::istreambuf_iterator<char>(f)), {});
  if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) || std::memcmp(b.data() + 8, "WAVE", 4)) return false;
  int bitai = 0;
  for (size_t p = 12; p + 8 <= b.size();) {
    const uint32_t dydis = Le(&b[p + 4], 4);
    const unsigned char* d = &b[p + 8];
    const size_t turima = std::min<size_t>(dydis, b.size() - p - 8);
    if (!std::memcmp(&b[p], "fmt ", 4) && turima >= 16) {
      uint32_t zyme = Le(d, 2);
      r.kanalai = static_cast<int>(Le(d + 2, 2));
      r.daznis = static_cast<int>(Le(d + 4, 4));
      bitai = static_cast<int>(Le(d + 14, 2));
      if (zyme == 0xFFFE && turima >= 26) zyme = Le(d + 24, 2);  // the subtype's first bytes
      r.slankus = zyme == 3;
    } else if (!std::memcmp(&b[p], "data", 4) && bitai) {
      for (size_t i = 0; i + bitai / 8 <= turima; i += bitai / 8) {
        if (r.slankus && bitai == 32) {
          float x;
          std::memcpy(&x, d + i, 4);
          r.m.push_back(x);
        } else if (bitai == 16) {
          r.m.push_back(static_cast<int16_t>(Le(d + i, 2)) / 32768.0f);
        }
      }
    }
    p += 8 + dydis + (dydis & 1);
  }
  return r.kanalai > 0 && r.daznis > 0 && !r.m.empty();
}

double Rms(const Irasas& r, double nuo, double iki) {
  const size_t a = static_cast<size_t>(std::max(0.0, nuo) * r.daznis) * r.kanalai;
  const size_t b = std::min(r.m.size(), static_cast<size_t>(iki * r.daznis) * r.kanalai);
  double s = 0;
  for (size_t i = a; i < b; ++i) s += double(r.m[i]) * r.m[i];
  return b > a ? std::sqrt(s / double(b - a)) : 0;
}

// The loudest window of `ilgis` seconds starting in nuo..iki: where an effect stands.
double Garsiausias(const Irasas& r, double nuo, double iki, double ilgis) {
  double d = 0;
  for (double t = nuo; t <= iki; t += 0.01) d = std::max(d, Rms(r, t, t + ilgis));
  return d;
}

// Seconds into the recording of the first sample that is not silence.
double PirmasGarsas(const Irasas& r) {
  for (size_t i = 0; i < r.m.size(); ++i)
    if (std::fabs(r.m[i]) > 1e-4f) return double(i / r.kanalai) / r.daznis;
  return -1;
}

struct Matai {
  double muzika = 0, suvis = 0, sprogimas = 0, virsune = 0;
  long pilnu = 0;  // samples at full scale
};

class ProgramMix : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // Read once, at OpenAL's first use in this process: every case records into this file.
    irasas = fs::path(TANKAI_BINARY_DIR) / ("miksas_" + std::to_string(Laikrodis::now().time_since_epoch().count()));
    fs::create_directories(irasas);
    std::ofstream(irasas / "alsoft.conf") << "[general]\ndrivers = wave\n[wave]\nfile = "
                                          << (irasas / "out.wav").generic_string() << "\n";
#ifdef _WIN32
    _putenv_s("ALSOFT_CONF", (irasas / "alsoft.conf").string().c_str());
#else
    setenv("ALSOFT_CONF", (irasas / "alsoft.conf").c_str(), 1);
#endif
  }
  static void TearDownTestSuite() {
    std::error_code ec;
    fs::remove_all(irasas, ec);
  }

  // Plays the script in a working folder with the build's data and the given settings,
  // in real time, and measures the recording.
  static Matai Groti(const std::string& nustatymuFailas) {
    const fs::path pries = fs::current_path();
    DarboAplankas(irasas.filename().string() + "/darbas", nustatymuFailas);

    NaujaPrograma();
    // Sources of a closed context would be refused as made already: a fresh program's.
    suvioGarsas = KGarsas();
    for (KArmija* a : {&zaidejoArmija, &priesoArmija})
      for (KTankas& t : a->tankai) t.suvis = KGarsas(), t.sprogimas = KGarsas();
    Matai m;
    EXPECT_TRUE(Paleisti());
    // Where the music stands now tells when it began, on this clock.
    ALint grota = 0;
    alGetSourcei(muzika.saltinis, AL_SAMPLE_OFFSET, &grota);
    const auto pradzia = Laikrodis::now() - std::chrono::microseconds(int64_t(grota) * 1000000 / 44100);
    auto Iki = [&](double s) {
      while (Laikrodis::now() < pradzia + std::chrono::milliseconds(int64_t(s * 1000))) Kadras();
    };
    // Seconds after the music began: 1..3 music alone, then a shot, an explosion and at
    // 7.5 the whole battle at once.
    Iki(3.2);
    suvioGarsas.Groti();
    Iki(5.0);
    priesoArmija.tankai[9].sprogimas.Groti();
    Iki(7.5);
    // Busier than the busiest moment of 200 battles played to the end (five shots in half a
    // second, three of them within a tenth): six shots in half a second, three of them two
    // frames apart, and two tanks dying among them.
    const int tarpai[6] = {0, 2, 2, 8, 8, 8};
    for (int i = 0; i < 6; ++i) {
      for (int k = 0; k < tarpai[i]; ++k) Kadras();
      KTankas& t = i < 3 ? zaidejoArmija.tankai[i] : priesoArmija.tankai[i];
      t.uztaisymas = 10;
      t.Sauti();
      if (i == 1 || i == 4) priesoArmija.tankai[i].Zuti();
    }
    Iki(10.5);
    Uzdaryti();
    fs::current_path(pries);

    Irasas r;
    EXPECT_TRUE(SkaitytiWav(irasas / "out.wav", r))
        << "no recording in " << irasas << " (OpenAL Soft reads its configuration once a process: run alone)";
    const double t0 = PirmasGarsas(r);
    EXPECT_GT(r.Trukme(), t0 + 10) << "the recording is too short";
    if (t0 < 0 || r.Trukme() < t0 + 10) return m;
    m.muzika = Rms(r, t0 + 1.0, t0 + 3.0);
    m.suvis = Garsiausias(r, t0 + 3.0, t0 + 3.6, 0.3);
    m.sprogimas = Garsiausias(r, t0 + 4.8, t0 + 5.4, 0.3);
    for (float x : r.m) {
      m.virsune = std::max(m.virsune, double(std::fabs(x)));
      m.pilnu += std::fabs(x) >= 1.0f;
    }
    std::printf("music RMS %.3f, shot over it %.3f (%+.1f dB), explosion %.3f (%+.1f dB), peak %.3f, "
                "%ld samples at full scale\n",
                m.muzika, m.suvis, 20 * std::log10(m.suvis / m.muzika), m.sprogimas,
                20 * std::log10(m.sprogimas / m.muzika), m.virsune, m.pilnu);
    return m;
  }

  static fs::path irasas;
};

fs::path ProgramMix::irasas;

std::string Nustatymai(bool miksas) { return LaivoNustatymai() + "miksas = " + (miksas ? "1" : "0") + "\n"; }

}  // namespace

TEST_F(ProgramMix, ShotsAndExplosionsStandOverTheMusicAndABusyBattleStaysBelowFullScale) {
  const Matai m = Groti(Nustatymai(true));
  EXPECT_GT(m.muzika, 0.02) << "the music is heard";
  EXPECT_LT(m.muzika, 0.05) << "and lies low: the mastered track, everything at 0.4";
  EXPECT_GE(m.suvis, 2 * m.muzika) << "a shot stands 6 dB over the music";
  EXPECT_GE(m.sprogimas, 2 * m.muzika) << "an explosion stands 6 dB over the music";
  EXPECT_EQ(m.pilnu, 0) << "peak " << m.virsune;
}

TEST_F(ProgramMix, WithoutTheKeyTheMusicPlaysAsItAlwaysDid) {
  const Matai be = Groti(Nustatymai(false));
  EXPECT_GT(be.muzika, 0.15) << "the full-level track";
}

#include "Muzika.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "Garsai.h"

namespace Muzika {
namespace {

constexpr double PI = 3.14159265358979323846;
static_assert(KADRAI % (TAKTAI * TAKTO_DALYS * 4) == 0, "the beat must split into whole sixteenths");

double Daznis(double midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// A single cycle of a band-limited wave, read with linear interpolation.
class Lentele {
 public:
  template <class F>
  explicit Lentele(F harmonika) : v(DYDIS + 1) {
    for (int i = 0; i <= DYDIS; ++i) {
      double s = 0;
      for (int k = 1; k <= 12; ++k) s += harmonika(k) * std::sin(2 * PI * k * i / DYDIS);
      v[i] = static_cast<float>(s);
    }
  }
  float Skaityti(double faze) const {
    const double x = (faze - std::floor(faze)) * DYDIS;
    const int i = static_cast<int>(x);
    return static_cast<float>(v[i] + (v[i + 1] - v[i]) * (x - i));
  }

 private:
  static constexpr int DYDIS = 2048;
  std::vector<float> v;
};

// The loop is mixed circularly: whatever rings past the end sounds at the start,
// so the seam cannot be heard.
class Misinys {
 public:
  Misinys() : k(KADRAI), d(KADRAI) {}
  void Deti(const std::vector<float>& garsas, long pradzia, float kairen, float desinen) {
    for (size_t i = 0; i < garsas.size(); ++i) {
      const size_t j = static_cast<size_t>((pradzia + static_cast<long>(i)) % KADRAI);
      k[j] += garsas[i] * kairen;
      d[j] += garsas[i] * desinen;
    }
  }
  std::vector<float> k, d;
};

long Laikas(double dalis) { return std::lround(dalis * DALIES_KADRAI); }

struct Nata {
  double pradzia;  // in beats from the start of the bar
  double trukme;   // in beats
  int midi;
};

const Lentele& Pjuklas() {
  static const Lentele l([](int k) { return k <= 8 ? 1.0 / k : 0.0; });
  return l;
}
const Lentele& Trimitas() {
  static const Lentele l([](int k) { return k <= 9 ? (k % 2 ? 1.0 : 0.55) / k : 0.0; });
  return l;
}
const Lentele& Trikampis() {
  static const Lentele l([](int k) { return k % 2 ? ((k / 2) % 2 ? -1.0 : 1.0) / (k * k) : 0.0; });
  return l;
}

std::vector<float> Boosas(int midi, double trukme) {
  const int n = static_cast<int>(trukme * DAZNIS) + DAZNIS / 10;
  std::vector<float> v(n);
  const double f = Daznis(midi);
  double y = 0;
  for (int i = 0; i < n; ++i) {
    const double s = static_cast<double>(i) / DAZNIS;
    const double env = std::min(1.0, s / 0.005) * std::exp(-s * 3.0) * (s < trukme ? 1.0 : std::exp(-(s - trukme) * 60));
    const double x = Pjuklas().Skaityti(f * s) * 0.6 + std::sin(2 * PI * f * s) * 0.7;
    const double ribinis = 300 + 1800 * std::exp(-s * 14);
    y += (1 - std::exp(-2 * PI * ribinis / DAZNIS)) * (x - y);
    v[i] = static_cast<float>(y * env);
  }
  return v;
}

std::vector<float> Melodija(int midi, double trukme) {
  const int n = static_cast<int>((trukme + 0.25) * DAZNIS);
  std::vector<float> v(n);
  const double f = Daznis(midi);
  double faze = 0, y = 0;
  for (int i = 0; i < n; ++i) {
    const double s = static_cast<double>(i) / DAZNIS;
    const double vibrato = 1 + 0.006 * std::sin(2 * PI * 5.5 * s) * std::min(1.0, std::max(0.0, (s - 0.15) / 0.2));
    faze += f * vibrato / DAZNIS;
    const double env = std::min(1.0, s / 0.02) * (0.75 + 0.25 * std::exp(-s * 6)) *
                       (s < trukme ? 1.0 : std::exp(-(s - trukme) * 22));
    // A brassy swell: brighter at the attack.
    const double ribinis = 1400 + 2600 * std::exp(-s * 8);
    y += (1 - std::exp(-2 * PI * ribinis / DAZNIS)) * (Trimitas().Skaityti(faze) - y);
    v[i] = static_cast<float>(y * env);
  }
  return v;
}

std::vector<float> Akordas(const int (&natos)[3], double trukme) {
  const int n = static_cast<int>((trukme + 0.4) * DAZNIS);
  std::vector<float> v(n);
  for (int i = 0; i < n; ++i) {
    const double s = static_cast<double>(i) / DAZNIS;
    const double env = std::min(1.0, s / 0.12) * (s < trukme ? 1.0 : std::exp(-(s - trukme) * 9));
    double x = 0;
    for (int m : natos) {
      const double f = Daznis(m);
      x += Pjuklas().Skaityti(f * s * 1.003) + Pjuklas().Skaityti(f * s * 0.997 + 0.3);
    }
    v[i] = static_cast<float>(x * env);
  }
  // Soften the saw with two low-pass passes.
  for (int pass = 0; pass < 2; ++pass) {
    double y = 0;
    for (float& x : v) {
      y += 0.18 * (x - y);
      x = static_cast<float>(y);
    }
  }
  return v;
}

std::vector<float> Arpa(int midi) {
  const int n = DAZNIS * 6 / 10;
  std::vector<float> v(n);
  const double f = Daznis(midi);
  for (int i = 0; i < n; ++i) {
    const double s = static_cast<double>(i) / DAZNIS;
    v[i] = static_cast<float>(Trikampis().Skaityti(f * s) * std::min(1.0, s / 0.002) * std::exp(-s * 7));
  }
  return v;
}

std::vector<float> Bugnas(uint32_t seka) {
  const int n = DAZNIS * 4 / 10;
  std::vector<float> v(n);
  Garsai::Triuksmas t(seka);
  double faze = 0;
  for (int i = 0; i < n; ++i) {
    const double s = static_cast<double>(i) / DAZNIS;
    faze += 2 * PI * (48 + 120 * std::exp(-s * 32)) / DAZNIS;
    double x = std::sin(faze) * std::exp(-s * 8);
    if (s < 0.003) x += t.Kitas() * 0.4 * (1 - s / 0.003);
    // A half-millisecond rise: the beater's click without a hard edge.
    v[i] = static_cast<float>(std::tanh(x * 1.5) * std::min(1.0, s / 0.0005));
  }
  return v;
}

std::vector<float> Snare(uint32_t seka, double stiprumas) {
  const int n = DAZNIS / 4;
  std::vector<float> v(n);
  Garsai::Triuksmas t(seka);
  double y = 0;
  for (int i = 0; i < n; ++i) {
    const double s = static_cast<double>(i) / DAZNIS;
    const float triuk = t.Kitas();
    y += 0.25 * (triuk - y);
    double x = (triuk - y) * std::exp(-s * 16) * 0.9 + std::sin(2 * PI * 185 * s) * std::exp(-s * 28) * 0.6;
    v[i] = static_cast<float>(x * stiprumas * std::min(1.0, s / 0.001));
  }
  return v;
}

std::vector<float> Cinelis(uint32_t seka, double trukme, double gesimas) {
  const int n = static_cast<int>(trukme * DAZNIS);
  std::vector<float> v(n);
  Garsai::Triuksmas t(seka);
  double y1 = 0, y2 = 0;
  for (int i = 0; i < n; ++i) {
    const double s = static_cast<double>(i) / DAZNIS;
    const float triuk = t.Kitas();
    y1 += 0.5 * (triuk - y1);
    y2 += 0.5 * (y1 - y2);
    v[i] = static_cast<float>((triuk - y2) * std::exp(-s * gesimas) * std::min(1.0, s / 0.0008) *
                              std::min(1.0, (trukme - s) / 0.01));
  }
  return v;
}

}  // namespace

std::vector<float> Kurti() {
  Misinys m;
  const double beat = static_cast<double>(DALIES_KADRAI) / DAZNIS;

  // The harmony, one chord a bar.
  enum { Dm, Bb, C, Gm, A };
  const int eiga[TAKTAI] = {Dm, Dm, Bb, C, Dm, Gm, A, A, Bb, C, Dm, Dm, Gm, Bb, A, A};
  const int saknys[5] = {38, 34, 36, 43, 33};
  const int akordai[5][3] = {{57, 62, 65}, {58, 62, 65}, {55, 60, 64}, {55, 58, 62}, {57, 61, 64}};

  // The tune, bar by bar.
  const std::vector<Nata> tema[TAKTAI] = {
      {{0, 0.75, 69}, {0.75, 0.25, 69}, {1, 1, 74}, {2, 1, 76}, {3, 1, 77}},
      {{0, 1, 76}, {1, 0.5, 74}, {1.5, 0.5, 72}, {2, 2, 74}},
      {{0, 0.75, 74}, {0.75, 0.25, 74}, {1, 1, 77}, {2, 1, 79}, {3, 1, 77}},
      {{0, 1.5, 76}, {1.5, 0.5, 74}, {2, 1, 72}, {3, 1, 76}},
      {{0, 0.75, 77}, {0.75, 0.25, 77}, {1, 1, 81}, {2, 1, 79}, {3, 1, 77}},
      {{0, 1, 79}, {1, 0.5, 77}, {1.5, 0.5, 76}, {2, 1, 74}, {3, 1, 70}},
      {{0, 1, 73}, {1, 1, 76}, {2, 1, 81}, {3, 1, 79}},
      {{0, 3, 76}},
      {{0, 1, 74}, {1, 1, 77}, {2, 1.5, 82}, {3.5, 0.5, 81}},
      {{0, 1, 79}, {1, 1, 76}, {2, 1.5, 72}, {3.5, 0.5, 76}},
      {{0, 1, 77}, {1, 0.5, 76}, {1.5, 0.5, 74}, {2, 2, 81}},
      {{0, 0.5, 81}, {0.5, 0.5, 79}, {1, 0.5, 77}, {1.5, 0.5, 76}, {2, 2, 74}},
      {{0, 1, 70}, {1, 1, 74}, {2, 1.5, 79}, {3.5, 0.5, 77}},
      {{0, 1, 77}, {1, 1, 74}, {2, 1, 70}, {3, 1, 74}},
      {{0, 1.5, 73}, {1.5, 0.5, 74}, {2, 1, 76}, {3, 1, 79}},
      {{0, 2, 81}, {2, 1, 76}, {3, 1, 73}},
  };
  const int boso[8] = {0, 0, 12, 0, 7, 0, 12, 7};

  uint32_t seka = 1;
  for (int t = 0; t < TAKTAI; ++t) {
    const double taktas = t * TAKTO_DALYS;
    const int ak = eiga[t];
    m.Deti(Akordas(akordai[ak], beat * 4 * 0.96), Laikas(taktas), 0.035f, 0.035f);
    for (int i = 0; i < 8; ++i) {
      m.Deti(Boosas(saknys[ak] + boso[i], beat * 0.42), Laikas(taktas + i * 0.5), 0.30f, 0.30f);
    }
    // A harp walking the chord in the second half, for lift.
    if (t >= 8) {
      for (int i = 0; i < 8; ++i) {
        const int nata = akordai[ak][i % 3] + 12 * (1 + (i / 3) % 2);
        m.Deti(Arpa(nata), Laikas(taktas + i * 0.5 + 0.25), 0.05f, 0.11f);
      }
    }
    for (const Nata& n : tema[t]) {
      const std::vector<float> g = Melodija(n.midi, n.trukme * beat * 0.92);
      const long p = Laikas(taktas + n.pradzia);
      m.Deti(g, p, 0.16f, 0.11f);
      // Echoes a dotted eighth apart, bouncing between the sides.
      m.Deti(g, p + Laikas(0.75), 0.02f, 0.05f);
      m.Deti(g, p + Laikas(1.5), 0.025f, 0.01f);
    }
    // Drums: a march beat with a snare roll into every fourth bar.
    for (int b = 0; b < 4; ++b) {
      if (b == 0 || b == 2) m.Deti(Bugnas(seka++), Laikas(taktas + b), 0.42f, 0.42f);
      if (b == 1 || b == 3) m.Deti(Snare(seka++, 1.0), Laikas(taktas + b), 0.22f, 0.2f);
      for (int h = 0; h < 2; ++h)
        m.Deti(Cinelis(seka++, 0.07, 55), Laikas(taktas + b + h * 0.5), h ? 0.03f : 0.05f, h ? 0.05f : 0.07f);
    }
    if (t % 4 == 3) {
      for (int s = 0; s < 4; ++s)
        m.Deti(Snare(seka++, 0.45 + 0.15 * s), Laikas(taktas + 3 + s * 0.25), 0.16f, 0.15f);
      m.Deti(Bugnas(seka++), Laikas(taktas + 3.5), 0.3f, 0.3f);
    } else {
      m.Deti(Snare(seka++, 0.35), Laikas(taktas + 3.75), 0.1f, 0.09f);
    }
    if (t == 0 || t == 8) m.Deti(Cinelis(seka++, 1.8, 2.2), Laikas(taktas), 0.09f, 0.07f);
  }

  float max = 0;
  for (int i = 0; i < KADRAI; ++i) max = std::max({max, std::fabs(m.k[i]), std::fabs(m.d[i])});
  const float k = max > 0 ? 0.9f / max : 1.0f;
  std::vector<float> v(static_cast<size_t>(KADRAI) * 2);
  for (int i = 0; i < KADRAI; ++i) {
    v[2 * i] = m.k[i] * k;
    v[2 * i + 1] = m.d[i] * k;
  }
  return v;
}

std::vector<float> Fonui(std::vector<float> v) {
  // A slow compressor first, so the loud bars come nearer the quiet ones, then one gain
  // to the level. Both run over the loop twice, so its seam sees a settled follower.
  double lygis = 0;
  const double a = 1 - std::exp(-1.0 / (0.3 * DAZNIS));
  std::vector<float> stiprinimas(v.size() / 2);
  for (int kartas = 0; kartas < 2; ++kartas)
    for (size_t i = 0; i < stiprinimas.size(); ++i) {
      const double x = 0.5 * (double(v[2 * i]) * v[2 * i] + double(v[2 * i + 1]) * v[2 * i + 1]);
      lygis += a * (x - lygis);
      // 2:1 above a third of full scale's power.
      const double virs = std::max(1.0, lygis / (0.3 * 0.3));
      stiprinimas[i] = static_cast<float>(1 / std::pow(virs, 0.25));
    }
  double suma = 0;
  for (size_t i = 0; i < v.size(); ++i) {
    v[i] *= stiprinimas[i / 2];
    suma += double(v[i]) * v[i];
  }
  const double rms = std::sqrt(suma / double(v.size()));
  const float k = rms > 0 ? static_cast<float>(FONO_RMS / rms) : 1.0f;
  for (float& x : v) x *= k;
  return v;
}

bool RasytiOgg(const std::string& kelias, const std::vector<float>& stereo, int daznis) {
  std::FILE* f = std::fopen(kelias.c_str(), "wb");
  if (!f) return false;
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, 2, daznis, 0.35f) != 0) {
    vorbis_info_clear(&vi);
    std::fclose(f);
    return false;
  }
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_comment_add_tag(&vc, "TITLE", "Tankai: maršas");
  vorbis_dsp_state vd;
  vorbis_block vb;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, 0x54414E4B);  // fixed, so two runs give the same file

  bool gerai = true;
  auto RasytiPuslapi = [&](const ogg_page& og) {
    gerai &= std::fwrite(og.header, 1, og.header_len, f) == static_cast<size_t>(og.header_len);
    gerai &= std::fwrite(og.body, 1, og.body_len, f) == static_cast<size_t>(og.body_len);
  };
  ogg_packet antraste, komentarai, kodai;
  vorbis_analysis_headerout(&vd, &vc, &antraste, &komentarai, &kodai);
  ogg_stream_packetin(&os, &antraste);
  ogg_stream_packetin(&os, &komentarai);
  ogg_stream_packetin(&os, &kodai);
  ogg_page og;
  while (ogg_stream_flush(&os, &og)) RasytiPuslapi(og);

  const long kadru = static_cast<long>(stereo.size() / 2);
  long padeta = 0;
  bool pabaiga = false;
  while (!pabaiga) {
    const long n = std::min<long>(4096, kadru - padeta);
    if (n > 0) {
      float** buf = vorbis_analysis_buffer(&vd, static_cast<int>(n));
      for (long i = 0; i < n; ++i) {
        buf[0][i] = stereo[2 * (padeta + i)];
        buf[1][i] = stereo[2 * (padeta + i) + 1];
      }
      vorbis_analysis_wrote(&vd, static_cast<int>(n));
      padeta += n;
    } else {
      vorbis_analysis_wrote(&vd, 0);
    }
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet op;
      while (vorbis_bitrate_flushpacket(&vd, &op)) {
        ogg_stream_packetin(&os, &op);
        while (ogg_stream_pageout(&os, &og)) {
          RasytiPuslapi(og);
          if (ogg_page_eos(&og)) pabaiga = true;
        }
      }
    }
    if (n <= 0 && !pabaiga) {
      // Nothing more will come out; make sure the last page is written.
      while (ogg_stream_flush(&os, &og)) RasytiPuslapi(og);
      pabaiga = true;
    }
  }
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return std::fclose(f) == 0 && gerai;
}

}  // namespace Muzika

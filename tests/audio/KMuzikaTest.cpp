#include "audio/KMuzika.h"

#include <AL/alext.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "battle/KVektorius.h"
#include "tests/audio/GarsoFailai.h"
#include "tests/audio/Kilpa.h"
#include "tests/common/ZurnaloGaudykle.h"

namespace fs = std::filesystem;
using namespace garso_failai;

namespace {

constexpr size_t GABALAS = KOgg::BUFERIO_DYDIS;
constexpr int KADRAS = 735;  // one game frame at 60 Hz, in sample frames

// The music on a loopback context at the track's own rate. The test hears the
// source through direct channels, so every rendered sample is a decoded sample.
class MusicOnLoopback : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(kilpa.Veikia());
    aplankas = TestoAplankas();
  }

  void Paruosti(const std::string& signalas, bool kartoti) {
    kelias = aplankas / "muzika.ogg";
    ASSERT_EQ(0, Ogg(kelias, "-r 44100 -c 2", signalas));
    ASSERT_EQ(0, OggDec(kelias, pcm));
    muzika.Atidaryti(kelias.string().c_str(), vieta, kartoti);
    ASSERT_TRUE(muzika.atidaryta);
    alSourcei(muzika.saltinis, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
  }

  // What the player must make heard: full chunks of the track, and with looping
  // the next pass from the first sample. As floats, the way the mixer outputs them.
  std::vector<float> Tikimasi(size_t gabalu, bool kartoti) const {
    std::vector<float> r;
    const size_t pilni = pcm.size() / GABALAS;
    for (size_t k = 0; k < gabalu; ++k) {
      size_t nuo = (pilni ? k % pilni : 0) * GABALAS;
      if (!kartoti && k >= pilni) break;
      for (size_t i = 0; i < GABALAS; i += 2) {
        int16_t v = 0;
        if (nuo + i + 1 < pcm.size()) std::memcpy(&v, &pcm[nuo + i], 2);
        r.push_back(v / 32768.0f);
      }
    }
    return r;
  }

  // Frames of the game: refill, then a frame of mixing.
  void Kadrai(int n, bool atnaujinti = true) {
    for (int i = 0; i < n; ++i) {
      if (atnaujinti) muzika.Atnaujinti();
      kilpa.Generuoti(KADRAS, isvestis);
    }
  }

  ALint Busena() const {
    ALint b = 0;
    alGetSourcei(muzika.saltinis, AL_SOURCE_STATE, &b);
    return b;
  }

  // The first sample where the rendered output (from `nuo`) departs from `tikimasi` (from `tnuo`).
  static size_t Skirtumas(const std::vector<float>& isv, size_t nuo, const std::vector<float>& tikimasi,
                          size_t tnuo, size_t kiek) {
    for (size_t i = 0; i < kiek; ++i) {
      if (nuo + i >= isv.size() || tnuo + i >= tikimasi.size()) return i;
      if (std::fabs(isv[nuo + i] - tikimasi[tnuo + i]) > 1e-3f) return i;
    }
    return kiek;
  }

  Kilpa kilpa;
  fs::path aplankas, kelias;
  Baitai pcm;
  KVektorius vieta;
  KMuzika muzika;
  std::vector<float> isvestis;
};

}  // namespace

TEST_F(MusicOnLoopback, OpenedQueueIsReadyButSilent) {
  Paruosti("2 sine 200:2000 sine 300:900", true);
  ALint eileje = 0, kartoti = -1;
  ALfloat slopimas = 0;
  alGetSourcei(muzika.saltinis, AL_BUFFERS_QUEUED, &eileje);
  alGetSourcei(muzika.saltinis, AL_LOOPING, &kartoti);
  alGetSourcef(muzika.saltinis, AL_ROLLOFF_FACTOR, &slopimas);
  EXPECT_EQ(4, eileje);
  EXPECT_EQ(AL_FALSE, kartoti);
  EXPECT_FLOAT_EQ(0.07f, slopimas);
  EXPECT_EQ(AL_INITIAL, Busena());
  for (ALuint b : muzika.buferiai) {
    ALint dydis = 0;
    alGetBufferi(b, AL_SIZE, &dydis);
    EXPECT_EQ(ALint(GABALAS), dydis);
  }
  Kadrai(30);
  EXPECT_EQ(AL_INITIAL, Busena());
  EXPECT_TRUE(GarsoRuozai(isvestis).empty());
}

// Ten seconds of a two-second track: dozens of refills and several loops, heard
// sample for sample without a gap.
TEST_F(MusicOnLoopback, PlaysThroughManyRefillsAndLoops) {
  Paruosti("2 sine 200:2000 sine 300:900", true);
  const size_t pilni = pcm.size() / GABALAS;
  ASSERT_GE(pilni, 4u);
  muzika.Groti();
  Kadrai(600);
  EXPECT_EQ(AL_PLAYING, Busena());
  auto tikimasi = Tikimasi(isvestis.size() / (GABALAS / 2) + 1, true);
  EXPECT_EQ(isvestis.size(), Skirtumas(isvestis, 0, tikimasi, 0, isvestis.size()));
  vieta = KVektorius(1, 2, 3);
  muzika.Atnaujinti();
  ALfloat p[3] = {};
  alGetSource3f(muzika.saltinis, AL_POSITION, &p[0], &p[1], &p[2]);
  EXPECT_EQ(1.0f, p[0]);
  EXPECT_EQ(2.0f, p[1]);
  EXPECT_EQ(3.0f, p[2]);
}

// A stall longer than the queue (a window drag) lets the source run dry; the
// music then goes on with what comes next, not with the buffers already heard.
TEST_F(MusicOnLoopback, PlaysOnAfterALongStall) {
  Paruosti("2 sine 200:2000 sine 300:900", true);
  muzika.Groti();
  Kadrai(10);
  Kadrai(150, false);  // 2.5 s without a refill
  ASSERT_EQ(AL_STOPPED, Busena());
  const size_t pries = isvestis.size();
  Kadrai(120);
  EXPECT_EQ(AL_PLAYING, Busena());
  auto tikimasi = Tikimasi(30, true);
  // Before the stall: the first four chunks, then silence.
  const size_t keturi = 4 * GABALAS / 2;
  EXPECT_EQ(keturi, Skirtumas(isvestis, 0, tikimasi, 0, keturi));
  // After it: chunk 4 onwards, from the first refill.
  const size_t po = isvestis.size() - pries;
  EXPECT_EQ(po, Skirtumas(isvestis, pries, tikimasi, keturi, po));
}

// However many buffers have been played, one frame takes exactly one off the queue
// and refills it: the queue stays four long and catches up one buffer a frame.
TEST_F(MusicOnLoopback, OneBufferIsRefilledPerFrame) {
  Paruosti("4 sine 200:2000 sine 300:900", true);
  const int buferis = static_cast<int>(GABALAS / 4);  // stereo 16-bit sample frames per buffer
  auto Apdoroti = [&] {
    ALint n = -1;
    alGetSourcei(muzika.saltinis, AL_BUFFERS_PROCESSED, &n);
    return n;
  };
  auto Eileje = [&] {
    ALint n = -1;
    alGetSourcei(muzika.saltinis, AL_BUFFERS_QUEUED, &n);
    return n;
  };
  muzika.Groti();
  kilpa.Generuoti(buferis + 100, isvestis);
  ASSERT_EQ(1, Apdoroti());
  muzika.Atnaujinti();
  EXPECT_EQ(0, Apdoroti());  // a single played buffer is refilled at once
  EXPECT_EQ(4, Eileje());
  kilpa.Generuoti(3 * buferis, isvestis);
  ASSERT_EQ(3, Apdoroti());
  ASSERT_EQ(AL_PLAYING, Busena());
  for (int likoApdorotu : {2, 1, 0}) {
    muzika.Atnaujinti();
    EXPECT_EQ(likoApdorotu, Apdoroti());
    EXPECT_EQ(4, Eileje());
  }
  // The refills carried on where the track was: every chunk heard in order.
  kilpa.Generuoti(buferis, isvestis);
  auto tikimasi = Tikimasi(6, true);
  EXPECT_EQ(isvestis.size(), Skirtumas(isvestis, 0, tikimasi, 0, isvestis.size()));
}

TEST_F(MusicOnLoopback, ShortTrackLoops) {
  Paruosti("0.3 sine 300:600 sine 500", true);
  ASSERT_LT(pcm.size(), GABALAS);
  muzika.Groti();
  Kadrai(240);
  EXPECT_EQ(AL_PLAYING, Busena());
  auto tikimasi = Tikimasi(isvestis.size() / (GABALAS / 2) + 1, true);
  EXPECT_EQ(isvestis.size(), Skirtumas(isvestis, 0, tikimasi, 0, isvestis.size()));
  EXPECT_GE(GarsoRuozai(isvestis).size(), 8u);  // the track heard again in every chunk
}

TEST_F(MusicOnLoopback, WithoutLoopingStopsAfterTheLastWholeChunk) {
  Paruosti("2 sine 200:2000 sine 300:900", false);
  const size_t pilni = pcm.size() / GABALAS;
  muzika.Groti();
  Kadrai(300);
  EXPECT_EQ(AL_STOPPED, Busena());
  EXPECT_TRUE(muzika.atidaryta);
  auto tikimasi = Tikimasi(pilni, false);
  ASSERT_EQ(pilni * GABALAS / 2, tikimasi.size());
  EXPECT_EQ(tikimasi.size(), Skirtumas(isvestis, 0, tikimasi, 0, tikimasi.size()));
  auto r = GarsoRuozai(isvestis);
  ASSERT_FALSE(r.empty());
  EXPECT_LE((r.back().pradzia + r.back().ilgis) * 2, tikimasi.size());
  // An ended track is not restarted as if it had stalled.
  EXPECT_EQ(AL_STOPPED, Busena());
}

TEST_F(MusicOnLoopback, UzdarytiAndOpenAgain) {
  Paruosti("2 sine 200:2000", true);
  ALuint saltinis = muzika.saltinis;
  ALuint buferis = muzika.buferiai[0];
  muzika.Groti();
  Kadrai(5);
  muzika.Uzdaryti();
  EXPECT_FALSE(muzika.atidaryta);
  EXPECT_FALSE(alIsSource(saltinis));
  EXPECT_FALSE(alIsBuffer(buferis));
  EXPECT_FALSE(muzika.skaitytuvas.atidarytas);
  muzika.Groti();
  muzika.Atnaujinti();  // nothing to do and nothing to break
  // A second open of an open player closes the first.
  muzika.Atidaryti(kelias.string().c_str(), vieta, true);
  ASSERT_TRUE(muzika.atidaryta);
  saltinis = muzika.saltinis;
  muzika.Atidaryti(kelias.string().c_str(), vieta, true);
  ASSERT_TRUE(muzika.atidaryta);
  EXPECT_FALSE(alIsSource(saltinis) && saltinis != muzika.saltinis);
  ALint eileje = 0;
  alGetSourcei(muzika.saltinis, AL_BUFFERS_QUEUED, &eileje);
  EXPECT_EQ(4, eileje);
}

TEST_F(MusicOnLoopback, FileThatDoesNotOpenIsReported) {
  ZurnaloGaudykle zurnalas;
  const std::string nera = (aplankas / "muzika.ogg").string();
  muzika.Atidaryti(nera.c_str(), vieta, true);
  EXPECT_FALSE(muzika.atidaryta);
  EXPECT_EQ(1, zurnalas.Kiek("Klaida uzkraunant garsa '" + nera + "': failas neatidarytas"));
  Rasyti(aplankas / "tekstas.ogg", Baitai(300, 'x'));
  const std::string tekstas = (aplankas / "tekstas.ogg").string();
  muzika.Atidaryti(tekstas.c_str(), vieta, true);
  EXPECT_FALSE(muzika.atidaryta);
  EXPECT_EQ(1, zurnalas.Kiek("Klaida uzkraunant garsa '" + tekstas + "': ov_open_callbacks"));
  muzika.Groti();
  Kadrai(10);
  EXPECT_TRUE(GarsoRuozai(isvestis).empty());
  EXPECT_EQ(2u, zurnalas.Pranesimai().size());
}

#include "audio/KGarsai.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/audio/GarsoFailai.h"
#include "tests/audio/Kilpa.h"
#include "tests/common/ZurnaloGaudykle.h"

namespace fs = std::filesystem;
using namespace garso_failai;

// The default device of these tests is OpenAL Soft's null backend.
TEST(KGarsai, SukurtiOpensTheDefaultDeviceAndSetsTheListener) {
  ZurnaloGaudykle zurnalas;
  KGarsai g;
  g.Sukurti();
  ASSERT_TRUE(g.atidarytas) << (zurnalas.Pranesimai().empty() ? "" : zurnalas.Pranesimai()[0]);
  EXPECT_NE(nullptr, g.irenginys);
  EXPECT_EQ(g.kontekstas, alcGetCurrentContext());
  float o[6] = {};
  alGetListenerfv(AL_ORIENTATION, o);
  const float tikslas[6] = {0, 1, 0, 0, 0, 1};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(tikslas[i], o[i]) << i;
  float v[3] = {1, 1, 1}, p[3] = {1, 1, 1};
  alGetListenerfv(AL_VELOCITY, v);
  alGetListenerfv(AL_POSITION, p);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(0.0f, v[i]);
    EXPECT_EQ(0.0f, p[i]);
  }
  g.Atlaisvinti();
  EXPECT_FALSE(g.atidarytas);
  EXPECT_EQ(nullptr, g.irenginys);
  EXPECT_EQ(nullptr, alcGetCurrentContext());
  EXPECT_TRUE(zurnalas.Pranesimai().empty());
}

namespace {

// Bank tests run on a loopback context the test owns, so buffers can be inspected
// after the bank lets go of them.
class SampleBank : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(kilpa.Veikia());
    aplankas = TestoAplankas();
  }
  std::string Kelias(const std::string& vardas) const { return (aplankas / vardas).string(); }
  ALint Savybe(ALuint b, ALenum kas) const {
    ALint v = -1;
    alGetBufferi(b, kas, &v);
    return v;
  }

  Kilpa kilpa;
  fs::path aplankas;
  ZurnaloGaudykle zurnalas;
  KGarsai g;
};

}  // namespace

TEST_F(SampleBank, FolderOfTwentyFilesFillsTheSixteenSlots) {
  std::set<std::string> vardai;
  for (int i = 0; i < 20; ++i) {
    std::string v = "garsas" + std::to_string(i) + ".wav";
    // Each file gets its own rate, so each buffer can be matched with its file.
    ASSERT_EQ(0, Sox(aplankas / v, "-r " + std::to_string(8000 + 100 * i) + " -b 16 -c 1", "0.05 sine 500"));
    vardai.insert(v);
  }
  Rasyti(aplankas / "ne_garsas.txt", {1, 2, 3});
  g.UzkrautiAplanka((aplankas.string() + "/").c_str());
  EXPECT_TRUE(g.uzkrauta);
  ASSERT_EQ(16, g.kiekis);
  EXPECT_EQ(4, zurnalas.Kiek("Pasiektas garsu limitas"));
  std::set<std::string> pakrauti;
  for (int i = 0; i < 16; ++i) {
    std::string v = g.vardai[i];
    ASSERT_TRUE(vardai.count(v)) << v;
    pakrauti.insert(v);
    int nr = std::stoi(v.substr(6));
    ASSERT_TRUE(alIsBuffer(g.buferiai[i]));
    EXPECT_EQ(8000 + 100 * nr, Savybe(g.buferiai[i], AL_FREQUENCY)) << v;
    EXPECT_EQ(g.buferiai[i], g.Rasti(v.c_str()));
  }
  EXPECT_EQ(16u, pakrauti.size());
  ALuint pirmas = g.buferiai[0], paskutinis = g.buferiai[15];
  g.Atlaisvinti();
  EXPECT_EQ(0, g.kiekis);
  EXPECT_FALSE(alIsBuffer(pirmas));
  EXPECT_FALSE(alIsBuffer(paskutinis));
}

TEST_F(SampleBank, LongNameIsShortened) {
  const std::string vardas = "labai_ilgas_garso_failo_vardas_x1234.wav";  // 40 characters
  ASSERT_EQ(40u, vardas.size());
  ASSERT_EQ(0, Sox(aplankas / vardas, "-r 8000 -b 8 -c 1", "0.05 sine 500"));
  g.UzkrautiGarsa(Kelias(vardas).c_str());
  ASSERT_EQ(1, g.kiekis);
  EXPECT_EQ(1, zurnalas.Kiek("Garso pavadinimas '" + Kelias(vardas) + "' per ilgas, bus sutrumpintas"));
  EXPECT_EQ(vardas.substr(0, 31), g.vardai[0]);
  EXPECT_EQ(0u, g.Rasti(vardas.c_str()));
  EXPECT_EQ(1, zurnalas.Kiek("Garsas " + vardas + " nerastas"));
  EXPECT_EQ(g.buferiai[0], g.Rasti(vardas.substr(0, 31).c_str()));
  EXPECT_NE(0u, g.buferiai[0]);
}

TEST_F(SampleBank, BrokenFileTakesNoSlot) {
  ASSERT_EQ(0, Sox(aplankas / "a.wav", "-r 11025 -b 16 -c 1", "0.05 sine 500"));
  ASSERT_EQ(0, Sox(aplankas / "c.wav", "-r 22050 -b 8 -c 2", "0.05 sine 500"));
  Rasyti(aplankas / "b.wav", {'n', 'e', ' ', 'w', 'a', 'v'});
  g.UzkrautiGarsa(Kelias("a.wav").c_str());
  // The name the next buffer will take: OpenAL Soft hands out the lowest free one.
  ALuint zonde = 0;
  alGenBuffers(1, &zonde);
  alDeleteBuffers(1, &zonde);
  g.UzkrautiGarsa(Kelias("b.wav").c_str());
  // The broken file's buffer is given back at once, not left behind.
  EXPECT_FALSE(alIsBuffer(zonde));
  g.UzkrautiGarsa(Kelias("c.wav").c_str());
  ASSERT_EQ(2, g.kiekis);
  EXPECT_STREQ("a.wav", g.vardai[0]);
  EXPECT_STREQ("c.wav", g.vardai[1]);
  EXPECT_EQ(1, zurnalas.Kiek("Klaida uzkraunant garsa '" + Kelias("b.wav") + "': nerastas 'fmt ' blokas"));
  EXPECT_EQ(11025, Savybe(g.buferiai[0], AL_FREQUENCY));
  EXPECT_EQ(22050, Savybe(g.buferiai[1], AL_FREQUENCY));
  EXPECT_EQ(2, Savybe(g.buferiai[1], AL_CHANNELS));
  EXPECT_EQ(8, Savybe(g.buferiai[1], AL_BITS));
  EXPECT_EQ(0u, g.buferiai[2]);
  EXPECT_EQ(0u, g.Rasti("b.wav"));
  // The loader's copy is released once OpenAL holds the samples.
  EXPECT_EQ(nullptr, g.wav.duomenys);
}

// What OpenAL receives matches the file: a 24-bit stereo file arrives as 16-bit
// stereo with every frame.
TEST_F(SampleBank, BufferGetsEveryFrame) {
  ASSERT_EQ(0, Sox(aplankas / "platus.wav", "-r 48000 -b 24 -c 2", "0.1 sine 500 sine 700"));
  ASSERT_EQ(0, Sox(aplankas / "siauras.wav", "-r 8000 -b 8 -c 1", "0.1 sine 500"));
  g.UzkrautiGarsa(Kelias("platus.wav").c_str());
  g.UzkrautiGarsa(Kelias("siauras.wav").c_str());
  ASSERT_EQ(2, g.kiekis);
  EXPECT_EQ(16, Savybe(g.buferiai[0], AL_BITS));
  EXPECT_EQ(2, Savybe(g.buferiai[0], AL_CHANNELS));
  EXPECT_EQ(4800 * 4, Savybe(g.buferiai[0], AL_SIZE));
  EXPECT_EQ(48000, Savybe(g.buferiai[0], AL_FREQUENCY));
  EXPECT_EQ(8, Savybe(g.buferiai[1], AL_BITS));
  EXPECT_EQ(1, Savybe(g.buferiai[1], AL_CHANNELS));
  EXPECT_EQ(800, Savybe(g.buferiai[1], AL_SIZE));
  EXPECT_TRUE(zurnalas.Pranesimai().empty());
}

TEST_F(SampleBank, RastiIsCaseSensitive) {
  ASSERT_EQ(0, Sox(aplankas / "suvis.wav", "-r 8000 -b 16 -c 1", "0.05 sine 500"));
  g.UzkrautiGarsa(Kelias("suvis.wav").c_str());
  ASSERT_EQ(1, g.kiekis);
  EXPECT_NE(0u, g.Rasti("suvis.wav"));
  EXPECT_TRUE(zurnalas.Pranesimai().empty());
  EXPECT_EQ(0u, g.Rasti("SUVIS.wav"));
  EXPECT_EQ(0u, g.Rasti("suvis.WAV"));
  EXPECT_EQ(0u, g.Rasti("suvis"));
  EXPECT_EQ(1, zurnalas.Kiek("Garsas SUVIS.wav nerastas"));
  EXPECT_EQ(1, zurnalas.Kiek("Garsas suvis.WAV nerastas"));
  EXPECT_EQ(1, zurnalas.Kiek("Garsas suvis nerastas"));
}

TEST_F(SampleBank, FolderWithoutSamples) {
  Rasyti(aplankas / "paveikslas.tga", {0, 0, 2});
  const std::string kelias = aplankas.string() + "/";
  g.UzkrautiAplanka(kelias.c_str());
  EXPECT_EQ(1, zurnalas.Kiek("Nerasta garsu aplanke '" + kelias + "'"));
  EXPECT_EQ(0, g.kiekis);
  EXPECT_FALSE(g.uzkrauta);
  g.UzkrautiAplanka((aplankas.string() + "/nera/").c_str());
  EXPECT_EQ(1, zurnalas.Kiek("Nerasta garsu aplanke '" + aplankas.string() + "/nera/'"));
  g.Atlaisvinti();
  EXPECT_EQ(0, g.kiekis);
}

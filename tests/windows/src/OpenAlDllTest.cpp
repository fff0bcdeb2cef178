// The run-time OpenAL loader on real Windows DLL loading (under Wine in CI): no DLL, a
// truncated one, one of the wrong architecture, one that lacks entry points, and the
// shipped OpenAL Soft (its null backend, chosen by the test's environment) with the
// game's audio code on it.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "audio/KGarsai.h"
#include "audio/KGarsas.h"
#include "audio/OpenAl.h"
#include "battle/KVektorius.h"
#include "platform/Platforma.h"
#include "tests/common/ZurnaloGaudykle.h"

namespace {

// Each test starts with the table unbound and the DLL search limited to one folder
// (or to the default places, where no OpenAL32.dll lies).
void IsNaujo(const char* aplankas) {
  OpenAlDllAtlaisvinti();
  ASSERT_TRUE(SetDllDirectoryA(aplankas));
}

void Pabaiga() {
  OpenAlDllAtlaisvinti();
  SetDllDirectoryA(nullptr);
}

std::string Aplankas(const std::string& kelias) {
  return std::filesystem::path(kelias).parent_path().string();
}

// A folder holding only an OpenAL32.dll made of the given bytes.
std::string DllAplankas(const char* vardas, const std::vector<char>& baitai) {
  auto aplankas = std::filesystem::path(TANKAI_BINARY_DIR) / "windows-testai" / vardas;
  std::filesystem::create_directories(aplankas);
  std::ofstream(aplankas / "OpenAL32.dll", std::ios::binary).write(baitai.data(), std::streamsize(baitai.size()));
  return aplankas.string();
}

std::vector<char> Skaityti(const char* kelias) {
  std::ifstream f(kelias, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(f), {});
}

// A DLL the system will not load: the game must take it as no DLL at all.
void NepakraunamasDll(const std::string& aplankas) {
  IsNaujo(aplankas.c_str());
  ZurnaloGaudykle gaudykle;
  EXPECT_EQ(alcOpenDevice(nullptr), nullptr);
  EXPECT_FALSE(OpenAlDllUzkrautas());
  EXPECT_EQ(alcGetError(nullptr), ALC_INVALID_VALUE);
  KGarsai bankas;
  bankas.Sukurti();
  EXPECT_FALSE(bankas.atidarytas);
  EXPECT_EQ(gaudykle.Kiek("Garsai->Sukurti: Klaida inicializuojant garso irengini"), 1);
  bankas.Atlaisvinti();
  Pabaiga();
}

// 16-bit mono PCM of the given length in a RIFF/WAVE file.
std::filesystem::path RasytiWav(const char* vardas, int daznis, double sekundes) {
  auto aplankas = std::filesystem::path(TANKAI_BINARY_DIR) / "windows-testai";
  std::filesystem::create_directories(aplankas);
  auto kelias = aplankas / vardas;
  uint32_t kadrai = uint32_t(daznis * sekundes), duomenys = kadrai * 2;
  std::vector<unsigned char> b;
  auto id = [&](const char* s) { b.insert(b.end(), s, s + 4); };
  auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 0xff); };
  auto u16 = [&](uint32_t v) { for (int i = 0; i < 2; ++i) b.push_back((v >> (8 * i)) & 0xff); };
  id("RIFF"); u32(36 + duomenys); id("WAVE");
  id("fmt "); u32(16); u16(1); u16(1); u32(daznis); u32(daznis * 2); u16(2); u16(16);
  id("data"); u32(duomenys);
  for (uint32_t i = 0; i < kadrai; ++i) u16((i * 40) & 0xffff);
  std::ofstream(kelias, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), b.size());
  return kelias;
}

}  // namespace

TEST(OpenAlDll, WithoutTheDllNoDeviceOpensAndTheAudioCodeRunsSilent) {
  IsNaujo("");
  ZurnaloGaudykle gaudykle;
  EXPECT_EQ(alcOpenDevice(nullptr), nullptr);
  EXPECT_FALSE(OpenAlDllUzkrautas());
  // Nothing of its own: the audio code reports the missing device, as without sound hardware.
  EXPECT_TRUE(gaudykle.Pranesimai().empty());
  EXPECT_EQ(alcGetError(nullptr), ALC_INVALID_VALUE);
  EXPECT_EQ(alcGetError(nullptr), ALC_NO_ERROR);
  // As OpenAL itself answers with no context current.
  EXPECT_EQ(alGetError(), AL_INVALID_OPERATION);

  // Looked for once: a DLL that appears later is not picked up by the running game.
  ASSERT_TRUE(SetDllDirectoryA(Aplankas(TANKAI_OPENAL_DLL).c_str()));
  EXPECT_EQ(alcOpenDevice(nullptr), nullptr);
  EXPECT_FALSE(OpenAlDllUzkrautas());

  gaudykle.Isvalyti();
  KGarsai bankas;
  bankas.Sukurti();
  EXPECT_FALSE(bankas.atidarytas);
  EXPECT_EQ(gaudykle.Kiek("Garsai->Sukurti: Klaida inicializuojant garso irengini"), 1);
  EXPECT_EQ(gaudykle.Pranesimai().size(), 1u);

  KVektorius vieta;
  KGarsas garsas;
  garsas.Sukurti(0, vieta, false);
  EXPECT_EQ(gaudykle.Kiek("Klaida: alGenSources"), 1);
  garsas.Groti();
  garsas.Atnaujinti();
  bankas.Atlaisvinti();
  EXPECT_FALSE(bankas.atidarytas);
  Pabaiga();
}

TEST(OpenAlDll, ATruncatedDllIsNoDll) {
  auto dll = Skaityti(TANKAI_OPENAL_DLL);
  ASSERT_GT(dll.size(), 100000u);
  dll.resize(dll.size() / 3);
  NepakraunamasDll(DllAplankas("trumpas", dll));
}

TEST(OpenAlDll, A32BitDllIsNoDll) {
  auto dll = Skaityti(TANKAI_DLL_32);
  ASSERT_FALSE(dll.empty()) << "no 32-bit DLL at '" TANKAI_DLL_32 "' (Debian's nsis provides one)";
  NepakraunamasDll(DllAplankas("x86", dll));
}

TEST(OpenAlDll, ADllWithoutEveryEntryPointIsRefused) {
  IsNaujo(TANKAI_OPENAL_DALINIS_DIR);
  ZurnaloGaudykle gaudykle;
  EXPECT_EQ(alcOpenDevice(nullptr), nullptr);
  EXPECT_FALSE(OpenAlDllUzkrautas());
  // The first missing one in table order, and the rest after it.
  EXPECT_EQ(gaudykle.Kiek("OpenAL32.dll neturi funkcijos alcCreateContext"), 1);
  EXPECT_EQ(gaudykle.Kiek("OpenAL32.dll neturi funkcijos alGetError"), 1);
  EXPECT_EQ(gaudykle.Kiek("OpenAL32.dll neturi funkcijos alcOpenDevice"), 0);
  // Still the stand-ins: nothing calls into the refused DLL.
  EXPECT_EQ(alcCreateContext(nullptr, nullptr), nullptr);
  EXPECT_EQ(alGetError(), AL_INVALID_OPERATION);
  Pabaiga();
}

TEST(OpenAlDll, TheSampleBankAndASourcePlayThroughALoadedDll) {
  IsNaujo(Aplankas(TANKAI_OPENAL_DLL).c_str());
  ZurnaloGaudykle gaudykle;
  KGarsai bankas;
  bankas.Sukurti();
  ASSERT_TRUE(OpenAlDllUzkrautas());
  ASSERT_TRUE(bankas.atidarytas);
  EXPECT_TRUE(gaudykle.Pranesimai().empty());

  auto kelias = RasytiWav("trumpas.wav", 8000, 0.1);
  bankas.UzkrautiGarsa(kelias.string().c_str());
  ASSERT_EQ(bankas.kiekis, 1);
  ALuint pavyzdys = bankas.Rasti("trumpas.wav");
  ASSERT_NE(pavyzdys, 0u);
  ALint dydis = 0;
  alGetBufferi(pavyzdys, AL_SIZE, &dydis);
  EXPECT_EQ(dydis, 1600);

  KVektorius vieta;
  KGarsas garsas;
  garsas.Sukurti(pavyzdys, vieta, false);
  EXPECT_EQ(alGetError(), AL_NO_ERROR);
  garsas.Groti();
  garsas.Atnaujinti();
  EXPECT_TRUE(garsas.groja);
  EXPECT_EQ(garsas.busena, AL_PLAYING);
  // A tenth of a second of sound: over well before half a second has passed.
  auto pradzia = std::chrono::steady_clock::now();
  while (garsas.groja && std::chrono::steady_clock::now() - pradzia < std::chrono::seconds(2)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    garsas.Atnaujinti();
  }
  EXPECT_FALSE(garsas.groja);
  EXPECT_EQ(garsas.busena, AL_STOPPED);
  EXPECT_GE(std::chrono::steady_clock::now() - pradzia, std::chrono::milliseconds(90));

  bankas.Atlaisvinti();
  EXPECT_EQ(gaudykle.Kiek("Klaida atlaisvinant garso irengini"), 0);
  EXPECT_EQ(alcGetCurrentContext(), nullptr);
  Pabaiga();
}

// The queue rules the music stream relies on, through the loader's table.
TEST(OpenAlDll, QueuesProcessBufferByBufferAndStopWhenDry) {
  IsNaujo(Aplankas(TANKAI_OPENAL_DLL).c_str());
  ALCdevice* d = alcOpenDevice(nullptr);
  ASSERT_NE(d, nullptr);
  ALCcontext* k = alcCreateContext(d, nullptr);
  ASSERT_TRUE(alcMakeContextCurrent(k));
  ALuint b[2], s;
  alGenBuffers(2, b);
  std::vector<short> pcm(441 * 2);  // 20 ms of stereo at 22050 Hz per buffer
  for (ALuint x : b) alBufferData(x, AL_FORMAT_STEREO16, pcm.data(), ALsizei(pcm.size() * 2), 22050);
  alGenSources(1, &s);
  alSourceQueueBuffers(s, 2, b);
  ALint n = -1;
  alGetSourcei(s, AL_BUFFERS_QUEUED, &n);
  EXPECT_EQ(n, 2);
  ALuint isimtas;
  alSourceUnqueueBuffers(s, 1, &isimtas);  // nothing processed before playing
  EXPECT_EQ(alGetError(), AL_INVALID_VALUE);
  alSourcePlay(s);
  // The mixer runs on its own thread: wait for the states, however busy the machine.
  auto Laukti = [&](ALenum kas, auto tinka) {
    const auto iki = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    ALint v = -1;
    do {
      alGetSourcei(s, kas, &v);
      if (tinka(v)) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    } while (std::chrono::steady_clock::now() < iki);
    return false;
  };
  ASSERT_TRUE(Laukti(AL_BUFFERS_PROCESSED, [](ALint v) { return v >= 1; }));
  alSourceUnqueueBuffers(s, 1, &isimtas);
  EXPECT_EQ(isimtas, b[0]);
  EXPECT_EQ(alGetError(), AL_NO_ERROR);
  alGetSourcei(s, AL_BUFFERS_QUEUED, &n);
  EXPECT_EQ(n, 1);
  // Dry after the last queued buffer: stopped by itself, not looping back.
  EXPECT_TRUE(Laukti(AL_SOURCE_STATE, [](ALint v) { return v == AL_STOPPED; }));
  alGetSourcei(s, AL_BUFFERS_PROCESSED, &n);
  EXPECT_EQ(n, 1);
  alDeleteBuffers(1, &b[1]);  // still queued
  EXPECT_EQ(alGetError(), AL_INVALID_OPERATION);
  alDeleteSources(1, &s);
  alDeleteBuffers(2, b);
  EXPECT_EQ(alGetError(), AL_NO_ERROR);
  alcMakeContextCurrent(nullptr);
  alcDestroyContext(k);
  EXPECT_TRUE(alcCloseDevice(d));
  Pabaiga();
}

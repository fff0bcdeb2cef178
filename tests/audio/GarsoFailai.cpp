#include "tests/audio/GarsoFailai.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "tests/common/IsorinisIrankis.h"

namespace fs = std::filesystem;

namespace garso_failai {

fs::path TestoAplankas() {
  const auto* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string vardas = std::string(info->test_suite_name()) + "." + info->name();
  for (char& c : vardas)
    if (c == '/') c = '_';
  fs::path p = fs::path(TANKAI_BINARY_DIR) / "garso_testai" / vardas;
  std::error_code ec;
  fs::remove_all(p, ec);
  fs::create_directories(p);
  return p;
}

int Vykdyti(const std::string& komanda) {
  return IsorinisIrankis(komanda + " >/dev/null 2>&1");
}

Baitai Skaityti(const fs::path& kelias) {
  std::ifstream f(kelias, std::ios::binary);
  return Baitai(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void Rasyti(const fs::path& kelias, const Baitai& baitai) {
  std::ofstream f(kelias, std::ios::binary);
  f.write(reinterpret_cast<const char*>(baitai.data()), std::streamsize(baitai.size()));
}

int Sox(const fs::path& kelias, const std::string& formatas, const std::string& signalas) {
  return Vykdyti("sox -n " + formatas + " '" + kelias.string() + "' synth " + signalas);
}

int SoxI16(const fs::path& wav, Baitai& i) {
  fs::path raw = wav;
  raw += ".s16";
  int r = Vykdyti("sox -D '" + wav.string() + "' -t raw -e signed-integer -b 16 -L '" + raw.string() + "'");
  if (r == 0) i = Skaityti(raw);
  return r;
}

int Ogg(const fs::path& ogg, const std::string& formatas, const std::string& signalas) {
  fs::path wav = ogg;
  wav += ".wav";
  int r = Sox(wav, "-b 16 " + formatas, signalas);
  if (r != 0) return r;
  return Vykdyti("oggenc -Q -q 4 -o '" + ogg.string() + "' '" + wav.string() + "'");
}

int OggDec(const fs::path& ogg, Baitai& pcm) {
  fs::path raw = ogg;
  raw += ".raw";
  int r = Vykdyti("oggdec -Q -R -e 0 -b 16 -s 1 -o '" + raw.string() + "' '" + ogg.string() + "'");
  if (r == 0) pcm = Skaityti(raw);
  return r;
}

void U16(Baitai& b, uint32_t v) {
  b.push_back(uint8_t(v));
  b.push_back(uint8_t(v >> 8));
}

void U32(Baitai& b, uint32_t v) {
  U16(b, v & 0xFFFF);
  U16(b, v >> 16);
}

// Byte by byte: GCC 12's -Wstringop-overflow misreads a range insert into an empty vector.
void Id(Baitai& b, const char* id) {
  for (int i = 0; i < 4; ++i) b.push_back(uint8_t(id[i]));
}

void Blokas(Baitai& b, const char* id, const Baitai& turinys, bool pad, uint32_t dydis) {
  Id(b, id);
  U32(b, dydis != ~0u ? dydis : uint32_t(turinys.size()));
  b.insert(b.end(), turinys.begin(), turinys.end());
  if (pad && (turinys.size() & 1)) b.push_back(0);
}

Baitai Fmt(uint16_t zyme, uint16_t kanalai, uint32_t daznis, uint16_t bitai) {
  Baitai f;
  U16(f, zyme);
  U16(f, kanalai);
  U32(f, daznis);
  U32(f, daznis * kanalai * (bitai / 8));
  U16(f, kanalai * (bitai / 8));
  U16(f, bitai);
  return f;
}

bool Isskaidyti(const Baitai& wav, std::vector<Gabalas>& gabalai) {
  gabalai.clear();
  if (wav.size() < 12 || std::string(wav.begin(), wav.begin() + 4) != "RIFF") return false;
  size_t p = 12;
  while (p + 8 <= wav.size()) {
    uint32_t n = wav[p + 4] | (wav[p + 5] << 8) | (wav[p + 6] << 16) | (uint32_t(wav[p + 7]) << 24);
    if (p + 8 + n > wav.size()) return false;
    gabalai.push_back({std::string(wav.begin() + p, wav.begin() + p + 4),
                       Baitai(wav.begin() + p + 8, wav.begin() + p + 8 + n)});
    p += 8 + n + (n & 1);
  }
  return !gabalai.empty();
}

Baitai Sudeti(const std::vector<Gabalas>& gabalai, bool pad) {
  Baitai kunas;
  Id(kunas, "WAVE");
  for (const auto& g : gabalai) Blokas(kunas, g.id.c_str(), g.turinys, pad);
  Baitai b;
  Id(b, "RIFF");
  U32(b, uint32_t(kunas.size()));
  b.insert(b.end(), kunas.begin(), kunas.end());
  return b;
}

}  // namespace garso_failai

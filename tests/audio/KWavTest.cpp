#include "audio/KWav.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

#include "audio/OpenAl.h"
#include "tests/audio/GarsoFailai.h"

namespace fs = std::filesystem;
using namespace garso_failai;

namespace {

std::string Klaida(KWav& wav, const fs::path& kelias) {
  try {
    wav.Skaityti(kelias.string().c_str());
  } catch (const char* pranesimas) {
    return pranesimas;
  }
  return "";
}

// Largest difference between the loaded 16-bit samples and the reference.
int DidziausiasSkirtumas(const KWav& wav, const Baitai& i16) {
  int d = 0;
  for (size_t k = 0; k + 1 < i16.size(); k += 2) {
    int16_t a, b;
    std::memcpy(&a, wav.duomenys + k, 2);
    std::memcpy(&b, i16.data() + k, 2);
    d = std::max(d, std::abs(int(a) - int(b)));
  }
  return d;
}

struct SoxAtvejis {
  const char* formatas;
  uint16_t kanalai, bitai;
  uint32_t daznis;
  ALenum alFormatas;
  int leistina;  // 0: the file's bytes exactly; else the largest 16-bit difference from sox's own conversion
};

}  // namespace

// Files written by sox in every layout the game may meet; the loaded samples are
// compared with what sox itself decodes from the same file.
TEST(KWav, SoxFilesLoadWithTheirFormatAndSamples) {
  const SoxAtvejis atvejai[] = {
      {"-r 8000 -b 8 -c 1", 1, 8, 8000, AL_FORMAT_MONO8, 0},
      {"-r 11025 -b 8 -c 2", 2, 8, 11025, AL_FORMAT_STEREO8, 0},
      {"-r 44100 -b 16 -c 1", 1, 16, 44100, AL_FORMAT_MONO16, 0},
      {"-r 22050 -b 16 -c 2", 2, 16, 22050, AL_FORMAT_STEREO16, 0},
      {"-t wavpcm -r 22050 -b 16 -c 2", 2, 16, 22050, AL_FORMAT_STEREO16, 0},
      // Wider samples go to OpenAL as 16-bit; rounding may differ from sox by one step.
      {"-r 22050 -b 24 -c 1", 1, 24, 22050, AL_FORMAT_MONO16, 1},
      {"-r 48000 -b 24 -c 2", 2, 24, 48000, AL_FORMAT_STEREO16, 1},
      {"-t wavpcm -r 16000 -b 24 -c 2", 2, 24, 16000, AL_FORMAT_STEREO16, 1},
      {"-r 32000 -b 32 -c 2", 2, 32, 32000, AL_FORMAT_STEREO16, 1},
      {"-r 22050 -e floating-point -b 32 -c 1", 1, 32, 22050, AL_FORMAT_MONO16, 1},
      {"-r 22050 -e floating-point -b 64 -c 2", 2, 64, 22050, AL_FORMAT_STEREO16, 1},
  };
  fs::path aplankas = TestoAplankas();
  KWav wav;  // one loader for every file, as the bank uses it
  int nr = 0;
  for (const auto& a : atvejai) {
    SCOPED_TRACE(a.formatas);
    fs::path kelias = aplankas / ("f" + std::to_string(nr++) + ".wav");
    ASSERT_EQ(0, Sox(kelias, a.formatas));
    ASSERT_EQ("", Klaida(wav, kelias));
    EXPECT_EQ(a.kanalai, wav.kanalai);
    EXPECT_EQ(a.bitai, wav.bitai);
    EXPECT_EQ(a.daznis, wav.daznis);
    EXPECT_EQ(uint32_t(a.alFormatas), wav.alFormatas);
    ASSERT_NE(nullptr, wav.duomenys);
    EXPECT_EQ(nullptr, wav.failas);
    if (a.leistina == 0) {
      fs::path raw = kelias;
      raw += ".raw";
      ASSERT_EQ(0, Vykdyti("sox '" + kelias.string() + "' -t raw '" + raw.string() + "'"));
      Baitai tikri = Skaityti(raw);
      ASSERT_EQ(tikri.size(), wav.blokoDydis);
      EXPECT_EQ(0, std::memcmp(tikri.data(), wav.duomenys, tikri.size()));
    } else {
      Baitai i16;
      ASSERT_EQ(0, SoxI16(kelias, i16));
      ASSERT_EQ(i16.size(), wav.blokoDydis);
      EXPECT_LE(DidziausiasSkirtumas(wav, i16), a.leistina);
    }
    wav.Atlaisvinti();
    EXPECT_EQ(nullptr, wav.duomenys);
  }
}

// Formats that OpenAL's PCM formats cannot carry are refused rather than played as noise.
TEST(KWav, UnsupportedFormatsAreRefused) {
  const struct {
    const char* formatas;
    const char* klaida;
  } atvejai[] = {
      {"-r 8000 -c 3 -b 16", "nepalaikomas kanalu skaicius"},
      {"-r 8000 -c 6 -b 24", "nepalaikomas kanalu skaicius"},
      {"-r 8000 -c 1 -e u-law", "nepalaikomas garso formatas"},
      {"-r 8000 -c 1 -e a-law", "nepalaikomas garso formatas"},
      {"-r 8000 -c 1 -e ima-adpcm", "nepalaikomas garso formatas"},
      {"-r 8000 -c 2 -e ms-adpcm", "nepalaikomas garso formatas"},
  };
  fs::path aplankas = TestoAplankas();
  KWav wav;
  int nr = 0;
  for (const auto& a : atvejai) {
    SCOPED_TRACE(a.formatas);
    fs::path kelias = aplankas / ("f" + std::to_string(nr++) + ".wav");
    ASSERT_EQ(0, Sox(kelias, a.formatas));
    EXPECT_EQ(a.klaida, Klaida(wav, kelias));
    EXPECT_EQ(nullptr, wav.duomenys);
    EXPECT_EQ(nullptr, wav.failas);
  }
}

// Chunk layouts that real writers produce around a sox file's own chunks.
TEST(KWav, ExtraChunksAreSkipped) {
  fs::path aplankas = TestoAplankas();
  fs::path saltinis = aplankas / "saltinis.wav";
  ASSERT_EQ(0, Sox(saltinis, "-t wavpcm -r 22050 -b 16 -c 2"));
  std::vector<Gabalas> g;
  ASSERT_TRUE(Isskaidyti(Skaityti(saltinis), g));
  ASSERT_EQ("fmt ", g.front().id);
  ASSERT_EQ(16u, g.front().turinys.size());
  const Gabalas* duom = nullptr;
  for (const auto& x : g)
    if (x.id == "data") duom = &x;
  ASSERT_NE(nullptr, duom);
  const Gabalas fmt = g.front();
  const Gabalas data = *duom;

  Baitai info;
  Id(info, "INFO");
  Id(info, "ICMT");
  U32(info, 5);
  for (char c : std::string("Labas")) info.push_back(uint8_t(c));  // odd: 17 bytes in all
  Gabalas list{"LIST", info};
  Gabalas junk{"JUNK", Baitai(3, 0xAB)};

  Baitai ilgasFmt = fmt.turinys;  // cbSize 0 plus two stray bytes: 20 bytes
  U16(ilgasFmt, 0);
  U16(ilgasFmt, 0x4B4B);

  Baitai ext = fmt.turinys;  // WAVE_FORMAT_EXTENSIBLE carrying PCM
  ext[0] = 0xFE;
  ext[1] = 0xFF;
  U16(ext, 22);
  U16(ext, 16);
  U32(ext, 3);
  const unsigned char pcmGuid[16] = {1, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
  ext.insert(ext.end(), pcmGuid, pcmGuid + 16);

  const struct {
    const char* vardas;
    std::vector<Gabalas> gabalai;
    bool pad;
  } atvejai[] = {
      {"list_tarp", {fmt, list, data}, true},
      {"list_priekyje", {list, fmt, junk, data}, true},
      {"be_uzpildo", {fmt, list, junk, data}, false},  // a writer that leaves pad bytes out
      {"ilgas_fmt", {{"fmt ", ilgasFmt}, list, data}, true},
      {"extensible", {{"fmt ", ext}, data}, true},
  };
  KWav wav;
  for (const auto& a : atvejai) {
    SCOPED_TRACE(a.vardas);
    fs::path kelias = aplankas / (std::string(a.vardas) + ".wav");
    Rasyti(kelias, Sudeti(a.gabalai, a.pad));
    ASSERT_EQ("", Klaida(wav, kelias));
    EXPECT_EQ(2, wav.kanalai);
    EXPECT_EQ(22050u, wav.daznis);
    EXPECT_EQ(uint32_t(AL_FORMAT_STEREO16), wav.alFormatas);
    ASSERT_EQ(data.turinys.size(), wav.blokoDydis);
    EXPECT_EQ(0, std::memcmp(data.turinys.data(), wav.duomenys, data.turinys.size()));
  }

  // sox's own extensible header (24-bit) is the one met in practice.
  fs::path sox24 = aplankas / "sox24.wav";
  ASSERT_EQ(0, Sox(sox24, "-r 22050 -b 24 -c 2"));
  ASSERT_TRUE(Isskaidyti(Skaityti(sox24), g));
  ASSERT_EQ(40u, g.front().turinys.size());
  EXPECT_EQ(0xFE, g.front().turinys[0]);
  EXPECT_EQ(0xFF, g.front().turinys[1]);
  EXPECT_EQ("", Klaida(wav, sox24));
}

namespace {

Baitai Riff(const Baitai& kunas) {
  Baitai b;
  Id(b, "RIFF");
  U32(b, uint32_t(kunas.size() + 4));
  Id(b, "WAVE");
  b.insert(b.end(), kunas.begin(), kunas.end());
  return b;
}

Baitai FmtBlokas(uint16_t kanalai = 1, uint16_t bitai = 16, uint32_t daznis = 8000, uint16_t zyme = 1) {
  Baitai b;
  Blokas(b, "fmt ", Fmt(zyme, kanalai, daznis, bitai));
  return b;
}

Baitai operator+(Baitai a, const Baitai& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Baitai DataBlokas(size_t n, uint32_t dydis = ~0u) {
  Baitai turinys(n);
  for (size_t i = 0; i < n; ++i) turinys[i] = uint8_t(i * 7 + 1);
  Baitai b;
  Blokas(b, "data", turinys, false, dydis);
  return b;
}

Baitai Tekstas(const char* t) { return Baitai(t, t + std::strlen(t)); }

Baitai Pirmi(Baitai b, size_t n) {
  b.resize(n);
  return b;
}

}  // namespace

// Hand-built files, broken in the ways files break: the expected error, or the
// number of sample bytes loaded.
TEST(KWav, BrokenFiles) {
  // JUNK chunks that put the "data" header at a given file position.
  auto DataNuo = [](uint32_t pozicija) {
    Baitai kunas = FmtBlokas();  // the walk starts at 12; fmt takes 24
    Baitai junk;
    Blokas(junk, "JUNK", Baitai(pozicija - 12 - 24 - 8, 0));
    return Riff(kunas + junk + DataBlokas(100));
  };
  Baitai TrumpasFmt;  // a "fmt " chunk of 8 bytes cannot hold the fields
  Blokas(TrumpasFmt, "fmt ", Tekstas("abcdefgh"));
  const struct {
    const char* vardas;
    Baitai baitai;
    const char* klaida;
    uint32_t baitu;
  } atvejai[] = {
      {"tuscias", {}, "nerastas 'fmt ' blokas", 0},
      {"tekstas", Tekstas("Tai ne garso failas, o tik tekstas.\nAntra eilute.\n"), "nerastas 'fmt ' blokas", 0},
      {"tik_riff", Tekstas("RIFF"), "nerastas 'fmt ' blokas", 0},
      {"be_duomenu", Riff(FmtBlokas()), "nerastas 'data' blokas", 0},
      {"data_pries_fmt", Riff(DataBlokas(100) + FmtBlokas()), "nerastas 'data' blokas", 0},
      {"nukirstas_fmt", Pirmi(Riff(FmtBlokas()), 26), "nerastas 'fmt ' blokas", 0},
      {"per_trumpas_fmt", Riff(TrumpasFmt + DataBlokas(10)), "nerastas 'fmt ' blokas", 0},
      {"milzinisko_dydzio_junk", Riff(FmtBlokas() + Tekstas("JUNK\xff\xff\xff\xff") + DataBlokas(100)),
       "nerastas 'data' blokas", 0},
      {"milzinisko_dydzio_fmt", Riff(Tekstas("fmt \xf0\xff\xff\x7f") + Fmt(1, 1, 8000, 16) + DataBlokas(100)),
       "nerastas 'data' blokas", 0},
      {"nulis_kanalu", Riff(FmtBlokas(0) + DataBlokas(100)), "nepalaikomas kanalu skaicius", 0},
      {"12_bitu", Riff(FmtBlokas(1, 12) + DataBlokas(100)), "nepalaikomas garso formatas", 0},
      {"nulinis_daznis", Riff(FmtBlokas(1, 16, 0) + DataBlokas(100)), "nepalaikomas garso formatas", 0},
      {"data_ties_1024", DataNuo(1024), "", 100},
      {"data_uz_1024", DataNuo(1026), "nerastas 'data' blokas", 0},
      // A size field far beyond the file loads what the file holds.
      {"data_milzinisko_dydzio", Riff(FmtBlokas() + DataBlokas(100, 0xFFFFFFF0u)), "", 100},
      {"data_nukirsta", Riff(FmtBlokas(2, 16) + DataBlokas(30, 4000)), "", 28},
      {"data_ne_pilnas_kadras", Riff(FmtBlokas(2, 16) + DataBlokas(7)), "", 4},
      {"data_tuscia", Riff(FmtBlokas() + DataBlokas(0)), "", 0},
  };
  fs::path aplankas = TestoAplankas();
  KWav wav;
  for (const auto& a : atvejai) {
    SCOPED_TRACE(a.vardas);
    fs::path kelias = aplankas / (std::string(a.vardas) + ".wav");
    Rasyti(kelias, a.baitai);
    EXPECT_EQ(a.klaida, Klaida(wav, kelias));
    EXPECT_EQ(nullptr, wav.failas);
    if (*a.klaida) {
      EXPECT_EQ(nullptr, wav.duomenys);
    } else {
      EXPECT_EQ(a.baitu, wav.blokoDydis);
      ASSERT_NE(nullptr, wav.duomenys);
      for (uint32_t i = 0; i < a.baitu; ++i) ASSERT_EQ(uint8_t(i * 7 + 1), wav.duomenys[i]) << i;
    }
  }
  EXPECT_EQ("failas nerastas", Klaida(wav, aplankas / "nera.wav"));
}

// Float samples at and beyond full scale (other writers than sox leave them unclipped)
// land on the 16-bit extremes, a NaN on silence.
TEST(KWav, FloatSamplesClipToTheSixteenBitRange) {
  const double reiksmes[] = {1.0, 1.5, -1.0, -1.5, 0.5, -0.5, 0.0, std::nan(""), HUGE_VAL, -HUGE_VAL, 32767.0 / 32768};
  const int16_t tiketa[] = {32767, 32767, -32768, -32768, 16384, -16384, 0, 0, 32767, -32768, 32767};
  fs::path aplankas = TestoAplankas();
  KWav wav;
  for (uint16_t bitai : {32, 64}) {
    SCOPED_TRACE(bitai);
    Baitai duom;
    for (double v : reiksmes) {
      uint64_t b = 0;
      if (bitai == 32) {
        const float f = float(v);
        uint32_t b32;
        std::memcpy(&b32, &f, 4);
        b = b32;
      } else {
        std::memcpy(&b, &v, 8);
      }
      for (int i = 0; i < bitai / 8; ++i) duom.push_back(uint8_t(b >> (8 * i)));
    }
    Baitai data;
    Blokas(data, "data", duom);
    fs::path kelias = aplankas / ("float" + std::to_string(bitai) + ".wav");
    Rasyti(kelias, Riff(FmtBlokas(1, bitai, 8000, 3) + data));
    ASSERT_EQ("", Klaida(wav, kelias));
    EXPECT_EQ(uint32_t(AL_FORMAT_MONO16), wav.alFormatas);
    ASSERT_EQ(sizeof tiketa, wav.blokoDydis);
    for (size_t i = 0; i < std::size(tiketa); ++i) {
      int16_t v;
      std::memcpy(&v, wav.duomenys + 2 * i, 2);
      EXPECT_EQ(tiketa[i], v) << reiksmes[i];
    }
  }
}

// One loader, several files in turn: each load describes its own file only.
TEST(KWav, SeveralFilesInTurnWithOneLoader) {
  fs::path aplankas = TestoAplankas();
  ASSERT_EQ(0, Sox(aplankas / "a.wav", "-r 11025 -b 8 -c 2", "0.1 sine 440 sine 661"));
  ASSERT_EQ(0, Sox(aplankas / "b.wav", "-r 44100 -b 16 -c 1", "0.3 sine 300"));
  Rasyti(aplankas / "c.wav", Riff(FmtBlokas(2, 16, 48000)));
  KWav wav;
  ASSERT_EQ("", Klaida(wav, aplankas / "a.wav"));
  EXPECT_EQ(uint32_t(AL_FORMAT_STEREO8), wav.alFormatas);
  EXPECT_EQ(11025u, wav.daznis);
  EXPECT_EQ(1103u * 2, wav.blokoDydis);
  // The second load without a release in between must not keep the first's data.
  ASSERT_EQ("", Klaida(wav, aplankas / "b.wav"));
  EXPECT_EQ(uint32_t(AL_FORMAT_MONO16), wav.alFormatas);
  EXPECT_EQ(44100u, wav.daznis);
  EXPECT_EQ(1, wav.kanalai);
  EXPECT_EQ(13230u * 2, wav.blokoDydis);
  // A file whose data is missing is not reported as loaded with the previous file's data.
  EXPECT_EQ("nerastas 'data' blokas", Klaida(wav, aplankas / "c.wav"));
  EXPECT_FALSE(wav.duomenysRasti);
  EXPECT_EQ(nullptr, wav.duomenys);
  ASSERT_EQ("", Klaida(wav, aplankas / "a.wav"));
  EXPECT_EQ(uint32_t(AL_FORMAT_STEREO8), wav.alFormatas);
}

#ifdef __linux__
// Every way out of a load, thrown or not, closes the file.
TEST(KWav, TheFileIsAlwaysClosed) {
  fs::path aplankas = TestoAplankas();
  ASSERT_EQ(0, Sox(aplankas / "geras.wav", "-r 8000 -b 16 -c 1"));
  ASSERT_EQ(0, Sox(aplankas / "ulaw.wav", "-r 8000 -c 1 -e u-law"));
  Rasyti(aplankas / "tuscias.wav", {});
  Rasyti(aplankas / "be_duomenu.wav", Riff(FmtBlokas()));
  auto Atviri = [] {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator("/proc/self/fd")) ++n;
    return n;
  };
  KWav wav;
  size_t pries = Atviri();
  for (int k = 0; k < 20; ++k)
    for (const char* v : {"geras.wav", "ulaw.wav", "tuscias.wav", "be_duomenu.wav", "nera.wav"})
      Klaida(wav, aplankas / v);
  EXPECT_EQ(pries, Atviri());
}
#endif

#pragma once
// Files for the audio tests: a fresh folder per test, external tools (sox, oggenc,
// oggdec) run at test time (replayed in the Windows build: tests/common/IsorinisIrankis.h),
// and raw byte helpers for hand-built files.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace garso_failai {

using Baitai = std::vector<unsigned char>;

// An empty folder for the running test, under the build folder.
std::filesystem::path TestoAplankas();

// Runs a shell command with its output discarded; returns the exit status.
int Vykdyti(const std::string& komanda);

Baitai Skaityti(const std::filesystem::path& kelias);
void Rasyti(const std::filesystem::path& kelias, const Baitai& baitai);

// sox writes `kelias` from a synthesised signal: `formatas` holds the output
// options (e.g. "-r 22050 -b 16 -c 2"), `signalas` the synth effect's arguments.
int Sox(const std::filesystem::path& kelias, const std::string& formatas,
        const std::string& signalas = "0.25 sine 440 sine 661 gain -1");

// The sample frames of a WAV as sox decodes them, as 16-bit little-endian PCM.
int SoxI16(const std::filesystem::path& wav, Baitai& i);

// A WAV made by sox, encoded by oggenc; `oggdec -R` gives the reference PCM.
int Ogg(const std::filesystem::path& ogg, const std::string& formatas, const std::string& signalas);
int OggDec(const std::filesystem::path& ogg, Baitai& pcm);

// Little-endian writers for hand-built files.
void U16(Baitai& b, uint32_t v);
void U32(Baitai& b, uint32_t v);
void Id(Baitai& b, const char* id);
// A chunk: identifier, size field, payload, and a pad byte after an odd payload
// when `pad` is true. `dydis` overrides the size field when not ~0u.
void Blokas(Baitai& b, const char* id, const Baitai& turinys, bool pad = true, uint32_t dydis = ~0u);
Baitai Fmt(uint16_t zyme, uint16_t kanalai, uint32_t daznis, uint16_t bitai);

// Splits a WAV into its RIFF chunks (identifier and payload); false if it is not
// a well-formed RIFF file.
struct Gabalas {
  std::string id;
  Baitai turinys;
};
bool Isskaidyti(const Baitai& wav, std::vector<Gabalas>& gabalai);
Baitai Sudeti(const std::vector<Gabalas>& gabalai, bool pad = true);

}  // namespace garso_failai

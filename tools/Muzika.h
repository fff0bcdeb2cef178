#pragma once
// The music track: a march in D minor composed here, rendered to stereo and encoded
// as Ogg Vorbis.
#include <cstdint>
#include <string>
#include <vector>

namespace Muzika {
constexpr int DAZNIS = 44100;
// The game streams the track in chunks of 16,384 stereo frames and drops whatever
// is left after the last whole chunk, so the loop is a whole number of chunks long.
constexpr int GABALO_KADRAI = 16384;
constexpr int GABALAI = 88;
constexpr int KADRAI = GABALO_KADRAI * GABALAI;  // 32.7 s
constexpr int TAKTAI = 16;
constexpr int TAKTO_DALYS = 4;
constexpr int DALIES_KADRAI = KADRAI / (TAKTAI * TAKTO_DALYS);

// Interleaved left/right samples of one seamless pass of the loop.
std::vector<float> Kurti();
// The track under the battle's sounds: the same music brought down to a steady level
// of FONO_RMS, so that a shot or an explosion stands well above it.
constexpr double FONO_RMS = 0.07;
std::vector<float> Fonui(std::vector<float> stereo);
// Same input, same bytes: the stream serial number is fixed.
bool RasytiOgg(const std::string& kelias, const std::vector<float>& stereo, int daznis);
}  // namespace Muzika

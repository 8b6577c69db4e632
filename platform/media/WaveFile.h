#pragma once
// RIFF wave images: the format block and the sample data, read with every length
// checked against the bytes that are there, and written back.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gb {

struct WaveFormat {
    uint16_t formatTag = 1; // 1: PCM
    uint16_t channels = 1;
    uint32_t samplesPerSec = 11025;
    uint32_t bytesPerSec = 11025;
    uint16_t blockAlign = 1;
    uint16_t bitsPerSample = 8;
};

struct WaveImage {
    WaveFormat format;
    std::string_view data; // the sample bytes, inside the parsed image
};

// The format and data of a RIFF WAVE image; nullopt when it is not one or is cut short
// before its format block. A data chunk longer than the image is cut to what is there.
std::optional<WaveImage> ParseWave(std::string_view image);

// True when `image` starts like a RIFF WAVE image.
bool LooksLikeWave(std::string_view image);

// A RIFF WAVE image of `format` holding `data`.
std::string BuildWave(const WaveFormat& format, std::string_view data);

} // namespace gb

#include "WaveFile.h"

namespace gb {
namespace {

uint32_t Read32(std::string_view bytes, size_t at) {
    auto b = [&](size_t i) { return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i])); };
    return b(0) | (b(1) << 8) | (b(2) << 16) | (b(3) << 24);
}

uint16_t Read16(std::string_view bytes, size_t at) {
    auto b = [&](size_t i) { return static_cast<uint16_t>(static_cast<unsigned char>(bytes[at + i])); };
    return static_cast<uint16_t>(b(0) | (b(1) << 8));
}

void Put32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void Put16(std::string& out, uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

} // namespace

bool LooksLikeWave(std::string_view image) {
    return image.size() >= 12 && image.substr(0, 4) == "RIFF" && image.substr(8, 4) == "WAVE";
}

std::optional<WaveImage> ParseWave(std::string_view image) {
    if (!LooksLikeWave(image)) return std::nullopt;
    WaveImage wave;
    bool haveFormat = false;
    bool haveData = false;
    size_t at = 12;
    while (at + 8 <= image.size()) {
        std::string_view id = image.substr(at, 4);
        size_t length = Read32(image, at + 4);
        size_t body = at + 8;
        size_t available = image.size() - body;
        if (id == "fmt ") {
            if (length < 16 || available < 16) return std::nullopt;
            wave.format.formatTag = Read16(image, body);
            wave.format.channels = Read16(image, body + 2);
            wave.format.samplesPerSec = Read32(image, body + 4);
            wave.format.bytesPerSec = Read32(image, body + 8);
            wave.format.blockAlign = Read16(image, body + 12);
            wave.format.bitsPerSample = Read16(image, body + 14);
            haveFormat = true;
        } else if (id == "data" && !haveData) {
            wave.data = image.substr(body, length < available ? length : available);
            haveData = true;
        }
        if (length >= available) break;
        at = body + length + (length & 1);
    }
    if (!haveFormat) return std::nullopt;
    return wave;
}

std::string BuildWave(const WaveFormat& format, std::string_view data) {
    std::string out;
    out.reserve(44 + data.size() + 1);
    out += "RIFF";
    Put32(out, static_cast<uint32_t>(36 + data.size() + (data.size() & 1)));
    out += "WAVEfmt ";
    Put32(out, 16);
    Put16(out, format.formatTag);
    Put16(out, format.channels);
    Put32(out, format.samplesPerSec);
    Put32(out, format.bytesPerSec);
    Put16(out, format.blockAlign);
    Put16(out, format.bitsPerSample);
    out += "data";
    Put32(out, static_cast<uint32_t>(data.size()));
    out.append(data);
    if (data.size() & 1) out.push_back('\0');
    return out;
}

} // namespace gb

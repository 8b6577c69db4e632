#pragma once
// Small media files made by the tests: a wave file of a known length and a tiny MIDI
// file, written into a temporary folder.
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>

namespace gb::testing {

// 16-bit mono PCM at `rate` samples a second, a 440 Hz tone of `milliseconds`.
inline std::string ToneWave(int milliseconds, int rate = 8000, int channels = 1) {
    const uint32_t frames = static_cast<uint32_t>(rate) * static_cast<uint32_t>(milliseconds) / 1000;
    std::string data;
    for (uint32_t i = 0; i < frames; ++i) {
        auto sample = static_cast<int16_t>(6000 * std::sin(2 * M_PI * 440 * i / rate));
        for (int c = 0; c < channels; ++c) {
            data.push_back(static_cast<char>(sample & 0xFF));
            data.push_back(static_cast<char>((sample >> 8) & 0xFF));
        }
    }
    auto put32 = [](std::string& s, uint32_t v) { for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>(v >> (8 * i))); };
    auto put16 = [](std::string& s, uint16_t v) { s.push_back(static_cast<char>(v)); s.push_back(static_cast<char>(v >> 8)); };
    std::string out = "RIFF";
    put32(out, 36 + static_cast<uint32_t>(data.size()));
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1);
    put16(out, static_cast<uint16_t>(channels));
    put32(out, static_cast<uint32_t>(rate));
    put32(out, static_cast<uint32_t>(rate * 2 * channels));
    put16(out, static_cast<uint16_t>(2 * channels));
    put16(out, 16);
    out += "data";
    put32(out, static_cast<uint32_t>(data.size()));
    return out + data;
}

// A format-0 MIDI file, 480 ticks a quarter note at 120 beats a minute (the default),
// one note of `quarters` quarter notes: 500 ms a quarter.
inline std::string TinyMidi(int quarters = 1) {
    const uint32_t ticks = 480u * static_cast<uint32_t>(quarters);
    std::string track = {'\x00', '\xC0', '\x00', '\x00', '\x90', '\x3C', '\x64'};
    // the delta time as a variable-length quantity
    std::string delta;
    delta.push_back(static_cast<char>(ticks & 0x7F));
    for (uint32_t v = ticks >> 7; v; v >>= 7) delta.insert(delta.begin(), static_cast<char>(0x80 | (v & 0x7F)));
    track += delta;
    track += std::string{'\x80', '\x3C', '\x00', '\x00', '\xFF', '\x2F', '\x00'};
    std::string out = "MThd";
    out += std::string{'\0', '\0', '\0', '\x06', '\0', '\0', '\0', '\x01', '\x01', '\xE0'};
    out += "MTrk";
    for (int i = 3; i >= 0; --i) out.push_back(static_cast<char>((track.size() >> (8 * i)) & 0xFF));
    return out + track;
}

inline std::string WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace gb::testing

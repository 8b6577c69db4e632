#include "MidiTiming.h"

#include <algorithm>

namespace gb {
namespace {

uint32_t BigEndian(std::string_view bytes, size_t at, int count) {
    uint32_t v = 0;
    for (int i = 0; i < count; ++i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

uint32_t LittleEndian32(std::string_view bytes, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

// A variable-length quantity; false when the track ends inside it.
bool ReadVarLen(std::string_view track, size_t& at, uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
        if (at >= track.size()) return false;
        unsigned char b = static_cast<unsigned char>(track[at++]);
        value = (value << 7) | (b & 0x7F);
        if (!(b & 0x80)) return true;
    }
    return false;
}

} // namespace

std::string_view StandardMidiOf(std::string_view image) {
    if (image.substr(0, 4) == "MThd") return image;
    if (image.size() < 12 || image.substr(0, 4) != "RIFF" || image.substr(8, 4) != "RMID") return {};
    size_t at = 12;
    while (at + 8 <= image.size()) {
        size_t length = LittleEndian32(image, at + 4);
        size_t body = at + 8;
        size_t available = image.size() - body;
        if (image.substr(at, 4) == "data") return image.substr(body, std::min(length, available));
        if (length >= available) break;
        at = body + length + (length & 1);
    }
    return {};
}

std::optional<MidiTiming> MidiTiming::Parse(std::string_view smf) {
    if (smf.size() < 14 || smf.substr(0, 4) != "MThd") return std::nullopt;
    uint32_t headerLength = BigEndian(smf, 4, 4);
    uint16_t division = static_cast<uint16_t>(BigEndian(smf, 12, 2));
    if (headerLength < 6 || division == 0 || (division & 0x8000)) return std::nullopt;
    MidiTiming timing;
    timing.division_ = division;
    size_t at = 8 + static_cast<size_t>(headerLength);
    while (at + 8 <= smf.size()) {
        size_t length = BigEndian(smf, at + 4, 4);
        size_t body = at + 8;
        std::string_view track = smf.substr(body, std::min(length, smf.size() - body));
        if (smf.substr(at, 4) == "MTrk") {
            size_t p = 0;
            uint64_t tick = 0;
            unsigned char running = 0;
            while (p < track.size()) {
                uint32_t delta = 0;
                if (!ReadVarLen(track, p, delta) || p >= track.size()) break;
                tick += delta;
                unsigned char status = static_cast<unsigned char>(track[p]);
                if (status & 0x80) ++p;
                else status = running;
                if (status == 0xFF) {
                    if (p >= track.size()) break;
                    unsigned char type = static_cast<unsigned char>(track[p++]);
                    uint32_t size = 0;
                    if (!ReadVarLen(track, p, size) || size > track.size() - p) break;
                    if (type == 0x51 && size == 3) timing.tempos_.push_back({tick, BigEndian(track, p, 3)});
                    if (type == 0x2F) break;
                    p += size;
                } else if (status == 0xF0 || status == 0xF7) {
                    uint32_t size = 0;
                    if (!ReadVarLen(track, p, size) || size > track.size() - p) break;
                    p += size;
                } else if (status >= 0x80) {
                    running = status;
                    int data = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
                    p += static_cast<size_t>(data);
                } else {
                    break; // data byte without any status before it
                }
            }
        }
        if (length >= smf.size() - body) break;
        at = body + length;
    }
    std::stable_sort(timing.tempos_.begin(), timing.tempos_.end(),
                     [](const Tempo& a, const Tempo& b) { return a.tick < b.tick; });
    if (timing.tempos_.empty() || timing.tempos_.front().tick != 0)
        timing.tempos_.insert(timing.tempos_.begin(), Tempo{0, 500000}); // 120 beats a minute
    for (Tempo& t : timing.tempos_)
        if (t.microsecondsPerQuarter == 0) t.microsecondsPerQuarter = 1;
    return timing;
}

double MidiTiming::MillisecondsAt(uint64_t tick) const {
    double ms = 0;
    for (size_t i = 0; i < tempos_.size(); ++i) {
        uint64_t from = tempos_[i].tick;
        if (tick <= from) break;
        uint64_t to = i + 1 < tempos_.size() ? std::min(tick, tempos_[i + 1].tick) : tick;
        ms += static_cast<double>(to - from) * tempos_[i].microsecondsPerQuarter / 1000.0 / division_;
    }
    return ms;
}

uint64_t MidiTiming::TickAt(double milliseconds) const {
    double ms = 0;
    for (size_t i = 0; i < tempos_.size(); ++i) {
        double perTick = tempos_[i].microsecondsPerQuarter / 1000.0 / division_;
        bool last = i + 1 == tempos_.size();
        double span = last ? 0 : static_cast<double>(tempos_[i + 1].tick - tempos_[i].tick) * perTick;
        if (last || milliseconds < ms + span)
            return tempos_[i].tick + static_cast<uint64_t>((milliseconds - ms) / perTick + 1e-9);
        ms += span;
    }
    return 0;
}

} // namespace gb

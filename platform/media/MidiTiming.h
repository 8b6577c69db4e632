#pragma once
// The timing of a standard MIDI file: its ticks per quarter note and its tempo
// changes, enough to turn milliseconds into song positions (sixteenth notes) and back.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace gb {

class MidiTiming {
public:
    // Reads the header and the tempo events of every track; nullopt for an image that
    // is not a standard MIDI file or uses SMPTE time division. Every length is
    // checked against the bytes that are there; a track cut short ends where it is cut.
    static std::optional<MidiTiming> Parse(std::string_view smf);

    uint16_t Division() const { return division_; }
    double MillisecondsAt(uint64_t tick) const;
    uint64_t TickAt(double milliseconds) const;

    // Song positions count sixteenth notes.
    uint64_t SongPointerAt(double milliseconds) const { return TickAt(milliseconds) * 4 / division_; }
    double MillisecondsAtSongPointer(uint64_t pointer) const { return MillisecondsAt(pointer * division_ / 4); }

private:
    struct Tempo {
        uint64_t tick;
        uint32_t microsecondsPerQuarter;
    };
    uint16_t division_ = 96;
    std::vector<Tempo> tempos_; // sorted by tick, the first at tick 0
};

// The standard MIDI file inside `image`: the image itself when it starts with "MThd",
// the data chunk of a RIFF MIDI (RMID) image, else empty.
std::string_view StandardMidiOf(std::string_view image);

} // namespace gb

// Reading wave and MIDI images: lengths are checked against the bytes that are there.
#include "MediaFixtures.h"
#include "platform/media/MidiTiming.h"
#include "platform/media/WaveFile.h"

#include <gtest/gtest.h>

namespace gb {
namespace {

using namespace gb::testing;

TEST(WaveFile, ReadsFormatAndDataAndSurvivesDamage) {
    std::string wave = ToneWave(100, 8000, 2);
    auto parsed = ParseWave(wave);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->format.channels, 2);
    EXPECT_EQ(parsed->format.samplesPerSec, 8000u);
    EXPECT_EQ(parsed->data.size(), 3200u);
    EXPECT_EQ(BuildWave(parsed->format, parsed->data), wave);

    // A data chunk that claims more than the file holds is cut to what is there.
    auto cut = ParseWave(wave.substr(0, 44 + 100));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->data.size(), 100u);
    // Not a wave, or cut before the format block.
    for (std::string bad : {std::string(), std::string("RIFF"), wave.substr(0, 30), std::string("RIFF\x04\0\0\0WAVX", 12)})
        EXPECT_FALSE(ParseWave(bad)) << bad.size();
    // A chunk length near 4 GiB must not wrap the reading position.
    std::string huge = wave.substr(0, 12) + "junk" + std::string("\xF8\xFF\xFF\xFF", 4) + wave.substr(12);
    EXPECT_FALSE(ParseWave(huge));
}

TEST(MidiTiming, SongPositionsFollowTheTempo) {
    auto timing = MidiTiming::Parse(TinyMidi(2));
    ASSERT_TRUE(timing);
    EXPECT_EQ(timing->Division(), 480);
    EXPECT_EQ(timing->SongPointerAt(1000), 8u);
    EXPECT_DOUBLE_EQ(timing->MillisecondsAtSongPointer(4), 500);

    // A tempo change to 60 beats a minute after the first quarter note.
    std::string smf = TinyMidi(4);
    std::string tempo = {'\x83', '\x60', '\xFF', '\x51', '\x03', '\x0F', '\x42', '\x40'}; // at tick 480: 1 000 000 µs
    std::string track = std::string("\x00\xFF\x2F\x00", 4);
    std::string second = "MTrk";
    std::string body = tempo + track;
    for (int i = 3; i >= 0; --i) second.push_back(static_cast<char>((body.size() >> (8 * i)) & 0xFF));
    smf[11] = 2; // two tracks
    smf += second + body;
    timing = MidiTiming::Parse(smf);
    ASSERT_TRUE(timing);
    EXPECT_DOUBLE_EQ(timing->MillisecondsAt(480), 500);
    EXPECT_DOUBLE_EQ(timing->MillisecondsAt(960), 1500);
    EXPECT_EQ(timing->TickAt(1500), 960u);
}

TEST(MidiTiming, DamagedFilesAreRefusedOrCutWithoutReadingPastTheEnd) {
    std::string smf = TinyMidi(1);
    for (size_t size = 0; size < smf.size(); ++size) (void)MidiTiming::Parse(smf.substr(0, size));
    std::string smpte = smf;
    smpte[12] = static_cast<char>(0xE7); // SMPTE division
    EXPECT_FALSE(MidiTiming::Parse(smpte));
    EXPECT_FALSE(MidiTiming::Parse("MThd"));
    // A RIFF MIDI image whose data chunk claims more than there is.
    std::string rmi = std::string("RIFF\x10\0\0\0RMIDdata\xFF\xFF\xFF\x7F", 20) + smf;
    EXPECT_EQ(StandardMidiOf(rmi).size(), smf.size());
    EXPECT_TRUE(StandardMidiOf("RIFF....WAVE").empty());
}

} // namespace
} // namespace gb

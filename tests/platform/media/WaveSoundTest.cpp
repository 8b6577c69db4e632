// Wave sounds and the MIDI output, with the fake audio output.
#include "MediaFixtures.h"
#include "platform/media/AudioOutput.h"
#include "platform/media/MidiOutput.h"
#include "platform/media/WaveSound.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace gb {
namespace {

using namespace gb::testing;

TEST(WaveSound, SynchronousSoundHasEndedWhenTheCallReturns) {
    SetAudioOutput(AudioOutput::Fake);
    EXPECT_TRUE(PlayWaveImage(ToneWave(150), SND_SYNC | SND_MEMORY));
    EXPECT_FALSE(IsWaveSoundPlaying());
}

TEST(WaveSound, AsynchronousSoundPlaysUntilStoppedOrReplaced) {
    SetAudioOutput(AudioOutput::Fake);
    QTemporaryDir dir;
    std::string path = WriteFile(dir.filePath("loop.wav").toStdString(), ToneWave(100));
    ASSERT_TRUE(PlayWaveFile(path, SND_ASYNC | SND_LOOP));
    EXPECT_TRUE(IsWaveSoundPlaying());
    EXPECT_FALSE(PlayWaveFile(path, SND_ASYNC | SND_NOSTOP)); // the looping sound is not cut off
    EXPECT_TRUE(IsWaveSoundPlaying());
    EXPECT_TRUE(PlayWaveFile("", 0)); // no file: stop
    EXPECT_FALSE(IsWaveSoundPlaying());
}

TEST(WaveSound, WhatIsNoPcmWaveIsRefused) {
    SetAudioOutput(AudioOutput::Fake);
    EXPECT_FALSE(PlayWaveImage("not a wave at all", SND_SYNC));
    EXPECT_FALSE(PlayWaveImage(ToneWave(0), SND_SYNC)); // no samples
    EXPECT_FALSE(PlayWaveFile("/no/such/file.wav", SND_SYNC));
    std::string adpcm = ToneWave(50);
    adpcm[20] = 2; // format tag 2
    EXPECT_FALSE(PlayWaveImage(adpcm, SND_SYNC));
}

TEST(MidiOutput, NotesAndProgramsReachTheSynthesizer) {
    SetAudioOutput(AudioOutput::Fake);
    MidiOutHandle handle = 0;
    EXPECT_EQ(MidiOutOpen(handle, 7), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(handle, 0u);
    EXPECT_EQ(MidiOutShortMsg(0, 0x90 + 60 * 256 + 100 * 65536), MMSYSERR_INVALHANDLE);
    if (MidiOutGetNumDevs() == 0) GTEST_SKIP() << "no General MIDI sound font";
    ASSERT_EQ(MidiOutOpen(handle, MIDI_MAPPER), MMSYSERR_NOERROR);
    EXPECT_NE(handle, 0u);
    EXPECT_EQ(MidiOutShortMsg(handle, 0xC0 + 24 * 256), MMSYSERR_NOERROR);
    EXPECT_EQ(MidiOutProgram(handle, 0), 24);
    EXPECT_EQ(MidiOutActiveVoices(handle), 0);
    EXPECT_EQ(MidiOutShortMsg(handle, 0x90 + 60 * 256 + 100 * 65536), MMSYSERR_NOERROR);
    EXPECT_GT(MidiOutActiveVoices(handle), 0);
    EXPECT_EQ(MidiOutClose(handle), MMSYSERR_NOERROR);
    EXPECT_EQ(MidiOutClose(handle), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(MidiOutProgram(handle, 0), -1);
}

} // namespace
} // namespace gb

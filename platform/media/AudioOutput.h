#pragma once
// Where the program's sound goes. On a desktop that is the sound server or the sound
// card; with no audio device, and in tests, a sink that discards the samples but still
// consumes them in real time, so that playing media has the same modes, positions and
// lengths either way.
namespace gb {

enum class AudioOutput {
    Automatic, // the desktop's audio device when there is one, else the fake sink
    Fake,      // always the real-time fake sink
};

// The environment variable GLIMMERBOX_AUDIO=fake chooses Fake at start; tests may set
// it directly. Affects media opened afterwards.
void SetAudioOutput(AudioOutput output);
AudioOutput CurrentAudioOutput();

// True when playback reaches a real audio device (probed once).
bool HasAudioDevice();

} // namespace gb

#pragma once
// The platform's simple wave-sound calls: one sound at a time, from a wave file or a
// wave image in memory, played to the end before the call returns (synchronous) or in
// the background (asynchronous, optionally looping). Starting a sound stops the one
// before it.
#include <cstdint>
#include <string>
#include <string_view>

namespace gb {

enum SoundFlag : uint32_t {
    SND_SYNC = 0x0000,
    SND_ASYNC = 0x0001,
    SND_NODEFAULT = 0x0002,
    SND_MEMORY = 0x0004,
    SND_LOOP = 0x0008,
    SND_NOSTOP = 0x0010,
};

// Plays the wave file `path`; an empty path stops the sound that plays. False when the
// file is missing or no PCM wave, or when SND_NOSTOP finds a sound still playing.
bool PlayWaveFile(const std::string& path, uint32_t flags);

// Plays a wave image held in memory (the bytes are copied).
bool PlayWaveImage(std::string_view image, uint32_t flags);

// Stops the sound that plays, if any.
void StopWaveSound();

// True while a sound plays.
bool IsWaveSoundPlaying();

} // namespace gb

#pragma once
// The program's media object: named operations turned into media-control command
// strings, single MIDI notes, wave sounds from files and from the program's own
// resources, and the millisecond clock. Every window that plays media owns one.
//
// Error policy (`Exception`) for a command string the platform rejects: 1 raises a
// MediaError with the MCI code and its text; 2 and 3 ignore the failure (the reply is
// then normally empty); any other value, 0 included, ends the program at once.
#include "platform/WindowHandle.h"
#include "platform/media/MidiOutput.h"

#include <cstdint>
#include <functional>
#include <string>

namespace gb {

// Media types of Load, sent as device types.
enum MediaType : int32_t {
    MediaWaveAudio = 0,
    MediaSequencer = 1,
    MediaCdAudio = 2,
    MediaAviVideo = 3,
    MediaOverlay = 4,
    MediaMpegVideo = 5,
    MediaMpegAudio = 6,
};

// Time formats of `Format`; 6 stands for any other.
enum MediaTimeFormat : int32_t {
    FormatMs = 0,
    FormatMilliseconds = 1,
    FormatMsf = 2,
    FormatTmsf = 3,
    FormatSongPointer = 4,
    FormatFrames = 5,
    FormatOther = 6,
};

// Play modes of `Status`.
enum MediaMode : int32_t { ModePlaying = 0, ModePaused = 1, ModeStopped = 2 };

// Where command strings go: the platform's interpreter, unless a test puts its own
// sender in its place (an empty function restores the platform's).
using MediaCommandSender = std::function<uint32_t(const std::string& command, std::string& reply)>;
void SetMediaCommandSender(MediaCommandSender sender);

class ClassMultimedia {
public:
    int32_t Exception = 0;

    // Core.
    std::string Post(const std::string& command);
    int32_t Request(int16_t ID, int16_t mmInfo, int32_t wParam, std::intptr_t lParam);

    // Devices, by alias.
    void Load(int32_t Media, const std::string& Alias, const std::string& Path);
    void Unload(const std::string& Alias);
    void Save(const std::string& Alias, const std::string& Path);
    std::string Title(const std::string& Alias);
    bool HasAudio(const std::string& Alias);
    bool HasVideo(const std::string& Alias);
    bool IsReady(const std::string& Alias);
    void Play(const std::string& Alias, const std::string& Begin = {}, const std::string& Finish = {});
    void Record(const std::string& Alias, int32_t Mode, const std::string& Begin = {}, const std::string& Finish = {});
    void Break(const std::string& Alias);
    void Pause(const std::string& Alias, int32_t Power);
    void Jump(const std::string& Alias, const std::string& Skip);
    int32_t Format(const std::string& Alias);
    void Format(const std::string& Alias, int32_t value);
    std::string Length(const std::string& Alias);
    std::string Current(const std::string& Alias);
    int32_t Status(const std::string& Alias);
    void Eject(const std::string& Alias, int32_t Mode);
    int16_t Track(const std::string& Alias);
    void Track(const std::string& Alias, int16_t track);
    int16_t Tracks(const std::string& Alias);
    int32_t Channel(const std::string& Alias);
    void Channel(const std::string& Alias, int32_t value);
    uint8_t Bit(const std::string& Alias);
    void Bit(const std::string& Alias, uint8_t value);
    int32_t Hertz(const std::string& Alias);
    void Hertz(const std::string& Alias, int32_t value);
    void Handle(const std::string& Alias, int32_t window);
    int16_t X(const std::string& Alias);
    int16_t Y(const std::string& Alias);
    void Zoom(const std::string& Alias, int16_t percent);

    // Clock, MIDI notes and wave sounds.
    uint32_t Timer();
    void Wait(int32_t Milliseconds);
    void MidiMapper(int32_t Power, int32_t ID);
    void StrikeKeyboard(uint8_t Note, uint8_t Program, uint8_t Volume);
    void Sound(const std::string& Path, int32_t Flags);
    void Mute();
    void SoundFromResource(int16_t ID, const std::string& ResType, int32_t Flags);

    // The MIDI output handle (0 while none is open).
    MidiOutHandle MidiHandle() const { return midiOut_; }

private:
    MidiOutHandle midiOut_ = 0;
};

// The width or height Zoom writes: percent / 100 × size in single precision, in the
// shortest decimal form of up to seven significant digits, without exponent.
std::string ZoomedSize(int16_t percent, int16_t size);

} // namespace gb

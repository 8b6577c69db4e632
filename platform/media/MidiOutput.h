#pragma once
// MIDI output devices: this platform has one, a FluidSynth synthesiser with the General
// MIDI sound font, heard through the audio output. Results are the platform's
// multimedia error numbers.
#include <cstdint>

namespace gb {

enum MmResult : uint32_t {
    MMSYSERR_NOERROR = 0,
    MMSYSERR_ERROR = 1,
    MMSYSERR_BADDEVICEID = 2,
    MMSYSERR_INVALHANDLE = 5,
    MMSYSERR_NODRIVER = 6,
};

using MidiOutHandle = std::uintptr_t;
constexpr uint32_t MIDI_MAPPER = 0xFFFFFFFFu;

// The number of MIDI output devices: 1 when a General MIDI sound font is installed.
uint32_t MidiOutGetNumDevs();

// Opens device `id` (0, or MIDI_MAPPER for the default device) into `handle`.
uint32_t MidiOutOpen(MidiOutHandle& handle, uint32_t id);
uint32_t MidiOutClose(MidiOutHandle handle);

// Sends one short message: status byte in the low byte, then the two data bytes.
uint32_t MidiOutShortMsg(MidiOutHandle handle, uint32_t message);

// What the synthesiser of `handle` holds now: the program of `channel` (0-15) and the
// number of sounding voices; -1 for an unknown handle.
int MidiOutProgram(MidiOutHandle handle, int channel);
int MidiOutActiveVoices(MidiOutHandle handle);

} // namespace gb

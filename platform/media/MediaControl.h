#pragma once
// The media control interface of this platform: command strings ("open ... alias x",
// "play x from 0", "status x mode" ...) interpreted by our own interpreter over
// GStreamer. Device types: "waveaudio" (RIFF wave files), "sequencer" (MIDI files,
// played by FluidSynth with a General MIDI sound font) and "mpegvideo" (MP3, MPEG and
// whatever else GStreamer decodes). Words compare without regard to letter case;
// replies are texts; failures are MCI error codes (MciError.h). Everything runs on the
// calling thread; PLAY returns at once unless it carries WAIT.
#include "MciError.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace gb {

// Sends one command string. `reply` receives the reply text; a reply that does not fit
// `replySize` bytes (its code page 932 form and a terminating zero) fails with
// MCIERR_PARAM_OVERFLOW. `callback` is the window for NOTIFY, which this platform
// accepts and does not use. Returns 0 or an MCI error code.
uint32_t MciSendString(std::string_view command, std::string& reply, size_t replySize = 256, std::intptr_t callback = 0);

// Command messages of the structured form, with the platform's numbers.
enum MciMessage : uint16_t {
    MCI_CLOSE = 0x0804,
    MCI_PLAY = 0x0806,
    MCI_SEEK = 0x0807,
    MCI_STOP = 0x0808,
    MCI_PAUSE = 0x0809,
    MCI_RESUME = 0x0855,
};
enum MciFlag : uint32_t {
    MCI_NOTIFY = 0x1,
    MCI_WAIT = 0x2,
    MCI_FROM = 0x4,
    MCI_TO = 0x8,
    MCI_SEEK_TO_START = 0x100,
    MCI_SEEK_TO_END = 0x200,
};
constexpr uint16_t MCI_ALL_DEVICE_ID = 0xFFFF;

// Sends one command message to the device with the id that OPEN replied. This
// platform carries out the messages above that need no parameter block (PLAY from
// the current position to the end, SEEK to the start or the end); positions in a
// parameter block are not read, and such a call fails with MCIERR_UNSUPPORTED_FUNCTION.
uint32_t MciSendCommand(uint16_t device, uint16_t message, uint32_t flags, std::intptr_t parameters);

// The id of the device open under `alias`; 0 when there is none.
uint16_t MciGetDeviceID(std::string_view alias);

} // namespace gb

#include "ClassMultimedia.h"

#include "MediaError.h"
#include "platform/Clock.h"
#include "platform/ErrorRecord.h"
#include "platform/media/MciCommand.h"
#include "platform/media/MediaControl.h"
#include "platform/media/WaveSound.h"
#include "resources/sounds/SoundResources.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string_view>

namespace gb {
namespace {

MediaCommandSender& Sender() {
    static MediaCommandSender sender;
    return sender;
}

[[noreturn]] void Raise(long number, const std::string& description) {
    Err().Clear();
    Err().Raise(number, description, "ClassMultimedia");
    throw MediaError(number, description);
}

// A command of words separated by one space each; empty parts are left out.
std::string Command(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (std::string_view part : parts) {
        if (part.empty()) continue;
        if (!out.empty()) out += ' ';
        out += part;
    }
    return out;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// A reply read as a number of the given range, as the runtime converts text: blanks
// around it are allowed, a fraction is rounded half to even; an empty or non-numeric
// text is a type mismatch, a number outside the range an overflow.
long ReplyNumber(const std::string& reply, long low, long high) {
    size_t begin = reply.find_first_not_of(' ');
    size_t end = reply.find_last_not_of(' ');
    if (begin == std::string::npos) Raise(kTypeMismatchError, "型が一致しません。");
    std::string text = reply.substr(begin, end - begin + 1);
    char* stop = nullptr;
    double value = std::strtod(text.c_str(), &stop);
    if (stop == text.c_str() || *stop != '\0' || !std::isfinite(value) || text.find_first_of("xXnN") != std::string::npos)
        Raise(kTypeMismatchError, "型が一致しません。");
    double rounded = std::nearbyint(value);
    if (rounded < static_cast<double>(low) || rounded > static_cast<double>(high))
        Raise(kOverflowError, "オーバーフローしました。");
    return static_cast<long>(rounded);
}

// The reply of WHERE ... DESTINATION cut at its spaces: "left top width height".
std::string DestinationPart(const std::string& reply, bool height) {
    size_t first = reply.find(' ');
    size_t second = first == std::string::npos ? first : reply.find(' ', first + 1);
    size_t third = second == std::string::npos ? second : reply.find(' ', second + 1);
    if (third == std::string::npos) Raise(kInvalidArgumentError, "プロシージャの呼び出し、または引数が正しくありません。");
    return height ? reply.substr(third + 1) : reply.substr(second + 1, third - second - 1);
}

const char* TypeWord(int32_t media) {
    switch (media) {
    case MediaWaveAudio: return "WAVEAUDIO";
    case MediaSequencer: return "SEQUENCER";
    case MediaCdAudio: return "CDAUDIO";
    case MediaAviVideo: return "AVIVIDEO";
    case MediaOverlay: return "OVERLAY";
    case MediaMpegVideo:
    case MediaMpegAudio: return "MPEGVIDEO";
    default: return "";
    }
}

constexpr const char* kFormatWords[] = {"MS", "MILLISECONDS", "MSF", "TMSF", "SONG POINTER", "FRAMES"};

} // namespace

void SetMediaCommandSender(MediaCommandSender sender) { Sender() = std::move(sender); }

std::string ClassMultimedia::Post(const std::string& command) {
    std::string reply;
    uint32_t code = Sender() ? Sender()(command, reply) : MciSendString(command, reply, 255);
    reply = reply.substr(0, reply.find('\0'));
    if (code != 0) {
        std::string text;
        MciGetErrorString(code, text);
        switch (Exception) {
        case 1: Raise(static_cast<long>(code), text);
        case 2:
        case 3: break;
        default:
            // The policy of a media object nobody set up: the program ends here.
            std::fflush(nullptr);
            std::_Exit(EXIT_FAILURE);
        }
    }
    return reply;
}

int32_t ClassMultimedia::Request(int16_t ID, int16_t mmInfo, int32_t wParam, std::intptr_t lParam) {
    return static_cast<int32_t>(MciSendCommand(static_cast<uint16_t>(ID), static_cast<uint16_t>(mmInfo),
                                               static_cast<uint32_t>(wParam), lParam));
}

void ClassMultimedia::Load(int32_t Media, const std::string& Alias, const std::string& Path) {
    if (Path.empty()) Post(Command({"OPEN", TypeWord(Media), "ALIAS", Alias}));
    else Post(Command({"OPEN", Quoted(Path), "TYPE", TypeWord(Media), "ALIAS", Alias}));
}

void ClassMultimedia::Unload(const std::string& Alias) { Post(Command({"CLOSE", Alias})); }

void ClassMultimedia::Save(const std::string& Alias, const std::string& Path) {
    Post(Command({"SAVE", Alias, Quoted(Path)}));
}

std::string ClassMultimedia::Title(const std::string& Alias) { return Post(Command({"INFO", Alias, "PRODUCT"})); }

bool ClassMultimedia::HasAudio(const std::string& Alias) {
    return SameWord(Post(Command({"CAPABILITY", Alias, "HAS AUDIO"})), "TRUE");
}

bool ClassMultimedia::HasVideo(const std::string& Alias) {
    return SameWord(Post(Command({"CAPABILITY", Alias, "HAS VIDEO"})), "TRUE");
}

bool ClassMultimedia::IsReady(const std::string& Alias) {
    return SameWord(Post(Command({"STATUS", Alias, "MEDIA PRESENT"})), "TRUE");
}

void ClassMultimedia::Play(const std::string& Alias, const std::string& Begin, const std::string& Finish) {
    Post(Command({"PLAY", Alias, Begin.empty() ? "" : "FROM", Begin, Finish.empty() ? "" : "TO", Finish}));
}

void ClassMultimedia::Record(const std::string& Alias, int32_t Mode, const std::string& Begin, const std::string& Finish) {
    const char* how = Mode == 0 ? "INSERT" : Mode == 1 ? "OVERWRITE" : "";
    Post(Command({"RECORD", Alias, Begin.empty() ? "" : "FROM", Begin, Finish.empty() ? "" : "TO", Finish, how}));
}

void ClassMultimedia::Break(const std::string& Alias) { Post(Command({"STOP", Alias})); }

void ClassMultimedia::Pause(const std::string& Alias, int32_t Power) {
    if (Power == 0) Post(Command({"PAUSE", Alias}));
    else if (Power == 1) Post(Command({"RESUME", Alias}));
}

void ClassMultimedia::Jump(const std::string& Alias, const std::string& Skip) {
    Post(Command({"SEEK", Alias, "TO", Skip}));
}

int32_t ClassMultimedia::Format(const std::string& Alias) {
    std::string reply = Post(Command({"STATUS", Alias, "TIME FORMAT"}));
    for (int32_t i = 0; i < 6; ++i)
        if (SameWord(reply, kFormatWords[i])) return i;
    return FormatOther;
}

void ClassMultimedia::Format(const std::string& Alias, int32_t value) {
    if (value == FormatOther) return;
    Post(Command({"SET", Alias, "TIME FORMAT", value >= 0 && value < 6 ? kFormatWords[value] : ""}));
}

std::string ClassMultimedia::Length(const std::string& Alias) { return Post(Command({"STATUS", Alias, "LENGTH"})); }

std::string ClassMultimedia::Current(const std::string& Alias) { return Post(Command({"STATUS", Alias, "POSITION"})); }

int32_t ClassMultimedia::Status(const std::string& Alias) {
    std::string reply = Post(Command({"STATUS", Alias, "MODE"}));
    if (SameWord(reply, "PAUSED")) return ModePaused;
    if (SameWord(reply, "STOPPED")) return ModeStopped;
    return ModePlaying; // playing, and every other mode (seeking, not ready, open ...)
}

void ClassMultimedia::Eject(const std::string& Alias, int32_t Mode) {
    Post(Command({"SET", Alias, Mode == 0 ? "DOOR OPEN" : Mode == 1 ? "DOOR CLOSED" : ""}));
}

int16_t ClassMultimedia::Track(const std::string& Alias) {
    return static_cast<int16_t>(ReplyNumber(Post(Command({"STATUS", Alias, "CURRENT TRACK"})), -32768, 32767));
}

void ClassMultimedia::Track(const std::string& Alias, int16_t track) {
    Jump(Alias, Post(Command({"STATUS", Alias, "POSITION TRACK", std::to_string(track)})));
}

int16_t ClassMultimedia::Tracks(const std::string& Alias) {
    return static_cast<int16_t>(ReplyNumber(Post(Command({"STATUS", Alias, "NUMBER OF TRACKS"})), -32768, 32767));
}

int32_t ClassMultimedia::Channel(const std::string& Alias) {
    std::string reply = Post(Command({"STATUS", Alias, "CHANNELS"}));
    return reply == "1" ? 1 : reply == "2" ? 2 : 0;
}

void ClassMultimedia::Channel(const std::string& Alias, int32_t value) {
    Post(Command({"SET", Alias, "CHANNELS", value == 1 ? "1" : value == 2 ? "2" : ""}));
}

uint8_t ClassMultimedia::Bit(const std::string& Alias) {
    return static_cast<uint8_t>(ReplyNumber(Post(Command({"STATUS", Alias, "BITSPERSAMPLE"})), 0, 255));
}

void ClassMultimedia::Bit(const std::string& Alias, uint8_t value) {
    Post(Command({"SET", Alias, "BITSPERSAMPLE", std::to_string(value)}));
}

int32_t ClassMultimedia::Hertz(const std::string& Alias) {
    return static_cast<int32_t>(
        ReplyNumber(Post(Command({"STATUS", Alias, "BYTESPERSEC"})), -2147483647L - 1, 2147483647L));
}

void ClassMultimedia::Hertz(const std::string& Alias, int32_t value) {
    Post(Command({"SET", Alias, "BYTESPERSEC", std::to_string(value)}));
}

void ClassMultimedia::Handle(const std::string& Alias, int32_t window) {
    Post(Command({"WINDOW", Alias, "HANDLE", std::to_string(window)}));
}

int16_t ClassMultimedia::X(const std::string& Alias) {
    std::string reply = Post(Command({"WHERE", Alias, "DESTINATION"}));
    return static_cast<int16_t>(ReplyNumber(DestinationPart(reply, false), -32768, 32767));
}

int16_t ClassMultimedia::Y(const std::string& Alias) {
    std::string reply = Post(Command({"WHERE", Alias, "DESTINATION"}));
    return static_cast<int16_t>(ReplyNumber(DestinationPart(reply, true), -32768, 32767));
}

std::string ZoomedSize(int16_t percent, int16_t size) {
    float value = static_cast<float>(percent) / 100.0f * static_cast<float>(size);
    char text[64];
    std::snprintf(text, sizeof text, "%.7g", static_cast<double>(value));
    if (std::string_view(text).find('e') != std::string_view::npos) {
        // Seven significant digits of a large number, written out in full.
        int exponent = static_cast<int>(std::floor(std::log10(std::fabs(static_cast<double>(value)))));
        double unit = std::pow(10.0, exponent - 6);
        std::snprintf(text, sizeof text, "%.0f", std::round(static_cast<double>(value) / unit) * unit);
    }
    return text;
}

void ClassMultimedia::Zoom(const std::string& Alias, int16_t percent) {
    int16_t width = X(Alias);
    int16_t height = Y(Alias);
    Post(Command({"PUT", Alias, "DESTINATION AT 0 0", ZoomedSize(percent, width), ZoomedSize(percent, height)}));
}

uint32_t ClassMultimedia::Timer() { return TimeGetTime(); }

void ClassMultimedia::Wait(int32_t Milliseconds) {
    if (Milliseconds == 0) Raise(kDivisionByZeroError, "0 で除算しました。");
    const uint32_t start = Timer();
    const int64_t span = std::llabs(static_cast<int64_t>(Milliseconds));
    for (;;) {
        auto elapsed = static_cast<int32_t>(Timer() - start);
        if (elapsed / Milliseconds != 0) return;
        // Sleeping the time still missing keeps the processor free; the loop still
        // reads the clock until the time has passed and never runs the message loop.
        int64_t missing = span - elapsed;
        gb::Sleep(static_cast<uint32_t>(missing > 0 ? missing : 1));
    }
}

void ClassMultimedia::MidiMapper(int32_t Power, int32_t ID) {
    if (Power == 0) {
        // A second open replaces the first, whose synthesiser would otherwise be lost.
        if (midiOut_) MidiOutClose(midiOut_);
        midiOut_ = 0;
        if (MidiOutOpen(midiOut_, static_cast<uint32_t>(ID)) != MMSYSERR_NOERROR)
            Raise(kObjectError, "MIDI 出力デバイスを開けません。");
    } else if (Power == 1) {
        MidiOutClose(midiOut_);
        midiOut_ = 0;
    }
}

void ClassMultimedia::StrikeKeyboard(uint8_t Note, uint8_t Program, uint8_t Volume) {
    MidiOutShortMsg(midiOut_, 0xC0u + Program * 256u);
    MidiOutShortMsg(midiOut_, 0x90u + Note * 256u + Volume * 65536u);
}

void ClassMultimedia::Sound(const std::string& Path, int32_t Flags) {
    PlayWaveFile(Path, static_cast<uint32_t>(Flags));
}

void ClassMultimedia::Mute() { PlayWaveFile("", 0); }

void ClassMultimedia::SoundFromResource(int16_t ID, const std::string& ResType, int32_t Flags) {
    if (!SameWord(ResType, "SOUND")) return; // the program holds no other kind of sound
    std::string_view image = SoundResource(ID);
    if (image.empty()) return;
    PlayWaveImage(image, static_cast<uint32_t>(Flags) + SND_MEMORY);
}

} // namespace gb

#include "MciInterpreter.h"

#include "MediaControl.h"
#include "platform/Cp932.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

namespace gb {
namespace {

// The device type words. Types that this platform does not have are known by name so
// that opening them fails as "not installed" rather than "unknown".
struct TypeWord {
    const char* word;
    std::optional<MciDeviceType> type;
};
const TypeWord kTypes[] = {
    {"waveaudio", MciDeviceType::WaveAudio}, {"sequencer", MciDeviceType::Sequencer},
    {"mpegvideo", MciDeviceType::MpegVideo}, {"cdaudio", std::nullopt},
    {"avivideo", std::nullopt},              {"overlay", std::nullopt},
    {"videodisc", std::nullopt},             {"vcr", std::nullopt},
    {"digitalvideo", std::nullopt},          {"scanner", std::nullopt},
    {"animation", std::nullopt},             {"dat", std::nullopt},
};

const TypeWord* FindType(std::string_view word) {
    for (const TypeWord& t : kTypes)
        if (SameWord(t.word, word)) return &t;
    return nullptr;
}

// The device type a file extension stands for, as the platform's open without TYPE
// chooses it.
const TypeWord* TypeOfExtension(const std::string& path) {
    size_t dot = path.find_last_of('.');
    size_t slash = path.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return nullptr;
    static const std::map<std::string, const char*> byExtension = {
        {"wav", "waveaudio"}, {"mid", "sequencer"}, {"rmi", "sequencer"}, {"midi", "sequencer"},
        {"mp3", "mpegvideo"}, {"mp2", "mpegvideo"}, {"mpa", "mpegvideo"}, {"mpg", "mpegvideo"},
        {"mpeg", "mpegvideo"}, {"mpe", "mpegvideo"}, {"m1v", "mpegvideo"}, {"avi", "avivideo"},
    };
    auto found = byExtension.find(LowerAscii(path.substr(dot + 1)));
    return found == byExtension.end() ? nullptr : FindType(found->second);
}

const char* TypeName(MciDeviceType type) {
    switch (type) {
    case MciDeviceType::WaveAudio: return "waveaudio";
    case MciDeviceType::Sequencer: return "sequencer";
    case MciDeviceType::MpegVideo: return "digitalvideo";
    }
    return "";
}

struct FormatWord {
    const char* word;
    std::optional<MciTimeFormat> format; // nullopt: a format of devices this platform lacks
};
const FormatWord kFormats[] = {
    {"milliseconds", MciTimeFormat::Milliseconds}, {"ms", MciTimeFormat::Milliseconds},
    {"bytes", MciTimeFormat::Bytes},               {"samples", MciTimeFormat::Samples},
    {"song pointer", MciTimeFormat::SongPointer},  {"frames", MciTimeFormat::Frames},
    {"msf", std::nullopt},                         {"tmsf", std::nullopt},
    {"hms", std::nullopt},                         {"smpte 24", std::nullopt},
    {"smpte 25", std::nullopt},                    {"smpte 30 drop", std::nullopt},
    {"smpte 30", std::nullopt},
};

const char* FormatName(MciTimeFormat format) {
    switch (format) {
    case MciTimeFormat::Milliseconds: return "milliseconds";
    case MciTimeFormat::Bytes: return "bytes";
    case MciTimeFormat::Samples: return "samples";
    case MciTimeFormat::SongPointer: return "song pointer";
    case MciTimeFormat::Frames: return "frames";
    }
    return "";
}

const char* Flag(bool value) { return value ? "true" : "false"; }

// WAIT and NOTIFY, which every command may carry.
bool TakeWaitOrNotify(MciCommand& command, bool& wait) {
    if (command.Take("wait")) {
        wait = true;
        return true;
    }
    return command.Take("notify");
}

// A position argument in the device's time format.
uint32_t TakePosition(MciCommand& command, const MciDevice& device, std::optional<int64_t>& position) {
    if (position) return MCIERR_DUPLICATE_FLAGS;
    auto word = command.TakeWord();
    if (!word) return MCIERR_MISSING_PARAMETER;
    position = device.ParsePosition(*word);
    return position ? MCIERR_NONE : MCIERR_BAD_INTEGER;
}

uint32_t TakeInteger(MciCommand& command, uint32_t& value) {
    auto word = command.TakeWord();
    if (!word) return MCIERR_MISSING_PARAMETER;
    auto number = ParseMciInteger(*word);
    if (!number) return MCIERR_BAD_INTEGER;
    value = *number;
    return MCIERR_NONE;
}

// A rectangle "l t w h"; numbers with a fraction are rounded.
uint32_t TakeRect(MciCommand& command, MciRect& rect) {
    int32_t values[4];
    for (int32_t& v : values) {
        auto word = command.TakeWord();
        if (!word) return MCIERR_MISSING_PARAMETER;
        char* end = nullptr;
        double number = std::strtod(word->c_str(), &end);
        if (word->empty() || *end != '\0' || number < -32768 || number > 32767) return MCIERR_BAD_INTEGER;
        v = static_cast<int32_t>(std::lround(number));
    }
    if (values[2] < 0 || values[3] < 0) return MCIERR_OUTOFRANGE;
    rect = {values[0], values[1], values[2], values[3]};
    return MCIERR_NONE;
}

} // namespace

MciInterpreter& MciInterpreter::Instance() {
    static MciInterpreter interpreter;
    return interpreter;
}

MciDevice* MciInterpreter::Find(std::string_view alias) const {
    for (const auto& device : devices_)
        if (SameWord(device->Alias(), alias)) return device.get();
    return nullptr;
}

uint16_t MciInterpreter::DeviceId(std::string_view alias) const {
    MciDevice* device = Find(alias);
    return device ? device->Id() : 0;
}

uint32_t MciInterpreter::Execute(std::string_view text, std::string& reply) {
    reply.clear();
    MciCommand command;
    if (uint32_t error = command.Parse(text)) return error;
    const auto& words = command.Words();
    if (words.empty()) return MCIERR_MISSING_COMMAND_STRING;
    const std::string& verb = words[0].text;
    if (words[0].quoted) return MCIERR_UNRECOGNIZED_COMMAND;
    if (SameWord(verb, "open")) return Open(command, reply);
    static const std::pair<const char*, Handler> handlers[] = {
        {"play", &MciInterpreter::Play},         {"pause", &MciInterpreter::Pause},
        {"resume", &MciInterpreter::Resume},     {"stop", &MciInterpreter::Stop},
        {"seek", &MciInterpreter::Seek},         {"status", &MciInterpreter::Status},
        {"set", &MciInterpreter::Set},           {"info", &MciInterpreter::Info},
        {"capability", &MciInterpreter::Capability}, {"where", &MciInterpreter::Where},
        {"put", &MciInterpreter::Put},           {"window", &MciInterpreter::Window},
        {"record", &MciInterpreter::Record},     {"save", &MciInterpreter::Save},
    };
    bool isClose = SameWord(verb, "close");
    Handler handler = nullptr;
    for (const auto& [name, h] : handlers)
        if (SameWord(verb, name)) handler = h;
    if (!isClose && !handler) return MCIERR_UNRECOGNIZED_COMMAND;
    if (words.size() < 2) return MCIERR_MISSING_DEVICE_NAME;
    if (isClose) return Close(command);
    if (!words[1].quoted && SameWord(words[1].text, "all")) {
        if (handler != &MciInterpreter::Stop) return MCIERR_CANNOT_USE_ALL;
        for (const auto& device : devices_) device->Stop();
        return MCIERR_NONE;
    }
    MciDevice* device = Find(words[1].text);
    if (!device) return MCIERR_INVALID_DEVICE_NAME;
    command.StartArguments(2);
    return (this->*handler)(command, *device, reply);
}

uint32_t MciInterpreter::Open(MciCommand& command, std::string& reply) {
    const auto& words = command.Words();
    if (words.size() < 2) return MCIERR_MISSING_DEVICE_NAME;
    std::string name = words[1].text;
    std::optional<std::string> typeWord, alias;
    bool wait = false;
    command.StartArguments(2);
    while (!command.AtEnd()) {
        if (TakeWaitOrNotify(command, wait) || command.Take("shareable")) continue;
        if (command.Take("type")) {
            if (typeWord) return MCIERR_DUPLICATE_FLAGS;
            typeWord = command.TakeWord();
            if (!typeWord) return MCIERR_MISSING_STRING_ARGUMENT;
        } else if (command.Take("alias")) {
            if (alias) return MCIERR_DUPLICATE_FLAGS;
            alias = command.TakeWord();
            if (!alias) return MCIERR_MISSING_STRING_ARGUMENT;
        } else if (command.Take("style") || command.Take("parent") || command.Take("buffer")) {
            if (!command.TakeWord()) return MCIERR_MISSING_PARAMETER;
        } else {
            return MCIERR_UNRECOGNIZED_KEYWORD;
        }
    }
    // The device and its file: "type" alone, "file TYPE type", "type!file", "file".
    const TypeWord* type = nullptr;
    std::string path;
    size_t bang = words[1].quoted ? std::string::npos : name.find('!');
    if (typeWord) {
        type = FindType(*typeWord);
        path = name;
    } else if (bang != std::string::npos) {
        type = FindType(name.substr(0, bang));
        path = name.substr(bang + 1);
    } else if (!words[1].quoted && FindType(name)) {
        type = FindType(name);
    } else {
        type = TypeOfExtension(name);
        if (!type) return MCIERR_EXTENSION_NOT_FOUND;
        path = name;
    }
    if (!type) return MCIERR_INVALID_DEVICE_NAME;
    if (!type->type) return MCIERR_DEVICE_NOT_INSTALLED;
    if (SameWord(path, "new")) {
        if (!alias) return MCIERR_NEW_REQUIRES_ALIAS;
        path.clear();
    }
    std::string deviceAlias = alias ? *alias : name;
    if (Find(deviceAlias)) return alias ? MCIERR_DUPLICATE_ALIAS : MCIERR_DEVICE_OPEN;
    uint16_t id = nextId_;
    auto device = std::make_unique<MciDevice>(*type->type, deviceAlias, id);
    if (uint32_t error = device->Open(path)) return error;
    nextId_ = static_cast<uint16_t>(nextId_ == 0xFFFE ? 1 : nextId_ + 1);
    devices_.push_back(std::move(device));
    reply = std::to_string(id);
    return MCIERR_NONE;
}

uint32_t MciInterpreter::Close(MciCommand& command) {
    const auto& words = command.Words();
    bool wait = false;
    command.StartArguments(2);
    while (!command.AtEnd())
        if (!TakeWaitOrNotify(command, wait)) return MCIERR_UNRECOGNIZED_KEYWORD;
    if (!words[1].quoted && SameWord(words[1].text, "all")) {
        devices_.clear();
        return MCIERR_NONE;
    }
    MciDevice* device = Find(words[1].text);
    if (!device) return MCIERR_INVALID_DEVICE_NAME;
    std::erase_if(devices_, [device](const auto& d) { return d.get() == device; });
    return MCIERR_NONE;
}

uint32_t MciInterpreter::Play(MciCommand& command, MciDevice& device, std::string&) {
    std::optional<int64_t> from, to;
    bool wait = false;
    while (!command.AtEnd()) {
        uint32_t error = MCIERR_NONE;
        if (TakeWaitOrNotify(command, wait)) continue;
        if (command.Take("from")) error = TakePosition(command, device, from);
        else if (command.Take("to")) error = TakePosition(command, device, to);
        else return MCIERR_UNRECOGNIZED_KEYWORD;
        if (error) return error;
    }
    return device.Play(from, to, wait);
}

uint32_t MciInterpreter::Pause(MciCommand& command, MciDevice& device, std::string&) {
    bool wait = false;
    while (!command.AtEnd())
        if (!TakeWaitOrNotify(command, wait)) return MCIERR_UNRECOGNIZED_KEYWORD;
    return device.Pause();
}

uint32_t MciInterpreter::Resume(MciCommand& command, MciDevice& device, std::string&) {
    bool wait = false;
    while (!command.AtEnd())
        if (!TakeWaitOrNotify(command, wait)) return MCIERR_UNRECOGNIZED_KEYWORD;
    return device.Resume();
}

uint32_t MciInterpreter::Stop(MciCommand& command, MciDevice& device, std::string&) {
    bool wait = false;
    while (!command.AtEnd())
        if (!TakeWaitOrNotify(command, wait)) return MCIERR_UNRECOGNIZED_KEYWORD;
    return device.Stop();
}

uint32_t MciInterpreter::Seek(MciCommand& command, MciDevice& device, std::string&) {
    std::optional<int64_t> to;
    bool wait = false;
    while (!command.AtEnd()) {
        if (TakeWaitOrNotify(command, wait)) continue;
        if (to) return MCIERR_DUPLICATE_FLAGS;
        if (command.Take("to start")) to = 0;
        else if (command.Take("to end")) to = device.Length();
        else if (command.Take("to")) {
            if (uint32_t error = TakePosition(command, device, to)) return error;
        } else return MCIERR_UNRECOGNIZED_KEYWORD;
    }
    if (!to) return MCIERR_MISSING_PARAMETER;
    return device.Seek(*to);
}

uint32_t MciInterpreter::Status(MciCommand& command, MciDevice& device, std::string& reply) {
    enum Item { None, Mode, Length, Position, Format, Present, CurrentTrack, Tracks, Ready, Start,
                Channels, Bits, BytesPerSec, SamplesPerSec, Alignment, FormatTag };
    static const std::pair<const char*, Item> items[] = {
        {"mode", Mode}, {"length", Length}, {"position", Position}, {"time format", Format},
        {"media present", Present}, {"current track", CurrentTrack}, {"number of tracks", Tracks},
        {"ready", Ready}, {"start position", Start}, {"channels", Channels}, {"bitspersample", Bits},
        {"bytespersec", BytesPerSec}, {"samplespersec", SamplesPerSec}, {"alignment", Alignment},
        {"format tag", FormatTag},
    };
    Item item = None;
    std::optional<uint32_t> track;
    bool wait = false;
    while (!command.AtEnd()) {
        if (TakeWaitOrNotify(command, wait)) continue;
        if (command.Take("track")) {
            uint32_t n = 0;
            if (uint32_t error = TakeInteger(command, n)) return error;
            track = n;
            continue;
        }
        Item found = None;
        for (const auto& [phrase, value] : items)
            if (found == None && command.Take(phrase)) found = value;
        if (found == None) return MCIERR_UNRECOGNIZED_KEYWORD;
        if (item != None) return MCIERR_FLAGS_NOT_COMPATIBLE;
        item = found;
    }
    if (item == None) return MCIERR_MISSING_PARAMETER;
    if (track && item != Length && item != Position) return MCIERR_FLAGS_NOT_COMPATIBLE;
    if (track && *track != 1) return MCIERR_OUTOFRANGE; // every device here has one track
    bool wave = device.Type() == MciDeviceType::WaveAudio;
    const WaveFormat& f = device.Wave();
    switch (item) {
    case Mode: {
        static const char* modes[] = {"stopped", "playing", "paused", "recording"};
        reply = modes[static_cast<int>(device.Mode())];
        break;
    }
    case Length: reply = device.FormatPosition(device.Length()); break;
    case Position: reply = device.FormatPosition(track ? 0 : device.Position()); break;
    case Format: reply = FormatName(device.TimeFormat()); break;
    case Present: reply = Flag(device.HasElement() || wave); break;
    case CurrentTrack:
    case Tracks: reply = "1"; break;
    case Ready: reply = "true"; break;
    case Start: reply = device.FormatPosition(0); break;
    default:
        if (!wave) return MCIERR_UNRECOGNIZED_KEYWORD;
        if (item == Channels) reply = std::to_string(f.channels);
        else if (item == Bits) reply = std::to_string(f.bitsPerSample);
        else if (item == BytesPerSec) reply = std::to_string(f.bytesPerSec);
        else if (item == SamplesPerSec) reply = std::to_string(f.samplesPerSec);
        else if (item == Alignment) reply = std::to_string(f.blockAlign);
        else reply = f.formatTag == 1 ? "pcm" : std::to_string(f.formatTag);
    }
    return MCIERR_NONE;
}

uint32_t MciInterpreter::Set(MciCommand& command, MciDevice& device, std::string&) {
    bool wait = false;
    bool any = false;
    bool wave = device.Type() == MciDeviceType::WaveAudio;
    WaveFormat format = device.Wave();
    std::optional<MciTimeFormat> timeFormat;
    while (!command.AtEnd()) {
        if (TakeWaitOrNotify(command, wait)) continue;
        any = true;
        if (command.Take("time format")) {
            const FormatWord* found = nullptr;
            for (const FormatWord& w : kFormats)
                if (!found && command.Take(w.word)) found = &w;
            if (!found) return command.AtEnd() ? MCIERR_MISSING_PARAMETER : MCIERR_BAD_TIME_FORMAT;
            if (!found->format || !device.Supports(*found->format)) return MCIERR_BAD_TIME_FORMAT;
            timeFormat = found->format;
        } else if (command.Take("door open") || command.Take("door closed")) {
            return MCIERR_UNSUPPORTED_FUNCTION; // no device here has a door
        } else if (command.Take("audio all on") || command.Take("audio all off")) {
            // Sound on and off is not a thing these devices remember; accepted.
        } else if (wave && (command.Take("channels") || command.Take("bitspersample") || command.Take("bytespersec") ||
                            command.Take("samplespersec") || command.Take("alignment"))) {
            const std::string item = LowerAscii(command.Words()[command.Position() - 1].text);
            uint32_t n = 0;
            if (uint32_t error = TakeInteger(command, n)) return error;
            if (item == "channels") {
                if (n != 1 && n != 2) return MCIERR_OUTOFRANGE;
                format.channels = static_cast<uint16_t>(n);
            } else if (item == "bitspersample") {
                if (n != 8 && n != 16) return MCIERR_OUTOFRANGE;
                format.bitsPerSample = static_cast<uint16_t>(n);
            } else if (n == 0 || (item == "alignment" && n > 0xFFFF)) {
                return MCIERR_OUTOFRANGE;
            } else if (item == "bytespersec") {
                format.bytesPerSec = n;
            } else if (item == "samplespersec") {
                format.samplesPerSec = n;
            } else {
                format.blockAlign = static_cast<uint16_t>(n);
            }
        } else if (wave && command.Take("format tag")) {
            if (!command.Take("pcm")) {
                uint32_t n = 0;
                if (uint32_t error = TakeInteger(command, n)) return error;
                if (n == 0 || n > 0xFFFF) return MCIERR_OUTOFRANGE;
                format.formatTag = static_cast<uint16_t>(n);
            } else {
                format.formatTag = 1;
            }
        } else {
            return MCIERR_UNRECOGNIZED_KEYWORD;
        }
    }
    if (!any) return MCIERR_MISSING_PARAMETER;
    device.Wave() = format;
    if (timeFormat) device.SetTimeFormat(*timeFormat);
    return MCIERR_NONE;
}

uint32_t MciInterpreter::Info(MciCommand& command, MciDevice& device, std::string& reply) {
    bool wait = false;
    std::optional<std::string> value;
    while (!command.AtEnd()) {
        if (TakeWaitOrNotify(command, wait)) continue;
        if (value) return MCIERR_FLAGS_NOT_COMPATIBLE;
        if (command.Take("product")) {
            switch (device.Type()) {
            case MciDeviceType::WaveAudio: value = "GStreamer Wave Audio"; break;
            case MciDeviceType::Sequencer: value = "FluidSynth MIDI Sequencer"; break;
            case MciDeviceType::MpegVideo: value = "GStreamer MPEG Video"; break;
            }
        } else if (command.Take("file")) {
            value = device.Element();
        } else {
            return MCIERR_UNRECOGNIZED_KEYWORD;
        }
    }
    if (!value) return MCIERR_MISSING_PARAMETER;
    reply = *value;
    return MCIERR_NONE;
}

uint32_t MciInterpreter::Capability(MciCommand& command, MciDevice& device, std::string& reply) {
    bool wait = false;
    bool wave = device.Type() == MciDeviceType::WaveAudio;
    bool video = device.Type() == MciDeviceType::MpegVideo;
    std::optional<std::string> value;
    while (!command.AtEnd()) {
        if (TakeWaitOrNotify(command, wait)) continue;
        if (value) return MCIERR_FLAGS_NOT_COMPATIBLE;
        if (command.Take("has audio")) value = Flag(device.HasAudio());
        else if (command.Take("has video")) value = Flag(device.HasVideo());
        else if (command.Take("can play")) value = "true";
        else if (command.Take("can record") || command.Take("can save")) value = Flag(wave);
        else if (command.Take("can eject")) value = "false";
        else if (command.Take("uses files") || command.Take("compound device")) value = "true";
        else if (command.Take("device type")) value = TypeName(device.Type());
        else if (command.Take("can stretch")) value = Flag(video);
        else return MCIERR_UNRECOGNIZED_KEYWORD;
    }
    if (!value) return MCIERR_MISSING_PARAMETER;
    reply = *value;
    return MCIERR_NONE;
}

uint32_t MciInterpreter::Where(MciCommand& command, MciDevice& device, std::string& reply) {
    if (device.Type() != MciDeviceType::MpegVideo) return MCIERR_UNRECOGNIZED_COMMAND;
    bool wait = false;
    std::optional<MciRect> rect;
    while (!command.AtEnd()) {
        if (TakeWaitOrNotify(command, wait) || command.Take("max")) continue;
        if (rect) return MCIERR_FLAGS_NOT_COMPATIBLE;
        if (command.Take("destination")) rect = device.Destination();
        else if (command.Take("source")) rect = device.NaturalRect();
        else return MCIERR_UNRECOGNIZED_KEYWORD;
    }
    if (!rect) return MCIERR_MISSING_PARAMETER;
    if (!device.HasVideo()) return MCIERR_NO_WINDOW;
    reply = std::to_string(rect->left) + " " + std::to_string(rect->top) + " " + std::to_string(rect->width) + " " +
            std::to_string(rect->height);
    return MCIERR_NONE;
}

uint32_t MciInterpreter::Put(MciCommand& command, MciDevice& device, std::string&) {
    if (device.Type() != MciDeviceType::MpegVideo) return MCIERR_UNRECOGNIZED_COMMAND;
    bool wait = false;
    bool destination = false;
    std::optional<MciRect> rect;
    while (!command.AtEnd()) {
        if (TakeWaitOrNotify(command, wait)) continue;
        if (command.Take("destination")) {
            destination = true;
        } else if (command.Take("source") || command.Take("frame") || command.Take("video") || command.Take("window")) {
            return MCIERR_UNSUPPORTED_FUNCTION;
        } else if (command.Take("at")) {
            MciRect r;
            if (uint32_t error = TakeRect(command, r)) return error;
            rect = r;
        } else {
            return MCIERR_UNRECOGNIZED_KEYWORD;
        }
    }
    if (!destination) return MCIERR_MISSING_PARAMETER;
    return device.SetDestination(rect ? *rect : device.NaturalRect());
}

uint32_t MciInterpreter::Window(MciCommand& command, MciDevice& device, std::string&) {
    if (device.Type() != MciDeviceType::MpegVideo) return MCIERR_UNRECOGNIZED_COMMAND;
    bool wait = false;
    bool any = false;
    while (!command.AtEnd()) {
        if (TakeWaitOrNotify(command, wait)) continue;
        any = true;
        if (command.Take("handle default")) {
            if (uint32_t error = device.SetWindow(0)) return error;
        } else if (command.Take("handle")) {
            uint32_t handle = 0;
            if (uint32_t error = TakeInteger(command, handle)) return error;
            if (uint32_t error = device.SetWindow(static_cast<std::intptr_t>(handle))) return error;
        } else if (command.Take("state") || command.Take("text")) {
            if (!command.TakeWord()) return MCIERR_MISSING_PARAMETER;
        } else {
            return MCIERR_UNRECOGNIZED_KEYWORD;
        }
    }
    return any ? MCIERR_NONE : MCIERR_MISSING_PARAMETER;
}

uint32_t MciInterpreter::Record(MciCommand& command, MciDevice& device, std::string&) {
    std::optional<int64_t> from, to;
    bool wait = false;
    std::optional<bool> insert;
    while (!command.AtEnd()) {
        uint32_t error = MCIERR_NONE;
        if (TakeWaitOrNotify(command, wait)) continue;
        if (command.Take("from")) error = TakePosition(command, device, from);
        else if (command.Take("to")) error = TakePosition(command, device, to);
        else if (command.Take("insert") || command.Take("overwrite")) {
            if (insert) return MCIERR_FLAGS_NOT_COMPATIBLE;
            insert = SameWord(command.Words()[command.Position() - 1].text, "insert");
        } else return MCIERR_UNRECOGNIZED_KEYWORD;
        if (error) return error;
    }
    return device.Record(from, to, insert.value_or(true), wait);
}

uint32_t MciInterpreter::Save(MciCommand& command, MciDevice& device, std::string&) {
    bool wait = false;
    std::optional<std::string> path;
    while (!command.AtEnd()) {
        if (TakeWaitOrNotify(command, wait)) continue;
        if (path) return MCIERR_UNRECOGNIZED_KEYWORD;
        path = command.TakeWord();
    }
    return device.Save(path ? *path : device.Element());
}

uint32_t MciInterpreter::ExecuteMessage(uint16_t id, uint16_t message, uint32_t flags, std::intptr_t) {
    if (flags & (MCI_FROM | MCI_TO)) return MCIERR_UNSUPPORTED_FUNCTION;
    std::vector<MciDevice*> targets;
    for (const auto& device : devices_)
        if (id == MCI_ALL_DEVICE_ID || device->Id() == id) targets.push_back(device.get());
    if (targets.empty()) return MCIERR_INVALID_DEVICE_ID;
    if (id == MCI_ALL_DEVICE_ID && message != MCI_CLOSE && message != MCI_STOP) return MCIERR_CANNOT_USE_ALL;
    uint32_t result = MCIERR_NONE;
    for (MciDevice* device : targets) {
        uint32_t error = MCIERR_NONE;
        switch (message) {
        case MCI_CLOSE:
            std::erase_if(devices_, [device](const auto& d) { return d.get() == device; });
            break;
        case MCI_PLAY: error = device->Play(std::nullopt, std::nullopt, flags & MCI_WAIT); break;
        case MCI_STOP: error = device->Stop(); break;
        case MCI_PAUSE: error = device->Pause(); break;
        case MCI_RESUME: error = device->Resume(); break;
        case MCI_SEEK:
            if (flags & MCI_SEEK_TO_START) error = device->Seek(0);
            else if (flags & MCI_SEEK_TO_END) error = device->Seek(device->Length());
            else error = MCIERR_MISSING_PARAMETER;
            break;
        default: error = MCIERR_UNSUPPORTED_FUNCTION;
        }
        if (error) result = error;
    }
    return result;
}

uint32_t MciSendString(std::string_view command, std::string& reply, size_t replySize, std::intptr_t) {
    uint32_t error = MciInterpreter::Instance().Execute(command, reply);
    if (ToCp932(reply).text.size() + 1 > replySize) {
        reply.clear();
        return error ? error : MCIERR_PARAM_OVERFLOW;
    }
    return error;
}

uint32_t MciSendCommand(uint16_t device, uint16_t message, uint32_t flags, std::intptr_t parameters) {
    return MciInterpreter::Instance().ExecuteMessage(device, message, flags, parameters);
}

uint16_t MciGetDeviceID(std::string_view alias) { return MciInterpreter::Instance().DeviceId(alias); }

} // namespace gb

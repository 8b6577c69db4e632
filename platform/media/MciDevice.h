#pragma once
// One open media device of the media-control interpreter: a wave, MIDI or MPEG file
// played by a GStreamer playbin, with the modes, positions and time formats that the
// command strings ask for. The device keeps its own mode: it learns the end of the
// media from the pipeline's bus whenever a command looks at it, so nothing depends on
// the caller running a message loop.
#include "MidiTiming.h"
#include "WaveFile.h"

#include <QPointer>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

typedef struct _GstElement GstElement;

namespace gb {

class WaveRecorder;
class VideoWindow;
struct VideoFrames;

enum class MciDeviceType { WaveAudio, Sequencer, MpegVideo };

enum class MciMode { Stopped, Playing, Paused, Recording };

enum class MciTimeFormat { Milliseconds, Bytes, Samples, SongPointer, Frames };

struct MciRect {
    int32_t left = 0, top = 0, width = 0, height = 0;
};

class MciDevice {
public:
    MciDevice(MciDeviceType type, std::string alias, uint16_t id);
    ~MciDevice();
    MciDevice(const MciDevice&) = delete;
    MciDevice& operator=(const MciDevice&) = delete;

    MciDeviceType Type() const { return type_; }
    const std::string& Alias() const { return alias_; }
    uint16_t Id() const { return id_; }
    const std::string& Element() const { return element_; }
    bool HasElement() const { return pipeline_ != nullptr; }

    // Loads `path`; "" opens the device without a file. Returns an MCI error code.
    uint32_t Open(const std::string& path);

    // Transport; every call returns an MCI error code. Positions are milliseconds.
    uint32_t Play(std::optional<int64_t> from, std::optional<int64_t> to, bool wait);
    uint32_t Pause();
    uint32_t Resume();
    uint32_t Stop();
    uint32_t Seek(int64_t position);
    uint32_t Record(std::optional<int64_t> from, std::optional<int64_t> to, bool insert, bool wait);
    uint32_t Save(const std::string& path);

    MciMode Mode();
    int64_t Position();
    int64_t Length() const { return length_; }

    // Time formats: which this device has, and positions written and read in the
    // current one.
    bool Supports(MciTimeFormat format) const;
    MciTimeFormat TimeFormat() const { return timeFormat_; }
    void SetTimeFormat(MciTimeFormat format) { timeFormat_ = format; }
    std::string FormatPosition(int64_t milliseconds) const;
    std::optional<int64_t> ParsePosition(const std::string& text) const;

    // The wave format: of the file, or set for recording.
    WaveFormat& Wave() { return wave_; }

    bool HasAudio() const { return audioStreams_ > 0 || !pipeline_; }
    bool HasVideo() const { return videoWidth_ > 0; }
    const MciRect& Destination() const { return destination_; }
    MciRect NaturalRect() const { return {0, 0, videoWidth_, videoHeight_}; }
    // Where the pictures are shown: a rectangle, and the window given by its handle (0:
    // a window of the device's own). Return MCI error codes.
    uint32_t SetDestination(const MciRect& rect);
    uint32_t SetWindow(std::intptr_t handle);

private:
    uint32_t Load(const std::string& playable);
    void Poll();
    bool QueryLength();
    void FinishRecording();
    bool WaitForState();
    bool SeekPipeline(int64_t start, std::optional<int64_t> stop);
    int64_t QueryPosition();
    GstElement* MakeVideoSink();
    void PlaceVideo();

    MciDeviceType type_;
    std::string alias_;
    uint16_t id_;
    std::string element_;       // the file the device was opened with
    std::string playable_;      // the file the pipeline plays (a temporary one after recording)
    std::string temporary_;     // a file of ours to delete at close
    GstElement* pipeline_ = nullptr;
    MciMode mode_ = MciMode::Stopped;
    MciTimeFormat timeFormat_ = MciTimeFormat::Milliseconds;
    int64_t length_ = 0;
    bool lengthKnown_ = false;      // some streams tell their length late, or never
    int64_t playEnd_ = 0;           // where the current play stops; -1: at the end of the media
    std::optional<int64_t> atEnd_;  // the position once a play has ended
    WaveFormat wave_;
    std::optional<MidiTiming> midi_;
    int audioStreams_ = 0;
    int videoWidth_ = 0, videoHeight_ = 0;
    double framesPerSecond_ = 0;
    MciRect destination_;
    std::intptr_t window_ = 0;
    std::shared_ptr<VideoFrames> frames_;
    QPointer<VideoWindow> video_;
    std::unique_ptr<WaveRecorder> recorder_;
    int64_t recordFrom_ = 0;
    std::optional<int64_t> recordTo_;
    bool recordInsert_ = true;
};

} // namespace gb

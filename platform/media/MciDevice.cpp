#include "MciDevice.h"

#include "GstSupport.h"
#include "MciError.h"
#include "VideoWindow.h"
#include "WaveRecorder.h"
#include "platform/WindowHandle.h"
#include "platform/DirectorySearch.h"
#include "platform/FileReplace.h"
#include "platform/Folders.h"

#include <gst/app/gstappsink.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace gb {
namespace {

// The most a wave file may hold for recording and saving (the RIFF limit).
constexpr size_t kMaxWaveBytes = 0xFFFFFFFFu;

constexpr GstClockTime kPrerollTimeout = 10 * GST_SECOND;

// playbin's "flags": video, audio and software volume.
constexpr unsigned kPlayVideo = 0x1, kPlayAudio = 0x2, kSoftVolume = 0x10;

// Up to `limit` bytes from the start of `path`.
std::string ReadHead(const std::string& path, size_t limit) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return {};
    std::streamoff size = in.tellg();
    in.seekg(0);
    std::string bytes(std::min<size_t>(limit, size > 0 ? static_cast<size_t>(size) : 0), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

bool IsRegularFile(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string WriteTemporary(std::string_view bytes) {
    std::string path = CreateTempFile(TempPath(), "GBM");
    if (path.empty()) return {};
    if (!ReplaceFileContents(path, bytes)) {
        unlink(path.c_str());
        return {};
    }
    return path;
}

// Copies the picture of `sample` (BGRx) into the frame store `frames` (a
// std::shared_ptr<VideoFrames>*), on the streaming thread.
GstFlowReturn DeliverSample(GstSample* sample, gpointer frames) {
    if (!sample) return GST_FLOW_OK;
    GstCaps* caps = gst_sample_get_caps(sample);
    GstBuffer* buffer = gst_sample_get_buffer(sample);
    int width = 0, height = 0;
    GstMapInfo map;
    if (caps && buffer && gst_structure_get_int(gst_caps_get_structure(caps, 0), "width", &width) &&
        gst_structure_get_int(gst_caps_get_structure(caps, 0), "height", &height) && width > 0 && height > 0 &&
        gst_buffer_map(buffer, &map, GST_MAP_READ)) {
        qsizetype stride = static_cast<qsizetype>(map.size) / height;
        if (stride >= static_cast<qsizetype>(width) * 4)
            DeliverVideoFrame(*static_cast<std::shared_ptr<VideoFrames>*>(frames),
                              QImage(map.data, width, height, stride, QImage::Format_RGB32).copy());
        gst_buffer_unmap(buffer, &map);
    }
    gst_sample_unref(sample);
    return GST_FLOW_OK;
}

int64_t ToMilliseconds(gint64 nanoseconds) { return nanoseconds < 0 ? 0 : (nanoseconds + 500000) / 1000000; }

} // namespace

MciDevice::MciDevice(MciDeviceType type, std::string alias, uint16_t id)
    : type_(type), alias_(std::move(alias)), id_(id) {}

MciDevice::~MciDevice() {
    recorder_.reset();
    DisposePipeline(pipeline_); // no frame arrives after this
    delete video_.data();
    if (!temporary_.empty()) unlink(temporary_.c_str());
}

uint32_t MciDevice::Open(const std::string& path) {
    if (path.empty()) return MCIERR_NONE; // the device alone, without a file
    if (!IsRegularFile(path)) return MCIERR_FILE_NOT_FOUND;
    element_ = path;
    std::string playable = path;
    if (type_ == MciDeviceType::WaveAudio) {
        auto wave = ParseWave(ReadHead(path, 1 << 20));
        if (!wave) return MCIERR_INVALID_FILE;
        wave_ = wave->format;
    } else if (type_ == MciDeviceType::Sequencer) {
        if (GeneralMidiSoundFont().empty()) return MCIERR_SEQ_NOMIDIPRESENT;
        std::string image = ReadHead(path, 16 << 20);
        std::string_view smf = StandardMidiOf(image);
        if (smf.empty()) return MCIERR_INVALID_FILE;
        midi_ = MidiTiming::Parse(smf);
        if (smf.size() != image.size()) { // a RIFF MIDI file: play the MIDI data inside it
            temporary_ = WriteTemporary(smf);
            if (temporary_.empty()) return MCIERR_FILE_READ;
            playable = temporary_;
        }
    }
    return Load(playable);
}

uint32_t MciDevice::Load(const std::string& playable) {
    if (!EnsureGStreamer()) return MCIERR_CANNOT_LOAD_DRIVER;
    DisposePipeline(pipeline_);
    pipeline_ = gst_element_factory_make("playbin", nullptr);
    if (!pipeline_) return MCIERR_CANNOT_LOAD_DRIVER;
    gst_object_ref_sink(pipeline_);
    gchar* uri = gst_filename_to_uri(playable.c_str(), nullptr);
    if (!uri) {
        DisposePipeline(pipeline_);
        return MCIERR_FILENAME_REQUIRED;
    }
    bool video = type_ == MciDeviceType::MpegVideo;
    g_object_set(pipeline_, "uri", uri, "flags", kPlayAudio | kSoftVolume | (video ? kPlayVideo : 0u), nullptr);
    g_free(uri);
    if (GstElement* sink = MakeAudioSink()) g_object_set(pipeline_, "audio-sink", sink, nullptr);
    if (video) {
        if (GstElement* sink = MakeVideoSink()) g_object_set(pipeline_, "video-sink", sink, nullptr);
    }
    g_signal_connect(pipeline_, "element-setup", G_CALLBACK(SetUpMidiDecoder), nullptr);
    if (gst_element_set_state(pipeline_, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE || !WaitForState()) {
        DisposePipeline(pipeline_);
        return MCIERR_INVALID_FILE;
    }
    playable_ = playable;
    // A parser may know the length only a moment after the preroll (an MP3 without a
    // header of its length is measured from its first frames).
    lengthKnown_ = false;
    length_ = 0;
    for (int tries = 0; tries < 100 && !QueryLength(); ++tries) g_usleep(10000);
    g_object_get(pipeline_, "n-audio", &audioStreams_, nullptr);
    int videoStreams = 0;
    g_object_get(pipeline_, "n-video", &videoStreams, nullptr);
    videoWidth_ = videoHeight_ = 0;
    if (videoStreams > 0) {
        GstPad* pad = nullptr;
        g_signal_emit_by_name(pipeline_, "get-video-pad", 0, &pad);
        if (pad) {
            if (GstCaps* caps = gst_pad_get_current_caps(pad)) {
                GstStructure* s = gst_caps_get_structure(caps, 0);
                gst_structure_get_int(s, "width", &videoWidth_);
                gst_structure_get_int(s, "height", &videoHeight_);
                int num = 0, den = 1;
                if (gst_structure_get_fraction(s, "framerate", &num, &den) && den > 0)
                    framesPerSecond_ = static_cast<double>(num) / den;
                gst_caps_unref(caps);
            }
            gst_object_unref(pad);
        }
    }
    destination_ = NaturalRect();
    if (videoWidth_ > 0 && !video_) {
        QString caption = QString::fromStdString(element_);
        video_ = new VideoWindow(frames_, caption.mid(caption.lastIndexOf('/') + 1));
    }
    PlaceVideo();
    mode_ = MciMode::Stopped;
    atEnd_.reset();
    playEnd_ = lengthKnown_ ? length_ : -1;
    return MCIERR_NONE;
}

// Waits until the pipeline has reached the state it was sent to (a seek or a
// preroll); false on an error or when it does not get there in time.
bool MciDevice::WaitForState() {
    GstStateChangeReturn result = gst_element_get_state(pipeline_, nullptr, nullptr, kPrerollTimeout);
    if (result == GST_STATE_CHANGE_FAILURE || result == GST_STATE_CHANGE_ASYNC) return false;
    GstBus* bus = gst_element_get_bus(pipeline_);
    GstMessage* error = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR);
    gst_object_unref(bus);
    if (error) {
        gst_message_unref(error);
        return false;
    }
    return true;
}

bool MciDevice::QueryLength() {
    gint64 duration = -1;
    if (!pipeline_ || !gst_element_query_duration(pipeline_, GST_FORMAT_TIME, &duration) || duration < 0) return false;
    length_ = ToMilliseconds(duration);
    lengthKnown_ = true;
    return true;
}

// Reads what the pipeline has reported since the last look: the end of the play, or
// an error, which ends it too.
void MciDevice::Poll() {
    if (recorder_) {
        if (mode_ == MciMode::Recording && recordTo_) {
            int64_t wanted = (*recordTo_ - recordFrom_) * wave_.bytesPerSec / 1000;
            if (static_cast<int64_t>(recorder_->Captured()) >= wanted) FinishRecording();
        }
        return;
    }
    if (!pipeline_) return;
    if (!lengthKnown_) QueryLength();
    GstBus* bus = gst_element_get_bus(pipeline_);
    while (GstMessage* message =
               gst_bus_pop_filtered(bus, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR))) {
        if (mode_ == MciMode::Playing || mode_ == MciMode::Paused) {
            int64_t reached = QueryPosition();
            gst_element_set_state(pipeline_, GST_STATE_PAUSED);
            mode_ = MciMode::Stopped;
            bool end = GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
            if (end && !lengthKnown_ && playEnd_ < 0) { // played to the end: now the length is known
                length_ = reached;
                lengthKnown_ = true;
            }
            atEnd_ = end ? (playEnd_ >= 0 ? playEnd_ : length_) : reached;
        }
        gst_message_unref(message);
    }
    gst_object_unref(bus);
}

int64_t MciDevice::QueryPosition() {
    gint64 position = 0;
    if (!pipeline_ || !gst_element_query_position(pipeline_, GST_FORMAT_TIME, &position)) return 0;
    int64_t ms = ToMilliseconds(position);
    return lengthKnown_ ? std::clamp<int64_t>(ms, 0, length_) : std::max<int64_t>(ms, 0);
}

MciMode MciDevice::Mode() {
    Poll();
    return mode_;
}

int64_t MciDevice::Position() {
    Poll();
    if (mode_ == MciMode::Recording && recorder_)
        return recordFrom_ + static_cast<int64_t>(recorder_->Captured()) * 1000 / std::max<uint32_t>(wave_.bytesPerSec, 1);
    if (atEnd_) return *atEnd_;
    return QueryPosition();
}

bool MciDevice::SeekPipeline(int64_t start, std::optional<int64_t> stop) {
    gboolean done = gst_element_seek(pipeline_, 1.0, GST_FORMAT_TIME,
                                     static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                                     GST_SEEK_TYPE_SET, start * GST_MSECOND, GST_SEEK_TYPE_SET,
                                     stop ? *stop * GST_MSECOND : GST_CLOCK_TIME_NONE);
    return done && WaitForState();
}

uint32_t MciDevice::Play(std::optional<int64_t> from, std::optional<int64_t> to, bool wait) {
    Poll();
    if (recorder_) FinishRecording();
    if (!pipeline_) return MCIERR_NONAPPLICABLE_FUNCTION;
    int64_t start = from ? *from : Position();
    int64_t stop = to ? *to : lengthKnown_ ? length_ : -1;
    if (lengthKnown_ && (start > length_ || stop > length_)) return MCIERR_OUTOFRANGE;
    if (stop >= 0 && start > stop) return MCIERR_OUTOFRANGE;
    gst_element_set_state(pipeline_, GST_STATE_PAUSED);
    if (!SeekPipeline(start, to)) return MCIERR_DRIVER;
    playEnd_ = stop;
    if (start == stop) { // nothing left to play: the play has ended already
        mode_ = MciMode::Stopped;
        atEnd_ = stop;
        return MCIERR_NONE;
    }
    atEnd_.reset();
    if (gst_element_set_state(pipeline_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) return MCIERR_DRIVER;
    mode_ = MciMode::Playing;
    if (video_ && !video_->parentWidget()) video_->show();
    if (wait) {
        GstBus* bus = gst_element_get_bus(pipeline_);
        GstMessage* message =
            gst_bus_timed_pop_filtered(bus, stop >= 0 ? static_cast<GstClockTime>(stop - start + 5000) * GST_MSECOND
                                                      : GST_CLOCK_TIME_NONE,
                                       static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
        gst_object_unref(bus);
        gst_element_set_state(pipeline_, GST_STATE_PAUSED);
        mode_ = MciMode::Stopped;
        int64_t reached = QueryPosition();
        bool end = message && GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
        if (end && stop < 0) {
            length_ = reached;
            lengthKnown_ = true;
        }
        atEnd_ = end ? (stop >= 0 ? stop : length_) : reached;
        if (message) gst_message_unref(message);
    }
    return MCIERR_NONE;
}

uint32_t MciDevice::Pause() {
    Poll();
    if (mode_ == MciMode::Playing) {
        gst_element_set_state(pipeline_, GST_STATE_PAUSED);
        mode_ = MciMode::Paused;
    } else if (mode_ == MciMode::Recording) {
        recorder_->Pause();
        mode_ = MciMode::Paused;
    }
    return MCIERR_NONE;
}

uint32_t MciDevice::Resume() {
    Poll();
    if (mode_ != MciMode::Paused) return MCIERR_NONE;
    if (recorder_) {
        recorder_->Resume();
        mode_ = MciMode::Recording;
    } else {
        gst_element_set_state(pipeline_, GST_STATE_PLAYING);
        mode_ = MciMode::Playing;
    }
    return MCIERR_NONE;
}

uint32_t MciDevice::Stop() {
    Poll();
    if (recorder_) {
        FinishRecording();
    } else if (mode_ != MciMode::Stopped) {
        atEnd_ = QueryPosition();
        gst_element_set_state(pipeline_, GST_STATE_PAUSED);
        mode_ = MciMode::Stopped;
    }
    return MCIERR_NONE;
}

uint32_t MciDevice::Seek(int64_t position) {
    Poll();
    if (recorder_) FinishRecording();
    if (!pipeline_) return MCIERR_NONAPPLICABLE_FUNCTION;
    if (position < 0 || (lengthKnown_ && position > length_)) return MCIERR_OUTOFRANGE;
    gst_element_set_state(pipeline_, GST_STATE_PAUSED);
    if (!SeekPipeline(position, std::nullopt)) return MCIERR_DRIVER;
    mode_ = MciMode::Stopped;
    playEnd_ = lengthKnown_ ? length_ : -1;
    atEnd_.reset();
    if (lengthKnown_ && position == length_) atEnd_ = position;
    return MCIERR_NONE;
}

uint32_t MciDevice::Record(std::optional<int64_t> from, std::optional<int64_t> to, bool insert, bool wait) {
    if (type_ != MciDeviceType::WaveAudio) return MCIERR_UNSUPPORTED_FUNCTION;
    Poll();
    if (recorder_) FinishRecording();
    int64_t start = from ? *from : Position();
    if (start > length_ || (to && *to < start)) return MCIERR_OUTOFRANGE;
    if (!IsRecordableFormat(wave_)) return MCIERR_WAVE_INPUTSUNSUITABLE;
    if (pipeline_) gst_element_set_state(pipeline_, GST_STATE_PAUSED);
    auto recorder = std::make_unique<WaveRecorder>(wave_);
    if (!recorder->Start()) return MCIERR_WAVE_INPUTSUNSUITABLE;
    recorder_ = std::move(recorder);
    recordFrom_ = start;
    recordTo_ = to;
    recordInsert_ = insert;
    mode_ = MciMode::Recording;
    if (wait && to) {
        int64_t wanted = (*to - start) * wave_.bytesPerSec / 1000;
        for (int spins = 0; static_cast<int64_t>(recorder_->Captured()) < wanted && spins < 60000; ++spins)
            g_usleep(1000);
        FinishRecording();
    }
    return MCIERR_NONE;
}

// Puts the captured samples into the device's wave data at the recording position
// (inserted or written over the samples there) and plays from the result from now on.
void MciDevice::FinishRecording() {
    if (!recorder_) return;
    std::string captured = recorder_->Finish();
    recorder_.reset();
    const size_t align = std::max<uint16_t>(wave_.blockAlign, 1);
    if (recordTo_) {
        size_t wanted = static_cast<size_t>((*recordTo_ - recordFrom_) * wave_.bytesPerSec / 1000);
        if (captured.size() > wanted) captured.resize(wanted);
    }
    captured.resize(captured.size() / align * align);
    std::string old = playable_.empty() ? std::string() : ReadHead(playable_, kMaxWaveBytes);
    std::string data;
    if (auto wave = ParseWave(old)) data.assign(wave->data);
    size_t at = std::min(static_cast<size_t>(recordFrom_ * wave_.bytesPerSec / 1000) / align * align, data.size());
    if (recordInsert_) data.insert(at, captured);
    else data.replace(at, std::min(captured.size(), data.size() - at), captured);
    std::string file = WriteTemporary(BuildWave(wave_, data));
    mode_ = MciMode::Stopped;
    if (file.empty()) return;
    if (!temporary_.empty()) unlink(temporary_.c_str());
    temporary_ = file;
    MciTimeFormat format = timeFormat_;
    if (Load(file) == MCIERR_NONE) {
        timeFormat_ = format;
        int64_t end = static_cast<int64_t>((at + captured.size()) * 1000 / std::max<uint32_t>(wave_.bytesPerSec, 1));
        Seek(std::min(end, length_));
    }
}

uint32_t MciDevice::Save(const std::string& path) {
    if (type_ != MciDeviceType::WaveAudio) return MCIERR_UNSUPPORTED_FUNCTION;
    Poll();
    if (recorder_) FinishRecording();
    if (path.empty()) return MCIERR_FILENAME_REQUIRED;
    std::string image = playable_.empty() ? BuildWave(wave_, {}) : ReadHead(playable_, kMaxWaveBytes);
    return ReplaceFileContents(path, image) ? MCIERR_NONE : MCIERR_FILE_NOT_SAVED;
}

// The sink of the pictures: frames in the screen's pixel format, handed to the video
// window as they become due.
GstElement* MciDevice::MakeVideoSink() {
    GstElement* sink = gst_element_factory_make("appsink", nullptr);
    if (!sink) return nullptr;
    frames_ = std::make_shared<VideoFrames>();
    GstCaps* caps = gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "BGRx", nullptr);
    g_object_set(sink, "caps", caps, "sync", TRUE, "max-buffers", 2u, "drop", TRUE, nullptr);
    gst_caps_unref(caps);
    GstAppSinkCallbacks callbacks{};
    callbacks.new_sample = [](GstAppSink* appsink, gpointer data) {
        return DeliverSample(gst_app_sink_pull_sample(appsink), data);
    };
    callbacks.new_preroll = [](GstAppSink* appsink, gpointer data) {
        return DeliverSample(gst_app_sink_pull_preroll(appsink), data); // the first picture, before PLAY
    };
    gst_app_sink_set_callbacks(GST_APP_SINK(sink), &callbacks, new std::shared_ptr<VideoFrames>(frames_),
                               [](gpointer data) { delete static_cast<std::shared_ptr<VideoFrames>*>(data); });
    return sink;
}

void MciDevice::PlaceVideo() {
    if (!video_) return;
    QWidget* parent = window_ ? WidgetOf(window_) : nullptr;
    video_->Place(parent, QRect(destination_.left, destination_.top, destination_.width, destination_.height));
}

uint32_t MciDevice::SetDestination(const MciRect& rect) {
    if (!HasVideo()) return MCIERR_NO_WINDOW;
    destination_ = rect;
    PlaceVideo();
    return MCIERR_NONE;
}

uint32_t MciDevice::SetWindow(std::intptr_t handle) {
    if (handle != 0 && !WidgetOf(handle)) return MCIERR_NO_WINDOW;
    window_ = handle;
    PlaceVideo();
    return MCIERR_NONE;
}

bool MciDevice::Supports(MciTimeFormat format) const {
    switch (format) {
    case MciTimeFormat::Milliseconds: return true;
    case MciTimeFormat::Bytes:
    case MciTimeFormat::Samples: return type_ == MciDeviceType::WaveAudio;
    case MciTimeFormat::SongPointer: return type_ == MciDeviceType::Sequencer && (midi_ || !pipeline_);
    case MciTimeFormat::Frames: return type_ == MciDeviceType::MpegVideo && framesPerSecond_ > 0;
    }
    return false;
}

std::string MciDevice::FormatPosition(int64_t ms) const {
    int64_t value = ms;
    switch (timeFormat_) {
    case MciTimeFormat::Milliseconds: break;
    case MciTimeFormat::Bytes: {
        int64_t align = std::max<uint16_t>(wave_.blockAlign, 1);
        value = ms * wave_.bytesPerSec / 1000 / align * align;
        break;
    }
    case MciTimeFormat::Samples: value = ms * wave_.samplesPerSec / 1000; break;
    case MciTimeFormat::SongPointer: value = midi_ ? static_cast<int64_t>(midi_->SongPointerAt(static_cast<double>(ms))) : 0; break;
    case MciTimeFormat::Frames: value = static_cast<int64_t>(std::floor(static_cast<double>(ms) * framesPerSecond_ / 1000.0)); break;
    }
    return std::to_string(value);
}

std::optional<int64_t> MciDevice::ParsePosition(const std::string& text) const {
    if (text.empty() || text.size() > 10) return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    switch (timeFormat_) {
    case MciTimeFormat::Milliseconds: return value;
    case MciTimeFormat::Bytes: return wave_.bytesPerSec ? value * 1000 / wave_.bytesPerSec : 0;
    case MciTimeFormat::Samples: return wave_.samplesPerSec ? value * 1000 / wave_.samplesPerSec : 0;
    case MciTimeFormat::SongPointer:
        return midi_ ? static_cast<int64_t>(std::llround(midi_->MillisecondsAtSongPointer(static_cast<uint64_t>(value)))) : 0;
    case MciTimeFormat::Frames:
        return framesPerSecond_ > 0 ? static_cast<int64_t>(std::llround(static_cast<double>(value) * 1000.0 / framesPerSecond_)) : 0;
    }
    return std::nullopt;
}

} // namespace gb

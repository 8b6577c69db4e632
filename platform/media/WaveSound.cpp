#include "WaveSound.h"

#include "GstSupport.h"
#include "WaveFile.h"

#include <gst/app/gstappsrc.h>

#include <fstream>
#include <memory>

namespace gb {
namespace {

constexpr size_t kMaxSoundFile = 64u << 20;

// One playing sound: its samples and the pipeline that feeds them to the audio sink.
class Sound {
public:
    Sound(const WaveFormat& format, std::string_view samples, bool loop)
        : format_(format), samples_(samples), loop_(loop) {}
    ~Sound() { DisposePipeline(pipeline_); }

    bool Start() {
        const char* sampleFormat = format_.bitsPerSample == 8    ? "U8"
                                   : format_.bitsPerSample == 16 ? "S16LE"
                                   : format_.bitsPerSample == 24 ? "S24LE"
                                   : format_.bitsPerSample == 32 ? "S32LE"
                                                                 : nullptr;
        if (format_.formatTag != 1 || !sampleFormat || format_.channels == 0 || format_.samplesPerSec == 0 ||
            samples_.empty() || !EnsureGStreamer())
            return false;
        frameBytes_ = static_cast<size_t>(format_.channels) * (format_.bitsPerSample / 8);
        samples_.resize(samples_.size() / frameBytes_ * frameBytes_);
        if (samples_.empty()) return false;
        pipeline_ = gst_pipeline_new(nullptr);
        gst_object_ref_sink(pipeline_);
        GstElement* source = gst_element_factory_make("appsrc", nullptr);
        GstElement* convert = gst_element_factory_make("audioconvert", nullptr);
        GstElement* resample = gst_element_factory_make("audioresample", nullptr);
        GstElement* sink = MakeAudioSink();
        if (!source || !convert || !resample || !sink) {
            for (GstElement* e : {source, convert, resample, sink})
                if (e) gst_object_unref(e);
            return false;
        }
        GstCaps* caps = gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING, sampleFormat, "rate", G_TYPE_INT,
                                            static_cast<int>(format_.samplesPerSec), "channels", G_TYPE_INT,
                                            static_cast<int>(format_.channels), "layout", G_TYPE_STRING,
                                            "interleaved", nullptr);
        g_object_set(source, "caps", caps, "format", GST_FORMAT_TIME, nullptr);
        gst_caps_unref(caps);
        GstAppSrcCallbacks callbacks{};
        callbacks.need_data = &Sound::NeedData;
        gst_app_src_set_callbacks(GST_APP_SRC(source), &callbacks, this, nullptr);
        gst_bin_add_many(GST_BIN(pipeline_), source, convert, resample, sink, nullptr);
        return gst_element_link_many(source, convert, resample, sink, nullptr) &&
               gst_element_set_state(pipeline_, GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE;
    }

    // True once the sound has played to its end (or failed).
    bool Ended() {
        if (ended_ || !pipeline_) return true;
        GstBus* bus = gst_element_get_bus(pipeline_);
        GstMessage* message = gst_bus_pop_filtered(bus, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
        gst_object_unref(bus);
        if (message) {
            gst_message_unref(message);
            ended_ = true;
        }
        return ended_;
    }

    // Blocks until the end of a sound that does not loop.
    void WaitForEnd() {
        uint64_t milliseconds = samples_.size() * 1000 / (frameBytes_ * format_.samplesPerSec);
        GstBus* bus = gst_element_get_bus(pipeline_);
        GstMessage* message = gst_bus_timed_pop_filtered(bus, (milliseconds + 3000) * GST_MSECOND,
                                                         static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
        gst_object_unref(bus);
        if (message) gst_message_unref(message);
        ended_ = true;
    }

private:
    // Runs on the streaming thread: pushes the next piece of the samples, from the start
    // again when looping.
    static void NeedData(GstAppSrc* source, guint, gpointer self) {
        auto* sound = static_cast<Sound*>(self);
        if (sound->offset_ >= sound->samples_.size()) {
            if (!sound->loop_) {
                gst_app_src_end_of_stream(source);
                return;
            }
            sound->offset_ = 0;
        }
        size_t chunk = std::min<size_t>(sound->samples_.size() - sound->offset_, sound->frameBytes_ * 2048);
        GstBuffer* buffer = gst_buffer_new_memdup(sound->samples_.data() + sound->offset_, chunk);
        uint64_t frames = chunk / sound->frameBytes_;
        GST_BUFFER_PTS(buffer) = gst_util_uint64_scale(sound->framesPushed_, GST_SECOND, sound->format_.samplesPerSec);
        GST_BUFFER_DURATION(buffer) = gst_util_uint64_scale(frames, GST_SECOND, sound->format_.samplesPerSec);
        sound->framesPushed_ += frames;
        sound->offset_ += chunk;
        gst_app_src_push_buffer(source, buffer);
    }

    WaveFormat format_;
    std::string samples_;
    bool loop_;
    size_t frameBytes_ = 1;
    size_t offset_ = 0;
    uint64_t framesPushed_ = 0;
    GstElement* pipeline_ = nullptr;
    bool ended_ = false;
};

std::unique_ptr<Sound>& Current() {
    static std::unique_ptr<Sound> current;
    return current;
}

std::string ReadSoundFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return {};
    std::streamoff size = in.tellg();
    if (size <= 0 || static_cast<size_t>(size) > kMaxSoundFile) return {};
    std::string bytes(static_cast<size_t>(size), '\0');
    in.seekg(0);
    in.read(bytes.data(), size);
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

} // namespace

bool IsWaveSoundPlaying() { return Current() && !Current()->Ended(); }

void StopWaveSound() { Current().reset(); }

bool PlayWaveImage(std::string_view image, uint32_t flags) {
    if ((flags & SND_NOSTOP) && IsWaveSoundPlaying()) return false;
    StopWaveSound();
    auto wave = ParseWave(image);
    if (!wave) return false;
    bool async = flags & SND_ASYNC;
    auto sound = std::make_unique<Sound>(wave->format, wave->data, async && (flags & SND_LOOP));
    if (!sound->Start()) return false;
    if (!async) {
        sound->WaitForEnd();
        return true;
    }
    Current() = std::move(sound);
    return true;
}

bool PlayWaveFile(const std::string& path, uint32_t flags) {
    if (path.empty()) {
        StopWaveSound();
        return true;
    }
    if ((flags & SND_NOSTOP) && IsWaveSoundPlaying()) return false;
    std::string image = ReadSoundFile(path);
    if (image.empty()) return false;
    return PlayWaveImage(image, flags & ~SND_MEMORY);
}

} // namespace gb

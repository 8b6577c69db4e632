#include "WaveRecorder.h"

#include "AudioOutput.h"
#include "GstSupport.h"

#include <gst/app/gstappsink.h>

namespace gb {
namespace {

// The live input element (a reference the caller owns): the desktop's sound input, or
// silence for the fake output.
GstElement* MakeAudioSource() {
    if (CurrentAudioOutput() == AudioOutput::Fake) {
        GstElement* source = gst_element_factory_make("audiotestsrc", nullptr);
        if (!source) return nullptr;
        gst_object_ref_sink(source);
        g_object_set(source, "wave", 4 /* silence */, "is-live", TRUE, nullptr);
        return source;
    }
    return FirstUsableElement({"pulsesrc", "pipewiresrc", "alsasrc"});
}

} // namespace

bool IsRecordableFormat(const WaveFormat& f) {
    return f.formatTag == 1 && (f.bitsPerSample == 8 || f.bitsPerSample == 16) && (f.channels == 1 || f.channels == 2) &&
           f.samplesPerSec >= 8000 && f.samplesPerSec <= 48000;
}

WaveRecorder::WaveRecorder(const WaveFormat& format) : format_(format) {}

WaveRecorder::~WaveRecorder() { DisposePipeline(pipeline_); }

bool WaveRecorder::Start() {
    if (!EnsureGStreamer() || !IsRecordableFormat(format_)) return false;
    GstElement* source = MakeAudioSource();
    if (!source) return false;
    pipeline_ = gst_pipeline_new(nullptr);
    gst_object_ref_sink(pipeline_);
    GstElement* convert = gst_element_factory_make("audioconvert", nullptr);
    GstElement* resample = gst_element_factory_make("audioresample", nullptr);
    GstElement* sink = gst_element_factory_make("appsink", nullptr);
    if (!convert || !resample || !sink) {
        for (GstElement* element : {source, convert, resample, sink})
            if (element) gst_object_unref(element);
        DisposePipeline(pipeline_);
        return false;
    }
    GstCaps* caps = gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING,
                                        format_.bitsPerSample == 8 ? "U8" : "S16LE", "rate", G_TYPE_INT,
                                        static_cast<int>(format_.samplesPerSec), "channels", G_TYPE_INT,
                                        static_cast<int>(format_.channels), "layout", G_TYPE_STRING, "interleaved",
                                        nullptr);
    g_object_set(sink, "caps", caps, "emit-signals", TRUE, "sync", FALSE, nullptr);
    gst_caps_unref(caps);
    g_signal_connect(sink, "new-sample", G_CALLBACK(&WaveRecorder::OnNewSample), this);
    gst_bin_add_many(GST_BIN(pipeline_), source, convert, resample, sink, nullptr);
    gst_object_unref(source); // the bin holds it now
    if (!gst_element_link_many(source, convert, resample, sink, nullptr) ||
        gst_element_set_state(pipeline_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        DisposePipeline(pipeline_);
        return false;
    }
    return true;
}

int WaveRecorder::OnNewSample(GstElement* sink, void* self) {
    auto* recorder = static_cast<WaveRecorder*>(self);
    GstSample* sample = gst_app_sink_pull_sample(GST_APP_SINK(sink));
    if (!sample) return GST_FLOW_OK;
    if (GstBuffer* buffer = gst_sample_get_buffer(sample)) {
        GstMapInfo map;
        if (gst_buffer_map(buffer, &map, GST_MAP_READ)) {
            std::lock_guard<std::mutex> lock(recorder->mutex_);
            recorder->samples_.append(reinterpret_cast<const char*>(map.data), map.size);
            gst_buffer_unmap(buffer, &map);
        }
    }
    gst_sample_unref(sample);
    return GST_FLOW_OK;
}

void WaveRecorder::Pause() {
    if (pipeline_) gst_element_set_state(pipeline_, GST_STATE_PAUSED);
}

void WaveRecorder::Resume() {
    if (pipeline_) gst_element_set_state(pipeline_, GST_STATE_PLAYING);
}

size_t WaveRecorder::Captured() {
    std::lock_guard<std::mutex> lock(mutex_);
    return samples_.size();
}

std::string WaveRecorder::Finish() {
    DisposePipeline(pipeline_);
    std::lock_guard<std::mutex> lock(mutex_);
    std::string out = std::move(samples_);
    samples_.clear();
    return out;
}

} // namespace gb

#include "MidiOutput.h"

#include "GstSupport.h"

#include <fluidsynth.h>
#include <gst/app/gstappsrc.h>

#include <map>
#include <memory>

namespace gb {
namespace {

constexpr int kRate = 44100;
constexpr int kFramesPerBuffer = 1024;

// One open output: the synthesiser, and the pipeline that takes its samples to the
// audio sink as the sink asks for them.
class Synthesizer {
public:
    ~Synthesizer() {
        DisposePipeline(pipeline_); // stops the streaming thread before the synth goes
        if (synth_) delete_fluid_synth(synth_);
        if (settings_) delete_fluid_settings(settings_);
    }

    bool Start(const std::string& soundFont) {
        if (!EnsureGStreamer()) return false;
        settings_ = new_fluid_settings();
        if (!settings_) return false;
        fluid_settings_setnum(settings_, "synth.sample-rate", kRate);
        synth_ = new_fluid_synth(settings_);
        if (!synth_ || fluid_synth_sfload(synth_, soundFont.c_str(), 1) == FLUID_FAILED) return false;
        pipeline_ = gst_pipeline_new(nullptr);
        gst_object_ref_sink(pipeline_);
        GstElement* source = gst_element_factory_make("appsrc", nullptr);
        GstElement* convert = gst_element_factory_make("audioconvert", nullptr);
        GstElement* sink = MakeAudioSink();
        if (!source || !convert || !sink) {
            for (GstElement* e : {source, convert, sink})
                if (e) gst_object_unref(e);
            return false;
        }
        GstCaps* caps = gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING, "S16LE", "rate", G_TYPE_INT, kRate,
                                            "channels", G_TYPE_INT, 2, "layout", G_TYPE_STRING, "interleaved", nullptr);
        g_object_set(source, "caps", caps, "format", GST_FORMAT_TIME, "max-bytes", guint64(kFramesPerBuffer * 4 * 2),
                     nullptr);
        gst_caps_unref(caps);
        GstAppSrcCallbacks callbacks{};
        callbacks.need_data = &Synthesizer::NeedData;
        gst_app_src_set_callbacks(GST_APP_SRC(source), &callbacks, this, nullptr);
        gst_bin_add_many(GST_BIN(pipeline_), source, convert, sink, nullptr);
        return gst_element_link_many(source, convert, sink, nullptr) &&
               gst_element_set_state(pipeline_, GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE;
    }

    fluid_synth_t* Synth() const { return synth_; }

private:
    // Runs on the streaming thread; FluidSynth's calls are safe across threads.
    static void NeedData(GstAppSrc* source, guint, gpointer self) {
        auto* synthesizer = static_cast<Synthesizer*>(self);
        GstBuffer* buffer = gst_buffer_new_allocate(nullptr, kFramesPerBuffer * 4, nullptr);
        GstMapInfo map;
        if (gst_buffer_map(buffer, &map, GST_MAP_WRITE)) {
            fluid_synth_write_s16(synthesizer->synth_, kFramesPerBuffer, map.data, 0, 2, map.data, 1, 2);
            gst_buffer_unmap(buffer, &map);
        }
        GST_BUFFER_PTS(buffer) = gst_util_uint64_scale(synthesizer->frames_, GST_SECOND, kRate);
        GST_BUFFER_DURATION(buffer) = gst_util_uint64_scale(kFramesPerBuffer, GST_SECOND, kRate);
        synthesizer->frames_ += kFramesPerBuffer;
        gst_app_src_push_buffer(source, buffer);
    }

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    GstElement* pipeline_ = nullptr;
    uint64_t frames_ = 0;
};

std::map<MidiOutHandle, std::unique_ptr<Synthesizer>>& Outputs() {
    static std::map<MidiOutHandle, std::unique_ptr<Synthesizer>> outputs;
    return outputs;
}

Synthesizer* Find(MidiOutHandle handle) {
    auto found = Outputs().find(handle);
    return found == Outputs().end() ? nullptr : found->second.get();
}

} // namespace

uint32_t MidiOutGetNumDevs() { return GeneralMidiSoundFont().empty() ? 0 : 1; }

uint32_t MidiOutOpen(MidiOutHandle& handle, uint32_t id) {
    handle = 0;
    if (id != 0 && id != MIDI_MAPPER) return MMSYSERR_BADDEVICEID;
    const std::string font = GeneralMidiSoundFont();
    if (font.empty()) return MMSYSERR_NODRIVER;
    auto synthesizer = std::make_unique<Synthesizer>();
    if (!synthesizer->Start(font)) return MMSYSERR_ERROR;
    static MidiOutHandle next = 0x100;
    handle = next++;
    Outputs()[handle] = std::move(synthesizer);
    return MMSYSERR_NOERROR;
}

uint32_t MidiOutClose(MidiOutHandle handle) {
    return Outputs().erase(handle) ? MMSYSERR_NOERROR : MMSYSERR_INVALHANDLE;
}

uint32_t MidiOutShortMsg(MidiOutHandle handle, uint32_t message) {
    Synthesizer* synthesizer = Find(handle);
    if (!synthesizer) return MMSYSERR_INVALHANDLE;
    fluid_synth_t* synth = synthesizer->Synth();
    int status = static_cast<int>(message & 0xFF);
    int channel = status & 0x0F;
    int data1 = static_cast<int>((message >> 8) & 0x7F);
    int data2 = static_cast<int>((message >> 16) & 0x7F);
    switch (status & 0xF0) {
    case 0x80: fluid_synth_noteoff(synth, channel, data1); break;
    case 0x90:
        if (data2 == 0) fluid_synth_noteoff(synth, channel, data1);
        else fluid_synth_noteon(synth, channel, data1, data2);
        break;
    case 0xA0: fluid_synth_key_pressure(synth, channel, data1, data2); break;
    case 0xB0: fluid_synth_cc(synth, channel, data1, data2); break;
    case 0xC0: fluid_synth_program_change(synth, channel, data1); break;
    case 0xD0: fluid_synth_channel_pressure(synth, channel, data1); break;
    case 0xE0: fluid_synth_pitch_bend(synth, channel, data1 | (data2 << 7)); break;
    default: break; // a data byte without status, or a system message: nothing to play
    }
    return MMSYSERR_NOERROR;
}

int MidiOutProgram(MidiOutHandle handle, int channel) {
    Synthesizer* synthesizer = Find(handle);
    if (!synthesizer) return -1;
    int font = 0, bank = 0, program = 0;
    if (fluid_synth_get_program(synthesizer->Synth(), channel, &font, &bank, &program) != FLUID_OK) return -1;
    return program;
}

int MidiOutActiveVoices(MidiOutHandle handle) {
    Synthesizer* synthesizer = Find(handle);
    return synthesizer ? fluid_synth_get_active_voice_count(synthesizer->Synth()) : -1;
}

} // namespace gb

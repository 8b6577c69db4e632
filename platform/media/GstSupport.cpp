#include "GstSupport.h"

#include "AudioOutput.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <sys/stat.h>

namespace gb {
namespace {

AudioOutput& OutputChoice() {
    static AudioOutput choice = [] {
        const char* env = std::getenv("GLIMMERBOX_AUDIO");
        return env && std::strcmp(env, "fake") == 0 ? AudioOutput::Fake : AudioOutput::Automatic;
    }();
    return choice;
}

bool FileIsThere(const std::string& path) {
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The first real sink factory that can open its device, probed once: a sound server
// first, then the sound card. Empty when none can.
const std::string& ProbedSinkFactory() {
    static const std::string factory = [] {
        GstElement* sink = FirstUsableElement({"pulsesink", "pipewiresink", "alsasink"});
        if (!sink) return std::string();
        std::string name = GST_OBJECT_NAME(gst_element_get_factory(sink));
        gst_object_unref(sink);
        return name;
    }();
    return factory;
}

} // namespace

GstElement* FirstUsableElement(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        GstElement* element = gst_element_factory_make(name, nullptr);
        if (!element) continue;
        gst_object_ref_sink(element);
        bool usable = gst_element_set_state(element, GST_STATE_READY) != GST_STATE_CHANGE_FAILURE;
        gst_element_set_state(element, GST_STATE_NULL);
        if (usable) return element;
        gst_object_unref(element);
    }
    return nullptr;
}

void SetAudioOutput(AudioOutput output) { OutputChoice() = output; }
AudioOutput CurrentAudioOutput() { return OutputChoice(); }

bool HasAudioDevice() {
    return EnsureGStreamer() && !ProbedSinkFactory().empty();
}

bool EnsureGStreamer() {
    static std::once_flag once;
    static bool ready = false;
    std::call_once(once, [] {
        GError* error = nullptr;
        ready = gst_init_check(nullptr, nullptr, &error);
        if (error) g_error_free(error);
        if (!ready) return;
        // Prefer FluidSynth with a General MIDI sound font over other MIDI decoders,
        // which need instrument sets that a desktop seldom has.
        if (GstElementFactory* fluid = gst_element_factory_find("fluiddec")) {
            gst_plugin_feature_set_rank(GST_PLUGIN_FEATURE(fluid), GST_RANK_PRIMARY + 1);
            gst_object_unref(fluid);
        }
    });
    return ready;
}

GstElement* MakeAudioSink() {
    if (!EnsureGStreamer()) return nullptr;
    if (CurrentAudioOutput() == AudioOutput::Automatic && !ProbedSinkFactory().empty()) {
        if (GstElement* sink = gst_element_factory_make(ProbedSinkFactory().c_str(), nullptr)) return sink;
    }
    GstElement* fake = gst_element_factory_make("fakesink", nullptr);
    if (fake) g_object_set(fake, "sync", TRUE, nullptr);
    return fake;
}

std::string GeneralMidiSoundFont() {
    if (const char* env = std::getenv("GLIMMERBOX_SOUNDFONT"); env && FileIsThere(env)) return env;
    for (const char* path : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
                             "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/soundfonts/default.sf2",
                             "/usr/share/soundfonts/FluidR3_GM.sf2"}) {
        if (FileIsThere(path)) return path;
    }
    return {};
}

void SetUpMidiDecoder(GstElement*, GstElement* element, gpointer) {
    GstElementFactory* factory = gst_element_get_factory(element);
    if (!factory || std::strcmp(GST_OBJECT_NAME(factory), "fluiddec") != 0) return;
    const std::string font = GeneralMidiSoundFont();
    if (!font.empty()) g_object_set(element, "soundfont", font.c_str(), nullptr);
}

void DisposePipeline(GstElement*& pipeline) {
    if (!pipeline) return;
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    pipeline = nullptr;
}

} // namespace gb

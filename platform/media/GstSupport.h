#pragma once
// GStreamer pieces shared inside the media layer: start-up, the audio sink, the sound
// font. Not for use outside platform/media.
#include <gst/gst.h>

#include <initializer_list>
#include <string>

namespace gb {

// Initialises GStreamer once; false when it cannot be used at all.
bool EnsureGStreamer();

// The first of the element factories `names` whose element can open its device (reach
// the READY state), as a new element the caller owns; nullptr when none can.
GstElement* FirstUsableElement(std::initializer_list<const char*> names);

// A new audio sink element for one pipeline, as chosen by AudioOutput.
GstElement* MakeAudioSink();

// The General MIDI sound font: $GLIMMERBOX_SOUNDFONT, else the desktop's default GM
// font; "" when there is none.
std::string GeneralMidiSoundFont();

// Gives playbin's MIDI decoder the sound font (connect to playbin's "element-setup").
void SetUpMidiDecoder(GstElement* playbin, GstElement* element, gpointer);

// Drops the references of a pipeline after bringing it to the NULL state.
void DisposePipeline(GstElement*& pipeline);

} // namespace gb

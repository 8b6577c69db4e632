#pragma once
// Captures wave samples of one format from the audio input into memory, in real time.
// With the fake audio output the input is a live source of silence, so that
// recording behaves the same on a machine without sound hardware in tests.
#include "WaveFile.h"

#include <cstdint>
#include <mutex>
#include <string>

typedef struct _GstElement GstElement;

namespace gb {

class WaveRecorder {
public:
    explicit WaveRecorder(const WaveFormat& format);
    ~WaveRecorder();
    WaveRecorder(const WaveRecorder&) = delete;
    WaveRecorder& operator=(const WaveRecorder&) = delete;

    // False when there is no usable input or the format cannot be captured.
    bool Start();
    void Pause();
    void Resume();
    // Stops capturing and hands over the samples captured so far.
    std::string Finish();
    // Bytes captured so far.
    size_t Captured();

private:
    static int OnNewSample(GstElement* sink, void* self);

    WaveFormat format_;
    GstElement* pipeline_ = nullptr;
    std::mutex mutex_;
    std::string samples_;
};

// True when the format is one the recorder captures (PCM, 8 or 16 bits, 1 or 2
// channels, 8000 to 48000 samples a second).
bool IsRecordableFormat(const WaveFormat& format);

} // namespace gb

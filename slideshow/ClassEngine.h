#pragma once
// A small pixel engine over one device context: it takes a snapshot (the clone) of
// what is drawn in the target into a DIB of its own, changes the DIB's pixels or
// palette in memory, and draws it back. The theater uses it for the fade and the
// colour filters; the album storage for the conversion of the thumbnail sheet to JPEG.
#include "platform/draw/BitmapInfo.h"
#include "platform/draw/DrawHandles.h"
#include "platform/draw/Picture.h"

#include <cstdint>
#include <string>

namespace gb {

class ClassEngine {
public:
    // The tones of Effect.
    enum Tone : int32_t { Monotone = 0, Sepia = 1, Vivid = 2 };
    // Frames of a fade: brightness 0, 10, ... 100 percent.
    static constexpr int kFadeSteps = 10;

    ClassEngine() = default;
    ~ClassEngine();
    ClassEngine(const ClassEngine&) = delete;
    ClassEngine& operator=(const ClassEngine&) = delete;

    // Where Realize draws the clone in the target, in pixels.
    int16_t OriginX = 0;
    int16_t OriginY = 0;

    void Attach(Hdc target);
    void Detach();
    // Replaces the target without touching the memory device context.
    void hDC(Hdc target) { target_ = target; }

    // Snapshot of the target's rectangle (0, 0, picture size in pixels): 8 bits with
    // the engine's palette when `palette` is true, else 24 bits. Only bitmap pictures
    // give a clone.
    void InsertClone(const Picture& picture, bool palette);
    void DeleteClone();

    // Eleven frames, from black to full brightness or back, `wait` ms apart. Only the
    // palette changes, so an 8-bit clone fades and a 24-bit one is drawn unchanged.
    void FadeIn(int32_t wait);
    void FadeOut(int32_t wait);
    // Changes the clone's pixels (tone 0 monotone, 1 sepia, 2 vivid; others leave
    // them) and draws it.
    void Effect(int32_t tone);
    // Draws the clone into the target at OriginX, OriginY.
    void Realize();

    // Writes the bitmap file `source` as the JPEG file `target` through the Convert
    // library's SavetoJPEG. The result is not looked at: the caller learns from the
    // file whether it was written.
    void Convert(const std::string& source, const std::string& target, uint8_t quality, bool progressive);

    // The clone as the engine sees it (for tests and benchmarks).
    bool HasClone() const { return dib_ != 0; }
    const BitmapInfo& Description() const { return info_; }
    uint8_t* Pixels() const { return bits_; }

    // Fills the first 216 palette entries with the 6 x 6 x 6 colour cube at
    // `percent` brightness (halves to even); entries 216-255 stay black.
    static void BuildPalette(BitmapInfo& info, int percent);

private:
    void Fade(int from, int to, int32_t wait);

    Hdc target_ = 0;
    Hdc memory_ = 0;
    Hbitmap dib_ = 0;
    Hbitmap previous_ = 0;
    BitmapInfo info_{};
    uint8_t* bits_ = nullptr;
};

} // namespace gb

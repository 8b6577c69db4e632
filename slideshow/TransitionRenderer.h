#pragma once
// The transition renderer of the theater window: plays a list of effects, each a
// fixed sequence of block transfers from the buffer (S) to the window (D) with short
// sleeps in between, then draws the final picture and, in theater mode, the title.
// The colour filters (12-14) change the buffer through the picture engine.
#include "ClassEngine.h"
#include "EffectNumber.h"
#include "Surface.h"

#include <string>
#include <vector>

namespace gb {

class Canvas;

class TransitionRenderer {
public:
    // `window` is the canvas behind D's device context; `engine` is the picture
    // engine of the calling window (attached), used by the fade and the filters.
    TransitionRenderer(Canvas& window, ClassEngine& engine) : window_(window), engine_(engine) {}

    // The display rectangle of the window and the buffer rectangle.
    Surface D;
    Surface S;
    // The window's presentation: theater mode (maximised, title over the picture)
    // or windowed mode.
    bool TheaterMode = false;
    // The title text and whether the album shows it.
    std::string Caption;
    bool ShowTitle = false;

    // Plays the effects in list order (numbers outside 1-14 do nothing); with
    // `Display` true the final drawing follows.
    void Render(bool Display, const std::vector<int>& effects);

    // Sleeps between the steps, in milliseconds.
    static constexpr uint32_t kWipeSleep = 10;
    static constexpr uint32_t kZoomSleep = 5;
    static constexpr uint32_t kBlindSleep = 20;
    static constexpr uint32_t kStripeSleep = 250;
    static constexpr int32_t kFadeWait = 25;

private:
    void Play(int effect);
    void Wipe(bool horizontal);
    void WipeFromCentre();
    void Slide(bool horizontal);
    void ZoomFromCentre();
    void Dissolve();
    void Blinds(bool horizontal);
    void Stripes();
    void Fade();
    void Filter(int32_t tone);
    void FinalDrawing();
    void Copy(int x, int y, int width, int height, int sourceX, int sourceY);

    Canvas& window_;
    ClassEngine& engine_;
};

} // namespace gb

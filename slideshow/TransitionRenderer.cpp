#include "TransitionRenderer.h"

#include "platform/Random.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/Gdi.h"
#include "platform/draw/Rounding.h"

#include <algorithm>
#include <array>

namespace gb {
namespace {

int R(double value) { return RoundHalfEven(value); }

constexpr int kWipeSteps = 50;
constexpr int kSlideSteps = 20;
constexpr int kZoomSteps = 10;
constexpr int kDissolveCells = 10;
constexpr int kBlindHeight = 10;
constexpr int kBlindPitch = 20;
constexpr int kStripePitch = 2;
constexpr int kTitleMargin = 10;
// A random source that keeps missing the cells still to draw would hang the thread;
// after this many misses in a row the rest is drawn in order.
constexpr int kDissolveMissLimit = 100000;

// A cell index from a random number in [0, 1).
int CellOf(double random) { return std::clamp(int(random * kDissolveCells), 0, kDissolveCells - 1); }

} // namespace

void TransitionRenderer::Render(bool Display, const std::vector<int>& effects) {
    for (int effect : effects) Play(effect);
    if (Display) FinalDrawing();
    // The caller may block next (a sound effect): show the result now.
    PresentScreens();
}

void TransitionRenderer::Play(int effect) {
    switch (effect) {
    case EffectWipeHorizontal: Wipe(true); break;
    case EffectWipeVertical: Wipe(false); break;
    case EffectWipeFromCentre: WipeFromCentre(); break;
    case EffectSlideHorizontal: Slide(true); break;
    case EffectSlideVertical: Slide(false); break;
    case EffectZoomFromCentre: ZoomFromCentre(); break;
    case EffectDissolve: Dissolve(); break;
    case EffectBlindsHorizontal: Blinds(false); break;
    case EffectBlindsVertical: Blinds(true); break;
    case EffectStripes: Stripes(); break;
    case EffectFade: Fade(); break;
    case EffectMonotone: Filter(ClassEngine::Monotone); break;
    case EffectSepia: Filter(ClassEngine::Sepia); break;
    case EffectVivid: Filter(ClassEngine::Vivid); break;
    default: break;
    }
}

void TransitionRenderer::Copy(int x, int y, int width, int height, int sourceX, int sourceY) {
    BitBlt(D.hDC, x, y, width, height, S.hDC, sourceX, sourceY, SRCCOPY);
}

// Strips across the picture, one fiftieth wide (at least one pixel), left to right or
// top to bottom.
void TransitionRenderer::Wipe(bool horizontal) {
    for (int k = 0; k < kWipeSteps; ++k) {
        const double f = double(k) / kWipeSteps;
        if (horizontal)
            Copy(D.Left + R(D.Width * f), D.Top, D.Width / kWipeSteps + 1, D.Height, S.Left + R(S.Width * f), S.Top);
        else
            Copy(D.Left, D.Top + R(D.Height * f), D.Width, D.Height / kWipeSteps + 1, S.Left, S.Top + R(S.Height * f));
        PresentAndSleep(kWipeSleep);
    }
}

// A rectangle growing from the centre, showing the picture's own middle.
void TransitionRenderer::WipeFromCentre() {
    for (int k = 1; k <= kWipeSteps; ++k) {
        const double f = double(k) / kWipeSteps;
        Copy(D.Left + R((1 - f) * (D.Width / 2)), D.Top + R((1 - f) * (D.Height / 2)), R(D.Width * f),
             R(D.Height * f), S.Left + R((1 - f) * (S.Width / 2)), S.Top + R((1 - f) * (S.Height / 2)));
        PresentAndSleep(kWipeSleep);
    }
}

// The picture's right (bottom) part slides in from the left (top) edge.
void TransitionRenderer::Slide(bool horizontal) {
    for (int k = 0; k < kSlideSteps; ++k) {
        const double f = double(k) / kSlideSteps;
        if (horizontal)
            Copy(D.Left, D.Top, R(D.Width * f), D.Height, S.Left + R((1 - f) * S.Width), S.Top);
        else
            Copy(D.Left, D.Top, D.Width, R(D.Height * f), S.Left, S.Top + R((1 - f) * S.Height));
        PresentAndSleep(kWipeSleep);
    }
}

// The whole picture, stretched into a rectangle growing from the centre.
void TransitionRenderer::ZoomFromCentre() {
    SetStretchBltMode(D.hDC, COLORONCOLOR);
    for (int k = 1; k <= kZoomSteps; ++k) {
        const double f = double(k) / kZoomSteps;
        StretchBlt(D.hDC, D.Left + R((1 - f) * (D.Width / 2)), D.Top + R((1 - f) * (D.Height / 2)), R(D.Width * f),
                   R(D.Height * f), S.hDC, S.Left, S.Top, S.Width, S.Height, SRCCOPY);
        PresentAndSleep(kZoomSleep);
    }
}

// The cells of a 10 x 10 grid in random order, each exactly once.
void TransitionRenderer::Dissolve() {
    std::array<bool, kDissolveCells * kDissolveCells> done{};
    int drawn = 0, misses = 0;
    auto drawCell = [&](int c, int r) {
        Copy(D.Left + R(D.Width / 10.0 * c), D.Top + R(D.Height / 10.0 * r), D.Width / kDissolveCells + 1,
             D.Height / kDissolveCells + 1, S.Left + R(S.Width / 10.0 * c), S.Top + R(S.Height / 10.0 * r));
        done[size_t(r * kDissolveCells + c)] = true;
        ++drawn;
        PresentAndSleep(kWipeSleep);
    };
    while (drawn < kDissolveCells * kDissolveCells) {
        const int c = CellOf(Rnd());
        const int r = CellOf(Rnd());
        if (done[size_t(r * kDissolveCells + c)]) {
            if (++misses < kDissolveMissLimit) continue;
            for (int i = 0; i < kDissolveCells * kDissolveCells; ++i)
                if (!done[size_t(i)]) drawCell(i % kDissolveCells, i / kDissolveCells);
            break;
        }
        misses = 0;
        drawCell(c, r);
    }
}

// Ten-pixel strips: the even ones from the top (left) down, then the odd ones from
// the bottom (right) back up.
void TransitionRenderer::Blinds(bool vertical) {
    const int extent = vertical ? D.Width : D.Height;
    auto strip = [&](int at) {
        if (vertical)
            Copy(D.Left + at, D.Top, kBlindHeight, D.Height, S.Left + at, S.Top);
        else
            Copy(D.Left, D.Top + at, D.Width, kBlindHeight, S.Left, S.Top + at);
        PresentAndSleep(kBlindSleep);
    };
    int at = 0;
    for (; at <= extent; at += kBlindPitch) strip(at);
    for (at -= kBlindHeight; at >= 0; at -= kBlindPitch) strip(at);
}

// Every second column, then every second row; the pixels in an odd column and an odd
// row are left for the final drawing.
void TransitionRenderer::Stripes() {
    for (int x = 0; x <= D.Width; x += kStripePitch) Copy(D.Left + x, D.Top, 1, D.Height, S.Left + x, S.Top);
    PresentAndSleep(kStripeSleep);
    for (int y = 0; y <= D.Height; y += kStripePitch) Copy(D.Left, D.Top + y, D.Width, 1, S.Left, S.Top + y);
    PresentAndSleep(kStripeSleep);
}

// What the window shows fades to black; then the buffer fades in at D's place.
void TransitionRenderer::Fade() {
    engine_.OriginX = 0;
    engine_.OriginY = 0;
    engine_.hDC(D.hDC);
    engine_.InsertClone(D.Image, true);
    engine_.FadeOut(kFadeWait);
    engine_.DeleteClone();

    engine_.OriginX = D.Left;
    engine_.OriginY = D.Top;
    engine_.hDC(S.hDC);
    engine_.InsertClone(S.Image, true);
    engine_.hDC(D.hDC);
    engine_.FadeIn(kFadeWait);
    engine_.DeleteClone();
}

// A colour filter applied to the buffer itself.
void TransitionRenderer::Filter(int32_t tone) {
    engine_.OriginX = S.Left;
    engine_.OriginY = S.Top;
    engine_.hDC(S.hDC);
    engine_.InsertClone(S.Image, false);
    engine_.Effect(tone);
    engine_.DeleteClone();
}

void TransitionRenderer::FinalDrawing() {
    if (S.Width == D.Width && S.Height == D.Height) {
        Copy(D.Left, D.Top, D.Width, D.Height, S.Left, S.Top);
    } else {
        SetStretchBltMode(D.hDC, COLORONCOLOR);
        StretchBlt(D.hDC, D.Left, D.Top, D.Width, D.Height, S.hDC, S.Left, S.Top, S.Width, S.Height, SRCCOPY);
    }
    window_.SetPersistentDrawing(true);
    if (TheaterMode) {
        window_.Clear();
        window_.DrawPicture(S.Image, D.Left, D.Top, D.Width, D.Height);
        if (ShowTitle) {
            // White text with a one-pixel black outline: nine black prints around
            // the place, then the white one on top.
            window_.SetForeColor(Rgb(0, 0, 0));
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    window_.SetCurrentPosition(kTitleMargin + dx, kTitleMargin + dy);
                    window_.Print(Caption);
                }
            window_.SetForeColor(Rgb(255, 255, 255));
            window_.SetCurrentPosition(kTitleMargin, kTitleMargin);
            window_.Print(Caption);
        }
    } else {
        window_.DrawPicture(S.Image, D.Left, D.Top);
    }
    window_.SetPersistentDrawing(false);
}

} // namespace gb

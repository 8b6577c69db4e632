#pragma once
// Services on one top-level window given by its handle and device context: zoom
// animations into and out of it, caption flashing, a disabled close button, moving
// it by any point, keeping it above all others, trimming its system menu, and drawing
// captions, frame controls, edges and focus rectangles into its device context.
#include "platform/WindowHandle.h"

#include <QRect>
#include <cstdint>
#include <vector>

namespace gb {

class ClassWindow {
public:
    Hwnd hWnd = 0;
    std::intptr_t hDC = 0;

    // Zooms from the notification area (FromTray) or from the rectangle Left, Top,
    // Left + Width - 1, Top + Height - 1 to the window's rectangle.
    void Appear(bool FromTray, int16_t Left, int16_t Top, int16_t Width, int16_t Height);
    // The same animation from the window's rectangle out to the area or rectangle.
    void Leave(bool ToTray, int16_t Left, int16_t Top, int16_t Width, int16_t Height);
    // True: the caption changes once between its active and inactive look; false: it
    // gets its own look back.
    void Flash(bool Invert);
    // The close command of the system menu becomes a greyed item without a command:
    // the close button and the close command stop working.
    void DisableQuitButton();
    // Lets the window follow the mouse until the button is released.
    void Move();
    bool AlwaysVisible() const { return alwaysVisible_; }
    void SetAlwaysVisible(bool Value);
    void EffectAgainstMovable();
    void EffectAgainstSizable();
    // The default system menu again.
    void BreakEffects();

    // Style: 1 active, 2 small caption, 4 icon, 8 text, 0x20 gradient.
    void DrawTitle(int16_t Left, int16_t Top, int16_t Width, int16_t Height, int32_t Style);
    // Group: 1 caption buttons, 2 menu marks, 3 scroll arrows, 4 buttons; Member: the
    // kind in the low byte and the state (0x100 inactive, 0x200 pushed, 0x400 checked).
    void DrawFormControl(int16_t Left, int16_t Top, int16_t Width, int16_t Height, int32_t Group, int32_t Member);
    // Style: edge bits (1 raised outer, 2 sunken outer, 4 raised inner, 8 sunken inner);
    // Direction: sides (1 left, 2 top, 4 right, 8 bottom).
    void DrawPanel(int16_t Left, int16_t Top, int16_t Width, int16_t Height, int32_t Style, int32_t Direction);
    void DrawFocus(int16_t Left, int16_t Top, int16_t Width, int16_t Height);
    void PaintDesktop();

    // The rectangles the last animation showed, first to last (screen pixels).
    const std::vector<QRect>& AnimationFrames() const { return frames_; }

private:
    void Animate(const QRect& from, const QRect& to);
    void RemoveCommand(unsigned command);

    bool alwaysVisible_ = false;
    bool flashed_ = false;
    std::vector<QRect> frames_;
};

} // namespace gb

#pragma once
// The command tool bar of the main window (ToolBarSpeed). Its six buttons do not fit
// one row of the panel, so they wrap into two rows, as the platform's wrapping tool
// bar lays them out: the two drop-down buttons in the first row, the four toggles in
// the second. Callers see one tool bar addressed by command ids.
#include "toolkit/ClassImageList.h"
#include "toolkit/ClassToolBar.h"

#include <QRect>
#include <functional>
#include <string>

namespace gb {

class SpeedToolBar {
public:
    static constexpr int kRows = 2;

    // Creates the rows inside `area` of the parent window, with the images of `images`.
    void Create(Hwnd parent, const QRect& area, ClassImageList& images);
    void Destroy();

    // Adds a button to row 0 or 1 (styles and states as ClassToolBar::AddButton).
    void AddButton(int row, int32_t Key, int32_t style, int32_t state, int32_t Image);
    void SetToolTip(int32_t Key, const std::string& text);

    int32_t ButtonState(int32_t Key) const;
    void SetButtonState(int32_t Key, int32_t state);
    bool ButtonEnabled(int32_t Key) const;
    void SetButtonEnabled(int32_t Key, bool value);
    int32_t Buttons(int32_t Key) const;
    void SetButtons(int32_t Key, int32_t image);
    void Refresh();
    // The bar that holds a button (nullptr for an unknown id).
    const ClassToolBar* RowOf(int32_t Key) const;

    // Packs a tool bar's buttons without margins or gaps, the plain buttons (those
    // added from now on without a drop-down part) at the given size, as a small
    // panel needs them.
    static void Compact(ClassToolBar& bar, int buttonWidth, int buttonHeight);

    struct EventHandlers {
        std::function<void(int32_t Key)> ItemClick;
        // The point lies below the button's lower left corner, in screen pixels.
        std::function<void(int32_t Key, int32_t X, int32_t Y)> DropDown;
    } Events;

private:
    ClassToolBar* Row(int32_t Key);

    ClassToolBar rows_[kRows];
};

} // namespace gb

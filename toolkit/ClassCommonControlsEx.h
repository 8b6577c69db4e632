#pragma once
// The control site every wrapper owns (its member Extender): it hosts the wrapper's
// control, listens to the control's parent window and hands each of the parent's
// messages to the wrapper as the event Send. Geometry, visibility and enabling act on
// the container when the site is synchronized, on the control otherwise.
#include "InterfaceSubclass.h"

#include <cstdint>
#include <functional>

class QWidget;

namespace gb {

class ClassCommonControlsEx : public InterfaceSubclass {
public:
    ClassCommonControlsEx() = default;
    ~ClassCommonControlsEx() override;
    ClassCommonControlsEx(const ClassCommonControlsEx&) = delete;
    ClassCommonControlsEx& operator=(const ClassCommonControlsEx&) = delete;

    // The version code of the common controls: 6 on this platform.
    int32_t CommonControlsExInfo() const;

    // Every message of the listened window, before the window's own procedure.
    std::function<void(unsigned& wmInfo, WParam& wParam, LParam& lParam)> Send;

    Hwnd Handle() override { return listened_; }
    LResult Callback(Hwnd hWnd, unsigned wmInfo, WParam wParam, LParam lParam, bool& Default) override;
    void CallbackWindowsEx(WParam, LParam, bool&) override {}

    // Sets the control's font from the device context (the default GUI font for 0),
    // listens to the control's parent and takes it as the container.
    void Bind(Hwnd control, std::intptr_t hDC);
    void Unbind();
    Hwnd Control() const { return control_; }

    // 1 (true) or 0; writing another value changes nothing.
    int32_t Synchronized() const { return synchronized_ ? 1 : 0; }
    void SetSynchronized(int32_t value);
    // Makes `window` the control's parent and container; false (and the error
    // 0x80040000) when the control does not end up inside it.
    bool SetContainer(Hwnd window);

    bool HasStyle(uint32_t bits) const;
    void SetStyle(uint32_t bits, bool on);
    bool HasExStyle(uint32_t bits) const;
    void SetExStyle(uint32_t bits, bool on);
    // 0 flat, 1 a single line (border bit 0x800000), 2 a sunken edge (extended 0x200).
    void SetAppearance(int32_t value);

    bool Enabled() const;
    void SetEnabled(bool value);
    bool Visible() const;
    void SetVisible(bool value);

    // Rectangles in pixels: the window's normal rectangle in its parent, its client
    // rectangle, and half the difference between the two sizes. Window 0 is the target.
    Rect WindowRect(Hwnd window = 0) const;
    Rect ClientRect(Hwnd window = 0) const;
    Point FrameSize(Hwnd window = 0) const;
    int32_t Left() const;
    int32_t Top() const;
    int32_t Width() const;
    int32_t Height() const;
    int32_t ScaleWidth() const;
    int32_t ScaleHeight() const;

    // A width or height of 0 keeps the current one.
    void Move(int32_t x, int32_t y, int32_t width = 0, int32_t height = 0);
    void Size(int32_t width, int32_t height);
    // Takes the rectangle of a placeholder control of the window. Widget geometry is
    // in pixels on this platform, so `mode` (twips or pixels) changes nothing. False
    // (and the error 0x80040000) for a placeholder that is no control of a window.
    bool Fit(QWidget* placeholder, int32_t mode);
    void Adjust();
    void Stretch();
    void ZOrder(Hwnd insertAfter);
    void Refresh();
    void SetFocus();
    // 0 nothing, -1 the help pop-up of context 0, else the pop-up of that context.
    void WhatsThisHelp(int32_t contextId);

private:
    QWidget* Target() const;

    bool synchronized_ = false;
    Hwnd listened_ = 0;
    Hwnd container_ = 0;
    Hwnd control_ = 0;
};

} // namespace gb

#pragma once
// Connects one child window (a picture box or a frame) to the desktop's visual style:
// it tells whether styles are active and which platform edition runs, can move the
// child into a tab page, lets the child's background show its parent's texture, and
// reports paint, mouse-wheel and theme changes of the child as events.
#include "toolkit/InterfaceDock.h"
#include "platform/window/WindowProcedure.h"

#include <QPointer>
#include <QVariantMap>
#include <cstdint>
#include <functional>

class QWidget;

namespace gb {

class ClassTheme {
public:
    // Kept for the owner window; the class does not use it.
    QVariantMap Items;

    struct EventHandlers {
        std::function<void()> Paint;
        // Wheel: the distance (multiples of 120). Button 1 left, 2 right, 4 middle;
        // Shift 1 shift, 2 control; both 0 unless exactly one key was held. X, Y:
        // screen position.
        std::function<void(int16_t Wheel, int32_t Button, int32_t Shift, int32_t X, int32_t Y)> MouseWheel;
        std::function<void()> Update;
    } Events;

    ClassTheme() = default;
    ClassTheme(const ClassTheme&) = delete;
    ClassTheme& operator=(const ClassTheme&) = delete;

    // The edition code of this platform's version word: 0 here.
    int32_t Edition() const;
    // The edition code of a version word (major version in the low byte, minor in the
    // next, high bit set on the 16-bit-compatible family).
    static int32_t EditionOf(uint32_t versionWord);
    bool IsThemeMode() const;
    int32_t Style() const { return style_; }
    void SetStyle(int32_t Value) { style_ = Value; }
    // Attaches to Reference (a picture box with its device context, or a frame with
    // none), moving it into the docking item's window when that is a behaviour's
    // dockable control or a tab strip; Reference nullptr detaches and puts everything
    // back. Give nullptr before the object ends or takes another owner.
    void Owner(InterfaceDock* DockingItem, QWidget* Reference, std::intptr_t referenceDC = 0);
    void SetAutoRedraw(bool Value);
    void PaintTexture(int32_t Left, int32_t Top, int32_t Width, int32_t Height);

    // The owner's messages, called by ThemeWindowProc.
    LResult Message(Hwnd hWnd, unsigned message, WParam wParam, LParam lParam);
    Hwnd OwnerWindow() const { return owner_; }

private:
    void DrawParentBackground(std::intptr_t dc, Hwnd child);
    void Detach();

    Hwnd owner_ = 0;
    std::intptr_t ownerDC_ = 0;
    WindowProc previous_ = nullptr;
    QPointer<QWidget> previousParent_;
    bool hadAutoFill_ = false;
    int32_t style_ = 7;
};

} // namespace gb

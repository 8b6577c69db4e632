#include "ClassTheme.h"

#include "GeneralTheme.h"
#include "toolkit/GeneralCommonControlsEx.h"
#include "platform/window/DeviceContexts.h"

#include <QPainter>
#include <QWidget>

namespace gb {
namespace {

// This platform's version word: an NT-family version after the ones the table names.
constexpr uint32_t kPlatformVersionWord = 0x0000000A;

QWidget* lockedWindow = nullptr;

} // namespace

int32_t ClassTheme::EditionOf(uint32_t versionWord) {
    if (versionWord == 0) return 0;
    int major = int(versionWord & 0xFF), minor = int((versionWord >> 8) & 0xFF);
    if (int32_t(versionWord) < 0) {
        if (major == 3) return 1;
        if (major == 4) return minor == 0 ? 2 : minor == 10 ? 3 : minor == 90 ? 4 : 0;
        return 0;
    }
    if (major == 3) return 5;
    if (major == 4) return 6;
    if (major == 5) return minor == 0 ? 7 : minor == 1 ? 8 : 0;
    return 0;
}

int32_t ClassTheme::Edition() const { return EditionOf(kPlatformVersionWord); }

// The desktop always draws its controls in its style.
bool ClassTheme::IsThemeMode() const { return true; }

void ClassTheme::Owner(InterfaceDock* DockingItem, QWidget* Reference, std::intptr_t referenceDC) {
    if (!Reference) return Detach();
    owner_ = HandleOf(Reference);
    ownerDC_ = referenceDC;
    if (DockingItem && (DockingItem->Superclass() == KindBehavior || DockingItem->Superclass() == KindTabStrip)) {
        if (QWidget* page = WidgetOf(DockingItem->Handle()); page && page != Reference->parentWidget()) {
            previousParent_ = Reference->parentWidget();
            bool visible = !Reference->isHidden();
            Reference->setParent(page);
            Reference->setVisible(visible);
        }
    }
    if (previous_) return; // subclassed already
    if (GetProp(owner_, "POINTER")) return; // another single owner holds it
    SetProp(owner_, "POINTER", reinterpret_cast<std::intptr_t>(this));
    previous_ = SetWindowProc(owner_, &ThemeWindowProc);
    // The parent's texture shows through the owner's background.
    hadAutoFill_ = Reference->autoFillBackground();
    Reference->setAutoFillBackground(false);
}

void ClassTheme::Detach() {
    QWidget* owner = WidgetOf(owner_);
    if (previous_ && owner) {
        SetWindowProc(owner_, previous_);
        RemoveProp(owner_, "POINTER");
        owner->setAutoFillBackground(hadAutoFill_);
    }
    previous_ = nullptr;
    if (previousParent_ && owner) {
        bool visible = !owner->isHidden();
        owner->setParent(previousParent_);
        owner->setVisible(visible);
    }
    previousParent_ = nullptr;
    owner_ = 0;
    ownerDC_ = 0;
}

void ClassTheme::SetAutoRedraw(bool Value) {
    QWidget* owner = WidgetOf(owner_);
    if (!Value) {
        if (lockedWindow && lockedWindow != owner) lockedWindow->setUpdatesEnabled(true);
        if (owner) owner->setUpdatesEnabled(false);
        lockedWindow = owner;
    } else if (lockedWindow) {
        lockedWindow->setUpdatesEnabled(true);
        lockedWindow = nullptr;
    }
}

void ClassTheme::PaintTexture(int32_t Left, int32_t Top, int32_t Width, int32_t Height) {
    QWidget* owner = WidgetOf(owner_);
    if (!owner) return;
    QWidget* parent = owner->parentWidget() ? owner->parentWidget() : owner;
    PaintOnDeviceContext(ownerDC_, [&](QPainter& p) {
        p.fillRect(QRect(Left, Top, Width, Height), parent->palette().brush(parent->backgroundRole()));
    });
}

void ClassTheme::DrawParentBackground(std::intptr_t dc, Hwnd child) {
    QWidget* w = WidgetOf(child);
    QWidget* parent = w && w->parentWidget() ? w->parentWidget() : w;
    if (!parent) return;
    PaintOnDeviceContext(dc, [&](QPainter& p) {
        p.fillRect(QRect(QPoint(0, 0), w->size()), parent->palette().brush(parent->backgroundRole()));
    });
}

LResult ClassTheme::Message(Hwnd hWnd, unsigned message, WParam wParam, LParam lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // nothing is erased: the parent's texture stays
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        DrawParentBackground(std::intptr_t(wParam), Hwnd(lParam));
        return kNullBrush;
    case WM_CTLCOLORSCROLLBAR:
        return DefWindowProc(hWnd, message, wParam, lParam);
    case WM_PRINTCLIENT:
        DrawParentBackground(std::intptr_t(wParam), hWnd);
        return 0;
    case WM_THEMECHANGED:
        if (Events.Update) Events.Update();
        DrawParentBackground(std::intptr_t(wParam), hWnd);
        return 0;
    case WM_PAINT:
        if (Events.Paint) Events.Paint();
        break;
    case WM_MOUSEWHEEL: {
        int16_t keys = LoWord(int32_t(wParam));
        int32_t button = keys == 1 ? 1 : keys == 2 ? 2 : keys == 16 ? 4 : 0;
        int32_t shift = keys == 4 ? 1 : keys == 8 ? 2 : 0;
        if (Events.MouseWheel)
            Events.MouseWheel(HiWord(int32_t(wParam)), button, shift, LoWord(int32_t(lParam)), HiWord(int32_t(lParam)));
        break;
    }
    default:
        break;
    }
    return CallWindowProc(previous_, hWnd, message, wParam, lParam);
}

} // namespace gb

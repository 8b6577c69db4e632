#include "WindowStyle.h"

#include <QFrame>
#include <QRadioButton>
#include <QWidget>
#include <unordered_map>

namespace gb {
namespace {

struct Words {
    bool styled = false;
    uint32_t style = 0, exStyle = 0, id = 0;
};

std::unordered_map<Hwnd, Words>& AllWords() {
    static std::unordered_map<Hwnd, Words> words;
    return words;
}

Words& WordsOf(Hwnd window, QWidget* widget) {
    auto [it, fresh] = AllWords().try_emplace(window);
    if (fresh) QObject::connect(widget, &QObject::destroyed, [window] { AllWords().erase(window); });
    return it->second;
}

bool FirstOptionOfParent(QWidget* w) {
    if (!qobject_cast<QRadioButton*>(w) || !w->parentWidget()) return false;
    for (QObject* sibling : w->parentWidget()->children())
        if (qobject_cast<QRadioButton*>(sibling)) return sibling == w;
    return false;
}

uint32_t DerivedStyle(QWidget* w) {
    uint32_t style = w->isWindow() ? WS_CAPTION | WS_SYSMENU | WS_THICKFRAME : WS_CHILD | WS_CLIPSIBLINGS;
    if (auto* radio = qobject_cast<QRadioButton*>(w)) {
        if (radio->isChecked()) style |= WS_TABSTOP;
        if (FirstOptionOfParent(w)) style |= WS_GROUP;
    } else if (w->focusPolicy() & Qt::TabFocus) {
        style |= WS_TABSTOP;
    }
    if (auto* frame = qobject_cast<QFrame*>(w)) {
        if (frame->frameShadow() == QFrame::Sunken && frame->frameShape() != QFrame::NoFrame) return style;
        if (frame->frameShape() == QFrame::Box) style |= WS_BORDER;
    }
    return style;
}

uint32_t DerivedExStyle(QWidget* w) {
    uint32_t ex = 0;
    if (auto* frame = qobject_cast<QFrame*>(w))
        if (frame->frameShape() != QFrame::NoFrame && frame->frameShadow() == QFrame::Sunken) ex |= WS_EX_CLIENTEDGE;
    return ex;
}

void ApplyFrame(QWidget* w, uint32_t style, uint32_t ex) {
    auto* frame = qobject_cast<QFrame*>(w);
    if (!frame) return;
    if (ex & WS_EX_CLIENTEDGE) {
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setFrameShadow(QFrame::Sunken);
    } else if (style & WS_BORDER) {
        frame->setFrameShape(QFrame::Box);
        frame->setFrameShadow(QFrame::Plain);
        frame->setLineWidth(1);
    } else {
        frame->setFrameShape(QFrame::NoFrame);
    }
}

} // namespace

uint32_t GetWindowLong(Hwnd window, int index) {
    QWidget* w = WidgetOf(window);
    if (!w) return 0;
    Words& words = WordsOf(window, w);
    switch (index) {
    case GWL_ID:
        return words.id;
    case GWL_STYLE: {
        uint32_t style = words.styled ? words.style : DerivedStyle(w);
        style &= ~(WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE);
        if (!w->isHidden()) style |= WS_VISIBLE;
        if (w->testAttribute(Qt::WA_ForceDisabled)) style |= WS_DISABLED;
        if (w->isWindow() && w->isMinimized()) style |= WS_MINIMIZE;
        if (w->isWindow() && w->isMaximized()) style |= WS_MAXIMIZE;
        return style;
    }
    case GWL_EXSTYLE: {
        uint32_t ex = words.styled ? words.exStyle : DerivedExStyle(w);
        ex &= ~uint32_t(WS_EX_TOPMOST);
        if (w->isWindow() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) ex |= WS_EX_TOPMOST;
        return ex;
    }
    default:
        return 0;
    }
}

uint32_t SetWindowLong(Hwnd window, int index, uint32_t value) {
    QWidget* w = WidgetOf(window);
    if (!w) return 0;
    uint32_t previous = GetWindowLong(window, index);
    Words& words = WordsOf(window, w);
    if (index == GWL_ID) {
        words.id = value;
        return previous;
    }
    if (index != GWL_STYLE && index != GWL_EXSTYLE) return 0;
    if (!words.styled) {
        words.style = GetWindowLong(window, GWL_STYLE);
        words.exStyle = GetWindowLong(window, GWL_EXSTYLE);
        words.styled = true;
    }
    (index == GWL_STYLE ? words.style : words.exStyle) = value;
    uint32_t style = words.style, ex = words.exStyle;
    if (index == GWL_STYLE) {
        if (bool(style & WS_DISABLED) != w->testAttribute(Qt::WA_ForceDisabled)) w->setEnabled(!(style & WS_DISABLED));
        if (!qobject_cast<QRadioButton*>(w) && bool(style & WS_TABSTOP) != bool(w->focusPolicy() & Qt::TabFocus))
            w->setFocusPolicy(style & WS_TABSTOP ? Qt::FocusPolicy(w->focusPolicy() | Qt::TabFocus)
                                                 : Qt::FocusPolicy(w->focusPolicy() & ~Qt::TabFocus));
    } else if (w->isWindow() && bool(ex & WS_EX_TOPMOST) != w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        SetTopmost(window, ex & WS_EX_TOPMOST);
    }
    ApplyFrame(w, style, ex);
    if (auto* styled = dynamic_cast<StyledWindow*>(w)) styled->WindowStyleChanged(style, ex);
    if (index == GWL_STYLE && bool(style & WS_VISIBLE) == w->isHidden()) w->setVisible(style & WS_VISIBLE);
    return previous;
}

void SetTopmost(Hwnd window, bool topmost) {
    QWidget* w = WidgetOf(window);
    if (!w || !w->isWindow()) return;
    if (w->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost) return;
    bool visible = w->isVisible();
    w->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (visible) w->show();
    Words& words = WordsOf(window, w);
    if (words.styled) words.exStyle = topmost ? words.exStyle | WS_EX_TOPMOST : words.exStyle & ~uint32_t(WS_EX_TOPMOST);
}

} // namespace gb

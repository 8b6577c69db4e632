#include "SliderControl.h"

#include "platform/WindowMessages.h"

#include <QPainter>
#include <QStyleOptionSlider>
#include <QToolTip>

namespace gb {
namespace {

enum : uint32_t { TBS_VERT = 0x2, TBS_TOP = 0x4, TBS_BOTH = 0x8, TBS_NOTICKS = 0x10, TBS_ENABLESELRANGE = 0x20,
                  TBS_NOTHUMB = 0x80, TBS_TOOLTIPS = 0x100 };
enum : int { TB_LINEUP = 0, TB_LINEDOWN = 1, TB_PAGEUP = 2, TB_PAGEDOWN = 3, TB_THUMBPOSITION = 4,
             TB_THUMBTRACK = 5, TB_TOP = 6, TB_BOTTOM = 7, TB_ENDTRACK = 8 };

int CodeOf(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: return TB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub: return TB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd: return TB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub: return TB_PAGEUP;
    case QAbstractSlider::SliderToMinimum: return TB_TOP;
    case QAbstractSlider::SliderToMaximum: return TB_BOTTOM;
    case QAbstractSlider::SliderMove: return TB_THUMBTRACK;
    default: return -1;
    }
}

} // namespace

SliderControl::SliderControl(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setFocusPolicy(Qt::StrongFocus);
    // The action comes before the value changes; the parent hears of it after.
    connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) {
        pendingCode_ = sliderPosition() != value() ? CodeOf(action) : -1;
    });
    connect(this, &QAbstractSlider::valueChanged, this, [this](int) {
        if (pendingCode_ < 0) return;
        int code = pendingCode_;
        pendingCode_ = -1;
        SendScroll(code);
        if ((style_ & TBS_TOOLTIPS) && isSliderDown())
            QToolTip::showText(mapToGlobal(rect().center()), QString::number(value()), this);
    });
    connect(this, &QAbstractSlider::sliderReleased, this, [this] {
        SendScroll(TB_THUMBPOSITION);
        SendScroll(TB_ENDTRACK);
    });
}

void SliderControl::SendScroll(int code) {
    if (!parentWidget()) return;
    unsigned message = orientation() == Qt::Vertical ? WM_VSCROLL : WM_HSCROLL;
    WParam w = WParam(uint16_t(code)) | (WParam(uint16_t(value())) << 16);
    SendMessage(HandleOf(parentWidget()), message, w, LParam(HandleOf(this)));
}

void SliderControl::WindowStyleChanged(uint32_t style, uint32_t) {
    style_ = style;
    setOrientation(style & TBS_VERT ? Qt::Vertical : Qt::Horizontal);
    ApplyTicks();
    update();
}

void SliderControl::ApplyTicks() {
    setTickInterval(frequency_);
    if (frequency_ <= 0 || (style_ & TBS_NOTICKS)) setTickPosition(QSlider::NoTicks);
    else if (style_ & TBS_BOTH) setTickPosition(QSlider::TicksBothSides);
    else if (style_ & TBS_TOP) setTickPosition(QSlider::TicksAbove);
    else setTickPosition(QSlider::TicksBelow);
}

void SliderControl::SetSelection(int start, int end) {
    selStart_ = start;
    selEnd_ = end;
    update();
}

void SliderControl::SetTickFrequency(int frequency) {
    frequency_ = std::max(0, frequency);
    ApplyTicks();
}

void SliderControl::SetThumbLength(int length) {
    if (orientation() == Qt::Horizontal) setMinimumHeight(length);
    else setMinimumWidth(length);
}

void SliderControl::paintEvent(QPaintEvent* event) {
    if (!(style_ & TBS_NOTHUMB)) {
        QSlider::paintEvent(event);
    } else {
        QPainter painter(this);
        QStyleOptionSlider option;
        initStyleOption(&option);
        option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderTickmarks;
        style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
    }
    if (!(style_ & TBS_ENABLESELRANGE) || selEnd_ <= selStart_ || maximum() <= minimum()) return;
    QStyleOptionSlider option;
    initStyleOption(&option);
    QRect groove = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    bool horizontal = orientation() == Qt::Horizontal;
    int span = (horizontal ? groove.width() - handle.width() : groove.height() - handle.height());
    int from = QStyle::sliderPositionFromValue(minimum(), maximum(), selStart_, span);
    int to = QStyle::sliderPositionFromValue(minimum(), maximum(), selEnd_, span);
    QPainter painter(this);
    QColor band = palette().color(QPalette::Highlight);
    band.setAlpha(160);
    if (horizontal)
        painter.fillRect(QRect(groove.left() + handle.width() / 2 + from, groove.center().y() - 2, to - from, 5), band);
    else
        painter.fillRect(QRect(groove.center().x() - 2, groove.top() + handle.height() / 2 + from, 5, to - from), band);
}

} // namespace gb

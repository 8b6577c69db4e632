#include "UpDownControl.h"

#include "ToolkitSupport.h"

#include <QKeyEvent>
#include <QToolButton>

namespace gb {
namespace {

enum : uint32_t { UDS_WRAP = 0x1, UDS_SETBUDDYINT = 0x2, UDS_ARROWKEYS = 0x20, UDS_HORZ = 0x40 };

} // namespace

UpDownControl::UpDownControl(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDownControl::WindowStyleChanged(uint32_t style, uint32_t) {
    style_ = style;
    up_->setArrowType(style & UDS_HORZ ? Qt::RightArrow : Qt::UpArrow);
    down_->setArrowType(style & UDS_HORZ ? Qt::LeftArrow : Qt::DownArrow);
    resizeEvent(nullptr);
}

void UpDownControl::SetBuddy(QWidget* buddy) {
    if (buddy_) buddy_->removeEventFilter(this);
    buddy_ = buddy;
    if (buddy_) buddy_->installEventFilter(this);
}

void UpDownControl::SetRange(int minimum, int maximum) {
    min_ = minimum;
    max_ = maximum;
}

void UpDownControl::SetPosition(int position) {
    pos_ = std::clamp(position, std::min(min_, max_), std::max(min_, max_));
    if (style_ & UDS_SETBUDDYINT) WriteBuddy();
}

void UpDownControl::Step(int delta) {
    if (max_ < min_) delta = -delta; // a reversed range counts the other way
    UpDownNotify n;
    n.iPos = pos_;
    n.iDelta = delta;
    if (Notify(this, UDN_DELTAPOS, n) != 0) return;
    int low = std::min(min_, max_), high = std::max(min_, max_);
    int next = pos_ + n.iDelta;
    if (next > high) next = style_ & UDS_WRAP ? low : high;
    if (next < low) next = style_ & UDS_WRAP ? high : low;
    pos_ = next;
    if (style_ & UDS_SETBUDDYINT) WriteBuddy();
    if (parentWidget())
        SendMessage(HandleOf(parentWidget()), style_ & UDS_HORZ ? WM_HSCROLL : WM_VSCROLL,
                    4 | (WParam(uint16_t(pos_)) << 16), LParam(HandleOf(this)));
}

void UpDownControl::WriteBuddy() {
    if (!buddy_) return;
    QByteArray text = QByteArray::number(pos_);
    SendMessage(HandleOf(buddy_), WM_SETTEXT, 0, reinterpret_cast<LParam>(text.constData()));
}

bool UpDownControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_ && event->type() == QEvent::KeyPress && (style_ & UDS_ARROWKEYS)) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return false;
}

void UpDownControl::resizeEvent(QResizeEvent*) {
    if (style_ & UDS_HORZ) {
        down_->setGeometry(0, 0, width() / 2, height());
        up_->setGeometry(width() / 2, 0, width() - width() / 2, height());
    } else {
        up_->setGeometry(0, 0, width(), height() / 2);
        down_->setGeometry(0, height() / 2, width(), height() - height() / 2);
    }
}

} // namespace gb

#include "ClassGrip.h"

#include <QEvent>
#include <QScrollBar>
#include <QSizeGrip>
#include <QStyle>

namespace gb {

ClassGrip::~ClassGrip() { delete grip_.data(); }

int32_t ClassGrip::X() const { return QWidget().style()->pixelMetric(QStyle::PM_ScrollBarExtent); }
int32_t ClassGrip::Y() const { return QWidget().style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

void ClassGrip::SetTarget(QScrollBar* target) {
    if (!target || !target->parentWidget()) return;
    if (target_ && target_->parentWidget()) target_->parentWidget()->removeEventFilter(this);
    delete grip_.data();
    target_ = target;
    QWidget* container = target->parentWidget();
    auto* grip = new QSizeGrip(container);
    grip->setGeometry(target->x(), target->y(), X(), Y());
    grip->setCursor(Qt::SizeFDiagCursor);
    grip->setVisible(!target->isHidden());
    target->hide();
    grip_ = grip;
    container->installEventFilter(this);
    if (autoAnchor_) Form_Resize();
}

QWidget* ClassGrip::Grip() const { return grip_.data(); }

void ClassGrip::SetAutoAnchor(bool value) {
    autoAnchor_ = value;
    if (value && grip_) Form_Resize();
}

void ClassGrip::Form_Resize() {
    if (!autoAnchor_ || !grip_ || !grip_->parentWidget()) return;
    QRect inner = grip_->parentWidget()->contentsRect();
    grip_->move(inner.right() + 1 - grip_->width(), inner.bottom() + 1 - grip_->height());
    grip_->raise();
}

bool ClassGrip::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && grip_ && watched == grip_->parentWidget()) Form_Resize();
    return false;
}

} // namespace gb

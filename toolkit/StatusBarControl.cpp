#include "StatusBarControl.h"

#include <QPainter>
#include <QSizeGrip>

namespace gb {
namespace {

enum : uint32_t { CCS_NOPARENTALIGN = 0x8, CCS_NORESIZE = 0x4, SBARS_SIZEGRIP = 0x100 };

} // namespace

StatusBarControl::StatusBarControl(QWidget* parent) : QWidget(parent) {
    grip_ = new QSizeGrip(this);
    grip_->hide();
}

void StatusBarControl::WindowStyleChanged(uint32_t style, uint32_t) {
    style_ = style;
    grip_->setVisible(style & SBARS_SIZEGRIP);
    update();
}

void StatusBarControl::SetParts(std::vector<int> rightEdges) {
    if (rightEdges.empty()) rightEdges.push_back(-1);
    parts_ = std::move(rightEdges);
    panels_.resize(parts_.size());
    update();
}

QRect StatusBarControl::PartRect(int index) const {
    if (index < 0 || index >= int(parts_.size())) return {};
    int left = index == 0 ? borderX_ : parts_[size_t(index) - 1] + between_;
    int right = parts_[size_t(index)] < 0 ? width() - borderX_ : parts_[size_t(index)];
    if (grip_->isVisible() && right > width() - grip_->width()) right = width() - grip_->width();
    return QRect(QPoint(left, borderY_), QPoint(right - 1, height() - borderY_ - 1));
}

void StatusBarControl::SetText(int index, const QString& text) {
    if (index < 0 || index >= int(panels_.size())) return;
    panels_[size_t(index)].text = text;
    update();
}

QString StatusBarControl::Text(int index) const {
    return index >= 0 && index < int(panels_.size()) ? panels_[size_t(index)].text : QString();
}

void StatusBarControl::SetIcon(int index, const QImage& icon) {
    if (index < 0 || index >= int(panels_.size())) return;
    panels_[size_t(index)].icon = icon;
    update();
}

void StatusBarControl::SetSimple(bool simple) {
    simple_ = simple;
    update();
}

void StatusBarControl::SetSimpleText(const QString& text) {
    simpleText_ = text;
    update();
}

void StatusBarControl::SetMinHeight(int height) {
    minHeight_ = height;
    AlignToParent();
}

void StatusBarControl::SetBorders(int horizontal, int vertical, int between) {
    borderX_ = std::max(0, horizontal);
    borderY_ = std::max(0, vertical);
    between_ = std::max(0, between);
    update();
}

void StatusBarControl::AlignToParent() {
    QWidget* parent = parentWidget();
    if (!parent || (style_ & (CCS_NOPARENTALIGN | CCS_NORESIZE))) return;
    int h = std::max(minHeight_ + 2 * borderY_, fontMetrics().height() + 2 * borderY_ + 4);
    setGeometry(0, parent->height() - h, parent->width(), h);
}

void StatusBarControl::resizeEvent(QResizeEvent*) {
    QSize size = grip_->sizeHint();
    grip_->setGeometry(width() - size.width(), height() - size.height(), size.width(), size.height());
}

void StatusBarControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    auto panel = [&](const QRect& r, const QString& text, const QImage& icon) {
        // A thin sunken frame: shadow on the top and left, light on the bottom and right.
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        QRect inner = r.adjusted(3, 1, -3, -1);
        if (!icon.isNull()) {
            QRect place(inner.left(), inner.top() + (inner.height() - icon.height()) / 2, icon.width(), icon.height());
            painter.drawImage(place, icon);
            inner.setLeft(place.right() + 4);
        }
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(inner, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, text);
    };
    if (simple_) {
        panel(QRect(QPoint(borderX_, borderY_), QPoint(width() - borderX_ - 1, height() - borderY_ - 1)), simpleText_, {});
        return;
    }
    for (int i = 0; i < int(parts_.size()); ++i) panel(PartRect(i), panels_[size_t(i)].text, panels_[size_t(i)].icon);
}

} // namespace gb

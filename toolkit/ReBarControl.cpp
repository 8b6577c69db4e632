#include "ReBarControl.h"

#include "ToolkitSupport.h"

#include <QPainter>

namespace gb {
namespace {

enum : uint32_t { CCS_NORESIZE = 0x4, CCS_NOPARENTALIGN = 0x8, RBS_BANDBORDERS = 0x400 };
constexpr int kGripper = 6, kGap = 2;

} // namespace

ReBarControl::ReBarControl(QWidget* parent) : QWidget(parent) {}

void ReBarControl::WindowStyleChanged(uint32_t style, uint32_t) {
    style_ = style;
    Relayout();
}

int ReBarControl::CaptionWidth(const Band& band) const {
    return band.caption.isEmpty() ? 0 : fontMetrics().horizontalAdvance(band.caption) + 6;
}

void ReBarControl::AddBand(QWidget* child, const QString& caption, QSize minimum, QColor fore, QColor back) {
    if (child) {
        child->setParent(this);
        child->show();
    }
    bands_.push_back(Band{child, caption, minimum, {}, fore, back});
    Relayout();
}

void ReBarControl::RemoveBand(int index) {
    if (index < 0 || index >= BandCount()) return;
    if (bands_[size_t(index)].child) bands_[size_t(index)].child->hide();
    bands_.erase(bands_.begin() + index);
    Relayout();
}

QRect ReBarControl::BandRect(int index) const {
    return index >= 0 && index < int(rects_.size()) ? rects_[size_t(index)] : QRect();
}

void ReBarControl::SetBandBackground(int index, const QImage& image) {
    if (index < 0 || index >= BandCount()) return;
    bands_[size_t(index)].background = image;
    update();
}

void ReBarControl::Relayout() {
    int height = 0;
    for (const Band& b : bands_) height = std::max(height, b.minimum.height());
    height += 2 * kGap;
    QWidget* parent = parentWidget();
    if (parent && !(style_ & (CCS_NOPARENTALIGN | CCS_NORESIZE))) setGeometry(0, 0, parent->width(), height);
    rects_.clear();
    int x = 0;
    for (size_t i = 0; i < bands_.size(); ++i) {
        const Band& b = bands_[i];
        int natural = kGripper + CaptionWidth(b) + b.minimum.width() + kGap;
        // The last band takes the rest of the bar.
        int w = i + 1 == bands_.size() ? std::max(natural, width() - x) : natural;
        rects_.emplace_back(x, 0, w, height);
        if (b.child) b.child->setGeometry(x + kGripper + CaptionWidth(b), kGap, w - kGripper - CaptionWidth(b) - kGap,
                                          height - 2 * kGap);
        x += w;
    }
    update();
    if (height != lastHeight_) {
        lastHeight_ = height;
        NotifyHeaderOnly(this, RBN_HEIGHTCHANGE);
    }
}

void ReBarControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (size_t i = 0; i < bands_.size() && i < rects_.size(); ++i) {
        const Band& b = bands_[i];
        QRect r = rects_[i];
        if (b.back.isValid()) painter.fillRect(r, b.back);
        if (!b.background.isNull()) painter.drawTiledPixmap(r, QPixmap::fromImage(b.background));
        // The gripper: two raised lines at the band's left.
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(r.left() + 2, r.top() + 3, r.left() + 2, r.bottom() - 3);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(r.left() + 3, r.top() + 3, r.left() + 3, r.bottom() - 3);
        if (!b.caption.isEmpty()) {
            painter.setPen(b.fore.isValid() ? b.fore : palette().color(QPalette::WindowText));
            painter.drawText(QRect(r.left() + kGripper, r.top(), CaptionWidth(b), r.height()), Qt::AlignCenter, b.caption);
        }
        if ((style_ & RBS_BANDBORDERS) && i + 1 < bands_.size()) {
            painter.setPen(palette().color(QPalette::Mid));
            painter.drawLine(r.right(), r.top() + 1, r.right(), r.bottom() - 1);
        }
    }
}

} // namespace gb

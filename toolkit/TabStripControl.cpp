#include "TabStripControl.h"

#include "ImageListStore.h"
#include "platform/window/WindowProcedure.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>

namespace gb {
namespace {

enum : uint32_t { TCS_FLATBUTTONS = 0x8, TCS_HOTTRACK = 0x40, TCS_MULTILINE = 0x200 };
enum { ImageRole = 0 };

} // namespace

TabStripControl::TabStripControl(QWidget* parent) : QWidget(parent), bar_(new QTabBar(this)) {
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    AddMessageSource(bar_, this);
    setFocusProxy(bar_);
    connect(bar_, &QTabBar::currentChanged, this, [this](int) {
        if (!quiet_) NotifyHeaderOnly(this, TCN_SELCHANGE);
    });
}

void TabStripControl::WindowStyleChanged(uint32_t style, uint32_t) {
    style_ = style;
    bar_->setDocumentMode(style & TCS_FLATBUTTONS);
    bar_->setUsesScrollButtons(!(style & TCS_MULTILINE));
    update();
}

void TabStripControl::SetToolTip(int key, const QString& text) { bar_->setTabToolTip(key, text); }

void TabStripControl::SetImageList(std::intptr_t handle) {
    imageList_ = handle;
    if (ImageListData* list = ImageListOf(handle)) bar_->setIconSize(list->size);
    for (int i = 0; i < bar_->count(); ++i) SetTabImage(i, bar_->tabData(i).toInt());
}

void TabStripControl::SetTabImage(int index, int image) {
    bar_->setTabData(index, image);
    QImage picture = ImageListImage(imageList_, image);
    bar_->setTabIcon(index, picture.isNull() ? QIcon() : QIcon(QPixmap::fromImage(picture)));
    Layout();
}

void TabStripControl::SetCurrent(int index) {
    quiet_ = true;
    bar_->setCurrentIndex(index);
    quiet_ = false;
}

QRect TabStripControl::DisplayRect() const {
    QRect area = rect();
    area.setTop(bar_->geometry().bottom() + 1);
    return area.adjusted(3, 3, -3, -3);
}

void TabStripControl::SetMinimumTabWidth(int width) {
    bar_->setStyleSheet(width > 0 ? QStringLiteral("QTabBar::tab { min-width: %1px; }").arg(width) : QString());
    Layout();
}

void TabStripControl::SetItemSize(int width, int height) {
    QString sheet;
    if (width > 0) sheet += QStringLiteral("min-width: %1px; max-width: %1px;").arg(width);
    if (height > 0) sheet += QStringLiteral("min-height: %1px; max-height: %1px;").arg(height);
    bar_->setStyleSheet(sheet.isEmpty() ? QString() : "QTabBar::tab { " + sheet + " }");
    Layout();
}

void TabStripControl::Layout() {
    QSize hint = bar_->sizeHint();
    bar_->setGeometry(0, 0, std::min(width(), hint.width()), hint.height());
    update();
}

void TabStripControl::resizeEvent(QResizeEvent*) { Layout(); }

void TabStripControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, bar_->height() - 1, width(), height() - bar_->height() + 1);
    frame.tabBarSize = bar_->size();
    frame.shape = QTabBar::RoundedNorth;
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

} // namespace gb

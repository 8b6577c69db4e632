#include "TitleStrip.h"

#include "platform/Desktop.h"
#include "platform/window/DeviceContexts.h"

#include <QMouseEvent>
#include <QPainter>

namespace gb {

TitleStrip::TitleStrip(QWidget* parent) : QWidget(parent) {
    QFont font(QString::fromStdString(MapFontName("Tahoma")));
    font.setPixelSize(11);
    setFont(font);
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_ = QImage(1, 1, QImage::Format_RGB32);
    image_.fill(palette().color(QPalette::Window));
    dc_ = CreateImageContext(&image_, font);
}

TitleStrip::~TitleStrip() { DeleteImageContext(dc_); }

void TitleStrip::resizeEvent(QResizeEvent*) {
    // The context keeps pointing at image_, which takes the new size.
    QImage grown(size(), QImage::Format_RGB32);
    grown.fill(palette().color(QPalette::Window));
    image_ = grown;
}

void TitleStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void TitleStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && LeftButtonDown) LeftButtonDown(event->globalPosition().toPoint());
}

void TitleStrip::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) && LeftButtonDrag) LeftButtonDrag(event->globalPosition().toPoint());
}

void TitleStrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && LeftButtonUp) LeftButtonUp();
}

} // namespace gb

// Draws the program's pictures into resources/pictures. Run by hand after a change:
//   cmake --build build --target drawpictures && QT_QPA_PLATFORM=offscreen build/drawpictures resources/pictures
// The results are kept in the repository, so a build needs no drawing.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include "PictureTool.h"

namespace {

// The 16 colours of the classic desktop palette.
QVector<QRgb> SixteenColours() {
    return {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
            0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
}

// A pencil writing on a sheet of paper, 32 x 32 in 16 colours, transparent around.
QImage Pencil() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    // The sheet with ruled lines and a folded corner.
    QPolygon sheet({{3, 2}, {20, 2}, {25, 7}, {25, 29}, {3, 29}});
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.setBrush(Qt::white);
    p.drawPolygon(sheet);
    p.drawLine(20, 2, 20, 7);
    p.drawLine(20, 7, 25, 7);
    p.setPen(QColor(0x00, 0x00, 0x80));
    for (int y = 11; y <= 25; y += 4) p.drawLine(6, y, 21, y);
    // The pencil across the sheet, its point at the end of the last line.
    p.translate(14, 24);
    p.rotate(-50);
    p.setPen(Qt::black);
    p.setBrush(QColor(0xFF, 0xFF, 0x00));
    p.drawRect(6, -3, 17, 6);
    p.setBrush(QColor(0xFF, 0x00, 0xFF));
    p.drawRect(23, -3, 4, 6);
    p.setBrush(QColor(0xC0, 0xC0, 0xC0));
    p.drawRect(21, -3, 2, 6);
    p.setBrush(QColor(0xFF, 0xFF, 0xFF));
    p.drawPolygon(QPolygon({{0, 0}, {6, -3}, {6, 3}}));
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygon({{0, 0}, {2, -1}, {2, 1}}));
    p.end();
    QImage indexed = image.convertToFormat(QImage::Format_Indexed8, SixteenColours() << 0x00000000u,
                                           Qt::ThresholdDither | Qt::AvoidDither);
    return indexed;
}

// The thumbnail frame "TEMPLATE": 80 x 80 in 16 colours, a one-pixel dark grey border
// around white with light grey dotted grid lines every 10 pixels.
QImage Template() {
    QImage image(80, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int i = 10; i < 80; i += 10)
        for (int j = 1; j < 79; j += 2) {
            image.setPixel(i, j, qRgb(192, 192, 192));
            image.setPixel(j, i, qRgb(192, 192, 192));
        }
    for (int i = 0; i < 80; ++i) {
        image.setPixel(i, 0, qRgb(128, 128, 128));
        image.setPixel(i, 79, qRgb(128, 128, 128));
        image.setPixel(0, i, qRgb(128, 128, 128));
        image.setPixel(79, i, qRgb(128, 128, 128));
    }
    return image.convertToFormat(QImage::Format_Indexed8, SixteenColours(), Qt::ThresholdDither);
}

// The splash: 240 x 80, the title over a evening-sky gradient with a film strip.
QImage Splash() {
    QImage image(240, 80, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 240, 80);
    sky.setColorAt(0, QColor(0x1B, 0x26, 0x4F));
    sky.setColorAt(0.6, QColor(0x5B, 0x3A, 0x80));
    sky.setColorAt(1, QColor(0xE0, 0x8A, 0x5A));
    p.fillRect(image.rect(), sky);
    // A strip of three small frames, like pictures of a slideshow.
    for (int i = 0; i < 3; ++i) {
        QRect frame(150 + i * 28, 14 + (i % 2) * 6, 24, 18);
        p.setPen(QPen(QColor(255, 255, 255, 200), 1));
        p.setBrush(QColor(255, 255, 255, 40 + 40 * i));
        p.drawRect(frame);
    }
    // Sparkles.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 245, 200));
    for (QPointF c : {QPointF(18, 14), QPointF(132, 10), QPointF(224, 62), QPointF(104, 66)}) {
        QPainterPath star;
        star.moveTo(c + QPointF(0, -4));
        star.quadTo(c, c + QPointF(4, 0));
        star.quadTo(c, c + QPointF(0, 4));
        star.quadTo(c, c + QPointF(-4, 0));
        star.quadTo(c, c + QPointF(0, -4));
        p.drawPath(star);
    }
    QFont title(QStringLiteral("DejaVu Sans"), 20, QFont::Bold);
    title.setPixelSize(26);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(QRect(13, 37, 230, 32), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Glimmerbox"));
    p.setPen(Qt::white);
    p.drawText(QRect(12, 36, 230, 32), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Glimmerbox"));
    QFont sub(QStringLiteral("IPAPGothic"));
    sub.setPixelSize(11);
    p.setFont(sub);
    p.setPen(QColor(0xF0, 0xE6, 0xFF));
    p.drawText(QRect(14, 62, 220, 14), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8("写真アルバムとスライドショー"));
    return image;
}

// The program's icon, 48 x 48: a framed picture with a sparkle.
QImage ProgramIcon() {
    QImage image(48, 48, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x5B, 0x3A, 0x80), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(4, 8, 40, 32), 3, 3);
    QLinearGradient sky(0, 11, 0, 37);
    sky.setColorAt(0, QColor(0x7F, 0xB8, 0xF0));
    sky.setColorAt(1, QColor(0xF0, 0xD0, 0x90));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRect(QRectF(8, 12, 32, 24));
    p.setBrush(QColor(0x3C, 0x8D, 0x3C));
    p.drawPolygon(QPolygonF({{8, 36}, {20, 22}, {28, 30}, {33, 25}, {40, 36}}));
    p.setBrush(QColor(0xFF, 0xE0, 0x60));
    p.drawEllipse(QPointF(33, 17), 3, 3);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDir dir = gb::tools::OutputFolder(argc, argv);
    bool ok = gb::tools::SavePicture(Pencil(), dir, "pencil.png", "PNG") &&
              gb::tools::SavePicture(Splash(), dir, "splash.png", "PNG") &&
              gb::tools::SavePicture(ProgramIcon(), dir, "glimmerbox.png", "PNG") &&
              gb::tools::SavePicture(Template(), dir, "template.png", "PNG");
    return ok ? 0 : 1;
}

// Draws the pictures of the library window into resources/library: the tree's node
// images 209 (all locations), 210 (a library heading) and 211 (an album shortcut),
// 16 x 16 on magenta (the image list's mask colour), and the window's title picture.
// Run by hand after a change:
//   cmake --build build --target drawlibrarypictures && QT_QPA_PLATFORM=offscreen build/drawlibrarypictures resources/library
// The results are kept in the repository, so a build needs no drawing.
#include "../tools/PictureTool.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

namespace {

using gb::tools::kMask;

// 209: a screen with a folder on it: any place of the disk.
void AllLocations(QPainter& p) {
    p.setPen(QColor(0x30, 0x30, 0x40));
    p.setBrush(QColor(0xD8, 0xD8, 0xE0));
    p.drawRect(1, 2, 13, 9);
    p.setBrush(QColor(0x40, 0x80, 0xD0));
    p.drawRect(2, 3, 11, 7);
    p.setPen(QColor(0x80, 0x60, 0x00));
    p.setBrush(QColor(0xF0, 0xC8, 0x40));
    p.drawPolygon(QPolygon({{4, 5}, {7, 5}, {8, 6}, {11, 6}, {11, 9}, {4, 9}}));
    p.setPen(QColor(0x30, 0x30, 0x40));
    p.drawLine(7, 12, 8, 12);
    p.drawLine(4, 13, 11, 13);
}

// 210: a closed red book: a library heading.
void Library(QPainter& p) {
    p.setPen(QColor(0x60, 0x10, 0x10));
    p.setBrush(QColor(0xC8, 0x30, 0x30));
    p.drawRect(3, 1, 10, 13);
    p.setPen(QColor(0xF0, 0xF0, 0xF0));
    p.drawLine(4, 14, 13, 14);
    p.setPen(QColor(0x60, 0x10, 0x10));
    p.drawLine(3, 15, 13, 15);
    p.setPen(QColor(0xF0, 0xD0, 0x60));
    p.drawLine(6, 4, 10, 4);
    p.drawLine(6, 6, 10, 6);
    p.setPen(QColor(0x90, 0x20, 0x20));
    p.drawLine(5, 1, 5, 13);
}

// 211: a photograph with the shortcut arrow: an album shortcut.
void AlbumShortcut(QPainter& p) {
    p.setPen(QColor(0x50, 0x50, 0x50));
    p.setBrush(QColor(0xFF, 0xFF, 0xFF));
    p.drawRect(1, 2, 14, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x80, 0xC0, 0xF0));
    p.drawRect(2, 3, 13, 6);
    p.setBrush(QColor(0x50, 0xA0, 0x50));
    p.drawPolygon(QPolygon({{2, 12}, {2, 9}, {6, 6}, {9, 9}, {12, 7}, {14, 9}, {14, 12}}));
    p.setBrush(QColor(0xFF, 0xE0, 0x60));
    p.drawEllipse(10, 3, 3, 3);
    // The shortcut arrow in the lower left corner.
    p.setPen(QColor(0x10, 0x10, 0x10));
    p.setBrush(QColor(0xFF, 0xFF, 0xFF));
    p.drawRect(0, 9, 6, 6);
    p.setPen(QColor(0x10, 0x30, 0xA0));
    p.drawLine(2, 13, 5, 10);
    p.drawLine(3, 10, 5, 10);
    p.drawLine(5, 10, 5, 12);
}

// The title picture: a golden star over a stack of photographs.
QImage Title() {
    QImage image(48, 48, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(20, 28);
        p.rotate(-12 + 12 * i);
        p.setPen(QColor(0x60, 0x60, 0x60));
        p.setBrush(QColor(0xFF, 0xFF, 0xFF));
        p.drawRect(-16, -12, 32, 24);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromHsv(200 + 40 * i, 110, 240));
        p.drawRect(-14, -10, 28, 20);
        p.restore();
    }
    QPainterPath star;
    for (int k = 0; k < 10; ++k) {
        const double radius = k % 2 == 0 ? 14 : 6;
        const double angle = -M_PI / 2 + k * M_PI / 5;
        const QPointF point(34 + radius * std::cos(angle), 15 + radius * std::sin(angle));
        if (k == 0) star.moveTo(point);
        else star.lineTo(point);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(0xB0, 0x80, 0x00), 1.5));
    p.setBrush(QColor(0xFF, 0xD0, 0x30));
    p.drawPath(star);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QDir dir = gb::tools::OutputFolder(argc, argv);
    bool ok = gb::tools::SavePicture(gb::tools::MaskedImage(AllLocations), dir, "tree209.png", "PNG");
    ok = gb::tools::SavePicture(gb::tools::MaskedImage(Library), dir, "tree210.png", "PNG") && ok;
    ok = gb::tools::SavePicture(gb::tools::MaskedImage(AlbumShortcut), dir, "tree211.png", "PNG") && ok;
    ok = gb::tools::SavePicture(Title(), dir, "title.png", "PNG") && ok;
    return ok ? 0 : 1;
}

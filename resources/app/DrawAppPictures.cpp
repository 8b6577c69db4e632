// Draws the pictures of the main window and the theater window into resources/app:
// the command tool bar images 101-107 and the jog tool bar images 111-117 (16 x 16 on
// magenta, the image lists' mask colour), the pictures of the title strip buttons,
// and cursor 15, shown while the theater window switches its presentation. Run by
// hand after a change:
//   cmake --build build --target drawapppictures && QT_QPA_PLATFORM=offscreen build/drawapppictures resources/app
// The results are kept in the repository, so a build needs no drawing.
#include "../tools/PictureTool.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <string>

namespace {

using gb::tools::kMask;
const QColor kInk(0x20, 0x30, 0x50);

// 101: an open folder (the album choice).
void Folder(QPainter& p) {
    p.setPen(QColor(0x80, 0x60, 0x00));
    p.setBrush(QColor(0xF0, 0xC8, 0x40));
    p.drawPolygon(QPolygon({{1, 3}, {6, 3}, {7, 5}, {13, 5}, {13, 13}, {1, 13}}));
    p.setBrush(QColor(0xFF, 0xE8, 0x80));
    p.drawPolygon(QPolygon({{3, 7}, {15, 7}, {13, 13}, {1, 13}}));
}

// 102: an album with a photograph on its page (the album's properties).
void Album(QPainter& p) {
    p.setPen(QColor(0x40, 0x20, 0x10));
    p.setBrush(QColor(0xA0, 0x40, 0x30));
    p.drawRect(2, 1, 12, 14);
    p.setBrush(Qt::white);
    p.drawRect(4, 3, 8, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x40, 0x90, 0xE0));
    p.drawRect(5, 4, 7, 3);
    p.setBrush(QColor(0x30, 0xA0, 0x40));
    p.drawPolygon(QPolygon({{5, 9}, {8, 6}, {11, 9}}));
    p.setPen(QColor(0xFF, 0xE0, 0x90));
    p.drawLine(4, 12, 11, 12);
}

// 103 and 104: a pin lying on its side (released) and pushed in (pressed).
void PinOut(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(QColor(0xE0, 0x30, 0x30));
    p.drawRect(9, 5, 3, 6);
    p.drawRect(12, 4, 2, 8);
    p.setBrush(QColor(0xF0, 0x80, 0x80));
    p.drawRect(6, 6, 3, 4);
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawLine(1, 8, 5, 8);
}
void PinIn(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(QColor(0xE0, 0x30, 0x30));
    p.drawRect(5, 1, 6, 2);
    p.drawRect(6, 3, 4, 4);
    p.setBrush(QColor(0xF0, 0x80, 0x80));
    p.drawRect(4, 7, 8, 2);
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawLine(8, 10, 8, 14);
}

// 105: a screen showing a picture on black (the theater screen).
void Theater(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(Qt::black);
    p.drawRect(0, 2, 15, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF0, 0xA0, 0x30));
    p.drawRect(4, 4, 8, 6);
    p.setBrush(QColor(0xC0, 0x40, 0x20));
    p.drawPolygon(QPolygon({{4, 10}, {7, 6}, {10, 10}}));
    p.setPen(kInk);
    p.drawLine(5, 14, 10, 14);
    p.drawLine(7, 12, 7, 14);
}

// 106: two crossing arrows (shuffle).
void Shuffle(QPainter& p) {
    p.setPen(QPen(QColor(0x20, 0x60, 0xC0), 2));
    p.drawLine(1, 4, 5, 4);
    p.drawLine(5, 4, 10, 11);
    p.drawLine(10, 11, 12, 11);
    p.drawLine(1, 11, 5, 11);
    p.drawLine(5, 11, 10, 4);
    p.drawLine(10, 4, 12, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x60, 0xC0));
    p.drawPolygon(QPolygon({{12, 1}, {15, 4}, {12, 7}}));
    p.drawPolygon(QPolygon({{12, 8}, {15, 11}, {12, 14}}));
}

// 107: an arrow running round (repeat).
void Repeat(QPainter& p) {
    p.setPen(QPen(QColor(0x20, 0x90, 0x40), 2));
    p.drawLine(3, 5, 12, 5);
    p.drawLine(3, 5, 3, 10);
    p.drawLine(13, 6, 13, 11);
    p.drawLine(4, 11, 12, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x90, 0x40));
    p.drawPolygon(QPolygon({{10, 2}, {14, 5}, {10, 8}}));
    p.drawPolygon(QPolygon({{6, 8}, {2, 11}, {6, 14}}));
}

// The jog tool bar: triangles and bars in dark ink.
void Triangle(QPainter& p, int left, bool pointsRight) {
    p.drawPolygon(pointsRight ? QPolygon({{left, 3}, {left + 5, 8}, {left, 13}})
                              : QPolygon({{left + 5, 3}, {left, 8}, {left + 5, 13}}));
}
void JogInk(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kInk);
}
void First(QPainter& p) { JogInk(p); p.drawRect(2, 3, 1, 10); Triangle(p, 4, false); Triangle(p, 9, false); }
void Previous(QPainter& p) { JogInk(p); Triangle(p, 3, false); Triangle(p, 8, false); }
void Stop(QPainter& p) { JogInk(p); p.drawRect(4, 4, 8, 8); }
void Pause(QPainter& p) { JogInk(p); p.drawRect(4, 3, 2, 10); p.drawRect(10, 3, 2, 10); }
void Play(QPainter& p) {
    p.setPen(QColor(0x10, 0x60, 0x20));
    p.setBrush(QColor(0x20, 0xA0, 0x40));
    p.drawPolygon(QPolygon({{5, 2}, {12, 8}, {5, 14}}));
}
void Next(QPainter& p) { JogInk(p); Triangle(p, 3, true); Triangle(p, 8, true); }
void Last(QPainter& p) { JogInk(p); Triangle(p, 2, true); Triangle(p, 7, true); p.drawRect(13, 3, 1, 10); }

// The title strip buttons: a question mark (help) and a cross (exit), 12 x 12 on
// transparent.
QImage ButtonPicture(bool help) {
    QImage image(12, 12, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
    if (help) {
        QPainterPath path;
        path.moveTo(3, 4);
        path.cubicTo(3, 0.5, 9, 0.5, 9, 4);
        path.cubicTo(9, 6, 6, 6, 6, 8);
        p.drawPath(path);
        p.drawPoint(QPointF(6, 10.5));
    } else {
        p.drawLine(QPointF(2.5, 2.5), QPointF(9.5, 9.5));
        p.drawLine(QPointF(9.5, 2.5), QPointF(2.5, 9.5));
    }
    return image;
}

// Cursor 15: an hourglass, 32 x 32 on transparent, hot spot in the middle.
QImage Hourglass() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{8, 4}, {24, 4}, {17, 16}, {24, 28}, {8, 28}, {15, 16}}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD0, 0xA0, 0x40));
    p.drawPolygon(QPolygonF({{11, 8}, {21, 8}, {16, 15}}));
    p.drawPolygon(QPolygonF({{16, 20}, {22, 27}, {10, 27}}));
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(6, 3), QPointF(26, 3));
    p.drawLine(QPointF(6, 29), QPointF(26, 29));
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QDir dir = gb::tools::OutputFolder(argc, argv);
    using Draw = void (*)(QPainter&);
    const std::pair<const char*, Draw> images[] = {
        {"toolbar101.png", Folder}, {"toolbar102.png", Album},    {"toolbar103.png", PinOut},
        {"toolbar104.png", PinIn},  {"toolbar105.png", Theater},  {"toolbar106.png", Shuffle},
        {"toolbar107.png", Repeat}, {"toolbar111.png", First},    {"toolbar112.png", Previous},
        {"toolbar113.png", Stop},   {"toolbar114.png", Pause},    {"toolbar115.png", Play},
        {"toolbar116.png", Next},   {"toolbar117.png", Last},
    };
    bool ok = true;
    for (const auto& [name, draw] : images) ok = gb::tools::SavePicture(gb::tools::MaskedImage(draw), dir, name, "PNG") && ok;
    ok = gb::tools::SavePicture(ButtonPicture(true), dir, "help.png", "PNG") && ok;
    ok = gb::tools::SavePicture(ButtonPicture(false), dir, "exit.png", "PNG") && ok;
    ok = gb::tools::SavePicture(Hourglass(), dir, "cursor15.png", "PNG") && ok;
    return ok ? 0 : 1;
}

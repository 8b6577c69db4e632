// Draws the pictures of the album editor and the gallery dialog into resources/editor:
// the command images 201-208 and 211-215 (16 x 16 on magenta, the image list's mask
// colour), the list watermark 2001 (150 x 150), the status icons 11 (busy) and 12
// (idle), the drag cursors 11 (move) and 12 (not allowed) and the dialog's title
// icon 2. Run by hand after a change:
//   cmake --build build --target draweditorpictures && QT_QPA_PLATFORM=offscreen build/draweditorpictures resources/editor
// The results are kept in the repository, so a build needs no drawing.
#include "../tools/PictureTool.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

namespace {

using gb::tools::kMask;
const QColor kInk(0x20, 0x30, 0x50);

// 201: a sheet of thumbnails with a spark (new thumbnails).
void NewThumbnails(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(1, 3, 12, 12);
    p.setPen(Qt::NoPen);
    const QColor cells[4] = {{0x40, 0x90, 0xE0}, {0x30, 0xA0, 0x40}, {0xE0, 0x80, 0x30}, {0xA0, 0x50, 0xC0}};
    for (int i = 0; i < 4; ++i) p.fillRect(3 + (i % 2) * 5, 5 + (i / 2) * 5, 4, 4, cells[i]);
    p.setPen(QColor(0xE0, 0xA0, 0x00));
    p.drawLine(13, 0, 13, 6);
    p.drawLine(10, 3, 15, 3);
    p.drawLine(11, 1, 15, 5);
    p.drawLine(11, 5, 15, 1);
}

// 202: two arrows chasing each other (refresh).
void Refresh(QPainter& p) {
    p.setPen(QPen(QColor(0x20, 0x80, 0x30), 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(3, 3, 10, 10, 30 * 16, 150 * 16);
    p.drawArc(3, 3, 10, 10, 210 * 16, 150 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x80, 0x30));
    p.drawPolygon(QPolygon({{11, 1}, {15, 5}, {10, 6}}));
    p.drawPolygon(QPolygon({{5, 15}, {1, 11}, {6, 10}}));
}

// 203: a printer with a sheet.
void Printer(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 8, 5);
    p.setBrush(QColor(0xB0, 0xB0, 0xB8));
    p.drawRect(1, 6, 14, 6);
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 8, 5);
    p.setPen(QColor(0x30, 0xA0, 0x40));
    p.drawPoint(13, 8);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawLine(6, 12, 10, 12);
}

// 204: a framed picture (browsing).
void Viewer(QPainter& p) {
    p.setPen(QColor(0x80, 0x50, 0x20));
    p.setBrush(QColor(0xD0, 0xA0, 0x60));
    p.drawRect(1, 2, 14, 12);
    p.setPen(Qt::NoPen);
    p.fillRect(3, 4, 11, 9, QColor(0x60, 0xB0, 0xF0));
    p.setBrush(QColor(0x30, 0x90, 0x40));
    p.drawPolygon(QPolygon({{3, 13}, {7, 8}, {10, 11}, {12, 9}, {14, 13}}));
    p.fillRect(11, 5, 2, 2, QColor(0xFF, 0xE0, 0x60));
}

// 205: a pencil (edit mode).
void Pencil(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(QColor(0xF0, 0xC0, 0x30));
    p.drawPolygon(QPolygon({{11, 1}, {14, 4}, {5, 13}, {2, 10}}));
    p.setBrush(QColor(0xF0, 0xD8, 0xB0));
    p.drawPolygon(QPolygon({{2, 10}, {5, 13}, {1, 14}}));
    p.setPen(QColor(0xE0, 0x60, 0x60));
    p.drawLine(12, 2, 13, 3);
}

// 206: a magnifying glass over a strip of pictures (smart viewer).
void SmartViewer(QPainter& p) {
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) p.fillRect(1 + i * 5, 1, 4, 4, QColor(0x60 + 0x30 * i, 0x90, 0xE0 - 0x30 * i));
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(0xE0, 0xF0, 0xFF));
    p.drawEllipse(3, 5, 7, 7);
    p.drawLine(10, 12, 14, 15);
}

// 207: a card with lines (properties of the selected galleries).
void Properties(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(2, 1, 11, 14);
    p.setPen(Qt::NoPen);
    p.fillRect(4, 3, 4, 4, QColor(0x40, 0x90, 0xE0));
    p.setPen(QColor(0x70, 0x70, 0x70));
    p.drawLine(9, 4, 11, 4);
    p.drawLine(4, 9, 11, 9);
    p.drawLine(4, 11, 11, 11);
    p.drawLine(4, 13, 9, 13);
}

// 208: a question mark in a blue disc (help).
void Help(QPainter& p) {
    p.setPen(QColor(0x10, 0x40, 0x90));
    p.setBrush(QColor(0x30, 0x70, 0xD0));
    p.drawEllipse(1, 1, 13, 13);
    p.setPen(Qt::white);
    p.drawLine(6, 4, 9, 4);
    p.drawLine(10, 5, 10, 6);
    p.drawLine(9, 7, 8, 8);
    p.drawLine(8, 9, 8, 9);
    p.drawPoint(8, 11);
    p.drawPoint(5, 5);
}

// 211: a closed album (the album page).
void AlbumTab(QPainter& p) {
    p.setPen(QColor(0x40, 0x20, 0x10));
    p.setBrush(QColor(0x30, 0x60, 0xA0));
    p.drawRect(3, 1, 11, 14);
    p.setBrush(QColor(0x20, 0x40, 0x70));
    p.drawRect(1, 1, 2, 14);
    p.setPen(Qt::NoPen);
    p.fillRect(6, 4, 6, 5, Qt::white);
    p.fillRect(7, 5, 4, 3, QColor(0xF0, 0xB0, 0x40));
}

// 212: a screen with a play triangle (the slideshow page).
void SlideshowTab(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(QColor(0x20, 0x20, 0x28));
    p.drawRect(1, 2, 14, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x60, 0xD0, 0x60));
    p.drawPolygon(QPolygon({{6, 4}, {11, 7}, {6, 10}}));
    p.setPen(kInk);
    p.drawLine(8, 12, 8, 14);
    p.drawLine(5, 14, 11, 14);
}

// 213: a globe (the Internet page).
void InternetTab(QPainter& p) {
    p.setPen(QColor(0x10, 0x50, 0x90));
    p.setBrush(QColor(0x60, 0xA8, 0xF0));
    p.drawEllipse(1, 1, 13, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0xA0, 0x40));
    p.drawPolygon(QPolygon({{4, 3}, {8, 3}, {7, 7}, {4, 8}, {3, 6}}));
    p.drawPolygon(QPolygon({{9, 9}, {12, 8}, {12, 11}, {9, 13}}));
    p.setPen(QColor(0x10, 0x50, 0x90));
    p.drawLine(1, 7, 14, 7);
}

// 214: two overlapping pictures with an arrow (a transition).
void TransitionEffect(QPainter& p) {
    p.setPen(kInk);
    p.setBrush(QColor(0x60, 0xB0, 0xF0));
    p.drawRect(1, 1, 9, 7);
    p.setBrush(QColor(0xF0, 0xB0, 0x50));
    p.drawRect(6, 7, 9, 7);
    p.setPen(QColor(0xC0, 0x20, 0x20));
    p.drawLine(2, 12, 4, 12);
    p.drawLine(3, 11, 4, 12);
    p.drawLine(3, 13, 4, 12);
}

// 215: three colour drops (a colour filter).
void FilterEffect(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x80, 0x80, 0x80));
    p.drawEllipse(1, 2, 7, 7);
    p.setBrush(QColor(0xB0, 0x80, 0x40));
    p.drawEllipse(8, 2, 7, 7);
    p.setBrush(QColor(0xF0, 0x30, 0x70));
    p.drawEllipse(4, 8, 7, 7);
}

// 2001: the watermark in the lower right corner of the thumbnail list: a faint stack of
// photographs on white.
QImage Watermark() {
    QImage image(150, 150, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor frames[3] = {{0xEE, 0xF2, 0xF8}, {0xE8, 0xEE, 0xF6}, {0xE2, 0xEA, 0xF4}};
    const double angles[3] = {-14, 6, -3};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(84, 84);
        p.rotate(angles[i]);
        p.setPen(QPen(QColor(0xD4, 0xDC, 0xE8), 1.5));
        p.setBrush(frames[i]);
        p.drawRect(QRectF(-48, -38, 96, 76));
        p.restore();
    }
    p.translate(84, 84);
    p.rotate(-3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xDA, 0xE6, 0xF2));
    p.drawRect(QRectF(-40, -30, 80, 52));
    p.setBrush(QColor(0xD6, 0xE8, 0xD6));
    p.drawPolygon(QPolygonF({{-40, 22}, {-12, -6}, {6, 10}, {20, -2}, {40, 16}, {40, 22}}));
    p.setBrush(QColor(0xF4, 0xEC, 0xD0));
    p.drawEllipse(QPointF(22, -16), 7, 7);
    return image;
}

// Icons 11 and 12 of the status panel: an hourglass (busy) and a green tick (idle),
// 16 x 16 on transparent.
QImage StatusIcon(bool busy) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (busy) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({{3.5, 1.5}, {12.5, 1.5}, {8.8, 8}, {12.5, 14.5}, {3.5, 14.5}, {7.2, 8}}));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xD0, 0xA0, 0x40));
        p.drawPolygon(QPolygonF({{5.5, 3}, {10.5, 3}, {8, 7}}));
        p.drawPolygon(QPolygonF({{8, 10}, {11.5, 14}, {4.5, 14}}));
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x30, 0xA0, 0x40));
        p.drawEllipse(QRectF(1, 1, 14, 14));
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({{4.5, 8}, {7, 10.5}, {11.5, 5.5}}));
    }
    return image;
}

// The arrow of both drag cursors, its tip at (1, 1).
void Arrow(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{1, 1}, {1, 17}, {5, 13}, {8, 20}, {10.5, 19}, {7.5, 12}, {13, 12}}));
}

// Cursor 11: the arrow with a dashed frame (moving galleries); cursor 12: a barred
// circle (not allowed). 32 x 32 on transparent; the hot spots are (1, 1) and the
// middle (16, 16).
QImage MoveCursor() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(11, 15, 16, 12);
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawRect(11, 15, 16, 12);
    p.setRenderHint(QPainter::Antialiasing);
    Arrow(p);
    return image;
}

QImage NoDropCursor() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(16, 16), 11, 11);
    p.drawLine(QPointF(8.5, 8.5), QPointF(23.5, 23.5));
    p.setPen(QPen(QColor(0xC0, 0x10, 0x10), 3.5));
    p.drawEllipse(QPointF(16, 16), 11, 11);
    p.drawLine(QPointF(8.5, 8.5), QPointF(23.5, 23.5));
    return image;
}

// Icon 2: the gallery dialog's title icon, an album with a name tag, 32 x 32.
QImage TitleIcon() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x40, 0x20, 0x10), 1));
    p.setBrush(QColor(0xA0, 0x40, 0x30));
    p.drawRoundedRect(QRectF(5.5, 2.5, 22, 27), 2, 2);
    p.setBrush(QColor(0x70, 0x28, 0x20));
    p.drawRect(QRectF(5.5, 2.5, 4, 27));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12.5, 6.5, 12, 9));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x40, 0x90, 0xE0));
    p.drawRect(QRectF(13.5, 7.5, 10, 4));
    p.setBrush(QColor(0x30, 0xA0, 0x40));
    p.drawPolygon(QPolygonF({{13.5, 15}, {17, 11}, {21, 15}}));
    p.setBrush(QColor(0xFF, 0xE8, 0x90));
    p.drawRect(QRectF(12.5, 19.5, 12, 5));
    p.setPen(QPen(QColor(0x60, 0x40, 0x10), 1));
    p.drawLine(QPointF(14, 22), QPointF(23, 22));
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QDir dir = gb::tools::OutputFolder(argc, argv);
    using Draw = void (*)(QPainter&);
    const std::pair<const char*, Draw> images[] = {
        {"command201.png", NewThumbnails}, {"command202.png", Refresh},      {"command203.png", Printer},
        {"command204.png", Viewer},        {"command205.png", Pencil},       {"command206.png", SmartViewer},
        {"command207.png", Properties},    {"command208.png", Help},         {"command211.png", AlbumTab},
        {"command212.png", SlideshowTab},  {"command213.png", InternetTab},  {"command214.png", TransitionEffect},
        {"command215.png", FilterEffect},
    };
    bool ok = true;
    for (const auto& [name, draw] : images) ok = gb::tools::SavePicture(gb::tools::MaskedImage(draw), dir, name, "PNG") && ok;
    ok = gb::tools::SavePicture(Watermark(), dir, "watermark2001.png", "PNG") && ok;
    ok = gb::tools::SavePicture(StatusIcon(true), dir, "icon11.png", "PNG") && ok;
    ok = gb::tools::SavePicture(StatusIcon(false), dir, "icon12.png", "PNG") && ok;
    ok = gb::tools::SavePicture(MoveCursor(), dir, "cursor11.png", "PNG") && ok;
    ok = gb::tools::SavePicture(NoDropCursor(), dir, "cursor12.png", "PNG") && ok;
    ok = gb::tools::SavePicture(TitleIcon(), dir, "icon2.png", "PNG") && ok;
    return ok ? 0 : 1;
}

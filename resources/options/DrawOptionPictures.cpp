// Draws the pictures of the options window into resources/options: the sound-effect
// image 501 and the plug-in images 502 (a working plug-in) and 503 (one that cannot
// be used), 16 x 16 on magenta (the image lists' mask colour); the thumbnail quality
// pictures 5001-5005, 32 x 32, one landscape from coarse blocks to fine detail; and
// the small picture of the plug-in logo. Run by hand after a change:
//   cmake --build build --target drawoptionpictures && QT_QPA_PLATFORM=offscreen build/drawoptionpictures resources/options
// The results are kept in the repository, so a build needs no drawing.
#include "../tools/PictureTool.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <string>

namespace {

using gb::tools::kMask;

// 501: a loudspeaker with sound waves.
void Speaker(QPainter& p) {
    p.setPen(QColor(0x20, 0x20, 0x30));
    p.setBrush(QColor(0x70, 0x78, 0x90));
    p.drawPolygon(QPolygon({{1, 6}, {4, 6}, {8, 2}, {8, 13}, {4, 9}, {1, 9}}));
    p.setPen(QColor(0x20, 0x60, 0xC0));
    p.drawArc(6, 4, 6, 7, -60 * 16, 120 * 16);
    p.drawArc(6, 1, 9, 13, -60 * 16, 120 * 16);
}

// A puzzle piece: the plug-in.
void Piece(QPainter& p, QColor fill) {
    p.setPen(fill.darker(220));
    p.setBrush(fill);
    QPainterPath piece;
    piece.addRect(2, 5, 10, 9);
    piece.addEllipse(5, 1, 5, 5);
    piece.addEllipse(10, 7, 5, 5);
    p.drawPath(piece.simplified());
}

void WorkingPlugin(QPainter& p) { Piece(p, QColor(0x40, 0xB0, 0x50)); }

void BrokenPlugin(QPainter& p) {
    Piece(p, QColor(0xA8, 0xA8, 0xA8));
    p.setPen(QPen(QColor(0xD0, 0x10, 0x10), 2));
    p.drawLine(3, 6, 12, 14);
    p.drawLine(12, 6, 3, 14);
}

// A landscape drawn large and shown through blocks of `block` pixels.
QImage Quality(int block) {
    QImage scene(32, 32, QImage::Format_RGB32);
    QPainter p(&scene);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 20);
    sky.setColorAt(0, QColor(0x40, 0x90, 0xE0));
    sky.setColorAt(1, QColor(0xC0, 0xE0, 0xFF));
    p.fillRect(scene.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xD8, 0x40));
    p.drawEllipse(QPointF(23, 8), 4, 4);
    p.setBrush(QColor(0x50, 0x90, 0x40));
    p.drawPolygon(QPolygonF({{0, 32}, {0, 20}, {9, 13}, {16, 19}, {24, 14}, {32, 20}, {32, 32}}));
    p.setBrush(QColor(0x30, 0x60, 0x30));
    p.drawPolygon(QPolygonF({{0, 32}, {0, 26}, {12, 22}, {32, 27}, {32, 32}}));
    p.end();
    if (block <= 1) return scene;
    const QImage coarse = scene.scaled(32 / block, 32 / block, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return coarse.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The plug-in logo: a puzzle piece on transparent ground.
QImage Logo() {
    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(1.5, 1.5);
    Piece(p, QColor(0x30, 0x80, 0xD0));
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QDir dir = gb::tools::OutputFolder(argc, argv);
    bool ok = gb::tools::SavePicture(gb::tools::MaskedImage(Speaker), dir, "sound501.png", "PNG");
    ok = gb::tools::SavePicture(gb::tools::MaskedImage(WorkingPlugin), dir, "plugin502.png", "PNG") && ok;
    ok = gb::tools::SavePicture(gb::tools::MaskedImage(BrokenPlugin), dir, "plugin503.png", "PNG") && ok;
    const int blocks[] = {8, 4, 2, 1, 1};
    for (int k = 1; k <= 5; ++k) {
        QImage picture = Quality(blocks[k - 1]);
        if (k == 4) picture = picture.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                  .scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const std::string name = "quality500" + std::to_string(k) + ".png";
        ok = gb::tools::SavePicture(picture, dir, name.c_str(), "PNG") && ok;
    }
    ok = gb::tools::SavePicture(Logo(), dir, "logo.png", "PNG") && ok;
    return ok ? 0 : 1;
}

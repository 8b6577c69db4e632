// Draws the pictures of the sample album (samples/album). Run by hand after a change:
//   cmake --build build --target drawsamples && QT_QPA_PLATFORM=offscreen build/drawsamples samples/album
// The pictures are kept in the repository; they are scenes painted here, so we own them.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>
#include "resources/tools/PictureTool.h"
#include <functional>

namespace {

constexpr int W = 1024, H = 768;

void Sky(QPainter& p, QColor top, QColor bottom, double horizon) {
    QLinearGradient g(0, 0, 0, H * horizon);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(QRectF(0, 0, W, H * horizon), g);
}

void Hills(QPainter& p, QColor colour, double base, double amplitude, double phase) {
    QPainterPath path;
    path.moveTo(0, H);
    for (int x = 0; x <= W; x += 8)
        path.lineTo(x, H * base - amplitude * (std::sin(x / 140.0 + phase) + 0.5 * std::sin(x / 57.0 + 2 * phase)));
    path.lineTo(W, H);
    path.closeSubpath();
    p.fillPath(path, colour);
}

void Sunset(QPainter& p) {
    Sky(p, QColor(0x2B, 0x1B, 0x4A), QColor(0xF4, 0x8C, 0x42), 0.7);
    QRadialGradient sun(QPointF(W * 0.62, H * 0.62), 90);
    sun.setColorAt(0, QColor(0xFF, 0xF2, 0xB0));
    sun.setColorAt(1, QColor(0xFF, 0xB0, 0x50, 0));
    p.setBrush(sun);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(W * 0.62, H * 0.62), 90, 90);
    QLinearGradient sea(0, H * 0.7, 0, H);
    sea.setColorAt(0, QColor(0xC0, 0x6A, 0x40));
    sea.setColorAt(1, QColor(0x20, 0x18, 0x38));
    p.fillRect(QRectF(0, H * 0.7, W, H * 0.3), sea);
    p.setPen(QPen(QColor(0xFF, 0xE0, 0x90, 120), 3));
    for (int i = 0; i < 14; ++i) {
        double y = H * 0.72 + i * 15, half = 80 - i * 4;
        p.drawLine(QPointF(W * 0.62 - half, y), QPointF(W * 0.62 + half, y));
    }
}

void Mountains(QPainter& p) {
    Sky(p, QColor(0x5A, 0x9B, 0xE0), QColor(0xD8, 0xEC, 0xFA), 0.8);
    QPainterPath peak;
    peak.moveTo(W * 0.15, H * 0.75);
    peak.lineTo(W * 0.5, H * 0.18);
    peak.lineTo(W * 0.88, H * 0.75);
    p.fillPath(peak, QColor(0x4A, 0x5A, 0x7A));
    QPainterPath snow;
    snow.moveTo(W * 0.41, H * 0.33);
    snow.lineTo(W * 0.5, H * 0.18);
    snow.lineTo(W * 0.59, H * 0.33);
    snow.lineTo(W * 0.54, H * 0.30);
    snow.lineTo(W * 0.5, H * 0.35);
    snow.lineTo(W * 0.46, H * 0.30);
    p.fillPath(snow, Qt::white);
    Hills(p, QColor(0x3F, 0x7F, 0x3A), 0.8, 25, 1.0);
    Hills(p, QColor(0x2C, 0x5E, 0x2A), 0.9, 18, 2.3);
}

void Flowers(QPainter& p) {
    p.fillRect(QRect(0, 0, W, H), QColor(0x3A, 0x6B, 0x2E));
    QRandomGenerator random(7);
    const QColor petals[] = {QColor(0xF2, 0x6D, 0x9A), QColor(0xFF, 0xD1, 0x4A), QColor(0xFF, 0xFF, 0xFF),
                             QColor(0xB0, 0x7C, 0xE8)};
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 90; ++i) {
        QPointF c(random.bounded(W), random.bounded(H));
        double r = 14 + random.bounded(22);
        p.setPen(Qt::NoPen);
        p.setBrush(petals[random.bounded(4)]);
        for (int k = 0; k < 5; ++k) {
            double a = k * 2 * M_PI / 5;
            p.drawEllipse(c + QPointF(std::cos(a) * r * 0.6, std::sin(a) * r * 0.6), r * 0.5, r * 0.5);
        }
        p.setBrush(QColor(0xFF, 0xB0, 0x20));
        p.drawEllipse(c, r * 0.3, r * 0.3);
    }
}

void NightSky(QPainter& p) {
    Sky(p, QColor(0x05, 0x08, 0x20), QColor(0x1C, 0x2A, 0x5A), 1.0);
    QRandomGenerator random(11);
    for (int i = 0; i < 400; ++i) {
        int v = 150 + random.bounded(105);
        p.setPen(QColor(v, v, 255));
        p.drawPoint(random.bounded(W), random.bounded(H * 3 / 4));
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0xFF, 0xF5, 0xD0));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(W * 0.78, H * 0.2), 45, 45);
    p.setBrush(QColor(0x08, 0x0C, 0x28));
    p.drawEllipse(QPointF(W * 0.80, H * 0.18), 40, 40);
    Hills(p, QColor(0x0A, 0x0A, 0x14), 0.85, 30, 0.4);
}

void Harbour(QPainter& p) {
    Sky(p, QColor(0x8C, 0xC8, 0xF0), QColor(0xE8, 0xF4, 0xFF), 0.55);
    QLinearGradient sea(0, H * 0.55, 0, H);
    sea.setColorAt(0, QColor(0x2E, 0x7F, 0xB8));
    sea.setColorAt(1, QColor(0x12, 0x3E, 0x6A));
    p.fillRect(QRectF(0, H * 0.55, W, H * 0.45), sea);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 3; ++i) {
        double x = 180 + i * 280, y = H * 0.62 + i * 40;
        QPainterPath hull;
        hull.moveTo(x, y);
        hull.lineTo(x + 160, y);
        hull.lineTo(x + 135, y + 35);
        hull.lineTo(x + 25, y + 35);
        hull.closeSubpath();
        p.fillPath(hull, QColor(0xB8, 0x30, 0x30));
        QPainterPath sail;
        sail.moveTo(x + 80, y - 5);
        sail.lineTo(x + 80, y - 150);
        sail.lineTo(x + 145, y - 5);
        sail.closeSubpath();
        p.fillPath(sail, QColor(0xFA, 0xFA, 0xF0));
    }
    p.setPen(QPen(QColor(255, 255, 255, 90), 2));
    for (int i = 0; i < 30; ++i) p.drawLine(30 * i, H * 0.9 + (i % 3) * 12, 30 * i + 22, H * 0.9 + (i % 3) * 12);
}

void Autumn(QPainter& p) {
    Sky(p, QColor(0xF6, 0xE3, 0xC0), QColor(0xF0, 0xC8, 0x90), 1.0);
    QRandomGenerator random(3);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(W * 0.45, H * 0.35, 40, H * 0.65), QColor(0x5A, 0x3A, 0x22));
    const QColor leaves[] = {QColor(0xD9, 0x3A, 0x1E), QColor(0xF0, 0x8A, 0x1C), QColor(0xC8, 0x20, 0x30),
                             QColor(0xE8, 0xB0, 0x30)};
    for (int i = 0; i < 700; ++i) {
        double a = random.bounded(2 * M_PI), r = std::sqrt(random.generateDouble()) * 330;
        QPointF c(W * 0.47 + std::cos(a) * r * 1.3, H * 0.33 + std::sin(a) * r * 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(leaves[random.bounded(4)]);
        p.drawEllipse(c, 9, 6);
    }
}

bool Save(const QDir& dir, const char* name, const std::function<void(QPainter&)>& draw) {
    QImage image(W, H, QImage::Format_RGB32);
    QPainter p(&image);
    draw(p);
    p.end();
    return gb::tools::SavePicture(image, dir, name, "JPEG", 85);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDir dir = gb::tools::OutputFolder(argc, argv);
    bool ok = Save(dir, "夕焼けの海.jpg", Sunset) && Save(dir, "雪の山.jpg", Mountains) &&
              Save(dir, "花畑.jpg", Flowers) && Save(dir, "三日月の夜.jpg", NightSky) &&
              Save(dir, "港のヨット.jpg", Harbour) && Save(dir, "紅葉.jpg", Autumn);
    return ok ? 0 : 1;
}

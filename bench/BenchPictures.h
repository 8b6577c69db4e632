#pragma once
// Pictures for the benchmarks and the demo: smooth colour fields with shapes, like a
// photograph in that neighbouring pixels differ a little and the whole frame a lot.
#include <QImage>
#include <QPainter>
#include <QRadialGradient>

namespace gb::bench {

inline QImage PhotoLike(int width, int height, int seed) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor::fromHsv((seed * 67) % 360, 120, 255));
    sky.setColorAt(1, QColor::fromHsv((seed * 67 + 140) % 360, 200, 90));
    painter.fillRect(image.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 12; ++i) {
        const int x = (i * 397 + seed * 131) % width, y = (i * 233 + seed * 71) % height;
        const int r = height / 10 + (i * 53 % (height / 6 + 1));
        QRadialGradient ball(x, y, r);
        ball.setColorAt(0, QColor::fromHsv((i * 40 + seed * 90) % 360, 160, 255));
        ball.setColorAt(1, QColor::fromHsv((i * 40 + seed * 90 + 30) % 360, 255, 60));
        painter.setBrush(ball);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPoint(x, y), r, r);
    }
    return image;
}

} // namespace gb::bench

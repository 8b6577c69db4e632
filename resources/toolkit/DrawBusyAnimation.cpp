// Draws the toolkit's busy animation: twelve 26 x 26 frames side by side, a ring of
// twelve dots whose bright head goes round once over the clip.
// Run by hand after a change: drawbusyanimation <folder>; it writes busy.png there.
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cmath>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const int size = 26, frames = 12;
    QImage strip(size * frames, size, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int f = 0; f < frames; ++f) {
        for (int d = 0; d < frames; ++d) {
            // The dot `d` steps behind the head is fainter the further behind it lies.
            int behind = (f - d + frames) % frames;
            double angle = (d * 30.0 - 90.0) * M_PI / 180.0;
            QPointF centre(f * size + size / 2.0 + 9.0 * std::cos(angle), size / 2.0 + 9.0 * std::sin(angle));
            QColor colour(30, 90, 200, std::max(40, 255 - behind * 20));
            painter.setBrush(colour);
            double radius = behind == 0 ? 2.6 : 2.0;
            painter.drawEllipse(centre, radius, radius);
        }
    }
    painter.end();
    QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    bool ok = strip.save(folder + "/busy.png");
    std::printf("%s\n", ok ? "busy.png written" : "busy.png could not be written");
    return ok ? 0 : 1;
}

#pragma once
// What the drawing tools share: the output folder from the command line, saving one
// picture with a line of report, and small images on the mask colour.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <functional>

namespace gb::tools {

inline QDir OutputFolder(int argc, char** argv) {
    return QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
}

inline bool SavePicture(const QImage& image, const QDir& dir, const char* name, const char* format, int quality = -1) {
    bool ok = image.save(dir.filePath(QString::fromUtf8(name)), format, quality);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", name);
    return ok;
}

// The mask colour of the image lists: magenta.
constexpr QRgb kMask = 0xFFFF00FF;

// A small image for a tool bar, a menu or a tree: magenta around, drawn without
// antialiasing so that no edge pixel mixes with the mask colour.
inline QImage MaskedImage(const std::function<void(QPainter&)>& draw, int width = 16, int height = 16) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kMask);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    draw(p);
    return image;
}

} // namespace gb::tools

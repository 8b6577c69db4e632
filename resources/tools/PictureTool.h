#pragma once
// What the drawing tools share: the output folder from the command line and saving
// one picture with a line of report.
#include <QDir>
#include <QImage>
#include <cstdio>

namespace gb::tools {

inline QDir OutputFolder(int argc, char** argv) {
    return QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
}

inline bool SavePicture(const QImage& image, const QDir& dir, const char* name, const char* format, int quality = -1) {
    bool ok = image.save(dir.filePath(QString::fromUtf8(name)), format, quality);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", name);
    return ok;
}

} // namespace gb::tools

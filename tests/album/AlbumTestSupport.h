#pragma once
// Folders of pictures for the album tests, drawn by the tests themselves.
#include "album/AlbumRecords.h"
#include "plugins/GeneralPlugin.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <utime.h>

namespace gb::test {

inline void WritePicture(const std::string& path, int width, int height, QColor colour, const char* format = "JPEG") {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    image.save(QString::fromStdString(path), format, 95);
}

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void SetModified(const std::string& path, time_t when) {
    utimbuf times{when, when};
    utime(path.c_str(), &times);
}

inline void ResetAlbumState() {
    Album = AlbumInfo();
    Extra = AlbumExtra();
    Plugins = PluginRegistry();
}

} // namespace gb::test

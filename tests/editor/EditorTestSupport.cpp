#include "EditorTestSupport.h"

#include "album/GeneralAlbum.h"
#include "album/GeneralSheet.h"
#include "platform/EventLog.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>

namespace gb::test {

std::string Message(const std::string& text, int style) {
    return "MsgBox\tGlimmerbox\t" + text + "\t" + std::to_string(style) + "\n";
}

EventLogWatch::EventLogWatch() {
    SetEventLogSink([this](std::string_view text) { events_.emplace_back(text); });
}

EventLogWatch::~EventLogWatch() { SetEventLogSink(nullptr); }

QByteArray PictureBytes(int width, int height, int shade, const char* format) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(shade, 255 - shade, 128));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

OpenAlbum::OpenAlbum(const QTemporaryDir& dir, const std::string& name, const Files& files) {
    const QString path = QDir(dir.path()).filePath(QString::fromStdString(name));
    QDir().mkpath(path);
    for (const auto& [fileName, bytes] : files) {
        QFile file(QDir(path).filePath(QString::fromStdString(fileName)));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    folder_ = path.toStdString();
    LoadAlbum(folder_);
    BuildGalleryList(!Album.Stored);
    RelayoutSheet();
}

OpenAlbum::~OpenAlbum() {
    SaveAlbum(folder_);
    Album = AlbumInfo();
    Extra = AlbumExtra();
}

} // namespace gb::test

#pragma once
// What the editor's tests share: the line a message box writes, the event log
// watched, an album folder of small pictures opened as the current album.
#include "tests/slideshow/DialogEcho.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <string>
#include <utility>
#include <vector>

namespace gb::test {

// The line a message box of the program writes.
std::string Message(const std::string& text, int style);

// While it lives, the events written to the event log.
class EventLogWatch {
public:
    EventLogWatch();
    ~EventLogWatch();
    const std::vector<std::string>& Events() const { return events_; }

private:
    std::vector<std::string> events_;
};

// A small picture file's bytes (JPEG, or GIF for `format` "GIF").
QByteArray PictureBytes(int width, int height, int shade, const char* format = "JPEG");

// A folder under `dir` with the given files (name and bytes), opened as the current
// album with its gallery list built; the album is saved and closed at the end.
class OpenAlbum {
public:
    using Files = std::vector<std::pair<std::string, QByteArray>>;
    OpenAlbum(const QTemporaryDir& dir, const std::string& name, const Files& files);
    ~OpenAlbum();
    const std::string& Folder() const { return folder_; }

private:
    std::string folder_;
};

} // namespace gb::test

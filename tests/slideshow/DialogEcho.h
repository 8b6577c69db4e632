#pragma once
// Message boxes of the process write a line each into a file (kind, caption, text,
// style) and are answered with their default button, while an object lives.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

namespace gb::test {

class DialogEcho {
public:
    DialogEcho() : path_(QDir(dir_.path()).filePath("dialogs.txt")) { qputenv("GLIMMERBOX_DIALOG_ECHO", path_.toUtf8()); }
    ~DialogEcho() { qunsetenv("GLIMMERBOX_DIALOG_ECHO"); }
    DialogEcho(const DialogEcho&) = delete;
    DialogEcho& operator=(const DialogEcho&) = delete;

    // The lines written since the last call.
    std::string Take() {
        QFile f(path_);
        std::string text = f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
        QFile::remove(path_);
        return text;
    }

private:
    QTemporaryDir dir_;
    QString path_;
};

} // namespace gb::test

#include "ShellExecute.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace gb {
namespace {

ShellLauncher& Launcher() {
    static ShellLauncher launcher;
    return launcher;
}

std::string FileUri(const std::string& path) {
    return QUrl::fromLocalFile(QFileInfo(QString::fromStdString(path)).absoluteFilePath()).toString().toStdString();
}

bool IsAddress(const std::string& text) {
    QUrl url(QString::fromStdString(text), QUrl::StrictMode);
    return url.isValid() && url.scheme().size() > 1 && !url.isLocalFile() && !QFileInfo::exists(url.toString());
}

// A file that is a program: executable, and an ELF image or a script. The execute
// bit alone is not enough, since every file on a camera's card may carry it.
bool IsProgram(const QFileInfo& info) {
    if (!info.isFile() || !info.isExecutable()) return false;
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly)) return false;
    QByteArray head = file.read(4);
    return head == "\x7f" "ELF" || head.startsWith("#!");
}

ShellAction Process(const std::string& program, std::vector<std::string> arguments, const std::string& folder = {}) {
    ShellAction action;
    action.kind = ShellAction::Process;
    action.program = program;
    action.arguments = std::move(arguments);
    action.workingFolder = folder;
    return action;
}

ShellAction FileManager(const std::string& method, const std::string& item, ShellAction fallback) {
    ShellAction action;
    action.kind = ShellAction::FileManager;
    action.method = method;
    action.uris = {FileUri(item)};
    action.fallback = std::make_shared<ShellAction>(std::move(fallback));
    return action;
}

std::string FolderOf(const std::string& path) {
    QFileInfo info(QString::fromStdString(path));
    return (info.isDir() ? info.absoluteFilePath() : info.absolutePath()).toStdString();
}

bool CallFileManager(const ShellAction& action) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
                                                       "org.freedesktop.FileManager1", QString::fromStdString(action.method));
    QStringList uris;
    for (const std::string& uri : action.uris) uris << QString::fromStdString(uri);
    call << uris << QString();
    QDBusMessage answer = bus.call(call, QDBus::Block, 5000);
    return answer.type() == QDBusMessage::ReplyMessage;
}

} // namespace

ShellAction ShellActionFor(const std::string& verb, const std::string& file, const std::string& parameters,
                           const std::string& workingFolder) {
    const QString v = QString::fromStdString(verb).toLower();
    const QFileInfo info(QString::fromStdString(file));
    const std::string path = info.exists() ? info.absoluteFilePath().toStdString() : file;
    if (v == "explore" || v == "find") {
        // The file manager has no search window of its own to ask for: "find" opens the
        // folder, where its search is at hand.
        std::string folder = FolderOf(path);
        if (info.isDir()) return FileManager("ShowFolders", folder, Process("xdg-open", {folder}));
        return FileManager("ShowItems", path, Process("xdg-open", {folder}));
    }
    if (v == "print") return Process("lp", {"--", path}, workingFolder);
    if (!IsAddress(file) && IsProgram(info)) {
        std::vector<std::string> arguments;
        for (const QString& argument : QProcess::splitCommand(QString::fromStdString(parameters)))
            arguments.push_back(argument.toStdString());
        return Process(path, std::move(arguments), workingFolder);
    }
    // "open", "edit" and the default action: the desktop's application for the item.
    return Process("xdg-open", {path}, workingFolder);
}

ShellAction PropertiesActionFor(const std::string& file) {
    QFileInfo info(QString::fromStdString(file));
    std::string path = info.exists() ? info.absoluteFilePath().toStdString() : file;
    return FileManager("ShowItemProperties", path, Process("xdg-open", {FolderOf(path)}));
}

void SetShellLauncher(ShellLauncher launcher) { Launcher() = std::move(launcher); }

bool RunShellAction(const ShellAction& action) {
    if (Launcher()) return Launcher()(action);
    switch (action.kind) {
    case ShellAction::None: return false;
    case ShellAction::Process: {
        QStringList arguments;
        for (const std::string& argument : action.arguments) arguments << QString::fromStdString(argument);
        return QProcess::startDetached(QString::fromStdString(action.program), arguments,
                                       QString::fromStdString(action.workingFolder));
    }
    case ShellAction::FileManager:
        if (CallFileManager(action)) return true;
        return action.fallback && RunShellAction(*action.fallback);
    }
    return false;
}

bool ShellExecute(Hwnd, const std::string& verb, const std::string& file, const std::string& parameters,
                  const std::string& workingFolder, int) {
    if (file.empty()) return false;
    return RunShellAction(ShellActionFor(verb, file, parameters, workingFolder));
}

bool ShellShowProperties(Hwnd, const std::string& file) {
    if (file.empty()) return false;
    return RunShellAction(PropertiesActionFor(file));
}

} // namespace gb

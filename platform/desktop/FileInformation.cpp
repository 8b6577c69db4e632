#include "FileInformation.h"

#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QMimeDatabase>
#include <QStringList>

namespace gb {
namespace {

// The icon names handed out so far; an icon's index is its place here.
int IconIndex(const QString& name) {
    static QStringList names;
    int index = static_cast<int>(names.indexOf(name));
    if (index < 0) {
        names << name;
        index = static_cast<int>(names.size() - 1);
    }
    return index;
}

QIcon IconFor(const QFileInfo& file, const QMimeType& type, bool open, QString& name) {
    name = open && file.isDir() ? QStringLiteral("folder-open") : type.iconName();
    QIcon icon = QIcon::fromTheme(name);
    if (icon.isNull()) icon = QIcon::fromTheme(type.genericIconName());
    if (icon.isNull()) icon = QFileIconProvider().icon(file); // the style's own pictures
    return icon;
}

} // namespace

bool GetFileInformation(const std::string& path, uint32_t, uint32_t flags, ShellFileInfo& info) {
    info = ShellFileInfo();
    QFileInfo file(QString::fromStdString(path));
    if (path.empty() || (!file.exists() && !file.isSymLink())) return false;
    QMimeDatabase database;
    QMimeType type = database.mimeTypeForFile(file);
    if (flags & SHGFI_ICON) {
        QString name;
        QIcon icon = IconFor(file, type, flags & SHGFI_OPENICON, name);
        int size = (flags & SHGFI_SMALLICON) ? 16 : 32;
        info.icon = icon.pixmap(size, size).toImage();
        info.iconIndex = IconIndex(name);
    }
    if (flags & SHGFI_DISPLAYNAME) {
        QString name = file.fileName();
        if (name.isEmpty()) name = QDir::cleanPath(file.absoluteFilePath()); // the root
        info.displayName = name.toStdString();
    }
    if (flags & SHGFI_TYPENAME) info.typeName = type.comment().toStdString();
    if (flags & SHGFI_ATTRIBUTES) {
        uint32_t a = SFGAO_FILESYSTEM | SFGAO_CANCOPY;
        if (file.isDir()) a |= SFGAO_FOLDER;
        if (file.isSymLink()) a |= SFGAO_LINK;
        if (file.fileName().startsWith('.')) a |= SFGAO_HIDDEN;
        if (!file.isWritable()) a |= SFGAO_READONLY;
        if (QFileInfo(file.absolutePath()).isWritable()) a |= SFGAO_CANMOVE | SFGAO_CANRENAME | SFGAO_CANDELETE;
        info.attributes = a;
    }
    return true;
}

} // namespace gb

#include "DriveIcon.h"

#include "platform/desktop/FileInformation.h"

#include <QStorageInfo>

namespace gb {

std::string DriveOf(const std::string& path) {
    const QStorageInfo storage(QString::fromStdString(path));
    return storage.isValid() ? storage.rootPath().toStdString() : std::string("/");
}

QImage DriveIcon(const std::string& drive) {
    ShellFileInfo info;
    if (!GetFileInformation(drive, 0, SHGFI_ICON | SHGFI_LARGEICON, info)) return {};
    return info.icon;
}

std::string VolumeLabel(const std::string& drive) {
    const QStorageInfo storage(QString::fromStdString(drive));
    return storage.isValid() ? storage.displayName().toStdString() : drive;
}

} // namespace gb

#pragma once
// The "drive" of a folder on this platform: the mounted file system that holds it,
// with the file manager's icon of its mount point and its volume label.
#include <QImage>
#include <string>

namespace gb {

// The mount point of the file system that holds `path` ("/" when unknown).
std::string DriveOf(const std::string& path);
// The desktop's large icon of a drive's mount point (null when there is none).
QImage DriveIcon(const std::string& drive);
// The label of the file system mounted at `drive` (its mount point when it has none).
std::string VolumeLabel(const std::string& drive);

} // namespace gb

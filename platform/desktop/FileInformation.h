#pragma once
// The shell's information about a file: its icon from the desktop's icon theme, its
// display name and the name of its type, as the file-information call of the platform
// hands them out (request bits with the platform's numbers).
#include <QImage>
#include <cstdint>
#include <string>

namespace gb {

enum FileInfoFlag : uint32_t {
    SHGFI_LARGEICON = 0x000,
    SHGFI_SMALLICON = 0x001,
    SHGFI_OPENICON = 0x002,
    SHGFI_ICON = 0x100,
    SHGFI_DISPLAYNAME = 0x200,
    SHGFI_TYPENAME = 0x400,
    SHGFI_ATTRIBUTES = 0x800,
};

// Attribute bits of SHGFI_ATTRIBUTES, with the platform's numbers.
enum ShellItemAttribute : uint32_t {
    SFGAO_CANCOPY = 0x1,
    SFGAO_CANMOVE = 0x2,
    SFGAO_CANRENAME = 0x10,
    SFGAO_CANDELETE = 0x20,
    SFGAO_LINK = 0x10000,
    SFGAO_READONLY = 0x40000,
    SFGAO_HIDDEN = 0x80000,
    SFGAO_FOLDER = 0x20000000,
    SFGAO_FILESYSTEM = 0x40000000,
};

struct ShellFileInfo {
    QImage icon;            // 32 × 32 (large) or 16 × 16 (small); null when not asked for
    int32_t iconIndex = 0;  // the icon's place in the program's list of icons
    uint32_t attributes = 0;
    std::string displayName;
    std::string typeName;
};

// Fills `info` for `path` as `flags` ask; false (and an empty record) when the item
// does not exist. `fileAttributes` is accepted for the platform's signature.
bool GetFileInformation(const std::string& path, uint32_t fileAttributes, uint32_t flags, ShellFileInfo& info);

} // namespace gb

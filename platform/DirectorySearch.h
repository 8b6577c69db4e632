#pragma once
// The directory search of the platform: the entries of one folder whose names match a
// pattern with the wild cards "*" and "?", without regard to letter case.
#include <cstdint>
#include <string>
#include <vector>

namespace gb {

// Entry attributes with the platform's numbers. On this file system a hidden entry is
// one whose name begins with "."; read-only is the lack of write permission.
enum FileAttribute : uint32_t {
    AttrReadOnly = 1,
    AttrHidden = 2,
    AttrSystem = 4,
    AttrDirectory = 16,
    AttrArchive = 32,
};

struct DirectoryEntry {
    std::string name;     // as the file system spells it
    uint32_t attributes;  // FileAttribute bits
    int64_t size;
    int64_t modified;     // seconds since 1970
};

// The entries matching `path` (its last component may hold wild cards). Entries that
// are hidden, system or folders are left out unless `attributeMask` names their kind;
// other files are always listed. "." and ".." are never listed.
std::vector<DirectoryEntry> FindEntries(const std::string& path, uint32_t attributeMask);

// True when `name` matches `pattern` ("*", "?"; "*.*" matches every name).
bool MatchesPattern(const std::string& name, const std::string& pattern);

// Creates a new empty file in `folder` named by up to three characters of `prefix`,
// up to four hexadecimal digits and ".TMP"; returns its full path, or "" on failure.
std::string CreateTempFile(const std::string& folder, const std::string& prefix);

} // namespace gb

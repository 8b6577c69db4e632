#include "DirectorySearch.h"

#include "Clock.h"

#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gb {
namespace {

bool HasWildcards(const std::string& s) { return s.find_first_of("*?") != std::string::npos; }

bool Describe(const std::string& folder, const std::string& name, DirectoryEntry& entry) {
    std::string full = folder.empty() ? name : (folder == "/" ? "/" + name : folder + "/" + name);
    struct stat st {};
    if (stat(full.c_str(), &st) != 0 && lstat(full.c_str(), &st) != 0) return false;
    entry.name = name;
    entry.attributes = 0;
    if (S_ISDIR(st.st_mode)) entry.attributes |= AttrDirectory;
    else entry.attributes |= AttrArchive;
    if (!name.empty() && name[0] == '.') entry.attributes |= AttrHidden;
    if ((st.st_mode & 0222) == 0 || access(full.c_str(), W_OK) != 0) entry.attributes |= AttrReadOnly;
    entry.size = int64_t(st.st_size);
    entry.modified = int64_t(st.st_mtime);
    return true;
}

bool Wanted(const DirectoryEntry& entry, uint32_t mask) {
    uint32_t special = entry.attributes & (AttrHidden | AttrSystem | AttrDirectory);
    return (special & ~mask) == 0;
}

// Glob match on UTF-16 code units after case folding.
bool Glob(const QString& name, const QString& pattern) {
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') ++p;
    return p == pattern.size();
}

} // namespace

bool MatchesPattern(const std::string& name, const std::string& pattern) {
    if (pattern == "*.*" || pattern == "*") return true;
    return Glob(QString::fromStdString(name).toCaseFolded(), QString::fromStdString(pattern).toCaseFolded());
}

std::vector<DirectoryEntry> FindEntries(const std::string& path, uint32_t attributeMask) {
    std::vector<DirectoryEntry> found;
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "" : (slash == 0 ? "/" : path.substr(0, slash));
    std::string pattern = slash == std::string::npos ? path : path.substr(slash + 1);
    if (pattern.empty() || pattern == "." || pattern == "..") return found;

    DirectoryEntry entry;
    // A plain name that exists as spelled is the common case; otherwise the folder is
    // searched, where letter case does not matter.
    if (!HasWildcards(pattern) && Describe(folder, pattern, entry)) {
        if (Wanted(entry, attributeMask)) found.push_back(entry);
        return found;
    }
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return found;
    while (dirent* d = readdir(dir)) {
        std::string name = d->d_name;
        if (name == "." || name == "..") continue;
        if (!MatchesPattern(name, pattern)) continue;
        if (Describe(folder, name, entry) && Wanted(entry, attributeMask)) found.push_back(entry);
    }
    closedir(dir);
    return found;
}

std::string CreateTempFile(const std::string& folder, const std::string& prefix) {
    std::string base = folder;
    if (base.empty() || base.back() != '/') base += '/';
    std::string head = prefix.substr(0, std::min<size_t>(prefix.size(), 3));
    // Start at a number that differs between processes and calls, then count up.
    static unsigned counter = 0;
    unsigned start = (unsigned(getpid()) * 7919u + TimeGetTime() + counter++) & 0xFFFFu;
    for (unsigned i = 0; i < 0x10000u; ++i) {
        unsigned number = (start + i) & 0xFFFFu;
        if (number == 0) continue;
        char digits[8];
        std::snprintf(digits, sizeof digits, "%X", number);
        std::string path = base + head + digits + ".TMP";
        int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            close(fd);
            return path;
        }
        if (errno != EEXIST) return {};
    }
    return {};
}

} // namespace gb

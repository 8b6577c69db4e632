#include "FileIO.h"

#include "FileReplace.h"

#include <QFile>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gb {

std::optional<std::string> ReadFileBytes(const std::string& path, uint64_t limit) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    std::optional<std::string> result;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && uint64_t(st.st_size) <= limit) {
        std::string data(size_t(st.st_size), '\0');
        size_t done = 0;
        while (done < data.size()) {
            ssize_t n = read(fd, data.data() + done, data.size() - done);
            if (n <= 0) break;
            done += size_t(n);
        }
        data.resize(done); // a file that shrank while it was read gives what was there
        result = std::move(data);
    }
    close(fd);
    return result;
}

bool WriteFileBytes(const std::string& path, std::string_view data) { return ReplaceFileContents(path, data); }

bool RemoveFile(const std::string& path) { return unlink(path.c_str()) == 0; }

bool RenameFile(const std::string& from, const std::string& to) { return rename(from.c_str(), to.c_str()) == 0; }

std::optional<int64_t> ModifiedTime(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return std::nullopt;
    return int64_t(st.st_mtime);
}

bool MakeWritable(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return false;
    if (st.st_mode & S_IWUSR) return true;
    return chmod(path.c_str(), (st.st_mode & 07777) | S_IWUSR) == 0;
}

std::optional<uint64_t> FileSize(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return std::nullopt;
    return uint64_t(st.st_size);
}

std::optional<std::string> ResourceBytes(const std::string& resourcePath) {
    QFile file(QString::fromStdString(resourcePath));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), size_t(bytes.size()));
}

} // namespace gb

#include "FileReplace.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gb {

bool ReplaceFileContents(const std::string& path, std::string_view data) {
    std::string target = path;
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved)) target = resolved;

    struct stat old {};
    bool existed = stat(target.c_str(), &old) == 0;
    // A file without any write permission is read-only, also for the superuser.
    if (existed && (!S_ISREG(old.st_mode) || (old.st_mode & 0222) == 0 || access(target.c_str(), W_OK) != 0))
        return false;

    std::string temporary = target + ".XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0) return false;

    bool ok = true;
    const char* p = data.data();
    size_t left = data.size();
    while (ok && left > 0) {
        ssize_t n = write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ok = false;
        else { p += n; left -= size_t(n); }
    }
    if (ok) {
        mode_t mode;
        if (existed) {
            mode = old.st_mode & 07777;
        } else {
            mode_t mask = umask(0);
            umask(mask);
            mode = 0666 & ~mask;
        }
        ok = fchmod(fd, mode) == 0 && fsync(fd) == 0;
    }
    ok = close(fd) == 0 && ok;
    if (ok) ok = rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) unlink(temporary.c_str());
    return ok;
}

} // namespace gb

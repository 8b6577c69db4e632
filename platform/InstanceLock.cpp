#include "InstanceLock.h"

#include "Folders.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace gb {

bool AcquireInstanceLock(const std::string& name) {
    std::string path = RuntimeFolder() + "/" + name + ".lock";
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return true; // without a runtime folder there is nothing to guard with
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return false;
    }
    return true; // the descriptor stays open, and locked, until the process ends
}

} // namespace gb

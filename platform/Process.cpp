#include "Process.h"

#include <chrono>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace gb {

std::optional<int> RunProgramAndWait(const std::string& program, const std::vector<std::string>& arguments,
                                     int timeoutMs) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return std::nullopt;
    // Waiting on another process takes real time, whatever clock the program uses.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int status = 0;
        pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) return WIFEXITED(status) ? std::optional<int>(WEXITSTATUS(status)) : std::nullopt;
        if (done < 0) return std::nullopt;
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt; // it goes on on its own
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool MakeExecutable(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return false;
    return chmod(path.c_str(), (st.st_mode & 07777) | S_IXUSR) == 0;
}

} // namespace gb

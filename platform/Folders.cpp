#include "Folders.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gb {
namespace {

std::string& ProgramFolderOverride() {
    static std::string folder;
    return folder;
}

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string HomeFolder() {
    std::string home = Env("HOME");
    if (!home.empty()) return home;
    if (const passwd* pw = getpwuid(getuid())) return pw->pw_dir;
    return "/tmp";
}

bool IsFile(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

std::string ProgramFolder() {
    if (!ProgramFolderOverride().empty()) return ProgramFolderOverride();
    char buffer[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return ".";
    std::string exe(buffer, size_t(n));
    size_t slash = exe.rfind('/');
    return slash == 0 ? "/" : exe.substr(0, slash);
}

void SetProgramFolder(const std::string& folder) { ProgramFolderOverride() = folder; }

std::string SettingsFolder() {
    std::string folder = Env("GLIMMERBOX_HOME");
    if (folder.empty() && IsFile(ProgramFolder() + "/Glimmerbox.INI")) folder = ProgramFolder();
    if (folder.empty()) {
        std::string config = Env("XDG_CONFIG_HOME");
        if (config.empty() || config[0] != '/') config = HomeFolder() + "/.config";
        folder = config + "/glimmerbox";
    }
    MakeFolders(folder);
    return folder;
}

std::string TempPath() {
    std::string folder = Env("TMPDIR");
    if (folder.empty()) folder = "/tmp";
    if (folder.back() != '/') folder += '/';
    return folder;
}

std::string RuntimeFolder() {
    std::string folder = Env("XDG_RUNTIME_DIR");
    if (!folder.empty()) return folder;
    folder = "/tmp/glimmerbox-" + std::to_string(getuid());
    mkdir(folder.c_str(), 0700);
    return folder;
}

bool MakeFolders(const std::string& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return std::filesystem::is_directory(folder, ec);
}

std::string AbsolutePath(const std::string& path) {
    if (path.empty()) return path;
    std::filesystem::path p(path);
    std::error_code ec;
    if (p.is_relative()) p = std::filesystem::current_path(ec) / p;
    std::string result = p.lexically_normal().string();
    if (result.size() > 1 && result.back() == '/') result.pop_back();
    return result;
}

} // namespace gb

#include "platform/Folders.h"

#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace gb {
namespace {

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old, had_ = true;
        if (value) setenv(name, value, 1);
        else unsetenv(name);
    }
    ~ScopedEnv() {
        if (had_) setenv(name_, old_.c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    std::string old_;
    bool had_ = false;
};

TEST(Folders, SettingsFolderFollowsHomeThenPortableThenXdg) {
    QTemporaryDir dir;
    std::string root = dir.path().toStdString();
    std::string program = root + "/program";
    MakeFolders(program);
    std::string before = ProgramFolder();
    SetProgramFolder(program);

    {
        ScopedEnv home("GLIMMERBOX_HOME", (root + "/home").c_str());
        EXPECT_EQ(SettingsFolder(), root + "/home");
    }
    ScopedEnv noHome("GLIMMERBOX_HOME", nullptr);
    ScopedEnv xdg("XDG_CONFIG_HOME", (root + "/config").c_str());
    EXPECT_EQ(SettingsFolder(), root + "/config/glimmerbox");
    std::ofstream(program + "/Glimmerbox.INI") << "[Main]\r\n";
    EXPECT_EQ(SettingsFolder(), program);

    SetProgramFolder(before);
}

TEST(Folders, AbsolutePathResolvesRelativeParts) {
    EXPECT_EQ(AbsolutePath("/a/b/../c/./d/"), "/a/c/d");
    EXPECT_EQ(AbsolutePath("/"), "/");
    EXPECT_EQ(AbsolutePath(""), "");
    std::string relative = AbsolutePath("x y/z");
    EXPECT_EQ(relative.front(), '/');
    EXPECT_EQ(relative.substr(relative.size() - 6), "/x y/z");
}

} // namespace
} // namespace gb

// Test entry point: one QApplication (offscreen unless a display was chosen), the
// Japanese locale and fonts, a private settings and runtime folder per test program.
#include "platform/Desktop.h"
#include "platform/Folders.h"
#include "platform/KeyState.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("GLIMMERBOX_HOME", QDir(home.path()).filePath("settings").toUtf8());
    qputenv("XDG_RUNTIME_DIR", QDir(home.path()).filePath("run").toUtf8());
    QDir().mkpath(QDir(home.path()).filePath("run"));
    QFile::setPermissions(QDir(home.path()).filePath("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QApplication app(argc, argv);
    gb::InstallJapaneseLocale();
    gb::InstallFontSubstitutions();
    gb::InstallKeyStateTracker();
#ifdef GB_BIN_DIR
    gb::SetProgramFolder(GB_BIN_DIR);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "options/DocumentAssociation.h"
#include "platform/Folders.h"
#include "tools/register/RegistryImport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

namespace gb {
namespace {

TEST(RegistryTemplate, PlaceholdersAreFilledInOrderWithDoubledBackslashes) {
    std::map<std::string, std::string> values = {{"$(AppPath)", "C:\\Apps\\Album"}, {"$(WinPath)", "W"},
                                                 {"$(CommonFiles)", "C"}, {"$(CommonFilesSys)", "S"}};
    EXPECT_EQ(ExpandTemplateLine("@=\"\\\"$(AppPath)\\\\Glimmerbox.EXE\\\" \\\"%1\\\"\"", values),
              "@=\"\\\"C:\\\\Apps\\\\Album\\\\Glimmerbox.EXE\\\" \\\"%1\\\"\"");
    EXPECT_EQ(ExpandTemplateLine("$(WinPath) $(CommonFilesSys) $(AppPath)$(AppPath)", values),
              "W S C:\\\\Apps\\\\AlbumC:\\\\Apps\\\\Album");
    EXPECT_EQ(ExpandTemplateLine("no placeholder", values), "no placeholder");
}

TEST(RegistryTemplate, ImportNamesTheTypeItsCommandAndIcon) {
    DocumentAssociation a = ParseRegistryImport(
        "REGEDIT4\r\n\r\n[HKEY_CLASSES_ROOT\\.GBX]\r\n@=\"Glimmerbox.Document\"\r\n\r\n"
        "[HKEY_CLASSES_ROOT\\Glimmerbox.Document]\r\n@=\"QOR's Glimmerbox ﾄﾞｷｭﾒﾝﾄ\"\r\n"
        "[HKEY_CLASSES_ROOT\\Glimmerbox.Document\\Shell\\Open\\Command]\r\n"
        "@=\"\\\"/opt/My Album/glimmerbox\\\" \\\"%1\\\"\"\r\n"
        "[HKEY_CLASSES_ROOT\\Glimmerbox.Document\\DefaultIcon]\r\n@=\"/opt/My Album/glimmerbox.png\"\r\n");
    EXPECT_EQ(a.extensions, std::vector<std::string>{".GBX"});
    EXPECT_EQ(a.typeName, "Glimmerbox.Document");
    EXPECT_EQ(a.description, "QOR's Glimmerbox ﾄﾞｷｭﾒﾝﾄ");
    EXPECT_EQ(a.command, "\"/opt/My Album/glimmerbox\" \"%1\"");
    EXPECT_EQ(DesktopExec(a.command), "\"/opt/My Album/glimmerbox\" %f");
    EXPECT_EQ(a.icon, "/opt/My Album/glimmerbox.png");
    EXPECT_EQ(MimeTypeOf(a.typeName), "application/x-glimmerbox-document");
    EXPECT_TRUE(ParseRegistryImport("garbage\n[x]\n@=\"").typeName.empty());
}

TEST(RegisterDocumentType, WritesTheDesktopFilesAndLeavesNothingBehind) {
    QTemporaryDir dir;
    QDir root(dir.path());
    // A program folder of its own, with the platform library the tool runs on.
    root.mkpath("program");
    std::string program = root.filePath("program").toStdString();
    QFile::link(QStringLiteral(GB_BIN_DIR "/libgbplatform.so"), root.filePath("program/libgbplatform.so"));
    // Stand-ins for the desktop's tools record how they were called.
    root.mkpath("bin");
    for (const char* tool : {"update-mime-database", "update-desktop-database", "xdg-mime"}) {
        QFile script(root.filePath(QString("bin/") + tool));
        script.open(QIODevice::WriteOnly);
        script.write(QString("#!/bin/sh\necho %1 \"$@\" >> %2\n").arg(tool, root.filePath("calls.txt")).toUtf8());
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    std::string oldPath = std::getenv("PATH");
    setenv("PATH", (root.filePath("bin").toStdString() + ":" + oldPath).c_str(), 1);
    setenv("XDG_DATA_HOME", root.filePath("data").toStdString().c_str(), 1);
    std::string oldProgram = ProgramFolder();
    SetProgramFolder(program);

    EXPECT_TRUE(RegisterDocumentType());

    SetProgramFolder(oldProgram);
    setenv("PATH", oldPath.c_str(), 1);
    QFile entry(root.filePath("data/applications/Glimmerbox.Document.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(entry.readAll());
    EXPECT_TRUE(text.contains(QString("Exec=\"%1/glimmerbox\" %f\n").arg(QString::fromStdString(program))))
        << text.toStdString();
    EXPECT_TRUE(text.contains("MimeType=application/x-glimmerbox-document;"));
    QFile package(root.filePath("data/mime/packages/glimmerbox.document.xml"));
    ASSERT_TRUE(package.open(QIODevice::ReadOnly));
    EXPECT_TRUE(package.readAll().contains("<glob pattern=\"*.gbx\"/>"));
    QFile calls(root.filePath("calls.txt"));
    ASSERT_TRUE(calls.open(QIODevice::ReadOnly));
    EXPECT_TRUE(calls.readAll().contains("xdg-mime default Glimmerbox.Document.desktop application/x-glimmerbox-document"));
    // Neither written file stays in the program's folder.
    EXPECT_EQ(QDir(QString::fromStdString(program)).entryList({"QOR*"}, QDir::Files).size(), 0);
}

} // namespace
} // namespace gb

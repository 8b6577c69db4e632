#include "VisualStyle.h"

#include "platform/FileIO.h"
#include "platform/Folders.h"
#include "shell/ClassTheme.h"
#include "shell/GeneralWin32ExAPI.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace gb {
namespace {

constexpr int32_t kEditionWithManifests = 8;

std::string ManifestBase() {
    const std::string program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
    return ProgramFolder() + "/" + program;
}

} // namespace

std::string ActiveManifestPath() { return ManifestBase() + ".EXE.Manifest"; }
std::string ParkedManifestPath() { return ManifestBase() + ".Manifest.XML"; }

bool CanUseVisualStyles() { return ClassTheme().Edition() == kEditionWithManifests; }

bool IsVisualStyleOn() { return FileExists(ActiveManifestPath()); }

void SetVisualStyle(bool on) {
    const std::string from = on ? ParkedManifestPath() : ActiveManifestPath();
    const std::string to = on ? ActiveManifestPath() : ParkedManifestPath();
    if (!FileExists(from) || EntryExists(to)) return;
    RenameFile(from, to);
}

} // namespace gb

// The registry tool: started with the path of a registry import template, it fills the
// template's folder placeholders with this tool's own folder and applies the import to
// the desktop (the document type's MIME type and its desktop entry).
#include "RegistryImport.h"
#include "platform/Cp932.h"
#include "platform/DirectorySearch.h"
#include "platform/FileIO.h"
#include "platform/Folders.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

int main(int argc, char** argv) {
    std::optional<std::string> bytes = argc > 1 ? gb::ReadFileBytes(argv[1], 1 << 20) : std::nullopt;
    if (!bytes) {
        std::fprintf(stderr, "usage: Register TEMPLATE\n");
        return 2;
    }
    // Expand the template line by line into a file of our own, as an import file.
    std::map<std::string, std::string> values = gb::PlaceholderValues(gb::ProgramFolder());
    std::istringstream in(gb::Utf8(*bytes));
    std::string line, expanded;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        expanded += gb::ExpandTemplateLine(line, values) + "\r\n";
    }
    std::string importFile = gb::CreateTempFile(gb::TempPath(), "QOR");
    if (!importFile.empty()) gb::WriteFileBytes(importFile, gb::Cp932(expanded));

    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    std::string dataHome = data && *data == '/' ? data : std::string(home ? home : "/tmp") + "/.local/share";
    bool applied = gb::ApplyAssociation(gb::ParseRegistryImport(expanded), dataHome);

    if (!importFile.empty()) gb::RemoveFile(importFile);
    return applied ? 0 : 1;
}

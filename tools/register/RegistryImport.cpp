#include "RegistryImport.h"

#include "platform/FileReplace.h"
#include "platform/Folders.h"

#include <cctype>
#include <cstdlib>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>

extern char** environ;

namespace gb {
namespace {

std::string Doubled(const std::string& value) {
    std::string out;
    for (char c : value) {
        out += c;
        if (c == '\\') out += '\\';
    }
    return out;
}

std::string ReplaceEvery(std::string text, const std::string& find, const std::string& with) {
    for (size_t at = 0; (at = text.find(find, at)) != std::string::npos; at += with.size()) text.replace(at, find.size(), with);
    return text;
}

// The value of `@="..."`, with the import format's escapes (\" and \\) undone.
std::string DefaultValue(const std::string& line) {
    size_t open = line.find("@=\"");
    if (open == std::string::npos) return {};
    std::string value;
    for (size_t i = open + 3; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) value += line[++i];
        else if (line[i] == '"') break;
        else value += line[i];
    }
    return value;
}

std::string Lower(std::string s) {
    for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string XmlEscaped(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '"') out += "&quot;";
        else out += c;
    }
    return out;
}

// Runs a desktop tool and waits for it; a missing tool is not an error.
void Run(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return;
    int status = 0;
    waitpid(pid, &status, 0);
}

} // namespace

std::string ExpandTemplateLine(const std::string& line, const std::map<std::string, std::string>& values) {
    static const char* const kOrder[] = {"$(WinPath)", "$(WinSysPath)", "$(ProgramFiles)", "$(CommonFiles)",
                                         "$(CommonFilesSys)", "$(AppPath)"};
    std::string out = line;
    for (const char* name : kOrder) {
        auto it = values.find(name);
        if (it != values.end()) out = ReplaceEvery(out, name, Doubled(it->second));
    }
    return out;
}

std::map<std::string, std::string> PlaceholderValues(const std::string& toolFolder) {
    return {{"$(WinPath)", "/usr"},
            {"$(WinSysPath)", "/usr/lib"},
            {"$(ProgramFiles)", "/opt"},
            {"$(CommonFiles)", "/usr/share"},
            {"$(CommonFilesSys)", "/usr/share/System"},
            {"$(AppPath)", toolFolder}};
}

DocumentAssociation ParseRegistryImport(const std::string& text) {
    std::map<std::string, std::string> values; // key path (lower case) -> default value
    std::map<std::string, std::string> spelled; // lower case -> as written
    std::istringstream in(text);
    std::string line, key;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
            key = line.substr(1, line.size() - 2);
            const std::string root = "HKEY_CLASSES_ROOT\\";
            if (key.compare(0, root.size(), root) == 0) key = key.substr(root.size());
            spelled[Lower(key)] = key;
        } else if (line.rfind("@=", 0) == 0 && !key.empty()) {
            values[Lower(key)] = DefaultValue(line);
        }
    }
    DocumentAssociation a;
    for (const auto& [lowerKey, value] : values) {
        if (lowerKey.size() < 2 || lowerKey[0] != '.' || lowerKey.find('\\') != std::string::npos) continue;
        std::string type = Lower(value);
        auto command = values.find(type + "\\shell\\open\\command");
        if (command == values.end()) continue;
        if (a.typeName.empty()) {
            a.typeName = value;
            a.command = command->second;
            a.description = values.count(type) ? values[type] : value;
            a.icon = values.count(type + "\\defaulticon") ? values[type + "\\defaulticon"] : std::string();
        }
        if (Lower(a.typeName) == type) a.extensions.push_back(spelled[lowerKey]);
    }
    return a;
}

std::string DesktopExec(const std::string& command) { return ReplaceEvery(command, "\"%1\"", "%f"); }

std::string MimeTypeOf(const std::string& typeName) {
    std::string name;
    for (char c : Lower(typeName)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '-';
    return "application/x-" + name;
}

bool ApplyAssociation(const DocumentAssociation& a, const std::string& dataHome) {
    if (a.typeName.empty() || a.command.empty()) return false;
    std::string mime = MimeTypeOf(a.typeName);
    std::string package = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"" + mime + "\">\n"
                          "    <comment>" + XmlEscaped(a.description) + "</comment>\n";
    for (const std::string& extension : a.extensions)
        package += "    <glob pattern=\"*" + XmlEscaped(Lower(extension)) + "\"/>\n";
    package += "  </mime-type>\n</mime-info>\n";

    std::string entryName = a.typeName + ".desktop";
    std::string entry = "[Desktop Entry]\nType=Application\nName=Glimmerbox\nComment=" + a.description +
                        "\nExec=" + DesktopExec(a.command) + "\n" + (a.icon.empty() ? "" : "Icon=" + a.icon + "\n") +
                        "MimeType=" + mime + ";\nCategories=Graphics;Photography;Viewer;\n"
                        "Terminal=false\n";

    std::string mimeFolder = dataHome + "/mime";
    bool ok = MakeFolders(mimeFolder + "/packages") && MakeFolders(dataHome + "/applications") &&
              ReplaceFileContents(mimeFolder + "/packages/" + Lower(a.typeName) + ".xml", package) &&
              ReplaceFileContents(dataHome + "/applications/" + entryName, entry);
    if (!ok) return false;
    Run({"update-mime-database", mimeFolder});
    Run({"update-desktop-database", dataHome + "/applications"});
    Run({"xdg-mime", "default", entryName, mime});
    return true;
}

} // namespace gb

#include "GeneralProperty.h"

#include "platform/MessageBox.h"
#include "resources/StringTable.h"
#include "shell/CompanionLibraries.h"
#include "shell/GeneralWin32ExAPI.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace gb {

std::string AlbumCaption(const std::string& title) {
    return title.empty() ? AppTitle() : title + " - " + AppTitle();
}

std::string FormatCount(int32_t value, const std::string& format) {
    const std::vector<std::string> sections = SplitList(format, ";", BinaryCompare);
    std::string section = sections[0];
    bool sign = false;
    if (value < 0) {
        if (sections.size() > 1) section = sections[1];
        else sign = true;
    } else if (value == 0 && sections.size() > 2) {
        section = sections[2];
    }
    const std::string digits = std::to_string(value < 0 ? -int64_t(value) : int64_t(value));
    const size_t first = section.find('#');
    if (first == std::string::npos) return (sign ? "-" : "") + section;
    const size_t last = section.find_last_of('#');
    return section.substr(0, first) + (sign ? "-" : "") + digits + section.substr(last + 1);
}

std::optional<int16_t> ZoomOfText(const std::string& text) {
    // The leading number: blanks skipped, a sign, digits, a decimal part.
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) return int16_t(10);
    const size_t start = i;
    if (text[i] == '+' || text[i] == '-') ++i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    }
    const std::string number = text.substr(start, i - start);
    const double value = number.find_first_of("0123456789") == std::string::npos
                             ? 0.0
                             : std::nearbyint(std::strtod(number.c_str(), nullptr));
    if (value > 32767.0 || value < -32768.0) return std::nullopt;
    if (value < 10.0) return int16_t(10);
    if (value > 1000.0) return int16_t(1000);
    return int16_t(value);
}

int LiveFilterEntry(int16_t liveFilter) { return liveFilter >= 12 && liveFilter <= 15 ? liveFilter - 11 : 0; }

int16_t LiveFilterOfEntry(int entry) { return entry >= 1 && entry <= 4 ? int16_t(entry + 11) : int16_t(0); }

std::optional<std::string> MusicOfChoice(const std::string& albumFolder, const std::string& folder,
                                         const std::string& name, const DialogPrompts& prompts,
                                         const std::function<bool(const std::string&, const std::string&)>& copy,
                                         bool& quit) {
    quit = false;
    // The folders are compared as the file system spells them: on a file system that
    // tells letter case apart, another spelling is another folder.
    const std::string chosen = LongPathOf(folder);
    const std::string album = LongPathOf(albumFolder);
    if (!chosen.empty() && chosen == album) return name;

    const int answer = prompts.Message(LoadResString(10019), MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDNO) return folder + "/" + name;
    if (answer != IDYES) return std::nullopt;

    const std::string from = folder + "/" + name;
    const std::string to = albumFolder + "/" + name;
    while (!copy(from, to)) {
        const int choice = prompts.Message("'" + name + "' をアルバムのフォルダにコピーできません。",
                                           MB_ABORTRETRYIGNORE | MB_ICONSTOP);
        if (choice == IDABORT) {
            quit = true;
            return std::nullopt;
        }
        if (choice != IDRETRY) break;
    }
    return name;
}

} // namespace gb

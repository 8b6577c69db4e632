#include "GeneralWin32ExAPI.h"

#include "platform/Desktop.h"
#include "platform/DirectorySearch.h"
#include "platform/Folders.h"
#include "platform/Unicode.h"

namespace gb {
namespace {

// True when `find` occurs in `text` at byte `at`; with TextCompare characters are
// compared after case folding. `matched` receives the byte length matched in `text`.
bool MatchAt(std::string_view text, size_t at, std::string_view find, int compare, size_t& matched) {
    if (compare != TextCompare) {
        matched = find.size();
        return text.compare(at, find.size(), find) == 0 && at + find.size() <= text.size();
    }
    size_t i = at, j = 0;
    while (j < find.size()) {
        if (i >= text.size()) return false;
        size_t li = 0, lj = 0;
        char32_t a = DecodeUtf8(text, i, li);
        char32_t b = DecodeUtf8(find, j, lj);
        if (a != b && FoldCase(a) != FoldCase(b)) return false;
        i += li;
        j += lj;
    }
    matched = i - at;
    return true;
}

bool IsCharStart(std::string_view text, size_t at) {
    return at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
}

// First occurrence at or after byte `from`: its byte position, or npos.
size_t FindFrom(std::string_view text, std::string_view find, size_t from, int compare, size_t& matched) {
    for (size_t at = from; at < text.size(); ++at) {
        if (!IsCharStart(text, at)) continue;
        if (MatchAt(text, at, find, compare, matched)) return at;
    }
    return std::string_view::npos;
}

bool AnyEntry(const std::string& path, uint32_t mask) { return !FindEntries(path, mask).empty(); }

} // namespace

long FindLast(long start, std::string_view text, std::string_view find, int compare) {
    if (start < 1 || find.empty() || size_t(start) > text.size()) return 0;
    size_t from = size_t(start) - 1;
    for (size_t at = text.size(); at-- > from;) {
        size_t matched = 0;
        if (IsCharStart(text, at) && MatchAt(text, at, find, compare, matched)) return long(at) + 1;
    }
    return 0;
}

std::string ReverseText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t end = text.size();
    while (end > 0) {
        size_t begin = end - 1;
        while (begin > 0 && !IsCharStart(text, begin)) --begin;
        out.append(text.substr(begin, end - begin));
        end = begin;
    }
    return out;
}

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement, int compare) {
    if (find.empty()) return std::string(text);
    std::string result;
    size_t rest = 0, matched = 0;
    for (size_t at; (at = FindFrom(text, find, rest, compare, matched)) != std::string_view::npos;) {
        result.append(text.substr(rest, at - rest));
        result.append(replacement);
        rest = at + matched;
    }
    result.append(text.substr(rest));
    return result;
}

std::string JoinList(const std::vector<std::string>& items, std::string_view delimiter) {
    std::string out;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i) out.append(delimiter);
        out.append(items[i]);
    }
    return out;
}

std::vector<std::string> SplitList(std::string_view text, std::string_view delimiter, int compare) {
    std::vector<std::string> pieces;
    if (delimiter.empty()) {
        pieces.emplace_back(text);
        return pieces;
    }
    size_t current = 0, matched = 0;
    for (size_t at; (at = FindFrom(text, delimiter, current, compare, matched)) != std::string_view::npos;) {
        pieces.emplace_back(text.substr(current, at - current));
        current = at + matched;
    }
    pieces.emplace_back(text.substr(current));
    return pieces;
}

bool PathExists(const std::string& path) { return AnyEntry(path, AttrDirectory); }
bool EntryExists(const std::string& path) {
    return AnyEntry(path, AttrReadOnly | AttrHidden | AttrSystem | AttrDirectory | AttrArchive);
}
bool FileExists(const std::string& path) { return AnyEntry(path, AttrReadOnly | AttrHidden | AttrSystem | AttrArchive); }

std::string LongPathOf(const std::string& path) {
    // Each component is looked up under the part already spelled out, so that a folder
    // given in the wrong letter case still leads to its contents. Hidden folders count:
    // on this file system many ordinary folders (~/.local ...) are hidden.
    const uint32_t any = AttrReadOnly | AttrHidden | AttrSystem | AttrDirectory | AttrArchive;
    std::string result;
    bool lost = false; // below a missing folder nothing can be found
    size_t at = (!path.empty() && path[0] == '/') ? 1 : 0;
    while (at <= path.size()) {
        size_t slash = path.find('/', at);
        std::string component = path.substr(at, slash == std::string::npos ? std::string::npos : slash - at);
        if (!component.empty() || slash == std::string::npos) {
            std::vector<DirectoryEntry> found;
            if (!lost) found = FindEntries(result + "/" + component, any);
            result += "/";
            if (!found.empty()) result += found.front().name;
            else lost = true;
        }
        if (slash == std::string::npos) break;
        at = slash + 1;
    }
    return result;
}

std::string ShortPathOf(const std::string& path) { return EntryExists(path) ? path : std::string(); }

std::string TempFolder() {
    std::string folder = TempPath();
    folder.pop_back();
    return folder;
}

std::string TempFileName(const std::string& folder, const std::string& prefix) { return CreateTempFile(folder, prefix); }

uint32_t SystemColor(uint32_t color) {
    if (color & 0x80000000u) return GetSysColor(int(color & 0xFFFFFFu));
    return color;
}

} // namespace gb

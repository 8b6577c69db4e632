#include "GeneralLibrary.h"

#include "LibraryListFormat.h"
#include "app/AppSettings.h"
#include "platform/FileIO.h"
#include "shell/GeneralWin32ExAPI.h"

#include <vector>

namespace gb {
namespace {

constexpr char kListName[] = "Library.LST";
// A list of the most entries with long paths stays far below this; a larger file is
// not a list file.
constexpr uint64_t kMaxListBytes = uint64_t(64) << 20;

FavoriteLists& Favorites() { return AppSettings.Favorites; }

// The count rules: both lists have exactly `Count` entries.
void Normalize() {
    FavoriteLists& f = Favorites();
    if (f.Count < 0) f.Count = 0;
    f.Numbers.resize(size_t(f.Count), 0);
    f.Texts.resize(size_t(f.Count));
}

std::vector<LibraryEntry> Entries() {
    Normalize();
    const FavoriteLists& f = Favorites();
    std::vector<LibraryEntry> entries(size_t(f.Count));
    for (size_t i = 0; i < entries.size(); ++i) entries[i] = {f.Numbers[i], f.Texts[i]};
    return entries;
}

void SetEntries(const std::vector<LibraryEntry>& entries) {
    FavoriteLists& f = Favorites();
    f.Count = int16_t(entries.size());
    f.Numbers.clear();
    f.Texts.clear();
    if (entries.empty()) {
        f.Numbers.shrink_to_fit();
        f.Texts.shrink_to_fit();
        return;
    }
    for (const LibraryEntry& e : entries) {
        f.Numbers.push_back(e.IsLibrary);
        f.Texts.push_back(e.Text);
    }
}

} // namespace

std::string LibraryListFile() {
    const std::string settings = SettingsFile();
    const size_t slash = settings.rfind('/');
    return (slash == std::string::npos ? std::string() : settings.substr(0, slash + 1)) + kListName;
}

bool LoadLibraryList() {
    Normalize();
    std::optional<std::string> bytes = ReadFileBytes(LibraryListFile(), kMaxListBytes);
    if (!bytes) return false;
    std::vector<LibraryEntry> read = LibraryListFormat::Parse(*bytes);
    FavoriteLists& f = Favorites();
    for (size_t i = 0; i < size_t(f.Count) && i < read.size(); ++i) {
        f.Numbers[i] = read[i].IsLibrary;
        f.Texts[i] = std::move(read[i].Text);
    }
    return true;
}

bool SaveLibraryList() { return WriteFileBytes(LibraryListFile(), LibraryListFormat::Format(Entries())); }

bool InsertLibraryEntry(int16_t flag, const std::string& text, int after) {
    std::vector<LibraryEntry> entries = Entries();
    if (after < 0 || size_t(after) > entries.size() || entries.size() >= size_t(kMaxLibraryEntries)) return false;
    entries.insert(entries.begin() + after, LibraryEntry{flag, text});
    SetEntries(entries);
    return true;
}

bool DeleteLibraryEntry(int index) {
    std::vector<LibraryEntry> entries = Entries();
    if (index < 1 || size_t(index) > entries.size()) return false;
    entries.erase(entries.begin() + (index - 1));
    SetEntries(entries);
    return true;
}

bool MoveLibraryEntry(int from, int to) {
    std::vector<LibraryEntry> entries = Entries();
    const int count = int(entries.size());
    if (from < 1 || from > count || to < 0 || to > count) return false;
    if (from == to) return true;
    LibraryEntry moved = std::move(entries[size_t(from - 1)]);
    entries.erase(entries.begin() + (from - 1));
    // Entry `to` moved up by one when it stood after the entry taken out.
    const int place = to == 0 ? 0 : (to > from ? to - 1 : to);
    entries.insert(entries.begin() + place, std::move(moved));
    SetEntries(entries);
    return true;
}

bool IsLibraryListFile(const std::string& path) {
    const std::string tail = std::string("/") + kListName;
    const long at = FindLast(1, path, tail, TextCompare);
    return at > 0 && size_t(at - 1) + tail.size() == path.size();
}

bool ImportLibraryList(const std::string& path) {
    std::optional<std::string> bytes = ReadFileBytes(path, kMaxListBytes);
    if (!bytes) return false;
    std::vector<LibraryEntry> entries = Entries();
    for (LibraryEntry& e : LibraryListFormat::Parse(*bytes)) {
        if (entries.size() >= size_t(kMaxLibraryEntries)) break;
        entries.push_back(std::move(e));
    }
    SetEntries(entries);
    return true;
}

bool ExportLibraryList(const std::string& destination) {
    std::optional<std::string> bytes = ReadFileBytes(LibraryListFile(), kMaxListBytes);
    if (!bytes) return false;
    return WriteFileBytes(destination, *bytes + "\r\n");
}

LibraryEntry LibraryEntryAt(int index) {
    Normalize();
    const FavoriteLists& f = Favorites();
    if (index < 1 || index > f.Count) return {};
    return {f.Numbers[size_t(index - 1)], f.Texts[size_t(index - 1)]};
}

} // namespace gb

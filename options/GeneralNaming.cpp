#include "GeneralNaming.h"

#include "platform/FileIO.h"
#include "platform/MessageBox.h"
#include "resources/StringTable.h"
#include "shell/CompanionLibraries.h"
#include "shell/GeneralWin32ExAPI.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace gb {
namespace {

namespace fs = std::filesystem;

constexpr const char* kLineBreak = "\r\n";

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The name after the last "/" of a path.
std::string LastComponent(const std::string& path) {
    const long slash = FindLast(1, path, "/", BinaryCompare);
    return slash > 0 ? path.substr(size_t(slash)) : path;
}

// A name the file system can give an entry of a folder.
bool IsPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

// One attempt. The platform's rename would replace an entry of the new name, so an
// existing entry refuses the rename unless it is the renamed entry itself (the same
// name, or a spelling the file system takes for the same entry).
bool TryRename(const std::string& folder, const std::string& oldName, const std::string& newName) {
    if (!IsPlainName(oldName) || !IsPlainName(newName)) return false;
    const fs::path from = fs::path(folder) / oldName;
    const fs::path to = fs::path(folder) / newName;
    std::error_code error;
    if (!fs::exists(fs::symlink_status(from, error))) return false;
    if (oldName == newName) return true;
    if (fs::exists(fs::symlink_status(to, error)) && !fs::equivalent(from, to, error)) return false;
    return RenameFile(from.string(), to.string());
}

std::string RenameRefusedText(const std::string& oldName, const std::string& newName) {
    return LoadResString(10013) + kLineBreak + kLineBreak + "\t'" + oldName + "' から" + kLineBreak + "\t'" + newName +
           "' へ";
}

std::string Digits(long value, int width) {
    std::string digits = std::to_string(value < 0 ? -static_cast<long long>(value) : static_cast<long long>(value));
    if (int(digits.size()) < width) digits.insert(0, size_t(width - int(digits.size())), '0');
    return (value < 0 ? "-" : "") + digits;
}

// Renames a gallery's file after its title, keeping the extension.
void RenameGalleryFile(GalleryInfo& gallery, const std::string& folder, const DialogPrompts& prompts) {
    const long dot = FindLast(1, gallery.FileName, ".", BinaryCompare);
    const std::string extension = dot > 0 ? gallery.FileName.substr(size_t(dot - 1)) : std::string();
    gallery.FileName = RenameEntry(prompts, folder, gallery.FileName, gallery.Title + extension);
}

// The galleries 1 ... GalleryCount that the list really holds.
int GalleryTotal(const AlbumInfo& album) {
    return std::clamp(int(album.GalleryCount), 0, int(album.Galleries.size()));
}

} // namespace

NumberingPlan PlanNumbering(const std::string& title, Numbering kind) {
    NumberingPlan plan;
    plan.Title = title;
    const char marker = kind == Numbering::Padded ? '*' : '#';
    if (plan.Title.find(marker) == std::string::npos) {
        plan.Title += kind == Numbering::Padded ? " *****" : " #";
        plan.Amended = true;
    }
    const size_t first = plan.Title.find(marker);
    const size_t last = plan.Title.rfind(marker);
    plan.Prefix = plan.Title.substr(0, first);
    plan.Suffix = plan.Title.substr(last + 1);
    if (kind == Numbering::Padded) plan.Digits = int(std::count(plan.Title.begin(), plan.Title.end(), '*'));
    return plan;
}

std::string NumberedTitle(const NumberingPlan& plan, long value) {
    std::string index;
    if (plan.Digits > 0) index = Digits(value, plan.Digits);
    else if (value != 0) index = std::to_string(value);
    return plan.Prefix + index + plan.Suffix;
}

bool IsNumericText(const std::string& text) {
    const std::string t = Trimmed(text);
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t digits = 0;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        size_t exponent = 0;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++exponent;
        if (exponent == 0) return false;
    }
    return i == t.size();
}

int16_t StartValueOf(const std::string& text) {
    if (!IsNumericText(text)) return 1;
    const double value = std::nearbyint(std::strtod(Trimmed(text).c_str(), nullptr));
    if (!(value >= -32768.0)) return -32768;
    if (value > 32767.0) return 32767;
    return int16_t(value);
}

DialogPrompts DialogPrompts::OwnedBy(Hwnd owner) {
    DialogPrompts prompts;
    prompts.Message = [owner](const std::string& text, uint32_t style) { return MsgBox(owner, text, AppTitle(), style); };
    prompts.Input = [owner](const std::string& prompt, const std::string& defaultText) {
        std::string answer;
        InputBox(owner, prompt, AppTitle(), defaultText, answer);
        return answer;
    };
    return prompts;
}

std::string RenameEntry(const DialogPrompts& prompts, const std::string& folder, const std::string& oldName,
                        std::string newName) {
    for (;;) {
        if (TryRename(folder, oldName, newName)) return newName;
        if (prompts.Message(RenameRefusedText(oldName, newName), MB_RETRYCANCEL | MB_ICONSTOP) != IDRETRY) return oldName;
        const std::string answer = prompts.Input(LoadResString(10014), newName);
        if (answer.empty()) return oldName;
        newName = answer;
    }
}

void ApplyAlbumPage(AlbumInfo& album, const AlbumPageValues& values, const DialogPrompts& prompts) {
    album.Title = values.Title;
    if (!values.RenameFolder) return;
    const long slash = FindLast(1, album.Folder, "/", BinaryCompare);
    if (slash <= 0) return;
    const std::string parent = album.Folder.substr(0, size_t(slash));
    std::string old = LastComponent(LongPathOf(album.Folder));
    if (old.empty()) old = LastComponent(album.Folder);
    album.Folder = parent + RenameEntry(prompts, parent, old, album.Title);
}

bool ApplyGalleryPage(AlbumInfo& album, const GalleryPageValues& values, const DialogPrompts& prompts) {
    const bool numbering = values.Option == Numbering::Plain || values.Option == Numbering::Padded;
    NumberingPlan plan;
    long value = 0;
    if (numbering) {
        plan = PlanNumbering(values.Title, values.Option);
        if (plan.Amended) {
            const std::string question =
                LoadResString(10015) + kLineBreak + kLineBreak + "\t'" + plan.Title + "'";
            if (prompts.Message(question, MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK) return false;
        }
        // The running number is not limited to 16 bits, so a numbering that passes
        // 32767 goes on counting instead of wrapping.
        value = StartValueOf(values.StartText);
    }
    for (int i = 1; i <= GalleryTotal(album); ++i) {
        GalleryInfo& gallery = album.Gallery(i);
        if (!gallery.Selected) continue;
        gallery.Title = numbering ? NumberedTitle(plan, value++) : values.Title;
        if (values.RenameFiles) RenameGalleryFile(gallery, album.Folder, prompts);
    }
    return true;
}

bool FolderBearsTitle(const AlbumInfo& album) { return LastComponent(album.Folder) == album.Title; }

uint64_t GalleryBytes(const AlbumInfo& album) {
    uint64_t total = 0;
    for (int i = 1; i <= GalleryTotal(album); ++i)
        total += FileSize(album.Folder + "/" + album.Gallery(i).FileName).value_or(0);
    return total;
}

std::string FormatByteCount(uint64_t bytes) {
    std::string digits = std::to_string(bytes);
    if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return grouped + ". ﾊﾞｲﾄ";
}

} // namespace gb

#include "GeneralPlugin.h"

#include "PluginBridge.h"
#include "app/AppSettings.h"
#include "app/ClassProfiler.h"
#include "platform/Cp932.h"
#include "platform/DirectorySearch.h"
#include "shell/GeneralWin32ExAPI.h"

#include <algorithm>
#include <cctype>
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

namespace gb {

PluginRegistry Plugins;

namespace {

const char kSection[] = "Plugin";

ClassProfiler SettingsProfiler() {
    ClassProfiler profiler;
    profiler.ProfilePath = SettingsFile();
    return profiler;
}

// One GetPluginInfo answer as text: the buffer up to its first zero byte.
std::string PluginText(int32_t infoNumber) {
    char buffer[256] = {};
    PluginPropertyAPI(infoNumber, buffer, 255);
    buffer[255] = 0;
    return Utf8(buffer);
}

// Pictures larger than this are refused rather than drawn.
constexpr int64_t kMaxPixels = 100'000'000;

} // namespace

void LoadPluginList() {
    ClassProfiler p = SettingsProfiler();
    Plugins.FilterTitle = p.ReadProfileChars(kSection, "Title", "");
    Plugins.FilterPattern = p.ReadProfileChars(kSection, "DefaultExt", "*.SPI");
    int32_t count = p.ReadProfileNums(kSection, "Plugins", 0);
    Plugins.Entries.clear();
    // A count the file cannot hold (negative, or absurdly large) reads as none.
    if (count <= 0 || count > 0x7FFF) return;
    for (int32_t i = 1; i <= count; ++i) Plugins.Entries.push_back({p.ReadProfileChars(kSection, std::to_string(i), ""), "", false});
}

void SavePluginList() {
    ClassProfiler p = SettingsProfiler();
    p.ClearProfileSection(kSection);
    p.WriteProfile(kSection, "Title", Plugins.FilterTitle);
    p.WriteProfile(kSection, "DefaultExt", Plugins.FilterPattern);
    p.WriteProfile(kSection, "Plugins", int32_t(Plugins.Entries.size()));
    for (size_t i = 0; i < Plugins.Entries.size(); ++i) p.WriteProfile(kSection, std::to_string(i + 1), Plugins.Entries[i].Path);
    Plugins.Entries.clear();
}

PluginInfo QueryPluginInfo() {
    PluginInfo info;
    char version[5] = {' ', ' ', ' ', ' ', 0};
    PluginPropertyAPI(0, version, 4);
    version[4] = 0;
    char kind = char(std::toupper(static_cast<unsigned char>(version[2])));
    char multi = char(std::toupper(static_cast<unsigned char>(version[3])));
    info.Import = kind == 'I';
    info.Export = kind == 'X';
    info.Archive = kind == 'A';
    info.Multi = multi == 'M';
    info.Name = PluginText(1);
    // Formats until the first empty pattern text; a plug-in that never stops is cut off
    // at a number of formats no real decoder reaches.
    for (int32_t k = 0; k < 1000; ++k) {
        std::string patterns = PluginText(2 * k + 2);
        if (patterns.empty()) break;
        info.Formats.push_back({patterns, PluginText(2 * k + 3)});
    }
    return info;
}

void BuildPatternList() {
    std::vector<std::string> list = {"*.BMP", "*.GIF", "*.JPG", "*.WMF", "*.EMF"};
    for (PluginEntry& entry : Plugins.Entries) {
        LinkStart(entry.Path);
        PluginInfo info = QueryPluginInfo();
        entry.Name = info.Name;
        entry.Usable = PathExists(entry.Path) && !info.Multi && !info.Archive;
        if (entry.Usable) {
            for (const PluginFormat& format : info.Formats)
                for (const std::string& piece : SplitList(format.Patterns, ";", BinaryCompare))
                    if (std::find(list.begin(), list.end(), piece) == list.end()) list.push_back(piece);
        }
        LinkQuit();
    }
    Plugins.PatternList = std::move(list);
}

bool IsSupportedFile(const std::string& path) {
    if (FindEntries(path, 0).empty()) return false;
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    int32_t result = PluginIsSupportedAPI(path, fd);
    close(fd);
    return result != 0;
}

SpiPictureInfo ReadPictureInfo(const std::string& path) {
    SpiPictureInfo info {};
    PhotoPropertyAPI(path, 0, SPI_INPUT_FILE, &info);
    return info;
}

size_t PluginBitmap::RowBytes() const { return ((size_t(Width()) * Header().bitCount + 31) / 32) * 4; }

size_t PluginBitmap::PaletteSize() const {
    const SpiBitmapInfoHeader& h = Header();
    if (h.bitCount > 8) return h.compression == 3 ? 3 : 0; // bit fields: three masks
    return h.colorsUsed ? h.colorsUsed : size_t(1) << h.bitCount;
}

const uint32_t* PluginBitmap::Palette() const {
    return reinterpret_cast<const uint32_t*>(Info() + Header().size);
}

std::optional<PluginBitmap> PluginBitmap::Adopt(void* info, void* bits) {
    PluginBitmap bitmap;
    bitmap.info_.reset(info);
    bitmap.bits_.reset(bits);
    if (!info || !bits) return std::nullopt;
    // The blocks come from a plug-in's malloc(): their usable size tells whether the
    // header's promises fit inside them.
    size_t infoSize = malloc_usable_size(info), bitsSize = malloc_usable_size(bits);
    if (infoSize < sizeof(SpiBitmapInfoHeader)) return std::nullopt;
    const SpiBitmapInfoHeader& h = bitmap.Header();
    bool depthOk = h.bitCount == 1 || h.bitCount == 4 || h.bitCount == 8 || h.bitCount == 16 || h.bitCount == 24 ||
                   h.bitCount == 32;
    bool compressionOk = h.compression == 0 || (h.compression == 3 && (h.bitCount == 16 || h.bitCount == 32));
    if (h.size < sizeof(SpiBitmapInfoHeader) || h.size > 4096 || !depthOk || !compressionOk) return std::nullopt;
    if (h.width <= 0 || h.height == 0 || h.height == INT32_MIN) return std::nullopt;
    if (int64_t(bitmap.Width()) * bitmap.Height() > kMaxPixels) return std::nullopt;
    if (h.bitCount <= 8 && bitmap.PaletteSize() > (size_t(1) << h.bitCount)) return std::nullopt;
    if (h.size + bitmap.PaletteSize() * 4 > infoSize) return std::nullopt;
    if (bitmap.RowBytes() * size_t(bitmap.Height()) > bitsSize) return std::nullopt;
    return bitmap;
}

std::optional<PluginBitmap> DecodePluginPicture(const std::string& path, bool preview) {
    void* info = nullptr;
    void* bits = nullptr;
    int32_t result = preview ? ExecuteThumbnailAPI(path, 0, SPI_INPUT_FILE, &info, &bits)
                             : ExecutePhotoAPI(path, 0, SPI_INPUT_FILE, &info, &bits);
    if (result != SPI_SUCCESS) {
        std::free(info);
        std::free(bits);
        return std::nullopt;
    }
    return PluginBitmap::Adopt(info, bits);
}

} // namespace gb

#pragma once
// The registry of picture plug-ins: which are registered (section "Plugin" of the
// settings file), what each reads, the pattern list of readable pictures, and the calls
// that ask a plug-in about a file and decode it. Every call into a plug-in is made
// between LinkStart and LinkQuit of the bridge.
#include "plugins/sdk/PicturePlugin.h"

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gb {

struct PluginEntry {
    std::string Path;
    std::string Name;
    bool Usable = false;
};

struct PluginFormat {
    std::string Patterns;
    std::string Description;
};

struct PluginInfo {
    std::string Name;
    bool Import = false, Export = false, Archive = false, Multi = false;
    std::vector<PluginFormat> Formats;
};

struct PluginRegistry {
    std::string FilterTitle;
    std::string FilterPattern = "*.SPI";
    std::vector<PluginEntry> Entries; // registration order
    std::vector<std::string> PatternList;
};

extern PluginRegistry Plugins;

void LoadPluginList();
void SavePluginList();
void BuildPatternList();

// Ask the plug-in loaded now.
PluginInfo QueryPluginInfo();
bool IsSupportedFile(const std::string& path);
SpiPictureInfo ReadPictureInfo(const std::string& path);

// A picture a plug-in decoded: its bitmap information block (header and colour table)
// and its pixel block, checked to be consistent before anyone reads them.
class PluginBitmap {
public:
    const SpiBitmapInfoHeader& Header() const { return *static_cast<const SpiBitmapInfoHeader*>(info_.get()); }
    const uint8_t* Info() const { return static_cast<const uint8_t*>(info_.get()); }
    const uint8_t* Bits() const { return static_cast<const uint8_t*>(bits_.get()); }
    int Width() const { return Header().width; }
    int Height() const { return Header().height < 0 ? -Header().height : Header().height; }
    bool TopDown() const { return Header().height < 0; }
    size_t RowBytes() const;
    // The colour table entries (blue, green, red, 0) that follow the header.
    const uint32_t* Palette() const;
    size_t PaletteSize() const;

    // Takes the two blocks (freed with free()); nullopt when they do not describe a
    // picture the program can draw.
    static std::optional<PluginBitmap> Adopt(void* info, void* bits);

private:
    struct Free {
        void operator()(void* p) const { std::free(p); }
    };
    std::unique_ptr<void, Free> info_, bits_;
};

// The loaded plug-in's preview (preview true) or full picture of `path`.
std::optional<PluginBitmap> DecodePluginPicture(const std::string& path, bool preview);

} // namespace gb

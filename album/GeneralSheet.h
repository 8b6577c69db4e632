#pragma once
// The gallery list of the current album made from its folder and kept in step with it,
// the thumbnail sheet, and the loading of single pictures.
#include "platform/draw/Picture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace gb {

struct ScanEntry {
    std::string Name;
    double FileStamp = 0;
    int16_t State = 0; // 0 unchanged, 1 changed on disk, 2 new, 3 gone
};

extern std::vector<ScanEntry> ScanList;

// Fills the scan list with the folder's files that match the patterns, sorted by name
// (a file matching two patterns is listed twice).
void ScanFolder(const std::string& folder, const std::vector<std::string>& patterns);
int16_t ScanCount();

void BuildGalleryList(bool fromFolder);
bool RefreshGalleryList();
void RelayoutSheet();
// The thumbnail of gallery `index`, made first if need be: framed on the template, or
// bare at its own size.
Picture GetThumbnail(int index, bool framed);
// Decodes one picture: through every plug-in that reads it (the last one wins), else the
// platform's loader. `mode` true asks for a preview and turns false when only the full
// picture could be had. width and height receive the picture's full size.
// With `fit` not empty, a full picture that the platform's loader reads and that is
// larger than `fit` comes decoded at the size it will be shown at.
Picture LoadPictureFile(const std::string& path, bool& mode, int16_t& width, int16_t& height, QSize fit = {});

// The pattern list in use (the plug-in registry's, or the built-in one before it exists).
const std::vector<std::string>& CurrentPatterns();

} // namespace gb

#pragma once
// The surface of the thumbnail sheet: an off-screen picture box ("the sheet") that
// holds the thumbnails of all galleries of the current album, and a scratch box
// ("Gallery") for decoding pictures and cutting thumbnails out of the sheet. It is made
// by the first album that opens and lives as long as the program.
#include "platform/draw/Canvas.h"

#include <string>
#include <vector>

namespace gb {

class FormEngine {
public:
    static FormEngine& Instance();
    static bool Exists();

    Canvas Sheet;
    Canvas Gallery;

    // The largest sheet: CellSize x Columns wide and round(512 / Columns x CellSize)
    // high (640 x 5120 with the defaults), fixed when the surface is first taken.
    int MaxWidth() const { return maxWidth_; }
    int MaxHeight() const { return maxHeight_; }

    // Sizes the sheet within its limits; what fits stays.
    void ResizeSheet(int width, int height);
    // Loads a picture file as the sheet's picture and sizes the sheet to it.
    bool LoadSheet(const std::string& file);
    // Writes the sheet as an uncompressed bitmap file.
    bool SaveSheetBitmap(const std::string& file) const;
    // The album closed: the sheet lets go of its picture.
    void ReleaseSheet();

    // The names sorted as the user's locale orders them, letter case ignored.
    static void SortNames(std::vector<std::string>& names);

private:
    FormEngine();
    int maxWidth_ = 0;
    int maxHeight_ = 0;
};

} // namespace gb

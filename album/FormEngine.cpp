#include "FormEngine.h"

#include "AlbumRecords.h"
#include "platform/Collation.h"
#include "platform/loader/PictureLoader.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace gb {
namespace {
std::unique_ptr<FormEngine>& Surface() {
    static std::unique_ptr<FormEngine> surface;
    return surface;
}
} // namespace

FormEngine::FormEngine() {
    Sheet.SetPersistentDrawing(true);
    Gallery.SetPersistentDrawing(true);
    // The limit comes from the album being opened; before any album has set its
    // geometry, the default cells of 80 pixels in rows of 8 stand in.
    int cell = Album.CellSize > 0 ? Album.CellSize : 80;
    int columns = Album.Columns > 0 ? Album.Columns : 8;
    maxWidth_ = cell * columns;
    maxHeight_ = int(std::nearbyint(512.0 / columns * cell));
}

FormEngine& FormEngine::Instance() {
    if (!Surface()) Surface().reset(new FormEngine());
    return *Surface();
}

bool FormEngine::Exists() { return Surface() != nullptr; }

void FormEngine::ResizeSheet(int width, int height) {
    Sheet.Resize(std::clamp(width, 0, maxWidth_), std::clamp(height, 0, maxHeight_));
}

bool FormEngine::LoadSheet(const std::string& file) {
    LoadedPicture loaded = LoadPictureFromFile(file);
    if (loaded.picture.IsEmpty()) return false;
    // The canvas paints its picture at the size it has, so the size comes first.
    ResizeSheet(loaded.fullWidth, loaded.fullHeight);
    Sheet.SetBackgroundPicture(loaded.picture);
    return true;
}

bool FormEngine::SaveSheetBitmap(const std::string& file) const { return SavePictureFile(Sheet.Image(), file); }

void FormEngine::ReleaseSheet() { Sheet.SetBackgroundPicture(Picture()); }

void FormEngine::SortNames(std::vector<std::string>& names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return CompareForDisplay(a, b) < 0;
    });
}

} // namespace gb

#pragma once
// The records of the current album: AlbumInfo (title, date, galleries, display
// settings), GalleryInfo (one picture) and AlbumExtra (the second record). They live
// from LoadAlbum to SaveAlbum; every window reads and changes them in place.
#include <cstdint>
#include <string>
#include <vector>

namespace gb {

struct GalleryInfo {
    std::string Title;
    std::string FileName;
    int16_t Width = 0;
    int16_t Height = 0;
    double FileStamp = 0;
    bool ThumbMade = false;
    int16_t CellLeft = 0;
    int16_t CellTop = 0;
    int16_t ThumbWidth = 0;
    int16_t ThumbHeight = 0;
    bool Selected = false;

    bool operator==(const GalleryInfo&) const = default;
};

struct AlbumInfo {
    bool Stored = false;
    std::string Title;
    std::string Folder;
    double Stamp = 0;
    // Gallery i (1-based) is Galleries[i - 1]; Gallery(i) reads it that way.
    std::vector<GalleryInfo> Galleries;
    int16_t GalleryCount = 0;
    int16_t CurrentGallery = 0;
    int16_t Zoom = 0;
    int32_t SheetLength = 0;
    int16_t CellSize = 0;
    int32_t Columns = 0;
    bool SheetChanged = false;
    int16_t Effect = 0;
    int16_t Interval = 0;
    bool SoundEffects = false;
    std::string Music;

    GalleryInfo& Gallery(int index) { return Galleries[size_t(index - 1)]; }
    const GalleryInfo& Gallery(int index) const { return Galleries[size_t(index - 1)]; }

    bool operator==(const AlbumInfo&) const = default;
};

struct AlbumExtra {
    int16_t LiveFilter = 0;
    bool StampRange = false;
    double StampEnd = 0;
    bool ShowTitle = false;
    uint8_t PencilSize = 0;
    uint8_t PencilColor = 0;

    bool operator==(const AlbumExtra&) const = default;
};

// The current album.
extern AlbumInfo Album;
extern AlbumExtra Extra;

// The record of a folder that has no album file yet.
AlbumInfo DefaultAlbumInfo(const std::string& folder);

} // namespace gb

#pragma once
// Opening and closing the current album: the album file "Browse.GBX" in the album
// folder and the two work files that carry the thumbnail sheet while the album is open.
#include "AlbumRecords.h"

#include <string>

namespace gb {

// Makes the folder the current album, reading its album file if there is one.
void LoadAlbum(const std::string& folder);
// Writes the current album to the folder's album file, removes the work files and
// lets go of the sheet.
void SaveAlbum(const std::string& folder);
// The record of another folder's album file (an empty record when it has none),
// without touching the current album.
AlbumInfo ReadAlbumInfo(const std::string& folder);

void CreateWorkFiles();
void DeleteWorkFiles();

// The album file of a folder, and the name a damaged one is kept under when a new one
// takes its place.
std::string AlbumFilePath(const std::string& folder);
std::string DamagedAlbumFilePath(const std::string& folder);

// The work files of the open album ("" when none).
const std::string& BitmapWorkFile();
const std::string& JpegWorkFile();

} // namespace gb

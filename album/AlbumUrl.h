#pragma once
// The web address of the current album, kept in an Internet shortcut file in the album
// folder (section "InternetShortcut", key "URL").
#include <string>

namespace gb {

// The first "*.URL" file of the album folder, else its "Browse.URL".
std::string AlbumUrlFile();
std::string ReadAlbumUrl();
void WriteAlbumUrl(const std::string& address);

} // namespace gb

#include "AlbumUrl.h"

#include "AlbumRecords.h"
#include "app/AppSettings.h"
#include "app/ClassProfiler.h"
#include "platform/DirectorySearch.h"

namespace gb {

std::string AlbumUrlFile() {
    std::vector<DirectoryEntry> found = FindEntries(Album.Folder + "/*.URL", 0);
    return Album.Folder + "/" + (found.empty() ? std::string("Browse.URL") : found.front().name);
}

std::string ReadAlbumUrl() {
    ClassProfiler profiler;
    profiler.ProfilePath = AlbumUrlFile();
    return profiler.ReadProfileChars("InternetShortcut", "URL", "");
}

void WriteAlbumUrl(const std::string& address) {
    if (AppSettings.NonCreatableStream) return;
    ClassProfiler profiler;
    profiler.ProfilePath = AlbumUrlFile();
    profiler.WriteProfile("InternetShortcut", "URL", address);
}

} // namespace gb

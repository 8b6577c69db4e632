#include "GeneralAlbum.h"

#include "AlbumFileFormat.h"
#include "FormEngine.h"
#include "app/AppSettings.h"
#include "platform/Conventions.h"
#include "platform/FileIO.h"
#include "shell/CompanionLibraries.h"
#include "shell/GeneralWin32ExAPI.h"
#include "slideshow/ClassEngine.h"

namespace gb {

AlbumInfo Album;
AlbumExtra Extra;

namespace {

struct WorkFiles {
    std::string bitmap, jpeg;
} work;

// The album file could not be read as one (wrong signature, damaged record): it is
// kept under another name before a new album file takes its place.
bool albumFileDamaged = false;

// No album file is larger than this: a full sheet is a few megabytes.
constexpr uint64_t kMaxAlbumFile = uint64_t(256) << 20;

std::string FolderName(const std::string& folder) {
    long slash = FindLast(1, folder, "/", BinaryCompare);
    return folder.substr(size_t(slash));
}

// Geometry a damaged or hostile record may carry that no sheet could have: the
// thumbnails it describes are then made again on the default geometry.
void MakeGeometrySound(AlbumInfo& a) {
    bool sound = a.CellSize >= 8 && a.CellSize <= 512 && a.Columns >= 1 && a.Columns <= 512 &&
                 int64_t(a.CellSize) * a.Columns <= 8192;
    if (!sound) {
        a.CellSize = 80;
        a.Columns = 8;
        for (GalleryInfo& g : a.Galleries) g.ThumbMade = false;
        a.SheetChanged = true;
    }
    // The count and the current gallery always agree with the list itself.
    a.GalleryCount = int16_t(a.Galleries.size() > 0x7FFF ? 0x7FFF : a.Galleries.size());
    if (a.Galleries.size() > size_t(a.GalleryCount)) a.Galleries.resize(size_t(a.GalleryCount));
    if (a.CurrentGallery < 0 || a.CurrentGallery > a.GalleryCount) a.CurrentGallery = a.GalleryCount > 0 ? 1 : 0;
    if (a.GalleryCount > 0 && a.CurrentGallery == 0) a.CurrentGallery = 1;
}

// Without a stored sheet no gallery has its thumbnail drawn.
void ForgetThumbnails(AlbumInfo& a) {
    for (GalleryInfo& g : a.Galleries) g.ThumbMade = false;
    a.SheetChanged = true;
}

} // namespace

AlbumInfo DefaultAlbumInfo(const std::string& folder) {
    AlbumInfo a;
    a.Stored = false;
    a.Title = FolderName(folder);
    a.Folder = folder;
    std::optional<int64_t> modified = ModifiedTime(folder);
    a.Stamp = modified ? DateFromTime(std::time_t(*modified)) : 0.0;
    a.Zoom = 100;
    a.CellSize = 80;
    a.Columns = 8;
    a.SheetChanged = true;
    a.Interval = 3;
    return a;
}

std::string AlbumFilePath(const std::string& folder) { return folder + "/Browse.GBX"; }
std::string DamagedAlbumFilePath(const std::string& folder) { return folder + "/Browse.GBX.damaged"; }
const std::string& BitmapWorkFile() { return work.bitmap; }
const std::string& JpegWorkFile() { return work.jpeg; }

void CreateWorkFiles() {
    work.bitmap = TempFileName(TempFolder(), "~GB");
    work.jpeg = TempFileName(TempFolder(), "~GB");
}

void DeleteWorkFiles() {
    for (std::string* file : {&work.bitmap, &work.jpeg}) {
        if (!file->empty() && RemoveFile(*file)) file->clear();
    }
}

void LoadAlbum(const std::string& folder) {
    FormEngine& engine = FormEngine::Instance(); // made by the first album, kept for the next
    DeleteWorkFiles(); // left over from an album that was never closed
    CreateWorkFiles();
    albumFileDamaged = false;

    // A folder that is gone, or has no readable album file, gets the default record, so
    // that nothing of the previous album stays behind in it.
    std::string file = AlbumFilePath(folder);
    std::optional<std::string> bytes;
    if (EntryExists(folder) && FileExists(file)) bytes = ReadFileBytes(file, kMaxAlbumFile);
    if (!bytes) {
        albumFileDamaged = FileExists(file);
        Album = DefaultAlbumInfo(folder);
        Extra = AlbumExtra();
        return;
    }

    AlbumReader reader(*bytes);
    std::optional<std::string_view> signature = reader.ReadBytes(AlbumSignature().size());
    std::optional<AlbumInfo> info;
    if (signature && *signature == AlbumSignature()) info = reader.ReadAlbumInfo();
    if (!info) {
        albumFileDamaged = true;
        Album = DefaultAlbumInfo(folder);
        Extra = AlbumExtra();
        return;
    }
    Album = std::move(*info);
    std::optional<std::string_view> sheet =
        Album.SheetLength > 0 ? reader.ReadBytes(size_t(Album.SheetLength)) : std::nullopt;
    Extra = sheet ? reader.ReadAlbumExtra() : AlbumExtra();

    // A read-only album file gets its write permission back, so that it can be replaced
    // when the album closes.
    MakeWritable(file);

    // The folder where the album was found wins over the path stored in the file.
    Album.Folder = folder;
    MakeGeometrySound(Album);
    bool sheetLoaded = sheet && WriteFileBytes(work.jpeg, *sheet) && engine.LoadSheet(work.jpeg);
    if (!sheetLoaded) {
        Album.SheetLength = 0;
        ForgetThumbnails(Album);
    }
}

void SaveAlbum(const std::string& folder) {
    FormEngine& engine = FormEngine::Instance();
    if (EntryExists(folder) && !AppSettings.NonCreatableStream) {
        Album.Stored = true;
        if (Album.SheetChanged && engine.SaveSheetBitmap(work.bitmap)) {
            ClassEngine converter;
            converter.Convert(work.bitmap, work.jpeg, AppSettings.Quality, false);
            std::optional<uint64_t> length = FileSize(work.jpeg);
            Album.SheetLength = int32_t(length && *length < 0x7FFFFFFF ? *length : 0);
            Album.SheetChanged = false;
        }
        std::optional<std::string> sheet = ReadFileBytes(work.jpeg);
        if (!sheet || sheet->size() < size_t(Album.SheetLength < 0 ? 0 : Album.SheetLength)) sheet.emplace();
        sheet->resize(size_t(Album.SheetLength < 0 ? 0 : Album.SheetLength));
        AlbumInfo stored = Album;
        if (sheet->empty()) {
            // No sheet reached the file: no thumbnail may claim to be in it.
            stored.SheetLength = 0;
            ForgetThumbnails(stored);
            stored.SheetChanged = true;
        }
        std::string file = AlbumFilePath(folder);
        if (albumFileDamaged && FileExists(file)) RenameFile(file, DamagedAlbumFilePath(folder));
        WriteFileBytes(file, EncodeAlbumFile(stored, *sheet, Extra));
    }
    DeleteWorkFiles();
    engine.ReleaseSheet();
    albumFileDamaged = false;
}

AlbumInfo ReadAlbumInfo(const std::string& folder) {
    std::string file = AlbumFilePath(folder);
    if (!EntryExists(folder) || !FileExists(file)) return AlbumInfo();
    std::optional<std::string> bytes = ReadFileBytes(file, kMaxAlbumFile);
    if (!bytes) return AlbumInfo();
    // The signature is skipped unread; its length comes from the text measure library,
    // or from our own count when the library is missing.
    std::optional<int32_t> skip = AnsiCharSize("Glimmerbox 標準ﾌｫｰﾏｯﾄ");
    AlbumReader reader(*bytes);
    if (!reader.Skip(skip && *skip >= 0 ? size_t(*skip) : AlbumSignature().size())) return AlbumInfo();
    return reader.ReadAlbumInfo().value_or(AlbumInfo());
}

} // namespace gb

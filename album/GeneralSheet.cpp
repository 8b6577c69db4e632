#include "GeneralSheet.h"

#include "AlbumRecords.h"
#include "FormEngine.h"
#include "platform/Conventions.h"
#include "platform/DirectorySearch.h"
#include "platform/FileIO.h"
#include "platform/draw/Gdi.h"
#include "platform/loader/PictureLoader.h"
#include "plugins/GeneralPlugin.h"
#include "plugins/PluginBridge.h"
#include "shell/GeneralWin32ExAPI.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace gb {

std::vector<ScanEntry> ScanList;

namespace {

// More galleries than a 16-bit count holds are left out.
constexpr size_t kMaxGalleries = 0x7FFF;

double StampOf(const std::string& folder, const std::string& name) {
    std::optional<int64_t> t = ModifiedTime(folder + "/" + name);
    return t ? DateFromTime(std::time_t(*t)) : 0.0;
}

std::vector<std::string> MatchingFiles(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    for (const DirectoryEntry& e : FindEntries(folder + "/" + pattern, 0)) names.push_back(e.name);
    return names;
}

// The caption of a new gallery: the file name up to its last ".", or the whole name.
std::string TitleOf(const std::string& name) {
    long dot = FindLast(1, name, ".", BinaryCompare);
    return dot > 0 ? name.substr(0, size_t(dot - 1)) : name;
}

GalleryInfo NewGallery(const ScanEntry& entry) {
    GalleryInfo g;
    g.FileName = entry.Name;
    g.FileStamp = entry.FileStamp;
    g.Title = TitleOf(entry.Name);
    return g;
}

int Round(double v) { return int(std::nearbyint(v)); } // halves to the even neighbour

// Draws a plug-in's bitmap into the scratch box at its own size.
Picture DrawBitmap(const PluginBitmap& bitmap) {
    BitmapInfo info;
    std::memcpy(&info.bmiHeader, bitmap.Info(), sizeof info.bmiHeader);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    size_t colours = std::min<size_t>(bitmap.PaletteSize(), 256);
    std::memcpy(static_cast<void*>(info.bmiColors), bitmap.Palette(), colours * 4);
    Canvas& box = FormEngine::Instance().Gallery;
    box.SetBackgroundPicture(Picture());
    box.Resize(bitmap.Width(), bitmap.Height());
    box.Clear();
    StretchDIBits(box.hDC(), 0, 0, bitmap.Width(), bitmap.Height(), 0, 0, bitmap.Width(), bitmap.Height(),
                  bitmap.Bits(), &info, DIB_RGB_COLORS, SRCCOPY);
    return box.Image();
}

} // namespace

const std::vector<std::string>& CurrentPatterns() {
    static const std::vector<std::string> builtIn = {"*.BMP", "*.GIF", "*.JPG", "*.WMF", "*.EMF"};
    return Plugins.PatternList.empty() ? builtIn : Plugins.PatternList;
}

void ScanFolder(const std::string& folder, const std::vector<std::string>& patterns) {
    std::vector<std::string> names;
    for (const std::string& pattern : patterns)
        for (std::string& name : MatchingFiles(folder, pattern)) names.push_back(std::move(name));
    FormEngine::SortNames(names);
    if (names.size() > kMaxGalleries) names.resize(kMaxGalleries);
    ScanList.clear();
    for (const std::string& name : names) ScanList.push_back({name, StampOf(folder, name), 0});
}

int16_t ScanCount() { return int16_t(ScanList.size()); }

void BuildGalleryList(bool fromFolder) {
    if (!fromFolder) {
        ScanList.clear();
        for (const GalleryInfo& g : Album.Galleries) ScanList.push_back({g.FileName, g.FileStamp, 0});
        return;
    }
    ScanFolder(Album.Folder, CurrentPatterns());
    Album.GalleryCount = ScanCount();
    Album.Galleries.clear();
    for (const ScanEntry& entry : ScanList) Album.Galleries.push_back(NewGallery(entry));
    Album.CurrentGallery = Album.GalleryCount > 0 ? 1 : 0;
}

bool RefreshGalleryList() {
    std::vector<GalleryInfo> old = std::move(Album.Galleries);
    Album.Galleries.clear();
    Album.GalleryCount = 0;
    const std::string& folder = Album.Folder;

    // Changed files keep their entry with the new time.
    for (const std::string& pattern : CurrentPatterns())
        for (const std::string& name : MatchingFiles(folder, pattern))
            for (ScanEntry& entry : ScanList)
                if (entry.Name == name) {
                    double stamp = StampOf(folder, name);
                    if (stamp != entry.FileStamp) entry.FileStamp = stamp, entry.State = 1;
                }
    // New files go to the end, in the order the folder lists them.
    for (const std::string& pattern : CurrentPatterns())
        for (const std::string& name : MatchingFiles(folder, pattern)) {
            bool known = std::any_of(ScanList.begin(), ScanList.end(), [&](const ScanEntry& e) { return e.Name == name; });
            if (!known && ScanList.size() < kMaxGalleries) ScanList.push_back({name, StampOf(folder, name), 2});
        }
    // Gone files.
    for (ScanEntry& entry : ScanList) {
        bool found = false;
        for (const std::string& pattern : CurrentPatterns()) {
            std::vector<std::string> names = MatchingFiles(folder, pattern);
            if (std::find(names.begin(), names.end(), entry.Name) != names.end()) found = true;
        }
        if (!found) entry.State = 3;
    }

    bool changed = false;
    for (size_t i = 0; i < ScanList.size(); ++i) {
        const ScanEntry& entry = ScanList[i];
        if (entry.State != 0) changed = true;
        switch (entry.State) {
        case 0:
            if (i < old.size()) Album.Galleries.push_back(old[i]);
            break;
        case 1:
            if (i < old.size()) {
                GalleryInfo g = old[i];
                g.FileStamp = entry.FileStamp;
                g.ThumbMade = false;
                Album.Galleries.push_back(g);
            }
            break;
        case 2:
            Album.Galleries.push_back(NewGallery(entry));
            break;
        default:
            break;
        }
    }
    Album.GalleryCount = int16_t(Album.Galleries.size());
    Album.CurrentGallery = Album.GalleryCount > 0 ? 1 : 0;

    ScanList.erase(std::remove_if(ScanList.begin(), ScanList.end(), [](const ScanEntry& e) { return e.State == 3; }),
                   ScanList.end());
    for (ScanEntry& entry : ScanList) entry.State = 0;
    return changed;
}

void RelayoutSheet() {
    FormEngine& engine = FormEngine::Instance();
    Canvas& sheet = engine.Sheet;
    Canvas& scratch = engine.Gallery;
    Picture before = sheet.Image();
    scratch.Resize(sheet.Width(), sheet.Height());
    scratch.SetBackgroundPicture(before);

    int cell = Album.CellSize, columns = Album.Columns > 0 ? Album.Columns : 1;
    sheet.SetBackgroundPicture(Picture());
    sheet.Clear();
    engine.ResizeSheet(cell * columns, cell * (Album.GalleryCount / columns + 1));

    bool moved = false;
    for (int i = 1; i <= Album.GalleryCount; ++i) {
        GalleryInfo& g = Album.Gallery(i);
        if (!g.ThumbMade) continue;
        int left = (i - 1) % columns * cell, top = (i - 1) / columns * cell;
        BitBlt(sheet.hDC(), left, top, g.ThumbWidth, g.ThumbHeight, scratch.hDC(), g.CellLeft, g.CellTop, SRCCOPY);
        if (left != g.CellLeft || top != g.CellTop) moved = true;
        g.CellLeft = int16_t(left);
        g.CellTop = int16_t(top);
    }
    if (moved) {
        Album.SheetChanged = true;
    } else {
        // Nothing moved: the sheet stays bit for bit what it was, so that the album file
        // can keep its stored picture.
        sheet.SetBackgroundPicture(before);
    }
    scratch.SetBackgroundPicture(Picture());
    scratch.Resize(0, 0);
}

Picture GetThumbnail(int index, bool framed) {
    if (index < 1 || index > Album.GalleryCount || size_t(index) > Album.Galleries.size()) return Picture();
    FormEngine& engine = FormEngine::Instance();
    GalleryInfo& g = Album.Gallery(index);
    int cell = Album.CellSize, columns = Album.Columns > 0 ? Album.Columns : 1;
    if (!g.ThumbMade) {
        bool mode = true;
        int16_t width = g.Width, height = g.Height;
        Picture picture = LoadPictureFile(Album.Folder + "/" + g.FileName, mode, width, height);
        g.Width = width;
        g.Height = height;
        if (!picture.IsEmpty() && g.Width > 0 && g.Height > 0) {
            g.CellLeft = int16_t((index - 1) % columns * cell);
            g.CellTop = int16_t((index - 1) / columns * cell);
            double ratio = double(g.Height) / g.Width;
            if (int(ratio) == 0) {
                g.ThumbWidth = int16_t(cell);
                g.ThumbHeight = int16_t(Round(cell * ratio));
            } else {
                g.ThumbWidth = int16_t(Round(cell * (1 / ratio)));
                g.ThumbHeight = int16_t(cell);
            }
            if (picture.IsMetafile()) engine.Sheet.FillRect(g.CellLeft, g.CellTop, g.ThumbWidth, g.ThumbHeight, Rgb(255, 255, 255));
            engine.Sheet.DrawPicture(picture, g.CellLeft, g.CellTop, g.ThumbWidth, g.ThumbHeight);
            g.ThumbMade = true;
            Album.SheetChanged = true;
        }
    }

    Canvas& box = engine.Gallery;
    box.SetBackgroundPicture(Picture());
    box.Clear();
    if (framed) {
        box.Resize(cell, cell);
        box.SetBackgroundPicture(LoadResourcePicture(":/pictures/template.png"));
        if (g.ThumbMade) {
            int previous = SetStretchBltMode(box.hDC(), HALFTONE);
            StretchBlt(box.hDC(), 2, 2, std::max(g.ThumbWidth - 4, 1), std::max(g.ThumbHeight - 4, 1),
                       engine.Sheet.hDC(), g.CellLeft, g.CellTop, g.ThumbWidth, g.ThumbHeight, SRCCOPY);
            SetStretchBltMode(box.hDC(), previous);
        }
    } else {
        box.Resize(g.ThumbWidth, g.ThumbHeight);
        BitBlt(box.hDC(), 0, 0, g.ThumbWidth, g.ThumbHeight, engine.Sheet.hDC(), g.CellLeft, g.CellTop, SRCCOPY);
    }
    return box.Image();
}

Picture LoadPictureFile(const std::string& path, bool& mode, int16_t& width, int16_t& height, QSize fit) {
    Picture result;
    for (const PluginEntry& plugin : Plugins.Entries) {
        LinkStart(plugin.Path);
        if (IsSupportedFile(path)) {
            SpiPictureInfo info = ReadPictureInfo(path);
            width = int16_t(info.width & 0xFFFF);
            height = int16_t(info.height & 0xFFFF);
            std::optional<PluginBitmap> bitmap = DecodePluginPicture(path, mode);
            if (!bitmap && mode) {
                mode = false;
                bitmap = DecodePluginPicture(path, false);
            }
            // The picture keeps the size the plug-in delivers, a preview of any size too.
            if (bitmap) result = DrawBitmap(*bitmap);
        }
        LinkQuit();
    }
    if (!result.IsEmpty()) return result;

    LoadedPicture loaded = mode ? LoadPictureFromFile(path, std::max<int>(Album.CellSize, 1))
                           : fit.isEmpty() ? LoadPictureFromFile(path)
                                           : LoadPictureToFit(path, fit);
    if (loaded.picture.IsEmpty()) return result;
    width = int16_t(std::min(loaded.fullWidth, 0x7FFF));
    height = int16_t(std::min(loaded.fullHeight, 0x7FFF));
    return loaded.picture;
}

} // namespace gb

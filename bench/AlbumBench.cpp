// Album storage speed: a thumbnail of a 12-megapixel JPEG against libjpeg-turbo's own
// scaled decode of the same file (the ratio should stay near 1), a folder of 200 such
// pictures made into an album, and opening and closing an album of 512 galleries.
#include "BenchPictures.h"
#include "album/FormEngine.h"
#include "album/GeneralAlbum.h"
#include "album/GeneralSheet.h"
#include "app/AppSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <turbojpeg.h>

#include <fstream>
#include <iterator>

namespace {

struct Folder {
    QTemporaryDir dir;
    std::string path = dir.path().toStdString();
    std::string jpeg = path + "/photo.jpg";
    Folder() { gb::bench::PhotoLike(4000, 3000, 3).save(QString::fromStdString(jpeg), "JPEG", 90); }
};

Folder& Twelve() {
    static Folder folder;
    return folder;
}

void OpenFolder(const std::string& path) {
    gb::Album = gb::DefaultAlbumInfo(path);
    gb::BuildGalleryList(true);
    gb::RelayoutSheet();
}

void BM_ThumbnailOf12MegapixelJpeg(benchmark::State& state) {
    Folder& folder = Twelve();
    OpenFolder(folder.path);
    for (auto _ : state) {
        gb::Album.Gallery(1).ThumbMade = false;
        benchmark::DoNotOptimize(gb::GetThumbnail(1, false));
    }
}
BENCHMARK(BM_ThumbnailOf12MegapixelJpeg)->Unit(benchmark::kMillisecond);

// The decoding limit: TurboJPEG's decode of the same file at the scale the thumbnail
// uses (the smallest that still covers the 80-pixel cell: 1/8 of 4000 x 3000).
void BM_TurboJpegScaledDecode(benchmark::State& state) {
    std::ifstream in(Twelve().jpeg, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    tjhandle handle = tjInitDecompress();
    int width = 0, height = 0, sub = 0, space = 0;
    tjDecompressHeader3(handle, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), &width, &height,
                        &sub, &space);
    int w = TJSCALED(width, (tjscalingfactor{1, 8})), h = TJSCALED(height, (tjscalingfactor{1, 8}));
    std::vector<unsigned char> pixels(size_t(w) * h * 4);
    for (auto _ : state) {
        tjDecompress2(handle, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), pixels.data(), w, 0,
                      h, TJPF_BGRX, TJFLAG_FASTDCT);
        benchmark::DoNotOptimize(pixels.data());
    }
    tjDestroy(handle);
}
BENCHMARK(BM_TurboJpegScaledDecode)->Unit(benchmark::kMillisecond);

void BM_AlbumOf200Pictures(benchmark::State& state) {
    QTemporaryDir dir;
    std::string path = dir.path().toStdString();
    for (int i = 0; i < 200; ++i)
        QFile::copy(QString::fromStdString(Twelve().jpeg), QString::fromStdString(path + "/" + std::to_string(1000 + i) + ".jpg"));
    for (auto _ : state) {
        OpenFolder(path);
        for (int i = 1; i <= gb::Album.GalleryCount; ++i) gb::GetThumbnail(i, false);
    }
    state.counters["pictures"] = gb::Album.GalleryCount;
}
BENCHMARK(BM_AlbumOf200Pictures)->Unit(benchmark::kMillisecond)->Iterations(1);

// An album of 512 galleries with a full sheet, stored once.
struct BigAlbum {
    QTemporaryDir dir;
    std::string path = dir.path().toStdString();
    BigAlbum() {
        gb::AppSettings.Quality = 50;
        gb::LoadAlbum(path);
        gb::Album.Galleries.clear();
        for (int i = 0; i < 512; ++i) {
            gb::GalleryInfo g;
            g.FileName = "写真" + std::to_string(i) + ".jpg";
            g.Title = "旅行の写真 " + std::to_string(i);
            g.ThumbMade = true, g.ThumbWidth = 80, g.ThumbHeight = 60;
            g.CellLeft = int16_t(i % 8 * 80), g.CellTop = int16_t(i / 8 * 80);
            gb::Album.Galleries.push_back(g);
        }
        gb::Album.GalleryCount = 512;
        gb::FormEngine::Instance().ResizeSheet(640, 5120);
        gb::FormEngine::Instance().Sheet.DrawPicture(gb::Picture::FromImage(gb::bench::PhotoLike(640, 5120, 5)), 0, 0);
        gb::SaveAlbum(path);
    }
};

void BM_OpenAndClose512Galleries(benchmark::State& state) {
    static BigAlbum album;
    bool changed = state.range(0) != 0;
    for (auto _ : state) {
        gb::LoadAlbum(album.path);
        if (changed) gb::Album.SheetChanged = true;
        gb::SaveAlbum(album.path);
    }
    state.SetLabel(changed ? "sheet changed (encoded again)" : "sheet unchanged (stored bytes kept)");
}
BENCHMARK(BM_OpenAndClose512Galleries)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

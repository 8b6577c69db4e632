// The theater showing a 12-megapixel camera picture, windowed (1:1) and in theater mode
// (fitted to the screen), without and with a live filter: what a person waits for
// between two pictures of a slideshow (transition sleeps excluded: the picture is shown
// without a transition).
#include "BenchPictures.h"
#include "album/AlbumRecords.h"
#include "album/GeneralAlbum.h"
#include "album/GeneralSheet.h"
#include "platform/Clock.h"
#include "slideshow/FormTheater.h"

#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

void BM_TheaterShows12Megapixels(benchmark::State& state) {
    static QTemporaryDir dir;
    static bool made = false;
    std::string folder = dir.path().toStdString();
    if (!made) {
        gb::bench::PhotoLike(4000, 3000, 7).save(QString::fromStdString(folder + "/photo.jpg"), "JPEG", 90);
        made = true;
    }
    gb::ScopedVirtualClock clock; // no real sleeps
    gb::Album = gb::DefaultAlbumInfo(folder);
    gb::BuildGalleryList(true);
    gb::Album.Effect = 0;
    gb::Extra.LiveFilter = int16_t(state.range(0));
    QWidget controller;
    gb::FormTheater theater(&controller);
    theater.CinemaTheaterMode(state.range(1) != 0);
    theater.ShowCinema();
    for (auto _ : state) benchmark::DoNotOptimize(theater.StartCinema());
    theater.HideCinema();
    state.SetLabel(std::string(state.range(1) ? "theater mode, " : "windowed, ") +
                   (state.range(0) == 0 ? "no filter" : state.range(0) == 12 ? "monotone" : "sepia"));
}
BENCHMARK(BM_TheaterShows12Megapixels)
    ->ArgsProduct({{0, 13}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

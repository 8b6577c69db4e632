// Throughput of the picture engine's colour filters on a 1920 x 1080 24-bit clone, in
// bytes of pixel memory per second, against a plain copy of the same bytes and
// against Realize alone (the drawing part of Effect).
#include "BenchPictures.h"
#include "platform/draw/Canvas.h"
#include "slideshow/ClassEngine.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <vector>

namespace gb {
namespace {

constexpr int kWidth = 1920, kHeight = 1080;

struct Stage {
    Stage() : canvas(kWidth, kHeight) {
        canvas.SetPersistentDrawing(true);
        canvas.DrawPicture(Picture::FromImage(bench::PhotoLike(kWidth, kHeight, 3)), 0, 0);
        engine.Attach(canvas.hDC());
        engine.InsertClone(canvas.Image(), false);
    }
    size_t Bytes() const { return engine.Description().bmiHeader.biSizeImage; }
    Canvas canvas;
    ClassEngine engine;
};

void Effect(benchmark::State& state) {
    Stage stage;
    for (auto _ : state) stage.engine.Effect(int32_t(state.range(0)));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(stage.Bytes()));
}
BENCHMARK(Effect)->ArgName("tone")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void Realize(benchmark::State& state) {
    Stage stage;
    for (auto _ : state) stage.engine.Realize();
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(stage.Bytes()));
}
BENCHMARK(Realize)->Unit(benchmark::kMillisecond);

void MemoryCopy(benchmark::State& state) {
    Stage stage;
    std::vector<uint8_t> copy(stage.Bytes());
    for (auto _ : state) {
        std::memcpy(copy.data(), stage.engine.Pixels(), copy.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(stage.Bytes()));
}
BENCHMARK(MemoryCopy)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace gb

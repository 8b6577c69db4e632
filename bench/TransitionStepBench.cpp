// The drawing time of each transition at 1920 x 1080 against its sleeps. The sleeps
// pass on a virtual clock, so the measured time is the drawing alone; the counters
// give it per step and as a share of the sleeps ("ratio"), which must stay far below
// 1 for the transition to last what its table says. Argument 2 is 1 when the window
// is a shown widget (each step is painted into it), 0 for an off-screen canvas.
#include "BenchPictures.h"
#include "platform/Clock.h"
#include "platform/draw/Canvas.h"
#include "slideshow/TransitionRenderer.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <thread>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <numeric>

namespace gb {
namespace {

constexpr int kWidth = 1920, kHeight = 1080;

struct Stage {
    explicit Stage(bool shown) : buffer(kWidth, kHeight), renderer(window, engine) {
        if (shown) {
            widget = std::make_unique<QWidget>();
            widget->resize(kWidth, kHeight);
            window.Bind(HandleOf(widget.get()));
            widget->show();
            // Until the window is exposed, repaints are skipped.
            for (int i = 0; i < 50 && !widget->windowHandle()->isExposed(); ++i) {
                QApplication::processEvents();
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        } else {
            window.Resize(kWidth, kHeight);
        }
        window.SetBackColor(0);
        window.SetPersistentDrawing(true);
        window.DrawPicture(Picture::FromImage(bench::PhotoLike(kWidth, kHeight, 1)), 0, 0);
        window.SetPersistentDrawing(false);
        buffer.SetPersistentDrawing(true);
        buffer.DrawPicture(Picture::FromImage(bench::PhotoLike(kWidth, kHeight, 2)), 0, 0);
        engine.Attach(buffer.hDC());
        renderer.D = {window.hDC(), window.Image(), 0, 0, kWidth, kHeight};
        renderer.S = {buffer.hDC(), buffer.Image(), 0, 0, kWidth, kHeight};
    }
    std::unique_ptr<QWidget> widget;
    Canvas window;
    Canvas buffer;
    ClassEngine engine;
    TransitionRenderer renderer;
};

void Transition(benchmark::State& state) {
    const int effect = int(state.range(0));
    Stage stage(state.range(1) != 0);
    ScopedVirtualClock clock;
    double drawSeconds = 0;
    uint64_t sleptMs = 0, steps = 0;
    for (auto _ : state) {
        clock.ClearSleeps();
        const auto start = std::chrono::steady_clock::now();
        stage.renderer.Render(false, {effect});
        drawSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        sleptMs += std::accumulate(clock.Sleeps().begin(), clock.Sleeps().end(), uint64_t(0));
        steps += clock.Sleeps().size();
    }
    const double runs = double(state.iterations());
    state.counters["steps"] = double(steps) / runs;
    state.counters["sleep_ms"] = double(sleptMs) / runs;
    state.counters["draw_ms_per_step"] = steps ? drawSeconds * 1000.0 / double(steps) : 0.0;
    state.counters["ratio"] = sleptMs ? drawSeconds * 1000.0 / double(sleptMs) : 0.0;
}

BENCHMARK(Transition)
    ->ArgNames({"effect", "window"})
    ->ArgsProduct({benchmark::CreateDenseRange(1, 14, 1), {0, 1}})
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace gb

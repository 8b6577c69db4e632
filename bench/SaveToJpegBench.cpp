// SavetoJPEG of a full thumbnail sheet (640 x 5120, 512 cells) at the default quality
// 50, baseline and progressive.
#include "BenchPictures.h"
#include "platform/SharedLibrary.h"
#include "platform/draw/Picture.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace gb {
namespace {

using SaveFunction = int32_t(const char*, const char*, uint8_t, int16_t);

void SaveSheet(benchmark::State& state) {
    QTemporaryDir dir;
    QImage sheet(640, 5120, QImage::Format_RGB32);
    QPainter painter(&sheet);
    for (int cell = 0; cell < 512; ++cell)
        painter.drawImage((cell % 8) * 80, (cell / 8) * 80, bench::PhotoLike(80, 60, cell));
    painter.end();
    const std::string source = dir.filePath("sheet.bmp").toStdString();
    const std::string target = dir.filePath("sheet.jpg").toStdString();
    SavePictureFile(Picture::FromImage(sheet), source);
    auto* save = BindFunction<SaveFunction>("Convert.so", "SavetoJPEG");
    if (!save) {
        state.SkipWithError("Convert.so not found");
        return;
    }
    const int16_t progressive = state.range(0) ? -1 : 0;
    for (auto _ : state)
        if (save(source.c_str(), target.c_str(), 50, progressive) != 0) state.SkipWithError("SavetoJPEG failed");
    state.counters["jpeg_bytes"] = double(QFileInfo(QString::fromStdString(target)).size());
}
BENCHMARK(SaveSheet)->ArgName("progressive")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace gb

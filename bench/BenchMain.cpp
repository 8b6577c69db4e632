// Entry point of the benchmarks: a QApplication (offscreen unless a display was
// chosen), the Japanese fonts, and the build's program folder.
#include "platform/Desktop.h"
#include "platform/Folders.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    gb::InstallFontSubstitutions();
#ifdef GB_BIN_DIR
    gb::SetProgramFolder(GB_BIN_DIR);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The drawing colour swatch's gradient pixmap at the largest canvas,
// 3840 x 2160, linear and radial: built again on every gradient change while
// the user drags a gradient handle in the fill-mode popup.

#include "DrawingColorWidget.h"

#include <QApplication>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

namespace {

const QSize kCanvas(3840, 2160);

void BM_GradientPixmap(benchmark::State& state)
{
    DrawingColorWidget swatch(kCanvas);
    if (state.range(0) == 0)
        swatch.setLinearGradientMode();
    else
        swatch.setRadialGradientMode();
    for (auto _ : state) {
        QPixmap pixmap = swatch.gradientPixmap(kCanvas);
        benchmark::DoNotOptimize(pixmap);
    }
}
BENCHMARK(BM_GradientPixmap)->Arg(0)->Arg(1)->ArgNames({"radial"})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // Widgets paint without a display too; the swatch's settings stay out of the user's.
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

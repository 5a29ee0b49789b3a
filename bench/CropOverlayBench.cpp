// The crop overlay over a 1920 x 1080 picture: one move of a dragged
// resize handle or feathering knob (the area, eight handles and four dim
// panels laid out again, or the knob and its value label), and a full
// repaint of the overlay with every edge feathered.

#include "CropAreaWidget.h"
#include "CropWidget.h"
#include "UiMetrics.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

const QRect kPicture(20, 20, 1920, 1080);

QPixmap stillPicture()
{
    QImage picture(kPicture.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    painter.fillRect(picture.rect(), QLinearGradient(0, 0, kPicture.width(), kPicture.height()));
    return QPixmap::fromImage(picture);
}

void send(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Drags what lies at grab (the widget's coordinates) to and fro by 40 px;
// an error when a first move leaves the overlay as it was.
void dragToAndFro(benchmark::State& state, QWidget* widget, const QPoint& grab, const QPoint& step,
                  const std::function<bool()>& changed)
{
    send(widget, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    send(widget, QEvent::MouseMove, grab + step * 20, Qt::NoButton, Qt::LeftButton);
    if (!changed()) {
        state.SkipWithError("the drag did not reach the overlay");
        return;
    }
    int index = 0;
    for (auto _ : state) {
        send(widget, QEvent::MouseMove, grab + step * (index++ % 40), Qt::NoButton, Qt::LeftButton);
    }
    send(widget, QEvent::MouseButtonRelease, grab, Qt::LeftButton, Qt::NoButton);
}

void BM_CropHandleMove(benchmark::State& state)
{
    QWidget window;
    window.resize(kPicture.size() + QSize(40, 40));
    CropWidget crop(kPicture, stillPicture(), QRectF(0.1, 0.1, 0.8, 0.8), 0.1f, 0.1f, 0.1f, 0.1f, true, &window);
    // Shown, so that the overlays get their sizes as on screen.
    window.show();
    // The bottom-right handle, on the area's bottom-right corner.
    const QRect area = crop.cropArea()->geometry();
    dragToAndFro(state, &crop, area.topLeft() + QPoint(area.width(), area.height()), QPoint(-1, -1),
                 [&] { return crop.cropRect() != QRectF(0.1, 0.1, 0.8, 0.8); });
}
BENCHMARK(BM_CropHandleMove)->Unit(benchmark::kMicrosecond);

void BM_FeatheringKnobMove(benchmark::State& state)
{
    QWidget window;
    window.resize(kPicture.size() + QSize(40, 40));
    CropWidget crop(kPicture, stillPicture(), QRectF(0, 0, 1, 1), 0.0f, 0.0f, 0.0f, 0.0f, true, &window);
    window.show();
    CropAreaWidget* area = crop.cropArea();
    // The left knob at feathering 0: 10 px into the area, on the upper line of thirds.
    const int half = UiMetrics::metric40() / 2;
    dragToAndFro(state, area, QPoint(-10 + half, area->height() / 3), QPoint(1, 0),
                 [&] { return crop.featheringLeft() > 0.0f; });
}
BENCHMARK(BM_FeatheringKnobMove)->Unit(benchmark::kMicrosecond);

void BM_CropOverlayPaint(benchmark::State& state)
{
    QWidget window;
    window.resize(kPicture.size() + QSize(40, 40));
    CropWidget crop(kPicture, stillPicture(), QRectF(0.1, 0.1, 0.8, 0.8), 0.5f, 0.5f, 0.5f, 0.5f, true, &window);
    window.show();
    QImage target(crop.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        crop.render(&target);
        benchmark::DoNotOptimize(target.bits());
    }
}
BENCHMARK(BM_CropOverlayPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

// Costs of the transform overlay over a 1920x1080 preview: one paint of the
// frame with its handles and guides (and of the perspective outline), and
// one mouse move in each kind of drag.

#include "TransformWidget.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A layer of 1280x720 turned by 0.3 rad about its centre, two of its corner
// points pulled, the canvas inset in the preview.
std::unique_ptr<TransformWidget> makeOverlay(bool perspective)
{
    auto overlay = std::make_unique<TransformWidget>(
        ":/images/transform_dot_normal", ":/images/transform_square_normal", ":/images/transform_central_point_normal",
        QColor(236, 236, 236, 128), 5.0f, nullptr);
    overlay->resize(1920, 1080);
    overlay->setCenterRect(QRectF(120, 60, 1680, 945));
    overlay->setPerspectiveEnabled(perspective);
    overlay->setContentGeometry(QPointF(960, 540), QSizeF(1280, 720), 0, 0, 0.3f, QPointF(0.5, 0.5),
                                QPointF(0.02, 0.01), QPointF(-0.01, 0.02), {}, {}, QSizeF(1280, 720));
    return overlay;
}

QPoint turned(const QPointF& point)
{
    return QTransform().translate(960, 540).rotate(0.3 * 57.29578).translate(-960, -540).map(point).toPoint();
}

void paintOnce(benchmark::State& state, TransformWidget* overlay)
{
    QImage target(overlay->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        target.fill(Qt::transparent);
        overlay->render(&target, QPoint(), QRegion(), QWidget::DrawChildren);
        benchmark::DoNotOptimize(target.bits());
    }
}

void BM_PaintFrameWithGuides(benchmark::State& state)
{
    auto overlay = makeOverlay(false);
    // A held body press near the canvas centre shows its guides while painting.
    const QPoint body = turned(QPointF(1000, 600));
    QMouseEvent press(QEvent::MouseButtonPress, body, body, body, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    overlay->handleMousePress(&press);
    QMouseEvent move(QEvent::MouseMove, body, body, body + QPoint(2, 1), Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    overlay->handleMouseMove(&move);
    paintOnce(state, overlay.get());
}
BENCHMARK(BM_PaintFrameWithGuides)->Unit(benchmark::kMillisecond);

void BM_PaintPerspective(benchmark::State& state)
{
    auto overlay = makeOverlay(true);
    overlay->setActivePointIndex(1);
    paintOnce(state, overlay.get());
}
BENCHMARK(BM_PaintPerspective)->Unit(benchmark::kMillisecond);

// Presses at the point and moves back and forth by up to 40 px.
void moveOnce(benchmark::State& state, bool perspective, const QPointF& unturned)
{
    auto overlay = makeOverlay(perspective);
    const QPoint start = turned(unturned);
    QMouseEvent press(QEvent::MouseButtonPress, start, start, start, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    if (!overlay->handleMousePress(&press)) {
        state.SkipWithError("the press hit no handle");
        return;
    }
    int step = 0;
    for (auto _ : state) {
        const QPoint at = start + QPoint(step % 40 - 20, (step * 7) % 40 - 20);
        QMouseEvent move(QEvent::MouseMove, at, at, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        benchmark::DoNotOptimize(overlay->handleMouseMove(&move));
        ++step;
    }
    overlay->handleMouseRelease();
}

void BM_MoveRotate(benchmark::State& state)
{
    moveOnce(state, false, QPointF(320, 180));
}
BENCHMARK(BM_MoveRotate)->Unit(benchmark::kMicrosecond);

void BM_MoveResize(benchmark::State& state)
{
    moveOnce(state, false, QPointF(1600, 540));
}
BENCHMARK(BM_MoveResize)->Unit(benchmark::kMicrosecond);

void BM_MoveAnchor(benchmark::State& state)
{
    moveOnce(state, false, QPointF(960, 540));
}
BENCHMARK(BM_MoveAnchor)->Unit(benchmark::kMicrosecond);

void BM_MoveBody(benchmark::State& state)
{
    moveOnce(state, false, QPointF(1200, 700));
}
BENCHMARK(BM_MoveBody)->Unit(benchmark::kMicrosecond);

void BM_MoveBodyPerspective(benchmark::State& state)
{
    moveOnce(state, true, QPointF(1200, 700));
}
BENCHMARK(BM_MoveBodyPerspective)->Unit(benchmark::kMicrosecond);

void BM_MoveCornerPoint(benchmark::State& state)
{
    moveOnce(state, true, QPointF(1600, 900));
}
BENCHMARK(BM_MoveCornerPoint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    // Widgets paint without a display too.
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

// The drawing canvas at its largest size, 3840 x 2160 shown at 960 x 540:
// the GUI-thread work of each move of a 200-move pencil stroke (the move, the
// redraw over the restored backup and the repaint), the press that backs the
// canvas up and pushes a history snapshot, and the decode of an undo.
// Run it under xvfb-run: the canvas is a widget on screen.

#include "CanvasWidget.h"
#include "HistoryDataCompressionTaskManager.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kMoves = 200;
constexpr int kStrokes = 5;
// Longer than the canvas's move thinning and the pencil's redraw delay.
constexpr int kMoveIntervalMs = 17;
constexpr int kRedrawDelayMs = 11;

double elapsedMs(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

void sendMouse(CanvasWidget& canvas, QEvent::Type type, const QPoint& position)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, position, canvas.mapToGlobal(position), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&canvas, &event);
}

// A wavy stroke across the canvas, one of kStrokes rows.
QPoint strokePoint(int stroke, int move)
{
    const double x = 40 + move * 880.0 / kMoves;
    const double y = 60 + stroke * 90 + 30 * std::sin(move / 12.0);
    return QPoint(int(x), int(y));
}

// The work of one move: the event, then (after the pencil's redraw delay, not
// counted) the redraw over the backup and the repaint it asks for.
double timedMove(CanvasWidget& canvas, const QPoint& position)
{
    QThread::msleep(kMoveIntervalMs);
    QElapsedTimer timer;
    timer.start();
    sendMouse(canvas, QEvent::MouseMove, position);
    double work = elapsedMs(timer);
    QThread::msleep(kRedrawDelayMs);
    timer.restart();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return work + elapsedMs(timer);
}

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(fraction * values.size()))];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QTemporaryDir home;
    qputenv("XDG_CACHE_HOME", home.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    // The history logs every save and load; the figures below are what counts.
    qputenv("QT_LOGGING_RULES", "*.debug=false");

    CanvasWidget canvas(3840, 2160);
    canvas.resize(960, 540);
    canvas.show();
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }

    std::vector<double> moves;
    std::vector<double> presses;
    for (int stroke = 0; stroke < kStrokes; ++stroke) {
        QElapsedTimer timer;
        timer.start();
        sendMouse(canvas, QEvent::MouseButtonPress, strokePoint(stroke, 0));
        presses.push_back(elapsedMs(timer));
        for (int move = 1; move <= kMoves; ++move)
            moves.push_back(timedMove(canvas, strokePoint(stroke, move)));
        sendMouse(canvas, QEvent::MouseButtonRelease, strokePoint(stroke, kMoves));
        QCoreApplication::processEvents();
    }

    auto* history = canvas.findChild<HistoryDataCompressionTaskManager*>();
    QElapsedTimer writing;
    writing.start();
    if (!history->waitUntilIdle(60000)) {
        std::fprintf(stderr, "the snapshot writer did not finish within a minute\n");
        return 1;
    }
    std::vector<double> undos;
    while (history->hasHistory()) {
        QElapsedTimer timer;
        timer.start();
        canvas.undo();
        undos.push_back(elapsedMs(timer));
    }

    std::printf("pencil move on a 3840x2160 canvas at 960x540, %d strokes of %d moves (paint included):\n",
                kStrokes, kMoves);
    std::printf("  median %.2f ms, p95 %.2f ms, worst %.2f ms (target median under 16 ms)\n",
                percentile(moves, 0.5), percentile(moves, 0.95), percentile(moves, 1.0));
    std::printf("press with backup and history push: median %.2f ms, worst %.2f ms (target push under 5 ms)\n",
                percentile(presses, 0.5), percentile(presses, 1.0));
    std::printf("undo decode of a 3840x2160 snapshot: median %.1f ms, worst %.1f ms over %zu (target under 500 ms)\n",
                percentile(undos, 0.5), percentile(undos, 1.0), undos.size());
    return 0;
}

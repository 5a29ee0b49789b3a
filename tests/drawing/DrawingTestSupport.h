#pragma once

#include "CanvasWidget.h"
#include "HistoryDataCompressionTaskManager.h"
#include "TimerOrder.h"

#include <QDir>
#include <QImage>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <vector>

// Longer than the canvas's 16 ms move thinning, so every move is handled.
constexpr int kMoveWaitMs = 25;
// A shape redraws this long after a move.
constexpr int kShapeRedrawDelayMs = 10;

// Shows the canvas as a window of the given size and waits until it takes input.
inline void showCanvas(CanvasWidget& canvas, const QSize& size)
{
    canvas.resize(size);
    canvas.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas));
}

// Waits for the redraws the shapes' last moves asked for: a timer of the
// same delay started now runs out after theirs.
inline void waitForShapeRedraws()
{
    whenTimerRunsOut(kShapeRedrawDelayMs, [] { return true; });
}

// A left-button drag through the points, delivered to the canvas's window as
// a user's would be, with a pause after every move (a user's moves are that
// far apart); after the release it waits for the shapes' redraws.
inline void dragThrough(CanvasWidget& canvas, const std::vector<QPoint>& points)
{
    QWindow* window = canvas.windowHandle();
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, points.front());
    for (size_t i = 1; i < points.size(); ++i) {
        QTest::qWait(kMoveWaitMs);
        QTest::mouseMove(window, points[i]);
    }
    QTest::qWait(kMoveWaitMs);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, points.back());
    waitForShapeRedraws();
}

inline void dragFromTo(CanvasWidget& canvas, const QPoint& from, const QPoint& to)
{
    dragThrough(canvas, {from, (from + to) / 2, to});
}

// The canvas in straight (unpremultiplied) ARGB, as a picture file keeps it.
inline QImage canvasImage(const CanvasWidget& canvas)
{
    return canvas.canvasPixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

inline HistoryDataCompressionTaskManager* historyOf(CanvasWidget& canvas)
{
    return canvas.findChild<HistoryDataCompressionTaskManager*>();
}

// The snapshot files in the history's folder.
inline QStringList snapshotFiles(const HistoryDataCompressionTaskManager& history)
{
    return history.folder().entryList(QDir::Files);
}

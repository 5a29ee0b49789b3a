#pragma once

#include "EditScrollArea.h"
#include "IsolatedSettings.h"
#include "RecordingListener.h"
#include "Segment.h"
#include "SegmentWidget.h"
#include "TextSegment.h"
#include "TimelineMetrics.h"
#include "TrackWidget.h"
#include "WidgetAnimations.h"

#include <QDeadlineTimer>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

Q_DECLARE_METATYPE(Segment*)

// A window standing for the editor (its object name holds "MainWindow", so
// dragged tiles and tracks lift into it and the drag panel shows there) with
// the timeline area laid out in it.
class EditAreaFixture : public ::testing::Test
{
protected:
    static constexpr float kDuration = 60.0f;

    void SetUp() override
    {
        qRegisterMetaType<Segment*>();
        Segment::setTrackHeight(44);
        setAnimationsEnabled(true);
        window.setObjectName("TestMainWindow");
        auto* central = new QWidget;
        central->setStyleSheet("background-color: rgb(31,32,35);");
        window.setCentralWidget(central);
        area = new EditScrollArea(central);
        area->setGeometry(100, 100, 1400, 400);
        window.resize(1600, 600);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void TearDown() override
    {
        // Tiles point at the segments.
        delete area;
        setAnimationsEnabled(true);
    }

    // A track of text tiles at the starts, each lasting duration seconds.
    TrackWidget* addTrack(std::initializer_list<float> starts, float duration = 3.0f, float scale = 1.0f)
    {
        TrackWidget* track = area->addTrackWidget(scale, kDuration);
        track->setTrackId(area->trackWidgetCount());
        track->setTrackType(starts.size() > 0 ? "TEXT" : "");
        for (float start : starts) {
            auto* segment = new TextSegment(QStringLiteral("Caption"), start, duration, &listener, nullptr);
            segment->setTrackId(track->trackId());
            segments.emplace_back(segment);
            area->connectSegmentWidget(track->addSegmentWidget(segment));
        }
        track->setScale(scale, false);
        return track;
    }

    QPoint inWindow(QWidget* widget, const QPoint& point) const
    {
        return window.mapFromGlobal(widget->mapToGlobal(point));
    }

    QPoint globalToWindow(const QPoint& global) const { return window.mapFromGlobal(global); }

    void press(const QPoint& at) { QTest::mousePress(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, at); }
    void moveTo(const QPoint& at) { QTest::mouseMove(window.windowHandle(), at); }
    void release(const QPoint& at) { QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, at); }

    // A long press on the widget's point, held until a drag starts, then
    // moves in steps to the window point and releases there.
    void longPressDrag(QWidget* widget, const QPoint& from, const QPoint& to, int holdMs)
    {
        const QPoint start = inWindow(widget, from);
        press(start);
        QTest::qWait(holdMs);
        moveTo(start + QPoint(2, 2));
        QTest::qWait(250);
        moveTo((start + to) / 2);
        QTest::qWait(30);
        moveTo(to);
        QTest::qWait(30);
        release(to);
    }

    static bool waitFor(const std::function<bool()>& condition, int milliseconds = 2000)
    {
        const QDeadlineTimer deadline(milliseconds);
        while (!condition() && !deadline.hasExpired())
            QTest::qWait(10);
        return condition();
    }

    IsolatedSettings settings;
    RecordingListener listener;
    std::vector<std::unique_ptr<Segment>> segments;
    QMainWindow window;
    EditScrollArea* area = nullptr;
};

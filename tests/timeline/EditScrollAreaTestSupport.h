#pragma once

#include "EditScrollArea.h"
#include "SegmentWidget.h"
#include "TimelineTestSupport.h"

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

Q_DECLARE_METATYPE(Segment*)

// The timeline fixture's window with the timeline area laid out in it.
class EditAreaFixture : public TimelineFixture
{
protected:
    static constexpr float kDuration = 60.0f;

    void SetUp() override
    {
        TimelineFixture::SetUp();
        qRegisterMetaType<Segment*>();
        area = new EditScrollArea(window.centralWidget());
        area->setGeometry(100, 100, 1400, 400);
        area->show();
        window.resize(1600, 600);
        QTest::qWait(20);
    }

    void TearDown() override
    {
        // Tiles point at the segments.
        delete area;
        TimelineFixture::TearDown();
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

    QPoint globalToWindow(const QPoint& global) const { return window.mapFromGlobal(global); }

    void press(const QPoint& at) { pressAt(&window, at); }
    void moveTo(const QPoint& at) { ::moveTo(&window, at); }
    void release(const QPoint& at) { releaseAt(&window, at); }

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

    EditScrollArea* area = nullptr;
};

#pragma once

#include "EditScrollArea.h"
#include "SegmentDraggingOperationWidget.h"
#include "SegmentWidget.h"
#include "TimelineTestSupport.h"

#include <QGraphicsEffect>
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

    // A long press on the widget's point (a tile or a track), held until its
    // drag starts, then moves in steps to the window point and releases there.
    void longPressDrag(QWidget* widget, const QPoint& from, const QPoint& to)
    {
        const QPoint start = liftByLongPress(widget, from);
        moveTo((start + to) / 2);
        moveTo(to);
        release(to);
    }

    // Presses the widget's point (a tile or a track) and holds it until the
    // drag starts and the duplicate and remove panel has slid in; then a
    // first small move lifts the widget. The pressed point in the window.
    QPoint liftByLongPress(QWidget* widget, const QPoint& from)
    {
        const QPoint start = inWindow(widget, from);
        press(start);
        EXPECT_TRUE(waitFor([&] { return isDragged(widget); })) << "the long press never started a drag";
        moveTo(start + QPoint(2, 2));
        EXPECT_TRUE(waitFor([this] { return operationPanelSettled(); })) << "the duplicate and remove panel never slid in";
        return start;
    }

    // The panel a drag shows at the bottom of the timeline, or null.
    SegmentDraggingOperationWidget* operationPanel() const
    {
        return window.findChild<SegmentDraggingOperationWidget*>();
    }

    // The panel is up and its slide and fade have ended (its opacity effect
    // is switched off at the end of the fade).
    bool operationPanelSettled() const
    {
        const SegmentDraggingOperationWidget* panel = operationPanel();
        const QGraphicsEffect* fade = panel ? panel->graphicsEffect() : nullptr;
        return panel && panel->isVisible() && (!fade || !fade->isEnabled());
    }

    static bool isDragged(QWidget* widget)
    {
        if (const auto* tile = qobject_cast<SegmentWidget*>(widget))
            return tile->isDragging();
        const auto* track = qobject_cast<TrackWidget*>(widget);
        return track && track->isDragging();
    }

    static bool waitFor(const std::function<bool()>& condition, int milliseconds = 5000)
    {
        return QTest::qWaitFor(condition, milliseconds);
    }

    EditScrollArea* area = nullptr;
};

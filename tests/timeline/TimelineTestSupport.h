#pragma once

#include "IsolatedSettings.h"
#include "RecordingListener.h"
#include "Segment.h"
#include "TextSegment.h"
#include "TimelineMetrics.h"
#include "TrackWidget.h"
#include "WidgetAnimations.h"

#include <QMainWindow>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A window standing for the editor (its object name holds "MainWindow", so
// dragged tiles and tracks lift into its central widget) with one content
// widget laid out as the timeline's, its tracks and their segments.
class TimelineFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Segment::setTrackHeight(44);
        setAnimationsEnabled(true);
        window.setObjectName("TestMainWindow");
        auto* central = new QWidget;
        central->setStyleSheet("background-color: rgb(31,32,35);");
        window.setCentralWidget(central);
        content = new QWidget(central);
        content->setGeometry(0, 100, 1800, 300);
        window.resize(1800, 500);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void TearDown() override
    {
        // Tiles point at the segments.
        delete content;
        content = nullptr;
        setAnimationsEnabled(true);
    }

    TrackWidget* addTrack(float scale = 1.0f)
    {
        auto* track = new TrackWidget(TimelineMetrics::trackGeometry(trackCount++, scale, 60), scale, content);
        track->show();
        return track;
    }

    // A text segment owned by the fixture; text has its timeline content at once.
    TextSegment* text(float start, float duration)
    {
        auto* segment = new TextSegment(QStringLiteral("Caption"), start, duration, &listener, nullptr);
        segments.emplace_back(segment);
        return segment;
    }

    template <typename T>
    T* own(T* segment)
    {
        segments.emplace_back(segment);
        return segment;
    }

    // The point of a widget in the window's coordinates.
    QPoint inWindow(QWidget* widget, const QPoint& point) const
    {
        return window.mapFromGlobal(widget->mapToGlobal(point));
    }

    IsolatedSettings settings;
    RecordingListener listener;
    std::vector<std::unique_ptr<Segment>> segments;
    QMainWindow window;
    QWidget* content = nullptr;
    int trackCount = 0;
};

// The engine's load report, given once the segment asks for it.
template <typename T>
T* reported(T* segment)
{
    EXPECT_TRUE(QTest::qWaitFor([&] { return segment->state() == 1; }, 10000));
    segment->onEngineLoadStatus(segment->serialNumber(), false, 0);
    return segment;
}

// Mouse input routed by the toolkit from the window, as a user's arrives.
inline void pressAt(QWidget* window, const QPoint& at, int delay = -1)
{
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at, delay);
}

inline void moveTo(QWidget* window, const QPoint& at)
{
    QTest::mouseMove(window->windowHandle(), at);
}

inline void releaseAt(QWidget* window, const QPoint& at)
{
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

inline bool nearColor(QRgb pixel, const QColor& expected, int tolerance = 2)
{
    return std::abs(qRed(pixel) - expected.red()) <= tolerance && std::abs(qGreen(pixel) - expected.green()) <= tolerance
           && std::abs(qBlue(pixel) - expected.blue()) <= tolerance;
}

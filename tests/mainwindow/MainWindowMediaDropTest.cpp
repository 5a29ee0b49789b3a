#include "HistoryWindow.h"

#include "SegmentDraggingFrameWidget.h"
#include "TimelineMetrics.h"
#include "UserSettings.h"

#include <QDragEnterEvent>
#include <QFile>
#include <QMimeData>
#include <QScrollBar>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The window with its drop state open to the tests.
class DropWindow : public HistoryWindow
{
public:
    using HistoryWindow::HistoryWindow;
    using MainWindow::mediaExplorer_onDownloadFinished;
    TrackWidget* dropTrack() const { return _dropTrack; }
    float dropTime() const { return _dropTime; }
    int undoSteps() const { return _projectManager->history().count(); }
};

std::unique_ptr<QMimeData> fileDrag(const QString& path)
{
    auto data = std::make_unique<QMimeData>();
    data->setUrls({QUrl::fromLocalFile(path)});
    return data;
}

std::unique_ptr<QMimeData> assetDrag(const QString& path, const QByteArray& type, const QByteArray& length)
{
    auto data = std::make_unique<QMimeData>();
    data->setData("media/resource-asset-path", path.toUtf8());
    data->setData("media/resource-asset-type", type);
    data->setData("media/resource-asset-length", length);
    data->setData("media/resource-asset-scale", "0");
    return data;
}

std::unique_ptr<QMimeData> gifDrag(const QByteArray& id, const QByteArray& length, const QByteArray& url)
{
    auto data = std::make_unique<QMimeData>();
    data->setData("media/giphy-gif-id", id);
    data->setData("media/giphy-gif-length", length);
    data->setData("media/giphy-gif-path", "");
    data->setData("media/giphy-gif-url", url);
    data->setData("media/giphy-gif-scale", "1");
    return data;
}

// Delivers a drag event of the kind at the window point, as the platform
// does; whether the window accepted it.
template <typename Event>
bool deliver(QWidget* window, const QPoint& pos, const QMimeData* data)
{
    Event event(pos, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
    return event.isAccepted();
}

bool showsDropIndicator(const TrackWidget* track)
{
    return track->dropIndicator() && track->dropIndicator()->isVisible();
}

class MediaDrop : public HistoryTest
{
protected:
    void SetUp() override
    {
        HistoryTest::SetUp();
        UserSettings::instance()->setAutoDragDropAlign(false);
    }
    void TearDown() override { UserSettings::instance()->setAutoDragDropAlign(true); }

    // A caption [0, length) on the first track, the empty track below it.
    QString openCaption(float length)
    {
        std::vector<RecordBuilder> records;
        records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "A").set("TrackId", 1)
                                        .set("RangeStart", 0).set("RangeDuration", length)));
        return openProject(records, window);
    }

    // The window point over the track at the time (the timeline unscrolled).
    QPoint pointAt(TrackWidget* track, float time) const
    {
        const QPoint content(int(TimelineMetrics::timeToContentX(time, 1.0f)), track->geometry().center().y());
        return window->timeline()->widget()->mapTo(window.get(), content);
    }

    TrackWidget* captionTrack() const { return window->timeline()->trackWidgetAt(0); }

    std::unique_ptr<DropWindow> window;
};

} // namespace

TEST_F(MediaDrop, AMovieIsPlacedOnlyOnceItsProbeHasMeasuredIt)
{
    const QString problem = openCaption(2.0f);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    TrackWidget* empty = window->newestTrack();
    const QPoint at4 = pointAt(empty, 4.0f);
    auto data = fileDrag(TestMedia::path(QStringLiteral("clip_h264_aac.mp4")));

    ASSERT_TRUE(deliver<QDragEnterEvent>(window.get(), at4, data.get()));
    EXPECT_EQ(window->draggedMediaDuration(), 0.0f);
    // The probe's answer has not reached the window yet: nothing can be placed.
    EXPECT_FALSE(deliver<QDragMoveEvent>(window.get(), at4, data.get()));
    EXPECT_FALSE(window->dropTrack());
    ASSERT_TRUE(waitFor([&] { return window->draggedMediaDuration() > 0.0f; }, 10000));
    EXPECT_NEAR(window->draggedMediaDuration(), 2.0f, 0.05f);

    EXPECT_TRUE(deliver<QDragMoveEvent>(window.get(), at4, data.get()));
    EXPECT_EQ(window->dropTrack(), empty);
    EXPECT_EQ(window->dropTime(), 4.0f);
    EXPECT_TRUE(showsDropIndicator(empty));

    // The caption's track takes no movie: refused there, and the frame moves off the empty track.
    EXPECT_FALSE(deliver<QDragMoveEvent>(window.get(), pointAt(captionTrack(), 1.0f), data.get()));
    EXPECT_FALSE(window->dropTrack());
    EXPECT_FALSE(showsDropIndicator(empty));
    EXPECT_FALSE(showsDropIndicator(captionTrack()));

    // A drop where nothing accepts it changes nothing.
    const int steps = window->undoSteps();
    EXPECT_FALSE(deliver<QDropEvent>(window.get(), pointAt(captionTrack(), 1.0f), data.get()));
    EXPECT_EQ(window->undoSteps(), steps);
    EXPECT_EQ(window->projectManager()->segmentCount(), 1);
}

TEST_F(MediaDrop, AGifLastsThePictureDurationUntilItsProbeEnds)
{
    const QString problem = openCaption(2.0f);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    auto data = fileDrag(TestMedia::path(QStringLiteral("animation.gif")));
    const QPoint at = pointAt(window->newestTrack(), 1.0f);

    ASSERT_TRUE(deliver<QDragEnterEvent>(window.get(), at, data.get()));
    EXPECT_EQ(window->draggedMediaDuration(), 2.0f);
    EXPECT_TRUE(deliver<QDragMoveEvent>(window.get(), at, data.get()));
    // Ten frames of 100 ms.
    ASSERT_TRUE(waitFor([&] { return window->draggedMediaDuration() != 2.0f; }, 10000));
    EXPECT_NEAR(window->draggedMediaDuration(), 1.0f, 0.02f);
}

TEST_F(MediaDrop, AProbeOfAnEarlierDragChangesNothing)
{
    const QString problem = openCaption(2.0f);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    int probesEnded = 0;
    static int* counter = nullptr;
    counter = &probesEnded;
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&,
                                                                const QString& text) {
        if (text.startsWith(QLatin1String("Dragging media file duration")))
            ++*counter;
    });
    auto movie = fileDrag(TestMedia::path(QStringLiteral("long64_10fps.mp4")));
    auto picture = fileDrag(TestMedia::path(QStringLiteral("picture.png")));
    const QPoint at = pointAt(window->newestTrack(), 1.0f);

    ASSERT_TRUE(deliver<QDragEnterEvent>(window.get(), at, movie.get()));
    ASSERT_TRUE(deliver<QDragEnterEvent>(window.get(), at, picture.get()));
    const bool ended = waitFor([&] { return probesEnded > 0; }, 10000);
    // Time for the probe's end to reach the window.
    waitFor([] { return false; }, 300);
    qInstallMessageHandler(previous);
    ASSERT_TRUE(ended);
    // The picture's duration, not the movie's.
    EXPECT_EQ(window->draggedMediaDuration(), 2.0f);
}

TEST_F(MediaDrop, WhatOffersNothingToInsertIsRefusedAtEntry)
{
    const QString problem = openCaption(2.0f);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    const QPoint at = pointAt(window->newestTrack(), 1.0f);
    const QString notes = dir + QStringLiteral("/notes.txt");
    QFile file(notes);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("plain text, no media\n");
    file.close();

    EXPECT_FALSE(deliver<QDragEnterEvent>(window.get(), at, fileDrag(notes).get()));
    EXPECT_FALSE(deliver<QDragEnterEvent>(window.get(), at, assetDrag(":/x.mp3", "5", "1.5").get()));
    EXPECT_FALSE(deliver<QDragEnterEvent>(window.get(), at, gifDrag("id", "0", "http://127.0.0.1/a.gif").get()));

    // A sound asset lasts its given length; a picture asset without one the picture duration.
    EXPECT_TRUE(deliver<QDragEnterEvent>(window.get(), at, assetDrag(":/x.mp3", "3", "1.5").get()));
    EXPECT_EQ(window->draggedMediaDuration(), 1.5f);
    EXPECT_TRUE(deliver<QDragEnterEvent>(window.get(), at, assetDrag(":/x.png", "2", "0").get()));
    EXPECT_EQ(window->draggedMediaDuration(), 2.0f);
    // Subtitles whatever the case of their suffix.
    EXPECT_TRUE(deliver<QDragEnterEvent>(window.get(), at, fileDrag(dir + QStringLiteral("/a.SRT")).get()));
    EXPECT_EQ(window->draggedMediaDuration(), 3.0f);
}

TEST_F(MediaDrop, TheTimelineScrollsAtItsEdgeAndStopsWhenTheDragLeaves)
{
    const QString problem = openCaption(120.0f);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    EditScrollArea* timeline = window->timeline();
    QScrollBar* bar = timeline->horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    auto data = fileDrag(TestMedia::path(QStringLiteral("picture.png")));
    const int y = timeline->y() + timeline->height() / 2;
    const QPoint edge = timeline->parentWidget()->mapTo(window.get(), QPoint(timeline->geometry().right() - 5, y));

    ASSERT_TRUE(deliver<QDragEnterEvent>(window.get(), edge, data.get()));
    deliver<QDragMoveEvent>(window.get(), edge, data.get());
    ASSERT_TRUE(waitFor([&] { return bar->value() > 0; }, 3000));

    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(window.get(), &leave);
    waitFor([] { return false; }, 100);
    const int stopped = bar->value();
    waitFor([] { return false; }, 400);
    EXPECT_EQ(bar->value(), stopped);
}

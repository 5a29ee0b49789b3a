#include "HistoryWindow.h"

#include "AssetTable.h"
#include "MusicSegment.h"
#include "PointerWidget.h"
#include "ResourceAssetsWidget.h"
#include "SegmentDraggingFrameWidget.h"
#include "ShortReadSource.h"
#include "TimelineMetrics.h"
#include "UserSettings.h"

#include <QDragEnterEvent>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMimeData>
#include <QScrollBar>
#include <QTemporaryDir>
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
    // The play pointer over the timeline, at its start, as the desktop window has it.
    void addPointer()
    {
        _pointer = new PointerWidget(0, 40, centralWidget());
        _pointer->moveToX(float(TimelineMetrics::leftMargin()), false);
    }
    float pointerTime() const { return _currentScrollTime(); }
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

    // Enters, moves once the item is measured, and drops at the time on the track.
    bool dropAt(const QMimeData* data, TrackWidget* track, float time)
    {
        const QPoint at = pointAt(track, time);
        if (!deliver<QDragEnterEvent>(window.get(), at, data))
            return false;
        if (!waitFor([&] { return window->draggedMediaDuration() > 0.0f; }, 10000))
            return false;
        return deliver<QDragMoveEvent>(window.get(), at, data) && deliver<QDropEvent>(window.get(), at, data);
    }

    // The segments of the track by start.
    QList<Segment*> segmentsOn(const TrackWidget* track) const
    {
        QList<Segment*> found;
        ProjectManager* manager = window->projectManager();
        for (int index = 0; index < manager->segmentCount(); ++index) {
            if (manager->segmentAt(index)->trackId() == track->trackId())
                found << manager->segmentAt(index);
        }
        std::sort(found.begin(), found.end(),
                  [](const Segment* a, const Segment* b) { return a->rangeStart() < b->rangeStart(); });
        return found;
    }

    // A 4 s movie "held" [2, 6) on the first track, the empty track below it.
    QString openHeldMovie()
    {
        if (!QFile::copy(TestMedia::path(QStringLiteral("video_only_4s.mp4")), dir + "/held.mp4"))
            return QStringLiteral("the movie could not be copied into the project");
        std::vector<RecordBuilder> records;
        records.push_back(std::move(RecordBuilder("MOVIE").set("UId", "held").set("File", "held.mp4")
                                        .set("TrackId", 1).set("RangeStart", 2).set("RangeDuration", 4)
                                        .set("TrimStart", 0).set("TrimDuration", 4)));
        return openProject(records, window);
    }

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
    // Another program's drag may offer a list of files that turns out empty.
    QMimeData emptyList;
    emptyList.setData(QStringLiteral("text/uri-list"), QByteArray());
    emptyList.setText(QStringLiteral("nothing"));
    EXPECT_FALSE(deliver<QDragEnterEvent>(window.get(), at, &emptyList));

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

TEST_F(MediaDrop, ADroppedMovieStartsAtTheDropTimeAndPushesTheSegmentThereAside)
{
    const QString problem = openHeldMovie();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    window->addPointer();
    TrackWidget* movies = window->timeline()->trackWidgetAt(0);
    TrackWidget* empty = window->newestTrack();
    auto clip = fileDrag(TestMedia::path(QStringLiteral("clip_h264_aac.mp4")));
    const int steps = window->undoSteps();

    ASSERT_TRUE(dropAt(clip.get(), empty, 4.0f));
    QList<Segment*> dropped = segmentsOn(empty);
    ASSERT_EQ(dropped.size(), 1);
    EXPECT_EQ(dropped[0]->type(), QStringLiteral("MOVIE"));
    EXPECT_EQ(dropped[0]->rangeStart(), 4.0f);
    EXPECT_NEAR(window->pointerTime(), 4.01f, 0.001f);
    EXPECT_EQ(window->undoSteps(), steps + 1);
    // The track took a segment: a new empty one waits below it.
    EXPECT_NE(window->newestTrack(), empty);
    EXPECT_FALSE(window->dropTrack());

    // Insert mode: the movie covering 4 s moves to where the new one ends.
    ASSERT_TRUE(dropAt(clip.get(), movies, 4.0f));
    const QList<Segment*> onMovies = segmentsOn(movies);
    ASSERT_EQ(onMovies.size(), 2);
    EXPECT_EQ(onMovies[0]->rangeStart(), 4.0f);
    ASSERT_TRUE(waitFor([&] { return onMovies[0]->duration() > 0.0f; }, 10000));
    EXPECT_NEAR(onMovies[1]->rangeStart(), 4.0f + onMovies[0]->duration(), 0.05f);
    EXPECT_EQ(onMovies[1]->absoluteFilePath(), dir + "/held.mp4");
}

TEST_F(MediaDrop, OverwriteModeCutsWhatTheDropCovers)
{
    const QString problem = openHeldMovie();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    window->projectManager()->setSegmentMode(1);
    TrackWidget* movies = window->timeline()->trackWidgetAt(0);
    auto clip = fileDrag(TestMedia::path(QStringLiteral("clip_h264_aac.mp4")));

    ASSERT_TRUE(dropAt(clip.get(), movies, 3.0f));
    const QList<Segment*> onMovies = segmentsOn(movies);
    // [2, 3) of the held movie, the new one from 3 s, the held movie again from 5 s.
    ASSERT_EQ(onMovies.size(), 3);
    EXPECT_EQ(onMovies[0]->rangeStart(), 2.0f);
    EXPECT_NEAR(onMovies[0]->duration(), 1.0f, 0.01f);
    EXPECT_EQ(onMovies[1]->rangeStart(), 3.0f);
    EXPECT_NEAR(onMovies[2]->rangeStart(), 5.0f, 0.01f);
}

TEST_F(MediaDrop, TheSameLibrarySoundDroppedTwiceGivesTwoNumberedCopies)
{
    const QString problem = openCaption(2.0f);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    auto sound = assetDrag(QStringLiteral(":/soundfx/ambience/Ghost.mp3"), "3", "5.05");

    ASSERT_TRUE(dropAt(sound.get(), window->newestTrack(), 1.0f));
    ASSERT_TRUE(dropAt(sound.get(), window->newestTrack(), 1.0f));

    EXPECT_TRUE(QFileInfo(dir + "/librarySound-1.mp3").size() > 0);
    EXPECT_TRUE(QFileInfo(dir + "/librarySound-2.mp3").size() > 0);
    QStringList files;
    for (int index = 0; index < window->projectManager()->segmentCount(); ++index) {
        const Segment* segment = window->projectManager()->segmentAt(index);
        if (segment->type() == QLatin1String("MUSIC"))
            files << QFileInfo(segment->absoluteFilePath()).fileName();
    }
    files.sort();
    EXPECT_EQ(files, QStringList({"librarySound-1.mp3", "librarySound-2.mp3"}));
}

TEST_F(MediaDrop, ABuiltInMusicDraggedFromTheLibraryIsTitledAsTheLibraryNamesIt)
{
    const QString problem = openCaption(2.0f);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    const AssetTable music = AssetTable::music();
    ResourceAssetsWidget library(1, music.groupTitles, music.groups, nullptr);
    auto* list = library.findChild<QListWidget*>(QStringLiteral("listWidget"));
    ASSERT_TRUE(list);
    const QList<QListWidgetItem*> cheerful = list->findItems(QStringLiteral("Cheerful"), Qt::MatchExactly);
    ASSERT_EQ(cheerful.size(), 1);
    std::unique_ptr<QMimeData> drag(list->model()->mimeData({list->model()->index(list->row(cheerful[0]), 0)}));
    ASSERT_TRUE(drag);

    TrackWidget* empty = window->newestTrack();
    ASSERT_TRUE(dropAt(drag.get(), empty, 1.0f));
    const QList<Segment*> placed = segmentsOn(empty);
    ASSERT_EQ(placed.size(), 1);
    ASSERT_EQ(placed[0]->type(), QStringLiteral("MUSIC"));
    // Named first after its numbered copy, then after the file's tag once the engine has loaded it.
    const auto* song = static_cast<const MusicSegment*>(placed[0]);
    EXPECT_TRUE(waitFor([&] { return song->state() == 4; }, 10000));
    EXPECT_EQ(song->title().toStdString(), "Cheerful");
}

TEST_F(MediaDrop, SubtitlesDropWhateverTheCaseOfTheirSuffix)
{
    const QString problem = openCaption(2.0f);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    QTemporaryDir outside;
    const QString talk = outside.path() + "/talk.SRT";
    QFile file(talk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1\r\n00:00:01,000 --> 00:00:02,500\r\nHello\r\n\r\n2\r\n00:00:03,000 --> 00:00:04,000\r\nThere\r\n");
    file.close();
    TrackWidget* empty = window->newestTrack();
    const int steps = window->undoSteps();

    ASSERT_TRUE(dropAt(fileDrag(talk).get(), empty, 10.0f));
    const QList<Segment*> texts = segmentsOn(empty);
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0]->type(), QStringLiteral("TEXT"));
    EXPECT_FLOAT_EQ(texts[0]->rangeStart(), 11.0f);
    EXPECT_FLOAT_EQ(texts[1]->rangeStart(), 13.0f);
    EXPECT_EQ(window->undoSteps(), steps + 1);

    // A file without a valid cue leaves no undo step behind.
    const QString none = outside.path() + "/none.srt";
    QFile invalid(none);
    ASSERT_TRUE(invalid.open(QIODevice::WriteOnly));
    invalid.write("1\r\n00:00:01.000 --> 00:00:02.000\r\nSkipped\r\n");
    invalid.close();
    const int segments = window->projectManager()->segmentCount();
    ASSERT_TRUE(dropAt(fileDrag(none).get(), window->newestTrack(), 1.0f));
    EXPECT_EQ(window->projectManager()->segmentCount(), segments);
    EXPECT_EQ(window->undoSteps(), steps + 1);
}

namespace {

QImage previewFrame(DropWindow& window)
{
    return window.preview()->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
}

// The preview once the engine has drawn what it was last asked to (bounded).
QImage settledPreview(DropWindow& window)
{
    for (int pass = 0; pass < 2; ++pass) {
        waitFor([&] { return window.engine()->isRenderIdle(); }, 5000);
        waitFor([] { return false; }, 200);
    }
    return previewFrame(window);
}

// Pixels of two frames of one size whose colours differ beyond encoding noise.
int differingPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            count += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) > 24;
        }
    }
    return count;
}

} // namespace

// Subtitles dropped while paused: once their cues have loaded, the preview
// shows what lies under the play pointer (the first cue over the caption),
// not the last cue of the file.
TEST_F(MediaDrop, DroppedSubtitlesLeaveThePreviewAtThePlayPointer)
{
    const QString problem = openCaption(6.0f);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    window->addPointer();
    const QImage captionAlone = settledPreview(*window);
    QTemporaryDir outside;
    const QString talk = outside.path() + "/talk.srt";
    writeFile(talk, "1\n00:00:00,000 --> 00:00:01,000\nHere\n\n2\n00:00:03,000 --> 00:00:04,000\nMuch later, and wider\n");
    TrackWidget* empty = window->newestTrack();

    ASSERT_TRUE(dropAt(fileDrag(talk).get(), empty, 0.0f));
    const QList<Segment*> cues = segmentsOn(empty);
    ASSERT_EQ(cues.size(), 2);
    ASSERT_EQ(cues[0]->rangeStart(), 0.0f);
    ASSERT_TRUE(waitFor([&] {
        for (const Segment* cue : cues) {
            if (cue->state() != 4 || !window->composition()->findSegment(uint32_t(cue->serialNumber())))
                return false;
        }
        return true;
    }, 10000));
    EXPECT_EQ(window->pointerTime(), 0.0f);
    // A text layer is made ready by a first pass and drawn by the next: the
    // preview is read once it has changed, and again once it has settled.
    const auto settledChange = [&] {
        waitFor([&] { return differingPixels(previewFrame(*window), captionAlone) > 0; }, 10000);
        return settledPreview(*window);
    };
    const QImage afterDrop = settledChange();

    window->_seekPreview(window->pointerTime(), true);
    window->engine()->requestRedraw();
    const QImage atPointer = settledChange();
    EXPECT_GT(differingPixels(afterDrop, captionAlone), 0) << "the cue under the pointer is not drawn";
    EXPECT_EQ(differingPixels(afterDrop, atPointer), 0) << "the preview left the play pointer's time";
}

TEST_F(MediaDrop, AFileThatCannotBeCopiedLeavesTheTrackAsItWas)
{
    const QString problem = openHeldMovie();
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    const QString source = shortReadSource();
    if (source.isEmpty())
        GTEST_SKIP() << "no file here reads fewer bytes than it announces";
    UserSettings::instance()->setAutoCopyAssets(true);
    QTemporaryDir outside;
    const QString big = outside.path() + "/big.mp4";
    ASSERT_TRUE(QFile::link(source, big));
    TrackWidget* movies = window->timeline()->trackWidgetAt(0);
    Segment* held = segmentsOn(movies).value(0);
    ASSERT_TRUE(held);
    const int steps = window->undoSteps();
    window->takeHeadsUps();

    const bool dropped = dropAt(assetDrag(big, "1", "2").get(), movies, 4.0f);
    UserSettings::instance()->setAutoCopyAssets(false);

    EXPECT_FALSE(dropped);
    EXPECT_EQ(held->rangeStart(), 2.0f);
    EXPECT_EQ(segmentsOn(movies).size(), 1);
    EXPECT_EQ(window->undoSteps(), steps);
    EXPECT_FALSE(QFile::exists(dir + "/big.mp4"));
    EXPECT_TRUE(window->takeHeadsUps().contains(QStringLiteral("Copy file failed")));
}

TEST_F(MediaDrop, AGifNotYetDownloadedIsInsertedWhereItWasDroppedOnceItArrives)
{
    const QString problem = openCaption(2.0f);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    TrackWidget* empty = window->newestTrack();
    auto gif = gifDrag("g42", "1.5", "https://127.0.0.1:9/g42.gif");
    const int steps = window->undoSteps();

    ASSERT_TRUE(dropAt(gif.get(), empty, 3.0f));
    // Nothing yet: the drop waits for the file.
    EXPECT_EQ(window->undoSteps(), steps);
    EXPECT_TRUE(segmentsOn(empty).isEmpty());
    // Another item's download ends: not this drop's.
    window->mediaExplorer_onDownloadFinished(0, "other", TestMedia::path(QStringLiteral("animation.gif")));
    EXPECT_TRUE(segmentsOn(empty).isEmpty());

    window->mediaExplorer_onDownloadFinished(0, "g42", TestMedia::path(QStringLiteral("animation.gif")));
    const QList<Segment*> placed = segmentsOn(empty);
    ASSERT_EQ(placed.size(), 1);
    EXPECT_EQ(placed[0]->type(), QStringLiteral("IMAGE"));
    EXPECT_EQ(placed[0]->rangeStart(), 3.0f);
    EXPECT_EQ(placed[0]->absoluteFilePath(), dir + "/libraryWebItem-1.gif");
    EXPECT_EQ(window->undoSteps(), steps + 1);
}

TEST_F(MediaDrop, AGifDropWhoseTrackWentDuringTheDownloadIsAbandoned)
{
    const QString problem = openCaption(2.0f);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    Segment* caption = segmentByUId(*window, "caption");
    window->moveSegment(caption, 0.5f);
    auto gif = gifDrag("g7", "1.5", "https://127.0.0.1:9/g7.gif");
    ASSERT_TRUE(dropAt(gif.get(), window->newestTrack(), 3.0f));

    // Undo rebuilds every track while the GIF downloads.
    window->undoNow();
    const int steps = window->undoSteps();
    const int segments = window->projectManager()->segmentCount();
    window->mediaExplorer_onDownloadFinished(0, "g7", TestMedia::path(QStringLiteral("animation.gif")));

    EXPECT_EQ(window->projectManager()->segmentCount(), segments);
    EXPECT_EQ(window->undoSteps(), steps);
    EXPECT_FALSE(QFile::exists(dir + "/libraryWebItem-1.gif"));
}

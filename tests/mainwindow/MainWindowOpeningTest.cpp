#include "OpeningWindow.h"

#include "AVComposition.h"
#include "AnimatedLabel.h"
#include "CommandLineMedia.h"
#include "IsolatedSettings.h"
#include "ModalDialogAnswerer.h"
#include "MovieSegment.h"
#include "ProgressHUD.h"
#include "ProjectTestSupport.h"
#include "SegmentWidget.h"
#include "TestMedia.h"
#include "TrackWidget.h"
#include "VideoThumbnailsCache.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

#include <gtest/gtest.h>

namespace {

const QString kName = QStringLiteral("Opening");

bool isColor(QRgb pixel, int red, int green, int blue)
{
    return std::abs(qRed(pixel) - red) < 60 && std::abs(qGreen(pixel) - green) < 60
        && std::abs(qBlue(pixel) - blue) < 60;
}

class MainWindowOpening : public ::testing::Test
{
protected:
    void SetUp() override { dir = product.projectDir(kName); }

    void copyMedia(const QString& fixture, const QString& name)
    {
        ASSERT_TRUE(QFile::copy(TestMedia::path(fixture), dir + "/" + name));
    }

    Segment* segmentOfType(OpeningWindow& window, const QString& type, int skip = 0)
    {
        ProjectManager* manager = window.projectManager();
        for (int index = 0; index < manager->segmentCount(); ++index) {
            if (manager->segmentAt(index)->type() == type && skip-- == 0)
                return manager->segmentAt(index);
        }
        return nullptr;
    }

    // Opens the window on a project it refuses and answers the message box;
    // its title and text once the window has closed.
    static std::pair<QString, QString> refusedOpening(OpeningWindow& window)
    {
        window.show();
        std::pair<QString, QString> shown;
        ModalDialogAnswerer answerer(
            [&](QWidget* dialog) {
                if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
                    shown = {box->windowTitle(), box->text()};
                    box->accept();
                }
            },
            30000);
        EXPECT_TRUE(window._openProject());
        EXPECT_TRUE(waitFor([&] { return !window.isVisible(); }, 20000));
        return shown;
    }

    IsolatedSettings settings;
    TemporaryProduct product;
    QString dir;
};

// Keeps the loader's word that every segment has loaded from the window,
// so that only what the segments' own reports send reaches the engine.
class AllLoadedHeldWindow : public OpeningWindow
{
public:
    using OpeningWindow::OpeningWindow;
    using MainWindow::editScrollArea_removeSegment;
    void releaseAllLoaded() { OpeningWindow::onProjectLoaderMessage(nullptr, ProjectLoaderAllLoaded, QVariant()); }
    bool allLoadedHeld = false;

protected:
    void onProjectLoaderMessage(ProjectLoader* loader, int message, QVariant data) override
    {
        if (message == ProjectLoaderAllLoaded)
            allLoadedHeld = true;
        else
            OpeningWindow::onProjectLoaderMessage(loader, message, data);
    }
};

bool everySegmentLoaded(ProjectManager* manager)
{
    for (int index = 0; index < manager->segmentCount(); ++index) {
        if (manager->segmentAt(index)->state() != 4)
            return false;
    }
    return true;
}

QVector<int> drawingOrder(OpeningWindow& window)
{
    const std::vector<uint32_t> ids = window.composition()->visibleSegmentIds();
    return QVector<int>(ids.begin(), ids.end());
}

} // namespace

// Two captions, two movies, a picture at half size in the top-right quarter
// on a track of its own below the movies' (so drawn over them, though its
// record comes before the first movie's at 0 s), and music; the stored track
// ids 7, 3, 7, 5, 3, 9 are not the ones the window hands out.
TEST_F(MainWindowOpening, AProjectOpensWithTracksEngineSegmentsAndAPicture)
{
    copyMedia(QStringLiteral("clip_h264_aac.mp4"), QStringLiteral("clip.mp4"));
    copyMedia(QStringLiteral("picture.png"), QStringLiteral("picture.png"));
    copyMedia(QStringLiteral("tone440.wav"), QStringLiteral("tone.wav"));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("TEXT").set("Text", "A").set("TrackId", 7).set("RangeStart", 0)
                                    .set("RangeDuration", 0.5).set("FontSize", 20)));
    records.push_back(std::move(RecordBuilder("MOVIE").set("File", "clip.mp4").set("TrackId", 3)
                                    .set("RangeStart", 4).set("RangeDuration", 2).set("TrimStart", 0)
                                    .set("TrimDuration", 2)));
    records.push_back(std::move(RecordBuilder("TEXT").set("Text", "B").set("TrackId", 7).set("RangeStart", 2)
                                    .set("RangeDuration", 1).set("FontSize", 20)));
    records.push_back(std::move(RecordBuilder("IMAGE").set("File", "picture.png").set("TrackId", 5)
                                    .set("RangeStart", 0).set("RangeDuration", 2).set("UserScale", "{0.5,0.5}")
                                    .set("UserTranslation", "{0.25,-0.25}")));
    records.push_back(std::move(RecordBuilder("MOVIE").set("File", "clip.mp4").set("TrackId", 3)
                                    .set("RangeStart", 0).set("RangeDuration", 2).set("TrimStart", 0)
                                    .set("TrimDuration", 2)));
    records.push_back(std::move(RecordBuilder("MUSIC").set("File", "tone.wav").set("Title", "Tone").set("TrackId", 9)
                                    .set("RangeStart", 0).set("RangeDuration", 3).set("TrimStart", 0)
                                    .set("TrimDuration", 3)));
    records.push_back(std::move(RecordBuilder("SKETCH").set("TrackId", 11)));
    writeProject(dir, records, "#80204060");

    OpeningWindow window(kName, QSize(640, 360));
    window.show();
    ASSERT_TRUE(window._openProject());
    EXPECT_EQ(window.playbackArea()->styleSheet(), QStringLiteral("background-color: rgba(32,64,96,128)"));
    ASSERT_NE(window.waitingHUD(), nullptr);
    EXPECT_TRUE(window.waitingHUD()->isVisible());
    if (!waitFor([&] { return window.preview() != nullptr; }, 5000) || !window.preview()->isValid())
        GTEST_SKIP() << "no OpenGL context for the preview";

    const auto states = [&window] {
        QString text;
        ProjectManager* manager = window.projectManager();
        for (int index = 0; index < manager->segmentCount(); ++index)
            text += QStringLiteral("%1=%2 ").arg(manager->segmentAt(index)->type()).arg(manager->segmentAt(index)->state());
        return text.toStdString();
    };
    ASSERT_TRUE(waitFor([&] { return window.loaderMessages.contains(ProjectLoaderAllLoaded); }, 60000)) << states();
    // The engine stack is made once.
    AVGLWidget* preview = window.preview();
    AVEngine* engine = window.engine();
    window._prepareOpenGL();
    EXPECT_EQ(window.preview(), preview);
    EXPECT_EQ(window.engine(), engine);
    EXPECT_TRUE(window.loaderMessages.contains(ProjectLoaderSegmentsReady));
    EXPECT_EQ(window.waitingHUD(), nullptr);
    EXPECT_FALSE(window.ruler()->isHeld());
    ProjectManager* manager = window.projectManager();
    ASSERT_EQ(manager->segmentCount(), 6);
    ASSERT_TRUE(waitFor([&] { return everySegmentLoaded(manager); }, 60000));

    // Tracks in order of first appearance, the two captions on one, and an
    // empty one at the bottom.
    Segment* captionA = segmentOfType(window, "TEXT");
    Segment* captionB = segmentOfType(window, "TEXT", 1);
    Segment* picture = segmentOfType(window, "IMAGE");
    auto* movie = static_cast<MovieSegment*>(segmentOfType(window, "MOVIE"));
    auto* laterMovie = static_cast<MovieSegment*>(segmentOfType(window, "MOVIE", 1));
    Segment* music = segmentOfType(window, "MUSIC");
    ASSERT_TRUE(captionA && captionB && picture && movie && laterMovie && music);
    if (movie->rangeStart() > laterMovie->rangeStart())
        std::swap(movie, laterMovie);
    EXPECT_EQ(laterMovie->trackId(), movie->trackId());
    const int first = captionA->trackId();
    EXPECT_EQ(captionB->trackId(), first);
    EXPECT_EQ(movie->trackId(), first + 1);
    EXPECT_EQ(picture->trackId(), first + 2);
    EXPECT_EQ(music->trackId(), first + 3);
    ASSERT_EQ(window.timeline()->trackWidgetCount(), 5);
    const QStringList types = {"TEXT", "MOVIE", "IMAGE", "MUSIC", QString()};
    for (int index = 0; index < 5; ++index) {
        TrackWidget* track = window.timeline()->trackWidgetAt(index);
        EXPECT_EQ(track->trackId(), first + index);
        EXPECT_EQ(track->trackType(), types[index]);
        EXPECT_EQ(window.gutter()->buttonAt(index)->property("tag").toInt(), first + index);
    }
    EXPECT_EQ(window.timeline()->trackWidgetAt(0)->segmentWidgetCount(), 2);
    EXPECT_EQ(window.timeline()->trackWidgetAt(1)->segmentWidgetCount(), 2);
    EXPECT_EQ(window.timeline()->trackWidgetAt(4)->segmentWidgetCount(), 0);
    EXPECT_EQ(window.newestTrack(), window.timeline()->trackWidgetAt(4));
    EXPECT_EQ(window.gutter()->buttonCount(), 5);
    EXPECT_FLOAT_EQ(manager->duration(), 6.0f);

    AVComposition* composition = window.composition();
    float red = 0, green = 0, blue = 0, alpha = 0;
    composition->backgroundColor(&red, &green, &blue, &alpha);
    EXPECT_NEAR(red, 32 / 255.0, 1e-6);
    EXPECT_NEAR(green, 64 / 255.0, 1e-6);
    EXPECT_NEAR(blue, 96 / 255.0, 1e-6);
    EXPECT_NEAR(alpha, 128 / 255.0, 1e-6);
    for (const Segment* segment : {captionA, captionB, picture, static_cast<Segment*>(movie), music,
                                   static_cast<Segment*>(laterMovie)})
        EXPECT_NE(composition->findSegment(uint32_t(segment->serialNumber())), nullptr) << qPrintable(segment->type());
    EXPECT_NE(composition->findSegment(uint32_t(movie->secondEngineId())), nullptr);
    EXPECT_NE(composition->findSegment(uint32_t(laterMovie->secondEngineId())), nullptr);

    // The movie's tile draws the thumbnails the engine collected.
    EXPECT_GT(window.segmentVideoThumbnailCount(movie), 0);
    EXPECT_FALSE(window.segmentVideoThumbnail(movie, 0).isNull());
    auto* tile = qobject_cast<SegmentWidget*>(manager->segmentWidgetFor(movie));
    ASSERT_NE(tile, nullptr);
    const QImage tilePicture = tile->grab().toImage();
    int markPixels = 0;
    for (int y = 0; y < tilePicture.height(); ++y) {
        for (int x = 0; x < tilePicture.width(); ++x)
            markPixels += isColor(tilePicture.pixel(x, y), 255, 0, 0) ? 1 : 0;
    }
    EXPECT_GT(markPixels, 0) << "no red mark of the movie's thumbnails on its tile";

    // At 1 s the picture covers its quarter, the movie the rest, both upright.
    window._seekPreview(1.0f, true);
    window.engine()->requestRedraw();
    QImage frame;
    const auto at = [&frame](double x, double y) { return frame.pixel(int(x * frame.width()), int(y * frame.height())); };
    const bool composed = waitFor([&] {
        window.engine()->requestRedraw();
        frame = window.preview()->grabFramebuffer();
        return !frame.isNull() && isColor(at(0.125, 0.125), 255, 0, 0) && isColor(at(0.59, 0.06), 255, 0, 0);
    }, 10000);
    ASSERT_TRUE(composed) << "top-left " << std::hex << at(0.125, 0.125) << " picture's top-left " << at(0.59, 0.06);
    EXPECT_TRUE(isColor(at(0.875, 0.875), 0, 128, 0));   // the movie's bottom-right mark
    EXPECT_TRUE(isColor(at(0.89, 0.44), 0, 128, 0));     // the picture's bottom-right mark
    EXPECT_TRUE(isColor(at(0.59, 0.44), 0, 0, 255));     // the picture's blue
    EXPECT_TRUE(isColor(at(0.125, 0.875), 0, 0, 255));   // the movie's blue
    EXPECT_TRUE(isColor(at(0.89, 0.06), 0, 0, 255));     // the picture's top-right: blue, not a mirrored mark

    window._finishClosing();
    EXPECT_FALSE(window.isVisible());
}

// Captions on two tracks and pictures between them, their records in no
// order: the engine draws them in the project's track order as soon as they
// have loaded, before the window hears that loading is over, and again once
// an undo has brought a removed picture back.
TEST_F(MainWindowOpening, ManyCaptionsTakeTheirTrackOrderInTheEngineAsTheyLoad)
{
    copyMedia(QStringLiteral("picture.png"), QStringLiteral("picture.png"));
    constexpr int kRows = 60;
    std::vector<RecordBuilder> records;
    for (int row = kRows - 1; row >= 0; --row) {
        const double start = 0.5 * row;
        records.push_back(std::move(RecordBuilder("TEXT").set("Text", QStringLiteral("Caption %1").arg(row))
                                        .set("TrackId", 7).set("RangeStart", start).set("RangeDuration", 0.5)));
        if (row % 3 == 2)
            records.push_back(std::move(RecordBuilder("IMAGE").set("File", "picture.png").set("TrackId", 3)
                                            .set("RangeStart", start).set("RangeDuration", 1.5)));
        records.push_back(std::move(RecordBuilder("TEXT").set("Text", QStringLiteral("Note %1").arg(row))
                                        .set("TrackId", 9).set("RangeStart", start).set("RangeDuration", 0.5)));
    }
    writeProject(dir, records);
    const int count = int(records.size());

    AllLoadedHeldWindow window(kName, QSize(640, 360));
    window.show();
    ASSERT_TRUE(window._openProject());
    if (!waitFor([&] { return window.preview() != nullptr; }, 5000) || !window.preview()->isValid())
        GTEST_SKIP() << "no OpenGL context for the preview";
    ProjectManager* manager = window.projectManager();
    ASSERT_TRUE(waitFor([&] { return manager->segmentCount() == count && everySegmentLoaded(manager); }, 60000));
    // Captions first (their track comes first in the file), then the pictures' track, then the notes.
    const QVector<int> model = manager->layerSegmentIds();
    ASSERT_EQ(model.size(), count);
    for (int index = 1; index < count; ++index) {
        const Segment* before = manager->segmentAt(index - 1);
        const Segment* after = manager->segmentAt(index);
        ASSERT_TRUE(before->trackId() < after->trackId()
                    || (before->trackId() == after->trackId() && before->rangeStart() < after->rangeStart()))
            << index;
    }
    EXPECT_EQ(manager->segmentAt(0)->text(), QStringLiteral("Caption 0"));
    EXPECT_EQ(manager->segmentAt(kRows)->type(), QStringLiteral("IMAGE"));
    EXPECT_EQ(manager->segmentAt(count - 1)->text(), QStringLiteral("Note %1").arg(kRows - 1));
    EXPECT_TRUE(waitFor([&] { return drawingOrder(window) == model; }, 10000))
        << drawingOrder(window).size() << " layers drawn";

    ASSERT_TRUE(waitFor([&] { return window.allLoadedHeld; }, 30000));
    window.releaseAllLoaded();
    EXPECT_EQ(drawingOrder(window), model);
    for (int index = 0; index < count; ++index) {
        QWidget* tile = manager->segmentWidgetAt(index);
        ASSERT_NE(tile, nullptr);
        EXPECT_TRUE(tile->findChildren<AnimatedLabel*>().isEmpty()) << "a loaded tile shows no spinner: " << index;
    }

    Segment* picture = manager->segmentAt(kRows + 5);
    ASSERT_EQ(picture->type(), QStringLiteral("IMAGE"));
    const QString uid = picture->uid();
    window.editScrollArea_removeSegment(picture);
    ASSERT_TRUE(waitFor([&] { return manager->indexOfSegmentUId(uid) < 0; }, 10000));
    ASSERT_TRUE(waitFor([&] { return drawingOrder(window) == manager->layerSegmentIds(); }, 10000));
    ASSERT_TRUE(window.stepHistory(true));
    const int restored = manager->indexOfSegmentUId(uid);
    ASSERT_EQ(restored, kRows + 5);
    Segment* back = manager->segmentAt(restored);
    ASSERT_TRUE(waitFor([&] { return back->state() == 4 && window.composition()->findSegment(back->serialNumber()); },
                        30000));
    EXPECT_TRUE(waitFor([&] { return drawingOrder(window) == manager->layerSegmentIds(); }, 10000))
        << "the restored picture drawn at " << drawingOrder(window).indexOf(back->serialNumber()) << " of "
        << manager->layerSegmentIds().size();
    QVector<int> undone = model;
    undone[restored] = back->serialNumber();
    EXPECT_EQ(manager->layerSegmentIds(), undone) << "the others kept their segments";
    window._finishClosing();
}

TEST_F(MainWindowOpening, ADamagedProjectIsReportedAndClosedUntouched)
{
    copyMedia(QStringLiteral("clip_h264_aac.mp4"), QStringLiteral("clip.mp4"));
    copyMedia(QStringLiteral("picture.png"), QStringLiteral("shot.jpg"));
    std::vector<RecordBuilder> none;
    writeProject(dir, none);
    writeFile(dir + "/project.xml", "<Project><Segment Type=\"MOVIE\" File=\"clip.mp4\"><Transitions>");
    const QMap<QString, QByteArray> before = folderDigests(dir);

    OpeningWindow window(kName, QSize(320, 180));
    const auto [title, text] = refusedOpening(window);
    EXPECT_TRUE(window.loaderMessages.contains(ProjectLoaderNoProject));
    EXPECT_EQ(title, QStringLiteral("Open Project Failed"));
    EXPECT_EQ(text, QStringLiteral("Current movie project is damaged."));
    EXPECT_EQ(window.waitingHUD(), nullptr);
    EXPECT_EQ(window.projectManager(), nullptr);
    EXPECT_EQ(folderDigests(dir), before);
}

// A segment list the system will not let the window read is no damaged
// one: the user is told why it cannot be read. As root no permission stops
// a read, so a folder stands in the file's place.
TEST_F(MainWindowOpening, AProjectFileThatCannotBeReadIsRefusedWithTheReason)
{
    copyMedia(QStringLiteral("clip_h264_aac.mp4"), QStringLiteral("clip.mp4"));
    std::vector<RecordBuilder> none;
    writeProject(dir, none);
    ASSERT_TRUE(QFile::remove(dir + "/project.xml"));
    ASSERT_TRUE(QDir(dir).mkdir(QStringLiteral("project.xml")));
    QFile unreadable(dir + "/project.xml");
    ASSERT_FALSE(unreadable.open(QIODevice::ReadOnly));
    const QString reason = unreadable.errorString();
    const QMap<QString, QByteArray> before = folderDigests(dir);

    OpeningWindow window(kName, QSize(320, 180));
    const auto [title, text] = refusedOpening(window);
    EXPECT_EQ(title.toStdString(), "Open Project Failed");
    EXPECT_EQ(text.toStdString(), QStringLiteral("The movie project cannot be read: %1").arg(reason).toStdString());
    EXPECT_EQ(window.projectManager(), nullptr);
    EXPECT_EQ(folderDigests(dir), before);
    EXPECT_TRUE(QFileInfo(dir + "/project.xml").isDir());
}

// The progress text keeps the opening line and counts below it; reports
// queued after the close find nothing to work on.
TEST_F(MainWindowOpening, ProgressIsShownAndLateReportsAreIgnored)
{
    OpeningWindow window(kName, QSize(320, 180));
    window.onProjectLoaderMessageForTest(ProjectLoaderProgress, QPoint(3, 10));
    ASSERT_NE(window.waitingHUD(), nullptr);
    EXPECT_EQ(window.waitingHUD()->messageLabel()->text(),
              QStringLiteral("<html>Opening...<br><font color=gray><i>3/10</i></font></html>"));
    window.onProjectLoaderMessageForTest(ProjectLoaderAllLoaded, QVariant());
    EXPECT_EQ(window.waitingHUD(), nullptr);

    // No loader runs: a report of ready records from elsewhere builds nothing.
    ProjectLoader stranger(kName, QString(), window.projectManager());
    window.onProjectLoaderMessageFrom(&stranger, ProjectLoaderSegmentsReady);
    EXPECT_EQ(window.timeline()->trackWidgetCount(), 0);

    window._finishClosing();
    window.onProjectLoaderMessageForTest(ProjectLoaderProgress, QPoint(4, 10));
    EXPECT_EQ(window.waitingHUD(), nullptr);
}

TEST_F(MainWindowOpening, AFailedConversionWithoutAReasonNamesItsCode)
{
    OpeningWindow window(kName, QSize(320, 180));
    window.show();
    window.showWaitingHUD(QStringLiteral("Opening..."));
    QString title;
    QString text;
    ModalDialogAnswerer answerer([&](QWidget* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            title = box->windowTitle();
            text = box->text();
            box->accept();
        }
    });
    window.onProjectLoaderMessageForTest(ProjectLoaderConvertFailed, QString());
    EXPECT_EQ(title, QStringLiteral("Convert Project Failed"));
    EXPECT_EQ(text, QStringLiteral("Open project error occurs (14)"));
    EXPECT_EQ(window.waitingHUD(), nullptr);
    EXPECT_FALSE(window.isVisible());
}

// A preview surface that never becomes valid (its window is not shown) holds
// the set-up for a bounded time only; the engine stack is made all the same.
TEST_F(MainWindowOpening, TheWaitForAValidSurfaceEnds)
{
    OpeningWindow window(kName, QSize(320, 180));
    window._prepareOpenGL();
    EXPECT_FALSE(window.preview()->isValid());
    EXPECT_NE(window.engine(), nullptr);
    window._finishClosing();
}

// Music whose file has no title metadata and whose record no "Title", and a
// movie with one second of picture and three of sound; neither record
// stores its length. The project finishes opening, the music keeps its
// record untitled, and the movie takes the longer of its two streams.
TEST_F(MainWindowOpening, UntitledMusicAndAMovieWithLongerSoundLoadWhole)
{
    ASSERT_TRUE(makeMedia({"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=2", "-map_metadata",
                           "-1", "-c:a", "libmp3lame", dir + "/untitled.mp3"}));
    ASSERT_TRUE(makeMedia({"-f", "lavfi", "-i", "color=c=blue:s=160x120:r=10:d=1", "-f", "lavfi", "-i",
                           "sine=frequency=440:sample_rate=48000:duration=3", "-c:v", "libx264", "-preset",
                           "veryfast", "-c:a", "aac", dir + "/long_sound.mp4"}));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("MUSIC").set("File", "untitled.mp3").set("TrackId", 1)
                                    .set("RangeStart", 0)));
    records.push_back(std::move(RecordBuilder("MOVIE").set("File", "long_sound.mp4").set("TrackId", 2)
                                    .set("RangeStart", 0)));
    writeProject(dir, records);

    OpeningWindow window(kName, QSize(640, 360));
    window.show();
    ASSERT_TRUE(window._openProject());
    if (!waitFor([&] { return window.preview() != nullptr; }, 5000) || !window.preview()->isValid())
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_TRUE(waitFor([&] { return window.loaderMessages.contains(ProjectLoaderAllLoaded); }, 30000));
    Segment* music = segmentOfType(window, "MUSIC");
    auto* movie = static_cast<MovieSegment*>(segmentOfType(window, "MOVIE"));
    ASSERT_TRUE(music && movie);
    EXPECT_EQ(music->state(), 4);
    EXPECT_EQ(music->errorCode(), 0);
    EXPECT_NEAR(music->duration(), 2.0f, 0.1f);
    EXPECT_EQ(music->attributes()->findText(QStringLiteral("Title")), nullptr);

    ASSERT_TRUE(waitFor([&] { return movie->state() == 4; }, 30000));
    EXPECT_NEAR(window.segmentVideoMediaDuration(movie), 1.0f, 0.15f);
    EXPECT_NEAR(window.segmentMediaDuration(movie), 3.0f, 0.1f);
    EXPECT_NEAR(movie->mediaDuration(), 3.0f, 0.1f);
    EXPECT_NEAR(movie->duration(), 3.0f, 0.1f);
    window._finishClosing();
}

// A project of the format before rotations were stored in radians: a movie
// at the start, turned half round, and sixteen movies and pictures far
// after it. The far segments ask for no pass as they finish loading; the
// movie's turn, converted only once it has loaded, is still drawn at the
// pointer.
TEST_F(MainWindowOpening, SegmentsLoadingFarFromThePointerAskForNoPassAndTheLastChangeIsDrawn)
{
    copyMedia(QStringLiteral("clip_h264_aac.mp4"), QStringLiteral("clip.mp4"));
    copyMedia(QStringLiteral("picture.png"), QStringLiteral("picture.png"));
    constexpr int kFarPairs = 8;
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("MOVIE").set("File", "clip.mp4").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 2).set("TrimStart", 0)
                                    .set("TrimDuration", 2).set("UserRotation", 180)));
    for (int index = 0; index < kFarPairs; ++index) {
        const double start = 20.0 + 2.0 * index;
        records.push_back(std::move(RecordBuilder("MOVIE").set("File", "clip.mp4").set("TrackId", 1)
                                        .set("RangeStart", start).set("RangeDuration", 2).set("TrimStart", 0)
                                        .set("TrimDuration", 2)));
        records.push_back(std::move(RecordBuilder("IMAGE").set("File", "picture.png").set("TrackId", 2)
                                        .set("RangeStart", start).set("RangeDuration", 2)));
    }
    writeProject(dir, records, "#ff000000", "2");

    OpeningWindow window(kName, QSize(640, 360));
    window.show();
    ASSERT_TRUE(window._openProject());
    if (!waitFor([&] { return window.preview() != nullptr; }, 5000) || !window.preview()->isValid())
        GTEST_SKIP() << "no OpenGL context for the preview";
    ProjectManager* manager = window.projectManager();
    const auto allLoaded = [&] {
        return everySegmentLoaded(manager) && window.loaderMessages.contains(ProjectLoaderAllLoaded);
    };
    ASSERT_TRUE(waitFor(allLoaded, 60000));
    ASSERT_EQ(manager->segmentCount(), 1 + 2 * kFarPairs);
    AVEngine* engine = window.engine();
    ASSERT_TRUE(waitFor([&] { return engine->isRenderIdle(); }, 30000));

    // The set-up's pass, and the near movie's as it loads, shows its first
    // picture and turns, with one to spare: none for the far ones.
    EXPECT_LE(engine->renderer()->videoPasses(), 5) << engine->renderer()->videoPasses() << " passes";
    QImage frame;
    const auto at = [&frame](double x, double y) { return frame.pixel(int(x * frame.width()), int(y * frame.height())); };
    const bool turned = waitFor([&] {
        frame = window.preview()->grabFramebuffer();
        return !frame.isNull() && isColor(at(0.875, 0.875), 255, 0, 0) && isColor(at(0.125, 0.125), 0, 128, 0);
    }, 5000);
    EXPECT_TRUE(turned) << "bottom-right " << std::hex << at(0.875, 0.875) << " top-left " << at(0.125, 0.125);
    window._finishClosing();
}

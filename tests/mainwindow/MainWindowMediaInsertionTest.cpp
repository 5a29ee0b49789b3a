#include "HistoryWindow.h"

#include "AVStreamBase.h"
#include "ImageSegment.h"
#include "LogRecorder.h"
#include "ModalDialogAnswerer.h"
#include "NameSquatter.h"
#include "MusicSegment.h"
#include "PictureFormats.h"
#include "ShortReadSource.h"
#include "TimelineMetrics.h"
#include "UserSettings.h"
#include "Util.h"
#include "WatchedPipe.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <csignal>
#include <set>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The window with the media intake open to the tests.
class InsertionWindow : public HistoryWindow
{
public:
    using HistoryWindow::HistoryWindow;
    using MainWindow::_addMediaFiles;
    using MainWindow::_copyMediaIntoProject;
    using MainWindow::_copyingMedia;
    using MainWindow::_initEditScrollArea;
    using MainWindow::_insertCapturedMovie;
    using MainWindow::_insertCapturedPhoto;
    using MainWindow::_insertMediaFile;
    using MainWindow::_insertSRTSubtitles;

    void target(TrackWidget* track) { _insertionTrack = track; }
    float dropTime() const { return _dropTime; }
    void placePlayHead(float time)
    {
        _pointerOffset = TimelineMetrics::timeToPixels(time, _timelineScale) - _timeline->contentOffsetX();
    }

    int closeEvents = 0;
    bool closedWhileCopying = false;
    QStringList closeMessages;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closeEvents;
        closedWhileCopying = _copyingMedia;
        HistoryWindow::closeEvent(event);
        closeMessages = takeHeadsUps();
    }
};

// "AutoCopyAssets" on for one test; the preferences outlive it.
struct CopyingAssets {
    CopyingAssets() { UserSettings::instance()->setAutoCopyAssets(true); }
    ~CopyingAssets() { UserSettings::instance()->setAutoCopyAssets(false); }
};

bool copyFixture(const QString& fixture, const QString& path)
{
    QFile::remove(path);
    return QFile::copy(TestMedia::path(fixture), path);
}

// What the child process of a killed copy copies, and where to.
const char* const kKilledCopySource = "VIDORNA_KILLED_COPY_SOURCE";
const char* const kKilledCopyFolder = "VIDORNA_KILLED_COPY_FOLDER";

// A file of the size, written out (not sparse) so that copying it takes a while.
bool makeLargeFile(const QString& path, qint64 bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray block(1 << 20, 'v');
    for (qint64 written = 0; written < bytes; written += block.size()) {
        if (file.write(block) != block.size())
            return false;
    }
    return true;
}

// Holds the engine's load of tone440.wav once the file is open, before the
// load is reported, as a busy machine may: the file's reader already runs
// while its segment waits for the report.
struct HeldToneOpening {
    HeldToneOpening()
    {
        held = false;
        released = false;
        AVStreamBase::setOpenedHook(&hold);
    }
    ~HeldToneOpening()
    {
        released = true;
        AVStreamBase::setOpenedHook(nullptr);
    }
    static void hold(const char* path)
    {
        if (!QByteArray(path).endsWith("tone440.wav"))
            return;
        held = true;
        QElapsedTimer clock;
        clock.start();
        while (!released && clock.elapsed() < 10000)
            QThread::msleep(1);
    }
    static inline std::atomic<bool> held{false};
    static inline std::atomic<bool> released{false};
};

class MediaInsertionTest : public HistoryTest
{
protected:
    // The caption project; the empty track at the bottom is the insertion track.
    QString openCaptionWindow(std::unique_ptr<InsertionWindow>& window)
    {
        std::vector<RecordBuilder> records;
        records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "A").set("TrackId", 4)
                                        .set("RangeStart", 0).set("RangeDuration", 2)));
        const QString problem = openProject(records, window);
        if (problem.isEmpty())
            window->target(window->newestTrack());
        return problem;
    }

    static Segment* lastInserted(InsertionWindow& window)
    {
        ProjectManager* manager = window.projectManager();
        Segment* newest = nullptr;
        for (int index = 0; index < manager->segmentCount(); ++index) {
            Segment* segment = manager->segmentAt(index);
            if (!newest || segment->serialNumber() > newest->serialNumber())
                newest = segment;
        }
        return newest;
    }

    QTemporaryDir outside;
};

// The caption project open, its empty bottom track the insertion track.
class CaptionInsertionTest : public MediaInsertionTest
{
protected:
    void SetUp() override
    {
        MediaInsertionTest::SetUp();
        const QString problem = openCaptionWindow(window);
        if (!problem.isEmpty())
            GTEST_SKIP() << qPrintable(problem);
    }

    std::unique_ptr<InsertionWindow> window;
};

} // namespace

TEST_F(CaptionInsertionTest, CopiesGetFreeNamesAndOnlyFilesOutsideTheProjectAreCopied)
{
    CopyingAssets copying;
    const QString clip = outside.path() + "/clip.mp4";
    const QString dotted = outside.path() + "/a.b.mov";
    ASSERT_TRUE(copyFixture("clip_h264_aac.mp4", clip));
    ASSERT_TRUE(copyFixture("clip_h264_aac.mp4", dotted));
    ASSERT_TRUE(copyFixture("clip_h264_aac.mp4", dir + "/a.b.mov"));

    ASSERT_TRUE(window->_insertMediaFile(clip, 7, {}, 0.0f, false, true));
    EXPECT_EQ(lastInserted(*window)->absoluteFilePath(), dir + "/clip.mp4");
    // A link that leads out of the folder, to nothing yet, takes its name.
    ASSERT_TRUE(QFile::link(outside.path() + "/elsewhere.mp4", dir + "/clip Copy 1.mp4"));
    window->target(window->newestTrack());
    ASSERT_TRUE(window->_insertMediaFile(clip, 7, {}, 0.0f, false, true));
    EXPECT_EQ(lastInserted(*window)->absoluteFilePath(), dir + "/clip Copy 2.mp4");
    EXPECT_FALSE(QFileInfo::exists(outside.path() + "/elsewhere.mp4"));
    window->target(window->newestTrack());
    ASSERT_TRUE(window->_insertMediaFile(dotted, 7, {}, 0.0f, false, true));
    EXPECT_EQ(lastInserted(*window)->absoluteFilePath(), dir + "/a Copy 1.b.mov");
    EXPECT_EQ(readFile(dir + "/a Copy 1.b.mov"), readFile(clip));

    // A file of the project is used where it is.
    window->target(window->newestTrack());
    ASSERT_TRUE(window->_insertMediaFile(dir + "/a.b.mov", 7, {}, 0.0f, false, true));
    EXPECT_EQ(lastInserted(*window)->absoluteFilePath(), dir + "/a.b.mov");
    EXPECT_FALSE(QFile::exists(dir + "/a Copy 2.b.mov"));

    // A folder whose name only begins like the project's is another folder.
    const QString sibling = dir + "2";
    ASSERT_TRUE(QDir().mkpath(sibling));
    ASSERT_TRUE(copyFixture("picture.png", sibling + "/holiday.png"));
    window->target(window->newestTrack());
    ASSERT_TRUE(window->_insertMediaFile(sibling + "/holiday.png", 7, {}, 0.0f, false, true));
    EXPECT_EQ(lastInserted(*window)->absoluteFilePath(), dir + "/holiday.png");
    EXPECT_TRUE(QFile::exists(dir + "/holiday.png"));
}

// Another process keeps putting links to a user's file and named pipes at
// the names the copies may take: each copy takes a name of its own, the
// user's file stays as it was, and no copy waits on a pipe.
TEST_F(CaptionInsertionTest, CopiesNeitherWriteThroughLinksNorWaitOnPipesPutAtTheirNames)
{
    CopyingAssets copying;
    constexpr int kInsertions = 30;
    const QString picture = outside.path() + "/holiday.png";
    ASSERT_TRUE(copyFixture("picture.png", picture));
    const QByteArray pictureBytes = readFile(picture);
    const QString letter = outside.path() + "/letter.txt";
    const QByteArray letterBytes = "Dear Ann, the photos follow next week.\n";
    writeFile(letter, letterBytes);
    QStringList names{dir + "/holiday.png"};
    // A name is held about half the time: the copies pass over some.
    for (int number = 1; number < 4 * kInsertions; ++number)
        names << dir + QStringLiteral("/holiday Copy %1.png").arg(number);
    const int segments = window->projectManager()->segmentCount();
    QStringList copies;
    {
        NameSquatter squatter(names, letter);
        for (int insertion = 0; insertion < kInsertions; ++insertion) {
            window->target(window->newestTrack());
            QElapsedTimer clock;
            clock.start();
            ASSERT_TRUE(window->_insertMediaFile(picture, 2, {}, 0.0f, false, true)) << "insertion " << insertion;
            ASSERT_LT(clock.elapsed(), 10000) << "insertion " << insertion << " waited";
            copies << lastInserted(*window)->absoluteFilePath();
        }
        EXPECT_EQ(squatter.pipeWriters(), 0) << "a copy opened a named pipe";
    }

    EXPECT_TRUE(readFile(letter) == letterBytes) << "the user's file was written through a link";
    EXPECT_EQ(window->projectManager()->segmentCount(), segments + kInsertions);
    EXPECT_EQ(QSet<QString>(copies.begin(), copies.end()).size(), kInsertions) << "copies shared a name";
    for (const QString& copy : qAsConst(copies)) {
        EXPECT_EQ(QFileInfo(copy).path(), dir) << qPrintable(copy);
        const QFileInfo made(copy);
        ASSERT_TRUE(made.isFile() && !made.isSymLink()) << qPrintable(copy) << " is no file of its own";
        EXPECT_EQ(readFile(copy), pictureBytes) << qPrintable(copy);
    }
}

TEST_F(CaptionInsertionTest, ACloseOrAnInsertionDuringACopyIsRefusedAndTheCopyCompletes)
{
    const QString big = outside.path() + "/big.mp4";
    ASSERT_TRUE(makeLargeFile(big, qint64(256) << 20));
    bool insertedMeanwhile = true;
    QTimer::singleShot(0, window.get(), [&] {
        insertedMeanwhile = window->_insertMediaFile(TestMedia::path("picture.png"), 2, {}, 0.0f, false, true);
    });

    QCoreApplication::postEvent(window.get(), new QCloseEvent);
    const QString copy = window->_copyMediaIntoProject(big, dir);

    EXPECT_FALSE(insertedMeanwhile);
    EXPECT_EQ(window->projectManager()->segmentCount(), 1);

    EXPECT_EQ(window->closeEvents, 1);
    EXPECT_TRUE(window->closedWhileCopying);
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(copy, dir + "/big.mp4");
    EXPECT_EQ(QFileInfo(copy).size(), qint64(256) << 20);
    EXPECT_EQ(window->closeMessages, QStringList{"Please wait a moment"});
}

// A file saved under the copy's name while the copy runs (by the user, or
// another program) stays as it is: the copy takes the next free name.
TEST_F(CaptionInsertionTest, AFileSavedUnderTheCopysNameMeanwhileStaysAndTheCopyTakesTheNextName)
{
    const QString big = outside.path() + "/big.mp4";
    ASSERT_TRUE(makeLargeFile(big, qint64(32) << 20));
    const QByteArray users = "the user's own big.mp4\n";
    // Runs at the copy's first poll, while the copy is under way.
    bool saved = false;
    QTimer::singleShot(0, window.get(), [&] {
        saved = window->_copyingMedia;
        writeFile(dir + "/big.mp4", users);
    });
    const QString copy = window->_copyMediaIntoProject(big, dir);
    ASSERT_TRUE(saved) << "the file was saved before or after the copy";
    EXPECT_TRUE(readFile(dir + "/big.mp4") == users) << "the copy replaced the user's file";
    EXPECT_EQ(copy, dir + "/big Copy 1.mp4");
    EXPECT_EQ(QFileInfo(copy).size(), qint64(32) << 20);
}

// The child process of the test below, run by it alone: copies the file
// into the folder as an added file is copied into the project, and is
// killed while the copy runs, before it could end.
TEST(KilledMediaCopy, DISABLED_CopyingChild)
{
    const QString source = qEnvironmentVariable(kKilledCopySource);
    const QString folder = qEnvironmentVariable(kKilledCopyFolder);
    ASSERT_FALSE(source.isEmpty() || folder.isEmpty()) << "only the killed copy's test runs this";
    InsertionWindow window(QStringLiteral("Killed"), QSize(320, 180));
    QTimer kill;
    QObject::connect(&kill, &QTimer::timeout, [&window] {
        if (window._copyingMedia)
            ::raise(SIGKILL);
    });
    kill.start(0);
    window._copyMediaIntoProject(source, folder);
    ADD_FAILURE() << "the copy was not killed";
}

// A copy into the project killed part way leaves no file under a name the
// user may pick (the file's own, or one of its numbered copies'): what it
// left stands under a name of its own, and the next close takes it away.
TEST_F(CaptionInsertionTest, ACopyKilledPartWayLeavesNoFileUnderItsNamesAndTheCloseTakesWhatItLeft)
{
    const QString big = outside.path() + "/big.mp4";
    ASSERT_TRUE(makeLargeFile(big, qint64(64) << 20));
    const QDir::Filters files = QDir::Files | QDir::Hidden | QDir::System;
    const QStringList before = QDir(dir).entryList(files);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kKilledCopySource, big);
    environment.insert(kKilledCopyFolder, dir);
    // The child's report must not take the place of this run's.
    environment.remove(QStringLiteral("GTEST_OUTPUT"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=KilledMediaCopy.DISABLED_CopyingChild", "--gtest_also_run_disabled_tests"});
    ASSERT_TRUE(child.waitForFinished(60000)) << "the copying child did not end";
    ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << child.readAll().constData();

    QStringList left = QDir(dir).entryList(files);
    for (const QString& name : before)
        left.removeOne(name);
    ASSERT_EQ(left.size(), 1) << "the killed copy left " << qPrintable(left.join(", "));
    EXPECT_FALSE(QRegularExpression(QStringLiteral("^big( Copy \\d+)?\\.mp4$")).match(left.first()).hasMatch())
        << qPrintable(left.first()) << " is a name the user may pick";
    window->close();
    ASSERT_TRUE(waitFor([&] { return !window->isVisible(); }, 20000)) << "the window stays";
    EXPECT_FALSE(QFileInfo::exists(dir + "/" + left.first())) << "the close left the killed copy's file";
}

TEST_F(CaptionInsertionTest, AFailedCopyLeavesNoPartialFileNoSegmentAndNoUndoStep)
{
    const QString source = shortReadSource();
    if (source.isEmpty())
        GTEST_SKIP() << "no file here reads fewer bytes than it announces";
    CopyingAssets copying;
    const QString big = outside.path() + "/big.mp4";
    ASSERT_TRUE(QFile::link(source, big));
    const int segments = window->projectManager()->segmentCount();
    const int steps = window->projectManager()->history().count();

    EXPECT_FALSE(window->_insertMediaFile(big, 1, {}, 0.0f, false, true));

    EXPECT_FALSE(QFile::exists(dir + "/big.mp4"));
    EXPECT_EQ(window->projectManager()->segmentCount(), segments);
    EXPECT_EQ(window->projectManager()->history().count(), steps);
    EXPECT_TRUE(window->takeHeadsUps().contains("Copy file failed"));
}

// A named pipe chosen as a movie (another program's, say) is never waited
// on: it cannot be copied into the project, and nothing is added.
TEST_F(CaptionInsertionTest, ANamedPipeChosenAsAMovieIsNeitherWaitedOnNorAdded)
{
    CopyingAssets copying;
    WatchedPipe pipe(outside.path() + "/piped.mp4");
    ASSERT_TRUE(pipe.isMade());
    ModalDialogAnswerer answerer(ModalDialogAnswerer::chooseFile(outside.path() + "/piped.mp4"));

    window->_addMediaFiles(1);

    ASSERT_TRUE(answerer.answered());
    EXPECT_EQ(pipe.readers(), 0) << "the named pipe was opened";
    EXPECT_EQ(window->projectManager()->segmentCount(), 1);
    EXPECT_FALSE(QFile::exists(dir + "/piped.mp4"));
    EXPECT_TRUE(window->takeHeadsUps().contains("Copy file failed"));
}

// Through "any media" a named pipe has no kind to tell: the user learns why
// nothing was added, and the pipe is never opened.
TEST_F(CaptionInsertionTest, ANamedPipeChosenAsAnyMediaIsToldAndNotAdded)
{
    WatchedPipe pipe(outside.path() + "/piped.mp4");
    ASSERT_TRUE(pipe.isMade());
    ModalDialogAnswerer answerer(ModalDialogAnswerer::chooseFile(outside.path() + "/piped.mp4"));

    window->_addMediaFiles(MainWindow::MediaInsertAny);

    ASSERT_TRUE(answerer.answered());
    EXPECT_EQ(window->takeHeadsUps().join('|').toStdString(), "\"piped.mp4\" is not a regular file");
    EXPECT_EQ(pipe.readers(), 0) << "the named pipe was opened";
    EXPECT_EQ(window->projectManager()->segmentCount(), 1);
}

TEST_F(CaptionInsertionTest, AFileOfNoMediaKindRecordsNothing)
{
    CopyingAssets copying;
    const QString notes = outside.path() + "/notes.txt";
    writeFile(notes, "Shot list: beach, harbour, sunset.\n");
    const int steps = window->projectManager()->history().count();

    EXPECT_FALSE(window->_insertMediaFile(notes, 7, {}, 0.0f, false, true));
    EXPECT_EQ(window->projectManager()->history().count(), steps);
    EXPECT_FALSE(QFile::exists(dir + "/notes.txt"));
    EXPECT_EQ(window->projectManager()->segmentCount(), 1);
}

TEST_F(CaptionInsertionTest, ExtractAudioInTheDialogInsertsTheSoundOnTheEmptyTrack)
{
    const QString clip = outside.path() + "/clip.mp4";
    ASSERT_TRUE(copyFixture("clip_h264_aac.mp4", clip));
    TrackWidget* emptyTrack = window->newestTrack();
    QString caption;
    ModalDialogAnswerer answerer([&](QWidget* dialog) {
        caption = dialog->windowTitle();
        auto* box = dialog->findChild<QCheckBox*>();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Extract Audio");
        EXPECT_FALSE(box->isChecked());
        box->click();
        ModalDialogAnswerer::chooseFile(clip)(dialog);
    });

    window->_addMediaFiles(1);

    ASSERT_TRUE(answerer.answered());
    EXPECT_EQ(caption, "Choose video file to added into the current movie");
    Segment* music = lastInserted(*window);
    ASSERT_EQ(music->type(), "MUSIC");
    EXPECT_EQ(static_cast<MusicSegment*>(music)->title(), "Audio from clip.mp4");
    EXPECT_FALSE(static_cast<MusicSegment*>(music)->readTagsOnLoad());
    EXPECT_EQ(music->trackId(), emptyTrack->trackId());
    EXPECT_EQ(emptyTrack->trackType(), "MUSIC");
    EXPECT_NE(window->newestTrack(), emptyTrack);
    EXPECT_EQ(window->newestTrack()->segmentWidgetCount(), 0);
    EXPECT_EQ(window->timeline()->trackWidgetCount(), 3);
    EXPECT_EQ(QSettings().value("ChooseMediaDir").toString(), outside.path());
}

TEST_F(MediaInsertionTest, AppendedFilesFollowTheTrackContentAndKeepTheirOptions)
{
    std::unique_ptr<InsertionWindow> window;
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "title").set("Text", "A").set("TrackId", 4)
                                    .set("RangeStart", 4).set("RangeDuration", 8)));
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    TrackWidget* titles = window->timeline()->trackWidgetAt(0);
    window->placePlayHead(5.0f);

    window->target(titles);
    ASSERT_TRUE(window->_insertMediaFile(TestMedia::path("picture.png"), 2, {{"scale", 0.5f}}, 5.0f, true, true));
    Segment* halved = lastInserted(*window);
    EXPECT_FLOAT_EQ(halved->rangeStart(), 12.0f);
    EXPECT_EQ(halved->userScale(), QPointF(0.5, 0.5));
    EXPECT_EQ(halved->trackId(), titles->trackId());

    window->target(window->newestTrack());
    ASSERT_TRUE(window->_insertMediaFile(TestMedia::path("picture.png"), 2, {{"scale", 1.0f}}, 5.0f, true, true));
    Segment* plain = lastInserted(*window);
    EXPECT_FLOAT_EQ(plain->rangeStart(), 5.0f);
    EXPECT_EQ(plain->userScale(), ImageSegment(window.get()).userScale());
    EXPECT_FLOAT_EQ(plain->duration(), UserSettings::instance()->photoDuration());

    // Music without a title takes the file's name until its tags are read.
    window->target(window->newestTrack());
    ASSERT_TRUE(window->_insertMediaFile(TestMedia::path("tone440.wav"), 7, {}, 1.0f, true, true));
    auto* music = static_cast<MusicSegment*>(lastInserted(*window));
    ASSERT_EQ(music->type(), "MUSIC");
    EXPECT_EQ(music->title(), "tone440");
    EXPECT_TRUE(music->readTagsOnLoad());
    EXPECT_FLOAT_EQ(music->rangeStart(), 1.0f);
}

// A seek that ends while the engine is still opening the chosen music is no
// report of its load: the music waits for the report and takes the file's length.
TEST_F(CaptionInsertionTest, MusicSoughtWhileItsLoadIsUnreportedTakesTheFilesLength)
{
    window->_initEditScrollArea();
    HeldToneOpening opening;
    ModalDialogAnswerer answerer(ModalDialogAnswerer::chooseFile(TestMedia::path("tone440.wav")));
    window->_addMediaFiles(InsertionWindow::MediaInsertMusic);
    ASSERT_TRUE(answerer.answered());
    const int32_t serial = lastInserted(*window)->serialNumber();
    ProjectManager* manager = window->projectManager();
    auto music = [&] { return manager->segmentAt(manager->indexOfSegmentId(serial)); };
    ASSERT_TRUE(waitFor([] { return HeldToneOpening::held.load(); }, 10000));

    // Home seeks the preview to 0, near enough for the music to wake and seek.
    QTest::keyClick(window->timeline(), Qt::Key_Home);
    AVSegment* sound = window->composition()->findSegment(uint32_t(serial));
    ASSERT_NE(sound, nullptr);
    ASSERT_TRUE(waitFor([&] { return sound->isReady(); }, 10000)) << "the seek did not end";
    QCoreApplication::processEvents();
    ASSERT_NE(music(), nullptr);
    EXPECT_EQ(music()->state(), 1) << "the end of a seek was taken for the load report";

    HeldToneOpening::released = true;
    ASSERT_TRUE(waitFor([&] { return music() && music()->state() == 4; }, 10000));
    EXPECT_EQ(music()->errorCode(), 0);
    EXPECT_NEAR(music()->duration(), 3.0f, 0.01f);
}

TEST_F(MediaInsertionTest, AMovieForTheEmptyTrackJoinsTheMovieTrackOnceTheTimelineIsBusy)
{
    ASSERT_TRUE(QFile::copy(TestMedia::path("clip_h264_aac.mp4"), dir + "/clip.mp4"));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("MOVIE").set("UId", "movie").set("File", "clip.mp4").set("TrackId", 3)
                                    .set("RangeStart", 1).set("RangeDuration", 2).set("TrimStart", 0)
                                    .set("TrimDuration", 2)));
    for (int index = 0; index < 3; ++index)
        records.push_back(std::move(RecordBuilder("TEXT").set("Text", "A").set("TrackId", 5)
                                        .set("RangeStart", index * 2).set("RangeDuration", 2)));
    std::unique_ptr<InsertionWindow> window;
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    TrackWidget* emptyTrack = window->newestTrack();
    const int tracks = window->timeline()->trackWidgetCount();

    window->target(emptyTrack);
    ASSERT_TRUE(window->_insertMediaFile(dir + "/clip.mp4", 1, {}, 0.5f, true, true));

    Segment* appended = lastInserted(*window);
    EXPECT_FLOAT_EQ(appended->rangeStart(), 3.0f);
    EXPECT_EQ(appended->trackId(), window->timeline()->movieTrackWidget()->trackId());
    EXPECT_EQ(emptyTrack->segmentWidgetCount(), 0);
    EXPECT_EQ(window->newestTrack(), emptyTrack);
    EXPECT_EQ(window->timeline()->trackWidgetCount(), tracks);
}

TEST_F(CaptionInsertionTest, ADroppedMovieSetsTheDropPositionJustPastItsStart)
{
    ASSERT_TRUE(window->_insertMediaFile(TestMedia::path("clip_h264_aac.mp4"), 7, {}, 4.0f, false, false));
    Segment* movie = lastInserted(*window);
    EXPECT_EQ(movie->type(), "MOVIE");
    EXPECT_FLOAT_EQ(movie->rangeStart(), 4.0f);
    EXPECT_FLOAT_EQ(window->dropTime(), 4.01f);
}

TEST_F(CaptionInsertionTest, ACaptureThatCannotBeMovedIsReportedAndInsertsNothing)
{
    QString text;
    ModalDialogAnswerer answerer([&](QWidget* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            text = box->text();
            box->accept();
        }
    });
    window->_insertCapturedMovie(outside.path() + "/gone.mp4");
    EXPECT_TRUE(answerer.answered());
    EXPECT_EQ(text, "Cannot move the captured video file");
    EXPECT_EQ(window->projectManager()->segmentCount(), 1);
    EXPECT_FALSE(QFile::exists(dir + "/cameraMovie-1.mp4"));
}

TEST_F(CaptionInsertionTest, ACameraPhotoFromAnotherFileSystemGetsTheNextFreeName)
{
    const QString memory = memoryBackedFolder();
    struct stat memoryInfo = {}, projectInfo = {};
    if (stat(QFile::encodeName(memory).constData(), &memoryInfo) != 0
        || stat(QFile::encodeName(dir).constData(), &projectInfo) != 0 || memoryInfo.st_dev == projectInfo.st_dev)
        GTEST_SKIP() << "the temporary captures and the project share one file system here";
    ASSERT_TRUE(copyFixture("picture.png", dir + "/cameraPhoto-1.jpg"));
    QTemporaryDir captures(memory + "/capture-XXXXXX");
    // A link that leads out of the folder, to nothing yet, takes its name.
    ASSERT_TRUE(QFile::link(captures.path() + "/elsewhere.jpg", dir + "/cameraPhoto-2.jpg"));
    const QString shot = captures.path() + "/shot.jpg";
    ASSERT_TRUE(copyFixture("photo_4000x3000.jpg", shot));

    window->_insertCapturedPhoto(shot);

    EXPECT_FALSE(QFile::exists(shot));
    EXPECT_FALSE(QFileInfo::exists(captures.path() + "/elsewhere.jpg"));
    EXPECT_EQ(readFile(dir + "/cameraPhoto-3.jpg"), readFile(TestMedia::path("photo_4000x3000.jpg")));
    Segment* photo = lastInserted(*window);
    EXPECT_EQ(photo->type(), "IMAGE");
    EXPECT_EQ(photo->absoluteFilePath(), dir + "/cameraPhoto-3.jpg");
}

namespace {

class SubtitleImportTest : public CaptionInsertionTest
{
protected:
    QString writeSubtitles(const QByteArray& bytes)
    {
        const QString path = outside.path() + "/talk.srt";
        writeFile(path, bytes);
        return path;
    }

    static QList<Segment*> textsOnTrack(InsertionWindow& window, int trackId)
    {
        QList<Segment*> texts;
        ProjectManager* manager = window.projectManager();
        for (int index = 0; index < manager->segmentCount(); ++index) {
            Segment* segment = manager->segmentAt(index);
            if (segment->trackId() == trackId)
                texts << segment;
        }
        return texts;
    }
};

} // namespace

TEST_F(SubtitleImportTest, ValidCuesBecomeTextsAtTheOffsetOnTheEmptyTrack)
{
    const QString path = writeSubtitles("1\r\n00:01:02,500 --> 00:01:04,000\r\nFirst\r\n\r\n"
                                        "2\r\n00:01:05,000 --> 00:01:06,000\r\nSecond\r\nline\r\n\r\n"
                                        "3\r\n00:00:01.000 --> 00:00:02,000\r\nSkipped\r\n\r\n"
                                        "4\r\n00:01:07,000 --> 00:01:08,000\r\nThird\r\n");
    TrackWidget* emptyTrack = window->newestTrack();
    window->takeHeadsUps();

    ASSERT_TRUE(window->_insertSRTSubtitles(path, emptyTrack, 10.0f));

    EXPECT_EQ(window->takeHeadsUps(), QStringList{"Successfully imported 3 subtitles from SRT file"});
    const QList<Segment*> texts = textsOnTrack(*window, emptyTrack->trackId());
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0]->type(), "TEXT");
    EXPECT_EQ(texts[0]->text(), "First");
    EXPECT_FLOAT_EQ(texts[0]->rangeStart(), 72.5f);
    EXPECT_FLOAT_EQ(texts[0]->duration(), 1.5f);
    EXPECT_EQ(texts[1]->text(), "Second\nline");
    EXPECT_FLOAT_EQ(texts[2]->rangeStart(), 77.0f);
    EXPECT_EQ(emptyTrack->segmentWidgetCount(), 3);
    EXPECT_EQ(emptyTrack->trackType(), "TEXT");
    EXPECT_NE(window->newestTrack(), emptyTrack);
    EXPECT_EQ(window->timeline()->trackWidgetAt(2), window->newestTrack());
    EXPECT_EQ(window->newestTrack()->segmentWidgetCount(), 0);
    EXPECT_FLOAT_EQ(window->projectManager()->duration(), 78.0f);
    EXPECT_TRUE(window->projectManager()->isModified());
}

TEST_F(SubtitleImportTest, AFileWithoutValidCuesOrUnreadableImportsNothing)
{
    TrackWidget* emptyTrack = window->newestTrack();
    window->takeHeadsUps();

    EXPECT_FALSE(window->_insertSRTSubtitles(writeSubtitles("1\n00:00:01.000 --> 00:00:02.000\nDots\n"), emptyTrack, 0));
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"No valid subtitles found in SRT file"});
    EXPECT_FALSE(window->_insertSRTSubtitles(outside.path() + "/missing.srt", emptyTrack, 0));
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"Failed to open SRT file"});

    EXPECT_EQ(window->projectManager()->segmentCount(), 1);
    EXPECT_EQ(window->newestTrack(), emptyTrack);
    EXPECT_EQ(window->timeline()->trackWidgetCount(), 2);
}

TEST_F(SubtitleImportTest, ATrackOfAnotherTypeKeepsItsType)
{
    TrackWidget* emptyTrack = window->newestTrack();
    ASSERT_TRUE(window->_insertMediaFile(TestMedia::path("picture.png"), 2, {}, 0.0f, false, true));
    ASSERT_EQ(emptyTrack->trackType(), "IMAGE");

    ASSERT_TRUE(window->_insertSRTSubtitles(writeSubtitles("1\n00:00:05,000 --> 00:00:06,000\nOver\n"), emptyTrack, 0));
    EXPECT_EQ(emptyTrack->trackType(), "IMAGE");
    EXPECT_EQ(textsOnTrack(*window, emptyTrack->trackId()).size(), 2);
    EXPECT_EQ(window->timeline()->trackWidgetCount(), 3);
}

namespace {

// The extensions a file dialog's name filter offers, as "*.png" and the like.
std::set<std::string> offeredExtensions(const QString& filter)
{
    std::set<std::string> extensions;
    QRegularExpressionMatchIterator patterns = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).globalMatch(filter);
    while (patterns.hasNext())
        extensions.insert(patterns.next().captured(1).toStdString());
    return extensions;
}

// A picture added through the picture chooser onto the empty track, after
// the caption (at 0 to 2 s), so that the preview shows it alone from 2 s on.
class PictureFormatTest : public CaptionInsertionTest, public ::testing::WithParamInterface<std::string>
{
protected:
    ImageSegment* addThroughTheChooser(const QString& path)
    {
        ModalDialogAnswerer answerer([&](QWidget* dialog) {
            if (auto* chooser = qobject_cast<QFileDialog*>(dialog))
                offered = offeredExtensions(chooser->nameFilters().join(' '));
            ModalDialogAnswerer::chooseFile(path)(dialog);
        });
        window->_addMediaFiles(2);
        EXPECT_TRUE(answerer.answered());
        Segment* added = lastInserted(*window);
        if (!added || added->type() != "IMAGE" || added->absoluteFilePath() != path)
            return nullptr;
        auto* picture = static_cast<ImageSegment*>(added);
        waitFor([&] { return picture->state() == 4; }, 10000);
        return picture;
    }

    // The preview at 3 s once it shows the picture (bounded), else its last frame.
    QImage previewOnceItShows(const std::string& extension)
    {
        window->_seekPreview(3.0f, true);
        QImage frame;
        waitFor([&] {
            window->engine()->requestRedraw();
            frame = window->preview()->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
            return PictureFormats::showsMarks(frame, fitted(frame.size()), extension);
        }, 10000);
        return frame;
    }

    // Where the 4:3 picture lies in a frame of the size: fitted, centred.
    static QRectF fitted(const QSize& frame)
    {
        QSizeF picture(4, 3);
        picture.scale(frame, Qt::KeepAspectRatio);
        return QRectF(QPointF((frame.width() - picture.width()) / 2, (frame.height() - picture.height()) / 2),
                      picture);
    }

    std::set<std::string> offered;
};

} // namespace

TEST_F(CaptionInsertionTest, ThePictureChooserOffersTheFormatsThatAreTestedToLoad)
{
    const std::vector<std::string>& tested = PictureFormats::extensions();
    EXPECT_EQ(offeredExtensions(Util::pictureFileFilter()), std::set<std::string>(tested.begin(), tested.end()));
}

TEST_P(PictureFormatTest, APictureOfEveryOfferedFormatShowsOnItsTileAndInThePreview)
{
    const std::string extension = GetParam();
    const QString missing = PictureFormats::missingReason(extension);
    if (!missing.isEmpty())
        GTEST_SKIP() << qPrintable(missing);
    const QString path = outside.path() + "/holiday." + QString::fromStdString(extension);
    ASSERT_TRUE(QFile::copy(PictureFormats::fixture(extension), path));

    ImageSegment* picture = addThroughTheChooser(path);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(offered.count(extension), 1u) << "the chooser's filter offers ." << extension;
    EXPECT_EQ(picture->errorCode(), 0) << "the tile shows Load Error";
    const QImage thumbnail = picture->thumbnail();
    EXPECT_TRUE(PictureFormats::showsMarks(thumbnail, thumbnail.rect(), extension)) << "the tile's picture";

    const QImage frame = previewOnceItShows(extension);
    EXPECT_TRUE(PictureFormats::showsMarks(frame, fitted(frame.size()), extension)) << "the preview";
    EXPECT_EQ(picture->errorCode(), 0) << "the engine reported a load error";
}

INSTANTIATE_TEST_SUITE_P(Offered, PictureFormatTest, ::testing::ValuesIn(PictureFormats::extensions()),
                         PictureFormats::testName);

TEST_F(PictureFormatTest, APictureThatCannotBeReadShowsLoadErrorAndTheLogSaysWhy)
{
    const QString path = outside.path() + "/broken.webp";
    writeFile(path, "RIFF, but no picture follows.\n");
    LogRecorder log;

    ImageSegment* picture = addThroughTheChooser(path);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->errorCode(), 1) << "Load Error, not File Not Found";
    ASSERT_TRUE(waitFor([&] { return log.lines().filter(path).size() >= 2; }, 10000))
        << "the tile and the engine each log the file: " << qPrintable(log.lines().join('\n'));
    for (const QString& line : log.lines().filter(path))
        EXPECT_TRUE(line.contains("Unsupported image format")) << qPrintable(line);
}

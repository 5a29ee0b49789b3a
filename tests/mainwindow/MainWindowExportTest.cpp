#include "OpeningWindow.h"

#include "AVExporter.h"
#include "AVFileIdentity.h"
#include "AssetLoadingThreadPool.h"
#include "CommandLineMedia.h"
#include "ImmutableFolder.h"
#include "AVRender.h"
#include "BeforeOpen.h"
#include "IsolatedSettings.h"
#include "LogRecorder.h"
#include "NameSquatter.h"
#include "MultiLanguage.h"
#include "PopupMovieExportingWidget.h"
#include "ProgressHUD.h"
#include "ProjectTestSupport.h"
#include "SmallFileSystem.h"
#include "TaskbarProgress.h"
#include "TestMedia.h"
#include "WatchedPipe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kName = QStringLiteral("Trip");
constexpr int kExportWaitMs = 120000;
const QByteArray kUserNotes = QByteArrayLiteral("the user's notes");

// The editing window with the export state open to the tests; it records
// what reaches the taskbar button and counts the exporters it creates.
class ExportWindow : public OpeningWindow
{
public:
    explicit ExportWindow(const QString& name = kName) : OpeningWindow(name, QSize(640, 360)) {}

    using MainWindow::exportMovie;
    using MainWindow::onAVExporterFinished;
    using MainWindow::onAVExporterUpdateProgressValue;
    using MainWindow::onAVExporterUpdateRemainingTime;

    void chooseExport(int level, const QString& name, const QString& folder)
    {
        _exportSizeLevel = level;
        _exportName = name;
        _exportFolder = folder;
    }
    QString exportName() const { return _exportName; }
    AVRender* render() const { return _render; }
    QString cachePath() const { return _exportCachePath; }
    PopupMovieExportingWidget* popup() const { return qobject_cast<PopupMovieExportingWidget*>(_currentPopup); }

    QList<float> taskbarValues;
    int exportersCreated = 0;
    bool taskbarShown = false;

protected:
    void createTaskbarProgress() override
    {
        taskbarShown = true;
        exportersCreated += _exporter != nullptr;
    }
    void setTaskbarProgressValue(float fraction) override { taskbarValues << fraction; }
    void hideTaskbarProgress() override { taskbarShown = false; }
};

QJsonObject probe(const QString& path)
{
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"), {"-v", "error", "-show_entries",
                                              "stream=codec_type,codec_name,width,height,sample_rate,channels:"
                                              "format=duration",
                                              "-of", "json", path});
    if (!ffprobe.waitForFinished(30000))
        return {};
    return QJsonDocument::fromJson(ffprobe.readAllStandardOutput()).object();
}

QJsonObject streamOfType(const QJsonObject& info, const QString& type)
{
    for (const QJsonValue& stream : info.value("streams").toArray()) {
        if (stream.toObject().value("codec_type").toString() == type)
            return stream.toObject();
    }
    return {};
}

// The sound of an exported movie decoded to one channel: its length and
// where its first and last samples above the silence level lie, in seconds.
struct ExportedSound {
    double length = 0.0;
    double soundStart = -1.0;
    double soundEnd = -1.0;
};

ExportedSound measureSound(const QString& movie)
{
    constexpr int kRate = 44100;
    // The test tones peak at an eighth of full scale; encoding noise stays far below this.
    constexpr int kSilenceLevel = 1000;
    ExportedSound sound;
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), {"-v", "error", "-i", movie, "-map", "0:a:0", "-ac", "1", "-ar",
                                            QString::number(kRate), "-f", "s16le", "-"});
    if (!ffmpeg.waitForFinished(60000))
        return sound;
    const QByteArray pcm = ffmpeg.readAllStandardOutput();
    const auto* samples = reinterpret_cast<const int16_t*>(pcm.constData());
    const int count = pcm.size() / int(sizeof(int16_t));
    sound.length = double(count) / kRate;
    for (int index = 0; index < count; ++index) {
        if (std::abs(int(samples[index])) < kSilenceLevel)
            continue;
        if (sound.soundStart < 0.0)
            sound.soundStart = double(index) / kRate;
        sound.soundEnd = double(index + 1) / kRate;
    }
    return sound;
}

QString childText(QWidget* parent, const char* name)
{
    auto* label = parent->findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QString();
}

class MainWindowExport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = product.projectDir(kName);
        ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("clip_h264_aac.mp4")), dir + "/clip.mp4"));
        ASSERT_TRUE(target.isValid());
    }

    // A file of the user's outside the project, which no export may touch.
    QString userNotes()
    {
        const QString notes = home.filePath(QStringLiteral("notes.txt"));
        writeFile(notes, kUserNotes);
        return notes;
    }

    // A 2 s project of the fixture movie, opened until every segment loaded
    // and its loading tasks ended: the export asks the user to wait before.
    bool open(ExportWindow& window, const QByteArray& background = "#ff000000")
    {
        std::vector<RecordBuilder> records;
        records.push_back(std::move(RecordBuilder("MOVIE").set("File", "clip.mp4").set("TrackId", 1)
                                        .set("RangeStart", 0).set("RangeDuration", 2).set("TrimStart", 0)
                                        .set("TrimDuration", 2)));
        writeProject(dir, records, background);
        if (!load(window))
            return false;
        EXPECT_TRUE(waitForMedia(window)) << "the movie's loading tasks did not end";
        return true;
    }

    // Opens the project written in the folder, until every segment loaded.
    static bool load(ExportWindow& window)
    {
        window.show();
        if (!window._openProject() || !waitFor([&] { return window.preview() != nullptr; }, 5000)
            || !window.preview()->isValid())
            return false;
        return waitFor([&] { return window.loaderMessages.contains(ProjectLoaderAllLoaded); }, 60000);
    }

    // Until every segment knows its media and no loading task runs.
    static bool waitForMedia(ExportWindow& window)
    {
        const ProjectManager* project = window.projectManager();
        return waitFor(
            [&] {
                for (int index = 0; index < project->segmentCount(); ++index) {
                    if (project->segmentAt(index)->state() != 4)
                        return false;
                }
                return AssetLoadingThreadPool::instance()->activeThreadCount() == 0;
            },
            60000);
    }

    // Once every segment knows its media, exports the project through the
    // popup and measures the movie's sound; the export lasts what the
    // project lasts.
    void exportSound(ExportWindow& window, const QString& name, ExportedSound* sound)
    {
        ASSERT_TRUE(waitForMedia(window));
        ASSERT_NEAR(window.composition()->duration(), window.projectManager()->duration(), 0.01);
        QSignalSpy finished(&window, &MainWindow::avexporterFinished);
        startExport(window, 0, name);
        ASSERT_TRUE(waitFor([&] { return !finished.isEmpty(); }, kExportWaitMs));
        ASSERT_EQ(finished.first().first().toInt(), 0);
        const QString movie = target.filePath(name + QStringLiteral(".mp4"));
        ASSERT_TRUE(waitFor([&] { return QFileInfo::exists(movie); }, 10000));
        *sound = measureSound(movie);
    }

    // Saves and closes the window as its close button does.
    static bool saveAndClose(ExportWindow& window)
    {
        window.close();
        return waitFor([&] { return !window.isVisible(); }, 20000);
    }

    // Opens the popup with the window's choices and presses its Export button.
    void startExport(ExportWindow& window, int level, const QString& name)
    {
        window.chooseExport(level, name, target.path());
        window.exportMovie();
        ASSERT_NE(window.popup(), nullptr);
        window.popup()->shareOperationButtonOnClicked();
    }

    // Dismisses the last popup and exports again through a new one, until it
    // shows its done or its error page; the new popup is passed to
    // beforeClick before its Export button is pressed.
    bool exportAgain(ExportWindow& window, const QString& name,
                     const std::function<void(PopupMovieExportingWidget*)>& beforeClick = {})
    {
        if (window.popup())
            window.popup()->dismiss();
        QCoreApplication::processEvents();
        window.chooseExport(0, name, target.path());
        window.exportMovie();
        if (!window.popup())
            return false;
        if (beforeClick)
            beforeClick(window.popup());
        window.popup()->shareOperationButtonOnClicked();
        return waitFor(
            [&] {
                PopupMovieExportingWidget* popup = window.popup();
                return popup
                    && !(childText(popup, "doneFileNameValueLabel") + childText(popup, "errorDetailLabel")).isEmpty();
            },
            kExportWaitMs);
    }

    // Exports again with the options of the cached movie; while its
    // hand-over waits, after it showed its copy's share of the bar, swap
    // puts another file at the cached name. True once swap said it did.
    bool swapWhileTheHandOverWaits(ExportWindow& window, const QString& name, const std::function<bool()>& swap)
    {
        const auto swapped = std::make_shared<bool>(false);
        const auto swapWhileWaiting = [&window, swap, swapped](PopupMovieExportingWidget* popup) {
            auto* bar = popup->findChild<QProgressBar*>(QStringLiteral("exportProgressBar"));
            QObject::connect(bar, &QProgressBar::valueChanged, popup, [&window, swap, swapped](int value) {
                if (*swapped || window.exporter() || value != 99)
                    return;
                *swapped = swap();
            });
        };
        return exportAgain(window, name, swapWhileWaiting) && *swapped;
    }

    // The popup shows the movie under the name in the chosen folder, the
    // project's whole 2 s that ffprobe reads.
    void expectExported(ExportWindow& window, const QString& name)
    {
        const QString movie = target.filePath(name + QStringLiteral(".mp4"));
        ASSERT_NE(window.popup(), nullptr);
        EXPECT_EQ(childText(window.popup(), "errorDetailLabel").toStdString(), "");
        EXPECT_EQ(childText(window.popup(), "doneFileNameValueLabel").toStdString(),
                  QDir::toNativeSeparators(movie).toStdString());
        const QJsonObject info = probe(movie);
        EXPECT_EQ(streamOfType(info, "video").value("width").toInt(), 640) << qPrintable(name);
        EXPECT_NEAR(info.value("format").toObject().value("duration").toString().toDouble(), 2.0, 0.1)
            << qPrintable(name);
    }

    // What stood at the cached name was not handed over: the movie was
    // rendered anew (the exporters came to that count), and it, not the
    // user's file, landed in the chosen folder under the name.
    void expectRenderedAnew(ExportWindow& window, int exporters, const QString& name, const char* handedOver)
    {
        EXPECT_EQ(window.exportersCreated, exporters) << handedOver;
        expectExported(window, name);
        EXPECT_NE(readFile(target.filePath(name + QStringLiteral(".mp4"))), kUserNotes)
            << "the user's file was sent out as the movie";
    }

    IsolatedSettings settings;
    TemporaryProduct product;
    QTemporaryDir target;
    QTemporaryDir home;
    QString dir;
};

} // namespace

TEST_F(MainWindowExport, AnExportLandsUnderTheCleanedNameAndARepeatCopiesTheCachedMovie)
{
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    // What an export that never ended left behind is neither taken for a
    // finished movie nor touched: it may as well be the user's.
    writeFile(dir + "/Trip_360p_h264_30fps.mp4.part", "half a movie");
    QSignalSpy finished(&window, &MainWindow::avexporterFinished);
    LogRecorder log;
    startExport(window, 0, QStringLiteral("a/b:c"));
    ASSERT_TRUE(waitFor([&] { return !finished.isEmpty(); }, kExportWaitMs));
    ASSERT_EQ(finished.first().first().toInt(), 0);
    EXPECT_EQ(log.lines().count(QStringLiteral("AVExporter_Msg_Finished: 0")), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.exportersCreated, 1);
    EXPECT_EQ(window.exporter(), nullptr);
    EXPECT_FALSE(window.taskbarShown);
    // The preview plays from the composition again.
    EXPECT_EQ(window.render()->composition(), window.composition());
    EXPECT_EQ(window.render()->drawingContexts()->exporter.load(), nullptr);
    EXPECT_TRUE(waitFor([&] { return window.render()->renderer() != nullptr; }, 5000));
    EXPECT_EQ(QFileInfo(window.cachePath()).fileName(), QStringLiteral("Trip_360p_h264_30fps.mp4"));
    EXPECT_TRUE(QFileInfo::exists(window.cachePath()));
    EXPECT_EQ(readFile(window.cachePath() + ".part"), QByteArray("half a movie"));
    EXPECT_EQ(window.exportName(), QStringLiteral("a b c"));
    const QString movie = target.filePath(QStringLiteral("a b c.mp4"));
    ASSERT_TRUE(QFileInfo::exists(movie));
    const QJsonObject info = probe(movie);
    const QJsonObject video = streamOfType(info, "video");
    const QJsonObject audio = streamOfType(info, "audio");
    EXPECT_EQ(video.value("codec_name").toString(), QStringLiteral("h264"));
    EXPECT_EQ(video.value("width").toInt(), 640);
    EXPECT_EQ(video.value("height").toInt(), 360);
    EXPECT_EQ(audio.value("codec_name").toString(), QStringLiteral("aac"));
    EXPECT_EQ(audio.value("sample_rate").toString(), QStringLiteral("44100"));
    EXPECT_EQ(audio.value("channels").toInt(), 2);
    EXPECT_NEAR(info.value("format").toObject().value("duration").toString().toDouble(), 2.0, 0.1);
    ASSERT_NE(window.popup(), nullptr);
    EXPECT_EQ(childText(window.popup(), "doneVideoValueLabel"), QStringLiteral("H.264, 640 x 360"));

    // The same options again: no exporter, the cached movie under the next free name.
    window.popup()->dismiss();
    QCoreApplication::processEvents();
    window.exportMovie();
    ASSERT_NE(window.popup(), nullptr);
    EXPECT_EQ(window.popup()->fileName(), QStringLiteral("a b c"));
    window.popup()->shareOperationButtonOnClicked();
    const QString copy = target.filePath(QStringLiteral("a b c 1.mp4"));
    ASSERT_TRUE(waitFor([&] { return QFileInfo::exists(copy); }, 10000));
    EXPECT_EQ(window.exportersCreated, 1);
    EXPECT_EQ(QFileInfo(copy).size(), QFileInfo(window.cachePath()).size());
    ASSERT_TRUE(waitFor([&] { return !childText(window.popup(), "doneFileNameValueLabel").isEmpty(); }, 10000));
    EXPECT_EQ(childText(window.popup(), "doneFileNameValueLabel"), QDir::toNativeSeparators(copy));
}

// A folder that is not there sends the movie to the movies folder, which is
// made when it is missing too.
TEST_F(MainWindowExport, AMissingFolderSendsTheCopyToANewMoviesFolder)
{
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    const QString movies = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    QDir(movies).removeRecursively();
    window.chooseExport(0, QStringLiteral("Trip"), target.path());
    window.exportMovie();
    ASSERT_NE(window.popup(), nullptr);
    window._exportMovie(1, 0, 30.0f, QStringLiteral("h264"), QStringLiteral("Trip"), target.filePath("gone"));
    ASSERT_TRUE(waitFor([&] { return QFileInfo::exists(movies + "/Trip.mp4"); }, kExportWaitMs));
    EXPECT_EQ(window.exportersCreated, 1);
}

TEST_F(MainWindowExport, ATransparentBackgroundOffersVp9AndWritesAWebm)
{
    ExportWindow window;
    if (!open(window, "#00000000"))
        GTEST_SKIP() << "no OpenGL context for the preview";
    window.chooseExport(0, QStringLiteral("Clear"), target.path());
    window.exportMovie();
    ASSERT_NE(window.popup(), nullptr);
    EXPECT_EQ(window.popup()->videoCodec(), QStringLiteral("vp9"));
    QSignalSpy finished(&window, &MainWindow::avexporterFinished);
    window.popup()->shareOperationButtonOnClicked();
    ASSERT_TRUE(waitFor([&] { return !finished.isEmpty(); }, kExportWaitMs));
    ASSERT_EQ(finished.first().first().toInt(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(QFileInfo(window.cachePath()).fileName(), QStringLiteral("Trip_360p_vp9_30fps.webm"));
    const QJsonObject video = streamOfType(probe(target.filePath("Clear.webm")), "video");
    EXPECT_EQ(video.value("codec_name").toString(), QStringLiteral("vp9"));
}

TEST_F(MainWindowExport, CancellingAtTheFirstReportLeavesNoMovie)
{
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    QSignalSpy finished(&window, &MainWindow::avexporterFinished);
    QString pathDuringExport;
    QObject::connect(&window, &MainWindow::avexporterProgressChanged, &window, [&] {
        // A second request while the export runs changes nothing of it.
        window._exportMovie(1, 3, 24.0f, QStringLiteral("hevc"), QStringLiteral("Other"), target.path());
        pathDuringExport = window.cachePath();
        if (window.popup())
            window.popup()->exportCancelButtonOnClicked();
    }, Qt::QueuedConnection);
    LogRecorder log;
    startExport(window, 0, QStringLiteral("Gone"));
    ASSERT_TRUE(waitFor([&] { return !finished.isEmpty(); }, kExportWaitMs));
    ASSERT_EQ(finished.first().first().toInt(), -1);
    EXPECT_TRUE(log.lines().contains(QStringLiteral("AVExporter_Msg_Finished: -1")));
    QCoreApplication::processEvents();
    EXPECT_EQ(QFileInfo(pathDuringExport).fileName(), QStringLiteral("Trip_360p_h264_30fps.mp4"));
    EXPECT_EQ(window.exportersCreated, 1);
    EXPECT_EQ(window.popup(), nullptr);
    EXPECT_EQ(window.exporter(), nullptr);
    bool canceledShown = false;
    for (ProgressHUD* hud : window.findChildren<ProgressHUD*>())
        canceledShown |= hud->messageLabel() && hud->messageLabel()->text() == QStringLiteral("Export canceled");
    EXPECT_TRUE(canceledShown);
    EXPECT_FALSE(QFileInfo::exists(window.cachePath()));
    EXPECT_FALSE(QFileInfo::exists(window.cachePath() + ".part"));
    EXPECT_FALSE(QFileInfo::exists(target.filePath("Gone.mp4")));
}

// A renderer that never becomes idle holds the request for about 5 s, then
// the popup tells so and no exporter is made.
TEST_F(MainWindowExport, ARendererThatStaysBusyEndsTheRequestWithAnError)
{
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    // Stopped threads wait for no ticket: the renderer never reports idle.
    window.render()->stop(true);
    window.chooseExport(0, QStringLiteral("Busy"), target.path());
    window.exportMovie();
    ASSERT_NE(window.popup(), nullptr);
    window.popup()->shareOperationButtonOnClicked();
    ASSERT_TRUE(waitFor([&] { return !childText(window.popup(), "errorDetailLabel").isEmpty(); }, 15000));
    EXPECT_EQ(childText(window.popup(), "errorDetailLabel"),
              QStringLiteral("The preview did not stop in time. Please try again."));
    EXPECT_EQ(window.exportersCreated, 0);
    EXPECT_FALSE(QFileInfo::exists(target.filePath("Busy.mp4")));
}

TEST_F(MainWindowExport, ReportsReachThePopupAndTheTaskbar)
{
    ExportWindow window;
    window.show();
    window.exportMovie();
    // An empty project has nothing to export.
    EXPECT_EQ(window.popup(), nullptr);
    window.projectManager()->setDuration(2.0f);
    window.chooseExport(0, QStringLiteral("Trip"), target.path());
    window.exportMovie();
    PopupMovieExportingWidget* popup = window.popup();
    ASSERT_NE(popup, nullptr);
    auto* bar = popup->findChild<QProgressBar*>(QStringLiteral("exportProgressBar"));
    auto* remaining = popup->findChild<QLabel*>(QStringLiteral("remainingTimeLabel"));
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(remaining, nullptr);
    window.onAVExporterUpdateProgressValue(0.5f);
    EXPECT_EQ(bar->value(), 49);
    window.onAVExporterUpdateRemainingTime(30.0f);
    EXPECT_TRUE(remaining->isHidden());
    window.onAVExporterUpdateRemainingTime(31.0f);
    EXPECT_FALSE(remaining->isHidden());
    window.onAVExporterUpdateRemainingTime(10.0f);
    EXPECT_TRUE(remaining->text().endsWith(QStringLiteral("00:10")));
    window.onAVExporterUpdateProgressValue(1.0f);
    EXPECT_EQ(bar->value(), 99);
    ASSERT_EQ(window.taskbarValues.size(), 2);
    EXPECT_EQ(TaskbarProgress::percentOf(window.taskbarValues.at(0)), 49);
    EXPECT_EQ(TaskbarProgress::percentOf(window.taskbarValues.at(1)), 99);

    // A failure shows its code and removes no other export's movie or unfinished file.
    writeFile(dir + "/Trip_360p_h264_30fps.mp4", "movie");
    writeFile(dir + "/Trip_720p_vp9_25fps.webm.part", "half a movie");
    writeFile(dir + "/Trip_1080p_hevc_24fps.mp4.x7Kq2Z.part", "half a movie under a name of its own");
    writeFile(dir + "/Trip notes.mp4", "kept");
    // Its text stays as written in every language.
    MultiLanguage language;
    language.switchLanguage("de_DE");
    window.onAVExporterFinished(-22);
    language.switchLanguage("en_US");
    EXPECT_EQ(childText(popup, "errorDetailLabel"),
              QStringLiteral("An error occurs when exporting the movie. (error code = -22)"));
    EXPECT_EQ(readFile(dir + "/Trip_360p_h264_30fps.mp4"), QByteArray("movie"));
    EXPECT_EQ(readFile(dir + "/Trip_720p_vp9_25fps.webm.part"), QByteArray("half a movie"));
    EXPECT_EQ(readFile(dir + "/Trip_1080p_hevc_24fps.mp4.x7Kq2Z.part"),
              QByteArray("half a movie under a name of its own"));
    EXPECT_TRUE(QFileInfo::exists(dir + "/Trip notes.mp4"));
}

// A project folder that can no longer be written (a save failed on it): the
// movie goes straight into the chosen folder, which can.
TEST_F(MainWindowExport, AProjectFolderThatCannotBeWrittenExportsStraightIntoTheChosenFolder)
{
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    ImmutableFolder locked(dir);
    if (!locked.isLocked())
        GTEST_SKIP() << "a folder that cannot be written cannot be made here: " << qPrintable(locked.failure());
    QSignalSpy finished(&window, &MainWindow::avexporterFinished);

    startExport(window, 0, QStringLiteral("Rescued"));
    ASSERT_TRUE(waitFor([&] { return !finished.isEmpty(); }, kExportWaitMs));
    EXPECT_EQ(finished.first().first().toInt(), 0);
    QCoreApplication::processEvents();
    const QString movie = target.filePath(QStringLiteral("Rescued.mp4"));
    EXPECT_EQ(QDir(target.path()).entryList(QDir::Files).join('|').toStdString(), "Rescued.mp4");
    const QJsonObject info = probe(movie);
    EXPECT_EQ(streamOfType(info, "video").value("width").toInt(), 640);
    EXPECT_NEAR(info.value("format").toObject().value("duration").toString().toDouble(), 2.0, 0.1);
    ASSERT_NE(window.popup(), nullptr);
    EXPECT_EQ(childText(window.popup(), "doneFileNameValueLabel").toStdString(),
              QDir::toNativeSeparators(movie).toStdString());
    EXPECT_FALSE(QFileInfo::exists(window.cachePath()));

    // Writable again: the next export under another name goes through the
    // project folder and leaves the first movie as it is.
    const QByteArray rescued = readFile(movie);
    locked.lift();
    window.popup()->dismiss();
    QCoreApplication::processEvents();
    finished.clear();
    startExport(window, 0, QStringLiteral("Second"));
    ASSERT_TRUE(waitFor([&] { return !finished.isEmpty(); }, kExportWaitMs));
    EXPECT_EQ(finished.first().first().toInt(), 0);
    const QString second = target.filePath(QStringLiteral("Second.mp4"));
    ASSERT_TRUE(waitFor([&] { return !childText(window.popup(), "doneFileNameValueLabel").isEmpty(); }, 10000));
    EXPECT_EQ(childText(window.popup(), "doneFileNameValueLabel").toStdString(),
              QDir::toNativeSeparators(second).toStdString());
    EXPECT_EQ(streamOfType(probe(second), "video").value("width").toInt(), 640);
    EXPECT_EQ(readFile(movie), rescued);
    EXPECT_EQ(readFile(window.cachePath()), readFile(second));
}

// A file that takes the movie's name while a direct export renders is left
// as it is: the movie takes the next free name, and the popup tells it.
TEST_F(MainWindowExport, AFileThatTakesTheNameDuringADirectExportIsKeptAndTheMovieTakesTheNextName)
{
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    ImmutableFolder locked(dir);
    if (!locked.isLocked())
        GTEST_SKIP() << "a folder that cannot be written cannot be made here: " << qPrintable(locked.failure());
    const QString intruder = target.filePath(QStringLiteral("Raced.mp4"));
    QObject::connect(&window, &MainWindow::avexporterProgressChanged, &window, [&] {
        if (!QFileInfo::exists(intruder))
            writeFile(intruder, "the user's own file");
    }, Qt::QueuedConnection);
    QSignalSpy finished(&window, &MainWindow::avexporterFinished);

    startExport(window, 0, QStringLiteral("Raced"));
    ASSERT_TRUE(waitFor([&] { return !finished.isEmpty(); }, kExportWaitMs));
    EXPECT_EQ(finished.first().first().toInt(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(readFile(intruder), QByteArray("the user's own file"));
    const QString movie = target.filePath(QStringLiteral("Raced 1.mp4"));
    EXPECT_NEAR(probe(movie).value("format").toObject().value("duration").toString().toDouble(), 2.0, 0.1);
    ASSERT_NE(window.popup(), nullptr);
    EXPECT_EQ(childText(window.popup(), "doneFileNameValueLabel").toStdString(),
              QDir::toNativeSeparators(movie).toStdString());
}

// A link that leads nowhere holds its name in the chosen folder: the movie
// takes the next free one, and the link stays as the user made it.
TEST_F(MainWindowExport, ALinkLeadingNowhereInTheChosenFolderKeepsItsName)
{
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    const QByteArray link = QFile::encodeName(target.filePath(QStringLiteral("Gone.mp4")));
    ASSERT_EQ(symlink("nowhere.mp4", link.constData()), 0);

    ASSERT_TRUE(exportAgain(window, QStringLiteral("Gone")));
    expectExported(window, QStringLiteral("Gone 1"));
    // Handed over again from the cached movie.
    ASSERT_TRUE(exportAgain(window, QStringLiteral("Gone")));
    expectExported(window, QStringLiteral("Gone 2"));
    EXPECT_EQ(window.exportersCreated, 1);
    EXPECT_EQ(QFile::symLinkTarget(QFile::decodeName(link)), target.filePath(QStringLiteral("nowhere.mp4")));
    EXPECT_FALSE(QFileInfo::exists(target.filePath(QStringLiteral("nowhere.mp4"))));
}

// The user's own file under the unfinished movie's name in the chosen
// folder stays as it is; the movie lands all the same.
TEST_F(MainWindowExport, AUsersFileUnderTheUnfinishedNameSurvivesADirectExport)
{
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    ImmutableFolder locked(dir);
    if (!locked.isLocked())
        GTEST_SKIP() << "a folder that cannot be written cannot be made here: " << qPrintable(locked.failure());
    writeFile(target.filePath(QStringLiteral("Race.mp4.part")), "the user's own file");
    QSignalSpy finished(&window, &MainWindow::avexporterFinished);

    startExport(window, 0, QStringLiteral("Race"));
    ASSERT_TRUE(waitFor([&] { return !finished.isEmpty(); }, kExportWaitMs));
    EXPECT_EQ(finished.first().first().toInt(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(readFile(target.filePath(QStringLiteral("Race.mp4.part"))), QByteArray("the user's own file"));
    EXPECT_NEAR(probe(target.filePath(QStringLiteral("Race.mp4"))).value("format").toObject().value("duration")
                    .toString().toDouble(), 2.0, 0.1);
    EXPECT_EQ(QDir(target.path()).entryList(QDir::Files).join('|').toStdString(), "Race.mp4|Race.mp4.part");
}

// Files that take the export's names in the project folder while it
// renders are the user's: the export fails, hands neither over as the
// movie, and its failure removes neither. Only then, with the name free
// when the render began, is it told that a file took the name.
TEST_F(MainWindowExport, FilesThatTakeTheExportsNamesWhileItRendersAreKeptAndNeverHandedOver)
{
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    const QString cache = window._exportFilePath(0, 30.0f, QStringLiteral("h264"));
    const QString notes = dir + QStringLiteral("/notes.txt");
    writeFile(notes, "the user's notes, thirty-five bytes");
    // Armed before each export; on the export thread at the first frame,
    // while the movie is written: the first export finds the notes moved
    // onto its unfinished file, the second a file under the movie's name.
    std::atomic<int> armed{0};
    QObject::connect(&window, &MainWindow::avexporterProgressChanged, &window, [&] {
        const int which = armed.exchange(0);
        if (which == 1)
            std::rename(QFile::encodeName(notes).constData(), QFile::encodeName(cache + ".part").constData());
        else if (which == 2)
            writeFile(cache, "the user's own movie");
    }, Qt::DirectConnection);
    QSignalSpy finished(&window, &MainWindow::avexporterFinished);

    armed = 1;
    startExport(window, 0, QStringLiteral("Moved"));
    ASSERT_TRUE(waitFor([&] { return !finished.isEmpty(); }, kExportWaitMs));
    EXPECT_EQ(armed.load(), 0);
    ASSERT_EQ(finished.first().first().toInt(), int(AVExporterResultUnfinishedFileReplaced));
    QCoreApplication::processEvents();
    ASSERT_NE(window.popup(), nullptr);
    EXPECT_EQ(childText(window.popup(), "errorDetailLabel").toStdString(),
              QStringLiteral("The movie could not be finished in \"%1\" because its unfinished file was moved or "
                             "replaced while it was written. Please export it again.")
                  .arg(QDir::toNativeSeparators(QFileInfo(dir).absoluteFilePath()))
                  .toStdString());
    EXPECT_EQ(readFile(cache + ".part"), QByteArray("the user's notes, thirty-five bytes"));
    EXPECT_FALSE(QFileInfo::exists(cache));

    const std::string takenText =
        QStringLiteral("The movie could not be saved as \"%1\" because another file took that name while the "
                       "movie was written. That file was left as it is: please move it away and export again.")
            .arg(QDir::toNativeSeparators(cache))
            .toStdString();
    // A later export of the same options ends with its report, or, when
    // the file under the movie's name is handed over, with a copy of it.
    armed = 2;
    finished.clear();
    ASSERT_TRUE(exportAgain(window, QStringLiteral("Taken")));
    EXPECT_EQ(armed.load(), 0);
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(finished.first().first().toInt(), int(AVExporterResultMovieNameTaken));
    QCoreApplication::processEvents();
    EXPECT_EQ(childText(window.popup(), "errorDetailLabel").toStdString(), takenText);
    EXPECT_EQ(readFile(cache), QByteArray("the user's own movie"));
    EXPECT_EQ(readFile(cache + ".part"), QByteArray("the user's notes, thirty-five bytes"));

    // Nor is the file under the movie's name taken for an earlier export's
    // movie: found there before the render, it is passed over.
    finished.clear();
    ASSERT_TRUE(exportAgain(window, QStringLiteral("Again")));
    ASSERT_EQ(finished.size(), 1) << "the user's file was handed over as the movie";
    EXPECT_EQ(finished.first().first().toInt(), 0);
    QCoreApplication::processEvents();
    expectExported(window, QStringLiteral("Again"));
    EXPECT_EQ(readFile(cache), QByteArray("the user's own movie"));
    EXPECT_EQ(QDir(target.path()).entryList(QDir::Files).join('|').toStdString(), "Again.mp4");
}

// The disk of the project folder and of the chosen folder fills up under
// the export: it stops at the failed write and says so in words, without
// rendering the movie again for the chosen folder on the same full disk.
TEST_F(MainWindowExport, ADiskThatIsFullIsToldInWordsAtTheFailedWrite)
{
    SmallFileSystem disk(dir, QStringLiteral("2m"));
    if (!disk.mounted)
        GTEST_SKIP() << "no file system of its own can be mounted over the project folder here (not root?)";
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("clip_h264_aac.mp4")), dir + "/clip.mp4"));
    const QString movies = dir + QStringLiteral("/Movies");
    ASSERT_TRUE(QDir().mkpath(movies));
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_TRUE(disk.fill());
    QList<float> progress;
    QObject::connect(&window, &MainWindow::avexporterProgressChanged, &window,
                     [&](float value) { progress << value; });
    QSignalSpy finished(&window, &MainWindow::avexporterFinished);

    window.chooseExport(0, QStringLiteral("Full"), movies);
    window.exportMovie();
    ASSERT_NE(window.popup(), nullptr);
    window.popup()->shareOperationButtonOnClicked();
    ASSERT_TRUE(waitFor([&] { return !finished.isEmpty(); }, kExportWaitMs));
    EXPECT_LT(finished.first().first().toInt(), -1);
    QCoreApplication::processEvents();
    EXPECT_EQ(finished.size(), 1) << "rendered again for the same full disk";
    EXPECT_TRUE(progress.isEmpty() || progress.last() < 0.5f) << "ended at the failed write, not at the end";
    ASSERT_NE(window.popup(), nullptr);
    EXPECT_EQ(childText(window.popup(), "errorDetailLabel").toStdString(),
              QStringLiteral("The movie could not be written in \"%1\" because the disk is full. Please free some "
                             "space on that disk and export again.")
                  .arg(QDir::toNativeSeparators(QFileInfo(dir).absoluteFilePath()))
                  .toStdString());
    EXPECT_FALSE(QFileInfo::exists(window.cachePath() + ".part"));
    EXPECT_TRUE(QDir(movies).isEmpty()) << qPrintable(QDir(movies).entryList(QDir::AllEntries).join('|'));
}

// The project folder's disk is full, the chosen folder's on another disk
// has room: the movie is written straight into the chosen folder.
TEST_F(MainWindowExport, AFullProjectDiskSendsTheMovieStraightIntoAChosenFolderWithRoomUntilItHasRoomAgain)
{
    SmallFileSystem disk(dir, QStringLiteral("2m"));
    if (!disk.mounted)
        GTEST_SKIP() << "no file system of its own can be mounted over the project folder here (not root?)";
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("clip_h264_aac.mp4")), dir + "/clip.mp4"));
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_TRUE(disk.fill());

    ASSERT_TRUE(exportAgain(window, QStringLiteral("Rescued")));
    expectExported(window, QStringLiteral("Rescued"));
    EXPECT_EQ(QDir(target.path()).entryList(QDir::Files).join('|').toStdString(), "Rescued.mp4");
    EXPECT_FALSE(QFileInfo::exists(window.cachePath()));
    EXPECT_FALSE(QFileInfo::exists(window.cachePath() + ".part"));

    // Once the disk has room again, the next export renders into the
    // project's cache and the one after it hands that movie over: one export
    // that found the disk full does not make every later one render anew.
    ASSERT_TRUE(QFile::remove(dir + QStringLiteral("/.filler")));
    ASSERT_TRUE(exportAgain(window, QStringLiteral("Cached")));
    expectExported(window, QStringLiteral("Cached"));
    EXPECT_TRUE(QFileInfo::exists(window.cachePath())) << "the disk with room again got no cached movie";
    const int exporters = window.exportersCreated;
    ASSERT_TRUE(exportAgain(window, QStringLiteral("HandedOver")));
    expectExported(window, QStringLiteral("HandedOver"));
    EXPECT_EQ(window.exportersCreated, exporters) << "rendered anew instead of handing the cached movie over";
}

TEST_F(MainWindowExport, AChosenFolderThatCannotBeWrittenIsToldBeforeTheExport)
{
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    ImmutableFolder locked(target.path());
    if (!locked.isLocked())
        GTEST_SKIP() << "a folder that cannot be written cannot be made here: " << qPrintable(locked.failure());

    startExport(window, 0, QStringLiteral("Nowhere"));
    ASSERT_TRUE(waitFor([&] { return !childText(window.popup(), "errorDetailLabel").isEmpty(); }, 15000));
    EXPECT_EQ(childText(window.popup(), "errorDetailLabel").toStdString(),
              QStringLiteral("The movie cannot be saved in \"%1\" because that folder cannot be written to. "
                             "Please choose another location.")
                  .arg(QDir::toNativeSeparators(target.path()))
                  .toStdString());
    EXPECT_EQ(window.exportersCreated, 0);
}

// The movie file cannot be made where the export writes it (the project's
// name is so long that the unfinished movie's name is longer than a file
// name may be): the popup says where, in words.
TEST_F(MainWindowExport, AMovieFileThatCannotBeCreatedIsToldInWords)
{
    const QString name(232, QLatin1Char('T'));
    dir = product.projectDir(name);
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("clip_h264_aac.mp4")), dir + "/clip.mp4"));
    ExportWindow window(name);
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    // The finished movie's name would fit; with ".part" it is too long.
    ASSERT_EQ(QFileInfo(window._exportFilePath(0, 30.0f, QStringLiteral("h264"))).fileName().size(), 252);
    QSignalSpy finished(&window, &MainWindow::avexporterFinished);

    startExport(window, 0, QStringLiteral("Blocked"));
    ASSERT_TRUE(waitFor([&] { return !finished.isEmpty(); }, kExportWaitMs));
    EXPECT_EQ(finished.first().first().toInt(), -11);
    QCoreApplication::processEvents();
    ASSERT_NE(window.popup(), nullptr);
    EXPECT_EQ(childText(window.popup(), "errorDetailLabel").toStdString(),
              QStringLiteral("The movie file could not be created in \"%1\". Please make sure that this folder "
                             "can be written to and that the disk has free space.")
                  .arg(QDir::toNativeSeparators(QFileInfo(dir).absoluteFilePath()))
                  .toStdString());
    EXPECT_FALSE(QFileInfo::exists(target.filePath("Blocked.mp4")));
}

TEST_F(MainWindowExport, TheCachedPathFollowsTheOptions)
{
    ExportWindow window;
    const QString folder = QFileInfo(dir).absoluteFilePath();
    EXPECT_EQ(window._exportFilePath(3, 30.0f, "h264"), folder + "/Trip_1080p_h264_30fps.mp4");
    EXPECT_EQ(window._exportFilePath(5, 59.94f, "vp9"), folder + "/Trip_4k_vp9_59fps.webm");
    EXPECT_EQ(window._exportFilePath(2, 25.0f, "prores"), folder + "/Trip_720p_prores_25fps.mov");
    EXPECT_EQ(window._exportFilePath(9, 24.0f, ""), folder + "/Trip_Unknown_Resolution_Unknown_Video_Codec_24fps.mp4");
}

// A record of a long file that plays its first 1.5 s, stored without a trim,
// beside a 2 s silent movie: the movie sounds 1.5 s, then is silent to its
// end, and the same after a save and a reopen.
TEST_F(MainWindowExport, MusicWithoutATrimSoundsForItsRangeBeforeAndAfterASave)
{
    ASSERT_TRUE(makeMedia({"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=8000:duration=180", "-c:a",
                           "pcm_s16le", dir + "/long.wav"}));
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("video_only_4s.mp4")), dir + "/silent.mp4"));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("MOVIE").set("File", "silent.mp4").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 2).set("TrimStart", 0)
                                    .set("TrimDuration", 2)));
    records.push_back(std::move(RecordBuilder("MUSIC").set("File", "long.wav").set("TrackId", 2)
                                    .set("RangeStart", 0).set("RangeDuration", 1.5).set("Title", "Tone")));
    writeProject(dir, records);
    ExportedSound first;
    {
        ExportWindow window;
        if (!load(window))
            GTEST_SKIP() << "no OpenGL context for the preview";
        ASSERT_NO_FATAL_FAILURE(exportSound(window, QStringLiteral("First"), &first));
        ASSERT_TRUE(saveAndClose(window));
    }
    EXPECT_NEAR(first.length, 2.0, 0.05);
    EXPECT_NEAR(first.soundStart, 0.0, 0.01);
    EXPECT_NEAR(first.soundEnd, 1.5, 0.01);

    ExportedSound reopened;
    ExportWindow window;
    ASSERT_TRUE(load(window));
    ASSERT_NO_FATAL_FAILURE(exportSound(window, QStringLiteral("Reopened"), &reopened));
    EXPECT_NEAR(reopened.length, first.length, 0.001);
    EXPECT_NEAR(reopened.soundStart, first.soundStart, 0.001);
    EXPECT_NEAR(reopened.soundEnd, first.soundEnd, 0.001);
}

// A 3 s tone whose record says 1000 s: the tile, the project and the movie
// last what the media holds.
TEST_F(MainWindowExport, MusicStoredLongerThanItsMediaExportsWhatTheMediaHolds)
{
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("tone440.wav")), dir + "/tone.wav"));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("MUSIC").set("File", "tone.wav").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 1000).set("TrimStart", 0)
                                    .set("TrimDuration", 1000).set("Title", "Tone")));
    writeProject(dir, records);
    ExportWindow window;
    if (!load(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_TRUE(waitForMedia(window));
    ASSERT_NEAR(window.projectManager()->duration(), 3.0, 0.01);
    ExportedSound sound;
    ASSERT_NO_FATAL_FAILURE(exportSound(window, QStringLiteral("Short"), &sound));
    EXPECT_NEAR(sound.length, 3.0, 0.05);
    EXPECT_NEAR(sound.soundEnd, 3.0, 0.02);
}

// Only a movie this window's export made under the cached name, still that
// very file, is handed over again. Anything else there (a link to the
// user's file put there before the project opened, the movie touched, a
// copy of it put in its place, a link, a named pipe) is left as it is and
// never opened: the movie is rendered anew straight into the chosen folder.
TEST_F(MainWindowExport, OnlyTheMovieThisExportMadeIsHandedOverAgain)
{
    const QString notes = userNotes();
    const QString cachePath = QFileInfo(dir).absoluteFilePath() + "/Trip_360p_h264_30fps.mp4";
    const QByteArray cache = QFile::encodeName(cachePath);
    ASSERT_EQ(symlink(QFile::encodeName(notes).constData(), cache.constData()), 0);
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    const auto identity = [&] { return AVFileIdentity::ofRegularFile(cache.toStdString()); };

    ASSERT_TRUE(exportAgain(window, QStringLiteral("Linked")));
    EXPECT_EQ(window.exportersCreated, 1) << "the link was handed over as the movie";
    expectExported(window, QStringLiteral("Linked"));
    EXPECT_EQ(QFileInfo(cachePath).symLinkTarget(), notes);
    ASSERT_EQ(unlink(cache.constData()), 0);
    ASSERT_TRUE(exportAgain(window, QStringLiteral("Made")));
    ASSERT_TRUE(exportAgain(window, QStringLiteral("Again")));
    EXPECT_EQ(window.exportersCreated, 2) << "the movie made here was not handed over";
    EXPECT_EQ(readFile(target.filePath(QStringLiteral("Again.mp4"))), readFile(cachePath));

    const QByteArray made = readFile(cachePath);
    ASSERT_EQ(utimensat(AT_FDCWD, cache.constData(), nullptr, 0), 0);
    const AVFileIdentity touched = identity();
    ASSERT_TRUE(exportAgain(window, QStringLiteral("Touched")));
    EXPECT_EQ(window.exportersCreated, 3) << "the touched movie was handed over";
    expectExported(window, QStringLiteral("Touched"));
    EXPECT_TRUE(identity() == touched) << "the touched movie was changed";

    const QString copy = dir + QStringLiteral("/copy.mp4");
    ASSERT_TRUE(QFile::copy(cachePath, copy));
    ASSERT_EQ(std::rename(QFile::encodeName(copy).constData(), cache.constData()), 0);
    const AVFileIdentity copied = identity();
    ASSERT_TRUE(exportAgain(window, QStringLiteral("Copied")));
    EXPECT_EQ(window.exportersCreated, 4) << "the copy was handed over as the movie";
    expectExported(window, QStringLiteral("Copied"));
    EXPECT_TRUE(identity() == copied) << "the copy was changed";
    EXPECT_EQ(readFile(cachePath), made);

    ASSERT_EQ(unlink(cache.constData()), 0);
    ASSERT_EQ(symlink(QFile::encodeName(notes).constData(), cache.constData()), 0);
    ASSERT_TRUE(exportAgain(window, QStringLiteral("Relinked")));
    EXPECT_EQ(window.exportersCreated, 5) << "the link was handed over as the movie";
    expectExported(window, QStringLiteral("Relinked"));
    EXPECT_EQ(QFileInfo(cachePath).symLinkTarget(), notes);

    ASSERT_EQ(unlink(cache.constData()), 0);
    WatchedPipe pipe(cachePath);
    ASSERT_TRUE(pipe.isMade());
    ASSERT_TRUE(exportAgain(window, QStringLiteral("Piped")));
    EXPECT_EQ(window.exportersCreated, 6) << "the pipe was handed over as the movie";
    expectExported(window, QStringLiteral("Piped"));
    EXPECT_EQ(pipe.readers(), 0);
    EXPECT_TRUE(pipe.isStillAPipe());

    EXPECT_EQ(QDir(target.path()).entryList(QDir::Files).join('|').toStdString(),
              "Again.mp4|Copied.mp4|Linked.mp4|Made.mp4|Piped.mp4|Relinked.mp4|Touched.mp4");
    EXPECT_EQ(readFile(notes), kUserNotes);
}

// A link put in place of the just finished movie before it is copied is
// never followed: the copy reads the very file the export wrote, or, with
// that file gone from its name, a new movie is rendered for the user.
TEST_F(MainWindowExport, ALinkPutAtTheFinishedMoviesNameBeforeItsCopyIsNotFollowed)
{
    const QString notes = userNotes();
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    const QByteArray cache = QFile::encodeName(QFileInfo(dir).absoluteFilePath() + "/Trip_360p_h264_30fps.mp4");
    // Reported on the export's own thread, before the window takes the movie.
    std::atomic<bool> linked{false};
    QObject::connect(&window, &MainWindow::avexporterFinished, &window, [&](int err) {
        if (err == 0 && !linked.exchange(true))
            linked = rename(cache.constData(), (cache + ".moved").constData()) == 0
                && symlink(QFile::encodeName(notes).constData(), cache.constData()) == 0;
    }, Qt::DirectConnection);

    ASSERT_TRUE(exportAgain(window, QStringLiteral("Swapped")));
    ASSERT_TRUE(linked);
    expectExported(window, QStringLiteral("Swapped"));
    EXPECT_NE(readFile(target.filePath(QStringLiteral("Swapped.mp4"))), kUserNotes)
        << "the user's file was sent out as the movie";
    EXPECT_EQ(QFileInfo(window.cachePath()).symLinkTarget(), notes);
    EXPECT_EQ(readFile(notes), kUserNotes);
}

// Another process keeps putting links to a user's file and named pipes at
// the names the copies of a finished movie may take in the chosen folder:
// each copy takes a name of its own and is whole, the user's file stays as
// it was, and no copy waits on a pipe.
TEST_F(MainWindowExport, CopiesOfTheMovieNeitherWriteThroughLinksNorWaitOnPipesPutAtTheirNames)
{
    constexpr int kCopies = 8;
    const QString notes = userNotes();
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_TRUE(exportAgain(window, QStringLiteral("Held")));
    expectExported(window, QStringLiteral("Held"));
    const QByteArray movie = readFile(window.cachePath());
    QStringList names;
    for (int number = 1; number < 4 * kCopies; ++number)
        names << target.filePath(QStringLiteral("Held %1.mp4").arg(number));
    QSet<QString> copies;
    {
        NameSquatter squatter(names, notes);
        for (int copy = 0; copy < kCopies; ++copy) {
            QElapsedTimer clock;
            clock.start();
            ASSERT_TRUE(exportAgain(window, QStringLiteral("Held"))) << "copy " << copy;
            ASSERT_LT(clock.elapsed(), 10000) << "copy " << copy << " waited";
            ASSERT_EQ(childText(window.popup(), "errorDetailLabel").toStdString(), "") << "copy " << copy;
            copies << QDir::fromNativeSeparators(childText(window.popup(), "doneFileNameValueLabel"));
        }
        EXPECT_EQ(squatter.pipeWriters(), 0) << "a copy opened a named pipe";
    }

    EXPECT_EQ(readFile(notes), kUserNotes) << "the user's file was written through a link";
    EXPECT_EQ(window.exportersCreated, 1) << "the cached movie was not handed over";
    ASSERT_EQ(copies.size(), kCopies);
    for (const QString& copy : qAsConst(copies)) {
        ASSERT_TRUE(QFileInfo(copy).isFile() && !QFileInfo(copy).isSymLink()) << qPrintable(copy);
        EXPECT_TRUE(readFile(copy) == movie) << qPrintable(copy) << " is not the whole movie";
    }
}

// The cached movie is looked at again just before it is copied: a link to
// the user's file put in its place while the hand-over waits is neither
// followed nor handed over, and a new movie lands in the chosen folder.
TEST_F(MainWindowExport, ALinkPutAtTheCachedNameWhileTheHandOverWaitsIsNotFollowed)
{
    const QString notes = userNotes();
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_TRUE(exportAgain(window, QStringLiteral("Made")));
    const QByteArray cache = QFile::encodeName(window.cachePath());
    ASSERT_TRUE(swapWhileTheHandOverWaits(window, QStringLiteral("Swapped"), [&] {
        return unlink(cache.constData()) == 0 && symlink(QFile::encodeName(notes).constData(), cache.constData()) == 0;
    }));
    expectRenderedAnew(window, 2, QStringLiteral("Swapped"), "the link was handed over as the movie");
    EXPECT_EQ(QFileInfo(window.cachePath()).symLinkTarget(), notes);
    EXPECT_EQ(readFile(notes), kUserNotes);
}

// A copy renamed over the cached movie while the hand-over waits is a
// regular file as the movie is, of the user's file or of the movie itself:
// told from the movie made here by its identity, it is neither sent out nor
// changed, and a new movie lands in the chosen folder.
TEST_F(MainWindowExport, ACopyRenamedOverTheCachedMovieWhileTheHandOverWaitsIsNotSentOut)
{
    const QString notes = userNotes();
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    const QString cachePath = window._exportFilePath(0, 30.0f, QStringLiteral("h264"));
    const QByteArray cache = QFile::encodeName(cachePath);
    const QString copy = dir + QStringLiteral("/copy.mp4");
    for (const QString& original : {notes, cachePath}) {
        // A movie made here under the cached name, handed over next.
        QFile::remove(cachePath);
        const int exporters = window.exportersCreated;
        ASSERT_TRUE(exportAgain(window, QStringLiteral("Made")));
        ASSERT_TRUE(QFile::copy(original, copy));
        const QByteArray copied = readFile(copy);
        ASSERT_TRUE(swapWhileTheHandOverWaits(window, QStringLiteral("Swapped"), [&] {
            return std::rename(QFile::encodeName(copy).constData(), cache.constData()) == 0;
        }));
        expectRenderedAnew(window, exporters + 2, QStringLiteral("Swapped"), "the copy was handed over as the movie");
        EXPECT_EQ(readFile(cachePath), copied) << "the copy was changed";
        for (const QString movie : {"Made.mp4", "Swapped.mp4"})
            ASSERT_TRUE(QFile::remove(target.filePath(movie)));
    }
    EXPECT_EQ(readFile(notes), kUserNotes);
}

// The cached movie's identity is read from the very file opened: another
// file renamed over the movie in the moment between a look at its name and
// its opening is neither sent out nor changed, and a new movie lands in the
// chosen folder.
TEST_F(MainWindowExport, AFileRenamedOverTheCachedMovieAsItOpensIsNotSentOut)
{
    const QString notes = userNotes();
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_TRUE(exportAgain(window, QStringLiteral("Made")));
    const QByteArray cache = QFile::encodeName(window.cachePath());
    const QByteArray copy = QFile::encodeName(dir + QStringLiteral("/copy.mp4"));
    ASSERT_TRUE(QFile::copy(notes, QFile::decodeName(copy)));
    // The bar's value when the file was put there: the hand-over's copy
    // share, once it looked at the cached name and then opens it.
    int shown = -1;
    bool renamed = false;
    BeforeOpen beforeOpen(cache, [&] {
        const bool onWindowThread = QThread::currentThread() == window.thread();
        if (onWindowThread && window.popup())
            shown = window.popup()->findChild<QProgressBar*>(QStringLiteral("exportProgressBar"))->value();
        renamed = std::rename(copy.constData(), cache.constData()) == 0;
    });

    ASSERT_TRUE(exportAgain(window, QStringLiteral("Swapped")));
    ASSERT_TRUE(beforeOpen.ran());
    ASSERT_TRUE(renamed);
    EXPECT_EQ(shown, 99) << "renamed before the hand-over looked at the cached name";
    expectRenderedAnew(window, 2, QStringLiteral("Swapped"), "the file renamed there was handed over as the movie");
    EXPECT_EQ(readFile(window.cachePath()), kUserNotes);
    EXPECT_EQ(readFile(notes), kUserNotes);
}

// Neither a cancelled export nor one that went straight into the chosen
// folder made a movie under the cached name: a file put there afterwards
// is not handed over, and the movie goes straight into the chosen folder.
TEST_F(MainWindowExport, AfterACancelledOrADirectExportAFileUnderTheCachedNameIsNotHandedOver)
{
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    const QString cache = window._exportFilePath(0, 30.0f, QStringLiteral("h264"));
    bool cancelled = false;
    QObject::connect(&window, &MainWindow::avexporterProgressChanged, &window, [&] {
        if (!cancelled && window.popup()) {
            cancelled = true;
            window.popup()->exportCancelButtonOnClicked();
        }
    }, Qt::QueuedConnection);
    QSignalSpy finished(&window, &MainWindow::avexporterFinished);
    startExport(window, 0, QStringLiteral("Cancelled"));
    ASSERT_TRUE(waitFor([&] { return !finished.isEmpty(); }, kExportWaitMs));
    ASSERT_EQ(finished.first().first().toInt(), -1);

    writeFile(cache, "the user's own movie");
    ASSERT_TRUE(exportAgain(window, QStringLiteral("AfterCancel")));
    EXPECT_EQ(window.exportersCreated, 2) << "handed over after a cancelled export";
    expectExported(window, QStringLiteral("AfterCancel"));
    EXPECT_EQ(readFile(cache), QByteArray("the user's own movie"));
    ASSERT_TRUE(QFile::remove(cache));
    {
        ImmutableFolder locked(dir);
        if (!locked.isLocked())
            GTEST_SKIP() << "a folder that cannot be written cannot be made here: " << qPrintable(locked.failure());
        ASSERT_TRUE(exportAgain(window, QStringLiteral("Direct")));
        ASSERT_EQ(childText(window.popup(), "doneFileNameValueLabel").toStdString(),
                  QDir::toNativeSeparators(target.filePath(QStringLiteral("Direct.mp4"))).toStdString());
    }
    writeFile(cache, "the user's own movie");
    ASSERT_TRUE(exportAgain(window, QStringLiteral("AfterDirect")));
    EXPECT_EQ(window.exportersCreated, 4) << "handed over after a direct export";
    expectExported(window, QStringLiteral("AfterDirect"));
    EXPECT_EQ(QDir(target.path()).entryList(QDir::Files).join('|').toStdString(),
              "AfterCancel.mp4|AfterDirect.mp4|Direct.mp4");
    EXPECT_EQ(readFile(cache), QByteArray("the user's own movie"));
}

// The project folder is locked while the movie renders: the finished movie
// cannot take its name there, and the popup says why and what helps.
TEST_F(MainWindowExport, AProjectFolderLockedWhileTheMovieRendersIsToldInWords)
{
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    std::unique_ptr<ImmutableFolder> locked;
    QObject::connect(&window, &MainWindow::avexporterProgressChanged, &window, [&] {
        if (!locked)
            locked = std::make_unique<ImmutableFolder>(dir, ImmutableFolder::FolderAlone);
    }, Qt::DirectConnection);
    QSignalSpy finished(&window, &MainWindow::avexporterFinished);
    startExport(window, 0, QStringLiteral("Locked"));
    ASSERT_TRUE(waitFor([&] { return !finished.isEmpty(); }, kExportWaitMs));
    ASSERT_NE(locked, nullptr);
    if (!locked->isLocked())
        GTEST_SKIP() << "a folder that cannot be written cannot be made here: " << qPrintable(locked->failure());
    QCoreApplication::processEvents();
    ASSERT_NE(window.popup(), nullptr);
    EXPECT_EQ(childText(window.popup(), "errorDetailLabel").toStdString(),
              QStringLiteral("The movie could not be written in \"%1\" because that folder can no longer be "
                             "written to. Please make sure that it can be written to and export again.")
                  .arg(QDir::toNativeSeparators(QFileInfo(dir).absoluteFilePath()))
                  .toStdString());
}

// The chosen folder is locked while the movie renders, then its disk is
// full: the copy of the finished movie fails, and the popup says why and
// what helps.
TEST_F(MainWindowExport, ACopyIntoALockedOrFullChosenFolderIsToldInWords)
{
    ExportWindow window;
    if (!open(window))
        GTEST_SKIP() << "no OpenGL context for the preview";
    std::unique_ptr<ImmutableFolder> locked;
    QObject::connect(&window, &MainWindow::avexporterProgressChanged, &window, [&] {
        if (!locked)
            locked = std::make_unique<ImmutableFolder>(target.path());
    }, Qt::DirectConnection);
    const QString folder = QDir::toNativeSeparators(target.path());
    ASSERT_TRUE(exportAgain(window, QStringLiteral("Locked")));
    ASSERT_NE(locked, nullptr);
    if (!locked->isLocked())
        GTEST_SKIP() << "a folder that cannot be written cannot be made here: " << qPrintable(locked->failure());
    EXPECT_EQ(childText(window.popup(), "errorDetailLabel").toStdString(),
              QStringLiteral("The movie could not be copied into \"%1\" because that folder cannot be written "
                             "to. Please choose another location and export again.")
                  .arg(folder)
                  .toStdString());
    locked->lift();

    SmallFileSystem disk(target.path());
    if (!disk.mounted)
        GTEST_SKIP() << "no file system of its own can be mounted over the chosen folder here (not root?)";
    ASSERT_TRUE(disk.fill());
    ASSERT_TRUE(exportAgain(window, QStringLiteral("Full")));
    EXPECT_EQ(window.exportersCreated, 1) << "the cached movie is copied, not rendered again";
    EXPECT_EQ(childText(window.popup(), "errorDetailLabel").toStdString(),
              QStringLiteral("The movie could not be copied into \"%1\" because the disk is full. Please free "
                             "some space on that disk or choose another location, and export again.")
                  .arg(folder)
                  .toStdString());
}

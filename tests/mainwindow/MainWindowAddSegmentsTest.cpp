#include "HistoryWindow.h"

#include "AVTextSegment.h"
#include "DrawingSegment.h"
#include "HeldPool.h"
#include "ImageSegment.h"
#include "MediaPreviewWidget.h"
#include "MenuEntries.h"
#include "ModalDialogAnswerer.h"
#include "PopupMediaTypeSelectionWidget.h"
#include "PopupMicrophoneWidget.h"
#include "PopupProjectSettingsWidget.h"
#include "RecordingSupport.h"
#include "SegmentStyleDefaults.h"
#include "SmallFileSystem.h"
#include "SoundServer.h"
#include "TextSegment.h"
#include "TimelineMetrics.h"
#include "TipManager.h"
#include "UserSettings.h"
#include "VoiceSegment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QXmlStreamReader>

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// The window with the add commands, the popups and the settings step open to the tests.
class AddWindow : public HistoryWindow
{
public:
    // The library preview takes the place of the whole central area here.
    AddWindow(const QString& name, const QSize& previewSize) : HistoryWindow(name, previewSize)
    {
        _previewArea = centralWidget();
    }
    using MainWindow::_applyProjectSettings;
    using MainWindow::_fullScreen;
    using MainWindow::_replaceEditingSegmentPicture;
    using MainWindow::_insertionTrack;
    using MainWindow::gutterArea_onFunctionButtonPressed;
    using MainWindow::mediaExplorer_onMediaItemClicked;
    using MainWindow::microphonePopup_onGetStartTime;
    using MainWindow::microphonePopup_onSoundCaptured;
    using MainWindow::onActionAddSelfDrawTriggered;
    using MainWindow::onActionAddTextTriggered;
    using MainWindow::_previewArea;
    using MainWindow::_previewContainer;
    using MainWindow::_previewSizeLevel;
    using MainWindow::_scrollToTime;
    using MainWindow::_timelineScale;
    using MainWindow::_currentScrollTime;

    MediaPreviewWidget* mediaPreview() const { return _mediaPreview; }
    int dismissals = 0;
    int fullScreenToggles = 0;

protected:
    void _toggleFullScreen() override { ++fullScreenToggles; }
    bool _dismissAllPopupsAndPreview() override
    {
        ++dismissals;
        return HistoryWindow::_dismissAllPopupsAndPreview();
    }
};

class AddSegmentsTest : public HistoryTest
{
protected:
    // New tiles offer their tips.
    AddSegmentsTest() { keepsHelpTips = true; }

    void TearDown() override
    {
        // The help tips the new tiles offer must not leak into the next test.
        if (TipManager::hasInstance())
            TipManager::instance()->closeCurrentTip();
    }

    int steps() const { return window->projectManager()->history().count(); }
    // A project of one red picture, "photo", on the first track from 0 to 3 s;
    // why it did not open, or nothing.
    QString openOnePhoto()
    {
        if (!makePicture(QStringLiteral("red.png"), QStringLiteral("red"))) {
            ADD_FAILURE() << "the picture could not be written";
            return QStringLiteral("no picture");
        }
        std::vector<RecordBuilder> records;
        records.push_back(std::move(RecordBuilder("IMAGE").set("UId", "photo").set("File", "red.png").set("TrackId", 1)
                                        .set("RangeStart", 0).set("RangeDuration", 3)));
        return openProject(records, window);
    }
    QList<Segment*> segmentsOfType(const QString& type) const
    {
        QList<Segment*> found;
        ProjectManager* manager = window->projectManager();
        for (int index = 0; index < manager->segmentCount(); ++index)
            if (manager->segmentAt(index)->type() == type)
                found << manager->segmentAt(index);
        return found;
    }
    SegmentWidget* tileOf(const Segment* segment) const
    {
        return qobject_cast<SegmentWidget*>(window->projectManager()->segmentWidgetFor(segment));
    }

    // One second of a tone as WAV, made by the ffmpeg command line in the folder.
    static QString makeRecording(const QString& folder, const QString& name)
    {
        const QString path = folder + QLatin1Char('/') + name;
        const int code = QProcess::execute(QStringLiteral("ffmpeg"),
                                           {"-v", "error", "-y", "-f", "lavfi", "-i", "sine=frequency=440:duration=1",
                                            "-ac", "1", path});
        return code == 0 ? path : QString();
    }

    // The memory file system is where captures usually wait: not the project's.
    bool onTheProjectsFileSystem(const QString& folder) const
    {
        struct stat there {}, here {};
        return ::stat(folder.toLocal8Bit().constData(), &there) != 0
               || ::stat(dir.toLocal8Bit().constData(), &here) != 0 || there.st_dev == here.st_dev;
    }

    // One caption, "caption" [0, 2), alone on its track.
    QString openCaption()
    {
        std::vector<RecordBuilder> records;
        records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "A").set("TrackId", 4)
                                        .set("RangeStart", 0).set("RangeDuration", 2)));
        return openProject(records, window);
    }

    // The GIF chosen in a file dialog (ten frames of 100 ms): once its
    // engine side is made, its tile and the engine span its animation's
    // second and the saved project says so.
    void expectLastsItsAnimation(const QString& gif)
    {
        const QList<Segment*> pictures = segmentsOfType(QStringLiteral("IMAGE"));
        const auto found = std::find_if(pictures.begin(), pictures.end(),
                                        [&](Segment* picture) { return picture->absoluteFilePath() == gif; });
        ASSERT_NE(found, pictures.end()) << "the GIF was not added";
        Segment* added = *found;
        ASSERT_TRUE(waitFor([&] {
            return added->state() == 4 && window->composition()->findSegment(uint32_t(added->serialNumber()));
        }, 10000));
        const int second = TimelineMetrics::tileWidth(1.0f, window->_timelineScale);
        EXPECT_TRUE(waitFor([&] { return tileOf(added)->width() == second; }, 5000))
            << "the tile is " << tileOf(added)->width() << " pixels wide, a second " << second;
        AVSegment* engineSide = window->composition()->findSegment(uint32_t(added->serialNumber()));
        EXPECT_TRUE(waitFor([&] { return std::fabs(engineSide->duration() - 1.0) < 1e-3; }, 5000))
            << "the engine plays it for " << engineSide->duration() << " s";
        window->_saveProject();
        EXPECT_EQ(savedAttribute(gif, QStringLiteral("RangeDuration")).toStdString(), "1");
    }

    // The attribute of the segment of the file or UId in the saved project.
    QString savedAttribute(const QString& fileOrUId, const QString& key) const
    {
        QFile project(ProjectManager::projectXmlPath(name, QString()));
        if (!project.open(QIODevice::ReadOnly))
            return QString();
        QXmlStreamReader xml(&project);
        while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
            const QXmlStreamAttributes attributes = xml.attributes();
            if (xml.isStartElement()
                && (attributes.value(QStringLiteral("File")) == fileOrUId
                    || attributes.value(QStringLiteral("UId")) == fileOrUId))
                return xml.attributes().value(key).toString();
        }
        return QString();
    }

    std::unique_ptr<AddWindow> window;
};

// The add command on a project whose empty bottom track takes the text at
// the pointer; the timeline keeps one empty track below it.
TEST_F(AddSegmentsTest, AddTextLandsOnTheEmptyBottomTrackWhichGetsANewOneBelow)
{
    const QString failure = openCaption();
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    window->_scrollToTime(1.0f, false);
    TrackWidget* bottom = window->newestTrack();
    const int tracks = window->timeline()->trackWidgetCount();
    const int before = steps();

    window->onActionAddTextTriggered();

    const QList<Segment*> texts = segmentsOfType(QStringLiteral("TEXT"));
    ASSERT_EQ(texts.size(), 2);
    Segment* added = texts.value(0)->uid() == QLatin1String("caption") ? texts.value(1) : texts.value(0);
    EXPECT_EQ(added->trackId(), bottom->trackId());
    EXPECT_NEAR(added->rangeStart(), window->_currentScrollTime(), 0.01f);
    EXPECT_NEAR(added->rangeStart(), 1.0f, 0.05f);
    EXPECT_FLOAT_EQ(added->duration(), UserSettings::instance()->textDuration());
    EXPECT_EQ(bottom->trackType(), QStringLiteral("TEXT"));
    EXPECT_EQ(window->timeline()->trackWidgetCount(), tracks + 1);
    EXPECT_NE(window->newestTrack(), bottom);
    EXPECT_EQ(window->newestTrack()->segmentWidgetCount(), 0);
    EXPECT_EQ(steps(), before + 1);
    EXPECT_TRUE(window->projectManager()->isModified());
    // A moment later the new text is the tile in editing.
    EXPECT_TRUE(waitFor([&] { return window->timeline()->editingSegmentWidget() == tileOf(added); }, 5000));
}

// The track header's button of a text track adds after what the track holds,
// not at the pointer before its end, and keeps the track count.
TEST_F(AddSegmentsTest, TrackButtonAddsTextAfterTheContentOfItsTrack)
{
    const QString failure = openCaption();
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    Segment* caption = segmentByUId(*window, QStringLiteral("caption"));
    const int tracks = window->timeline()->trackWidgetCount();
    window->_scrollToTime(0.5f, false);

    window->gutterArea_onFunctionButtonPressed(caption->trackId());

    const QList<Segment*> texts = segmentsOfType(QStringLiteral("TEXT"));
    ASSERT_EQ(texts.size(), 2);
    Segment* added = texts.value(0) == caption ? texts.value(1) : texts.value(0);
    EXPECT_EQ(added->trackId(), caption->trackId());
    EXPECT_FLOAT_EQ(added->rangeStart(), 2.0f);
    EXPECT_EQ(window->timeline()->trackWidgetCount(), tracks);
}

// The last track's button opens the add-media popup; its Text choice closes
// it and adds a text on that track.
TEST_F(AddSegmentsTest, LastTrackButtonOpensTheAddMediaPopupWhoseTextChoiceAddsAText)
{
    const QString failure = openCaption();
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    const int bottom = window->newestTrack()->trackId();
    window->gutterArea_onFunctionButtonPressed(bottom);
    auto* popup = qobject_cast<PopupMediaTypeSelectionWidget*>(window->currentPopup());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->mediaKind(), 0);

    // A popup in front refuses the menu commands.
    window->onActionAddTextTriggered();
    EXPECT_EQ(segmentsOfType(QStringLiteral("TEXT")).size(), 1);

    emit popup->popupMediaTypeSelectionWidgetDidClickText(popup);
    EXPECT_TRUE(waitFor([&] { return window->currentPopup() == nullptr; }, 3000));
    const QList<Segment*> texts = segmentsOfType(QStringLiteral("TEXT"));
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts.value(0)->trackId() == bottom || texts.value(1)->trackId() == bottom);
}

// A GIF chosen through a picture track's "Choose File..." lasts as long as
// its animation, not the picture duration, also when its picture has loaded
// before the window hears that it began loading (a busy window).
TEST_F(AddSegmentsTest, AGifChosenForAPictureTrackLastsItsAnimation)
{
    const QString failure = openOnePhoto();
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    window->gutterArea_onFunctionButtonPressed(segmentByUId(*window, QStringLiteral("photo"))->trackId());
    auto* popup = qobject_cast<PopupMediaTypeSelectionWidget*>(window->currentPopup());
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(popup->mediaKind(), 2);
    const QString gif = TestMedia::path(QStringLiteral("animation.gif"));
    ModalDialogAnswerer answerer(ModalDialogAnswerer::chooseFile(gif));
    HeldPool pool;
    ASSERT_TRUE(pool.holding());

    QTest::mouseClick(popup->findChild<QPushButton*>(QStringLiteral("chooseFileButton")), Qt::LeftButton);

    ASSERT_TRUE(answerer.answered());
    const QList<Segment*> pictures = segmentsOfType(QStringLiteral("IMAGE"));
    ASSERT_EQ(pictures.size(), 2);
    const Segment* added = pictures.value(0)->uid() == QLatin1String("photo") ? pictures.value(1) : pictures.value(0);
    // The picture loads while the window hears nothing.
    pool.release();
    QElapsedTimer clock;
    clock.start();
    while (added->state() != 4 && clock.elapsed() < 10000)
        QThread::msleep(5);
    ASSERT_EQ(added->state(), 4);
    expectLastsItsAnimation(gif);
}

// The same through "Add File...", which takes any media.
TEST_F(AddSegmentsTest, AGifAddedAsAnyMediaLastsItsAnimation)
{
    const QString failure = openCaption();
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    const QString gif = TestMedia::path(QStringLiteral("animation.gif"));
    ModalDialogAnswerer answerer(ModalDialogAnswerer::chooseFile(gif));

    ASSERT_TRUE(triggerEntry(window.get(), QStringLiteral("Add File...")));

    ASSERT_TRUE(answerer.answered());
    expectLastsItsAnimation(gif);
}

// A recording that ends while a tile is edited still becomes a voice
// segment: the editing ends. Two recordings take the names numbered 1 and 2,
// and the recordings leave the temporary folder, even on another file system.
TEST_F(AddSegmentsTest, RecordingsAreMovedInAndInsertedEvenWhileATileIsEdited)
{
    const QString failure = openCaption();
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    QTemporaryDir shm(QStringLiteral("/dev/shm/recordings-XXXXXX"));
    QTemporaryDir local;
    const QString waiting = shm.isValid() ? shm.path() : local.path();
    const bool otherFileSystem = !onTheProjectsFileSystem(waiting);
    const QString first = makeRecording(waiting, QStringLiteral("take.wav"));
    ASSERT_FALSE(first.isEmpty());

    Segment* caption = segmentByUId(*window, QStringLiteral("caption"));
    tileOf(caption)->setEditing(true, false);
    ASSERT_TRUE(window->timeline()->isEditingSegment());
    window->_insertionTrack = window->newestTrack();
    const int bottom = window->newestTrack()->trackId();
    window->microphonePopup_onSoundCaptured(nullptr, first, {0.25f, 0.5f});

    EXPECT_FALSE(window->timeline()->isEditingSegment());
    QList<Segment*> voices = segmentsOfType(QStringLiteral("VOICE"));
    ASSERT_EQ(voices.size(), 1);
    EXPECT_EQ(voices.value(0)->absoluteFilePath(), dir + QStringLiteral("/sound-1.wav"));
    EXPECT_EQ(voices.value(0)->trackId(), bottom);
    EXPECT_TRUE(QFileInfo::exists(dir + QStringLiteral("/sound-1.wav")));
    EXPECT_FALSE(QFileInfo::exists(first));
    // The new tile on the bottom track shows how to work with it once the window is idle.
    EXPECT_TRUE(waitFor([] { return TipManager::hasInstance() && TipManager::instance()->isShowingTip(); }, 5000));
    TipManager::instance()->closeCurrentTip();

    window->_insertionTrack = window->newestTrack();
    const QString second = makeRecording(waiting, QStringLiteral("take.wav"));
    ASSERT_FALSE(second.isEmpty());
    window->microphonePopup_onSoundCaptured(nullptr, second, {0.5f});
    voices = segmentsOfType(QStringLiteral("VOICE"));
    ASSERT_EQ(voices.size(), 2);
    EXPECT_TRUE(QFileInfo::exists(dir + QStringLiteral("/sound-2.wav")));
    EXPECT_FALSE(QFileInfo::exists(second));
    if (!otherFileSystem)
        GTEST_SKIP() << "the recordings waited on the project's own file system; the move across was not shown";
}

// The recorder reports its stop before it has finished its file, and the
// recording waits on another file system than the project's. The stand-in
// for a slow recorder: its file moves aside while it records (it goes on
// writing there), what it held so far takes its place, and only once the
// recorder has finished does the whole file replace that.
TEST_F(AddSegmentsTest, ARecordingFinishedLateIsAddedWhole)
{
    if (!SoundServer::pulseAudioRuns())
        GTEST_SKIP() << "PulseAudio is not running";
    const QString failure = openCaption();
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    QTemporaryDir shm(QStringLiteral("/dev/shm/recordings-XXXXXX"));
    if (!shm.isValid() || onTheProjectsFileSystem(shm.path()))
        GTEST_SKIP() << "no temporary folder on another file system than the project's";
    TemporaryFolder temp(shm.path());
    PlayingTone tone;
    ASSERT_TRUE(tone.made);
    ASSERT_TRUE(triggerEntry(window.get(), QStringLiteral("Add from Microphone...")));
    auto* popup = qobject_cast<PopupMicrophoneWidget*>(window->currentPopup());
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(waitForMonitor(*popup));
    auto* recorder = popup->findChild<QAudioRecorder*>();
    auto* record = popup->findChild<QPushButton*>(QStringLiteral("recordButton"));
    QTest::mouseClick(record, Qt::LeftButton);
    const auto recording = [&] { return recorder->outputLocation().toLocalFile(); };
    // A second of the tone recorded, half of it at least (16-bit stereo at
    // 44.1 kHz) already in the recording's own file.
    ASSERT_TRUE(waitFor([&] {
        return recording().startsWith(shm.path()) && recorder->state() == QMediaRecorder::RecordingState
               && QFileInfo(recording()).size() > 44 + 44100 * 2 && recorder->duration() >= 1000;
    }, 10000));
    const QString recorded = recording();
    const QString aside = shm.filePath(QStringLiteral("aside.wav"));
    ASSERT_TRUE(QFile::rename(recorded, aside));
    ASSERT_TRUE(QFile::copy(aside, recorded));
    const double recordedSeconds = recorder->duration() / 1000.0;
    QTest::mouseClick(record, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return wavIsWhole(aside); }, 10000)) << "the recorder did not finish its file";
    const QString finished = shm.filePath(QStringLiteral("finished.wav"));
    ASSERT_TRUE(QFile::copy(aside, finished));
    ASSERT_EQ(std::rename(QFile::encodeName(finished).constData(), QFile::encodeName(recorded).constData()), 0);

    ASSERT_TRUE(waitFor([&] { return segmentsOfType(QStringLiteral("VOICE")).size() == 1; }, 15000));
    const QString added = segmentsOfType(QStringLiteral("VOICE")).value(0)->absoluteFilePath();
    EXPECT_EQ(QFileInfo(added).absolutePath(), QDir(dir).absolutePath());
    EXPECT_TRUE(wavIsWhole(added)) << "the header was not final when the recording was added";
    QFile addedFile(added);
    QFile asideFile(aside);
    ASSERT_TRUE(addedFile.open(QIODevice::ReadOnly) && asideFile.open(QIODevice::ReadOnly));
    const QByteArray sound = addedFile.readAll();
    EXPECT_EQ(sound.size(), asideFile.size());
    EXPECT_TRUE(sound == asideFile.readAll()) << "the added file is not what the recorder wrote";
    // Its data at its byte rate lasts as long as the recorder had run.
    ASSERT_GT(sound.size(), 44);
    const double seconds = (sound.size() - 44) / double(qFromLittleEndian<quint32>(sound.constData() + 28));
    EXPECT_NEAR(seconds, recordedSeconds, 0.3);
    EXPECT_FALSE(QFileInfo::exists(recorded)) << "the recording stays in the temporary folder";
    EXPECT_TRUE(waitFor([&] { return window->currentPopup() == nullptr; }, 5000));
}

// The project's file system has 100 bytes less room than the recording
// needs: the voice is not added, the user is told, nothing cut lies in the
// project folder, and the recording still waits, whole, where it was.
TEST_F(AddSegmentsTest, ARecordingThatDoesNotFitInTheProjectFolderIsNotAddedCut)
{
    SmallFileSystem projectFileSystem(dir);
    if (!projectFileSystem.mounted)
        GTEST_SKIP() << "no file system of its own can be mounted over the project folder here (not root?)";
    const QString failure = openCaption();
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    const QStringList before = QDir(dir).entryList(QDir::Files);
    struct statvfs room {};
    ASSERT_EQ(::statvfs(QFile::encodeName(dir).constData(), &room), 0);
    const qint64 freeBytes = qint64(room.f_bavail) * qint64(room.f_frsize);
    QTemporaryDir waiting;
    ASSERT_FALSE(onTheProjectsFileSystem(waiting.path()));
    QByteArray sound(int(freeBytes + 100), '\0');
    sound.replace(0, 4, "RIFF");
    qToLittleEndian<quint32>(quint32(sound.size() - 8), sound.data() + 4);
    sound.replace(8, 28, QByteArray::fromHex("57415645666d74201000000001000100401f0000803e000002001000"));
    sound.replace(36, 4, "data");
    qToLittleEndian<quint32>(quint32(sound.size() - 44), sound.data() + 40);
    const QString recording = waiting.filePath(QStringLiteral("take.wav"));
    QFile file(recording);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(sound) == sound.size());
    file.close();

    QString message;
    ModalDialogAnswerer answerer([&](QWidget* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog))
            message = box->text();
        dialog->close();
    }, 5000);
    window->microphonePopup_onSoundCaptured(nullptr, recording, {0.5f});
    EXPECT_EQ(message.toStdString(), "Cannot move the recorded sound file");
    EXPECT_TRUE(segmentsOfType(QStringLiteral("VOICE")).isEmpty());
    EXPECT_EQ(QDir(dir).entryList(QDir::Files).join(' ').toStdString(), before.join(' ').toStdString());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the recording was removed";
    EXPECT_TRUE(file.readAll() == sound);
}

// The start the microphone asks for: the end of the content of a track in use.
TEST_F(AddSegmentsTest, RecordingOnATrackInUseStartsAtTheEndOfItsContent)
{
    const QString failure = openCaption();
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    Segment* caption = segmentByUId(*window, QStringLiteral("caption"));
    window->_insertionTrack = window->timeline()->trackWidgetById(caption->trackId());
    window->_scrollToTime(0.5f, false);
    float start = -1.0f;
    window->microphonePopup_onGetStartTime(nullptr, &start);
    EXPECT_NEAR(start, 2.0f, 0.01f);
    EXPECT_TRUE(waitFor([&] { return std::fabs(window->_currentScrollTime() - 2.0f) < 0.05f; }, 3000));
}

// Landscape to portrait at preview level 1: the composition turns round and
// every text keeps its font size as a share of the new width.
TEST_F(AddSegmentsTest, PortraitSettingTurnsTheCompositionAndRescalesTexts)
{
    const QString failure = openCaption();
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    ASSERT_EQ(window->_previewSizeLevel, 1);
    AVComposition* composition = window->composition();
    ASSERT_EQ(composition->width(), 960);
    ASSERT_EQ(composition->height(), 540);
    auto* caption = dynamic_cast<TextSegment*>(segmentByUId(*window, QStringLiteral("caption")));
    ASSERT_NE(caption, nullptr);
    caption->setFontSize(48.0f);

    const QColor background = QColor::fromRgba(window->projectManager()->backgroundColor());
    window->_applyProjectSettings(ProjectManager::Aspect16x9, false, window->projectManager()->frameRate(),
                                  window->projectManager()->fixCoverImage(), background);

    EXPECT_FALSE(window->projectManager()->direction());
    EXPECT_TRUE(window->projectManager()->isModified());
    window->engine()->requestRedraw();
    EXPECT_TRUE(waitFor([&] { return composition->width() == 540 && composition->height() == 960; }, 5000))
        << composition->width() << "x" << composition->height();
    auto* layer = dynamic_cast<AVTextSegment*>(composition->findSegment(uint32_t(caption->serialNumber())));
    ASSERT_NE(layer, nullptr);
    EXPECT_FLOAT_EQ(layer->fontScale(), caption->fontSize(QSizeF(540, 960)) / 540.0f);
}

// Only the frame rate changed: the composition keeps whatever size it has.
// The background colour goes to the store, the engine and the area around the preview.
TEST_F(AddSegmentsTest, FrameRateAloneLeavesTheLayoutAndColourReachesEngineAndArea)
{
    const QString failure = openCaption();
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    AVComposition* composition = window->composition();
    window->engine()->updateLayout(800, 450);
    window->engine()->requestRedraw();
    ASSERT_TRUE(waitFor([&] { return composition->width() == 800; }, 5000));
    ProjectManager* manager = window->projectManager();
    const QColor background = QColor::fromRgba(manager->backgroundColor());

    window->_applyProjectSettings(manager->resolution(), manager->direction(), 25.0f, manager->fixCoverImage(),
                                  background);
    window->engine()->requestRedraw();
    QTest::qWait(200);
    EXPECT_FLOAT_EQ(manager->frameRate(), 25.0f);
    EXPECT_TRUE(manager->isModified());
    EXPECT_EQ(composition->width(), 800);
    EXPECT_EQ(composition->height(), 450);

    const QColor teal(0, 128, 128, 255);
    window->_applyProjectSettings(manager->resolution(), manager->direction(), 25.0f, manager->fixCoverImage(), teal);
    EXPECT_EQ(manager->backgroundColor(), teal.rgba());
    EXPECT_EQ(window->_previewContainer->styleSheet(), QStringLiteral("background-color: rgba(0,128,128,255)"));
    float red = -1.0f, green = -1.0f, blue = -1.0f, alpha = -1.0f;
    composition->backgroundColor(&red, &green, &blue, &alpha);
    EXPECT_FLOAT_EQ(red, 0.0f);
    EXPECT_NEAR(green, 128.0f / 255.0f, 1e-4);
    EXPECT_NEAR(blue, 128.0f / 255.0f, 1e-4);
    EXPECT_EQ(composition->width(), 800);
}

// Holding Escape acts once: auto-repeats and a second press within 100 ms are ignored.
TEST_F(AddSegmentsTest, EscapeActsOncePerPress)
{
    const QString failure = openCaption();
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    const auto press = [&](bool repeat) {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(window.get(), &event);
    };
    press(false);
    EXPECT_EQ(window->dismissals, 1);
    press(true);
    press(true);
    press(false);
    EXPECT_EQ(window->dismissals, 1);
    QTest::qWait(150);
    press(false);
    EXPECT_EQ(window->dismissals, 2);
}

// The progress overlay covers the window with a bar and keeps the add commands away.
TEST_F(AddSegmentsTest, ProgressOverlayShowsItsFractionAndBlocksAdding)
{
    const QString failure = openCaption();
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    window->showProgressHUD(QStringLiteral("Copying file..."), 0.25f);
    ProgressHUD* hud = window->waitingHUD();
    ASSERT_NE(hud, nullptr);
    ASSERT_NE(hud->progressBar(), nullptr);
    window->showProgressHUD(QStringLiteral("Copying file..."), 0.75f);
    EXPECT_EQ(window->waitingHUD(), hud);
    EXPECT_EQ(hud->progressBar()->value(), 75);
    EXPECT_EQ(hud->geometry(), window->rect());

    window->onActionAddTextTriggered();
    EXPECT_EQ(segmentsOfType(QStringLiteral("TEXT")).size(), 1);
    window->hideWaitingHUD();
    window->onActionAddTextTriggered();
    EXPECT_EQ(segmentsOfType(QStringLiteral("TEXT")).size(), 2);
}

// A library item shows in the place of the player; clicking it again closes it.
TEST_F(AddSegmentsTest, ClickingTheSameLibraryItemTwiceClosesItsPreview)
{
    const QString failure = openCaption();
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    ASSERT_TRUE(makePicture(QStringLiteral("still.png"), QStringLiteral("red")));
    const QString picture = dir + QStringLiteral("/still.png");
    window->mediaExplorer_onMediaItemClicked(picture, 2, picture, QPixmap(picture), QString());
    MediaPreviewWidget* preview = window->mediaPreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_FALSE(window->preview()->isVisible());
    EXPECT_EQ(preview->geometry(), window->_previewArea->rect().adjusted(28, 28, -28, -28));

    window->mediaExplorer_onMediaItemClicked(picture, 2, picture, QPixmap(picture), QString());
    EXPECT_FALSE(preview->isVisible());
    EXPECT_TRUE(window->preview()->isVisible());
    // A third click shows it again.
    window->mediaExplorer_onMediaItemClicked(picture, 2, picture, QPixmap(picture), QString());
    EXPECT_TRUE(preview->isVisible());
}

// A new drawing is a transparent picture at the highest movie size of the
// project's shape, written into the project at once.
TEST_F(AddSegmentsTest, NewDrawingIsWrittenAtTheHighestMovieSize)
{
    const QString failure = openCaption();
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    window->onActionAddSelfDrawTriggered();
    const QList<Segment*> drawings = segmentsOfType(QStringLiteral("DRAWING"));
    ASSERT_EQ(drawings.size(), 1);
    const QString file = drawings.value(0)->absoluteFilePath();
    EXPECT_TRUE(file.startsWith(dir + QLatin1Char('/'))) << file.toStdString();
    const QImage picture(file);
    EXPECT_EQ(picture.size(), QSize(3840, 2160));
    EXPECT_EQ(qAlpha(picture.pixel(100, 100)), 0);
    EXPECT_FLOAT_EQ(drawings.value(0)->duration(), UserSettings::instance()->drawingDuration());
    EXPECT_EQ(window->newestTrack()->segmentWidgetCount(), 0);
}

// A picture chosen while a picture tile is edited takes that tile's place:
// copied into the project first when assets are copied, one undo step.
TEST_F(AddSegmentsTest, ChosenPictureReplacesTheEditedOneAfterItsCopy)
{
    const QString failure = openOnePhoto();
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    QTemporaryDir outside;
    const QString blue = outside.path() + QStringLiteral("/blue.png");
    ASSERT_EQ(QProcess::execute(QStringLiteral("ffmpeg"), {"-v", "error", "-y", "-f", "lavfi", "-i",
                                                          "color=c=blue:s=64x48", "-frames:v", "1", blue}),
              0);
    auto* photo = dynamic_cast<ImageSegment*>(segmentByUId(*window, QStringLiteral("photo")));
    ASSERT_NE(photo, nullptr);
    tileOf(photo)->setEditing(true, false);
    const int before = steps();

    // Only a picture may take a picture's place.
    window->_replaceEditingSegmentPicture(blue, 1);
    EXPECT_EQ(photo->absoluteFilePath(), dir + QStringLiteral("/red.png"));

    UserSettings::instance()->setAutoCopyAssets(true);
    window->_replaceEditingSegmentPicture(blue, 2);
    UserSettings::instance()->setAutoCopyAssets(false);
    EXPECT_EQ(photo->absoluteFilePath(), dir + QStringLiteral("/blue.png"));
    EXPECT_TRUE(QFileInfo::exists(blue));
    EXPECT_EQ(steps(), before + 1);
    EXPECT_TRUE(window->projectManager()->isModified());
}

// Minimising closes the library preview; a window that left full screen
// some other way runs the toggle, one still in full screen does not.
TEST_F(AddSegmentsTest, WindowStateChangesCloseThePreviewAndFollowFullScreen)
{
    const QString failure = openCaption();
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    ASSERT_TRUE(makePicture(QStringLiteral("still.png"), QStringLiteral("green")));
    const QString picture = dir + QStringLiteral("/still.png");
    window->mediaExplorer_onMediaItemClicked(picture, 2, picture, QPixmap(picture), QString());
    ASSERT_TRUE(window->mediaPreview()->isVisible());
    window->showMinimized();
    EXPECT_TRUE(waitFor([&] { return !window->mediaPreview()->isVisible(); }, 3000));
    window->showNormal();

    window->_fullScreen = true;
    window->showFullScreen();
    QTest::qWait(100);
    EXPECT_EQ(window->fullScreenToggles, 0);
    window->showNormal();
    EXPECT_TRUE(waitFor([&] { return window->fullScreenToggles == 1; }, 3000));
    window->_fullScreen = false;
}

// The caption project of the aspect ("resolution" of its properties).
class NewTextAspectTest : public AddSegmentsTest, public ::testing::WithParamInterface<int>
{
};

// A new text's size is the size the style defaults give it on the canvas
// it is made on, whatever the project's shape: the engine draws it at that
// share of the canvas width.
TEST_P(NewTextAspectTest, AddTextSizesTheTextForTheCanvas)
{
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "A").set("TrackId", 4)
                                    .set("RangeStart", 0).set("RangeDuration", 2)));
    writeProject(dir, records);
    const QString properties = dir + QStringLiteral("/properties.xml");
    writeFile(properties, readFile(properties).replace("resolution=\"1\"",
                                                       "resolution=\"" + QByteArray::number(GetParam()) + '"'));
    const QString failure = openWrittenProjectIn(name, window);
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    ASSERT_EQ(window->projectManager()->resolution(), GetParam());
    ASSERT_TRUE(UserSettings::instance()->applyUserHabits());
    const SegmentStyleDefaults* defaults = SegmentStyleDefaults::instance();
    ASSERT_TRUE(defaults->textVideoSize.isEmpty());
    const QSize canvas = window->projectManager()->movieSize(window->_previewSizeLevel);
    AVComposition* composition = window->composition();
    ASSERT_TRUE(waitFor([&] { return QSize(composition->width(), composition->height()) == canvas; }, 5000));

    ASSERT_TRUE(triggerEntry(window.get(), QStringLiteral("Add Text")));

    const QList<Segment*> texts = segmentsOfType(QStringLiteral("TEXT"));
    ASSERT_EQ(texts.size(), 2);
    auto* added = static_cast<TextSegment*>(texts.value(0)->uid() == QLatin1String("caption") ? texts.value(1)
                                                                                               : texts.value(0));
    EXPECT_EQ(added->referenceSize(), QSizeF(canvas));
    const float share = defaults->textSize / float(canvas.width());
    AVTextSegment* layer = nullptr;
    EXPECT_TRUE(waitFor([&] {
        layer = dynamic_cast<AVTextSegment*>(composition->findSegment(uint32_t(added->serialNumber())));
        return layer && std::fabs(layer->fontScale() - share) < 1e-6f;
    }, 5000)) << "drawn at " << (layer ? layer->fontScale() : -1.0f) << " of the width, not " << share;
}

INSTANTIATE_TEST_SUITE_P(Aspects, NewTextAspectTest,
                         ::testing::Values(int(ProjectManager::Aspect16x9), 0, int(ProjectManager::Aspect1x1)),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(info.param == 0 ? "FourThree"
                                                                : info.param == 2 ? "Square" : "SixteenNine");
                         });

// The user's text style keeps the video size its size was set on: 96 at
// 1920x1080 is half as wide a share of the 960x540 canvas as 96 would be on
// it, and the saved text says so.
TEST_F(AddSegmentsTest, AddTextKeepsTheVideoSizeOfTheUsersTextStyle)
{
    const QString failure = openCaption();
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    AVComposition* composition = window->composition();
    ASSERT_TRUE(waitFor([&] { return composition->width() == 960 && composition->height() == 540; }, 5000));
    ASSERT_TRUE(UserSettings::instance()->applyUserHabits());
    const auto forget = qScopeGuard([] { SegmentStyleDefaults::reset(); });
    SegmentStyleDefaults::instance()->setTextSize(96.0f, QSizeF(1920, 1080));

    ASSERT_TRUE(triggerEntry(window.get(), QStringLiteral("Add Text")));
    const QList<Segment*> texts = segmentsOfType(QStringLiteral("TEXT"));
    ASSERT_EQ(texts.size(), 2);
    Segment* added = texts.value(0)->uid() == QLatin1String("caption") ? texts.value(1) : texts.value(0);
    window->_saveProject();

    EXPECT_EQ(savedAttribute(added->uid(), QStringLiteral("FontSize")).toStdString(), "96");
    EXPECT_EQ(savedAttribute(added->uid(), QStringLiteral("VideoSize")).toStdString(), "{1920,1080}");
    AVTextSegment* layer = nullptr;
    EXPECT_TRUE(waitFor([&] {
        layer = dynamic_cast<AVTextSegment*>(composition->findSegment(uint32_t(added->serialNumber())));
        return layer && std::fabs(layer->fontScale() - 96.0f / 1920.0f) < 1e-6f;
    }, 5000)) << "drawn at " << (layer ? layer->fontScale() : -1.0f) << " of the width, not 0.05";
}

// A text saved without a video size keeps its look when a text is added
// beside it: its size refers to the 1280 pixels wide reference of a 16:9
// project, not to the canvas.
TEST_F(AddSegmentsTest, ATextSavedWithoutAVideoSizeKeepsItsLook)
{
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "old").set("Text", "A").set("TrackId", 4)
                                    .set("RangeStart", 0).set("RangeDuration", 2).set("FontSize", 64)));
    const QString failure = openProject(records, window);
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    auto* old = static_cast<TextSegment*>(segmentByUId(*window, QStringLiteral("old")));
    ASSERT_TRUE(triggerEntry(window.get(), QStringLiteral("Add Text")));
    ASSERT_EQ(segmentsOfType(QStringLiteral("TEXT")).size(), 2);
    window->_saveProject();

    EXPECT_EQ(old->referenceSize(), QSizeF(1280, 720));
    EXPECT_EQ(savedAttribute(QStringLiteral("old"), QStringLiteral("FontSize")).toStdString(), "64");
    EXPECT_TRUE(savedAttribute(QStringLiteral("old"), QStringLiteral("VideoSize")).isNull());
    auto* layer = dynamic_cast<AVTextSegment*>(window->composition()->findSegment(uint32_t(old->serialNumber())));
    ASSERT_NE(layer, nullptr);
    EXPECT_FLOAT_EQ(layer->fontScale(), 64.0f / 1280.0f);
}

// The shutter the camera and the frame grab play: a short mono 16-bit WAV
// that starts loud and fades out.
TEST(ShutterSound, IsAShortFadingWavInTheResources)
{
    QFile file(QStringLiteral(":/assets/shutter.wav"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    ASSERT_GT(data.size(), 44);
    EXPECT_EQ(data.left(4), QByteArray("RIFF"));
    EXPECT_EQ(data.mid(8, 4), QByteArray("WAVE"));
    const int dataAt = data.indexOf("data");
    ASSERT_GT(dataAt, 0);
    const auto* samples = reinterpret_cast<const qint16*>(data.constData() + dataAt + 8);
    const int count = (data.size() - dataAt - 8) / 2;
    // 0.15 s at 44100 Hz.
    EXPECT_NEAR(count, 6615, 50);
    const auto peak = [&](int from, int to) {
        int loudest = 0;
        for (int index = from; index < to; ++index)
            loudest = std::max(loudest, std::abs(int(samples[index])));
        return loudest;
    };
    EXPECT_GT(peak(0, count / 4), 4000);
    EXPECT_LT(peak(count * 9 / 10, count), peak(0, count / 4) / 4);
}

} // namespace

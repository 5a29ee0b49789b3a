#include "OpeningWindow.h"

#include "AVAudioSegment.h"
#include "AVComposition.h"
#include "AVVideoSegment.h"
#include "AssetLoadingThreadPool.h"
#include "IsolatedSettings.h"
#include "MovieSegment.h"
#include "MultiLanguage.h"
#include "ProjectTestSupport.h"
#include "TestMedia.h"
#include "TextSegment.h"
#include "UserSettings.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>
#include <thread>

namespace {

const QString kName = QStringLiteral("Relays");

// The relay window with its play flags in view.
class RelayWindow : public OpeningWindow
{
public:
    using OpeningWindow::OpeningWindow;
    using MainWindow::onAVRenderProgressChanged;
    using MainWindow::onAVRenderStatusChanged;
    using MainWindow::onAVSegmentLoadStatusUpdated;
    using MainWindow::onSegmentRangeChanged;

    bool playing() const { return _playing; }
    bool reachedEnd() const { return _reachedEnd; }
    void setPlaying(bool playing) { _playing = playing; }
    int32_t keepPositionSerial() const { return _keepPositionSerial; }
    void setKeepPositionSerial(int32_t serial) { _keepPositionSerial = serial; }
};

class MainWindowRelays : public ::testing::Test
{
protected:
    void SetUp() override { dir = product.projectDir(kName); }

    AVSegment* engineSegment(RelayWindow& window, int32_t id)
    {
        return window.composition()->findSegment(uint32_t(id));
    }

    IsolatedSettings settings;
    TemporaryProduct product;
    QString dir;
};

} // namespace

TEST_F(MainWindowRelays, RangeReportsSetTheDurationOnTheGuiThreadOnlyWhenTheProjectGrows)
{
    RelayWindow window(kName, QSize(320, 180));
    window.projectManager()->setDuration(10.0f);
    QSignalSpy reports(&window, &MainWindow::segmentListener_segmentRangeChanged);
    TextSegment inside(QStringLiteral("in"), 2.0f, 5.0f, nullptr, nullptr);
    TextSegment beyond(QStringLiteral("out"), 8.0f, 4.5f, nullptr, nullptr);
    std::thread pool([&] {
        window.segmentRangeChanged(&inside);
        window.segmentRangeChanged(&beyond);
    });
    pool.join();
    // Only reported from the pool thread; the project is the GUI thread's.
    ASSERT_EQ(reports.count(), 1);
    EXPECT_FLOAT_EQ(reports.at(0).at(1).toFloat(), 12.5f);
    EXPECT_FLOAT_EQ(window.projectManager()->duration(), 10.0f);

    window.onSegmentRangeChanged(&beyond, 12.5f);
    EXPECT_FLOAT_EQ(window.projectManager()->duration(), 12.5f);
    // A report overtaken by a longer one does not shorten the project.
    window.onSegmentRangeChanged(&inside, 11.0f);
    EXPECT_FLOAT_EQ(window.projectManager()->duration(), 12.5f);
}

TEST_F(MainWindowRelays, RenderStatusesKeepThePlayFlags)
{
    RelayWindow window(kName, QSize(320, 180));
    window.onAVRenderStatusChanged(1);
    EXPECT_TRUE(window.playing());
    window.onAVRenderStatusChanged(3);
    EXPECT_TRUE(window.reachedEnd());
    EXPECT_TRUE(window.playing());
    window.onAVRenderStatusChanged(2);
    EXPECT_TRUE(window.reachedEnd());
    EXPECT_TRUE(window.playing());
    window.onAVRenderProgressChanged(1.0, 4.0);
    EXPECT_FALSE(window.reachedEnd());
    window.onAVRenderStatusChanged(3);
    // A picture drawn at the end itself, as the pause's settle draws one, leaves it reached.
    window.onAVRenderProgressChanged(4.0, 4.0);
    EXPECT_TRUE(window.reachedEnd());
    window.onAVRenderStatusChanged(0);
    EXPECT_FALSE(window.playing());
    EXPECT_FALSE(window.reachedEnd());
}

// The timeline's placeholders read the same in every language; the load
// messages follow the interface.
TEST_F(MainWindowRelays, TimelinePlaceholdersAreNotTranslated)
{
    RelayWindow window(kName, QSize(320, 180));
    MultiLanguage language;
    language.switchLanguage("de_DE");
    const QString loadError = window.segmentLoadErrorText(nullptr);
    const QString music = window.segmentMusicPlaceholderText(nullptr);
    const QString noText = window.segmentEmptyTextPlaceholder(nullptr);
    language.switchLanguage("en_US");
    EXPECT_EQ(loadError, "Ladefehler");
    EXPECT_EQ(music, "<Music>");
    EXPECT_EQ(noText, "<No text>");
}

// State 1 builds the engine segment whether or not the segment is in the
// project list yet; from the GUI thread it replaces the one there is.
TEST_F(MainWindowRelays, LoadedReportsBuildAndReplaceEngineSegments)
{
    RelayWindow window(kName, QSize(320, 180));
    if (!window.prepareEngine())
        GTEST_SKIP() << "no OpenGL context for the preview";
    auto* early = new TextSegment(QStringLiteral("early"), 0.0f, 2.0f, &window, nullptr);
    ASSERT_TRUE(waitFor([&] { return engineSegment(window, early->serialNumber()) != nullptr; }, 10000));
    window.projectManager()->appendSegment(early, nullptr);

    const QString path = dir + "/clip.mp4";
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("clip_h264_aac.mp4")), path));
    auto* movie = new MovieSegment(path, 0.0f, &window);
    window.projectManager()->appendSegment(movie, nullptr);
    ASSERT_TRUE(waitFor([&] { return movie->state() == 4; }, 30000));
    AVSegment* video = engineSegment(window, movie->serialNumber());
    AVSegment* sound = engineSegment(window, movie->secondEngineId());
    ASSERT_NE(video, nullptr);
    ASSERT_NE(sound, nullptr);

    // The allocator may place a rebuilt segment where the old one was, so
    // the old ones are marked (hidden) rather than told apart by address.
    video->setFlag2(0);
    sound->setFlag2(0);
    movie->setState(1);
    AVSegment* reloadedVideo = engineSegment(window, movie->serialNumber());
    AVSegment* reloadedSound = engineSegment(window, movie->secondEngineId());
    ASSERT_NE(reloadedVideo, nullptr);
    EXPECT_EQ(reloadedVideo->flag2(), 1);
    ASSERT_NE(reloadedSound, nullptr);
    EXPECT_EQ(reloadedSound->flag2(), 1);
    AssetLoadingThreadPool::instance()->cancelOrWaitForSegment(movie, 5000);
    window._finishClosing();
}

// A stream the hardware decoder could not open is rebuilt in software under
// the same id; the movie's sound stays as it is.
TEST_F(MainWindowRelays, AFailedHardwareOpenFallsBackToSoftware)
{
    RelayWindow window(kName, QSize(320, 180));
    if (!window.prepareEngine())
        GTEST_SKIP() << "no OpenGL context for the preview";
    UserSettings::instance()->setHardwareCodec(true);
    const QString path = dir + "/clip.mp4";
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("clip_h264_aac.mp4")), path));
    auto* movie = new MovieSegment(path, 0.0f, &window);
    window.projectManager()->appendSegment(movie, nullptr);
    ASSERT_TRUE(waitFor([&] { return movie->state() == 4; }, 30000));
    auto* video = dynamic_cast<AVVideoSegment*>(engineSegment(window, movie->serialNumber()));
    AVSegment* sound = engineSegment(window, movie->secondEngineId());
    ASSERT_NE(video, nullptr);
    ASSERT_FALSE(video->isSoftwareOnly());

    // A failure reported for the sound's id or a cancelled load is no decoder failure.
    window.onAVSegmentLoadStatusUpdated(movie->secondEngineId(), -1, 0, 1);
    window.onAVSegmentLoadStatusUpdated(movie->serialNumber(), -2, 0, 1);
    EXPECT_EQ(engineSegment(window, movie->serialNumber()), video);

    window.onAVSegmentLoadStatusUpdated(movie->serialNumber(), -1, 0, 1);
    auto* rebuilt = dynamic_cast<AVVideoSegment*>(engineSegment(window, movie->serialNumber()));
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_NE(rebuilt, video);
    EXPECT_TRUE(rebuilt->isSoftwareOnly());
    EXPECT_NEAR(rebuilt->duration(), movie->duration(), 1e-4);
    EXPECT_EQ(engineSegment(window, movie->secondEngineId()), sound);
    window._finishClosing();
}

// A new segment shows its start once loaded, unless its serial number asked
// to keep the play position; segments read from the project never move it.
TEST_F(MainWindowRelays, ANewlyLoadedSegmentMovesThePreviewToItsStart)
{
    std::vector<RecordBuilder> none;
    writeProject(dir, none);
    RelayWindow window(kName, QSize(320, 180));
    window.show();
    ASSERT_TRUE(window._openProject());
    if (!waitFor([&] { return window.preview() != nullptr; }, 5000) || !window.preview()->isValid())
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_TRUE(waitFor([&] { return window.loaderMessages.contains(ProjectLoaderAllLoaded); }, 10000));
    auto* inserted = new TextSegment(QStringLiteral("new"), 2.0f, 1.0f, &window, nullptr);
    window.projectManager()->appendSegment(inserted, nullptr);
    ASSERT_TRUE(inserted->isNewlyCreated());
    ASSERT_TRUE(waitFor([&] { return std::abs(window.engine()->currentTime() - 2.01f) < 1e-3f; }, 10000))
        << window.engine()->currentTime();

    auto* kept = new TextSegment(QStringLiteral("kept"), 5.0f, 1.0f, &window, nullptr);
    window.setKeepPositionSerial(kept->serialNumber());
    window.projectManager()->appendSegment(kept, nullptr);
    ASSERT_TRUE(waitFor([&] { return kept->state() == 4 && window.keepPositionSerial() == 0; }, 10000));
    QCoreApplication::processEvents();
    EXPECT_NEAR(window.engine()->currentTime(), 2.01f, 1e-3f);

    auto* stored = new TextSegment(QStringLiteral("stored"), 7.0f, 1.0f, &window, nullptr);
    stored->setNewlyCreated(false);
    window.projectManager()->appendSegment(stored, nullptr);
    ASSERT_TRUE(waitFor([&] { return stored->state() == 4; }, 10000));
    waitFor([] { return false; }, 200);
    EXPECT_NEAR(window.engine()->currentTime(), 2.01f, 1e-3f);
    window._finishClosing();
}

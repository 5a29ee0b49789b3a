// The local files page on a folder of real media: what it lists, the tool
// tips and click data its thumbnail tasks produce, its filter kept in
// "media.config", its cache and folder watching, and its end while tasks run.
#include "AssetLoadingThreadPool.h"
#include "ListDragProbe.h"
#include "LocalFilesTestSupport.h"
#include "LocalThumbnailsCache.h"
#include "PictureFormats.h"
#include "ThumbnailsCacheFolder.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>
#include <QThread>
#include <QUrl>

using namespace LocalFilesTest;

namespace {

class LocalFilesWidgetTest : public LocalFilesPageTest {
protected:
    void SetUp() override
    {
        LocalFilesPageTest::SetUp();
        // Newest first: the text file and the sub-folder must not show.
        copyFixture(folder.path(), "moving709_640x360.mp4", 6);
        copyFixture(folder.path(), "rotated90.mp4", 5);
        copyFixture(folder.path(), "picture.png", 4);
        copyFixture(folder.path(), "animation.gif", 3);
        copyFixture(folder.path(), "cover.mp3", 2);
        copyFixture(folder.path(), "tone440.wav", 1);
        QFile text(folder.filePath("notes.txt"));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("not media\n");
        text.close();
        setModified(folder.filePath("notes.txt"), kBaseTimeMs + 7000);
        ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));
    }

    struct Click {
        int type = 0;
        QString path;
        QSize imageSize;
        QString metadata;
    };

    Click click(const QString& name)
    {
        QSignalSpy clicked(page.get(), &LocalFilesWidget::fileItemClicked);
        QListWidgetItem* target = item(name);
        EXPECT_NE(target, nullptr) << name.toStdString();
        if (!target)
            return {};
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(target).center());
        EXPECT_TRUE(clicked.wait(5000) || clicked.count() == 1);
        if (clicked.count() != 1)
            return {};
        const QList<QVariant> arguments = clicked.first();
        return {arguments[0].toInt(), arguments[1].value<QFileInfo>().absoluteFilePath(),
                arguments[2].value<QPixmap>().size(), arguments[3].toString()};
    }
};

} // namespace

TEST_F(LocalFilesWidgetTest, ListsMediaNewestFirstWithTypesToolTipsAndClickData)
{
    makePage();
    ASSERT_TRUE(waitForItems(6)) << names().join(", ").toStdString();
    EXPECT_EQ(names(), (QStringList{"moving709_640x360.mp4", "rotated90.mp4", "picture.png", "animation.gif",
                                    "cover.mp3", "tone440.wav"}));
    QList<int> types;
    for (int row = 0; row < list()->count(); ++row)
        types << list()->item(row)->data(Qt::UserRole + 1).toInt();
    EXPECT_EQ(types, (QList<int>{1, 1, 2, 2, 3, 3}));
    EXPECT_EQ(item("moving709_640x360.mp4")->toolTip(), "moving709_640x360.mp4\n0:02\n640x360");
    EXPECT_EQ(item("rotated90.mp4")->toolTip(), "rotated90.mp4\n0:01\n240x320");
    EXPECT_EQ(item("picture.png")->toolTip(), "picture.png\n320x240");
    EXPECT_EQ(item("tone440.wav")->toolTip(), "tone440.wav\n0:03");
    EXPECT_EQ(item("moving709_640x360.mp4")->data(Qt::UserRole + 2).toString(), "0:02");

    const Click movie = click("moving709_640x360.mp4");
    EXPECT_EQ(movie.type, 1);
    EXPECT_EQ(movie.path, folder.filePath("moving709_640x360.mp4"));
    EXPECT_EQ(movie.metadata, "0:02;640x360;0");
    EXPECT_EQ(movie.imageSize, QSize(320, 180));
    EXPECT_EQ(click("rotated90.mp4").metadata, "0:01;240x320;90");
    EXPECT_EQ(click("rotated90.mp4").imageSize, QSize(240, 320));
    EXPECT_EQ(click("picture.png").metadata, "320x240");
    const Click cover = click("cover.mp3");
    EXPECT_EQ(cover.metadata, "0:01");
    EXPECT_EQ(cover.imageSize, QSize(320, 240)) << "the attached cover picture";
    const Click tone = click("tone440.wav");
    EXPECT_EQ(tone.type, 3);
    EXPECT_EQ(tone.imageSize, QSize(192, 192)) << "the placeholder of a sound without cover";
}

TEST_F(LocalFilesWidgetTest, AudioFilterIsKeptInTheSettings)
{
    makePage();
    ASSERT_TRUE(waitForItems(6));
    chooseFromMenu("filterButton", "Audio");
    EXPECT_EQ(names(), (QStringList{"cover.mp3", "tone440.wav"}));
    EXPECT_EQ(page->findChild<QPushButton*>("filterButton")->text(), "Audio");

    makePage();
    EXPECT_EQ(page->findChild<QPushButton*>("filterButton")->text(), "Audio");
    ASSERT_TRUE(waitForItems(2));
    EXPECT_EQ(names(), (QStringList{"cover.mp3", "tone440.wav"}));
    chooseFromMenu("filterButton", "All");
    EXPECT_EQ(list()->count(), 6);
}

TEST_F(LocalFilesWidgetTest, SecondPageTakesEverythingFromTheCache)
{
    makePage();
    ASSERT_TRUE(waitForItems(6));
    EXPECT_EQ(thumbnailedFiles(), QSet<QString>({"moving709_640x360.mp4", "rotated90.mp4", "picture.png",
                                                  "animation.gif", "cover.mp3", "tone440.wav"}));
    makePage(); // the first page saved its cache when it went
    ASSERT_TRUE(waitForItems(6));
    EXPECT_EQ(tasksStarted, 0);
    EXPECT_EQ(item("rotated90.mp4")->toolTip(), "rotated90.mp4\n0:01\n240x320");
    EXPECT_EQ(click("cover.mp3").imageSize, QSize(320, 240));
}

TEST_F(LocalFilesWidgetTest, TouchedFileIsRemadeAndNewFileRelists)
{
    makePage();
    ASSERT_TRUE(waitForItems(6));
    page.reset();
    const QString cached = LocalThumbnailsCache().rootPath() + "/" + ThumbnailsCacheFolder::hashText(folder.path())
                           + "/" + ThumbnailsCacheFolder::hashText("picture.png");
    ASSERT_TRUE(QFileInfo::exists(cached));
    setModified(folder.filePath("picture.png"), kBaseTimeMs + 4500);

    makePage();
    ASSERT_TRUE(waitForItems(6));
    EXPECT_EQ(thumbnailedFiles(), QSet<QString>{"picture.png"}) << "only the touched picture is made again";
    EXPECT_FALSE(QFileInfo::exists(cached)) << "the stale thumbnail is dropped";

    copyFixture(folder.path(), "small_40x20.png", 10);
    ASSERT_TRUE(waitForItems(7)) << "the folder change re-lists it";
    EXPECT_EQ(names().first(), "small_40x20.png");
    EXPECT_EQ(item("small_40x20.png")->toolTip(), "small_40x20.png\n40x20");
}

TEST_F(LocalFilesPageTest, NamesOfEqualHashShowTheirOwnColours)
{
    for (const auto& [name, colour] : {std::pair<QString, QString>{"Aa.png", "red"}, {"BB.png", "blue"}}) {
        ASSERT_TRUE(runFfmpeg({"-f", "lavfi", "-i", "color=c=" + colour + ":s=64x48", "-frames:v", "1"},
                              folder.filePath(name)));
        setModified(folder.filePath(name), kBaseTimeMs);
    }
    const auto centre = [this](const QString& name) {
        const QImage image = item(name)->icon().pixmap(64, 48).toImage();
        return image.pixelColor(image.width() / 2, image.height() / 2);
    };
    for (int run = 0; run < 2; ++run) {
        makePage();
        ASSERT_TRUE(waitForItems(2));
        EXPECT_TRUE(nearColour(centre("Aa.png"), Qt::red)) << "run " << run;
        EXPECT_TRUE(nearColour(centre("BB.png"), Qt::blue)) << "run " << run;
    }
}

namespace {

class PictureFormatPageTest : public LocalFilesPageTest, public ::testing::WithParamInterface<std::string> {};

} // namespace

TEST_P(PictureFormatPageTest, APictureOfEveryOfferedFormatListsWithItsThumbnail)
{
    const std::string extension = GetParam();
    const QString missing = PictureFormats::missingReason(extension);
    if (!missing.isEmpty())
        GTEST_SKIP() << qPrintable(missing);
    const QString name = "marks." + QString::fromStdString(extension);
    ASSERT_TRUE(QFile::copy(PictureFormats::fixture(extension), folder.filePath(name)));

    makePage();
    ASSERT_TRUE(waitForItems(1)) << names().join(", ").toStdString();
    EXPECT_EQ(list()->item(0)->data(Qt::UserRole + 1).toInt(), 2) << "listed as a picture";
    EXPECT_EQ(item(name)->toolTip().toStdString(), (name + "\n160x120").toStdString());
    const QImage thumbnail = item(name)->icon().pixmap(160, 120).toImage();
    EXPECT_TRUE(PictureFormats::showsMarks(thumbnail, thumbnail.rect(), extension));
}

INSTANTIATE_TEST_SUITE_P(Offered, PictureFormatPageTest, ::testing::ValuesIn(PictureFormats::extensions()),
                         PictureFormats::testName);

TEST_F(LocalFilesPageTest, MissingFolderSaysSo)
{
    makePage(folder.filePath("gone"));
    QLabel* label = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (QLabel* candidate : page->findChildren<QLabel*>()) {
                if (candidate->text() == "Directory not found" && candidate->isVisible())
                    label = candidate;
            }
            return label != nullptr;
        },
        kWaitMs));
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(label->geometry(), QRect(0, (page->height() - 40) / 2, page->width(), 40));
}

TEST_F(LocalFilesPageTest, DeletedWhileListingAndThumbnailingEndsCleanly)
{
    for (int i = 0; i < 300; ++i)
        ASSERT_TRUE(QFile::copy(TestMedia::path(i % 2 ? "picture.png" : "rotated90.mp4"),
                                folder.filePath(QString("file%1.%2").arg(i).arg(i % 2 ? "png" : "mp4"))));
    makePage();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tasksStarted > 0; }, kWaitMs));
    page.reset();
    // TearDown waits for the tasks; none may report into the deleted page.
    EXPECT_TRUE(QThreadPool::globalInstance()->waitForDone(kWaitMs));
    QCoreApplication::processEvents();
}

TEST_F(LocalFilesPageTest, ElementaryH264ClipListsItsRealLength)
{
    // An elementary stream states no duration anywhere in the file.
    ASSERT_TRUE(runFfmpeg({"-f", "lavfi", "-i", "testsrc2=s=160x120:r=30:d=2", "-c:v", "libx264", "-preset",
                           "veryfast", "-f", "h264"},
                          folder.filePath("elementary_h264.mpg")));
    makePage();
    ASSERT_TRUE(waitForItems(1));
    EXPECT_EQ(item("elementary_h264.mpg")->toolTip(), "elementary_h264.mpg\n0:02\n160x120");
}

TEST_F(LocalFilesPageTest, EngineDemoProbeCountsTheThumbnailsItWrote)
{
    const QString clip = folder.filePath("elementary.h264");
    ASSERT_TRUE(runFfmpeg({"-f", "lavfi", "-i", "testsrc2=s=160x120:r=30:d=2", "-c:v", "libx264", "-preset",
                           "veryfast", "-f", "h264"},
                          clip));
    const auto probe = [&](const QString& out) {
        QProcess demo;
        demo.start(VIDORNA_ENGINE_DEMO, {"probe", clip, "--out", out});
        EXPECT_TRUE(demo.waitForFinished(60000));
        return QString::fromUtf8(demo.readAllStandardOutput());
    };
    const QString out = folder.filePath("thumbnails");
    EXPECT_TRUE(probe(out).contains("thumbnails:   16 written")) << "all 16 from their own times";
    QSet<QByteArray> distinct;
    for (const QFileInfo& file : QDir(out).entryInfoList({"thumbnail_*.png"}, QDir::Files)) {
        QFile picture(file.absoluteFilePath());
        ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
        distinct.insert(picture.readAll());
    }
    EXPECT_EQ(distinct.size(), 16);

    // Names taken by folders cannot be written: those pictures do not count.
    const QString blocked = folder.filePath("blocked");
    for (int i = 0; i < 8; ++i)
        ASSERT_TRUE(QDir().mkpath(QDir(blocked).filePath(QString("thumbnail_%1.png").arg(i, 2, 10, QChar('0')))));
    EXPECT_TRUE(probe(blocked).contains("thumbnails:   8 written"));
}

namespace {

// Counts the debug lines that contain a text, while it exists.
class LogCounter {
public:
    explicit LogCounter(const char* text)
    {
        _text = text;
        _count = 0;
        _previous = qInstallMessageHandler(&LogCounter::_handle);
    }
    ~LogCounter() { qInstallMessageHandler(_previous); }
    int count() const { return _count; }

private:
    static void _handle(QtMsgType, const QMessageLogContext&, const QString& message)
    {
        if (message.contains(_text))
            ++_count;
    }
    static inline const char* _text = nullptr;
    static inline std::atomic<int> _count{0};
    QtMessageHandler _previous;
};

// Holds one thread of the project asset pool until released.
class BusyAssetTask : public QRunnable {
public:
    explicit BusyAssetTask(std::atomic<bool>& release)
        : _release(release)
    {
    }
    void run() override
    {
        while (!_release)
            QThread::msleep(5);
    }

private:
    std::atomic<bool>& _release;
};

} // namespace

TEST_F(LocalFilesWidgetTest, ListingWaitsForProjectLoadingWithoutSpinning)
{
    std::atomic<bool> release{false};
    AssetLoadingThreadPool::instance()->start(new BusyAssetTask(release));
    LogCounter waits("Still wait until project loading complete");
    makePage();
    std::atomic<int> listings{0};
    QObject::connect(page.get(), &LocalFilesWidget::beginLoadingFiles, page.get(), [&] { ++listings; },
                     Qt::DirectConnection);
    QTest::qWait(1500);
    EXPECT_EQ(listings, 0) << "no listing while the project's assets load";
    EXPECT_EQ(waits.count(), 1) << "the wait is logged once";
    release = true;
    ASSERT_TRUE(waitForItems(6));
    EXPECT_EQ(listings, 1);
    EXPECT_TRUE(AssetLoadingThreadPool::instance()->waitForDone(kWaitMs));
}

TEST_F(LocalFilesWidgetTest, DeletedWhileItsListingRunsEndsCleanly)
{
    makePage();
    ASSERT_TRUE(QTest::qWaitFor([&] { return listingsStarted > 0; }, kWaitMs));
    page.reset();
    EXPECT_TRUE(QThreadPool::globalInstance()->waitForDone(kWaitMs));
    QCoreApplication::processEvents(); // nothing queued for the page may arrive
}

TEST_F(LocalFilesWidgetTest, ClickQueuedBehindARebuildStillNamesItsFile)
{
    makePage();
    ASSERT_TRUE(waitForItems(6));
    QSignalSpy clicked(page.get(), &LocalFilesWidget::fileItemClicked);
    const QPoint where = list()->visualItemRect(item("cover.mp3")).center();
    // The rebuild is queued first: it deletes the clicked item before the click is handled.
    emit page->finishLoadingFiles(false);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, where);
    ASSERT_TRUE(clicked.wait(5000));
    EXPECT_EQ(clicked.first()[1].value<QFileInfo>().fileName(), "cover.mp3");
    EXPECT_EQ(clicked.first()[3].toString(), "0:01");
}

TEST_F(LocalFilesWidgetTest, MouseDragOfAFileCarriesItsUrl)
{
    makePage();
    ASSERT_TRUE(waitForItems(6));
    QListWidgetItem* picture = item("picture.png");
    ASSERT_TRUE(picture);
    const ListDragProbe::SeenDrag seen = ListDragProbe::dragItem(list(), picture);
    ASSERT_FALSE(seen.data.isEmpty()) << "no drag started";
    EXPECT_EQ(QUrl(QString::fromUtf8(seen.data.value("text/uri-list")).trimmed()),
              QUrl::fromLocalFile(folder.filePath("picture.png")));
    ASSERT_EQ(seen.picture.size(), list()->viewport()->size());
    EXPECT_GT(qAlpha(seen.picture.pixel(list()->visualItemRect(picture).center())), 0);
    EXPECT_EQ(qAlpha(seen.picture.pixel(list()->visualItemRect(item("cover.mp3")).center())), 0);
}

TEST_F(LocalFilesWidgetTest, LocationMenuListsAnAncestorFolder)
{
    makePage(folder.filePath("sub"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return tasksStarted == 0 && list()->count() == 0; }, kWaitMs));
    auto* dirButton = page->findChild<QPushButton*>("dirButton");
    EXPECT_EQ(dirButton->text(), "sub");
    chooseFromMenu("dirButton", QDir(folder.path()).dirName());
    EXPECT_EQ(dirButton->text(), QDir(folder.path()).dirName());
    ASSERT_TRUE(waitForItems(6));
    EXPECT_EQ(names().first(), "moving709_640x360.mp4");
}

TEST_F(LocalFilesWidgetTest, ListingOfAFolderLeftMeanwhileIsDropped)
{
    // "sub" holds many files: its listing takes longer than that of the six.
    for (int i = 0; i < 1000; ++i) {
        QFile empty(folder.filePath(QString("sub/empty%1.png").arg(i)));
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(folder.path()).mkpath("sub/leaf"));
    makePage(folder.filePath("sub/leaf"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return tasksStarted == 0 && list()->count() == 0; }, kWaitMs));
    QTest::qWait(200);

    // The listing of "sub" is held at its start until the next listing runs
    // too; then both list at once and "sub"'s finishes last.
    std::atomic<bool> holdNext{true};
    std::atomic<bool> held{false};
    QObject::connect(
        page.get(), &LocalFilesWidget::beginLoadingFiles, page.get(),
        [&] {
            if (!holdNext.exchange(false))
                return;
            held = true;
            QElapsedTimer clock;
            clock.start();
            while (QThreadPool::globalInstance()->activeThreadCount() < 2 && !clock.hasExpired(kWaitMs))
                QThread::msleep(5);
        },
        Qt::DirectConnection);
    chooseFromMenu("dirButton", "sub");
    ASSERT_TRUE(QTest::qWaitFor([&] { return held.load(); }, kWaitMs));
    chooseFromMenu("dirButton", QDir(folder.path()).dirName());
    // The next listing starts from a timer: the GUI thread keeps running.
    ASSERT_TRUE(QTest::qWaitFor([] { return QThreadPool::globalInstance()->activeThreadCount() == 0; }, kWaitMs));
    QTest::qWait(300);
    ASSERT_TRUE(QThreadPool::globalInstance()->waitForDone(kWaitMs));
    QCoreApplication::processEvents();

    EXPECT_EQ(page->findChild<QPushButton*>("dirButton")->text(), QDir(folder.path()).dirName());
    ASSERT_EQ(list()->count(), 6) << "the list shows another folder";
    EXPECT_EQ(names(), QStringList({"moving709_640x360.mp4", "rotated90.mp4", "picture.png", "animation.gif",
                                    "cover.mp3", "tone440.wav"}));
}

// The GIF search page against a local stand-in of the service: the requests
// it sends, what it caches and plays, clicks, downloads and drags.
#include "GiphyGifsCache.h"
#include "GiphyGifsWidgetItemDelegate.h"
#include "GiphyTestSupport.h"
#include "SmallFileSystem.h"
#include "TabsMediaExplorerWidget.h"

#include <QLineEdit>
#include <QMimeData>
#include <QMovie>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>

#include <cmath>

using namespace GiphyTest;

namespace {

QStringList ids(int count, const QString& prefix)
{
    QStringList made;
    for (int i = 0; i < count; ++i)
        made << prefix + QString::number(i);
    return made;
}

int runningMovies(GiphyGifsWidget* page)
{
    int running = 0;
    for (QMovie* movie : page->findChildren<QMovie*>())
        running += movie->state() == QMovie::Running;
    return running;
}

class GiphyPageTest : public ExplorerTest {
protected:
    // The explorer opened on the GIF tab with the trending list in.
    void openOnTrending(const QStringList& trending, int totalCount = 100)
    {
        serveTrending(trending, totalCount);
        writeTabIndex(4);
        makeExplorer();
        ASSERT_TRUE(waitForCount(trending.size()));
    }

    QListWidgetItem* itemWithId(const QString& id)
    {
        for (int row = 0; row < list()->count(); ++row) {
            if (list()->item(row)->data(Qt::UserRole + 1).toString() == id)
                return list()->item(row);
        }
        return nullptr;
    }

    void click(QListWidgetItem* item)
    {
        list()->scrollToItem(item);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(item).center());
    }

    void search(const QString& text)
    {
        auto* edit = page()->findChild<QLineEdit*>("lineEdit");
        edit->clear();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
};

TEST_F(GiphyPageTest, FirstStartFetchesTheRandomIdThenTrendingAndPlaysCachedPreviews)
{
    openOnTrending(ids(30, "g"));
    EXPECT_EQ(stub.requestsTo("/v1/randomid"), QStringList{QString("/v1/randomid?api_key=") + kApiKey});
    const QStringList trending = stub.requestsTo("/v1/gifs/trending");
    ASSERT_EQ(trending.size(), 1);
    const QUrlQuery query = queryOf(trending.first());
    EXPECT_EQ(query.queryItemValue("api_key"), kApiKey);
    EXPECT_EQ(query.queryItemValue("offset"), "0");
    EXPECT_EQ(query.queryItemValue("limit"), "30");
    EXPECT_EQ(query.queryItemValue("rating"), "g");
    EXPECT_EQ(query.queryItemValue("random_id"), "rid-7");
    EXPECT_EQ(QSettings().value("GiphyRandomId").toString(), "rid-7");
    EXPECT_EQ(list()->item(3)->toolTip(), "title g3\n160x120");

    // Every preview lands in the cache as served and plays in its cell.
    ASSERT_TRUE(QTest::qWaitFor([&] { return runningMovies(page()) == 30; }, kWaitMs));
    EXPECT_EQ(fileBytes(cacheFile("g0-fixed_width_small")), fileBytes(TestMedia::path("animation.gif")));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !list()->item(29)->data(GiphyGifsWidgetItemDelegate::FrameRole).value<QPixmap>().isNull(); },
        kWaitMs));
    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    EXPECT_TRUE(host->grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/giphy-page.png"));

    // Hidden behind another tab, nothing plays; back on the tab, all play again.
    auto* tabs = qobject_cast<TabsMediaExplorerWidget*>(explorer->widget());
    tabs->setCurrentTab(1);
    EXPECT_EQ(runningMovies(page()), 0);
    tabs->setCurrentTab(4);
    EXPECT_EQ(runningMovies(page()), 30);

    // At the bottom of the list the next page is asked for.
    serveTrending(ids(30, "h"), 100);
    QScrollBar* bar = list()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    ASSERT_TRUE(stub.waitForRequests("/v1/gifs/trending", 2));
    EXPECT_EQ(queryOf(stub.requestsTo("/v1/gifs/trending").at(1)).queryItemValue("offset"), "30");
    EXPECT_TRUE(waitForCount(60));
}

TEST_F(GiphyPageTest, LaterStartsUseTheStoredRandomIdAndStoredType)
{
    QSettings().setValue("GiphyRandomId", "kept-id");
    {
        QSettings config(configPath, QSettings::IniFormat);
        config.setValue("Giphy/Type", 1);
    }
    stub.setRoute("/v1/stickers/trending", 200, stub.listReply({{"s1", "sticker"}}, 0, 1));
    writeTabIndex(4);
    makeExplorer();
    ASSERT_TRUE(waitForCount(1));
    EXPECT_TRUE(stub.requestsTo("/v1/randomid").isEmpty());
    EXPECT_EQ(queryOf(stub.requestsTo("/v1/stickers/trending").value(0)).queryItemValue("random_id"), "kept-id");
}

TEST_F(GiphyPageTest, SearchIsSentEncodedAndReturnReplacesASlowTrendingRequest)
{
    serveTrending(ids(3, "t"), 3, 1.5);
    QList<QPair<QString, QString>> found{{"s0", "cats"}, {"s1", "dogs"}};
    stub.setRoute("/v1/gifs/search", 200, stub.listReply(found, 0, 2));
    writeTabIndex(4);
    makeExplorer();
    ASSERT_TRUE(stub.waitForRequests("/v1/gifs/trending", 1));
    search(" cats & dogs ");
    ASSERT_TRUE(stub.waitForRequests("/v1/gifs/search", 1));
    EXPECT_EQ(queryOf(stub.requestsTo("/v1/gifs/search").first()).queryItemValue("q", QUrl::FullyDecoded),
              "cats & dogs");
    ASSERT_TRUE(waitForCount(2));
    // Long enough for the trending reply to have come back, had it not been dropped.
    QTest::qWait(2000);
    ASSERT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->item(0)->text(), "cats");
    EXPECT_EQ(list()->item(1)->text(), "dogs");

    search("#tag c++");
    ASSERT_TRUE(stub.waitForRequests("/v1/gifs/search", 2));
    EXPECT_EQ(queryOf(stub.requestsTo("/v1/gifs/search").at(1)).queryItemValue("q", QUrl::FullyDecoded),
              "#tag c++");
}

TEST_F(GiphyPageTest, AFailedListRequestShowsTheTransportError)
{
    openOnTrending(ids(2, "e"));
    QSignalSpy messages(explorer.get(), &MediaExplorer::showTextMessage);
    search("nothing here");
    ASSERT_TRUE(messages.wait(kWaitMs));
    EXPECT_EQ(messages.first().first().toString(), "Network error (code=203)");
    EXPECT_EQ(list()->count(), 0);

    // The page is ready for the next request, which here answers no JSON.
    stub.setRoute("/v1/gifs/search", 200, "{\"data\": [");
    search("broken");
    ASSERT_TRUE(messages.wait(kWaitMs));
    EXPECT_TRUE(messages.last().first().toString().startsWith("Parse data error (code=")) << messages.last().first().toString().toStdString();
}

TEST_F(GiphyPageTest, AClickHandsOnThePreviewAtOnceAndTheOriginalOnceFetched)
{
    openOnTrending(ids(2, "c"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(cacheFile("c0-fixed_width_small")); }, kWaitMs));
    QSignalSpy clicked(explorer.get(), &MediaExplorer::mediaItemClicked);
    QSignalSpy finished(explorer.get(), &MediaExplorer::downloadFinished);
    click(itemWithId("c0"));
    ASSERT_TRUE(finished.wait(kWaitMs));
    ASSERT_GE(clicked.size(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toString(), "c0-fixed_width_small");
    EXPECT_EQ(clicked.at(0).at(1).toInt(), 4);
    EXPECT_EQ(clicked.at(0).at(2).toString(), cacheFile("c0-fixed_width_small"));
    EXPECT_FALSE(clicked.at(0).at(3).value<QPixmap>().isNull());
    EXPECT_EQ(clicked.at(0).at(4).toString(), "");
    EXPECT_EQ(finished.first().at(0).toInt(), 0);
    EXPECT_EQ(finished.first().at(1).toString(), "c0");
    const QString original = finished.first().at(2).toString();
    EXPECT_EQ(fileBytes(original), fileBytes(TestMedia::path("delays_100_100_200.gif")));
    // The click that asked for the file is handed on once more, with the file.
    ASSERT_TRUE(QTest::qWaitFor([&] { return clicked.size() == 2; }, kWaitMs));
    EXPECT_EQ(clicked.at(1).at(0).toString(), "c0-original");
    EXPECT_EQ(clicked.at(1).at(2).toString(), original);

    // Now cached: the next click emits the original and fetches nothing.
    const int originalsFetched = stub.requestsTo("/files/c0/original.gif").size();
    click(itemWithId("c0"));
    ASSERT_TRUE(clicked.wait(kWaitMs));
    EXPECT_EQ(clicked.last().at(0).toString(), "c0-original");
    QTest::qWait(300);
    EXPECT_EQ(stub.requestsTo("/files/c0/original.gif").size(), originalsFetched);
    EXPECT_EQ(finished.size(), 1);
}

TEST_F(GiphyPageTest, FailedDownloadsAreReportedWithTheirCode)
{
    openOnTrending(ids(3, "f"));
    QSignalSpy messages(explorer.get(), &MediaExplorer::showTextMessage);
    QSignalSpy finished(explorer.get(), &MediaExplorer::downloadFinished);
    QSignalSpy progress(explorer.get(), &MediaExplorer::showProgressHUD);
    QSignalSpy hidden(explorer.get(), &MediaExplorer::hideProgressHUD);

    stub.setRoute("/files/f0/original.gif", 404, "gone");
    click(itemWithId("f0"));
    ASSERT_TRUE(finished.wait(kWaitMs));
    EXPECT_EQ(finished.last(), (QList<QVariant>{203, "f0", ""}));
    EXPECT_EQ(messages.last().first().toString(), "Download error (code=203)");
    EXPECT_EQ(hidden.size(), 1);
    for (const QList<QVariant>& step : progress) {
        const float value = step.at(1).toFloat();
        EXPECT_TRUE(std::isfinite(value) && value >= 0.0f && value <= 1.0f) << value;
    }

    // A redirect is no file: Qt does not follow it, and the status is the code.
    stub.setRoute("/files/f1/original.gif", 302, "", 0, QJsonObject{{"Location", stub.url("/files/f2/original.gif")}});
    click(itemWithId("f1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished.size() == 2; }, kWaitMs));
    EXPECT_EQ(finished.last(), (QList<QVariant>{302, "f1", ""}));
    EXPECT_EQ(messages.last().first().toString(), "Download error (code=302)");
    EXPECT_FALSE(QFile::exists(cacheFile("f1-original")));

    // A file that cannot be written is a failed download, not a path to nothing.
    ASSERT_TRUE(QDir().mkpath(cacheFile("f2-original")));
    click(itemWithId("f2"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished.size() == 3; }, kWaitMs));
    EXPECT_EQ(finished.last(), (QList<QVariant>{GiphyGifsWidget::CacheWriteError, "f2", ""}));
}

TEST_F(GiphyPageTest, IdsThatAreNoFileNamesAreSkippedAndWriteNothing)
{
    QList<QPair<QString, QString>> items{{"../x", "escape"}, {"a/b", "slash"}, {"..", "up"}, {"ok", "fine"}};
    serveFiles("ok");
    stub.setRoute("/v1/gifs/trending", 200, stub.listReply(items, 0, 4));
    writeTabIndex(4);
    makeExplorer();
    ASSERT_TRUE(waitForCount(1));
    EXPECT_EQ(list()->item(0)->text(), "fine");

    QSignalSpy finished(explorer.get(), &MediaExplorer::downloadFinished);
    const QStringList before = QDir(Util::cacheLocation()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    explorer->downloadGiphyGif("../x", stub.url("/files/ok/original.gif"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished.size() == 1; }, kWaitMs));
    EXPECT_EQ(finished.first().at(0).toInt(), GiphyGifsWidget::CacheWriteError);
    EXPECT_EQ(QDir(Util::cacheLocation()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    EXPECT_FALSE(QFile::exists(QDir(Util::cacheLocation()).filePath("x-original")));
}

TEST_F(GiphyPageTest, ADownloadEndingAfterAListResetStillHandsOnTheClick)
{
    openOnTrending(ids(2, "p"));
    stub.setFileRoute("/files/p1/original.gif", TestMedia::path("delays_100_100_200.gif"), 1.0);
    QSignalSpy clicked(explorer.get(), &MediaExplorer::mediaItemClicked);
    QSignalSpy finished(explorer.get(), &MediaExplorer::downloadFinished);
    click(itemWithId("p1"));
    ASSERT_TRUE(clicked.wait(kWaitMs));
    // The list is emptied and refilled while the file is on its way.
    stub.setRoute("/v1/gifs/search", 200, stub.listReply({{"q0", "other"}}, 0, 1));
    search("other");
    ASSERT_TRUE(finished.wait(kWaitMs));
    EXPECT_EQ(finished.first().at(0).toInt(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return clicked.size() == 2; }, kWaitMs));
    EXPECT_EQ(clicked.at(1).at(0).toString(), "p1-original");
}

TEST_F(GiphyPageTest, ADragCarriesTheGifsLengthPathUrlAndScale)
{
    openOnTrending(ids(2, "d"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return runningMovies(page()) == 2; }, kWaitMs));
    const QModelIndex index = list()->model()->index(1, 0);
    std::unique_ptr<QMimeData> data(list()->model()->mimeData({index}));
    ASSERT_TRUE(data);
    EXPECT_EQ(data->data("media/giphy-gif-id"), "d1");
    EXPECT_EQ(data->data("media/giphy-gif-length"), "1");
    EXPECT_EQ(data->data("media/giphy-gif-scale"), "0.5");
    EXPECT_EQ(data->data("media/giphy-gif-path"), "");
    EXPECT_EQ(data->data("media/giphy-gif-url"), stub.url("/files/d1/original.gif").toUtf8());
    EXPECT_EQ(list()->model()->mimeTypes(), QStringList{"media/giphy-gif-item"});
}

TEST(GiphyGifsCacheTest, StoresOverwritesAndRefusesNamesOutsideItsFolder)
{
    IsolatedSettings isolated;
    GiphyGifsCache cache;
    EXPECT_EQ(cache.folder(), QDir(Util::cacheLocation()).filePath("Giphy"));
    EXPECT_EQ(cache.cachePathForId("a1", "original"), "");
    const QString path = cache.setCacheForId("first", "a1", "original");
    EXPECT_EQ(path, cache.folder() + "/a1-original");
    EXPECT_EQ(cache.cachePathForId("a1", "original"), path);
    EXPECT_EQ(cache.setCacheForId("second", "a1", "original"), path);
    EXPECT_EQ(fileBytes(path), "second");
    for (const QString& bad : {QString(), QString("."), QString(".."), QString("a/b"), QString("a\\b"),
                               QString("a") + QChar(0) + "b"}) {
        EXPECT_EQ(cache.setCacheForId("x", bad, "original"), "") << bad.toStdString();
        EXPECT_EQ(cache.cachePathForId(bad, "original"), "");
    }
    EXPECT_EQ(QDir(cache.folder()).entryList(QDir::Files), QStringList{"a1-original"});
}

// A GIF dropped on the timeline is copied from the cache into the project:
// on a full disk no cut file may pass for a cached one, and the old one stays.
TEST(GiphyGifsCacheTest, AFullDiskKeepsNoCutGif)
{
    IsolatedSettings isolated;
    GiphyGifsCache cache;
    SmallFileSystem disk(cache.folder());
    if (!disk.mounted)
        GTEST_SKIP() << "no file system of its own can be mounted here (not root?)";
    const QString old = cache.setCacheForId("old", "a1", "original");
    ASSERT_FALSE(old.isEmpty());
    ASSERT_TRUE(disk.fill());
    const QByteArray gif(5000, 'g');
    EXPECT_EQ(cache.setCacheForId(gif, "b2", "original").toStdString(), "");
    EXPECT_EQ(cache.cachePathForId("b2", "original").toStdString(), "") << "a cut GIF passes for a cached one";
    EXPECT_EQ(cache.setCacheForId(gif, "a1", "original").toStdString(), "");
    EXPECT_EQ(fileBytes(old), "old");
}

} // namespace

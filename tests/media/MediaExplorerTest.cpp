// The media explorer as the editor window drives it: which page opens, the
// settings it keeps, the clicks it relays and the calls before it exists.
#include "GiphyTestSupport.h"
#include "LocalFilesWidget.h"
#include "ResourceAssetsListWidget.h"
#include "ResourceAssetsWidget.h"
#include "RoundTabWidget.h"
#include "TabsMediaExplorerWidget.h"
#include "TooltipButton.h"

#include <QPushButton>
#include <QSignalSpy>

using namespace GiphyTest;

namespace {

class MediaExplorerTest : public ExplorerTest {
protected:
    QPushButton* tabButton(const QString& title) const
    {
        for (QPushButton* button : host->findChildren<QPushButton*>()) {
            if (button->text() == title)
                return button;
        }
        return nullptr;
    }
    TabsMediaExplorerWidget* tabs() const { return qobject_cast<TabsMediaExplorerWidget*>(explorer->widget()); }
};

TEST_F(MediaExplorerTest, TheStoredTabOpensAtStartAndOutOfRangeIndexesOpenTheFirst)
{
    serveTrending({"a"}, 1);
    writeTabIndex(4);
    makeExplorer();
    ASSERT_TRUE(page());
    EXPECT_TRUE(page()->isVisible());
    EXPECT_FALSE(host->findChild<LocalFilesWidget*>());
    EXPECT_EQ(tabButton("GIPHY")->property("highlighted").toBool(), true);
    EXPECT_EQ(tabButton("Local Files")->property("highlighted").toBool(), false);

    for (int index : {-1, 5, 99}) {
        TearDown();
        writeTabIndex(index);
        makeExplorer();
        EXPECT_EQ(tabs()->currentTab(), 0) << index;
        auto* local = host->findChild<LocalFilesWidget*>();
        ASSERT_TRUE(local) << index;
        EXPECT_TRUE(local->isVisible());
        EXPECT_FALSE(page());
    }
}

TEST_F(MediaExplorerTest, DestroyingTheExplorerWritesTheTabAndBothPagesSettings)
{
    serveTrending({"a"}, 1);
    writeTabIndex(0);
    makeExplorer();
    QTest::mouseClick(tabButton("GIPHY"), Qt::LeftButton);
    ASSERT_TRUE(waitForCount(1));
    QTest::mouseClick(tabButton("Sound FX"), Qt::LeftButton);
    EXPECT_FALSE(page()->isVisible());
    TearDown();
    QSettings config(configPath, QSettings::IniFormat);
    EXPECT_EQ(config.value("Tabs/Index").toInt(), 2);
    EXPECT_TRUE(config.contains("LocalFiles/Dir"));
    EXPECT_TRUE(config.contains("LocalFiles/View"));
    EXPECT_EQ(config.value("Giphy/Type", -1).toInt(), 0);
}

TEST_F(MediaExplorerTest, PagesAreMadeOnceAndKeptWhileHidden)
{
    writeTabIndex(1);
    makeExplorer();
    auto* music = host->findChild<ResourceAssetsWidget*>();
    ASSERT_TRUE(music);
    QTest::mouseClick(tabButton("Stickers"), Qt::LeftButton);
    QTest::mouseClick(tabButton("Music"), Qt::LeftButton);
    EXPECT_EQ(host->findChildren<ResourceAssetsWidget*>().size(), 2);
    EXPECT_TRUE(music->isVisible());
    int visible = 0;
    for (ResourceAssetsWidget* page : host->findChildren<ResourceAssetsWidget*>())
        visible += page->isVisible();
    EXPECT_EQ(visible, 1);
}

TEST_F(MediaExplorerTest, AClickOnABuiltInAssetReachesTheWindowWithItsMediaId)
{
    writeTabIndex(3);
    makeExplorer();
    QSignalSpy clicked(explorer.get(), &MediaExplorer::mediaItemClicked);
    auto* list = host->findChild<ResourceAssetsListWidget*>();
    ASSERT_TRUE(list && list->count() > 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    ASSERT_TRUE(clicked.wait(kWaitMs));
    const QString resPath = clicked.first().at(2).toString();
    EXPECT_TRUE(resPath.startsWith(":/")) << resPath.toStdString();
    EXPECT_EQ(clicked.first().at(0).toString(), QString::number(qHash(resPath, 0)));
    EXPECT_EQ(clicked.first().at(1).toInt(), 2);
    EXPECT_FALSE(clicked.first().at(3).value<QPixmap>().isNull());
}

TEST_F(MediaExplorerTest, CallsBeforeTheWidgetDoNothingAndOnlyTheFirstCreateBuilds)
{
    MediaExplorer early(isolated.root());
    QSignalSpy finished(&early, &MediaExplorer::downloadFinished);
    early.setInteractive(false);
    early.resize(QSize(10, 10));
    early.downloadGiphyGif("a", stub.url("/files/a/original.gif"));
    EXPECT_FALSE(early.hasWidget());

    writeTabIndex(0);
    makeExplorer();
    ASSERT_TRUE(explorer->hasWidget());
    MediaExplorerWidget* widget = explorer->widget();
    EXPECT_EQ(widget->geometry(), QRect(0, 0, 400, 300));
    QWidget otherParent;
    explorer->createWidget(&otherParent, false);
    EXPECT_EQ(explorer->widget(), widget);
    EXPECT_EQ(widget->parentWidget(), host.get());
    explorer->resize(QSize(500, 320));
    EXPECT_EQ(widget->geometry(), QRect(0, 0, 500, 320));

    // The GIF tab was never shown: a download request goes nowhere.
    serveFiles("a");
    explorer->downloadGiphyGif("a", stub.url("/files/a/original.gif"));
    QTest::qWait(300);
    EXPECT_TRUE(stub.requestsTo("/files/a/original.gif").isEmpty());
    EXPECT_EQ(finished.size(), 0);

    // Not interactive: a click on a tab changes nothing; interactive again, it does.
    // Clicked through the window, so that the click finds its widget as a user's would.
    QPushButton* music = tabButton("Music");
    const QPoint onMusic = music->mapTo(host.get(), music->rect().center());
    explorer->setInteractive(false);
    QTest::mouseClick(host->windowHandle(), Qt::LeftButton, {}, onMusic);
    EXPECT_EQ(tabs()->currentTab(), 0);
    explorer->setInteractive(true);
    QTest::mouseClick(host->windowHandle(), Qt::LeftButton, {}, onMusic);
    EXPECT_EQ(tabs()->currentTab(), 1);
}

TEST_F(MediaExplorerTest, TheButtonBarVariantMarksItsChoicesAndShowsNoPage)
{
    host = std::make_unique<QWidget>();
    host->resize(421, 239);
    explorer = std::make_unique<MediaExplorer>(isolated.root());
    explorer->createWidget(host.get(), false);
    host->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    auto* photos = host->findChild<TooltipButton*>("filterPictureButton");
    auto* videos = host->findChild<TooltipButton*>("filterVideoButton");
    auto* library = host->findChild<TooltipButton*>("locInappLibraryButton");
    auto* gallery = host->findChild<TooltipButton*>("locPhotoGalleryButton");
    ASSERT_TRUE(photos && videos && library && gallery);
    EXPECT_TRUE(videos->isChecked());
    EXPECT_TRUE(gallery->isChecked());
    QTest::mouseClick(photos, Qt::LeftButton);
    EXPECT_TRUE(photos->isChecked());
    EXPECT_FALSE(videos->isChecked());
    QTest::mouseClick(library, Qt::LeftButton);
    EXPECT_TRUE(library->isChecked());
    EXPECT_FALSE(gallery->isChecked());
    auto* highlight = host->findChild<RoundTabWidget*>();
    ASSERT_TRUE(highlight);
    EXPECT_EQ(highlight->geometry(), library->geometry().adjusted(0, -10, 0, 10));
    EXPECT_TRUE(host->findChild<QWidget*>("containerWidget")->findChildren<QWidget*>().isEmpty());
}

} // namespace

// The local files list as it is drawn: item sizes, the selection, the
// thumbnail's place in both views; screenshots of both are kept for review.
#include "LocalFilesTestSupport.h"
#include "LocalFilesWidgetItemDelegate.h"

#include <QScrollBar>
#include <QSlider>

using namespace LocalFilesTest;

namespace {

const QColor kSelection(44, 46, 50);

class LocalFilesPaintingTest : public LocalFilesPageTest {
protected:
    void SetUp() override
    {
        LocalFilesPageTest::SetUp();
        copyFixture(folder.path(), "moving709_640x360.mp4", 3);
        copyFixture(folder.path(), "picture.png", 2);
        copyFixture(folder.path(), "cover.mp3", 1);
    }

    QImage viewport() const { return list()->viewport()->grab().toImage(); }

    void keepScreenshot(const QString& name) const
    {
        QDir().mkpath(VIDORNA_ARTEFACT_DIR);
        page->grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/local-files-" + name + ".png");
    }
};

} // namespace

TEST(LocalFilesItemSize, GridSizesOfBothViews)
{
    EXPECT_EQ(LocalFilesWidgetItemDelegate::itemSize(0, 0), QSize(60, 80));
    EXPECT_EQ(LocalFilesWidgetItemDelegate::itemSize(1, 0), QSize(100, 120));
    EXPECT_EQ(LocalFilesWidgetItemDelegate::itemSize(2, 0), QSize(180, 200));
    EXPECT_EQ(LocalFilesWidgetItemDelegate::itemSize(0, 1), QSize(20, 20));
    EXPECT_EQ(LocalFilesWidgetItemDelegate::itemSize(1, 1), QSize(40, 40));
    EXPECT_EQ(LocalFilesWidgetItemDelegate::itemSize(2, 1), QSize(80, 80));
}

TEST_F(LocalFilesPaintingTest, IconViewDrawsSelectionThumbnailAndFlag)
{
    makePage();
    ASSERT_TRUE(waitForItems(3));
    QListWidgetItem* picture = item("picture.png");
    const QRect cell = list()->visualItemRect(picture);
    EXPECT_EQ(cell.size(), QSize(100, 120));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::qWait(100);
    QImage shot = viewport();
    EXPECT_TRUE(nearColour(shot.pixelColor(cell.left() + 4, cell.top() + 4), kSelection))
        << "the selected cell's rounded background";
    // picture.png is blue with a red top-left and a green bottom-right block,
    // fitted (80 x 60) into the 80 x 80 icon area below the 10 px margin.
    const QPoint iconTopLeft(cell.left() + 10, cell.top() + 10 + 10);
    EXPECT_TRUE(nearColour(shot.pixelColor(iconTopLeft + QPoint(5, 5)), Qt::red, 40));
    EXPECT_TRUE(nearColour(shot.pixelColor(iconTopLeft + QPoint(40, 30)), Qt::blue, 40));
    EXPECT_TRUE(nearColour(shot.pixelColor(iconTopLeft + QPoint(75, 55)), QColor(0, 128, 0), 40));
    keepScreenshot("icon-view");

    // The movie's flag sits in the top-left corner of its thumbnail, white.
    const QRect movie = list()->visualItemRect(item("moving709_640x360.mp4"));
    const QImage flagArea = shot.copy(movie.left() + 13, movie.top() + 10 + 23, 15, 8);
    int white = 0;
    for (int y = 0; y < flagArea.height(); ++y)
        for (int x = 0; x < flagArea.width(); ++x)
            white += nearColour(flagArea.pixelColor(x, y), Qt::white, 30) ? 1 : 0;
    EXPECT_GT(white, 40) << "the video flag over the thumbnail";
}

TEST_F(LocalFilesPaintingTest, ListViewAtLargestZoomPutsThumbnailLeftAndDurationRight)
{
    makePage();
    ASSERT_TRUE(waitForItems(3));
    chooseFromMenu("viewButton", "List Mode");
    page->findChild<QSlider*>("slider")->setValue(2);
    ASSERT_TRUE(waitForItems(3));
    QTest::qWait(300);
    const QRect row = list()->visualItemRect(item("picture.png"));
    EXPECT_EQ(row.height(), 80);
    const QImage shot = viewport();
    // An 80 x 80 square after the 10 px margin holds the 80 x 60 picture.
    EXPECT_TRUE(nearColour(shot.pixelColor(row.left() + 10 + 40, row.center().y()), Qt::blue, 40));
    EXPECT_TRUE(nearColour(shot.pixelColor(row.left() + 10 + 3, row.top() + 10 + 3), Qt::red, 40));
    // The movie's duration is grey text at the right end of its row.
    const QRect movie = list()->visualItemRect(item("moving709_640x360.mp4"));
    const QImage right = shot.copy(movie.right() - 60, movie.top(), 50, movie.height());
    int grey = 0;
    for (int y = 0; y < right.height(); ++y)
        for (int x = 0; x < right.width(); ++x) {
            const QColor c = right.pixelColor(x, y);
            grey += c.red() > 90 && std::abs(c.red() - c.blue()) < 10 && c.red() < 200 ? 1 : 0;
        }
    EXPECT_GT(grey, 5) << "the duration text";
    keepScreenshot("list-view");

    // A new page keeps the view and the zoom.
    makePage();
    ASSERT_TRUE(waitForItems(3));
    EXPECT_EQ(list()->viewMode(), QListView::ListMode);
    EXPECT_EQ(list()->visualItemRect(item("picture.png")).height(), 80);
}

TEST_F(LocalFilesPaintingTest, NarrowPageHidesTheZoomControls)
{
    makePage();
    auto* slider = page->findChild<QSlider*>("slider");
    page->resize(420, 400);
    QTest::qWait(50);
    EXPECT_FALSE(slider->isVisible());
    page->resize(430, 400);
    QTest::qWait(50);
    EXPECT_TRUE(slider->isVisible());
}

// Tiles of the projects list grabbed under the X server: cover cropping,
// missing covers, folder previews and the menu button.
#include "ProjectsListWidget.h"
#include "ProjectsListWidgetItemDelegate.h"
#include "ProjectsTestSupport.h"

#include <QProcess>

namespace {

// A cover made by ffmpeg: colour, with 200 px red columns at both sides when redSides.
bool makeCover(const QString& path, const QString& size, const QString& colour, bool redSides)
{
    QString filter = QString("color=c=%1:s=%2").arg(colour, size);
    if (redSides) {
        const int width = size.section('x', 0, 0).toInt();
        filter += QString(",drawbox=x=0:y=0:w=200:h=ih:color=red:t=fill,drawbox=x=%1:y=0:w=200:h=ih:color=red:t=fill")
                      .arg(width - 200);
    }
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-hide_banner", "-loglevel", "error", "-nostdin", "-y", "-f", "lavfi", "-i", filter,
                            "-frames:v", "1", "-q:v", "2", path});
    return ffmpeg.waitForFinished(30000) && ffmpeg.exitCode() == 0;
}

// Pixels of the rectangle matching the test, leaving out the rounded corners.
int countMatching(const QImage& image, const QRect& rect, const std::function<bool(QColor)>& test)
{
    int matching = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const bool nearCornerX = x < rect.left() + 3 || x > rect.right() - 3;
            const bool nearCornerY = y < rect.top() + 3 || y > rect.bottom() - 3;
            if (!(nearCornerX && nearCornerY) && test(image.pixelColor(x, y)))
                ++matching;
        }
    }
    return matching;
}

int pixelsIn(const QRect& rect)
{
    return rect.width() * rect.height() - 4 * 9;
}

bool isGreen(QColor c) { return c.green() > 200 && c.red() < 60 && c.blue() < 60; }
bool isBlack(QColor c) { return c.red() < 8 && c.green() < 8 && c.blue() < 8; }
bool isBlue(QColor c) { return c.blue() > 200 && c.red() < 60 && c.green() < 60; }
// The menu button's dots (#d8d8d8) on the dark tile.
bool isMenuDot(QColor c) { return c.red() > 150 && c.green() > 150 && c.blue() > 150; }

void saveArtefact(const QImage& image, const QString& name)
{
    QDir().mkpath(VIDORNA_ARTEFACT_DIR);
    image.save(QString(VIDORNA_ARTEFACT_DIR) + "/" + name + ".png");
}

} // namespace

class ProjectsListPaintingTest : public ProjectsTest
{
protected:
    void SetUp() override
    {
        ProjectsTest::SetUp();
        if (!makeCover(makeProject("Cover", true, {}) + "/shot.jpg", "1600x900", "0x00ff00", true))
            GTEST_SKIP() << "ffmpeg cannot make the cover picture";
        makeProject("Plain");
        makeFolder("Trips");
        ASSERT_TRUE(makeCover(makeProject("Trips/Paris") + "/shot.jpg", "300x500", "0x0000ff", false));
        ASSERT_TRUE(makeCover(makeProject("Trips/Rome") + "/shot.jpg", "500x300", "0x0000ff", false));
        const QDateTime noon(QDate::currentDate(), QTime(12, 0));
        setModified(projectPath("Cover/project.xml"), noon.addSecs(30));
        setModified(projectPath("Plain/project.xml"), noon.addSecs(20));
        list.move(100, 100);
        showForList(list);
    }

    QImage tile(const QString& name)
    {
        const QList<QListWidgetItem*> found = list.findItems(name, Qt::MatchExactly);
        EXPECT_FALSE(found.isEmpty());
        if (found.isEmpty())
            return QImage();
        QCoreApplication::processEvents();
        return list.viewport()->grab(list.visualItemRect(found.first())).toImage();
    }
    // The pointer moved over a viewport position, as the window system reports it.
    void pointAt(const QPoint& position)
    {
        QTest::mouseMove(list.windowHandle(), list.viewport()->mapTo(&list, position));
        QCoreApplication::processEvents();
    }
    QPoint tileCentre(const QString& name)
    {
        return list.visualItemRect(list.findItems(name, Qt::MatchExactly).first()).center();
    }

    ProjectsListWidget list{nullptr};
    const QRect picture{10, 22, 120, 96};
    const QRect menuButton{119, 147, 20, 20};
};

TEST_F(ProjectsListPaintingTest, TheCoverIsCroppedToTheTileAndAMissingCoverIsBlack)
{
    EXPECT_EQ(ProjectsListWidgetItemDelegate::pictureRect(QRect(0, 0, 140, 178)), picture);
    const QImage cover = tile("Cover");
    saveArtefact(cover, "projects-list-cover-tile");
    EXPECT_EQ(countMatching(cover, picture, isGreen), pixelsIn(picture));
    // The tile's picture stops at the picture area.
    EXPECT_FALSE(isGreen(cover.pixelColor(picture.left() + 60, picture.top() - 2)));
    EXPECT_FALSE(isGreen(cover.pixelColor(picture.left() + 60, picture.bottom() + 2)));

    const QImage plain = tile("Plain");
    EXPECT_EQ(countMatching(plain, picture, isBlack), pixelsIn(picture));
}

TEST_F(ProjectsListPaintingTest, AFolderShowsAPreviewPerProjectInTheTopRow)
{
    const QImage folder = tile("Trips");
    saveArtefact(folder, "projects-list-folder-tile");
    // The square's centre (69, 69) moved 10 px down; previews are 30 x 30.
    EXPECT_EQ(countMatching(folder, QRect(36 + 4, 46 + 4, 22, 22), isBlue), 22 * 22 - 36);
    EXPECT_EQ(countMatching(folder, QRect(72 + 4, 46 + 4, 22, 22), isBlue), 22 * 22 - 36);
    EXPECT_EQ(countMatching(folder, QRect(36, 82, 66, 30), isBlue), 0);
}

TEST_F(ProjectsListPaintingTest, TheMenuButtonShowsOnlyOnHoverOrSelection)
{
    pointAt(QPoint(600, 400));
    EXPECT_EQ(countMatching(tile("Cover"), menuButton, isMenuDot), 0);

    pointAt(tileCentre("Cover"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return countMatching(tile("Cover"), menuButton, isMenuDot) > 0; }, 3000));
    saveArtefact(tile("Cover"), "projects-list-cover-tile-hovered");
    // Never on the new-movie tile.
    pointAt(tileCentre("/NEW/"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return countMatching(tile("Cover"), menuButton, isMenuDot) == 0; }, 3000));
    EXPECT_EQ(countMatching(tile("/NEW/"), menuButton, isMenuDot), 0);

    pointAt(QPoint(600, 400));
    list.setCurrentItem(list.findItems("Cover", Qt::MatchExactly).first());
    EXPECT_GT(countMatching(tile("Cover"), menuButton, isMenuDot), 0);
}

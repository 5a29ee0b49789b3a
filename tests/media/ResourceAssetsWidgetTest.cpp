// The built-in assets page driven by real mouse events: its groups, its list,
// the clicks it hands on and the drag data it builds.
#include "AssetTable.h"
#include "ListDragProbe.h"
#include "ResourceAssetsListWidget.h"
#include "ResourceAssetsWidget.h"

#include <QDir>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

QListWidget* listOf(ResourceAssetsWidget& page)
{
    return page.findChild<ResourceAssetsListWidget*>("listWidget");
}

QPushButton* tagButton(ResourceAssetsWidget& page, const QString& title)
{
    for (QPushButton* button : page.findChildren<QPushButton*>()) {
        if (button->text() == title)
            return button;
    }
    return nullptr;
}

QListWidgetItem* itemTitled(QListWidget* list, const QString& title)
{
    const QList<QListWidgetItem*> found = list->findItems(title, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

// A page shown in a window on the explorer's dark background.
struct ShownPage {
    ShownPage(int viewMode, const AssetTable& table)
        : page(viewMode, table.groupTitles, table.groups, &window)
    {
        QPalette dark = window.palette();
        dark.setColor(QPalette::Window, QColor(31, 32, 35));
        window.setPalette(dark);
        window.setAutoFillBackground(true);
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(&page);
        window.resize(360, 480);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // Clicks the item and waits for the queued click to come out.
    QList<QVariant> click(QListWidgetItem* item)
    {
        QSignalSpy clicked(&page, &ResourceAssetsWidget::assetItemClicked);
        QListWidget* list = listOf(page);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(item).center());
        EXPECT_TRUE(clicked.wait(2000));
        return clicked.value(0);
    }

    // The item as the window shows it.
    QImage picture(QListWidgetItem* item)
    {
        QListWidget* list = listOf(page);
        const QRect rect = list->visualItemRect(item);
        return window.grab(QRect(list->viewport()->mapTo(&window, rect.topLeft()), rect.size())).toImage();
    }

    void saveScreenshot(const QString& name)
    {
        QDir().mkpath(VIDORNA_ARTEFACT_DIR);
        EXPECT_TRUE(window.grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/" + name));
    }

    QWidget window;
    ResourceAssetsWidget page;
};

bool near(QRgb pixel, const QColor& colour, int tolerance = 8)
{
    return std::abs(qRed(pixel) - colour.red()) <= tolerance && std::abs(qGreen(pixel) - colour.green()) <= tolerance
           && std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

// The columns from `from` on where the picture's middle band has the colour.
QList<int> columnsOf(const QImage& picture, const QColor& colour, int from)
{
    QList<int> columns;
    for (int x = from; x < picture.width(); ++x) {
        for (int y = picture.height() / 4; y < picture.height() * 3 / 4; ++y) {
            if (near(picture.pixel(x, y), colour, 20)) {
                columns.append(x);
                break;
            }
        }
    }
    return columns;
}

QMimeData* dragDataOf(QListWidget* list, QListWidgetItem* item)
{
    return list->model()->mimeData({list->model()->index(list->row(item), 0)});
}

} // namespace

TEST(ResourceAssetsWidget, MusicPageShowsItsOneGroupWithoutButtons)
{
    ShownPage shown(1, AssetTable::music());
    EXPECT_FALSE(shown.page.findChild<QWidget*>("tagsPanel")->isVisible());
    QListWidget* list = listOf(shown.page);
    ASSERT_EQ(list->count(), 13);
    EXPECT_EQ(list->item(0)->text(), "Love");
    EXPECT_EQ(list->item(0)->data(ResourceAssetsWidget::DurationTextRole).toString(), "0:29");
    EXPECT_EQ(list->item(6)->text(), "Moutain");
    EXPECT_EQ(list->item(6)->data(ResourceAssetsWidget::DurationTextRole).toString(), "0:47");
    EXPECT_EQ(list->viewMode(), QListView::ListMode);
}

TEST(ResourceAssetsWidget, DurationTextsCountWholeSeconds)
{
    EXPECT_EQ(ResourceAssetsWidget::durationText(29.11f), "0:29");
    EXPECT_EQ(ResourceAssetsWidget::durationText(0.0f), "0:00");
    EXPECT_EQ(ResourceAssetsWidget::durationText(59.99f), "0:59");
    EXPECT_EQ(ResourceAssetsWidget::durationText(754.0f), "12:34");
    EXPECT_EQ(ResourceAssetsWidget::durationText(3725.0f), "1:02:05");
}

TEST(ResourceAssetsWidget, SoundEffectGroupsSwitchByTheirButtons)
{
    ShownPage shown(1, AssetTable::soundEffects());
    EXPECT_TRUE(shown.page.findChild<QWidget*>("tagsPanel")->isVisible());
    EXPECT_EQ(shown.page.findChild<QWidget*>("tagsPanel")->findChildren<QPushButton*>().size(), 7);
    QPushButton* ambience = tagButton(shown.page, "Ambience");
    ASSERT_TRUE(ambience);
    EXPECT_TRUE(ambience->property("highlighted").toBool());
    QListWidget* list = listOf(shown.page);
    ASSERT_EQ(list->count(), 12);
    QListWidgetItem* firstItem = list->item(0);
    shown.saveScreenshot("resource-assets-sound-effects.png");

    // The selected group's button again: the very same items stay.
    QTest::mouseClick(ambience, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(list->item(0), firstItem);
    EXPECT_EQ(list->count(), 12);

    QPushButton* musical = tagButton(shown.page, "Musical");
    ASSERT_TRUE(musical);
    QTest::mouseClick(musical, Qt::LeftButton);
    EXPECT_TRUE(musical->property("highlighted").toBool());
    EXPECT_FALSE(ambience->property("highlighted").toBool());
    ASSERT_EQ(list->count(), 7);
    EXPECT_EQ(list->item(5)->text(), "Harp 2");
    // A click in the new group finds its record in that group.
    const QList<QVariant> harp = shown.click(list->item(6));
    EXPECT_EQ(harp.value(1).toString(), ":/soundfx/musical/Harp 1.mp3");
}

TEST(ResourceAssetsWidget, ButtonsFlowIntoRowsOfThePanelWidth)
{
    ShownPage shown(1, AssetTable::soundEffects());
    const auto buttonsTop = [&] {
        QList<int> tops;
        for (const QString& title : AssetTable::soundEffects().groupTitles)
            tops.append(tagButton(shown.page, title)->y());
        return tops;
    };
    shown.window.resize(2000, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(buttonsTop(), QList<int>({10, 10, 10, 10, 10, 10, 10}));
    EXPECT_EQ(tagButton(shown.page, "Ambience")->x(), 10);
    EXPECT_EQ(shown.page.findChild<QWidget*>("tagsPanel")->height(), 40);
    shown.window.resize(200, 400);
    QCoreApplication::processEvents();
    const QList<int> narrow = buttonsTop();
    EXPECT_GT(narrow.last(), 10);
    EXPECT_EQ(shown.page.findChild<QWidget*>("tagsPanel")->height(), narrow.last() + 30);
    for (const QString& title : AssetTable::soundEffects().groupTitles)
        EXPECT_LE(tagButton(shown.page, title)->geometry().right(), 200 - 10) << qPrintable(title);
}

TEST(ResourceAssetsWidget, ClickAndDragOfASoundCarryItsRecord)
{
    ShownPage shown(1, AssetTable::soundEffects());
    QListWidget* list = listOf(shown.page);
    QListWidgetItem* beep = itemTitled(list, "Beep");
    ASSERT_TRUE(beep);
    const QList<QVariant> clicked = shown.click(beep);
    ASSERT_EQ(clicked.size(), 4);
    EXPECT_EQ(clicked[0].toInt(), 3);
    EXPECT_EQ(clicked[1].toString(), ":/soundfx/ambience/Beep.mp3");
    EXPECT_EQ(clicked[2].value<QPixmap>().size(), QSize(192, 192));
    EXPECT_EQ(clicked[3].toString(), "1.07;0");

    EXPECT_EQ(list->model()->mimeTypes(), QStringList{"media/resource-asset-item"});
    std::unique_ptr<QMimeData> data(dragDataOf(list, beep));
    ASSERT_TRUE(data);
    EXPECT_EQ(data->data("media/resource-asset-length"), "1.07");
    EXPECT_EQ(data->data("media/resource-asset-type"), "3");
    EXPECT_EQ(data->data("media/resource-asset-path"), ":/soundfx/ambience/Beep.mp3");
    EXPECT_EQ(data->data("media/resource-asset-scale"), "0");
}

TEST(ResourceAssetsWidget, ClickAndDragOfAStickerCarryItsRecord)
{
    ShownPage shown(0, AssetTable::stickers());
    QListWidget* list = listOf(shown.page);
    EXPECT_EQ(list->viewMode(), QListView::IconMode);
    ASSERT_EQ(list->count(), 25);
    EXPECT_EQ(list->item(0)->data(ResourceAssetsWidget::DurationTextRole).toString(), "0:00");
    shown.saveScreenshot("resource-assets-stickers.png");

    const QList<QVariant> clicked = shown.click(list->item(0));
    ASSERT_EQ(clicked.size(), 4);
    EXPECT_EQ(clicked[0].toInt(), 2);
    EXPECT_EQ(clicked[1].toString(), ":/stickers/emoticons/Content/01.png");
    EXPECT_FALSE(clicked[2].value<QPixmap>().isNull());
    EXPECT_EQ(clicked[3].toString(), "0;0.5");

    std::unique_ptr<QMimeData> data(dragDataOf(list, list->item(0)));
    ASSERT_TRUE(data);
    EXPECT_EQ(data->data("media/resource-asset-length"), "0");
    EXPECT_EQ(data->data("media/resource-asset-type"), "2");
    EXPECT_EQ(data->data("media/resource-asset-path"), ":/stickers/emoticons/Content/01.png");
    EXPECT_EQ(data->data("media/resource-asset-scale"), "0.5");
}

TEST(ResourceAssetsWidget, ListRowsShowPictureTitleAndDurationAndTheSelection)
{
    ShownPage shown(1, AssetTable::soundEffects());
    QListWidget* list = listOf(shown.page);
    QListWidgetItem* ghost = itemTitled(list, "Launghing Ghost");
    ASSERT_TRUE(ghost);
    const QColor background(31, 32, 35);
    const QColor selection(44, 46, 50);
    const QImage plain = shown.picture(ghost);
    const int middle = plain.height() / 2;
    EXPECT_TRUE(near(plain.pixel(3, middle), background));
    // The placeholder fills the square at the left, 10 pixels in.
    EXPECT_TRUE(near(plain.pixel(12, 3), selection));
    // The title in white after the picture, the duration in grey at the right.
    const int textLeft = 10 + plain.height() + 10;
    const QList<int> white = columnsOf(plain, Qt::white, 10 + plain.height());
    ASSERT_FALSE(white.isEmpty());
    EXPECT_GE(white.first(), textLeft);
    EXPECT_LT(white.first(), textLeft + 3);
    // (The title's anti-aliased edges hold greys too: look right of it.)
    const QList<int> grey = columnsOf(plain, QColor(162, 162, 162), white.last() + 1);
    ASSERT_FALSE(grey.isEmpty());
    EXPECT_GT(grey.first(), plain.width() * 3 / 4);
    EXPECT_LE(grey.last(), plain.width() - 10 - 10);
    EXPECT_GE(grey.last(), plain.width() - 10 - 10 - 3);

    shown.click(ghost);
    EXPECT_TRUE(near(shown.picture(ghost).pixel(3, middle), selection));
}

// The title starts where the local files list starts its names: 10 px past
// the picture square's last column. Ink is compared with the title painted
// at that place, so the glyph's own side bearing cancels out.
TEST(ResourceAssetsWidget, ListRowTitleStartsTenPixelsPastThePictureSquare)
{
    ShownPage shown(1, AssetTable::soundEffects());
    QListWidgetItem* ghost = itemTitled(listOf(shown.page), "Launghing Ghost");
    ASSERT_TRUE(ghost);
    const QImage row = shown.picture(ghost);
    const QRect square(10, 0, row.height(), row.height());
    QImage expected(row.size(), QImage::Format_RGB32);
    expected.fill(QColor(31, 32, 35));
    QPainter painter(&expected);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::white);
    painter.setFont(QFont());
    painter.drawText(QRect(square.right() + 10, 0, row.width(), row.height()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, ghost->text());
    painter.end();
    const QList<int> shownInk = columnsOf(row, Qt::white, square.right() + 1);
    const QList<int> expectedInk = columnsOf(expected, Qt::white, square.right() + 1);
    ASSERT_FALSE(shownInk.isEmpty());
    ASSERT_FALSE(expectedInk.isEmpty());
    EXPECT_EQ(shownInk.first(), expectedInk.first());
}

TEST(ResourceAssetsWidget, IconCellsShowThePictureInsideTheirMargin)
{
    ShownPage shown(0, AssetTable::stickers());
    QListWidgetItem* first = listOf(shown.page)->item(0);
    const QImage cell = shown.picture(first);
    ASSERT_EQ(cell.size(), QSize(80, 80));
    const QColor background(31, 32, 35);
    for (const QPoint& point : {QPoint(5, 40), QPoint(40, 5), QPoint(75, 40), QPoint(40, 75)})
        EXPECT_TRUE(near(cell.pixel(point), background)) << point.x() << "," << point.y();
    // The emoticon's yellow face in the middle.
    const QRgb centre = cell.pixel(30, 52);
    EXPECT_GT(qRed(centre), 200);
    EXPECT_GT(qGreen(centre), 140);
    EXPECT_LT(qBlue(centre), 100);
}

TEST(ResourceAssetsWidget, MouseDragOfAStickerCarriesItsRecordAndPicture)
{
    ShownPage shown(0, AssetTable::stickers());
    QListWidget* list = listOf(shown.page);
    QListWidgetItem* item = list->item(6);
    const ListDragProbe::SeenDrag seen = ListDragProbe::dragItem(list, item);
    ASSERT_FALSE(seen.data.isEmpty()) << "no drag started";
    EXPECT_EQ(seen.data.value("media/resource-asset-type"), "2");
    EXPECT_EQ(seen.data.value("media/resource-asset-path"), ":/stickers/emoticons/Content/07.png");
    EXPECT_EQ(seen.data.value("media/resource-asset-scale"), "0.5");
    EXPECT_EQ(seen.data.value("media/resource-asset-length"), "0");

    // The picture covers the list's visible part: the dragged cell half
    // transparent where it is on screen, the rest clear.
    ASSERT_EQ(seen.picture.size(), list->viewport()->size());
    const QRect cell = list->visualItemRect(item);
    const int alpha = qAlpha(seen.picture.pixel(cell.center()));
    EXPECT_GT(alpha, 100);
    EXPECT_LT(alpha, 156);
    EXPECT_EQ(qAlpha(seen.picture.pixel(list->visualItemRect(list->item(0)).center())), 0);
    // Held where the mouse is, last moved 40 pixels right and down of the cell's centre.
    EXPECT_EQ(seen.hotSpot, cell.center() + QPoint(40, 40));
}

TEST(ResourceAssetsWidget, ClickHandledAfterAGroupSwitchHandsOnNothingStale)
{
    ShownPage shown(1, AssetTable::soundEffects());
    QListWidget* list = listOf(shown.page);
    QSignalSpy clicked(&shown.page, &ResourceAssetsWidget::assetItemClicked);
    QListWidgetItem* beep = itemTitled(list, "Beep");
    ASSERT_TRUE(beep);
    list->scrollToItem(beep);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(beep).center());
    // The group changes before the queued click is handled: Beep's item is gone.
    QPushButton* musical = tagButton(shown.page, "Musical");
    ASSERT_TRUE(musical);
    musical->click();
    ASSERT_EQ(list->count(), 7);
    QTest::qWait(50);
    for (const QList<QVariant>& click : clicked)
        EXPECT_EQ(click.value(1).toString(), ":/soundfx/ambience/Beep.mp3");
}

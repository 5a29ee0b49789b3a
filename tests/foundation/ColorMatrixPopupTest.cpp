#include "ColorMatrixPaletteWidget.h"
#include "ColorPickerWidget.h"
#include "IsolatedSettings.h"
#include "PopupColorMatrixWidget.h"
#include "SliderPopupTestSupport.h"
#include "TestMedia.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>

namespace {

void deleteLaterNow()
{
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<QRgb> storedRecentColors()
{
    QSettings settings;
    QList<QRgb> colors;
    const int count = settings.beginReadArray("RecentColors");
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        colors.append(settings.value("color").toUInt());
    }
    settings.endArray();
    return colors;
}

ColorMatrixPaletteWidget* panel(PopupColorMatrixWidget* popup, const char* name)
{
    return popup->findChild<ColorMatrixPaletteWidget*>(name);
}

// Clicks cell index of a grid the way a user does, through the window.
void clickCell(QWidget& window, ColorMatrixPaletteWidget* grid, int index)
{
    const QPoint inGrid = grid->cellRects().at(index).center().toPoint();
    clickWindowAt(window, grid->mapTo(&window, inGrid));
}

// The colours the row shows on screen, read back from its painting.
QList<QRgb> paintedCells(ColorMatrixPaletteWidget* grid)
{
    const QImage image = grid->grab().toImage();
    QList<QRgb> colors;
    for (const QRectF& cell : grid->cellRects())
        colors.append(image.pixelColor(cell.center().toPoint()).rgb());
    return colors;
}

TEST(ColorMatrixPopup, RecentColorsKeepTenOpaqueAndTheRowStaysPutWhileOpen)
{
    IsolatedSettings isolated;
    HostWindow host;
    host.showFocused(QSize(1000, 800));
    QList<QColor> matrix = PopupColorMatrixWidget::matrixColors();
    ASSERT_EQ(matrix.size(), 80);
    EXPECT_EQ(matrix[16], QColor(0x4A, 0x86, 0xE8));
    EXPECT_EQ(matrix[79], QColor(0x4C, 0x11, 0x30));

    // Nothing stored and nothing chosen: nothing is written.
    auto* popup = new PopupColorMatrixWidget(&host);
    popup->showInWidgetWithPicker(&host, QPoint(0, 0), false);
    EXPECT_EQ(popup->mainWidget()->geometry(), QRect(10, 200, 350, 400));
    EXPECT_TRUE(panel(popup, "recentlyUsedColorsPanel")->cellRects().isEmpty());
    popup->dismiss();
    deleteLaterNow();
    EXPECT_FALSE(QSettings().contains("RecentColors/size"));

    // Ten clicks on the matrix and a translucent colour from the dialog.
    popup = new PopupColorMatrixWidget(&host);
    QSignalSpy selected(popup, &PopupColorMatrixWidget::colorMatrixPopupColorSelected);
    popup->showInWidgetWithPicker(&host, QPoint(500, 400), false);
    for (int i = 0; i < 10; ++i)
        clickCell(host, panel(popup, "palettePanel"), 10 + i);
    ASSERT_EQ(selected.size(), 10);
    EXPECT_EQ(selected.last().at(1).value<QColor>(), matrix[19]);
    popup->addRecentColor(QColor(10, 20, 30, 100));
    EXPECT_TRUE(panel(popup, "recentlyUsedColorsPanel")->cellRects().isEmpty());
    popup->dismiss();
    deleteLaterNow();

    QList<QRgb> expected{qRgb(10, 20, 30)};
    for (int i = 19; i > 10; --i)
        expected.append(matrix[i].rgb());  // the oldest, matrix[10], dropped
    EXPECT_EQ(storedRecentColors(), expected);

    // The next popup shows that order; choosing a recent colour moves it to
    // the front of the list but not on screen.
    popup = new PopupColorMatrixWidget(&host);
    popup->showInWidgetWithPicker(&host, QPoint(500, 400), false);
    ColorMatrixPaletteWidget* row = panel(popup, "recentlyUsedColorsPanel");
    ASSERT_EQ(row->cellRects().size(), 10);
    EXPECT_EQ(paintedCells(row), expected);
    clickCell(host, row, 4);
    EXPECT_EQ(popup->recentColors().first().rgb(), expected[4]);
    EXPECT_EQ(paintedCells(row), expected);
    popup->dismiss();
    deleteLaterNow();
    EXPECT_EQ(storedRecentColors().first(), expected[4]);
}

TEST(ColorMatrixPopup, StoredValuesComeBackOpaqueTextAsBlackAndAtMostTen)
{
    IsolatedSettings isolated;
    const QList<QColor> matrix = PopupColorMatrixWidget::matrixColors();
    {
        QSettings settings;
        settings.beginWriteArray("RecentColors");
        for (int i = 0; i < 12; ++i) {
            settings.setArrayIndex(i);
            settings.setValue("color", uint(matrix[10 + i].rgb()));
        }
        settings.setArrayIndex(0);
        settings.setValue("color", 0x40FF8000u);
        settings.setArrayIndex(1);
        settings.setValue("color", "not a colour");
        settings.endArray();
    }
    HostWindow host;
    host.showFocused(QSize(1000, 800));
    auto* popup = new PopupColorMatrixWidget(&host);
    popup->showFullscreenInWidgetWithPicker(&host, false);
    EXPECT_EQ(popup->recentColors(), QList<QColor>({QColor(255, 128, 0), QColor(0, 0, 0)}) + matrix.mid(12, 8));
    EXPECT_EQ(panel(popup, "recentlyUsedColorsPanel")->cellRects().size(), 10);
    EXPECT_TRUE(popup->findChild<QPushButton*>("colorPickerButton")->isHidden());
    EXPECT_EQ(popup->mainWidget()->geometry(), QRect(0, 0, 1000, 800));
    delete popup;
    EXPECT_EQ(storedRecentColors().size(), 10);
}

// An owner of the eyedropper: hands out the test picture shown at frame.
struct PictureOwner {
    QImage picture{TestMedia::path("picture.png")};
    QRect frame{100, 100, 640, 480};
    int requests = 0;

    void connectTo(PopupColorMatrixWidget* popup)
    {
        QObject::connect(popup, &PopupColorMatrixWidget::colorMatrixPopupColorPickingImageNeeded, popup,
                         [this](PopupColorMatrixWidget*, QImage* image) {
                             ++requests;
                             *image = picture;
                         }, Qt::DirectConnection);
        QObject::connect(popup, &PopupColorMatrixWidget::colorMatrixPopupGetPlaybackAreaFrame, popup,
                         [this](PopupColorMatrixWidget*, QRect* rect) { *rect = frame; }, Qt::DirectConnection);
    }
};

TEST(ColorMatrixPopup, EyedropperDraggedByMouseReadsThePictureUpToItsEdges)
{
    IsolatedSettings isolated;
    PictureOwner owner;
    if (owner.picture.isNull())
        GTEST_SKIP() << "picture.png was not made by the fixture script";
    HostWindow host;
    host.showFocused(QSize(1000, 800));
    auto* popup = new PopupColorMatrixWidget(&host);
    owner.connectTo(popup);
    QSignalSpy selected(popup, &PopupColorMatrixWidget::colorMatrixPopupColorSelected);
    popup->showInWidgetWithPicker(&host, QPoint(850, 400), true);
    auto* button = popup->findChild<QPushButton*>("colorPickerButton");
    clickOn(host, button);
    ASSERT_TRUE(popup->isColorPicking());
    auto* eyedropper = popup->findChild<ColorPickerWidget*>();
    ASSERT_NE(eyedropper, nullptr);
    EXPECT_EQ(eyedropper->geometry(), QRect(359, 279, 120, 120));
    EXPECT_TRUE(near(eyedropper->color(), Qt::blue));

    // Far beyond the top-left corner: the centre stops on the picture's edge.
    dragFrom(host, centreIn(host, eyedropper), QPoint(-600, -600));
    EXPECT_EQ(eyedropper->pos(), QPoint(101 - 60, 101 - 60));
    ASSERT_EQ(selected.size(), 1);
    EXPECT_TRUE(near(selected.last().at(1).value<QColor>(), Qt::red));
    EXPECT_TRUE(popup->mainWidget()->isVisible());
    dragFrom(host, centreIn(host, eyedropper), QPoint(2000, 2000));
    EXPECT_EQ(eyedropper->pos(), QPoint(740 - 60, 580 - 60));
    EXPECT_TRUE(near(eyedropper->color(), QColor(0, 128, 0), 12));
    EXPECT_EQ(popup->recentColors().first(), eyedropper->color());

    // Off and on again reuses the picture; a press away from the eyedropper
    // is no drag but, outside the card, dismisses the floating popup.
    popup->setPopupVisible(false);
    EXPECT_FALSE(popup->isColorPicking());
    EXPECT_FALSE(button->isChecked());
    clickOn(host, button);
    EXPECT_TRUE(popup->isColorPicking());
    EXPECT_EQ(owner.requests, 1);
    QPointer<PopupColorMatrixWidget> guard(popup);
    clickWindowAt(host, QPoint(200, 650));
    EXPECT_FALSE(popup->isDraggingEyedropper());
    EXPECT_EQ(selected.size(), 2);
    deleteLaterNow();
    EXPECT_TRUE(guard.isNull());
}

// An owner that embeds the popup in a card beside the preview, puts the
// picture on itself and hands its mouse events to the popup, as a panel
// holding the colour matrix does.
class EmbeddingHost : public QWidget
{
public:
    EmbeddingHost() { card = new QWidget(this); }
    QWidget* card;
    QPointer<PopupColorMatrixWidget> popup;

protected:
    void mousePressEvent(QMouseEvent* event) override { forward(event); }
    void mouseMoveEvent(QMouseEvent* event) override { forward(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { forward(event); }

private:
    void forward(QMouseEvent* event)
    {
        if (popup && popup->isColorPicking())
            QApplication::sendEvent(popup, event);
    }
};

TEST(ColorMatrixPopup, EmbeddedEyedropperAsksTheOwnerToHideItsCardOnlyDuringTheDrag)
{
    IsolatedSettings isolated;
    PictureOwner owner;
    if (owner.picture.isNull())
        GTEST_SKIP() << "picture.png was not made by the fixture script";
    owner.frame = QRect(0, 0, 320, 240);
    EmbeddingHost host;
    showForInput(host, QSize(1000, 500));
    host.card->setGeometry(600, 0, 400, 500);
    host.popup = new PopupColorMatrixWidget(host.card);
    owner.connectTo(host.popup);
    QObject::connect(host.popup, &PopupColorMatrixWidget::colorMatrixPopupGetColorPickingLabelParent, &host,
                     [&host](PopupColorMatrixWidget*, QWidget*& parent) { parent = &host; },
                     Qt::DirectConnection);
    QSignalSpy hidden(host.popup, &PopupColorMatrixWidget::colorMatrixPopupSetParentWidgetHidden);
    host.popup->showFullscreenInWidgetWithPicker(host.card, true);
    EXPECT_EQ(host.popup->mainWidget()->geometry(), QRect(0, 0, 400, 500));
    auto* button = host.popup->findChild<QPushButton*>("colorPickerButton");
    clickOn(host, button);
    auto* eyedropper = host.findChild<ColorPickerWidget*>();
    ASSERT_NE(eyedropper, nullptr);
    EXPECT_EQ(eyedropper->parentWidget(), &host);
    dragFrom(host, centreIn(host, eyedropper), QPoint(-100, -100));
    ASSERT_EQ(hidden.size(), 2);
    EXPECT_TRUE(hidden.at(0).at(1).toBool());
    EXPECT_FALSE(hidden.at(1).at(1).toBool());
    EXPECT_TRUE(near(eyedropper->color(), Qt::red));
    delete host.popup;
    EXPECT_EQ(host.findChild<ColorPickerWidget*>(), nullptr);
    EXPECT_EQ(host.findChild<QLabel*>(), nullptr);
}

TEST(ColorMatrixPopup, WithoutAPictureOrItsFrameTheEyedropperStaysSafe)
{
    IsolatedSettings isolated;
    HostWindow host;
    host.showFocused(QSize(1000, 800));
    auto* popup = new PopupColorMatrixWidget(&host);
    popup->showInWidgetWithPicker(&host, QPoint(500, 400), true);
    auto* button = popup->findChild<QPushButton*>("colorPickerButton");
    clickOn(host, button);
    EXPECT_TRUE(button->isChecked());
    EXPECT_FALSE(popup->isColorPicking());
    EXPECT_EQ(popup->findChild<ColorPickerWidget*>(), nullptr);
    delete popup;

    // A picture but no frame: the picture has no area, the eyedropper keeps
    // reading inside the picture while dragged.
    PictureOwner owner;
    if (owner.picture.isNull())
        GTEST_SKIP() << "picture.png was not made by the fixture script";
    owner.frame = QRect();
    popup = new PopupColorMatrixWidget(&host);
    owner.connectTo(popup);
    popup->showInWidgetWithPicker(&host, QPoint(500, 400), true);
    clickOn(host, popup->findChild<QPushButton*>("colorPickerButton"));
    auto* eyedropper = popup->findChild<ColorPickerWidget*>();
    ASSERT_NE(eyedropper, nullptr);
    // It stands centred on the empty frame's corner, mostly outside the window.
    EXPECT_EQ(eyedropper->pos(), QPoint(-60, -60));
    QSignalSpy selected(popup, &PopupColorMatrixWidget::colorMatrixPopupColorSelected);
    dragFrom(host, QPoint(10, 10), QPoint(30, 40));
    ASSERT_EQ(selected.size(), 1);
    EXPECT_TRUE(near(selected.last().at(1).value<QColor>(), Qt::blue));
    delete popup;
}

} // namespace

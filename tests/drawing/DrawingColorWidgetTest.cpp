// The drawing colour swatch: the eraser round trip, the remembered mode, the
// fill-mode popup's choices reaching the swatch, the gradients it builds and
// what it paints.

#include "DrawingColorWidget.h"
#include "DrawingPanelsTestSupport.h"
#include "IsolatedSettings.h"

#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QSize kCanvas(320, 180);

class DrawingColorWidgetTest : public ::testing::Test {
protected:
    DrawingColorWidget* showSwatch()
    {
        host.reset();
        host = std::make_unique<QWidget>();
        host->resize(700, 700);
        auto* swatch = new DrawingColorWidget(kCanvas, host.get());
        swatch->setGeometry(300, 600, 60, 40);
        host->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        return swatch;
    }

    static void clickSwatch(DrawingColorWidget* swatch)
    {
        QTest::mouseClick(swatch->findChild<QPushButton*>(), Qt::LeftButton);
    }

    IsolatedSettings settings;
    std::unique_ptr<QWidget> host;
};

TEST_F(DrawingColorWidgetTest, TheEraserEnteredTwiceStillReturnsToTheGradient)
{
    DrawingColorWidget* swatch = showSwatch();
    swatch->setLinearGradientMode();
    swatch->enterEraserMode();
    swatch->enterEraserMode();
    EXPECT_EQ(swatch->mode(), DrawingColorWidget::EraserMode);
    swatch->setPatternMode();
    swatch->enterEraserMode();
    swatch->restorePreviousMode();
    EXPECT_EQ(swatch->mode(), DrawingColorWidget::PatternMode);
    swatch->setLinearGradientMode();
    swatch->enterEraserMode();
    swatch->enterEraserMode();
    swatch->restorePreviousMode();
    ASSERT_EQ(swatch->mode(), DrawingColorWidget::LinearGradientMode);
    const QImage gradient = swatch->pattern().toImage();
    ASSERT_EQ(gradient.size(), kCanvas);
    // The default line runs from green at 15% to yellow at 85% of the width.
    EXPECT_TRUE(colorsClose(gradient.pixelColor(10, 90), QColor(0, 255, 0), 2));
    EXPECT_TRUE(colorsClose(gradient.pixelColor(310, 90), QColor(255, 255, 0), 2));
    EXPECT_TRUE(colorsClose(gradient.pixelColor(160, 90), QColor(128, 255, 0), 3));
}

TEST_F(DrawingColorWidgetTest, TheModeIsRememberedAndAnUnknownPreviousModeLeavesForColour)
{
    showSwatch()->setLinearGradientMode();
    host.reset();
    QSettings store;
    EXPECT_EQ(store.value("DrawingColorView/Mode").toInt(), 3);
    DrawingColorWidget* again = showSwatch();
    EXPECT_EQ(again->mode(), DrawingColorWidget::LinearGradientMode);

    host.reset();
    store.setValue("DrawingColorView/Mode", 0);
    store.setValue("DrawingColorView/ModeNonHollow", 7);
    store.sync();
    DrawingColorWidget* eraser = showSwatch();
    eraser->restorePreviousMode();
    EXPECT_EQ(eraser->mode(), DrawingColorWidget::ColorMode);
}

TEST_F(DrawingColorWidgetTest, AClickOpensTheFillPopupExceptWhileErasing)
{
    DrawingColorWidget* swatch = showSwatch();
    swatch->enterEraserMode();
    clickSwatch(swatch);
    EXPECT_EQ(swatch->popup(), nullptr);
    EXPECT_TRUE(host->findChildren<PopupDrawingModeWidget*>().isEmpty());
    saveArtefact(*swatch, "drawing-color-eraser");

    swatch->restorePreviousMode();
    clickSwatch(swatch);
    PopupDrawingModeWidget* popup = swatch->popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->mode(), DrawingColorWidget::ColorMode);
    QSize asked;
    emit popup->drawingModePopupGetCanvasSize(popup, &asked);
    EXPECT_EQ(asked, kCanvas);
    // The popup fades in (its fade's effect goes at the end).
    ASSERT_TRUE(QTest::qWaitFor([&] { return popup->isVisible() && popup->graphicsEffect() == nullptr; }, 5000))
        << "the popup never faded in";
    saveArtefact(*host, "drawing-color-popup");

    QSignalSpy colors(swatch, &DrawingColorWidget::drawingColorWidgetColorChanged);
    emit popup->drawingModePopupColorSelected(popup, QColor(200, 10, 30));
    EXPECT_EQ(swatch->color(), QColor(200, 10, 30));
    ASSERT_EQ(colors.size(), 1);
    EXPECT_EQ(colors[0][1].value<QColor>(), QColor(200, 10, 30));
    EXPECT_EQ(swatch->popup(), nullptr);
}

TEST_F(DrawingColorWidgetTest, PopupChoicesReachTheSwatchAsPatterns)
{
    DrawingColorWidget* swatch = showSwatch();
    clickSwatch(swatch);
    PopupDrawingModeWidget* popup = swatch->popup();
    ASSERT_NE(popup, nullptr);
    QSignalSpy patterns(swatch, &DrawingColorWidget::drawingColorWidgetPatternChanged);
    emit popup->drawingModePopupModeChanged(popup, DrawingColorWidget::PatternMode);
    ASSERT_EQ(patterns.size(), 1);
    EXPECT_EQ(patterns[0][1].value<QPixmap>().toImage(), QPixmap(":/images/texture/01").toImage());
    EXPECT_EQ(swatch->popup(), popup);

    // A radial change while the linear gradient is in force rebuilds the linear one.
    emit popup->drawingModePopupModeChanged(popup, DrawingColorWidget::LinearGradientMode);
    emit popup->drawingModePopupGradientValueDidChange(popup, true, Qt::red, Qt::blue, QPointF(0.5, 0.5),
                                                       QPointF(1, 1));
    ASSERT_EQ(patterns.size(), 3);
    EXPECT_TRUE(colorsClose(patterns[2][1].value<QPixmap>().toImage().pixelColor(5, 90), QColor(0, 255, 0), 2));
    emit popup->drawingModePopupModeChanged(popup, DrawingColorWidget::RadialGradientMode);
    const QImage radial = swatch->pattern().toImage();
    EXPECT_TRUE(colorsClose(radial.pixelColor(160, 90), Qt::red, 3));
    EXPECT_TRUE(colorsClose(radial.pixelColor(319, 179), Qt::blue, 3));

    emit popup->drawingModePopupDidPatternChange(popup, ":/images/texture/05");
    ASSERT_EQ(patterns.size(), 5);
    EXPECT_EQ(swatch->popup(), nullptr);
    // A texture that does not load sends nothing.
    clickSwatch(swatch);
    emit swatch->popup()->drawingModePopupDidPatternChange(swatch->popup(), ":/images/texture/none");
    EXPECT_EQ(patterns.size(), 5);

    // A new canvas size rebuilds a gradient in force at that size.
    swatch->setRadialGradientMode();
    swatch->setCanvasSize(QSize(64, 48));
    EXPECT_EQ(swatch->pattern().size(), QSize(64, 48));
}

TEST_F(DrawingColorWidgetTest, HardnessPaintsTheColourOverTheChecker)
{
    DrawingColorWidget* swatch = showSwatch();
    swatch->setColorMode();
    swatch->setHardness(0.0f);
    const QImage checker = swatch->grab().toImage();
    swatch->setHardness(0.25f);
    const QImage quarter = swatch->grab().toImage();
    saveArtefact(*swatch, "drawing-color-quarter");
    const QColor colour = swatch->color();
    for (const QPoint at : {QPoint(30, 20), QPoint(12, 12), QPoint(45, 28)}) {
        const QColor base = checker.pixelColor(at);
        const QColor expected(int(0.25 * colour.red() + 0.75 * base.red() + 0.5),
                              int(0.25 * colour.green() + 0.75 * base.green() + 0.5),
                              int(0.25 * colour.blue() + 0.75 * base.blue() + 0.5));
        EXPECT_TRUE(colorsClose(quarter.pixelColor(at), expected, 3))
            << quarter.pixelColor(at).name().toStdString() << " vs " << expected.name().toStdString();
    }
}

TEST_F(DrawingColorWidgetTest, ATallTextureIsCroppedToItsMiddleNotSqueezed)
{
    // Red, green and blue thirds, 30 x 90: the 60 x 40 swatch shows 30 x 20 of its middle.
    QImage tall(30, 90, QImage::Format_RGB32);
    tall.fill(Qt::green);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            tall.setPixelColor(x, y, Qt::red);
            tall.setPixelColor(x, y + 60, Qt::blue);
        }
    const QString path = settings.root() + "/tall.png";
    ASSERT_TRUE(tall.save(path));
    DrawingColorWidget* swatch = showSwatch();
    swatch->setPatternMode();
    clickSwatch(swatch);
    emit swatch->popup()->drawingModePopupDidPatternChange(swatch->popup(), path);
    const QImage shown = swatch->grab().toImage();
    for (const QPoint at : {QPoint(30, 3), QPoint(30, 20), QPoint(30, 36)})
        EXPECT_TRUE(colorsClose(shown.pixelColor(at), Qt::green, 3)) << at.y();
}

} // namespace

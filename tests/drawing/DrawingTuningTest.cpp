// The drawing tuning panel driven by real presses and clicks: press-and-hold
// stepping, the debounced final values, the size popups, alignment, the real
// font dialog, the remembered values and the painted sliders.

#include "DrawingPanelsTestSupport.h"
#include "DrawingTuningWidget.h"
#include "IsolatedSettings.h"
#include "ModalDialogAnswerer.h"
#include "TimerOrder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class DrawingTuningTest : public ::testing::Test {
protected:
    // A panel shown inside a host (the popups open over the host), after the
    // given settings of "DrawingTuningView" were stored.
    DrawingTuningWidget* showPanel(const std::vector<std::pair<QString, QVariant>>& stored = {})
    {
        // A panel already shown writes its values as it goes: first.
        host.reset();
        QSettings store;
        for (const auto& [key, value] : stored)
            store.setValue("DrawingTuningView/" + key, value);
        store.sync();
        host = std::make_unique<QWidget>();
        host->resize(700, 500);
        auto* panel = new DrawingTuningWidget(host.get());
        panel->setGeometry(50, 300, 536, 180);
        host->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        return panel;
    }

    template <typename T>
    T* child(DrawingTuningWidget* panel, const char* name)
    {
        T* widget = panel->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    static std::vector<float> distinctValues(const QSignalSpy& spy)
    {
        std::vector<float> values;
        for (const QList<QVariant>& call : spy) {
            const float value = call[1].toFloat();
            if (values.empty() || std::abs(values.back() - value) > 1e-4f)
                values.push_back(value);
        }
        return values;
    }

    // A press held until the live values have taken count distinct steps,
    // and on past the next repeat (a step beyond the end would come then),
    // then the release.
    void holdForSteps(QPushButton* button, const QSignalSpy& live, size_t count)
    {
        QTest::mousePress(button, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return distinctValues(live).size() >= count; }, 5000))
            << "the held button never stepped " << count << " times";
        QTest::qWait(200);
        QTest::mouseRelease(button, Qt::LeftButton);
    }

    IsolatedSettings settings;
    std::unique_ptr<QWidget> host;
};

TEST_F(DrawingTuningTest, HoldingHardnessUpStopsAtTheTopAndCommitsOnceAfterTheRelease)
{
    DrawingTuningWidget* panel = showPanel({{"Hardness", 0.9}});
    QSignalSpy live(panel, &DrawingTuningWidget::drawingTuningWidgetHardnessChanging);
    QSignalSpy final(panel, &DrawingTuningWidget::drawingTuningWidgetHardnessChanged);
    QElapsedTimer sinceRelease;
    qint64 committedAfterMs = -1;
    QObject::connect(panel, &DrawingTuningWidget::drawingTuningWidgetHardnessChanged,
                     [&] { committedAfterMs = sinceRelease.elapsed(); });
    holdForSteps(child<QPushButton>(panel, "hardnessValueUpButton"), live, 2);
    sinceRelease.start();
    const std::vector<float> values = distinctValues(live);
    ASSERT_EQ(values.size(), 2u);
    EXPECT_NEAR(values[0], 0.95f, 1e-4);
    EXPECT_NEAR(values[1], 1.00f, 1e-4);
    EXPECT_EQ(child<QLabel>(panel, "hardnessValueLabel")->text(), "1.00");
    EXPECT_EQ(final.size(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return final.size() == 1; }, 5000)) << "the final value never came";
    // It waited the commit delay after the release.
    EXPECT_GE(committedAfterMs, 300);
    // No second final value follows.
    QTest::qWait(400);
    ASSERT_EQ(final.size(), 1);
    EXPECT_NEAR(final[0][1].toFloat(), 1.0f, 1e-4);
}

TEST_F(DrawingTuningTest, LineWidthStepsSnapToWholePixelsAndStopAtTheBottom)
{
    DrawingTuningWidget* panel = showPanel({{"LineWidth", 10.37}});
    QPushButton* up = child<QPushButton>(panel, "lineWidthValueUpButton");
    QPushButton* down = child<QPushButton>(panel, "lineWidthValueDownButton");
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_NEAR(panel->lineWidth(), 12.0f, 1e-4);
    EXPECT_EQ(child<QLabel>(panel, "lineWidthValueLabel")->text(), "12.0 px");
    QTest::mouseClick(down, Qt::LeftButton);
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_NEAR(panel->lineWidth(), 10.0f, 1e-4);

    DrawingTuningWidget* low = showPanel({{"LineWidth", 1.5}});
    QSignalSpy live(low, &DrawingTuningWidget::drawingTuningWidgetLineWidthChanging);
    holdForSteps(child<QPushButton>(low, "lineWidthValueDownButton"), live, 2);
    const std::vector<float> values = distinctValues(live);
    ASSERT_EQ(values.size(), 2u);
    EXPECT_NEAR(values[0], 1.0f, 1e-4);
    EXPECT_NEAR(values[1], 0.5f, 1e-4);
}

TEST_F(DrawingTuningTest, AReleaseStopsTheRepeatAndEveryRowUsedGetsItsFinalValue)
{
    DrawingTuningWidget* panel = showPanel({{"LineWidth", 10.0}, {"Hardness", 0.5}});
    QSignalSpy widthFinal(panel, &DrawingTuningWidget::drawingTuningWidgetLineWidthChanged);
    QSignalSpy hardnessFinal(panel, &DrawingTuningWidget::drawingTuningWidgetHardnessChanged);
    QTest::mouseClick(child<QPushButton>(panel, "lineWidthValueUpButton"), Qt::LeftButton);
    QTest::qWait(100);
    QTest::mouseClick(child<QPushButton>(panel, "hardnessValueUpButton"), Qt::LeftButton);
    // Well past the first repeat: a repeat the release did not stop would step again.
    QTest::qWait(800);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !widthFinal.isEmpty() && !hardnessFinal.isEmpty(); }, 5000))
        << "the final values never came";
    EXPECT_NEAR(panel->lineWidth(), 11.0f, 1e-4);
    EXPECT_NEAR(panel->hardness(), 0.55f, 1e-4);
    ASSERT_EQ(widthFinal.size(), 1);
    EXPECT_NEAR(widthFinal[0][1].toFloat(), 11.0f, 1e-4);
    ASSERT_EQ(hardnessFinal.size(), 1);
    EXPECT_NEAR(hardnessFinal[0][1].toFloat(), 0.55f, 1e-4);
}

TEST_F(DrawingTuningTest, AFinalValueStillWaitingGoesOutWhenThePanelGoes)
{
    DrawingTuningWidget* panel = showPanel({{"LineWidth", 10.0}});
    QSignalSpy final(panel, &DrawingTuningWidget::drawingTuningWidgetLineWidthChanged);
    QTest::mouseClick(child<QPushButton>(panel, "lineWidthValueUpButton"), Qt::LeftButton);
    EXPECT_EQ(final.size(), 0);
    host.reset();
    ASSERT_EQ(final.size(), 1);
    EXPECT_NEAR(final[0][1].toFloat(), 11.0f, 1e-4);
}

TEST_F(DrawingTuningTest, AWheelStepOnASliderGetsItsFinalValueToo)
{
    DrawingTuningWidget* panel = showPanel({{"LineWidth", 10.0}});
    QSlider* slider = child<QSlider>(panel, "lineWidthSlider");
    QSignalSpy final(panel, &DrawingTuningWidget::drawingTuningWidgetLineWidthChanged);
    const QPoint at = slider->rect().center();
    QWheelEvent wheel(at, slider->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(slider, &wheel);
    ASSERT_GT(slider->value(), 1000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !final.isEmpty(); }, 5000)) << "the wheel step's final value never came";
    ASSERT_EQ(final.size(), 1);
    EXPECT_NEAR(final[0][1].toFloat(), slider->value() / 100.0f, 1e-4);
}

TEST_F(DrawingTuningTest, TheEraserHasItsOwnWidthAndHardness)
{
    DrawingTuningWidget* panel = showPanel({{"LineWidth", 12.0}, {"Hardness", 0.6}});
    QSignalSpy live(panel, &DrawingTuningWidget::drawingTuningWidgetLineWidthChanging);
    panel->setEraserMode(true);
    EXPECT_EQ(child<QSlider>(panel, "lineWidthSlider")->value(), 1500);
    EXPECT_EQ(child<QLabel>(panel, "lineWidthValueLabel")->text(), "15.0 px");
    EXPECT_EQ(child<QLabel>(panel, "hardnessValueLabel")->text(), "1.00");
    ASSERT_GE(live.size(), 1);
    EXPECT_NEAR(live.last()[1].toFloat(), 15.0f, 1e-4);
    QTest::mouseClick(child<QPushButton>(panel, "lineWidthValueDownButton"), Qt::LeftButton);
    EXPECT_NEAR(panel->rubberLineWidth(), 14.0f, 1e-4);
    panel->setEraserMode(false);
    EXPECT_EQ(child<QLabel>(panel, "lineWidthValueLabel")->text(), "12.0 px");
    EXPECT_EQ(child<QLabel>(panel, "hardnessValueLabel")->text(), "0.60");
    EXPECT_NEAR(panel->lineWidth(), 12.0f, 1e-4);
    EXPECT_NEAR(panel->rubberLineWidth(), 14.0f, 1e-4);
}

TEST_F(DrawingTuningTest, ValuesAreRememberedWhenThePanelGoes)
{
    DrawingTuningWidget* panel = showPanel({{"LineWidth", 11.0}, {"TextAlign", 2}});
    QTest::mouseClick(child<QPushButton>(panel, "lineWidthValueUpButton"), Qt::LeftButton);
    panel->setTextSize(48);
    panel->setPictureSize(2.0f);
    host.reset();
    QSettings store;
    EXPECT_FLOAT_EQ(store.value("DrawingTuningView/LineWidth").toFloat(), 12.0f);
    EXPECT_FLOAT_EQ(store.value("DrawingTuningView/TextSize").toFloat(), 48.0f);
    DrawingTuningWidget* again = showPanel();
    EXPECT_FLOAT_EQ(again->lineWidth(), 12.0f);
    EXPECT_EQ(child<QLabel>(again, "lineWidthValueLabel")->text(), "12.0 px");
    EXPECT_EQ(child<QPushButton>(again, "textSizeButton")->text(), "48 pt");
    EXPECT_EQ(again->textAlignment(), 2);
    // The picture size is not kept.
    EXPECT_EQ(child<QPushButton>(again, "pictureSizeButton")->text(), "80%");
}

TEST_F(DrawingTuningTest, TheTextSizePopupOpensAfterTheDelayAndSendsWholePoints)
{
    DrawingTuningWidget* panel = showPanel();
    panel->setMode(DrawingTuningWidget::TextMode);
    QPushButton* sizeButton = child<QPushButton>(panel, "textSizeButton");
    QTest::mouseClick(sizeButton, Qt::LeftButton);
    EXPECT_TRUE(whenTimerRunsOut(100, [&] { return panel->popup() == nullptr; })) << "the popup opened within 100 ms";
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->popup() != nullptr; }, 5000)) << "the popup never opened";
    CommonSliderColorPopup* popup = panel->popup();
    EXPECT_EQ(popup->tag(), DrawingTuningWidget::TextSizeTag);
    EXPECT_NEAR(popup->value(), 100.0f, 1e-3);
    EXPECT_TRUE(sizeButton->property("highlighted").toBool());
    // The popup fades in (its fade's effect goes at the end).
    ASSERT_TRUE(QTest::qWaitFor([&] { return popup->graphicsEffect() == nullptr; }, 5000)) << "the popup never faded in";
    saveArtefact(*host, "drawing-tuning-text-size-popup");
    QSignalSpy sizes(panel, &DrawingTuningWidget::drawingTuningWidgetTextSizeChanged);
    emit popup->sliderColorPopupValueChanged(popup, 12.7f);
    EXPECT_EQ(sizeButton->text(), "12 pt");
    ASSERT_EQ(sizes.size(), 1);
    EXPECT_EQ(sizes[0][1].toInt(), 12);
    popup->dismiss();
    EXPECT_EQ(panel->popup(), nullptr);
    EXPECT_FALSE(sizeButton->property("highlighted").toBool());
}

TEST_F(DrawingTuningTest, ThePictureSizePopupShowsPercent)
{
    DrawingTuningWidget* panel = showPanel();
    panel->setMode(DrawingTuningWidget::PictureMode);
    QPushButton* sizeButton = child<QPushButton>(panel, "pictureSizeButton");
    QTest::mouseClick(sizeButton, Qt::LeftButton);
    // A second click within the delay still opens one popup: both clicks'
    // delays have run out once a timer of the same delay started now has.
    QTest::mouseClick(sizeButton, Qt::LeftButton);
    whenTimerRunsOut(200, [] { return true; });
    ASSERT_NE(panel->popup(), nullptr);
    EXPECT_EQ(host->findChildren<CommonSliderColorPopup*>().size(), 1);
    EXPECT_EQ(panel->popup()->tag(), DrawingTuningWidget::PictureSizeTag);
    QSignalSpy sizes(panel, &DrawingTuningWidget::drawingTuningWidgetPictureSizeChanged);
    emit panel->popup()->sliderColorPopupValueChanging(panel->popup(), 1.5f);
    EXPECT_EQ(sizeButton->text(), "150%");
    ASSERT_EQ(sizes.size(), 1);
    EXPECT_FLOAT_EQ(sizes[0][1].toFloat(), 1.5f);
}

TEST_F(DrawingTuningTest, AlignmentCyclesLeftRightCentre)
{
    DrawingTuningWidget* panel = showPanel({{"TextAlign", 3}});
    panel->setMode(DrawingTuningWidget::TextMode);
    QSignalSpy aligns(panel, &DrawingTuningWidget::drawingTuningWidgetTextAlignChanged);
    QPushButton* button = child<QPushButton>(panel, "textAlignButton");
    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(aligns.size(), 4);
    EXPECT_EQ(aligns[0][1].toInt(), 1);
    EXPECT_EQ(aligns[1][1].toInt(), 2);
    EXPECT_EQ(aligns[2][1].toInt(), 4);
    EXPECT_EQ(aligns[3][1].toInt(), 1);
    EXPECT_EQ(panel->textAlignment(), 1);
}

TEST_F(DrawingTuningTest, TheFontDialogChoiceShowsFamilyAndStyle)
{
    if (!QFontDatabase().families().contains("DejaVu Sans"))
        GTEST_SKIP() << "the DejaVu Sans font is not installed";
    DrawingTuningWidget* panel = showPanel({{"FontName", "DejaVu Serif"}, {"FontStyle", "Book"}});
    panel->setMode(DrawingTuningWidget::TextMode);
    QPushButton* fontButton = child<QPushButton>(panel, "textFontButton");
    EXPECT_EQ(fontButton->text(), "DejaVu Serif-Book");
    QSignalSpy fonts(panel, &DrawingTuningWidget::drawingTuningWidgetTextFontChanged);
    ModalDialogAnswerer answerer([](QWidget* widget) {
        auto* dialog = qobject_cast<QFontDialog*>(widget);
        ASSERT_NE(dialog, nullptr);
        QFont font("DejaVu Sans");
        font.setStyleName("Bold");
        dialog->setCurrentFont(font);
        dialog->accept();
    });
    QTest::mouseClick(fontButton, Qt::LeftButton);
    ASSERT_TRUE(answerer.answered());
    EXPECT_EQ(fontButton->text(), "DejaVu Sans-Bold");
    ASSERT_EQ(fonts.size(), 1);
    EXPECT_EQ(fonts[0][1].toString(), "DejaVu Sans");
    EXPECT_EQ(fonts[0][2].toString(), "Bold");

    // Cancelled, nothing changes.
    ModalDialogAnswerer cancel(ModalDialogAnswerer::reject());
    QTest::mouseClick(fontButton, Qt::LeftButton);
    ASSERT_TRUE(cancel.answered());
    EXPECT_EQ(fonts.size(), 1);
    EXPECT_EQ(panel->fontName(), "DejaVu Sans");
}

TEST_F(DrawingTuningTest, PagesShowTheirRowsAndHardnessAlways)
{
    DrawingTuningWidget* panel = showPanel();
    QWidget* hardness = child<QWidget>(panel, "hardnessPanel");
    const std::vector<std::pair<int, const char*>> pages{
        {DrawingTuningWidget::TextMode, "textTuningPanel"},
        {DrawingTuningWidget::PictureMode, "pictureTuningPanel"},
        {DrawingTuningWidget::LineMode, "lineWidthPanel"}};
    for (const auto& [mode, shown] : pages) {
        panel->setMode(mode);
        for (const char* name : {"textTuningPanel", "pictureTuningPanel", "lineWidthPanel"})
            EXPECT_EQ(child<QWidget>(panel, name)->isVisible(), QString(name) == shown) << name;
        EXPECT_TRUE(hardness->isVisible());
    }
    QSignalSpy open(panel, &DrawingTuningWidget::drawingTuningWidgetOpenPicturePressed);
    panel->setMode(DrawingTuningWidget::PictureMode);
    QWidget* openButton = child<QWidget>(panel, "openPictureButton");
    QTest::mouseClick(openButton, Qt::LeftButton);
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open[0][1].toRect(), QRect(openButton->mapTo(host.get(), QPoint(0, 0)), openButton->size()));
}

// The groove of a slider painted by the drawing styles, in its own coordinates.
QRect grooveOf(QSlider* slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, slider);
}

TEST_F(DrawingTuningTest, PaintedSlidersJumpToAClickAndShowTheirValue)
{
    DrawingTuningWidget* panel = showPanel({{"Hardness", 0.25}, {"LineWidth", 320.0}});
    panel->setCompactLayout();
    // The layout requests it posts run.
    QTest::qWait(50);
    QSlider* hardness = child<QSlider>(panel, "hardnessSlider");
    const QRect groove = grooveOf(hardness);
    QSignalSpy final(panel, &DrawingTuningWidget::drawingTuningWidgetHardnessChanged);
    QTest::mouseClick(hardness, Qt::LeftButton, Qt::NoModifier,
                      QPoint(groove.left() + groove.width() * 3 / 4, groove.center().y()));
    EXPECT_NEAR(hardness->value(), 75, 2);
    ASSERT_EQ(final.size(), 1);
    EXPECT_NEAR(final[0][1].toFloat(), hardness->value() / 100.0f, 1e-4);

    // Blue up to the knob, the checker after it; the knob itself white.
    const QImage picture = hardness->grab().toImage();
    const int y = groove.center().y();
    EXPECT_TRUE(colorsClose(picture.pixelColor(groove.left() + groove.width() / 4, y), QColor(54, 200, 255), 2));
    const QColor after = picture.pixelColor(groove.left() + groove.width() * 9 / 10, y);
    EXPECT_TRUE(colorsClose(after, Qt::white, 2) || colorsClose(after, QColor(204, 204, 204), 2)) << after.name().toStdString();
    EXPECT_TRUE(colorsClose(picture.pixelColor(groove.left() + groove.width() * 3 / 4, y), Qt::white, 40));

    // At the maximum the wedge is blue right up to the knob at the right end.
    QSlider* width = child<QSlider>(panel, "lineWidthSlider");
    const QImage wedge = width->grab().toImage();
    const QRect widthGroove = grooveOf(width);
    EXPECT_TRUE(colorsClose(wedge.pixelColor(widthGroove.left() + widthGroove.width() * 3 / 4, widthGroove.center().y()),
                            QColor(54, 200, 255), 2));
    width->setValue(50);
    const QImage grey = width->grab().toImage();
    EXPECT_TRUE(colorsClose(grey.pixelColor(widthGroove.left() + widthGroove.width() * 3 / 4, widthGroove.center().y()),
                            QColor(192, 192, 192), 2));
    saveArtefact(*panel, "drawing-tuning-line-page");
}

} // namespace

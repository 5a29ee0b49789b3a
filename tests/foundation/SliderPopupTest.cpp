#include "ColorMatrixPaletteWidget.h"
#include "IsolatedSettings.h"
#include "ModalDialogAnswerer.h"
#include "PopupColorMatrixWidget.h"
#include "PopupSliderColor1Switch2SlidersWidget.h"
#include "PopupSliderColor2SlidersWidget.h"
#include "PopupSliderColorWidget.h"
#include "PopupSliderWidget.h"
#include "SliderPopupTestSupport.h"
#include "SwitchButton.h"

#include <QLabel>
#include <QColorDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>

namespace {

const QPoint kAnchor(500, 700);

// A popup on a shown host window, ready for real input.
struct SliderPopupFixture : public ::testing::Test {
    void SetUp() override { host.showFocused(QSize(1000, 800)); }

    QSlider* sliderOf(QWidget& popup, const char* name = "slider") { return popup.findChild<QSlider*>(name); }
    QString labelOf(QWidget& popup, const char* name = "valueLabel") { return popup.findChild<QLabel*>(name)->text(); }
    QPushButton* buttonOf(QWidget& popup, const char* name) { return popup.findChild<QPushButton*>(name); }

    HostWindow host;
};

using SliderPopupValues = SliderPopupFixture;

// The colour popup writes its recent colours to the settings store.
struct SliderPopupColor : public SliderPopupFixture {
    PopupSliderColorWidget* borderPopup()
    {
        auto* popup = new PopupSliderColorWidget(&host);
        popup->configure(&host, "Border", kAnchor, 4, Qt::white, 0, 20, 1);
        return popup;
    }
    PopupColorMatrixWidget* openColorPopup(CommonSliderColorPopup* popup)
    {
        clickOn(host, popup->findChild<QPushButton*>("colorButton"));
        return host.findChild<PopupColorMatrixWidget*>();
    }
    IsolatedSettings isolated;
};

TEST_F(SliderPopupValues, PositionsTruncateAndOutOfRangeValuesChangeNothing)
{
    auto* popup = new PopupSliderWidget(&host);
    QSignalSpy changing(popup, &CommonSliderColorPopup::sliderColorPopupValueChanging);
    popup->configure(&host, "Opacity", kAnchor, 0.3339f, 0, 1, false, 0.01f);
    EXPECT_EQ(sliderOf(*popup)->value(), 333);
    EXPECT_EQ(labelOf(*popup), "0.33");
    EXPECT_FLOAT_EQ(popup->value(), 0.333f);
    // Configure sets the value unsilenced: the owner's connection hears it.
    ASSERT_EQ(changing.count(), 1);
    EXPECT_FLOAT_EQ(changing.last().at(1).toFloat(), 0.333f);

    popup->setSliderRange(0, 2, 0.01f);
    popup->setValue(2.5f);
    EXPECT_EQ(sliderOf(*popup)->value(), 333);
    EXPECT_EQ(labelOf(*popup), "0.33");
    EXPECT_EQ(changing.count(), 1);
}

TEST_F(SliderPopupValues, LabelsShowPercentDecimalsOrMultiplierSnappedToWholeUnits)
{
    auto* percent = new PopupSliderWidget(&host);
    percent->setPercentFormat(true);
    percent->configure(&host, "Size", kAnchor, 0.2f, 0, 1, false, 0.01f);
    EXPECT_EQ(labelOf(*percent), "20%");
    // 0.53 in single precision times 100 lies just under 53.
    sliderOf(*percent)->setValue(530);
    EXPECT_EQ(labelOf(*percent), "52%");

    auto* wholeSteps = new PopupSliderWidget(&host);
    wholeSteps->configure(&host, "Radius", 40, 0, 100, false, 1);
    EXPECT_EQ(labelOf(*wholeSteps), "40.0");
    auto* halfSteps = new PopupSliderWidget(&host);
    halfSteps->configure(&host, "Radius", 40, 0, 100, false, 0.5f);
    EXPECT_EQ(labelOf(*halfSteps), "40.00");
    auto* shortRange = new PopupSliderWidget(&host);
    shortRange->configure(&host, "Volume", 1, 0, 2, false, 1);
    EXPECT_EQ(labelOf(*shortRange), "1.00");

    auto* speed = new PopupSliderWidget(&host);
    QSignalSpy changing(speed, &CommonSliderColorPopup::sliderColorPopupValueChanging);
    speed->configure(&host, "Speed", kAnchor, 0, 0, 15, true, 1);
    EXPECT_EQ(labelOf(*speed), "0.25X");
    QSlider* slider = sliderOf(*speed);
    slider->setValue(7740);
    EXPECT_EQ(slider->value(), 7000);
    EXPECT_EQ(labelOf(*speed), "2.00X");
    EXPECT_FLOAT_EQ(changing.last().at(1).toFloat(), 7.0f);
    slider->setValue(7750);
    EXPECT_EQ(slider->value(), 8000);
    EXPECT_EQ(labelOf(*speed), "2.25X");
}

TEST_F(SliderPopupValues, HoldingStepsAtPressThenAfterHalfASecondThenQuickly)
{
    auto* popup = new PopupSliderWidget(&host);
    popup->configure(&host, "Volume", kAnchor, 1.05f, 0, 5, false, 0.1f);
    QSignalSpy changed(popup, &CommonSliderColorPopup::sliderColorPopupValueChanged);
    QSlider* slider = sliderOf(*popup);
    QPushButton* up = buttonOf(*popup, "valueUpButton");
    ASSERT_EQ(slider->value(), 1050);
    // Each step with the time it came, so that a loaded machine can only
    // make the test slower, never make it fail.
    QElapsedTimer clock;
    QVector<QPair<int, qint64>> steps;
    QObject::connect(popup, &CommonSliderColorPopup::sliderColorPopupValueChanging, popup,
                     [&](CommonSliderColorPopup*, float value) {
                         steps.append({qRound(value * 1000), clock.elapsed()});
                     });

    clock.start();
    pressOn(host, up);
    // The sum 1150 is raised to the next multiple of the step.
    ASSERT_EQ(steps.size(), 1);
    EXPECT_EQ(steps[0].first, 1200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return steps.size() >= 4; }, 5000));
    QElapsedTimer sinceRelease;
    sinceRelease.start();
    releaseOn(host, up);
    EXPECT_EQ(steps[1].first, 1300);
    EXPECT_EQ(steps[2].first, 1400);
    EXPECT_EQ(steps[3].first, 1500);
    // Never before half a second; then every 50 ms (a timer never fires early).
    EXPECT_GE(steps[1].second, 500);
    EXPECT_GE(steps[2].second - steps[1].second, 50);
    EXPECT_GE(steps[3].second - steps[2].second, 50);
    const int released = slider->value();
    const int stepsAtRelease = steps.size();

    ASSERT_TRUE(QTest::qWaitFor([&] { return changed.count() > 0; }, 5000));
    EXPECT_GE(sinceRelease.elapsed(), 350);
    QTest::qWait(400);
    EXPECT_EQ(steps.size(), stepsAtRelease);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_FLOAT_EQ(changed.last().at(1).toFloat(), released / 1000.0f);
}

TEST_F(SliderPopupValues, DownLandsOnAMultipleQuickClicksCommitOnceAndSilentSetsNever)
{
    auto* popup = new PopupSliderWidget(&host);
    popup->configure(&host, "Volume", kAnchor, 1.05f, 0, 5, false, 0.1f);
    QSignalSpy changed(popup, &CommonSliderColorPopup::sliderColorPopupValueChanged);
    QSlider* slider = sliderOf(*popup);
    QPushButton* down = buttonOf(*popup, "valueDownButton");

    QElapsedTimer sinceFirst;
    sinceFirst.start();
    clickOn(host, down);
    EXPECT_EQ(slider->value(), 1000);
    QTest::qWait(50);
    QElapsedTimer sinceSecond;
    sinceSecond.start();
    clickOn(host, down);
    EXPECT_EQ(slider->value(), 900);
    if (sinceFirst.elapsed() >= 350)
        GTEST_SKIP() << "the machine took longer than the commit delay between two clicks";
    // The second click postponed the first commit.
    ASSERT_TRUE(QTest::qWaitFor([&] { return changed.count() > 0; }, 5000));
    EXPECT_GE(sinceSecond.elapsed(), 350);
    QTest::qWait(400);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_FLOAT_EQ(changed.last().at(1).toFloat(), 0.9f);

    // After a silent set, a step up and back down ends where the set left
    // the slider and commits nothing.
    QSignalSpy changing(popup, &CommonSliderColorPopup::sliderColorPopupValueChanging);
    popup->setValueSilently(1.2f);
    EXPECT_EQ(labelOf(*popup), "1.20");
    sinceSecond.restart();
    clickOn(host, buttonOf(*popup, "valueUpButton"));
    clickOn(host, down);
    EXPECT_EQ(slider->value(), 1200);
    if (sinceSecond.elapsed() >= 350)
        GTEST_SKIP() << "the machine took longer than the commit delay between two clicks";
    QTest::qWait(600);
    EXPECT_EQ(changing.count(), 2);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(SliderPopupValues, ClicksOnTwoRowsInQuickSuccessionCommitBothRows)
{
    auto* popup = new PopupSliderColor2SlidersWidget(&host);
    popup->configure(&host, "Background", kAnchor, 0.5f, Qt::black, 0, 1, 0.01f, "Corner", 2, 0, 10, 1, "Padding",
                     3, 0, 10, 1);
    QSignalSpy changed(popup, &CommonSliderColorPopup::sliderColorPopupValueChanged);
    QSignalSpy changed2(popup, &CommonSliderColorPopup::sliderColorPopupValue2Changed);
    clickOn(host, buttonOf(*popup, "valueUpButton"));
    clickOn(host, buttonOf(*popup, "valueUpButton2"));
    // One commit for both rows, after the last release: the first row's
    // change is not lost to the second row's click.
    EXPECT_TRUE(QTest::qWaitFor([&] { return changed2.count() > 0; }, 5000));
    QTest::qWait(400);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_FLOAT_EQ(changed.last().at(1).toFloat(), 0.51f);
    ASSERT_EQ(changed2.count(), 1);
    EXPECT_FLOAT_EQ(changed2.last().at(1).toFloat(), 3.0f);
}

TEST_F(SliderPopupValues, AStepBelowOnePositionMovesByOnePosition)
{
    auto* popup = new PopupSliderWidget(&host);
    popup->configure(&host, "Fine", kAnchor, 0.5f, 0, 1, false, 0.0004f);
    clickOn(host, buttonOf(*popup, "valueUpButton"));
    EXPECT_EQ(sliderOf(*popup)->value(), 501);
    clickOn(host, buttonOf(*popup, "valueDownButton"));
    EXPECT_EQ(sliderOf(*popup)->value(), 500);
}

TEST_F(SliderPopupValues, FirstValueAndSwitchEnableTheTitledRows)
{
    auto* popup = new PopupSliderColor1Switch2SlidersWidget(&host);
    QSignalSpy switched(popup, &CommonSliderColorPopup::sliderColorPopupSwitchValueChanged);
    popup->configure(&host, "Stroke", kAnchor, 0.5f, Qt::red, 0, 1, 0.01f, "Width", 2, 0, 10, 1, "Blur", 1, 0, 10, 1,
                     "Outline", false);
    auto* switchButton = popup->findChild<SwitchButton*>("switchButton");
    QSlider* slider2 = sliderOf(*popup, "slider2");
    EXPECT_TRUE(switchButton->isEnabled());
    EXPECT_FALSE(slider2->isEnabled());
    EXPECT_FALSE(sliderOf(*popup, "slider3")->isEnabled());

    clickOn(host, switchButton);
    ASSERT_EQ(switched.count(), 1);
    EXPECT_TRUE(switched.last().at(1).toBool());
    EXPECT_TRUE(slider2->isEnabled());
    EXPECT_TRUE(buttonOf(*popup, "valueUpButton3")->isEnabled());

    clickSliderEnd(host, sliderOf(*popup), false);
    EXPECT_EQ(sliderOf(*popup)->value(), 0);
    EXPECT_FALSE(slider2->isEnabled());
    EXPECT_FALSE(switchButton->isEnabled());
    clickSliderEnd(host, sliderOf(*popup), true);
    EXPECT_TRUE(slider2->isEnabled());
    EXPECT_TRUE(switchButton->isEnabled());

    popup->setSwitchChecked(false);
    EXPECT_FALSE(switchButton->value());
    EXPECT_EQ(switched.count(), 1);
}

TEST_F(SliderPopupValues, DefaultMarkerPullsNearbyPositionsButNotButtonSteps)
{
    auto* popup = new PopupSliderColorWidget(&host);
    popup->configure(&host, "Volume", kAnchor, 0.5f, Qt::white, 0, 2, 0.01f);
    popup->setDefaultValueMarker(1.0f, 0.1f);
    QSlider* slider = sliderOf(*popup);
    slider->setValue(930);
    EXPECT_EQ(slider->value(), 1000);
    slider->setValue(1150);
    EXPECT_EQ(slider->value(), 1150);

    popup->setValue(0.95f);
    EXPECT_EQ(slider->value(), 1000);
    clickOn(host, buttonOf(*popup, "valueDownButton"));
    EXPECT_EQ(slider->value(), 990);
}

TEST_F(SliderPopupColor, AMatrixCellColoursTheButtonAndClosesTheColourPopup)
{
    auto* popup = borderPopup();
    QSignalSpy colorChanged(popup, &CommonSliderColorPopup::sliderColorPopupColorChanged);
    QPointer<PopupColorMatrixWidget> colors = openColorPopup(popup);
    ASSERT_FALSE(colors.isNull());
    ASSERT_TRUE(colors->isVisible());

    auto* palette = colors->findChild<ColorMatrixPaletteWidget*>("palettePanel");
    // Second row, second cell: pure red.
    const QPoint cell = palette->cellRects().value(11).center().toPoint();
    clickWindowAt(host, palette->mapTo(&host, cell));
    ASSERT_EQ(colorChanged.count(), 1);
    EXPECT_EQ(popup->color(), QColor(0xFF, 0, 0));
    EXPECT_TRUE(QTest::qWaitFor([&] { return colors.isNull(); }, 5000));
    EXPECT_TRUE(popup->isVisible());
}

TEST_F(SliderPopupColor, MoreColoursCancelledKeepsTheColourPopupAndAcceptedUsesTheDialogColour)
{
    auto* popup = borderPopup();
    QSignalSpy colorChanged(popup, &CommonSliderColorPopup::sliderColorPopupColorChanged);
    QPointer<PopupColorMatrixWidget> colors = openColorPopup(popup);
    ASSERT_FALSE(colors.isNull());
    auto* more = colors->findChild<QPushButton*>("moreColorButton");
    {
        ModalDialogAnswerer cancel(ModalDialogAnswerer::reject());
        clickOn(host, more);
        EXPECT_TRUE(cancel.answered());
    }
    QTest::qWait(50);
    EXPECT_EQ(colorChanged.count(), 0);
    ASSERT_FALSE(colors.isNull());
    EXPECT_TRUE(colors->isVisible());

    const QColor chosen(12, 140, 200);
    ModalDialogAnswerer pick([&](QWidget* dialog) {
        auto* colorDialog = qobject_cast<QColorDialog*>(dialog);
        ASSERT_NE(colorDialog, nullptr);
        colorDialog->setCurrentColor(chosen);
        colorDialog->accept();
    });
    clickOn(host, more);
    EXPECT_TRUE(pick.answered());
    ASSERT_EQ(colorChanged.count(), 1);
    EXPECT_EQ(popup->color(), chosen);
    EXPECT_TRUE(QTest::qWaitFor([&] { return colors.isNull(); }, 5000));
    // The colour popup took the dialog's colour into its recent colours.
    EXPECT_EQ(QSettings().value("RecentColors/1/color").toUInt(), chosen.rgb());
}

TEST_F(SliderPopupColor, EyedropperRequestsReachTheOwnerThroughThePopup)
{
    auto* popup = borderPopup();
    QWidget* askedIn = nullptr;
    QObject::connect(popup, &CommonSliderColorPopup::sliderColorPopupNeedColorPickingImage, popup,
            [](CommonSliderColorPopup*, QImage* image) {
                *image = QImage(64, 48, QImage::Format_RGB32);
                image->fill(Qt::red);
            },
            Qt::DirectConnection);
    QObject::connect(popup, &CommonSliderColorPopup::sliderColorPopupGetPlaybackAreaFrame, popup,
            [&](CommonSliderColorPopup*, QRect* rect, QWidget* inWidget) {
                *rect = QRect(20, 20, 320, 240);
                askedIn = inWidget;
            },
            Qt::DirectConnection);
    QPointer<PopupColorMatrixWidget> colors = openColorPopup(popup);
    ASSERT_FALSE(colors.isNull());
    clickOn(host, colors->findChild<QPushButton*>("colorPickerButton"));
    EXPECT_EQ(askedIn, colors.data());
    EXPECT_TRUE(colors->isColorPicking());
    popup->dismiss();
    EXPECT_TRUE(QTest::qWaitFor([&] { return colors.isNull(); }, 5000));
}

TEST_F(SliderPopupColor, DeletingAnEmbeddedPopupClosesItsColourPopup)
{
    auto* card = new QWidget(&host);
    card->setGeometry(600, 100, 380, 200);
    card->show();
    auto* popup = new PopupSliderColorWidget(card);
    popup->configure(card, "Border", 4, Qt::white, 0, 20, 1);
    QPointer<PopupColorMatrixWidget> colors = openColorPopup(popup);
    ASSERT_FALSE(colors.isNull());
    ASSERT_NE(colors->parentWidget(), card);
    // The inspector drops its embedded popup when the selection changes; a
    // colour popup left open over the window would choose for nobody.
    delete popup;
    EXPECT_TRUE(QTest::qWaitFor([&] { return colors.isNull(); }, 5000));
}

TEST(SliderPopupPictures, ValueButtonMenuAndArrowPicturesAreCompiledIn)
{
    for (const char* name : {":/images/value_decrease", ":/images/value_increase", ":/images/project_menu",
                             ":/images/project_menu_selected", ":/images/move_up", ":/images/move_down",
                             ":/images/move_left", ":/images/move_right"}) {
        const QImage picture(name);
        ASSERT_FALSE(picture.isNull()) << name;
        // Drawn, not blank: some pixel is painted.
        bool painted = false;
        for (int y = 0; y < picture.height() && !painted; ++y)
            for (int x = 0; x < picture.width() && !painted; ++x)
                painted = qAlpha(picture.pixel(x, y)) > 128;
        EXPECT_TRUE(painted) << name;
    }
}

} // namespace

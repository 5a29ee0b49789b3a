#include "InspectorTestSupport.h"

#include "BorderEditingWidgetController.h"
#include "ChromaKeyEditingWidgetController.h"
#include "ColorsEditingWidgetController.h"
#include "CropValues.h"
#include "CropWidget.h"
#include "PitchEditingWidgetController.h"
#include "PopupChromaKeyWidget.h"
#include "PopupColorsScrollWidget.h"
#include "PopupSliderColor1Switch2SlidersWidget.h"
#include "PopupSliderColorShadowWidget.h"
#include "PopupSliderColorWidget.h"
#include "PopupSliderWidget.h"
#include "RoundCornerEditingWidgetController.h"
#include "ShadowEditingWidgetController.h"
#include "SpeedEditingWidgetController.h"
#include "StrokeBorderEditingWidgetController.h"
#include "TransparencyEditingWidgetController.h"
#include "VolumeEditingWidgetController.h"

#include <QLabel>
#include <QResizeEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace InspectorTest;

namespace {

// Counts the value signals of every popup under a widget.
class ValueSignalCounter
{
public:
    explicit ValueSignalCounter(QWidget* root)
    {
        for (auto* popup : root->findChildren<CommonSliderColorPopup*>()) {
            for (const char* signal :
                 {SIGNAL(sliderColorPopupValueChanged(CommonSliderColorPopup*, float)),
                  SIGNAL(sliderColorPopupValue2Changed(CommonSliderColorPopup*, float)),
                  SIGNAL(sliderColorPopupValue3Changed(CommonSliderColorPopup*, float)),
                  SIGNAL(sliderColorPopupValueChanging(CommonSliderColorPopup*, float)),
                  SIGNAL(sliderColorPopupValue2Changing(CommonSliderColorPopup*, float)),
                  SIGNAL(sliderColorPopupValue3Changing(CommonSliderColorPopup*, float)),
                  SIGNAL(sliderColorPopupColorChanged(CommonSliderColorPopup*, QColor)),
                  SIGNAL(sliderColorPopupSwitchValueChanged(CommonSliderColorPopup*, bool))})
                _spies.emplace_back(std::make_unique<QSignalSpy>(popup, signal));
        }
        for (auto* popup : root->findChildren<PopupSliderColorShadowWidget*>()) {
            _spies.emplace_back(std::make_unique<QSignalSpy>(popup, &PopupSliderColorShadowWidget::shadowOffsetChanged));
            _spies.emplace_back(std::make_unique<QSignalSpy>(popup, &PopupSliderColorShadowWidget::shadowOffsetChanging));
        }
        for (auto* popup : root->findChildren<PopupChromaKeyWidget*>())
            _spies.emplace_back(std::make_unique<QSignalSpy>(popup, &PopupChromaKeyWidget::valuesChanged));
        for (auto* popup : root->findChildren<PopupColorsScrollWidget*>()) {
            _spies.emplace_back(std::make_unique<QSignalSpy>(popup, &PopupColorsScrollWidget::hueChanged));
            _spies.emplace_back(std::make_unique<QSignalSpy>(popup, &PopupColorsScrollWidget::hueChanging));
            _spies.emplace_back(std::make_unique<QSignalSpy>(popup, &PopupColorsScrollWidget::saturationChanged));
            _spies.emplace_back(std::make_unique<QSignalSpy>(popup, &PopupColorsScrollWidget::schemeChanged));
        }
    }
    int spies() const { return int(_spies.size()); }
    int total() const
    {
        int count = 0;
        for (const auto& spy : _spies)
            count += spy->size();
        return count;
    }

private:
    std::vector<std::unique_ptr<QSignalSpy>> _spies;
};

class EditingSections : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(320, 900);
        window.show();
    }
    QWidget window;
};

} // namespace

TEST_F(EditingSections, LengthsAreShownInPixelsOfTheMovieWidth)
{
    auto photo = picture();
    StrokeBorderEditingWidgetController stroke(&window);
    RoundCornerEditingWidgetController corner(&window);

    photo->setBorderWidthFraction(0.1f);
    stroke.updateValues(photo.get(), kCanvas);
    // 192 pixels, clamped to the slider's end.
    EXPECT_FLOAT_EQ(stroke.popup()->value(), 64.0f);

    photo->setBorderWidthFraction(0.0f);
    photo->setBorderWidth(20.0f);
    stroke.updateValues(photo.get(), kCanvas);
    EXPECT_FLOAT_EQ(stroke.popup()->value(), 30.0f);

    // A wide stored border still moves the slider, to its end.
    photo->setBorderWidth(60.0f);
    stroke.updateValues(photo.get(), kCanvas);
    EXPECT_FLOAT_EQ(stroke.popup()->value(), 64.0f);

    photo->setCornerRadius(64.0f);
    corner.updateValues(photo.get(), kCanvas);
    EXPECT_FLOAT_EQ(corner.popup()->value(), 96.0f);
    photo->setCornerRadiusFraction(0.025f);
    corner.updateValues(photo.get(), kCanvas);
    EXPECT_FLOAT_EQ(corner.popup()->value(), 48.0f);

    // A text's outline keeps its own size.
    auto words = text();
    words->setBorderWidth(20.0f);
    BorderEditingWidgetController border(&window);
    border.updateValues(words.get());
    EXPECT_FLOAT_EQ(border.popup()->value(), 20.0f);
}

TEST_F(EditingSections, ShadowOffsetIsShownAsTheEngineDrawsIt)
{
    ShadowEditingWidgetController shadow(&window);
    auto photo = picture();
    photo->setShadowOpacity(0.5f);
    photo->setShadowRadiusFraction(0.005f);
    photo->setShadowColor(qRgb(200, 10, 10));
    photo->setShadowOffsetFraction(QSizeF(0.01, -0.02));
    shadow.updateValues(photo.get(), kCanvas);
    EXPECT_NEAR(shadow.popup()->shadowOffset().width(), 19.2, 0.01);
    EXPECT_NEAR(shadow.popup()->shadowOffset().height(), -38.4, 0.01);
    EXPECT_FLOAT_EQ(shadow.popup()->value(), 0.5f);
    EXPECT_NEAR(shadow.popup()->value2(), 9.6, 0.01);
    EXPECT_EQ(shadow.popup()->color(), QColor(200, 10, 10));

    // A project that only has the old bare offset: the engine takes it as a
    // fraction of the width, and so does the panel.
    auto old = std::make_unique<ImageSegment>(record(QStringLiteral("IMAGE")), nullptr, false);
    Segment::setSizeAttribute(old->attributes(), SegmentKey::ShadowOffset, QSizeF(0.005, 0.01));
    shadow.updateValues(old.get(), kCanvas);
    EXPECT_NEAR(shadow.popup()->shadowOffset().width(), 9.6, 0.01);
    EXPECT_NEAR(shadow.popup()->shadowOffset().height(), 19.2, 0.01);
}

TEST_F(EditingSections, SpeedOneSitsAtTheFourthStepAndReadsAsAMultiplier)
{
    SpeedEditingWidgetController speed(&window);
    auto clip = movie(true);
    clip->setSpeed(1.0f);
    speed.updateValues(clip.get());
    EXPECT_FLOAT_EQ(speed.popup()->value(), 3.0f);
    QStringList labels;
    for (QLabel* label : speed.popup()->findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains("1.00X")) << labels.join('|').toStdString();

    clip->setSpeed(4.0f);
    speed.updateValues(clip.get());
    EXPECT_FLOAT_EQ(speed.popup()->value(), 15.0f);
}

TEST_F(EditingSections, FillingEverySectionEmitsNoValueSignal)
{
    TransparencyEditingWidgetController transparency(false, &window);
    VolumeEditingWidgetController volume(false, &window);
    PitchEditingWidgetController pitch(&window);
    SpeedEditingWidgetController speed(&window);
    BorderEditingWidgetController border(&window);
    StrokeBorderEditingWidgetController stroke(&window);
    RoundCornerEditingWidgetController corner(&window);
    ShadowEditingWidgetController shadow(&window);
    ColorsEditingWidgetController colors(false, &window);
    ChromaKeyEditingWidgetController chromaKey(&window);
    ValueSignalCounter counter(&window);
    ASSERT_EQ(counter.spies(), 79);

    auto clip = movie(true);
    clip->setUserTransparency(0.4f);
    clip->setUserVolume(2.0f);
    clip->setPitch(1.5f);
    clip->setSpeed(2.0f);
    clip->setBorderWidth(12.0f);
    clip->setBorderStroke(true);
    clip->setBorderStrokeTolerance(40);
    clip->setBorderStrokeStrength(70);
    clip->setBorderColor(qRgb(0, 200, 0));
    clip->setCornerRadius(30.0f);
    clip->setShadowOpacity(0.8f);
    clip->setShadowPixelOffset(QSizeF(10, 12));
    clip->setClrHue(30);
    clip->setClrSaturation(-20);
    clip->setKeyEnabled(true);
    clip->setKeySensitivity(55);
    clip->setKeySmoothing(25);
    clip->setKeyColor(qRgb(0, 255, 0));
    transparency.updateValues(clip.get());
    volume.updateValues(clip.get());
    pitch.updateValues(clip.get());
    speed.updateValues(clip.get());
    border.updateValues(clip.get());
    stroke.updateValues(clip.get(), kCanvas);
    corner.updateValues(clip.get(), kCanvas);
    shadow.updateValues(clip.get(), kCanvas);
    colors.updateValues(clip.get());
    chromaKey.updateValues(clip.get());
    // Let delayed commits and posted events run out: none may report.
    QTest::qWait(500);
    EXPECT_EQ(counter.total(), 0);

    // The values did arrive.
    EXPECT_FLOAT_EQ(transparency.popup()->value(), 0.4f);
    EXPECT_FLOAT_EQ(volume.popup()->value(), 2.0f);
    EXPECT_FLOAT_EQ(pitch.popup()->value(), 1.5f);
    EXPECT_FLOAT_EQ(speed.popup()->value(), 7.0f);
    EXPECT_FLOAT_EQ(stroke.popup()->value2(), 40.0f);
    EXPECT_FLOAT_EQ(stroke.popup()->value3(), 70.0f);
    EXPECT_EQ(stroke.popup()->color(), QColor(0, 200, 0));
    EXPECT_NEAR(shadow.popup()->shadowOffset().width(), 15.0, 0.01);
    EXPECT_EQ(colors.popup()->values()[5], 30);
    EXPECT_EQ(colors.popup()->values()[0], -20);
    EXPECT_FLOAT_EQ(chromaKey.popup()->value2(), 55.0f);
    EXPECT_FLOAT_EQ(chromaKey.popup()->value3(), 25.0f);
    EXPECT_EQ(chromaKey.popup()->color(), QColor(0, 255, 0));
}

TEST_F(EditingSections, SectionHeightIsThePanelPlusItsSeparator)
{
    PitchEditingWidgetController pitch(&window);
    StrokeBorderEditingWidgetController stroke(&window);
    ShadowEditingWidgetController shadow(&window);
    ChromaKeyEditingWidgetController chromaKey(&window);
    ColorsEditingWidgetController colors(false, &window);
    EXPECT_EQ(pitch.sectionHeight(), 101);
    EXPECT_EQ(stroke.sectionHeight(), 315);
    EXPECT_EQ(shadow.sectionHeight(), 321);
    EXPECT_EQ(chromaKey.sectionHeight(), 301);
    EXPECT_EQ(colors.sectionHeight(), 421);
    EXPECT_EQ(pitch.separator()->height(), 1);
    pitch.setVisible(false);
    EXPECT_FALSE(pitch.isVisible());
    EXPECT_TRUE(pitch.widget()->isHidden());
}

TEST_F(EditingSections, TransitionStateIsReadOnceUntilTheSectionIsHidden)
{
    auto photo = picture();
    const int id = photo->addTransitionAtTime(1.0f, 0.0f);
    photo->setTransitionUserTransparency(id, true, 0.3f);
    TransparencyEditingWidgetController transparency(true, &window);
    transparency.setTransitionState(photo.get(), id, 1);
    EXPECT_FLOAT_EQ(transparency.popup()->value(), 0.3f);
    EXPECT_TRUE(transparency.popup()->isValueEnabled());

    photo->setTransitionUserTransparency(id, true, 0.6f);
    transparency.setTransitionState(photo.get(), id, 1);
    EXPECT_FLOAT_EQ(transparency.popup()->value(), 0.3f);
    transparency.setVisible(false);
    transparency.setVisible(true);
    transparency.setTransitionState(photo.get(), id, 1);
    EXPECT_FLOAT_EQ(transparency.popup()->value(), 0.6f);

    // No transition: disabled, values left as they were.
    transparency.setTransitionState(photo.get(), 0, 1);
    EXPECT_FALSE(transparency.popup()->isValueEnabled());
    EXPECT_FLOAT_EQ(transparency.popup()->value(), 0.6f);
}

TEST_F(EditingSections, ColourButtonPopupsHearOfEveryWindowResize)
{
    BorderEditingWidgetController border(&window);
    QApplication::processEvents();
    const QSize size = border.popup()->size();
    int resizes = 0;
    QSize reported;
    struct Watch : QObject {
        int* count;
        QSize* size;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Resize) {
                ++*count;
                *size = static_cast<QResizeEvent*>(event)->size();
            }
            return false;
        }
    } watch;
    watch.count = &resizes;
    watch.size = &reported;
    border.popup()->installEventFilter(&watch);
    window.resize(400, 950);
    ASSERT_TRUE(QTest::qWaitFor([&] { return resizes >= 1; }, 5000)) << "the popup never heard of the resize";
    EXPECT_EQ(reported, size);
}

// The section can outlive the window it first stood in: the panel may be
// moved into another window and the first one closed.
TEST_F(EditingSections, SectionOutlivesTheWindowItFirstStoodIn)
{
    auto first = std::make_unique<QWidget>();
    auto* content = new QWidget(first.get());
    for (int i = 0; i < 20; ++i) {
        auto* shadow = new ShadowEditingWidgetController(content);
        auto* border = new StrokeBorderEditingWidgetController(content);
        Q_UNUSED(shadow)
        Q_UNUSED(border)
    }
    QWidget second;
    content->setParent(&second);
    first.reset();
    // Sections and window still answer after the move.
    second.resize(300, 300);
    // What the resize posts runs while the sections stand in the new window.
    QTest::qWait(20);
    delete content;
    SUCCEED();
}

TEST_F(EditingSections, ColourAdjustmentsFillInTheirOrder)
{
    auto photo = picture();
    photo->setClrSaturation(-40);
    photo->setClrBrightness(-30);
    photo->setClrContrast(-20);
    photo->setClrWhiteBalance(-10);
    photo->setClrExposure(10);
    photo->setClrHue(20);
    photo->setClrRed(30);
    photo->setClrGreen(40);
    photo->setClrBlue(50);
    ColorsEditingWidgetController colors(false, &window);
    colors.updateValues(photo.get());
    EXPECT_EQ(colors.popup()->values(), (PopupColorsScrollWidget::Values{-40, -30, -20, -10, 10, 20, 30, 40, 50}));
}

// State 0 shows the transition's end, any other its begin.
TEST_F(EditingSections, TransitionSectionsShowTheValuesOfTheShownState)
{
    auto photo = picture();
    const int id = photo->addTransitionAtTime(1.0f, 0.0f);
    const PopupColorsScrollWidget::Values begin{-40, -30, -20, -10, 10, 20, 30, 40, 50};
    const PopupColorsScrollWidget::Values end{45, 35, 25, 15, -5, -15, -25, -35, -45};
    for (const bool atBegin : {true, false}) {
        const PopupColorsScrollWidget::Values& v = atBegin ? begin : end;
        photo->setTransitionClrSaturation(id, atBegin, v[0]);
        photo->setTransitionClrBrightness(id, atBegin, v[1]);
        photo->setTransitionClrContrast(id, atBegin, v[2]);
        photo->setTransitionClrWhiteBalance(id, atBegin, v[3]);
        photo->setTransitionClrExposure(id, atBegin, v[4]);
        photo->setTransitionClrHue(id, atBegin, v[5]);
        photo->setTransitionClrRed(id, atBegin, v[6]);
        photo->setTransitionClrGreen(id, atBegin, v[7]);
        photo->setTransitionClrBlue(id, atBegin, v[8]);
    }
    photo->setTransitionUserTransparency(id, true, 0.3f);
    photo->setTransitionUserTransparency(id, false, 0.7f);
    ColorsEditingWidgetController colors(true, &window);
    TransparencyEditingWidgetController transparency(true, &window);
    colors.setTransitionState(photo.get(), id, 0);
    transparency.setTransitionState(photo.get(), id, 0);
    EXPECT_EQ(colors.popup()->values(), end);
    EXPECT_FLOAT_EQ(transparency.popup()->value(), 0.7f);
    colors.setTransitionState(photo.get(), id, 1);
    transparency.setTransitionState(photo.get(), id, 1);
    EXPECT_EQ(colors.popup()->values(), begin);
    EXPECT_FLOAT_EQ(transparency.popup()->value(), 0.3f);

    auto tune = music();
    const int fade = tune->addTransitionAtTime(1.0f, 0.0f);
    tune->setTransitionUserVolume(fade, true, 0.2f);
    tune->setTransitionUserVolume(fade, false, 1.5f);
    VolumeEditingWidgetController volume(true, &window);
    volume.setTransitionState(tune.get(), fade, 0);
    EXPECT_FLOAT_EQ(volume.popup()->value(), 1.5f);
    volume.setTransitionState(tune.get(), fade, 1);
    EXPECT_FLOAT_EQ(volume.popup()->value(), 0.2f);
}

// Corners and the left, top, right and bottom feathering, each in its own
// place, between the crop editor, a segment and either side of a transition.
TEST_F(EditingSections, CropValuesKeepEveryCornerAndEdgeInItsPlace)
{
    auto photo = picture();
    const CropValues own{QPointF(0.125, 0.25), QPointF(0.625, 0.875), {0.01f, 0.02f, 0.03f, 0.04f}};
    own.storeIn(photo.get());
    EXPECT_EQ(photo->cropTopLeft(), QPointF(0.125, 0.25));
    EXPECT_EQ(photo->cropBottomRight(), QPointF(0.625, 0.875));
    EXPECT_FLOAT_EQ(photo->featheringX0(), 0.01f);
    EXPECT_FLOAT_EQ(photo->featheringY0(), 0.02f);
    EXPECT_FLOAT_EQ(photo->featheringX1(), 0.03f);
    EXPECT_FLOAT_EQ(photo->featheringY1(), 0.04f);
    EXPECT_EQ(CropValues::of(photo.get()), own);

    const int id = photo->addTransitionAtTime(1.0f, 0.0f);
    const CropValues begin{QPointF(0.0625, 0.1875), QPointF(0.5625, 0.8125), {0.11f, 0.12f, 0.13f, 0.14f}};
    const CropValues end{QPointF(0.25, 0.375), QPointF(0.9375, 0.75), {0.21f, 0.22f, 0.23f, 0.24f}};
    begin.storeIn(photo.get(), id, true);
    end.storeIn(photo.get(), id, false);
    EXPECT_EQ(photo->transitionCropTopLeft(id, false), QPointF(0.25, 0.375));
    EXPECT_EQ(photo->transitionCropBottomRight(id, false), QPointF(0.9375, 0.75));
    EXPECT_FLOAT_EQ(photo->transitionFeatheringX0(id, false), 0.21f);
    EXPECT_FLOAT_EQ(photo->transitionFeatheringY0(id, false), 0.22f);
    EXPECT_FLOAT_EQ(photo->transitionFeatheringX1(id, false), 0.23f);
    EXPECT_FLOAT_EQ(photo->transitionFeatheringY1(id, false), 0.24f);
    EXPECT_EQ(CropValues::of(photo.get(), id, true), begin);
    EXPECT_EQ(CropValues::of(photo.get(), id, false), end);
    EXPECT_EQ(CropValues::of(photo.get()), own);

    QPixmap still(320, 180);
    still.fill(Qt::gray);
    const CropWidget editor(QRect(0, 0, 320, 180), still, own.rect(), 0.01f, 0.02f, 0.03f, 0.04f, true, &window);
    const CropValues shown = CropValues::of(&editor);
    EXPECT_NEAR(shown.topLeft.x(), 0.125, 1e-6);
    EXPECT_NEAR(shown.topLeft.y(), 0.25, 1e-6);
    EXPECT_NEAR(shown.bottomRight.x(), 0.625, 1e-6);
    EXPECT_NEAR(shown.bottomRight.y(), 0.875, 1e-6);
    EXPECT_EQ(shown.feathering, own.feathering);
}

#include "HistoryWindow.h"

#include "AVAnimation.h"
#include "AVAudioSegment.h"
#include "AVLayerSegment.h"
#include "AVTextSegment.h"
#include "AVTransition.h"
#include "CommonSliderColorPopup.h"
#include "EditScrollArea.h"
#include "PopupColorsScrollWidget.h"
#include "PopupSliderColorShadowWidget.h"
#include "SegmentStyleDefaults.h"
#include "SegmentWidget.h"
#include "TextEditWidget.h"
#include "TextSegment.h"
#include "UserSettings.h"

#include <QAbstractAnimation>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The window with its value slots wired to popups the way the inspector
// wires them, at the 1920 x 1080 movie size.
class ValueWindow : public HistoryWindow
{
public:
    ValueWindow(const QString& name, const QSize& previewSize) : HistoryWindow(name, previewSize)
    {
        _previewSizeLevel = 3;
    }
    using MainWindow::_currentScrollTime;
    using MainWindow::_initEditScrollArea;
    using MainWindow::_scrollToTime;

    void wire(CommonSliderColorPopup* popup)
    {
        connect(popup, &CommonSliderColorPopup::sliderColorPopupValueChanging, this,
                &ValueWindow::sliderColorPopup_onValueChanging);
        connect(popup, &CommonSliderColorPopup::sliderColorPopupValueChanged, this,
                &ValueWindow::sliderColorPopup_onValueChanged);
        connect(popup, &CommonSliderColorPopup::sliderColorPopupValue2Changed, this,
                &ValueWindow::sliderColorPopup_onValue2Changed);
        connect(popup, &CommonSliderColorPopup::sliderColorPopupColorChanged, this,
                &ValueWindow::sliderColorPopup_onColorChanged);
    }
    void wireShadow(PopupSliderColorShadowWidget* popup)
    {
        connect(popup, &PopupSliderColorShadowWidget::shadowOffsetChanged, this,
                &ValueWindow::sliderColorShadowPopup_onShadowOffsetChanged);
    }
    void wireColors(PopupColorsScrollWidget* popup)
    {
        connect(popup, &PopupColorsScrollWidget::brightnessChanged, this,
                &ValueWindow::scrollColorsPopup_onBrightnessChanged);
        connect(popup, &PopupColorsScrollWidget::schemeChanged, this, &ValueWindow::scrollColorsPopup_onSchemeChanged);
        connect(popup, &PopupColorsScrollWidget::applyToAllSegmentsRequested, this,
                &ValueWindow::scrollColorsPopup_onApplyToAllSegmentsRequested);
    }
    void showTransitionState(int state) { _editingTransitionState = state; }
    void openInlineEditor() { _textEditor = new TextEditWidget(this); }
    void closeInlineEditor() { delete _textEditor.data(); }
    int compositionWidth() const { return _composition->width(); }
};

class ValueSlotsTest : public HistoryTest
{
protected:
    // Opens the records and starts editing the segment with the UId.
    QString openEditing(std::vector<RecordBuilder>& records, const QString& uid)
    {
        const QString failure = openProject(records, window);
        if (!failure.isEmpty())
            return failure;
        edited = segmentByUId(*window, uid);
        tile = window->editSegment(edited);
        if (!tile)
            return QStringLiteral("the segment did not enter editing");
        // Entering scrolls the tile into view with an animation; a test
        // placing the play head waits for it to end.
        waitFor([&] {
            const auto running = window->timeline()->findChildren<QAbstractAnimation*>();
            return std::none_of(running.begin(), running.end(), [](QAbstractAnimation* animation) {
                return animation->state() == QAbstractAnimation::Running;
            });
        }, 3000);
        return QString();
    }

    static RecordBuilder picture(const char* uid, const char* file, int track)
    {
        return std::move(RecordBuilder("IMAGE").set("UId", uid).set("File", file).set("TrackId", track)
                             .set("RangeStart", 0).set("RangeDuration", 4).set("UserTransparency", 1));
    }

    bool makeMedia(const QStringList& arguments)
    {
        return QProcess::execute(QStringLiteral("ffmpeg"), QStringList{"-v", "error", "-y"} + arguments) == 0;
    }

    int historySize() const { return window->projectManager()->history().size(); }

    AVSegment* engineSegment(int32_t id) const { return window->composition()->findSegment(uint32_t(id)); }
    AVLayerSegment* layer(const Segment* segment) const
    {
        return dynamic_cast<AVLayerSegment*>(engineSegment(segment->serialNumber()));
    }

    std::unique_ptr<ValueWindow> window;
    Segment* edited = nullptr;
    SegmentWidget* tile = nullptr;
};

} // namespace

// A drag costs nothing in the history; its release one step, saved and
// drawn: half of the red picture over the black background.
TEST_F(ValueSlotsTest, TransparencyDragIsLiveAndItsReleaseOneSavedStep)
{
    ASSERT_TRUE(makePicture(QStringLiteral("red.png"), QStringLiteral("red")));
    std::vector<RecordBuilder> records;
    records.push_back(picture("red", "red.png", 1));
    const QString failure = openEditing(records, QStringLiteral("red"));
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    CommonSliderColorPopup popup;
    popup.setTag(1);
    window->wire(&popup);
    const int before = historySize();

    for (int step = 0; step < 100; ++step)
        emit popup.sliderColorPopupValueChanging(&popup, 1.0f - step * 0.005f);
    EXPECT_EQ(historySize(), before);
    EXPECT_FLOAT_EQ(edited->userTransparency(), 1.0f);
    EXPECT_NEAR(layer(edited)->staticValues().transparency, 0.505f, 1e-4);

    emit popup.sliderColorPopupValueChanged(&popup, 0.5f);
    EXPECT_EQ(historySize(), before + 1);
    EXPECT_TRUE(window->projectManager()->isModified());
    EXPECT_FLOAT_EQ(layer(edited)->staticValues().transparency, 0.5f);
    // The same value again changes nothing and records nothing.
    emit popup.sliderColorPopupValueChanged(&popup, 0.5f);
    EXPECT_EQ(historySize(), before + 1);

    window->_saveProject();
    QFile file(ProjectManager::projectXmlPath(name, QString()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("UserTransparency=\"0.5\""));

    QRgb centre = 0;
    waitFor([&] {
        window->engine()->requestRedraw();
        const QImage frame = window->preview()->grabFramebuffer();
        centre = frame.isNull() ? 0 : frame.pixel(frame.width() / 2, frame.height() / 2);
        return std::abs(qRed(centre) - 128) <= 3;
    }, 5000);
    EXPECT_NEAR(qRed(centre), 128, 3);
    EXPECT_NEAR(qGreen(centre), 0, 3);
    EXPECT_NEAR(qBlue(centre), 0, 3);
}

// Lengths are kept as fractions of the 1920 pixel width; truncated values
// reach the engine as the model keeps them; the style defaults follow the
// user's habits only when allowed.
TEST_F(ValueSlotsTest, LengthsBecomeFractionsAndDefaultsFollowHabits)
{
    ASSERT_TRUE(makePicture(QStringLiteral("red.png"), QStringLiteral("red")));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(picture("red", "red.png", 1).set("CornerRadius", 40)));
    const QString failure = openEditing(records, QStringLiteral("red"));
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    ASSERT_EQ(window->compositionWidth(), 1920);
    SegmentStyleDefaults* defaults = SegmentStyleDefaults::instance();

    UserSettings::instance()->setApplyUserHabits(false);
    const float cornerDefault = defaults->imageCornerRadiusFraction;
    CommonSliderColorPopup corner;
    corner.setTag(4);
    window->wire(&corner);
    emit corner.sliderColorPopupValueChanged(&corner, 96.0f);
    EXPECT_FLOAT_EQ(edited->cornerRadiusFraction(), 0.05f);
    EXPECT_FLOAT_EQ(edited->cornerRadius(), 0.0f);
    EXPECT_FLOAT_EQ(layer(edited)->style().cornerRadius, 0.05f);
    EXPECT_FLOAT_EQ(defaults->imageCornerRadiusFraction, cornerDefault);

    UserSettings::instance()->setApplyUserHabits(true);
    PopupSliderColorShadowWidget shadow;
    shadow.setTag(50);
    window->wireShadow(&shadow);
    emit shadow.shadowOffsetChanged(&shadow, QSizeF(100.0, 50.0));
    EXPECT_NEAR(edited->shadowOffsetFraction().width(), 0.0520833, 1e-6);
    EXPECT_NEAR(edited->shadowOffsetFraction().height(), 0.0260417, 1e-6);
    EXPECT_NEAR(layer(edited)->style().shadowOffset.x, 0.0520833, 1e-6);
    EXPECT_NEAR(layer(edited)->style().shadowOffset.y, 0.0260417, 1e-6);
    EXPECT_NEAR(defaults->imageShadowOffsetFraction.height(), 0.0260417, 1e-6);

    CommonSliderColorPopup stroke;
    stroke.setTag(30);
    window->wire(&stroke);
    emit stroke.sliderColorPopupValue2Changed(&stroke, 12.7f);
    EXPECT_EQ(edited->borderStrokeTolerance(), 12);
    EXPECT_EQ(layer(edited)->style().strokeTolerance, 12u);
    EXPECT_EQ(defaults->borderStrokeTolerance, 12);
}

// A movie's volume goes to its sound only; a kind that has no row for a
// signal records nothing.
TEST_F(ValueSlotsTest, MovieVolumeReachesItsSoundOnly)
{
    ASSERT_TRUE(makeMedia({"-f", "lavfi", "-i", "testsrc=s=320x180:d=3:r=25", "-f", "lavfi", "-i",
                           "sine=f=440:d=3", "-shortest", "-pix_fmt", "yuv420p", dir + "/clip.mp4"}));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("MOVIE").set("UId", "clip").set("File", "clip.mp4").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 3)));
    const QString failure = openEditing(records, QStringLiteral("clip"));
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    CommonSliderColorPopup volume;
    volume.setTag(3);
    window->wire(&volume);
    const int before = historySize();

    emit volume.sliderColorPopupValueChanging(&volume, 0.2f);
    auto* sound = dynamic_cast<AVAudioSegment*>(engineSegment(edited->secondEngineId()));
    ASSERT_NE(sound, nullptr);
    EXPECT_FLOAT_EQ(sound->volume(), 1.0f);
    emit volume.sliderColorPopupValueChanged(&volume, 2.0f);
    EXPECT_FLOAT_EQ(edited->userVolume(), 2.0f);
    EXPECT_FLOAT_EQ(sound->volume(), 2.0f);
    EXPECT_FLOAT_EQ(layer(edited)->staticValues().volume, 1.0f);
    EXPECT_EQ(historySize(), before + 1);

    // The transition's transparency while no transition state is shown.
    CommonSliderColorPopup state;
    state.setTag(6);
    window->wire(&state);
    emit state.sliderColorPopupValueChanged(&state, 0.3f);
    EXPECT_EQ(historySize(), before + 1);
}

// Step 7 is speed 2.0: the frame under the play head stays, so 2 s after
// the start becomes 1 s after; the same step again records nothing.
TEST_F(ValueSlotsTest, MusicSpeedKeepsTheFrameUnderThePlayHead)
{
    ASSERT_TRUE(makeMedia({"-f", "lavfi", "-i", "sine=f=440:d=8", dir + "/tone.wav"}));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("MUSIC").set("UId", "tone").set("File", "tone.wav").set("TrackId", 1)
                                    .set("RangeStart", 1).set("RangeDuration", 8)));
    const QString failure = openEditing(records, QStringLiteral("tone"));
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    // Play head and preview both at 3 s, so that no late frame report of
    // an older time moves the timeline afterwards.
    window->_scrollToTime(3.0f, false);
    window->_seekPreview(3.0f, true);
    ASSERT_TRUE(waitFor([&] { return std::fabs(window->engine()->currentTime() - 3.0f) < 0.01f; }, 5000));
    ASSERT_NEAR(window->_currentScrollTime(), 3.0f, 0.05f);
    CommonSliderColorPopup speed;
    speed.setTag(2);
    window->wire(&speed);
    const int before = historySize();

    emit speed.sliderColorPopupValueChanged(&speed, 7.0f);
    EXPECT_FLOAT_EQ(edited->speed(), 2.0f);
    EXPECT_NEAR(window->_currentScrollTime(), 2.0f, 0.05f);
    EXPECT_TRUE(waitFor([&] { return std::fabs(window->engine()->currentTime() - 2.0f) < 0.01f; }, 5000));
    EXPECT_EQ(historySize(), before + 1);

    emit speed.sliderColorPopupValueChanged(&speed, 7.0f);
    EXPECT_EQ(historySize(), before + 1);
    EXPECT_NEAR(window->_currentScrollTime(), 2.0f, 0.05f);
}

// A scheme is one step; with the begin state shown a brightness lands in
// that state only; apply to all writes the pictures and nothing else.
TEST_F(ValueSlotsTest, ColourAdjustmentsGoToSchemesStatesAndAllOfAType)
{
    ASSERT_TRUE(makePicture(QStringLiteral("red.png"), QStringLiteral("red")));
    std::vector<RecordBuilder> records;
    records.push_back(picture("first", "red.png", 1));
    records.push_back(picture("second", "red.png", 2));
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "A").set("TrackId", 3)
                                    .set("RangeStart", 0).set("RangeDuration", 4)));
    const QString failure = openEditing(records, QStringLiteral("first"));
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    PopupColorsScrollWidget colors;
    window->wireColors(&colors);
    const int before = historySize();

    emit colors.schemeChanged(&colors, 1, 2, 3, 4, 5, 6, 7, 8, 9);
    EXPECT_EQ(historySize(), before + 1);
    EXPECT_EQ(edited->clrSaturation(), 1);
    EXPECT_EQ(edited->clrHue(), 6);
    EXPECT_EQ(edited->clrBlue(), 9);
    EXPECT_EQ(layer(edited)->staticValues().effectColor[1], 2);

    // The begin state of a transition shown on the preview.
    if (!edited->attributes()->transitions())
        edited->attributes()->resetTransitions();
    auto entry = std::make_unique<SegmentAttributes>();
    entry->resetState(true);
    entry->resetState(false);
    const int tId = edited->addTransition(entry, 1.0f);
    edited->setTransitionDuration(tId, 1.0f);
    window->engine()->addAnimation(edited->serialNumber(), tId, 0.25f, 0.25f, 1);
    tile->setTransitionId(tId, true);
    window->showTransitionState(1);
    emit colors.brightnessChanged(&colors, 30);
    EXPECT_EQ(edited->transitionClrBrightness(tId, true), 30);
    EXPECT_EQ(edited->clrBrightness(), 2);
    AVSegment* engine = engineSegment(edited->serialNumber());
    AVAnimation* animation = engine->findAnimation(uint32_t(tId));
    ASSERT_NE(animation, nullptr);
    AVTransition* transition = animation->transition(AVAnimation::effectColorSlot(1));
    ASSERT_NE(transition, nullptr);
    EXPECT_FLOAT_EQ(transition->fromX(), 30.0f);
    engine->releaseAnimation(uint32_t(tId));
    EXPECT_EQ(historySize(), before + 2);

    window->takeHeadsUps();
    emit colors.applyToAllSegmentsRequested(&colors, 11, 12, 13, 14, 15, 16, 17, 18, 19);
    EXPECT_EQ(historySize(), before + 3);
    Segment* second = segmentByUId(*window, QStringLiteral("second"));
    Segment* caption = segmentByUId(*window, QStringLiteral("caption"));
    EXPECT_EQ(second->clrSaturation(), 11);
    EXPECT_EQ(second->clrBlue(), 19);
    EXPECT_EQ(edited->clrContrast(), 13);
    EXPECT_EQ(layer(second)->staticValues().effectColor[1], 12);
    EXPECT_EQ(caption->clrSaturation(), 0);
    EXPECT_EQ(edited->transitionClrBrightness(tId, true), 30);
    EXPECT_EQ(window->takeHeadsUps(), QStringList{"Color settings applied to all image segments"});
}

// With the inline editor open the drag writes the model, so its first step
// records the state before it; the release records nothing more, and one
// undo step covers the whole drag.
TEST_F(ValueSlotsTest, TextSizeDragInTheInlineEditorIsOneStep)
{
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "A").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 4)));
    const QString failure = openEditing(records, QStringLiteral("caption"));
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    auto* text = static_cast<TextSegment*>(edited);
    const QSizeF size(window->compositionWidth(), 1080.0);
    text->setFontSizeForVideoSize(40.0f, size);
    window->openInlineEditor();
    CommonSliderColorPopup popup;
    popup.setTag(10);
    window->wire(&popup);
    const int before = historySize();

    for (int step = 1; step <= 10; ++step)
        emit popup.sliderColorPopupValueChanging(&popup, 40.0f + float(step) * 4.0f);
    EXPECT_EQ(historySize(), before + 1);
    EXPECT_FLOAT_EQ(text->fontSize(size), 80.0f);
    emit popup.sliderColorPopupValueChanged(&popup, 80.0f);
    EXPECT_EQ(historySize(), before + 1);

    window->closeInlineEditor();
    window->undoNow();
    Segment* restored = segmentByUId(*window, QStringLiteral("caption"));
    ASSERT_NE(restored, nullptr);
    EXPECT_FLOAT_EQ(static_cast<TextSegment*>(restored)->fontSize(size), 40.0f);
}

// A caption stored at 80 for a 1280-wide frame, edited in a 1920-wide
// composition: the slider's number is the stored one, and a new size keeps
// the caption's frame, so its share of the picture follows the number alone.
TEST_F(ValueSlotsTest, TextSizeIsEditedInTheCaptionsOwnFrame)
{
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "caption").set("Text", "A").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 4).set("FontSize", 80)));
    const QString failure = openEditing(records, QStringLiteral("caption"));
    if (!failure.isEmpty())
        GTEST_SKIP() << qPrintable(failure);
    ASSERT_EQ(window->compositionWidth(), 1920);
    auto* text = static_cast<TextSegment*>(edited);
    ASSERT_EQ(text->referenceSize(), QSizeF(1280, 720));
    CommonSliderColorPopup popup;
    popup.setTag(10);
    window->wire(&popup);

    emit popup.sliderColorPopupValueChanging(&popup, 90.0f);
    auto* drawn = dynamic_cast<AVTextSegment*>(engineSegment(text->serialNumber()));
    ASSERT_NE(drawn, nullptr);
    EXPECT_FLOAT_EQ(drawn->fontScale(), 90.0f / 1280.0f);
    emit popup.sliderColorPopupValueChanged(&popup, 100.0f);
    EXPECT_EQ(text->referenceSize(), QSizeF(1280, 720));
    EXPECT_FLOAT_EQ(text->fontSize(text->referenceSize()), 100.0f);
    EXPECT_FLOAT_EQ(text->fontSize(QSizeF(1920, 1080)), 150.0f);
    EXPECT_FLOAT_EQ(drawn->fontScale(), 100.0f / 1280.0f);
}

#include "HistoryWindow.h"
#include "TestWindow.h"

#include "AVAnimation.h"
#include "AVAudioSegment.h"
#include "AVLayerSegment.h"
#include "AVTransition.h"
#include "AVVideoSegment.h"
#include "CommonSliderColorPopup.h"
#include "ImageSegment.h"
#include "IsolatedSettings.h"
#include "MovieSegment.h"
#include "MusicSegment.h"
#include "ProjectManager.h"
#include "ProjectTestSupport.h"
#include "SegmentKeys.h"
#include "SliderPopupKind.h"
#include "TestMedia.h"

#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace {

const QString kName = QStringLiteral("Push");

constexpr int kLoadTimeoutMs = 10000;

// The window with the engine side of segments opened to the tests.
class PushWindow : public TestWindow
{
public:
    using TestWindow::TestWindow;
    using MainWindow::_createEngineSegment;
    using MainWindow::_pushSegmentProperties;
    using MainWindow::_shiftEngineAnimationIds;
    using MainWindow::_syncSegmentTransform;
    using MainWindow::_syncSegmentTrimToEngine;
    using MainWindow::_syncTransitionToEngine;
};

std::unique_ptr<SegmentAttributes> attributesOf(const QString& type, const QString& file, float rangeDuration)
{
    auto attributes = std::make_unique<SegmentAttributes>();
    Segment::setStringAttribute(attributes.get(), SegmentKey::Type, type);
    Segment::setStringAttribute(attributes.get(), SegmentKey::File, file);
    Segment::setIntAttribute(attributes.get(), SegmentKey::TrackId, 1);
    Segment::setFloatAttribute(attributes.get(), SegmentKey::RangeStart, 0.0f);
    if (rangeDuration > 0.0f)
        Segment::setFloatAttribute(attributes.get(), SegmentKey::RangeDuration, rangeDuration);
    return attributes;
}

// A transition of the given seconds of segment time, with empty states.
int addTransition(Segment* segment, float start, float length)
{
    if (!segment->attributes()->transitions())
        segment->attributes()->resetTransitions();
    auto entry = std::make_unique<SegmentAttributes>();
    entry->resetState(true);
    entry->resetState(false);
    const int id = segment->addTransition(entry, start);
    segment->setTransitionStart(id, start);
    segment->setTransitionDuration(id, length);
    return id;
}

std::vector<uint32_t> groupIds(AVSegment* segment)
{
    return segment ? segment->animationIds() : std::vector<uint32_t>{};
}

// Start and length of a group, or (-1, -1) without it.
std::pair<double, double> groupWindow(AVSegment* segment, uint32_t id)
{
    AVAnimation* animation = segment->findAnimation(id);
    if (!animation)
        return {-1.0, -1.0};
    const std::pair<double, double> window(animation->startTime(), animation->duration());
    segment->releaseAnimation(id);
    return window;
}

// Begin and end value (x) of a slot of a group; NaN without it.
std::pair<float, float> slotValues(AVSegment* segment, uint32_t id, int slot)
{
    std::pair<float, float> values(NAN, NAN);
    if (AVAnimation* animation = segment->findAnimation(id)) {
        if (AVTransition* transition = animation->transition(slot))
            values = {transition->fromX(), transition->toX()};
        segment->releaseAnimation(id);
    }
    return values;
}

class MainWindowPropertyPush : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = product.projectDir(kName);
        window = std::make_unique<PushWindow>(kName, QString());
        if (!window->startEngine(1920, 1080))
            GTEST_SKIP() << "no OpenGL context for the preview";
    }

    void TearDown() override
    {
        if (window && window->projectManager())
            window->_finishClosing();
        window.reset();
    }

    // A segment of the type, built from its dictionary without an owner so
    // that no loading task races the test, and created in the engine.
    template <typename Kind>
    Kind* make(std::unique_ptr<SegmentAttributes> attributes)
    {
        auto* segment = new Kind(std::move(attributes), nullptr, false);
        segments.emplace_back(segment);
        window->_createEngineSegment(segment);
        return segment;
    }

    MovieSegment* movie(float rangeDuration, const QString& file = QStringLiteral("clip_h264_aac.mp4"))
    {
        return make<MovieSegment>(attributesOf(QStringLiteral("MOVIE"), TestMedia::path(file), rangeDuration));
    }

    AVSegment* engineSegment(int32_t id) const { return window->composition()->findSegment(uint32_t(id)); }
    AVLayerSegment* layer(const Segment* segment) const
    {
        return dynamic_cast<AVLayerSegment*>(engineSegment(segment->serialNumber()));
    }

    IsolatedSettings settings;
    TemporaryProduct product;
    QString dir;
    std::unique_ptr<PushWindow> window;
    std::vector<std::unique_ptr<Segment>> segments;
};

} // namespace

TEST_F(MainWindowPropertyPush, PixelLengthsBecomeFractionsOfTheCanvasWidth)
{
    auto* picture = make<ImageSegment>(attributesOf(QStringLiteral("IMAGE"), TestMedia::path("picture.png"), 3.0f));
    picture->setBorderWidth(12.0f);
    picture->setBorderColor(qRgb(0x33, 0x66, 0x99));
    picture->setShadowPixelOffset(QSizeF(12.8, 0.0));
    picture->setCornerRadius(64.0f);
    picture->setClrBrightness(35);
    picture->setKeySensitivity(70);
    window->_pushSegmentProperties(picture);

    AVLayerSegment* engine = layer(picture);
    ASSERT_NE(engine, nullptr);
    const AVLayerStyle style = engine->style();
    EXPECT_FLOAT_EQ(style.borderWidth, 0.009375f);
    EXPECT_FLOAT_EQ(style.borderColor.x, 0x33 / 255.0f);
    EXPECT_FLOAT_EQ(style.borderColor.y, 0x66 / 255.0f);
    EXPECT_FLOAT_EQ(style.borderColor.z, 0x99 / 255.0f);
    EXPECT_FLOAT_EQ(style.shadowOffset.x, 0.01f);
    EXPECT_FLOAT_EQ(style.shadowOffset.y, 0.0f);
    EXPECT_FLOAT_EQ(style.cornerRadius, 0.05f);
    EXPECT_EQ(style.chromaKeySensitivity, 70u);
    EXPECT_EQ(engine->staticValues().effectColor[1], 35);

    // A stored fraction wins over the pixel length.
    picture->setBorderWidthFraction(0.02f);
    picture->setShadowOffsetFraction(QSizeF(0.03, -0.04));
    window->_pushSegmentProperties(picture);
    EXPECT_FLOAT_EQ(engine->style().borderWidth, 0.02f);
    EXPECT_FLOAT_EQ(engine->style().shadowOffset.x, 0.03f);
    EXPECT_FLOAT_EQ(engine->style().shadowOffset.y, -0.04f);
}

TEST_F(MainWindowPropertyPush, TheTransformAndColourStepsGoOutAsStored)
{
    auto* picture = make<ImageSegment>(attributesOf(QStringLiteral("IMAGE"), TestMedia::path("picture.png"), 3.0f));
    picture->setUserTransparency(0.3f);
    picture->setUserTranslation(QPointF(0.1, -0.2));
    picture->setUserScale(QPointF(1.5, 0.75));
    picture->setUserRotation(M_PI / 4);
    picture->setUserRotationX(float(M_PI));
    picture->setUserAnchorPoint(QPointF(0.25, 0.6));
    picture->setUserPoint2Offset(QPointF(0.05, -0.07));
    picture->setPerspective(true);
    picture->setCropTopLeft(QPointF(0.1, 0.2));
    picture->setCropBottomRight(QPointF(0.8, 0.9));
    picture->setFeatheringX0(0.01f);
    picture->setFeatheringY0(0.02f);
    picture->setFeatheringX1(0.03f);
    picture->setFeatheringY1(0.04f);
    const int steps[] = {-40, -30, -20, -10, 10, 20, 30, 40, 50};
    picture->setClrSaturation(steps[0]);
    picture->setClrBrightness(steps[1]);
    picture->setClrContrast(steps[2]);
    picture->setClrWhiteBalance(steps[3]);
    picture->setClrExposure(steps[4]);
    picture->setClrHue(steps[5]);
    picture->setClrRed(steps[6]);
    picture->setClrGreen(steps[7]);
    picture->setClrBlue(steps[8]);
    picture->setKeyEnabled(true);
    picture->setKeyColor(qRgb(0, 0xFF, 0x40));
    picture->setBorderStrokeTolerance(25);
    window->_pushSegmentProperties(picture);

    AVLayerSegment* engine = layer(picture);
    ASSERT_NE(engine, nullptr);
    const AVAnimatedValues values = engine->staticValues();
    EXPECT_FLOAT_EQ(values.transparency, 0.3f);
    EXPECT_FLOAT_EQ(values.position.x, 0.1f);
    EXPECT_FLOAT_EQ(values.position.y, -0.2f);
    EXPECT_FLOAT_EQ(values.scale.x, 1.5f);
    EXPECT_FLOAT_EQ(values.scale.y, 0.75f);
    EXPECT_NEAR(values.rotation, 45.0f, 1e-3);
    EXPECT_NEAR(values.rotationX, 180.0f, 1e-3);
    EXPECT_FLOAT_EQ(values.rotationY, 0.0f);
    EXPECT_FLOAT_EQ(values.anchor.x, 0.25f);
    EXPECT_FLOAT_EQ(values.anchor.y, 0.6f);
    EXPECT_FLOAT_EQ(values.pointOffset[2].x, 0.05f);
    EXPECT_FLOAT_EQ(values.pointOffset[2].y, -0.07f);
    EXPECT_FLOAT_EQ(values.pointOffset[1].x, 0.0f);
    EXPECT_FLOAT_EQ(values.cropTopLeft.y, 0.2f);
    EXPECT_FLOAT_EQ(values.cropBottomRight.x, 0.8f);
    const float feathering[] = {0.01f, 0.02f, 0.03f, 0.04f};
    for (int side = 0; side < 4; ++side)
        EXPECT_FLOAT_EQ(values.feathering[side], feathering[side]) << side;
    for (int index = 0; index < 9; ++index)
        EXPECT_EQ(values.effectColor[index], steps[index]) << index;
    const AVLayerStyle style = engine->style();
    EXPECT_EQ(style.perspective, 1);
    EXPECT_EQ(style.chromaKeyEnabled, 1);
    EXPECT_FLOAT_EQ(style.chromaKeyColor.y, 1.0f);
    EXPECT_FLOAT_EQ(style.chromaKeyColor.z, 0x40 / 255.0f);
    EXPECT_EQ(style.strokeTolerance, 25u);
    EXPECT_EQ(style.borderStroke, 0);
}

TEST_F(MainWindowPropertyPush, WithoutBorderOrPixelOffsetTheStoredValuesGo)
{
    auto* picture = make<ImageSegment>(attributesOf(QStringLiteral("IMAGE"), TestMedia::path("picture.png"), 3.0f));
    picture->setBorderColor(qRgb(0x80, 0x40, 0x20));
    Segment::setSizeAttribute(picture->attributes(), SegmentKey::ShadowOffset, QSizeF(0.01, 0.02));
    picture->setShadowColor(qRgb(0, 0, 0xFF));
    window->_pushSegmentProperties(picture);

    const AVLayerStyle style = layer(picture)->style();
    EXPECT_FLOAT_EQ(style.borderWidth, 0.0f);
    // No border: its colour stays the engine's own.
    EXPECT_FLOAT_EQ(style.borderColor.x, 0.0f);
    EXPECT_FLOAT_EQ(style.shadowOffset.x, 0.01f);
    EXPECT_FLOAT_EQ(style.shadowOffset.y, 0.02f);
    EXPECT_FLOAT_EQ(style.shadowColor.z, 1.0f);
}

TEST_F(MainWindowPropertyPush, AMovieVolumeReachesOnlyItsSound)
{
    MovieSegment* clip = movie(2.0f);
    clip->setUserVolume(0.4f);
    clip->setUserTransparency(0.25f);
    window->_pushSegmentProperties(clip);

    auto* sound = dynamic_cast<AVAudioSegment*>(engineSegment(clip->secondEngineId()));
    ASSERT_NE(sound, nullptr);
    EXPECT_FLOAT_EQ(sound->volume(), 0.4f);
    AVLayerSegment* picture = layer(clip);
    ASSERT_NE(picture, nullptr);
    EXPECT_FLOAT_EQ(picture->staticValues().volume, 1.0f);
    EXPECT_FLOAT_EQ(picture->staticValues().transparency, 0.25f);
}

TEST_F(MainWindowPropertyPush, TransitionsBecomeOneGroupEachOnBothIds)
{
    // Two seconds of media at half speed: four seconds on the timeline.
    MovieSegment* clip = movie(2.0f);
    clip->setSpeed(0.5f);
    Segment::setFloatAttribute(clip->attributes(), SegmentKey::RangeDuration, 2.0f);
    ASSERT_FLOAT_EQ(clip->duration(), 4.0f);
    const int tId = addTransition(clip, 1.0f, 2.0f);
    clip->setTransitionClrContrast(tId, true, -40);
    clip->setTransitionClrContrast(tId, false, 60);
    clip->setTransitionUserVolume(tId, true, 0.0f);
    clip->setTransitionUserVolume(tId, false, 0.75f);

    for (int push = 0; push < 2; ++push)
        window->_pushSegmentProperties(clip);

    AVSegment* picture = engineSegment(clip->serialNumber());
    AVSegment* sound = engineSegment(clip->secondEngineId());
    for (AVSegment* target : {picture, sound}) {
        ASSERT_NE(target, nullptr);
        EXPECT_EQ(groupIds(target), std::vector<uint32_t>{uint32_t(tId)});
        const auto window = groupWindow(target, uint32_t(tId));
        EXPECT_FLOAT_EQ(float(window.first), 0.25f);
        EXPECT_FLOAT_EQ(float(window.second), 0.5f);
    }
    // Colour steps arrive as the same whole numbers; the volume only on the sound.
    const auto contrast = slotValues(picture, uint32_t(tId), AVAnimation::effectColorSlot(2));
    EXPECT_FLOAT_EQ(contrast.first, -40.0f);
    EXPECT_FLOAT_EQ(contrast.second, 60.0f);
    const auto volume = slotValues(sound, uint32_t(tId), AVSlotVolume);
    EXPECT_FLOAT_EQ(volume.first, 0.0f);
    EXPECT_FLOAT_EQ(volume.second, 0.75f);
    EXPECT_TRUE(std::isnan(slotValues(picture, uint32_t(tId), AVSlotVolume).first));
}

TEST_F(MainWindowPropertyPush, AMovieOfUnknownLengthGetsZeroFractionsNotNaN)
{
    // The file is missing, so the length stays unknown and the duration 0.
    MovieSegment* clip = movie(0.0f, QStringLiteral("missing.mp4"));
    auto entry = std::make_unique<SegmentAttributes>();
    entry->resetState(true);
    entry->resetState(false);
    Segment::setFloatAttribute(entry.get(), SegmentKey::TStart, 0.25f);
    Segment::setFloatAttribute(entry.get(), SegmentKey::TDuration, 0.5f);
    clip->attributes()->resetTransitions();
    const int tId = clip->addTransition(entry, 0.0f);
    ASSERT_EQ(clip->duration(), 0.0f);
    window->_pushSegmentProperties(clip);

    for (int32_t id : {clip->serialNumber(), clip->secondEngineId()}) {
        AVSegment* target = engineSegment(id);
        ASSERT_NE(target, nullptr);
        const auto window = groupWindow(target, uint32_t(tId));
        EXPECT_EQ(window.first, 0.0);
        EXPECT_EQ(window.second, 0.0);
    }
}

TEST_F(MainWindowPropertyPush, InsertingATransitionShiftsTheLaterGroupsFromTheTop)
{
    MovieSegment* clip = movie(4.0f);
    addTransition(clip, 1.0f, 0.5f);
    addTransition(clip, 3.0f, 0.5f);
    window->_pushSegmentProperties(clip);

    // A new first transition: the model's ids move up, then the engine's.
    const int inserted = addTransition(clip, 0.0f, 0.5f);
    ASSERT_EQ(inserted, 1);
    window->_shiftEngineAnimationIds(clip, inserted);

    for (int32_t id : {clip->serialNumber(), clip->secondEngineId()}) {
        AVSegment* target = engineSegment(id);
        ASSERT_NE(target, nullptr);
        std::vector<uint32_t> ids = groupIds(target);
        std::sort(ids.begin(), ids.end());
        EXPECT_EQ(ids, (std::vector<uint32_t>{2, 3}));
        EXPECT_FLOAT_EQ(float(groupWindow(target, 2).first), 0.25f);
        EXPECT_FLOAT_EQ(float(groupWindow(target, 3).first), 0.75f);
    }
}

TEST_F(MainWindowPropertyPush, AMusicSegmentGetsItsSoundAndVolumeStates)
{
    auto* music = make<MusicSegment>(attributesOf(QStringLiteral("MUSIC"), TestMedia::path("tone440.wav"), 3.0f));
    music->setUserVolume(0.6f);
    const int tId = addTransition(music, 0.0f, 1.5f);
    music->setTransitionUserVolume(tId, true, 0.2f);
    music->setTransitionUserVolume(tId, false, 0.8f);
    window->_pushSegmentProperties(music);

    auto* sound = dynamic_cast<AVAudioSegment*>(engineSegment(music->serialNumber()));
    ASSERT_NE(sound, nullptr);
    EXPECT_FLOAT_EQ(sound->volume(), 0.6f);
    EXPECT_EQ(groupIds(sound), std::vector<uint32_t>{uint32_t(tId)});
    EXPECT_FLOAT_EQ(float(groupWindow(sound, uint32_t(tId)).second), 0.5f);
    const auto volume = slotValues(sound, uint32_t(tId), AVSlotVolume);
    EXPECT_FLOAT_EQ(volume.first, 0.2f);
    EXPECT_FLOAT_EQ(volume.second, 0.8f);
}

TEST_F(MainWindowPropertyPush, TrimsGoOutInMediaSecondsOnBothIds)
{
    MovieSegment* clip = movie(1.0f);
    clip->setSpeed(2.0f);
    Segment::setFloatAttribute(clip->attributes(), SegmentKey::TrimStart, 0.5f);
    Segment::setFloatAttribute(clip->attributes(), SegmentKey::TrimDuration, 1.0f);
    // The engine trims only media it has loaded.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return engineSegment(clip->serialNumber())->status() == AVSegmentReady
            && engineSegment(clip->secondEngineId())->status() == AVSegmentReady;
    }, kLoadTimeoutMs));
    window->_syncSegmentTrimToEngine(clip);

    auto* picture = dynamic_cast<AVVideoSegment*>(engineSegment(clip->serialNumber()));
    auto* sound = dynamic_cast<AVAudioSegment*>(engineSegment(clip->secondEngineId()));
    ASSERT_NE(picture, nullptr);
    ASSERT_NE(sound, nullptr);
    EXPECT_DOUBLE_EQ(picture->inPoint(), 0.5);
    EXPECT_DOUBLE_EQ(picture->usedLength(), 1.0);
    EXPECT_DOUBLE_EQ(sound->inPoint(), 0.5);
    EXPECT_DOUBLE_EQ(sound->usedLength(), 1.0);
    EXPECT_DOUBLE_EQ(picture->duration(), 0.5);
    EXPECT_DOUBLE_EQ(sound->duration(), 0.5);
}

TEST_F(MainWindowPropertyPush, AnOldMovieTransformIsConvertedAndSent)
{
    // Owned by the window, so that the engine reports reach it and the
    // thumbnail task learns the video's size: the conversion places the frame.
    auto* clip = new MovieSegment(
        attributesOf(QStringLiteral("MOVIE"), TestMedia::path("clip_h264_aac.mp4"), 2.0f), window.get(), false);
    segments.emplace_back(clip);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        int32_t width = 0;
        int32_t height = 0;
        return window->engine()->videoSize(clip->serialNumber(), &width, &height) == 1;
    }, kLoadTimeoutMs));
    clip->onEngineLoadStatus(clip->secondEngineId(), false, 0);
    clip->onEngineLoadStatus(clip->serialNumber(), false, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return clip->state() == 4; }, kLoadTimeoutMs));
    ASSERT_FALSE(clip->videoSize().isEmpty());
    clip->setUserTranslation(QPointF(0.125, -0.25));
    Segment::setDoubleAttribute(clip->attributes(), SegmentKey::UserRotation, 90.0);
    clip->setUserFlip(1);
    const int tId = addTransition(clip, 0.5f, 1.0f);
    clip->setTransitionUserRotation(tId, false, 180.0f);
    clip->setTransitionUserFlip(tId, false, 2);
    window->_pushSegmentProperties(clip);
    window->projectManager()->setModified(false);

    window->_syncSegmentTransform(clip);

    EXPECT_NEAR(clip->userTranslation().x(), 0.125, 1e-6);
    EXPECT_NEAR(clip->userTranslation().y(), -0.25, 1e-6);
    EXPECT_NEAR(clip->userRotation(), M_PI / 2, 1e-9);
    EXPECT_TRUE(clip->isFlippedHorizontally());
    EXPECT_FALSE(clip->isFlippedVertically());
    EXPECT_TRUE(clip->isTransitionStateFlippedVertically(tId, false));
    EXPECT_TRUE(window->projectManager()->isModified());
    AVLayerSegment* picture = layer(clip);
    EXPECT_NEAR(picture->staticValues().rotation, 90.0f, 1e-3);
    EXPECT_NEAR(picture->staticValues().rotationY, 180.0f, 1e-3);
    const auto rotation = slotValues(picture, uint32_t(tId), AVSlotRotate);
    EXPECT_NEAR(rotation.first, 0.0f, 1e-3);
    EXPECT_NEAR(rotation.second, 180.0f, 1e-3);
    EXPECT_NEAR(slotValues(picture, uint32_t(tId), AVSlotRotateX).second, 180.0f, 1e-3);
}

TEST_F(MainWindowPropertyPush, AnOldMovieOfUnknownSizeKeepsItsTranslation)
{
    // Without an owner the movie never learns its video's size.
    MovieSegment* clip = movie(2.0f);
    ASSERT_TRUE(clip->videoSize().isEmpty());
    clip->setUserTranslation(QPointF(0.125, -0.25));
    Segment::setDoubleAttribute(clip->attributes(), SegmentKey::UserRotation, 180.0);
    window->_syncSegmentTransform(clip);

    EXPECT_NEAR(clip->userTranslation().x(), 0.125, 1e-6);
    EXPECT_NEAR(clip->userTranslation().y(), -0.25, 1e-6);
    EXPECT_NEAR(clip->userRotation(), M_PI, 1e-9);
    EXPECT_FLOAT_EQ(layer(clip)->staticValues().position.x, 0.125f);
}

namespace {

// Every picture property the push sends, each with a value of its own.
void giveEveryPictureProperty(Segment* segment)
{
    segment->setUserTransparency(0.3f);
    segment->setUserTranslation(QPointF(0.1, -0.2));
    segment->setUserScale(QPointF(1.5, 0.75));
    segment->setUserRotation(M_PI / 4);
    segment->setUserRotationX(0.5f);
    segment->setUserRotationY(-0.25f);
    segment->setUserAnchorPoint(QPointF(0.25, 0.6));
    segment->setUserPoint0Offset(QPointF(0.01, 0.02));
    segment->setUserPoint1Offset(QPointF(0.03, 0.04));
    segment->setUserPoint2Offset(QPointF(0.05, -0.07));
    segment->setUserPoint3Offset(QPointF(-0.06, 0.08));
    segment->setPerspective(true);
    segment->setCropTopLeft(QPointF(0.1, 0.2));
    segment->setCropBottomRight(QPointF(0.8, 0.9));
    segment->setFeatheringX0(0.01f);
    segment->setFeatheringY0(0.02f);
    segment->setFeatheringX1(0.03f);
    segment->setFeatheringY1(0.04f);
    segment->setClrSaturation(-40);
    segment->setClrBrightness(-30);
    segment->setClrContrast(-20);
    segment->setClrWhiteBalance(-10);
    segment->setClrExposure(10);
    segment->setClrHue(20);
    segment->setClrRed(30);
    segment->setClrGreen(40);
    segment->setClrBlue(50);
    segment->setKeyEnabled(true);
    segment->setKeySensitivity(70);
    segment->setKeySmoothing(15);
    segment->setKeyColor(qRgb(0, 0xFF, 0x40));
    segment->setBorderWidthFraction(0.02f);
    segment->setBorderColor(qRgb(0x33, 0x66, 0x99));
    segment->setBorderStroke(true);
    segment->setBorderStrokeTolerance(25);
    segment->setBorderStrokeStrength(60);
    segment->setCornerRadiusFraction(0.05f);
    segment->setShadowOpacity(0.5f);
    segment->setShadowOffsetFraction(QSizeF(0.03, -0.04));
    segment->setShadowRadiusFraction(0.005f);
    segment->setShadowColor(qRgb(0xC0, 0x20, 0x10));
}

// The engine's picture holds every value given above.
void expectEveryPictureProperty(AVLayerSegment* engine, const char* when)
{
    ASSERT_NE(engine, nullptr) << when;
    SCOPED_TRACE(when);
    const AVAnimatedValues values = engine->staticValues();
    EXPECT_FLOAT_EQ(values.transparency, 0.3f);
    EXPECT_FLOAT_EQ(values.position.x, 0.1f);
    EXPECT_FLOAT_EQ(values.position.y, -0.2f);
    EXPECT_FLOAT_EQ(values.scale.x, 1.5f);
    EXPECT_FLOAT_EQ(values.scale.y, 0.75f);
    EXPECT_NEAR(values.rotation, 45.0f, 1e-3);
    EXPECT_NEAR(values.rotationX, 0.5f * 180.0f / float(M_PI), 1e-3);
    EXPECT_NEAR(values.rotationY, -0.25f * 180.0f / float(M_PI), 1e-3);
    EXPECT_FLOAT_EQ(values.anchor.x, 0.25f);
    EXPECT_FLOAT_EQ(values.anchor.y, 0.6f);
    const float corners[4][2] = {{0.01f, 0.02f}, {0.03f, 0.04f}, {0.05f, -0.07f}, {-0.06f, 0.08f}};
    for (int corner = 0; corner < 4; ++corner) {
        EXPECT_FLOAT_EQ(values.pointOffset[corner].x, corners[corner][0]) << corner;
        EXPECT_FLOAT_EQ(values.pointOffset[corner].y, corners[corner][1]) << corner;
    }
    EXPECT_FLOAT_EQ(values.cropTopLeft.x, 0.1f);
    EXPECT_FLOAT_EQ(values.cropTopLeft.y, 0.2f);
    EXPECT_FLOAT_EQ(values.cropBottomRight.x, 0.8f);
    EXPECT_FLOAT_EQ(values.cropBottomRight.y, 0.9f);
    const float feathering[] = {0.01f, 0.02f, 0.03f, 0.04f};
    for (int side = 0; side < 4; ++side)
        EXPECT_FLOAT_EQ(values.feathering[side], feathering[side]) << side;
    const int steps[] = {-40, -30, -20, -10, 10, 20, 30, 40, 50};
    for (int index = 0; index < 9; ++index)
        EXPECT_EQ(values.effectColor[index], steps[index]) << index;
    const AVLayerStyle style = engine->style();
    EXPECT_EQ(style.perspective, 1);
    EXPECT_EQ(style.chromaKeyEnabled, 1);
    EXPECT_EQ(style.chromaKeySensitivity, 70u);
    EXPECT_EQ(style.chromaKeySmoothing, 15u);
    EXPECT_FLOAT_EQ(style.chromaKeyColor.x, 0.0f);
    EXPECT_FLOAT_EQ(style.chromaKeyColor.y, 1.0f);
    EXPECT_FLOAT_EQ(style.chromaKeyColor.z, 0x40 / 255.0f);
    EXPECT_FLOAT_EQ(style.borderWidth, 0.02f);
    EXPECT_FLOAT_EQ(style.borderColor.x, 0x33 / 255.0f);
    EXPECT_FLOAT_EQ(style.borderColor.y, 0x66 / 255.0f);
    EXPECT_FLOAT_EQ(style.borderColor.z, 0x99 / 255.0f);
    EXPECT_EQ(style.borderStroke, 1);
    EXPECT_EQ(style.strokeTolerance, 25u);
    EXPECT_EQ(style.strokeStrength, 60u);
    EXPECT_FLOAT_EQ(style.cornerRadius, 0.05f);
    EXPECT_FLOAT_EQ(style.shadowOpacity, 0.5f);
    EXPECT_FLOAT_EQ(style.shadowOffset.x, 0.03f);
    EXPECT_FLOAT_EQ(style.shadowOffset.y, -0.04f);
    EXPECT_FLOAT_EQ(style.shadowRadius, 0.005f);
    EXPECT_FLOAT_EQ(style.shadowColor.x, 0xC0 / 255.0f);
    EXPECT_FLOAT_EQ(style.shadowColor.y, 0x20 / 255.0f);
    EXPECT_FLOAT_EQ(style.shadowColor.z, 0x10 / 255.0f);
}

void expectSound(AVSegment* engine, float volume, double pitch, const char* when)
{
    auto* sound = dynamic_cast<AVAudioSegment*>(engine);
    ASSERT_NE(sound, nullptr) << when;
    EXPECT_FLOAT_EQ(sound->volume(), volume) << when;
    EXPECT_DOUBLE_EQ(sound->pitch(), pitch) << when;
}

// The window with its value slots wired to popups the way the inspector wires them.
class SliderWindow : public HistoryWindow
{
public:
    using HistoryWindow::HistoryWindow;
    void wire(CommonSliderColorPopup* popup)
    {
        connect(popup, &CommonSliderColorPopup::sliderColorPopupValueChanged, this,
                &SliderWindow::sliderColorPopup_onValueChanged);
    }
};

class PropertyPushFromDisk : public HistoryTest
{
protected:
    Segment* segment(const char* uid) { return segmentByUId(*window, QString::fromLatin1(uid)); }
    AVSegment* engineSegment(int32_t id) const { return window->composition()->findSegment(uint32_t(id)); }
    AVLayerSegment* layer(const char* uid)
    {
        const Segment* found = segment(uid);
        return found ? dynamic_cast<AVLayerSegment*>(engineSegment(found->serialNumber())) : nullptr;
    }

    std::unique_ptr<SliderWindow> window;
};

// A record as the model writes it: the segment's own setters give the values.
template <typename Kind>
RecordBuilder recordWith(RecordBuilder record, const std::function<void(Segment*)>& give)
{
    Kind segment(std::move(record.attributes), nullptr, false);
    give(&segment);
    record.attributes = std::make_unique<SegmentAttributes>();
    Segment::copyPlainAttributes(segment.attributes(), record.attributes.get());
    return record;
}

} // namespace

// A project folder holding every property, opened: the engine's segments
// hold them all; after undoing changes made with the sliders they hold them
// all again.
TEST_F(PropertyPushFromDisk, EveryPropertyReachesTheEngineAfterOpeningAndAfterUndo)
{
    for (const char* file : {"clip_h264_aac.mp4", "picture.png", "tone440.wav"})
        ASSERT_TRUE(QFile::copy(TestMedia::path(file), dir + "/" + file)) << file;
    std::vector<RecordBuilder> records;
    records.push_back(recordWith<MovieSegment>(
        std::move(RecordBuilder("MOVIE").set("UId", "clip").set("File", "clip_h264_aac.mp4").set("TrackId", 1)
                      .set("RangeStart", 0).set("RangeDuration", 2)),
        [](Segment* clip) {
            giveEveryPictureProperty(clip);
            clip->setUserVolume(0.4f);
            clip->setPitch(0.75f);
        }));
    records.push_back(recordWith<ImageSegment>(
        std::move(RecordBuilder("IMAGE").set("UId", "picture").set("File", "picture.png").set("TrackId", 2)
                      .set("RangeStart", 0).set("RangeDuration", 2)),
        giveEveryPictureProperty));
    records.push_back(recordWith<MusicSegment>(
        std::move(RecordBuilder("MUSIC").set("UId", "tone").set("File", "tone440.wav").set("TrackId", 3)
                      .set("RangeStart", 0).set("RangeDuration", 2).set("TrimStart", 0).set("TrimDuration", 2)),
        [](Segment* tone) {
            tone->setUserVolume(0.6f);
            tone->setPitch(1.5f);
        }));
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    expectEveryPictureProperty(layer("clip"), "the movie, opened");
    expectEveryPictureProperty(layer("picture"), "the picture, opened");
    expectSound(engineSegment(segment("clip")->secondEngineId()), 0.4f, 0.75, "the movie's sound, opened");
    expectSound(engineSegment(segment("tone")->serialNumber()), 0.6f, 1.5, "the music, opened");

    ASSERT_NE(window->editSegment(segment("clip")), nullptr);
    CommonSliderColorPopup pitch;
    pitch.setTag(SliderPopupKind::kPitch);
    CommonSliderColorPopup transparency;
    transparency.setTag(SliderPopupKind::kTransparency);
    window->wire(&pitch);
    window->wire(&transparency);
    emit pitch.sliderColorPopupValueChanged(&pitch, 1.25f);
    emit transparency.sliderColorPopupValueChanged(&transparency, 0.8f);
    expectSound(engineSegment(segment("clip")->secondEngineId()), 0.4f, 1.25, "the movie's sound, changed");
    ASSERT_FLOAT_EQ(layer("clip")->staticValues().transparency, 0.8f);

    window->undoNow();
    window->undoNow();
    expectEveryPictureProperty(layer("clip"), "the movie, undone");
    expectEveryPictureProperty(layer("picture"), "the picture, undone");
    expectSound(engineSegment(segment("clip")->secondEngineId()), 0.4f, 0.75, "the movie's sound, undone");
    expectSound(engineSegment(segment("tone")->serialNumber()), 0.6f, 1.5, "the music, undone");
}

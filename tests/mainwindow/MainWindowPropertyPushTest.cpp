#include "TestWindow.h"

#include "AVAnimation.h"
#include "AVAudioSegment.h"
#include "AVLayerSegment.h"
#include "AVTransition.h"
#include "AVVideoSegment.h"
#include "ImageSegment.h"
#include "IsolatedSettings.h"
#include "MovieSegment.h"
#include "MusicSegment.h"
#include "ProjectManager.h"
#include "ProjectTestSupport.h"
#include "SegmentKeys.h"
#include "TestMedia.h"

#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

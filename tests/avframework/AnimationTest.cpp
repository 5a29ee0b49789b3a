#include "AVAnimatedValues.h"
#include "AVAnimation.h"
#include "AVSegment.h"
#include "AVTransition.h"

#include <QMutex>

#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

namespace {

// A segment that evaluates its animation the way layers and sound segments
// do: reset the current values from the static ones, then apply the
// transitions at the local time.
class ValueSegment : public AVSegment {
public:
    ValueSegment(double start, double duration, bool visual = true) : AVSegment(start, duration), _visual(visual) {}

    void prepareAt(double time, bool, bool) override
    {
        current = staticValues;
        _evaluateTransitions(time - startTime());
    }
    bool isVisual() const override { return _visual; }
    int seekTo(double, bool) override { return 0; }
    AVAnimatedValues* currentValues() override { return &current; }

    // Values at a local time.
    const AVAnimatedValues& at(double localTime)
    {
        prepareAt(startTime() + localTime, false, false);
        return current;
    }

    AVAnimatedValues staticValues;
    AVAnimatedValues current;

private:
    bool _visual;
};

// A segment that guards its animations with a mutex, as layers and sound
// segments do, and evaluates under it.
class GuardedSegment : public ValueSegment {
public:
    GuardedSegment(double start, double duration) : ValueSegment(start, duration) { _guardAnimationsWith(&mutex); }

    void prepareAt(double time, bool drawFlag, bool playing) override
    {
        QMutexLocker lock(&mutex);
        ValueSegment::prepareAt(time, drawFlag, playing);
    }

    // Whether another thread could take the mutex right now.
    bool lockableElsewhere()
    {
        bool took = false;
        std::thread([&] {
            took = mutex.tryLock();
            if (took)
                mutex.unlock();
        }).join();
        return took;
    }

    QMutex mutex;
};

AVAnimation* addGroup(AVSegment& segment, uint32_t id, double start, double duration, int easing = AVEasingLinear)
{
    auto* group = new AVAnimation(id, start, duration);
    group->setEasing(easing);
    segment.addAnimation(group);
    return group;
}

TEST(SegmentAnimations, GroupsAreOrderedByIdStableByArrival)
{
    ValueSegment segment(0, 4);
    AVAnimation* firstThree = addGroup(segment, 3, 0, 1);
    addGroup(segment, 1, 0, 1);
    AVAnimation* secondThree = addGroup(segment, 3, 0, 1);
    addGroup(segment, 2, 0, 1);
    EXPECT_EQ(segment.animationIds(), (std::vector<uint32_t>{1, 2, 3, 3}));
    EXPECT_EQ(segment.findAnimation(3), firstThree);

    // Renaming does not re-sort; only the first group of an id is affected.
    segment.changeAnimationId(3, 0);
    EXPECT_EQ(segment.animationIds(), (std::vector<uint32_t>{1, 2, 0, 3}));
    EXPECT_EQ(segment.findAnimation(3), secondThree);

    segment.removeAnimation(3);
    EXPECT_EQ(segment.animationIds(), (std::vector<uint32_t>{1, 2, 0}));
    segment.removeAnimation(42);
    segment.changeAnimationId(42, 7);
    EXPECT_EQ(segment.findAnimation(42), nullptr);
    EXPECT_EQ(segment.animationIds(), (std::vector<uint32_t>{1, 2, 0}));

    segment.clearAnimations();
    EXPECT_TRUE(segment.animationIds().empty());
}

TEST(SegmentAnimations, WindowIsAFractionOfTheSegmentDuration)
{
    ValueSegment segment(10, 4);
    segment.staticValues.position = {7, 8};
    AVAnimation* group = addGroup(segment, 1, 0.25, 0.5);
    group->setFrom(AVSlotPosition, 0, 0);
    group->setTo(AVSlotPosition, 100, 50);

    EXPECT_FLOAT_EQ(segment.at(0.5).position.x, 7);   // before the window: static
    EXPECT_FLOAT_EQ(segment.at(1.0).position.x, 0);   // window start: begin value
    EXPECT_FLOAT_EQ(segment.at(2.0).position.x, 50);
    EXPECT_FLOAT_EQ(segment.at(2.0).position.y, 25);
    EXPECT_FLOAT_EQ(segment.at(3.0).position.x, 100); // window end, included
    EXPECT_FLOAT_EQ(segment.at(3.5).position.x, 100); // after: the end value holds
    EXPECT_FLOAT_EQ(segment.at(3.5).position.y, 50);

    // The default curve (smoothstep) at a quarter of the window.
    group->setEasing(kAVDefaultEasing);
    EXPECT_FLOAT_EQ(segment.at(1.5).position.x, 15.625f);

    // Changing the group moves every transition it holds.
    group->setStartTime(0.5);
    group->setDuration(0.25);
    EXPECT_FLOAT_EQ(segment.at(1.5).position.x, 7);
    EXPECT_FLOAT_EQ(segment.at(2.5).position.x, 50);
}

TEST(SegmentAnimations, LargerIdWinsInsideAnOverlap)
{
    ValueSegment segment(0, 10);
    // Added in reverse so that arrival order and id order differ.
    AVAnimation* later = addGroup(segment, 2, 0.3, 0.4);
    AVAnimation* earlier = addGroup(segment, 1, 0.0, 0.5);
    earlier->setFrom(AVSlotRotate, 0);
    earlier->setTo(AVSlotRotate, 10);
    later->setFrom(AVSlotRotate, 100);
    later->setTo(AVSlotRotate, 200);

    EXPECT_FLOAT_EQ(segment.at(2.0).rotation, 4);    // only group 1 active
    EXPECT_FLOAT_EQ(segment.at(4.0).rotation, 125);  // both: group 2 decides
    EXPECT_FLOAT_EQ(segment.at(6.0).rotation, 175);  // group 1 over, group 2 active
    EXPECT_FLOAT_EQ(segment.at(9.0).rotation, 200);  // group 2 ended last
}

TEST(SegmentAnimations, AfterTheWindowsTheOneThatEndedLastHolds)
{
    ValueSegment segment(0, 10);
    AVAnimation* endsLater = addGroup(segment, 1, 0.0, 0.6);
    AVAnimation* endsEarlier = addGroup(segment, 2, 0.0, 0.3);
    endsLater->setTo(AVSlotScale, 2, 2);
    endsEarlier->setTo(AVSlotScale, 3, 3);
    EXPECT_FLOAT_EQ(segment.at(8.0).scale.x, 2);

    // Equal ends: the one evaluated first (smaller id) keeps its end value.
    ValueSegment tie(0, 10);
    addGroup(tie, 1, 0.0, 0.5)->setTo(AVSlotScale, 4, 4);
    addGroup(tie, 2, 0.2, 0.3)->setTo(AVSlotScale, 5, 5);
    EXPECT_FLOAT_EQ(tie.at(8.0).scale.y, 4);
}

TEST(SegmentAnimations, StaticValueStandsWhileNothingHasStarted)
{
    ValueSegment segment(0, 10);
    segment.staticValues.anchor = {0.2f, 0.8f};
    addGroup(segment, 1, 0.5, 0.2)->setTo(AVSlotAnchor, 1, 1);
    EXPECT_FLOAT_EQ(segment.at(1.0).anchor.x, 0.2f);
    EXPECT_FLOAT_EQ(segment.at(1.0).anchor.y, 0.8f);
    // A fresh transition starts from its kind's default begin value.
    EXPECT_FLOAT_EQ(segment.at(5.0).anchor.x, 0.5f);
}

TEST(SegmentAnimations, UnknownEasingIsLinear)
{
    for (int easing : {0, 31}) {
        ValueSegment segment(0, 1);
        AVAnimation* group = addGroup(segment, 1, 0, 1, easing);
        group->setTo(AVSlotRotateX, 90);
        EXPECT_FLOAT_EQ(segment.at(0.3).rotationX, 27) << "easing " << easing;
    }
}

TEST(SegmentAnimations, ZeroLengthWindowShowsItsEndValue)
{
    ValueSegment segment(0, 2);
    AVAnimation* group = addGroup(segment, 1, 0.5, 0.0);
    group->setFrom(AVSlotRotateY, 10);
    group->setTo(AVSlotRotateY, 20);
    const float atInstant = segment.at(1.0).rotationY;
    EXPECT_FALSE(std::isnan(atInstant));
    EXPECT_FLOAT_EQ(atInstant, 20);
    EXPECT_FLOAT_EQ(segment.at(1.5).rotationY, 20);
    EXPECT_FLOAT_EQ(segment.at(0.5).rotationY, 0);
}

TEST(TransitionKinds, TransparencyAndVolumeIgnoreTheirCurve)
{
    ValueSegment layer(0, 2);
    AVAnimation* group = addGroup(layer, 1, 0, 1, AVEasingBounceInOut);
    group->setFrom(AVSlotTransparency, 0);
    group->setTo(AVSlotTransparency, 1);
    EXPECT_FLOAT_EQ(layer.at(1.0).transparency, 0.5f);

    ValueSegment sound(0, 2, false);
    AVAnimation* fade = addGroup(sound, 1, 0, 1, AVEasingBounceInOut);
    fade->setFrom(AVSlotVolume, 1);
    fade->setTo(AVSlotVolume, -1); // stored as 0
    EXPECT_FLOAT_EQ(fade->transition(AVSlotVolume)->toX(), 0.0f);
    EXPECT_FLOAT_EQ(sound.at(0.5).volume, 0.75f);
    EXPECT_FLOAT_EQ(sound.at(2.5).volume, 0.0f);
}

TEST(TransitionKinds, VolumeBelowZeroWritesZeroFromTheMiddleOn)
{
    // A transition made directly (not through a group) keeps its -1 and
    // relies on the write clamp.
    ValueSegment sound(0, 4, false);
    AVAnimation* group = addGroup(sound, 1, 0, 1);
    group->setFrom(AVSlotVolume, 1);
    AVTransition* volume = group->transition(AVSlotVolume);
    volume->setTo(-1.0f);
    EXPECT_FLOAT_EQ(sound.at(1.0).volume, 0.5f);
    EXPECT_FLOAT_EQ(sound.at(2.0).volume, 0.0f);
    EXPECT_FLOAT_EQ(sound.at(3.0).volume, 0.0f);
}

TEST(TransitionKinds, EachFamilyActsOnlyOnItsOwnSegments)
{
    ValueSegment layer(0, 1);
    ValueSegment sound(0, 1, false);
    for (ValueSegment* segment : {&layer, &sound}) {
        AVAnimation* group = addGroup(*segment, 1, 0, 1);
        group->setTo(AVSlotVolume, 0.25f);
        group->setTo(AVSlotPosition, 5, 5);
    }
    EXPECT_FLOAT_EQ(layer.at(1.0).position.x, 5);
    EXPECT_FLOAT_EQ(layer.at(1.0).volume, 1);
    EXPECT_FLOAT_EQ(sound.at(1.0).volume, 0.25f);
    EXPECT_FLOAT_EQ(sound.at(1.0).position.x, 0);
}

TEST(TransitionKinds, EffectColoursTruncateTowardZero)
{
    ValueSegment segment(0, 1);
    AVAnimation* group = addGroup(segment, 1, 0, 1);
    const int slot = AVAnimation::effectColorSlot(5);
    group->setFrom(slot, -50);
    group->setTo(slot, 50);
    EXPECT_EQ(segment.at(0.5).effectColor[5], 0);
    EXPECT_EQ(segment.at(0.333).effectColor[5], -16);
    EXPECT_EQ(group->transition(slot)->propertyType(), 16);

    // Index 20 and above are ignored: no transition comes into being.
    EXPECT_EQ(AVAnimation::effectColorSlot(20), -1);
    group->setTo(AVAnimation::effectColorSlot(20), 10);
    for (int s = 0; s < AVSlotCount; ++s) {
        if (s != slot) {
            EXPECT_EQ(group->transition(s), nullptr) << "slot " << s;
        }
    }
}

TEST(TransitionKinds, CornersCropsAndFeatheringReachTheirValues)
{
    ValueSegment segment(0, 1);
    AVAnimation* group = addGroup(segment, 1, 0, 1);
    group->setTo(AVAnimation::pointOffsetSlot(2), 0.1f, 0.2f);
    group->setTo(AVAnimation::featheringSlot(27), 0.4f);
    group->setTo(AVSlotCropBottomRight, 0.5f, 0.75f);
    const AVAnimatedValues& end = segment.at(1.0);
    EXPECT_FLOAT_EQ(end.pointOffset[2].y, 0.2f);
    EXPECT_FLOAT_EQ(end.pointOffset[0].x, 0.0f);
    EXPECT_FLOAT_EQ(end.feathering[2], 0.4f);
    EXPECT_FLOAT_EQ(end.cropBottomRight.y, 0.75f);
    EXPECT_FLOAT_EQ(segment.at(0.5).cropBottomRight.x, 0.75f);
}

TEST(SegmentAnimations, FindHoldsTheLockUntilRelease)
{
    GuardedSegment segment(0, 1);
    addGroup(segment, 4, 0, 1);

    ASSERT_NE(segment.findAnimation(4), nullptr);
    EXPECT_FALSE(segment.lockableElsewhere());
    segment.releaseAnimation(4);
    EXPECT_TRUE(segment.lockableElsewhere());

    // A failed find leaves nothing locked, and a release without a find of
    // an id that is not there unlocks nothing.
    EXPECT_EQ(segment.findAnimation(5), nullptr);
    EXPECT_TRUE(segment.lockableElsewhere());
    segment.releaseAnimation(5);
    EXPECT_TRUE(segment.lockableElsewhere());
}

TEST(SegmentAnimations, EditingWhileEvaluatingOnAnotherThread)
{
    GuardedSegment segment(0, 2);
    std::atomic<bool> done{false};
    std::thread renderer([&] {
        while (!done.load()) {
            segment.prepareAt(1.0, true, true);
            const float rotation = segment.current.rotation;
            ASSERT_TRUE(rotation == 0 || rotation == 45) << rotation;
        }
    });
    for (uint32_t i = 0; i < 1000; ++i) {
        AVAnimation* group = new AVAnimation(i % 7, 0, 1);
        group->setEasing(AVEasingLinear);
        group->setTo(AVSlotRotate, 90);
        segment.addAnimation(group);
        if (AVAnimation* found = segment.findAnimation(i % 7)) {
            found->setFrom(AVSlotRotate, 0);
            segment.releaseAnimation(i % 7);
        }
        if (i % 3 == 0)
            segment.removeAnimation((i + 1) % 7);
    }
    done = true;
    renderer.join();
}

TEST(SegmentBase, TimeRangeUsesAToleranceAtBothEnds)
{
    ValueSegment segment(2.0, 3.0);
    EXPECT_TRUE(segment.coversTime(2.0));
    EXPECT_TRUE(segment.coversTime(2.0 - 5e-7));  // within the tolerance of the start
    EXPECT_FALSE(segment.coversTime(2.0 - 1e-5));
    EXPECT_TRUE(segment.coversTime(4.99));
    EXPECT_FALSE(segment.coversTime(5.0 - 5e-7)); // already past the end
    EXPECT_FALSE(segment.coversTime(5.0));
}

int recordCall(AVSegment* segment, intptr_t argument, void* context)
{
    auto* seen = static_cast<std::vector<intptr_t>*>(context);
    seen->push_back(argument);
    return int(segment->id()) + int(argument);
}

TEST(SegmentBase, StateAndCallbacks)
{
    ValueSegment segment(0, 1);
    EXPECT_EQ(segment.status(), AVSegmentNotLoaded);
    EXPECT_EQ(segment.isAsleep(), 1);
    EXPECT_EQ(segment.flag2(), 1);
    segment.wake();
    EXPECT_EQ(segment.isAsleep(), 0);
    segment.sleep(true);
    EXPECT_EQ(segment.isAsleep(), 1);

    EXPECT_EQ(segment.fireCallback(5), 0);
    EXPECT_EQ(segment.fireRedrawCallback(5), 0);

    std::vector<intptr_t> statusCalls;
    std::vector<intptr_t> redrawCalls;
    segment.setId(40);
    segment.setCallback(recordCall, &statusCalls);
    segment.setRedrawCallback(recordCall, &redrawCalls);
    EXPECT_EQ(segment.fireCallback(2), 42);
    EXPECT_EQ(segment.fireRedrawCallback(3), 43);
    EXPECT_EQ(statusCalls, std::vector<intptr_t>{2});
    EXPECT_EQ(redrawCalls, std::vector<intptr_t>{3});
}

} // namespace

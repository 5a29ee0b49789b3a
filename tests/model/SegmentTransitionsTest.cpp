#include "Segment.h"
#include "SegmentKeys.h"

#include <gtest/gtest.h>

namespace {

// A segment of 10 s starting at 2 s on the timeline.
class SegmentTransitions : public ::testing::Test
{
protected:
    SegmentTransitions()
    {
        segment.setRangeStart(kOrigin);
        segment.setRangeDuration(10);
    }

    QString entryText(int id, const QString& key) const
    {
        return Segment::stringAttribute(segment.transitionAt(id), key, QStringLiteral("<absent>"));
    }

    // Entries that start at the given segment times, 1 s long each.
    void addEntriesAt(std::initializer_list<float> starts)
    {
        if (!segment.attributes()->transitions())
            segment.attributes()->resetTransitions();
        for (float start : starts) {
            auto entry = std::make_unique<SegmentAttributes>();
            const int id = segment.addTransition(entry, start);
            segment.setTransitionStart(id, start);
            segment.setTransitionDuration(id, 1);
        }
    }

    static constexpr float kOrigin = 2;
    Segment segment{nullptr};
};

TEST_F(SegmentTransitions, AddedInFreeTimeAsFractionsOfTheDuration)
{
    ASSERT_EQ(segment.addTransitionAtTime(1, kOrigin + 3), 1);
    EXPECT_FLOAT_EQ(segment.transitionStart(1), 3.04f);
    EXPECT_EQ(entryText(1, SegmentKey::TStart), "0.304");
    EXPECT_EQ(entryText(1, SegmentKey::TDuration), "0.1");
    EXPECT_EQ(entryText(1, SegmentKey::TEasingFunction), "<absent>");
    EXPECT_EQ(segment.transitionEasingFunction(1), 4);

    // No room after 9.5 s: placed from 0, exactly at 0, before the first one.
    ASSERT_EQ(segment.addTransitionAtTime(1, kOrigin + 9.5f), 1);
    EXPECT_EQ(entryText(1, SegmentKey::TStart), "0");
    EXPECT_FLOAT_EQ(segment.transitionStart(2), 3.04f);

    segment.setSpeed(0.5f); // same media length, twice the time
    EXPECT_FLOAT_EQ(segment.transitionStart(2), 6.08f);
    EXPECT_FLOAT_EQ(segment.transitionDuration(2), 2);
}

TEST_F(SegmentTransitions, FreeTimeMarginAndTolerance)
{
    addEntriesAt({3});
    // Room after 8.96 s is 1.04: the entry fits but without the margin.
    EXPECT_NEAR(segment.insertTransitionAt(1, 8.96f), 8.96f, 1e-5);
    // Room 0.995 is within the tolerance of 1.
    EXPECT_NEAR(segment.insertTransitionAt(1, 9.005f), 9.005f, 1e-5);
    EXPECT_EQ(segment.insertTransitionAt(1, 9.2f), -1);
    // A gap before the entry: its start plus the margin.
    EXPECT_NEAR(segment.insertTransitionAt(1, 0.5f), 0.54f, 1e-5);
    EXPECT_EQ(segment.insertTransitionAt(11, 0), -1);
}

// A gap taken within the tolerance: the new entry starts where it begins
// and ends where the next entry starts, not inside it.
TEST_F(SegmentTransitions, AGapJustShorterThanTheTransitionClipsItsLength)
{
    addEntriesAt({0.995f});
    ASSERT_EQ(segment.addTransitionAtTime(1, kOrigin + 9.5f), 1);
    EXPECT_FLOAT_EQ(segment.transitionStart(1), 0.0f);
    EXPECT_NEAR(segment.transitionDuration(1), 0.995f, 1e-5);
    EXPECT_LE(segment.transitionStart(1) + segment.transitionDuration(1), segment.transitionStart(2));

    // A copy of the second entry finds only a gap 0.995 s long after it.
    addEntriesAt({2.99f});
    ASSERT_NEAR(segment.transitionStart(2) + segment.transitionDuration(2), 1.995f, 1e-5);
    const int copy = segment.adjustTransitionForCommand(2);
    ASSERT_EQ(copy, 3);
    EXPECT_NEAR(segment.transitionStart(3), 1.995f, 1e-5);
    EXPECT_NEAR(segment.transitionDuration(3), 0.995f, 1e-5);
    EXPECT_LE(segment.transitionStart(3) + segment.transitionDuration(3), segment.transitionStart(4));
}

TEST_F(SegmentTransitions, DuplicateRemoveAndNeighbours)
{
    addEntriesAt({2, 5});
    addEntriesAt({5});
    EXPECT_FLOAT_EQ(segment.transitionStart(3), 5); // after the existing 5 s entry
    EXPECT_EQ(segment.neighbourTransitionAfter(1), 2);
    EXPECT_EQ(segment.neighbourTransitionAfter(2), 3);
    EXPECT_EQ(segment.neighbourTransitionAfter(3), 2);
    EXPECT_EQ(segment.neighbourTransitionBefore(3), 1);
    EXPECT_EQ(segment.neighbourTransitionBefore(1), 0);
    segment.removeTransition(3);

    segment.setTransitionEasingFunction(1, 12);
    segment.transitionAt(1)->resetState(true);
    segment.transitionAt(1)->resetState(false);
    segment.setTransitionUserVolume(1, false, 0.3f);
    const int copy = segment.adjustTransitionForCommand(1);
    ASSERT_EQ(copy, 2);
    EXPECT_NEAR(segment.transitionStart(2), 3.04f, 1e-5);
    EXPECT_FLOAT_EQ(segment.transitionDuration(2), 1);
    EXPECT_EQ(segment.transitionEasingFunction(2), 12);
    EXPECT_FLOAT_EQ(segment.transitionUserVolume(2, false), 0.3f);
    segment.setTransitionUserVolume(2, false, 0.9f);
    EXPECT_FLOAT_EQ(segment.transitionUserVolume(1, false), 0.3f);

    segment.removeTransition(1);
    ASSERT_EQ(segment.transitionCount(), 2);
    EXPECT_FLOAT_EQ(segment.transitionUserVolume(1, false), 0.9f); // the copy is now 1
    EXPECT_FLOAT_EQ(segment.transitionStart(2), 5);

    addEntriesAt({9}); // the last second is covered
    EXPECT_EQ(segment.adjustTransitionForCommand(3), 0);
    EXPECT_EQ(segment.transitionCount(), 3);
}

TEST_F(SegmentTransitions, TimeQueriesAndWalk)
{
    addEntriesAt({2, 5});
    EXPECT_EQ(segment.transitionIdAtTime(kOrigin + 1.99f), 0);
    EXPECT_TRUE(segment.isStaticAt(kOrigin + 1.99f));
    EXPECT_EQ(segment.transitionIdAtTime(kOrigin + 2), 1);
    EXPECT_FALSE(segment.isStaticAt(kOrigin + 2));
    EXPECT_EQ(segment.transitionIdAtTime(kOrigin + 4), 1); // ended, still animated by it
    EXPECT_EQ(segment.transitionIdAtTime(kOrigin + 9), 2);
    EXPECT_FALSE(segment.isStaticAt(kOrigin - 0.5f));
    EXPECT_FALSE(segment.isStaticAt(kOrigin + 10));
    EXPECT_EQ(segment.nextStateIndex(0), 1);
    EXPECT_EQ(segment.nextStateIndex(1), 2);
    EXPECT_EQ(segment.nextStateIndex(2), 0);
    EXPECT_EQ(segment.isValidTransitionIndex(1), 2);
    EXPECT_EQ(segment.isValidTransitionIndex(2), 0);
}

TEST_F(SegmentTransitions, StatesChainFromTheSegmentThroughEachEnd)
{
    segment.setUserVolume(0.5f);
    segment.setUserTranslation(QPointF(0.1, 0.2));
    segment.setUserRotation(1.5707963267948966);
    segment.setClrHue(-20);
    ASSERT_EQ(segment.addTransitionAtTime(1, kOrigin + 1), 1);
    for (bool begin : {true, false}) {
        EXPECT_FLOAT_EQ(segment.transitionUserVolume(1, begin), 0.5f);
        EXPECT_EQ(segment.transitionUserTranslation(1, begin), QPointF(0.1f, 0.2f));
        EXPECT_EQ(segment.transitionClrHue(1, begin), -20);
        EXPECT_EQ(segment.transitionCropBottomRight(1, begin), QPointF(1, 1));
        EXPECT_EQ(Segment::stringAttribute(segment.transitionStateAt(1, begin), SegmentKey::UserRotation), "1.5708");
    }
    EXPECT_EQ(segment.transitionStateAt(1, true)->texts().size(), 28);

    segment.setTransitionUserScale(1, false, QPointF(2, 3));
    segment.setTransitionFeatheringY1(1, false, 0.25f);
    ASSERT_EQ(segment.addTransitionAtTime(1, kOrigin + 5), 2);
    EXPECT_EQ(segment.transitionStateAt(2, true)->texts(), segment.transitionStateAt(1, false)->texts());

    // A state without keys reads as the neutral placement; a mirrored scale as 1.
    segment.transitionAt(2)->resetState(false);
    EXPECT_EQ(segment.transitionUserScale(2, false), QPointF(1, 1));
    EXPECT_EQ(segment.transitionUserAnchorPoint(2, false), QPointF(0.5, 0.5));
    EXPECT_FLOAT_EQ(segment.transitionUserVolume(2, false), 1);
    segment.transitionStateAt(2, false)->setText(SegmentKey::UserScale, QStringLiteral("{-2,3}"));
    EXPECT_EQ(segment.transitionUserScale(2, false), QPointF(1, 3));

    // The split command: the state's values become the segment's own.
    Segment piece(nullptr);
    piece.setCropBottomRight(QPointF(0.5, 0.5));
    piece.copyTransitionStateFrom(2, &segment, false);
    EXPECT_EQ(Segment::stringAttribute(piece.attributes(), SegmentKey::CropBottomRight), "{1,1}");
    EXPECT_EQ(piece.userScale(), QPointF(1, 3));
    piece.copyTransitionStateFrom(1, &segment, true);
    EXPECT_EQ(Segment::stringAttribute(piece.attributes(), SegmentKey::UserRotation), "1.5708");
}

// A cut right at a transition computes its start a rounding error before the
// segment's, or its end after it; six stored digits round up both the start
// and the length of one that ends with the segment. Either is kept inside
// the segment, as a project read back holds it.
TEST_F(SegmentTransitions, StartAndLengthAreStoredInsideTheSegment)
{
    addEntriesAt({3});
    segment.setTransitionStart(1, -0.005f);
    EXPECT_EQ(entryText(1, SegmentKey::TStart), "0");
    EXPECT_EQ(entryText(1, SegmentKey::TDuration), "0.1");

    segment.setTransitionStart(1, 4.44445f);
    segment.setTransitionDuration(1, 5.55556f);
    EXPECT_EQ(entryText(1, SegmentKey::TStart), "0.444445");
    EXPECT_EQ(entryText(1, SegmentKey::TDuration), "0.555555");

    // Moved on alone, its length keeps to the time left.
    segment.setTransitionStart(1, 9.5f);
    EXPECT_EQ(entryText(1, SegmentKey::TDuration), "0.05");
    EXPECT_FLOAT_EQ(segment.transitionStart(1) + segment.transitionDuration(1), 10.0f);
}

TEST_F(SegmentTransitions, ZeroDurationAndUnknownIdsStayHarmless)
{
    addEntriesAt({1});
    segment.setRangeDuration(0);
    segment.setTransitionStart(1, 3);
    segment.setTransitionDuration(1, 1);
    EXPECT_EQ(entryText(1, SegmentKey::TStart), "0");
    EXPECT_EQ(entryText(1, SegmentKey::TDuration), "0");
    EXPECT_EQ(segment.addTransitionAtTime(1, kOrigin), 0);

    segment.setRangeDuration(10);
    const int unknown = 7;
    EXPECT_EQ(segment.transitionAt(unknown), nullptr);
    EXPECT_EQ(segment.transitionStart(unknown), 0);
    EXPECT_EQ(segment.transitionEasingFunction(unknown), 4);
    EXPECT_EQ(segment.transitionUserScale(unknown, true), QPointF(1, 1));
    segment.setTransitionUserVolume(unknown, true, 0.5f);
    segment.applyTransitionState(unknown, true);
    segment.removeTransition(unknown);
    segment.removeTransition(0);
    EXPECT_EQ(segment.neighbourTransitionAfter(unknown), 0);
    EXPECT_EQ(segment.neighbourTransitionBefore(unknown), 0);
    EXPECT_EQ(segment.adjustTransitionForCommand(unknown), 0);
    EXPECT_EQ(segment.transitionCount(), 1);

    Segment bare(nullptr);
    auto entry = std::make_unique<SegmentAttributes>();
    EXPECT_EQ(bare.addTransition(entry, 0), 0);
    EXPECT_NE(entry, nullptr); // the caller keeps it
}

} // namespace

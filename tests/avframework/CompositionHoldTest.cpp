#include "AVComposition.h"
#include "AVLayerSegment.h"
#include "AVSegmentHold.h"
#include "AVSoundSegment.h"
#include "StreamTestHelpers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

using namespace StreamTest;

// Lookups on the pool's threads hold the segments they found while the
// window's thread removes segments or closes the project. These tests also
// run in the AddressSanitizer executable, where a held segment that was
// freed stops the run with a report.

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 180;

// A plain layer that tells when it is destroyed.
class WatchedLayer : public AVLayerSegment {
public:
    explicit WatchedLayer(std::atomic<bool>* destroyed)
        : AVLayerSegment(0.0, 2.0, kWidth, kHeight), _destroyed(destroyed)
    {
    }
    ~WatchedLayer() override { *_destroyed = true; }

private:
    std::atomic<bool>* _destroyed;
};

// A layer whose readiness check, made under the layer list's lock, waits
// until the test lets it go.
class PausingLayer : public AVLayerSegment {
public:
    PausingLayer() : AVLayerSegment(0.0, 2.0, kWidth, kHeight) {}
    bool isReady() const override
    {
        entered = true;
        waitUntil([this] { return released.load(); });
        return true;
    }
    mutable std::atomic<bool> entered{false};
    std::atomic<bool> released{false};
};

// A loaded sound without samples, cheap enough to add and remove by the
// hundred thousand; counts how many are alive.
class CountedSound : public AVSoundSegment {
public:
    static constexpr double kDuration = 1.5;
    explicit CountedSound(std::atomic<int>* alive) : AVSoundSegment(0.0, kDuration), _alive(alive)
    {
        ++*_alive;
        setStatus(AVSegmentReady);
    }
    ~CountedSound() override { --*_alive; }
    void prepareAt(double, bool, bool) override {}
    int seekTo(double, bool) override { return 0; }

private:
    std::atomic<int>* _alive;
};

} // namespace

// Closing the project while a thumbnail task holds a layer: the
// composition's destruction waits for the release before it frees the layer.
TEST(CompositionHolds, DestructionWaitsUntilTheHeldLayerIsReleased)
{
    auto* composition = new AVComposition(kWidth, kHeight, 44100, 2, nullptr);
    std::atomic<bool> otherGone{false};
    std::atomic<bool> heldGone{false};
    std::atomic<bool> finished{false};
    composition->addSegment(new WatchedLayer(&heldGone), 1);
    composition->addSegment(new WatchedLayer(&otherGone), 2);
    // The unheld layer first: once it is gone, the destruction has reached the held one.
    const uint32_t order[] = {2, 1};
    composition->setVisibleSegments(order, 2);
    auto held = std::make_unique<AVSegmentHold>(composition->holdSegment(1));
    ASSERT_TRUE(*held);

    std::thread destroyer([&] {
        delete composition;
        finished = true;
    });
    EXPECT_TRUE(waitUntil([&] { return otherGone.load(); }));
    avThreadSleep(0.2);
    EXPECT_FALSE(finished) << "the destruction went on past a held layer";
    EXPECT_FALSE(heldGone) << "a held layer was destroyed";
    if (finished || heldGone) {
        // Its composition is gone: releasing the hold would touch freed memory.
        held.release();
        destroyer.join();
        return;
    }
    EXPECT_EQ((*held)->id(), 1u);
    held.reset();
    EXPECT_TRUE(waitUntil([&] { return finished.load(); }));
    EXPECT_TRUE(heldGone);
    destroyer.join();
}

// The window's thread reorders the layers while the render thread walks
// them: the new order waits until the walk is over.
TEST(CompositionHolds, ANewDrawingOrderWaitsForAWalkOverTheLayers)
{
    AVComposition composition(kWidth, kHeight, 44100, 2, nullptr);
    auto* pausing = new PausingLayer;
    composition.addSegment(pausing, 1);
    composition.addSegment(new AVLayerSegment(0.0, 2.0, kWidth, kHeight), 2);
    std::thread walker([&] { composition.areLayersReadyAt(1.0); });
    if (!waitUntil([&] { return pausing->entered.load(); })) {
        pausing->released = true;
        walker.join();
        FAIL() << "the walk never reached the layer";
    }
    std::atomic<bool> reordered{false};
    std::thread reorderer([&] {
        const uint32_t order[] = {2, 1};
        composition.setVisibleSegments(order, 2);
        reordered = true;
    });
    avThreadSleep(0.2);
    EXPECT_FALSE(reordered) << "the layers were reordered in the middle of a walk";
    pausing->released = true;
    walker.join();
    reorderer.join();
    EXPECT_EQ(composition.visibleSegmentIds(), (std::vector<uint32_t>{2, 1}));
}

// Lookups racing removals of the same id get the segment alive or nothing:
// never one that the removal is freeing. Several lookups at once, as the
// pool runs them, so that one may wait for another between finding the
// segment and recording its hold.
TEST(CompositionHolds, LookupsRacingRemovalsOnlyReadLiveSegments)
{
    constexpr uint32_t kId = 7;
    constexpr int kRounds = 100000;
    constexpr int kReaders = 4;
    AVComposition composition(kWidth, kHeight, 44100, 2, nullptr);
    std::atomic<int> alive{0};
    std::atomic<int> started{0};
    std::atomic<bool> done{false};
    std::atomic<int> found{0};
    std::atomic<int> wrong{0};
    std::vector<std::thread> readers;
    for (int i = 0; i < kReaders; ++i) {
        readers.emplace_back([&] {
            ++started;
            while (!done) {
                const AVSegmentHold held = composition.holdSegment(kId);
                if (!held)
                    continue;
                ++found;
                if (held->id() != kId || held->duration() != CountedSound::kDuration || held->isVisual())
                    ++wrong;
            }
        });
    }
    ASSERT_TRUE(waitUntil([&] { return started == kReaders; }));
    // On a loaded machine the readers may not run at all during the first rounds: the rounds go on, for a
    // bounded time, until the lookups have met the segment often enough to have raced its removals.
    constexpr int kMeetings = 100;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    int rounds = 0;
    int removed = 0;
    while (rounds < kRounds || (found < kMeetings && std::chrono::steady_clock::now() < deadline)) {
        composition.addSegment(new CountedSound(&alive), kId);
        removed += composition.removeSegment(kId);
        ++rounds;
    }
    done = true;
    for (std::thread& reader : readers)
        reader.join();
    EXPECT_EQ(removed, rounds);
    EXPECT_GT(found.load(), 0) << "the lookups never met the segment";
    EXPECT_EQ(wrong.load(), 0);
    EXPECT_EQ(alive.load(), 0) << "every removed sound is destroyed once its holds are released";
    EXPECT_EQ(composition.findSegment(kId), nullptr);
}

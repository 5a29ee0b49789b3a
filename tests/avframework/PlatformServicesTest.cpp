#include "AVClock.h"
#include "AVGeometry.h"
#include "AVPixelBuffer.h"
#include "AVSync.h"
#include "AVThread_QThread_Type.h"

#include <QElapsedTimer>
#include <QMutexLocker>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

TEST(Geometry, AspectFitLetterboxesAndFillCovers)
{
    const AVVec4 square{0, 0, 100, 100};
    AVVec4 r;
    avRectAspectFit(&r, 16, 9, square);
    EXPECT_FLOAT_EQ(r.x, 0);
    EXPECT_FLOAT_EQ(r.y, 21.875f);
    EXPECT_FLOAT_EQ(r.z, 100);
    EXPECT_FLOAT_EQ(r.w, 56.25f);

    avRectAspectFill(&r, 16, 9, square);
    EXPECT_NEAR(r.x, -38.8888889f, 1e-4);
    EXPECT_FLOAT_EQ(r.y, 0);
    EXPECT_NEAR(r.z, 177.777778f, 1e-4);
    EXPECT_FLOAT_EQ(r.w, 100);

    // A portrait aspect in a landscape rect, off the origin.
    avRectAspectFit(&r, 1, 2, AVVec4{10, 20, 400, 100});
    EXPECT_FLOAT_EQ(r.x, 10 + (400 - 50) * 0.5f);
    EXPECT_FLOAT_EQ(r.y, 20);
    EXPECT_FLOAT_EQ(r.z, 50);
    EXPECT_FLOAT_EQ(r.w, 100);
}

TEST(Geometry, EqualAspectsReturnTheRectItself)
{
    const AVVec4 rect{5, 7, 160, 90};
    AVVec4 fit;
    AVVec4 fill;
    avRectAspectFit(&fit, 16, 9, rect);
    avRectAspectFill(&fill, 32, 18, rect);
    for (const AVVec4& r : {fit, fill}) {
        EXPECT_FLOAT_EQ(r.x, rect.x);
        EXPECT_FLOAT_EQ(r.y, rect.y);
        EXPECT_FLOAT_EQ(r.z, rect.z);
        EXPECT_FLOAT_EQ(r.w, rect.w);
    }
}

TEST(Geometry, ToleranceCompare)
{
    EXPECT_EQ(avCompareWithTolerance(1.0, 1.05, 0.1), 0);
    EXPECT_EQ(avCompareWithTolerance(1.0, 1.2, 0.1), -1);
    EXPECT_EQ(avCompareWithTolerance(1.2, 1.0, 0.1), 1);
    EXPECT_EQ(avCompareWithTolerance(3.0, 3.0, 0.0), 0);
    // The difference is rounded to single precision before the test.
    EXPECT_EQ(avCompareWithTolerance(1.0 + 1e-12, 1.0, 0.0), 1);
    EXPECT_EQ(avCompareWithTolerance(1e9 + 1e-3, 1e9, 0.0), 1);
}

TEST(PixelBuffer, CreateIsZeroedAndSizedInSixtyFourBits)
{
    AVPixelBuffer* buffer = avPixelBufferCreate(7, 5, AVPixelFormatBGRA32);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(avPixelBufferBitsPerPixel(buffer), 32);
    EXPECT_EQ(avPixelBufferByteSize(buffer), 7u * 4u * 5u);
    for (size_t i = 0; i < avPixelBufferByteSize(buffer); ++i)
        ASSERT_EQ(buffer->data[i], 0);
    avPixelBufferFree(buffer);

    // 70000 x 70000 x 4 overflows 32 bits; the size must not wrap.
    const AVPixelBuffer huge{70000, 70000, AVPixelFormatBGRA32, nullptr, nullptr};
    EXPECT_EQ(avPixelBufferByteSize(&huge), size_t(70000) * 70000 * 4);
}

TEST(PixelBuffer, FormatsAndCopies)
{
    AVPixelBuffer* rgb = avPixelBufferCreate(3, 2, AVPixelFormatRGB24);
    ASSERT_NE(rgb, nullptr);
    EXPECT_EQ(avPixelBufferBitsPerPixel(rgb), 24);
    std::vector<uint8_t> source(3 * 3 * 2);
    for (size_t i = 0; i < source.size(); ++i)
        source[i] = uint8_t(i + 1);
    avPixelBufferCopyFrom(rgb, source.data());
    EXPECT_EQ(std::memcmp(rgb->data, source.data(), source.size()), 0);
    avPixelBufferFree(rgb);

    // An unknown format holds no bytes and copies nothing.
    AVPixelBuffer* unknown = avPixelBufferCreate(4, 4, 7);
    ASSERT_NE(unknown, nullptr);
    EXPECT_EQ(avPixelBufferBitsPerPixel(unknown), 0);
    EXPECT_EQ(unknown->data, nullptr);
    avPixelBufferCopyFrom(unknown, source.data());
    avPixelBufferFree(unknown);
}

TEST(PixelBuffer, WrapTakesOwnershipAndRefusesNull)
{
    EXPECT_EQ(avPixelBufferWrap(nullptr, 2, 2, AVPixelFormatBGRA32), nullptr);
    auto* bytes = static_cast<uint8_t*>(std::malloc(2 * 2 * 4));
    std::memset(bytes, 0xab, 16);
    AVPixelBuffer* buffer = avPixelBufferWrap(bytes, 2, 2, AVPixelFormatBGRA32);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer->data, bytes);
    EXPECT_EQ(avPixelBufferWidth(buffer), 2u);
    EXPECT_EQ(avPixelBufferHeight(buffer), 2u);
    avPixelBufferFree(buffer); // frees the bytes too (checked under valgrind/ASan)
    avPixelBufferFree(nullptr);
}

TEST(Clock, IsMonotonicWithMillisecondTicks)
{
    const double s0 = avCurrentTimeSeconds();
    const int64_t us0 = avCurrentTimeMicroseconds();
    EXPECT_EQ(us0 % 1000, 0);
    avThreadSleep(0.02);
    const double s1 = avCurrentTimeSeconds();
    const int64_t us1 = avCurrentTimeMicroseconds();
    EXPECT_GE(s1 - s0, 0.019);
    EXPECT_GE(us1 - us0, 19000);
}

TEST(Threads, SleepTruncatesToWholeMillisecondsAndNeverGoesNegative)
{
    QElapsedTimer timer;
    timer.start();
    avThreadSleep(-5.0); // returns at once instead of sleeping "forever"
    avThreadSleep(0.0009);
    EXPECT_LT(timer.elapsed(), 50);
}

int addOne(AVThread_QThread_Type*, void* argument)
{
    static_cast<std::atomic<int>*>(argument)->fetch_add(1);
    return 0;
}

TEST(Threads, EntryRunsOnceOnItsOwnThread)
{
    std::atomic<int> counter{0};
    AVThread_QThread_Type* thread = avThreadCreate(addOne, &counter);
    avThreadStart(thread);
    avThreadWait(thread);
    EXPECT_EQ(counter.load(), 1);
    EXPECT_TRUE(thread->isFinished());
    avThreadFree(thread);

    AVThread_QThread_Type* empty = avThreadCreate(nullptr, nullptr);
    avThreadStart(empty);
    avThreadWait(empty);
    EXPECT_TRUE(empty->isFinished());
    avThreadFree(empty);
    avThreadFree(nullptr);
}

int sleepBriefly(AVThread_QThread_Type*, void* argument)
{
    avThreadSleep(0.05);
    static_cast<std::atomic<bool>*>(argument)->store(true);
    return 0;
}

TEST(Threads, FreeingARunningThreadWaitsForIt)
{
    std::atomic<bool> finished{false};
    AVThread_QThread_Type* thread = avThreadCreate(sleepBriefly, &finished);
    avThreadStart(thread);
    avThreadFree(thread); // would abort if the thread were destroyed running
    EXPECT_TRUE(finished.load());
}

struct Gate {
    AVMutex* mutex = avMutexCreate();
    AVCondition* condition = avConditionCreate();
    bool open = false;
    int waiting = 0;
    int passed = 0;
    ~Gate()
    {
        avConditionFree(condition);
        avMutexFree(mutex);
    }
};

int waitAtGate(AVThread_QThread_Type*, void* argument)
{
    auto* gate = static_cast<Gate*>(argument);
    QMutexLocker lock(gate->mutex);
    ++gate->waiting;
    avConditionWakeAll(gate->condition);
    while (!gate->open)
        avConditionWait(gate->condition, gate->mutex);
    ++gate->passed;
    return 0;
}

TEST(Threads, WakeAllReleasesFourWaiters)
{
    Gate gate;
    std::vector<AVThread_QThread_Type*> threads;
    for (int i = 0; i < 4; ++i) {
        threads.push_back(avThreadCreate(waitAtGate, &gate));
        avThreadStart(threads.back());
    }
    {
        QMutexLocker lock(gate.mutex);
        while (gate.waiting < 4)
            avConditionWait(gate.condition, gate.mutex);
        EXPECT_EQ(gate.passed, 0);
        gate.open = true;
        avConditionWakeAll(gate.condition);
    }
    for (AVThread_QThread_Type* thread : threads) {
        ASSERT_TRUE(thread->wait(10000)) << "a waiter was never woken";
        avThreadFree(thread);
    }
    EXPECT_EQ(gate.passed, 4);
}

} // namespace

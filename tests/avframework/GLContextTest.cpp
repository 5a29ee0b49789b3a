#include "AVGLContext.h"
#include "AVGLRenderer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QOpenGLContext>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace {

struct DrawingRecord {
    std::atomic<int> inside{0};
    std::atomic<int> mostInside{0};
    std::atomic<int> passes{0};
    std::atomic<int> passesWithoutFunctions{0};
};

// One drawing thread's life: renderer set up, many short passes, torn down.
void drawPasses(AVGLContextSlot* slot, DrawingRecord* record)
{
    AVGLRenderer* renderer = avGLSetUpDrawing(slot, nullptr);
    AVGLDrawingContexts contexts;
    contexts.playback = slot;
    for (int i = 0; i < 200 && renderer; ++i) {
        if (!avGLBeginDrawing(&contexts))
            continue;
        const int now = ++record->inside;
        record->mostInside = std::max(record->mostInside.load(), now);
        if (!avCurrentGLFunctions.load())
            ++record->passesWithoutFunctions;
        AVGLRenderer::clear(renderer, 0, 0, 0, 1);
        QThread::usleep(50);
        --record->inside;
        ++record->passes;
        avGLEndDrawing();
    }
    avGLTearDownDrawing(slot, &renderer, nullptr, nullptr);
    avGLContextRelease(slot);
}

} // namespace

TEST(GLContext, TwoDrawingThreadsAreNeverCurrentAtOnce)
{
    AVGLContextSlot drawingSlots[2];
    std::unique_ptr<QThread> threads[2];
    DrawingRecord record;
    for (int i = 0; i < 2; ++i) {
        threads[i].reset(QThread::create(drawPasses, &drawingSlots[i], &record));
        if (!avGLCreateOffscreenContext(&drawingSlots[i], threads[i].get()))
            GTEST_SKIP() << "no OpenGL 3.2 core context on this display";
    }
    for (auto& thread : threads)
        thread->start();
    for (auto& thread : threads)
        ASSERT_TRUE(thread->wait(60000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(record.passes, 400);
    EXPECT_EQ(record.mostInside, 1);
    EXPECT_EQ(record.passesWithoutFunctions, 0);
    EXPECT_EQ(drawingSlots[0].context, nullptr);
}

TEST(GLContext, PassesPreferTheExportersContextAndDoNotNest)
{
    AVGLContextSlot playback;
    AVGLContextSlot exporter;
    if (!avGLCreateOffscreenContext(&playback, QThread::currentThread())
        || !avGLCreateOffscreenContext(&exporter, QThread::currentThread()))
        GTEST_SKIP() << "no OpenGL 3.2 core context on this display";
    AVGLDrawingContexts contexts;
    contexts.playback = &playback;

    ASSERT_TRUE(avGLBeginDrawing(&contexts));
    EXPECT_EQ(QOpenGLContext::currentContext(), playback.context);
    QOpenGLFunctions_3_2_Core* seenElsewhere = avCurrentGLFunctions;
    std::unique_ptr<QThread> other(QThread::create([&] { seenElsewhere = avCurrentGLFunctions; }));
    other->start();
    ASSERT_TRUE(other->wait(10000));
    EXPECT_EQ(seenElsewhere, nullptr) << "a thread outside the pass would call into this thread's context";
    EXPECT_FALSE(avGLBeginDrawing(&contexts)) << "a pass inside a pass would deadlock";
    avGLEndDrawing();
    EXPECT_EQ(avCurrentGLFunctions.load(), nullptr);
    EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);

    contexts.exporter = &exporter;
    ASSERT_TRUE(avGLBeginDrawing(&contexts));
    EXPECT_EQ(QOpenGLContext::currentContext(), exporter.context);
    EXPECT_NE(avCurrentGLFunctions.load(), nullptr);
    avGLEndDrawing();
    avGLEndDrawing();  // unpaired: ignored
    EXPECT_EQ(avCurrentGLFunctions.load(), nullptr);

    avGLContextRelease(&playback);
    avGLContextRelease(&exporter);
}

TEST(GLContext, AContextLivingOnAnotherThreadIsNeverMadeCurrent)
{
    AVGLContextSlot playback;
    AVGLContextSlot exporter;
    // The exporter's thread only releases its context, once the checks are done.
    std::unique_ptr<QThread> exporterThread(QThread::create([&] { avGLContextRelease(&exporter); }));
    if (!avGLCreateOffscreenContext(&playback, QThread::currentThread())
        || !avGLCreateOffscreenContext(&exporter, exporterThread.get()))
        GTEST_SKIP() << "no OpenGL 3.2 core context on this display";
    AVGLDrawingContexts contexts;
    contexts.playback = &playback;
    contexts.exporter = &exporter;

    // The toolkit aborts the process when a context is made current off its
    // own thread; a pass that would do so is refused instead.
    EXPECT_FALSE(avGLBeginDrawing(&contexts));
    EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
    EXPECT_EQ(avGLSetUpDrawing(&exporter, nullptr), nullptr);
    EXPECT_EQ(avCurrentGLFunctions.load(), nullptr);

    exporterThread->start();
    ASSERT_TRUE(exporterThread->wait(10000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    avGLContextRelease(&playback);
}

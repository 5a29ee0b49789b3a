#pragma once

#include "AVGLContext.h"
#include "AVGLRenderer.h"

#include <QOpenGLFunctions_3_2_Core>
#include <QThread>

#include <gtest/gtest.h>

// A test that draws: an engine context made on the test's own thread with
// its renderer, current for the whole test. Skips where the display gives no
// OpenGL 3.2 core context.
class GLTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!avGLCreateOffscreenContext(&slot, QThread::currentThread()))
            GTEST_SKIP() << "no OpenGL 3.2 core context on this display";
        contexts.playback = &slot;
        renderer = avGLSetUpDrawing(&slot, nullptr);
        ASSERT_NE(renderer, nullptr) << "the renderer could not be built";
        ASSERT_TRUE(avGLBeginDrawing(&contexts));
        gl = avCurrentGLFunctions;
    }

    void TearDown() override
    {
        if (gl)
            avGLEndDrawing();
        if (renderer)
            avGLTearDownDrawing(&slot, &renderer, nullptr, nullptr);
        avGLContextRelease(&slot);
    }

    AVGLContextSlot slot;
    AVGLDrawingContexts contexts;
    AVGLRenderer* renderer = nullptr;
    QOpenGLFunctions_3_2_Core* gl = nullptr;
};

#pragma once

#include "AVGLContext.h"
#include "AVGLRenderer.h"
#include "AVGLTexture.h"

#include <QOpenGLFunctions_3_2_Core>
#include <QThread>

#include <gtest/gtest.h>

#include <vector>

// The stored texels of a texture's level 0, first row first: size bytes.
inline std::vector<uint8_t> storedTexels(QOpenGLFunctions_3_2_Core* gl, const AVGLTexture* texture, GLenum format,
                                         GLenum type, size_t size)
{
    std::vector<uint8_t> texels(size);
    gl->glPixelStorei(GL_PACK_ALIGNMENT, 1);
    gl->glBindTexture(GL_TEXTURE_2D, texture->name);
    gl->glGetTexImage(GL_TEXTURE_2D, 0, format, type, texels.data());
    gl->glBindTexture(GL_TEXTURE_2D, 0);
    return texels;
}

// A picture texture's pixels as BGRA bytes, first row first.
inline std::vector<uint8_t> bgraTexels(QOpenGLFunctions_3_2_Core* gl, const AVGLTexture* texture)
{
    return storedTexels(gl, texture, GL_BGRA, GL_UNSIGNED_BYTE, size_t(texture->width) * texture->height * 4);
}

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

#include "GLTestContext.h"

#include "AVGLFramebuffer.h"
#include "AVGLTexture.h"

#include <QImage>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct FreeBytes {
    void operator()(uint8_t* bytes) const { std::free(bytes); }
};
using Bytes = std::unique_ptr<uint8_t, FreeBytes>;

std::vector<uint8_t> pattern(size_t size)
{
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = uint8_t((i * 7 + i / 13) & 0xff);
    return bytes;
}

} // namespace

TEST_F(GLTest, BgraUploadReadsBackByteIdenticalTopRowFirst)
{
    QImage picture(64, 48, QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(0, 0, 255));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x)
            picture.setPixel(x, y, qRgb(255, 0, 0));  // marked top-left corner
    AVGLFramebuffer* framebuffer = avFramebufferCreate(64, 48, false);
    ASSERT_NE(framebuffer, nullptr);
    avTextureUploadBGRA(framebuffer->color, picture.constBits(), 64, 48, false);
    ASSERT_NE(AVGLRenderer::bindFramebuffer(renderer, framebuffer), 0u);

    int32_t stride = 0;
    Bytes pixels(avReadPixels(framebuffer->color, &stride));
    ASSERT_TRUE(pixels);
    EXPECT_EQ(stride, 64 * 4);
    EXPECT_EQ(0, std::memcmp(pixels.get(), picture.constBits(), size_t(picture.sizeInBytes())));
    // BGRA bytes: the first pixel read is the red corner.
    EXPECT_EQ(pixels.get()[2], 255);
    EXPECT_EQ(pixels.get()[0], 0);
    avFramebufferFree(framebuffer);
}

TEST_F(GLTest, PlaneUploadsAtOddWidthKeepEveryRow)
{
    const int width = 427, height = 241;
    const std::vector<uint8_t> luma = pattern(size_t(width) * height);
    AVGLTexture* r8 = avTextureCreateR8(width, height, AVTextureFormatYUV420);
    avTextureUploadR8(r8, luma.data(), width, height, false, 10);
    EXPECT_EQ(storedTexels(gl, r8, GL_RED, GL_UNSIGNED_BYTE, luma.size()), luma);
    EXPECT_EQ(r8->colorParameter, 10u);

    const std::vector<uint8_t> deep = pattern(size_t(width) * height * 2);
    AVGLTexture* r16 = avTextureCreateR16(width, height, AVTextureFormatYUV420P16);
    avTextureUploadR16(r16, deep.data(), width, height, false, 1);
    EXPECT_EQ(storedTexels(gl, r16, GL_RED, GL_UNSIGNED_SHORT, deep.size()), deep);

    // Interleaved chroma of an odd size: as decoders lay it out, 214 texels a
    // row and 121 rows; fewer would shear the rows.
    const size_t half = size_t((width + 1) / 2) * ((height + 1) / 2);
    const std::vector<uint8_t> chroma = pattern(half * 2);
    AVGLTexture* rg8 = avTextureCreateRG8Half(width, height);
    avTextureUploadRG8Half(rg8, chroma.data(), width, height, false);
    EXPECT_EQ(storedTexels(gl, rg8, GL_RG, GL_UNSIGNED_BYTE, chroma.size()), chroma);
    EXPECT_EQ(rg8->width, width);

    const std::vector<uint8_t> deepChroma = pattern(half * 4);
    AVGLTexture* rg16 = avTextureCreateRG16Half(width, height);
    const GLuint name = rg16->name;
    avTextureUploadRG16Half(rg16, deepChroma.data(), width, height, true);
    avTextureUploadRG16Half(rg16, deepChroma.data(), width, height, true);
    EXPECT_EQ(storedTexels(gl, rg16, GL_RG, GL_UNSIGNED_SHORT, deepChroma.size()), deepChroma);
    EXPECT_EQ(rg16->name, name) << "a second upload of the same size reuses the texture";
    EXPECT_EQ(gl->glGetError(), GLenum(GL_NO_ERROR));
    for (AVGLTexture* texture : {r8, r16, rg8, rg16})
        avTextureFree(texture);
}

TEST_F(GLTest, MultisampleFramebufferBlitsIntoPlainOne)
{
    AVGLFramebuffer* multisample = avMultisampleFramebufferCreate(96, 64, true);
    ASSERT_NE(AVGLRenderer::bindFramebuffer(renderer, multisample), 0u);
    AVGLRenderer::clear(renderer, 1.0f, 0.5f, 0.0f, 1.0f);
    EXPECT_FALSE(gl->glIsEnabled(GL_DEPTH_TEST));

    AVGLFramebuffer* plain = avFramebufferCreate(96, 64, false);
    ASSERT_NE(AVGLRenderer::bindFramebuffer(renderer, plain), 0u);
    AVGLRenderer::blitToOutput(renderer, multisample, true);
    Bytes pixels(avReadPixels(plain->color, nullptr));
    ASSERT_TRUE(pixels);
    for (size_t at : {size_t(0), size_t(96 * 64 - 1) * 4}) {
        EXPECT_EQ(pixels.get()[at + 2], 255);  // red
        EXPECT_NEAR(pixels.get()[at + 1], 128, 1);
        EXPECT_EQ(pixels.get()[at + 3], 255);
    }
    avMultisampleFramebufferFree(multisample);
    avFramebufferFree(plain);
}

TEST_F(GLTest, ResizedFramebufferStaysCompleteWithItsDepth)
{
    AVGLFramebuffer* framebuffer = avFramebufferCreate(64, 64, true);
    avFramebufferResize(framebuffer, 200, 120);
    EXPECT_EQ(avTextureWidth(framebuffer), 200);
    GLint depthWidth = 0;
    gl->glBindTexture(GL_TEXTURE_2D, framebuffer->depth);
    gl->glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &depthWidth);
    gl->glBindTexture(GL_TEXTURE_2D, 0);
    EXPECT_EQ(depthWidth, 200);
    EXPECT_NE(AVGLRenderer::bindFramebuffer(renderer, framebuffer), 0u);

    AVGLFramebuffer* multisample = avMultisampleFramebufferCreate(32, 32, true);
    avMultisampleFramebufferResize(multisample, 80, 40);
    EXPECT_NE(AVGLRenderer::bindFramebuffer(renderer, multisample), 0u);
    avFramebufferFree(framebuffer);
    avMultisampleFramebufferFree(multisample);
}

TEST_F(GLTest, ReadPixelsOfUnnamedTextureGivesNothing)
{
    AVGLTexture unnamed = {16, 16, GL_TEXTURE_2D, 0, AVTextureFormatRGBA, 0};
    int32_t stride = -1;
    EXPECT_EQ(avReadPixels(&unnamed, &stride), nullptr);
    EXPECT_EQ(stride, -1);
}

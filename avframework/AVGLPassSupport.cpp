#include "AVGLPassSupport.h"

#include "AVGLContext.h"
#include "AVGLVertexArray.h"

#include <QOpenGLFunctions_3_2_Core>

#include <array>

int avProgramFamily(uint32_t format)
{
    switch (format) {
    case AVTextureFormatYUV420:
        return 1;
    case AVTextureFormatYUV420P16:
        return 2;
    case AVTextureFormatNV12:
        return 3;
    case AVTextureFormatP010:
        return 4;
    default:
        return 0;
    }
}

uint32_t avPassTargetBind(AVGLPassTarget* target, int width, int height)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (target->texture == 0 || target->width != uint32_t(width) || target->height != uint32_t(height)) {
        if (target->texture == 0)
            gl->glGenTextures(1, &target->texture);
        gl->glBindTexture(GL_TEXTURE_2D, target->texture);
        gl->glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        gl->glBindTexture(GL_TEXTURE_2D, 0);
        if (target->framebuffer == 0)
            gl->glGenFramebuffers(1, &target->framebuffer);
        gl->glBindFramebuffer(GL_FRAMEBUFFER, target->framebuffer);
        gl->glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, target->texture, 0);
        target->width = uint32_t(width);
        target->height = uint32_t(height);
    }
    gl->glBindFramebuffer(GL_FRAMEBUFFER, target->framebuffer);
    return gl->glCheckFramebufferStatus(GL_FRAMEBUFFER);
}

uint32_t avBoundFramebuffer()
{
    GLint bound = 0;
    avCurrentGLFunctions.load()->glGetIntegerv(GL_FRAMEBUFFER_BINDING, &bound);
    return uint32_t(bound);
}

void avDrawSiteVertices(AVGLDrawSite* site, const float* positions, const float* texCoords, int count,
                        uint32_t mode)
{
    const size_t bytes = sizeof(float) * 2 * size_t(count);
    avSetupVertexArray(&site->vertexArray, bytes, positions, 2, bytes, texCoords, 2, &site->positionBuffer,
                       &site->texCoordBuffer);
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    gl->glDrawArrays(mode, 0, count);
    gl->glBindVertexArray(0);
}

void avDrawSiteViewportQuad(AVGLDrawSite* site, int width, int height)
{
    const float w = width / 2.0f;
    const float h = height / 2.0f;
    const float positions[8] = {-w, -h, w, -h, -w, h, w, h};
    const float texCoords[8] = {0, 0, 1, 0, 0, 1, 1, 1};
    avDrawSiteVertices(site, positions, texCoords, 4, GL_TRIANGLE_STRIP);
}

const int32_t* avNoUniformLocations()
{
    static const std::array<int32_t, kAVUniformSlotCount> absent = [] {
        std::array<int32_t, kAVUniformSlotCount> table;
        table.fill(-1);
        return table;
    }();
    return absent.data();
}

void avSetIdentityTransform(const int32_t* locations)
{
    static const GLfloat identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    avCurrentGLFunctions.load()->glUniformMatrix4fv(locations[AVUniformRenderTransform], 1, GL_FALSE, identity);
}

void avBindLayerInput(const int32_t* locations, uint32_t target, uint32_t name, uint32_t plane2, uint32_t plane3,
                      uint32_t format, uint32_t colorParameter)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    gl->glActiveTexture(GL_TEXTURE1);
    gl->glBindTexture(target, name);
    const int family = avProgramFamily(format);
    if (family == 1 || family == 2) {
        gl->glActiveTexture(GL_TEXTURE2);
        gl->glBindTexture(GL_TEXTURE_2D, plane2);
        gl->glActiveTexture(GL_TEXTURE3);
        gl->glBindTexture(GL_TEXTURE_2D, plane3);
        gl->glUniform1i(locations[AVUniformSamplerY], 1);
        gl->glUniform1i(locations[AVUniformSamplerU], 2);
        gl->glUniform1i(locations[AVUniformSamplerV], 3);
    } else if (family == 3 || family == 4) {
        gl->glActiveTexture(GL_TEXTURE2);
        gl->glBindTexture(GL_TEXTURE_2D, plane2);
        gl->glUniform1i(locations[AVUniformSamplerY], 1);
        gl->glUniform1i(locations[AVUniformSamplerU], 2);
    } else {
        gl->glUniform1i(locations[AVUniformSampler], 1);
    }
    if (locations[AVUniformColorRange] >= 0)
        gl->glUniform1i(locations[AVUniformColorRange], int(colorParameter / 10 % 10));
    if (locations[AVUniformColorSpace] >= 0)
        gl->glUniform1i(locations[AVUniformColorSpace], int(colorParameter / 100));
    if (format == AVTextureFormatP010 || format == AVTextureFormatYUV420P16) {
        gl->glUniform1i(locations[AVUniformIsSt2084], colorParameter % 10 == 1);
        gl->glUniform1i(locations[AVUniformIsAribB67], colorParameter % 10 == 2);
    }
    gl->glActiveTexture(GL_TEXTURE0);
}

// The renderer's output: choosing, clearing and blitting the target, and the
// full-viewport draws of a single texture.

#include "AVGLRenderer.h"

#include "AVGLContext.h"
#include "AVGLOutputOwner.h"
#include "AVGLVertexArray.h"
#include "AVGeometry.h"
#include "AVTrace.h"

#include <QOpenGLFunctions_3_2_Core>

namespace {

const GLfloat kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// Texture coordinates at the strip's corners: bottom left, bottom right,
// top left, top right of the viewport.
const float kUpright[8] = {0, 0, 1, 0, 0, 1, 1, 1};
const float kFlipped[8] = {0, 1, 1, 1, 0, 0, 1, 0};

// Uses the program and binds the texture on unit 1 as its sampler; the
// caller then sets the program's own uniforms and calls drawQuad.
void bindProgram(QOpenGLFunctions_3_2_Core* gl, const AVGLProgram& program, GLuint texture)
{
    gl->glUseProgram(program.program);
    gl->glActiveTexture(GL_TEXTURE1);
    gl->glBindTexture(GL_TEXTURE_2D, texture);
    gl->glUniform1i(program.locations[AVUniformSampler], 1);
}

const AVGLProgram& useProgram(QOpenGLFunctions_3_2_Core* gl, AVGLRenderer* renderer, AVGLFixedProgram which,
                              const AVGLTexture* texture)
{
    const AVGLProgram& program = renderer->programs[which];
    bindProgram(gl, program, texture->name);
    return program;
}

void drawQuadAt(QOpenGLFunctions_3_2_Core* gl, const AVGLProgram& program, AVGLDrawSite& site, int width,
                int height, const float texCoords[8], bool blend)
{
    gl->glViewport(0, 0, width, height);
    const float w = width / 2.0f;
    const float h = height / 2.0f;
    const float positions[8] = {-w, -h, w, -h, -w, h, w, h};
    avSetupVertexArray(&site.vertexArray, sizeof positions, positions, 2, sizeof(float) * 8, texCoords, 2,
                       &site.positionBuffer, &site.texCoordBuffer);
    gl->glUniformMatrix4fv(program.locations[AVUniformRenderTransform], 1, GL_FALSE, kIdentity);
    avSetOrthoProjection(program.locations, float(width), float(height));
    gl->glDisable(GL_CULL_FACE);
    gl->glDisable(GL_DEPTH_TEST);
    if (blend) {
        gl->glEnable(GL_BLEND);
        gl->glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    } else {
        gl->glDisable(GL_BLEND);
    }
    gl->glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    gl->glBindVertexArray(0);
}

void drawQuad(QOpenGLFunctions_3_2_Core* gl, AVGLRenderer* renderer, const AVGLProgram& program,
              AVGLDrawSiteId siteId, int width, int height, const float texCoords[8], bool blend)
{
    drawQuadAt(gl, program, renderer->drawSites[siteId], width, height, texCoords, blend);
}

void flushIf(QOpenGLFunctions_3_2_Core* gl, bool flush)
{
    if (flush)
        gl->glFlush();
}

} // namespace

uint32_t AVGLRenderer::bindFramebuffer(AVGLRenderer* renderer, AVGLFramebuffer* framebuffer)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    renderer->currentOutput = framebuffer;
    if (!gl)
        return 0;
    if (!framebuffer) {
        gl->glBindFramebuffer(GL_FRAMEBUFFER, avGLWidgetFramebuffer(renderer->owner));
        return 1;
    }
    gl->glBindFramebuffer(GL_FRAMEBUFFER, framebuffer->framebuffer);
    const GLenum status = gl->glCheckFramebufferStatus(GL_FRAMEBUFFER);
    if (status != GL_FRAMEBUFFER_COMPLETE) {
        avTrace("Failed to make complete framebuffer object %x", status);
        return 0;
    }
    return framebuffer->framebuffer;
}

AVGLFramebuffer* AVGLRenderer::outputFramebuffer(const AVGLRenderer* renderer)
{
    return renderer->currentOutput;
}

void AVGLRenderer::clear(AVGLRenderer*, float red, float green, float blue, float alpha)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl)
        return;
    gl->glEnable(GL_DEPTH_TEST);
    gl->glClearColor(red, green, blue, alpha);
    gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gl->glDisable(GL_DEPTH_TEST);
}

void AVGLRenderer::blitToOutput(AVGLRenderer* renderer, AVGLFramebuffer* source, bool flush)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    AVGLFramebuffer* output = renderer->currentOutput;
    if (!gl || !source || !output)
        return;
    gl->glBindFramebuffer(GL_READ_FRAMEBUFFER, source->framebuffer);
    gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, output->framebuffer);
    gl->glBlitFramebuffer(0, 0, avTextureWidth(source), avTextureHeight(source), 0, 0, avTextureWidth(output),
                          avTextureHeight(output), GL_COLOR_BUFFER_BIT, GL_NEAREST);
    gl->glBindFramebuffer(GL_FRAMEBUFFER, output->framebuffer);
    flushIf(gl, flush);
}

void AVGLRenderer::drawTextureFill(AVGLRenderer* renderer, const AVGLTexture* texture, int width, int height,
                                   bool flush)
{
    drawFillScaled(renderer, texture, width, height);
    if (QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions)
        flushIf(gl, flush);
}

void AVGLRenderer::drawTextureFxaa(AVGLRenderer* renderer, const AVGLTexture* texture, const AVSize* viewport,
                                   bool flush)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    const AVGLFramebuffer* output = renderer->currentOutput;
    if (!gl || !texture || (!output && !viewport))
        return;
    if (output)
        drawFxaa(renderer, texture, avTextureWidth(output), avTextureHeight(output));
    else
        drawFxaa(renderer, texture, int(viewport->width), int(viewport->height));
    flushIf(gl, flush);
}

void AVGLRenderer::drawTextureToOutput(AVGLRenderer* renderer, const AVGLTexture* texture, bool flush)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    const AVGLFramebuffer* output = renderer->currentOutput;
    if (!gl || !texture || !output)
        return;
    drawRgbToYuv(renderer, texture, avTextureWidth(output), avTextureHeight(output));
    flushIf(gl, flush);
}

void AVGLRenderer::drawFill(AVGLRenderer* renderer, const AVGLTexture* texture, int width, int height)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl || !texture)
        return;
    const AVGLProgram& program = useProgram(gl, renderer, AVProgramFill, texture);
    drawQuad(gl, renderer, program, AVDrawSiteFill, width, height, kFlipped, true);
}

void AVGLRenderer::drawFillScaled(AVGLRenderer* renderer, const AVGLTexture* texture, int width, int height)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl || !texture || texture->width <= 0 || texture->height <= 0)
        return;
    const float sx = (float(width) / texture->width) / 2.0f;
    const float sy = (float(height) / texture->height) / 2.0f;
    const float texCoords[8] = {0, sy, sx, sy, 0, 0, sx, 0};
    const AVGLProgram& program = useProgram(gl, renderer, AVProgramFill, texture);
    drawQuad(gl, renderer, program, AVDrawSiteFill, width, height, texCoords, true);
}

void AVGLRenderer::drawFxaa(AVGLRenderer* renderer, const AVGLTexture* texture, int width, int height)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl || !texture)
        return;
    const AVGLProgram& program = useProgram(gl, renderer, AVProgramFxaaFill, texture);
    gl->glUniform1f(program.locations[AVUniformRtW], float(texture->width));
    gl->glUniform1f(program.locations[AVUniformRtH], float(texture->height));
    drawQuad(gl, renderer, program, AVDrawSiteFxaa, width, height, kUpright, true);
}

void AVGLRenderer::drawRgbToYuv(AVGLRenderer* renderer, const AVGLTexture* texture, int width, int height)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl || !texture)
        return;
    const AVGLProgram& program = useProgram(gl, renderer, AVProgramRgbToYuvFill, texture);
    gl->glUniform1f(program.locations[AVUniformWidth], float(width));
    gl->glUniform1f(program.locations[AVUniformHeight], float(height));
    drawQuad(gl, renderer, program, AVDrawSiteRgbToYuv, width, height, kUpright, false);
}

void avDrawUprightFill(const AVGLProgram& program, AVGLDrawSite* site, uint32_t texture, int width, int height)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl || !texture)
        return;
    bindProgram(gl, program, texture);
    drawQuadAt(gl, program, *site, width, height, kFlipped, true);
}

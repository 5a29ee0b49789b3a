// The distance field of a layer's opaque content for the outline stroke,
// made by jump flooding at up to about 1000 pixels on the long side and kept
// until the layer's texture or the stroke width changes.

#include "AVGLRenderer.h"

#include "AVGLContext.h"
#include "AVGLPassSupport.h"
#include "AVGLVertexArray.h"
#include "AVGeometry.h"
#include "AVTrace.h"

#include <QOpenGLFunctions_3_2_Core>

#include <algorithm>

namespace {

// The GL state the field's passes change, put back afterwards.
struct SavedState {
    GLint framebuffer = 0;
    GLint viewport[4] = {};
    GLint program = 0;
    GLint activeTexture = 0;
    GLint texture = 0;
    bool blend = false;
    bool depthTest = false;
    bool cullFace = false;

    explicit SavedState(QOpenGLFunctions_3_2_Core* gl)
    {
        gl->glGetIntegerv(GL_FRAMEBUFFER_BINDING, &framebuffer);
        gl->glGetIntegerv(GL_VIEWPORT, viewport);
        gl->glGetIntegerv(GL_CURRENT_PROGRAM, &program);
        gl->glGetIntegerv(GL_ACTIVE_TEXTURE, &activeTexture);
        gl->glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
        blend = gl->glIsEnabled(GL_BLEND);
        depthTest = gl->glIsEnabled(GL_DEPTH_TEST);
        cullFace = gl->glIsEnabled(GL_CULL_FACE);
    }
    void restore(QOpenGLFunctions_3_2_Core* gl) const
    {
        gl->glBindFramebuffer(GL_FRAMEBUFFER, GLuint(framebuffer));
        gl->glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
        gl->glUseProgram(GLuint(program));
        gl->glActiveTexture(GLenum(activeTexture));
        gl->glBindTexture(GL_TEXTURE_2D, GLuint(texture));
        auto setEnabled = [gl](GLenum capability, bool on) { on ? gl->glEnable(capability) : gl->glDisable(capability); };
        setEnabled(GL_BLEND, blend);
        setEnabled(GL_DEPTH_TEST, depthTest);
        setEnabled(GL_CULL_FACE, cullFace);
    }
};

// A float RGBA texture of the field's size attached to a framebuffer;
// returns the framebuffer status.
GLenum makeFloatTarget(QOpenGLFunctions_3_2_Core* gl, uint32_t* framebuffer, uint32_t* texture, int width,
                       int height, GLint filter)
{
    if (*texture == 0)
        gl->glGenTextures(1, texture);
    gl->glBindTexture(GL_TEXTURE_2D, *texture);
    gl->glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA32F, width, height, 0, GL_RGBA, GL_FLOAT, nullptr);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    if (*framebuffer == 0)
        gl->glGenFramebuffers(1, framebuffer);
    gl->glBindFramebuffer(GL_FRAMEBUFFER, *framebuffer);
    gl->glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, *texture, 0);
    return gl->glCheckFramebufferStatus(GL_FRAMEBUFFER);
}

bool makeFieldTargets(QOpenGLFunctions_3_2_Core* gl, AVGLRenderer* renderer, int width, int height)
{
    for (int i = 0; i < 2; ++i) {
        const GLenum status = makeFloatTarget(gl, &renderer->floodFramebuffers[i], &renderer->floodTextures[i],
                                              width, height, GL_NEAREST);
        if (status != GL_FRAMEBUFFER_COMPLETE) {
            avTrace("ERROR: JFA FBO[%d] incomplete, status=0x%x", i, status);
            return false;
        }
    }
    const GLenum status = makeFloatTarget(gl, &renderer->distanceFramebuffer, &renderer->distanceTexture, width,
                                          height, GL_LINEAR);
    if (status != GL_FRAMEBUFFER_COMPLETE) {
        avTrace("ERROR: SDF FBO incomplete, status=0x%x", status);
        return false;
    }
    renderer->distanceFieldWidth = uint32_t(width);
    renderer->distanceFieldHeight = uint32_t(height);
    return true;
}

bool sameKey(const AVGLRenderer* renderer, uint32_t segmentId, int64_t stamp, uint32_t texture, int width,
             int height, float strokeWidth)
{
    return renderer->sdfKeyTexture == int32_t(texture) && renderer->sdfKeySegmentId == segmentId
        && renderer->sdfKeyStamp == stamp && renderer->sdfKeyWidth == width && renderer->sdfKeyHeight == height
        && avCompareWithTolerance(strokeWidth, renderer->sdfKeyStrokeWidth, 0.001) == 0;
}

void useFullscreenProgram(QOpenGLFunctions_3_2_Core* gl, const AVGLProgram& program, int width, int height)
{
    gl->glUseProgram(program.program);
    gl->glUniform2f(program.locations[AVUniformTextureSize], float(width), float(height));
}


void reportError(QOpenGLFunctions_3_2_Core* gl, const char* format)
{
    const GLenum error = gl->glGetError();
    if (error != GL_NO_ERROR)
        avTrace(format, error);
}

} // namespace

int AVGLRenderer::generateSdf(AVGLRenderer* renderer, uint32_t segmentId, int64_t textureStamp, uint32_t target,
                              uint32_t texture, int width, int height, float strokeWidth)
{
    if (sameKey(renderer, segmentId, textureStamp, texture, width, height, strokeWidth))
        return 0;
    renderer->sdfKeyTexture = int32_t(texture);
    renderer->sdfKeySegmentId = segmentId;
    renderer->sdfKeyStamp = textureStamp;
    renderer->sdfKeyWidth = width;
    renderer->sdfKeyHeight = height;
    renderer->sdfKeyStrokeWidth = strokeWidth;

    const int f = std::max(width, height) / 1000 + 1;
    renderer->sdfDownsampleFactor = f;
    const int sw = std::max(width / f, 1);
    const int sh = std::max(height / f, 1);
    const float maxDistance = std::max(1.0f, 2.0f * strokeWidth / float(f));

    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    const SavedState saved(gl);
    // Bounded: a lost context may keep reporting an error.
    for (int i = 0; i < 16 && gl->glGetError() != GL_NO_ERROR; ++i) {}
    if (uint32_t(sw) != renderer->distanceFieldWidth || uint32_t(sh) != renderer->distanceFieldHeight
        || renderer->distanceTexture == 0) {
        if (!makeFieldTargets(gl, renderer, sw, sh)) {
            // The next request must try again rather than trust a half-made field.
            renderer->sdfKeyTexture = -1;
            renderer->distanceFieldWidth = renderer->distanceFieldHeight = 0;
            saved.restore(gl);
            return -1;
        }
    }
    gl->glDisable(GL_BLEND);
    gl->glDisable(GL_DEPTH_TEST);
    gl->glDisable(GL_CULL_FACE);
    gl->glViewport(0, 0, sw, sh);
    AVGLDrawSite quad{};
    const float positions[8] = {-1, 1, -1, -1, 1, 1, 1, -1};
    const float texCoords[8] = {0, 1, 0, 0, 1, 1, 1, 0};

    // Every pass writes every texel of its target (full-screen quad, no
    // blending), so no target needs clearing first.
    // Seeds: the content's own texels.
    gl->glBindFramebuffer(GL_FRAMEBUFFER, renderer->floodFramebuffers[0]);
    const AVGLProgram& init = renderer->programs[AVProgramJfaInit];
    useFullscreenProgram(gl, init, sw, sh);
    gl->glUniform1i(init.locations[AVUniformSampler], 0);
    gl->glActiveTexture(GL_TEXTURE0);
    gl->glBindTexture(target, texture);
    avDrawSiteVertices(&quad, positions, texCoords, 4, GL_TRIANGLE_STRIP);
    reportError(gl, "OpenGL error after JFA init: 0x%x");

    // Flooding at halving steps, then steps 2 and 1 again to mend the
    // few texels the large steps got wrong.
    const AVGLProgram& flood = renderer->programs[AVProgramJfaFlood];
    useFullscreenProgram(gl, flood, sw, sh);
    gl->glUniform1i(flood.locations[AVUniformInputTexture], 0);
    int written = 0;
    auto floodStep = [&](int step) {
        const int next = 1 - written;
        gl->glBindFramebuffer(GL_FRAMEBUFFER, renderer->floodFramebuffers[next]);
        gl->glBindTexture(GL_TEXTURE_2D, renderer->floodTextures[written]);
        gl->glUniform1f(flood.locations[AVUniformStepSize], float(step));
        avDrawSiteVertices(&quad, positions, texCoords, 4, GL_TRIANGLE_STRIP);
        written = next;
    };
    for (int step = std::max(sw, sh) / 2; step > 0; step /= 2)
        floodStep(step);
    floodStep(2);
    floodStep(1);

    // Distances, as fractions of maxDistance.
    gl->glBindFramebuffer(GL_FRAMEBUFFER, renderer->distanceFramebuffer);
    const AVGLProgram& distance = renderer->programs[AVProgramJfaDistance];
    useFullscreenProgram(gl, distance, sw, sh);
    gl->glUniform1i(distance.locations[AVUniformSeedTexture], 0);
    gl->glUniform1i(distance.locations[AVUniformOriginalTexture], 1);
    gl->glUniform1f(distance.locations[AVUniformMaxDistance], maxDistance);
    gl->glBindTexture(GL_TEXTURE_2D, renderer->floodTextures[written]);
    gl->glActiveTexture(GL_TEXTURE1);
    gl->glBindTexture(target, texture);
    avDrawSiteVertices(&quad, positions, texCoords, 4, GL_TRIANGLE_STRIP);
    reportError(gl, "OpenGL error after distance calculation: 0x%x");

    saved.restore(gl);
    avDeleteVertexArray(&quad.vertexArray, &quad.positionBuffer, &quad.texCoordBuffer);
    return 0;
}

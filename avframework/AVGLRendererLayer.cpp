// The layer pass: one visual layer placed, masked, coloured, outlined and
// shadowed into the renderer's current output.

#include "AVGLRenderer.h"

#include "AVBlurShaderSource.h"
#include "AVGLContext.h"
#include "AVGLPassSupport.h"
#include "AVGeometry.h"
#include "AVLayerGeometry.h"
#include "AVMatrix.h"
#include "AVTrace.h"

#include <QOpenGLFunctions_3_2_Core>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int kRoundedPoints = 80;
constexpr int kRingVertices = 2 * kRoundedPoints + 2;
constexpr float kHalfPi = 1.5707964f;
constexpr float kPi = 3.1415927f;
constexpr float kCornerEpsilon = 0.0001f;
const double kTanHalfFieldOfView = std::tan(0.17453292);

// What the pass reads: the texture (or the keyed copy of it), its planes,
// and which part of it holds the picture.
struct LayerInput {
    uint32_t target;
    uint32_t texture;
    uint32_t originalTexture;  // the layer's own, before any pre-pass
    uint32_t secondPlane;
    uint32_t thirdPlane;
    uint32_t format;
    uint32_t colorParameter;
    int textureWidth;
    int textureHeight;
    int pictureWidth;
    int pictureHeight;
};

// The polygons of one layer: its outline (rounded or not), and with a
// border the inset outline the picture is drawn in and the ring around it.
struct LayerShape {
    float outer[2 * kRoundedPoints];
    float outerTex[2 * kRoundedPoints];
    float inset[2 * kRoundedPoints];
    float insetTex[2 * kRoundedPoints];
    float ring[2 * kRingVertices];
    float ringTex[2 * kRingVertices];
    int pointCount;
    bool bordered;
};

// Placement and mask uniforms shared by every pass of the layer.
struct LayerPlacement {
    float model[16];
    float bounds[4];       // visible part of the texture, texture coordinates
    float feathering[4];   // per edge of the stored picture
    float cornerRadius[2]; // texture coordinates
    float width;           // the fitted quad
    float height;
    bool perspective3D;
};

// What the layer pass decided for this draw.
struct LayerPass {
    LayerInput input;
    LayerShape shape;
    LayerPlacement placement;
    AVChromaKey key;
    bool chroma;
    float outlinePixels;
    float strokePixels;
    int outputWidth;
    int outputHeight;
};

// A planar format missing a plane it needs is drawn as one plain texture.
uint32_t drawableFormat(uint32_t format, uint32_t secondPlane, uint32_t thirdPlane)
{
    const bool threePlanes = format == AVTextureFormatYUV420 || format == AVTextureFormatYUV420P16;
    const bool twoPlanes = format == AVTextureFormatNV12 || format == AVTextureFormatP010;
    if ((threePlanes && (secondPlane == 0 || thirdPlane == 0)) || (twoPlanes && secondPlane == 0))
        return AVTextureFormatRGBA;
    return format;
}

// The layer's own chroma key, or else the green key of its effect group,
// which runs the same way; the green key switch is cleared from the state.
bool resolveChromaKey(AVLayerDrawState* state, AVChromaKey* key)
{
    const bool greenKey = state->effectSwitches.on[kAVEffectGreenKey] != 0;
    state->effectSwitches.on[kAVEffectGreenKey] = 0;
    if (state->chromaThreshold > 0.0f) {
        *key = {state->chromaThreshold, state->chromaSmoothing,
                {state->chromaColor[0], state->chromaColor[1], state->chromaColor[2]}};
        return true;
    }
    const float* group = state->effectParams.groups[kAVEffectGreenKey];
    if (greenKey && group[0] > 0.0f) {
        *key = {group[0], group[1], {0.0f, 1.0f, 0.0f}};
        return true;
    }
    return false;
}

// Unpacks a packed 4:2:2 input into RGBA with the fixed UYVY program, for
// the effect and chroma programs, which read their RGB family's input as
// RGBA. False when the target is incomplete.
bool unpackPackedInput(AVGLRenderer* renderer, LayerInput* input)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    const uint32_t remembered = avBoundFramebuffer();
    AVGLPassTarget& unpacked = renderer->unpackedTarget;
    const GLenum status = avPassTargetBind(&unpacked, input->textureWidth, input->textureHeight);
    if (status != GL_FRAMEBUFFER_COMPLETE) {
        avTrace("Failed to make complete two pass framebuffer object %x", status);
        gl->glBindFramebuffer(GL_FRAMEBUFFER, remembered);
        return false;
    }
    const AVGLProgram& program = renderer->programs[AVProgramMainUYVY];
    gl->glUseProgram(program.program);
    gl->glViewport(0, 0, input->textureWidth, input->textureHeight);
    gl->glDisable(GL_DEPTH_TEST);
    gl->glDisable(GL_BLEND);
    gl->glDisable(GL_CULL_FACE);
    avBindLayerInput(program.locations, input->target, input->texture, 0, 0, input->format, input->colorParameter);
    gl->glUniform1f(program.locations[AVUniformOpacity], 1.0f);
    const float whole[4] = {0, 0, 1, 1}, none[4] = {0, 0, 0, 0};
    gl->glUniform4fv(program.locations[AVUniformTexCoordBounds], 1, whole);
    gl->glUniform4fv(program.locations[AVUniformFeathering], 1, none);
    gl->glUniform2fv(program.locations[AVUniformCornerRadius], 1, none);
    avSetIdentityTransform(program.locations);
    avSetOrthoProjection(program.locations, float(input->textureWidth), float(input->textureHeight));
    avDrawSiteViewportQuad(&renderer->drawSites[AVDrawSiteChromaPrepass], input->textureWidth,
                           input->textureHeight);
    gl->glBindFramebuffer(GL_FRAMEBUFFER, remembered);
    input->target = GL_TEXTURE_2D;
    input->texture = unpacked.texture;
    input->format = AVTextureFormatRGBA;
    return true;
}

// The stamp of the stroke's input. A keyed copy of the texture changes
// whenever the key does, though the layer's own texture stays the same:
// the key's values are folded into the stamp so that the distance field is
// made again for them.
int64_t keyedStamp(int64_t stamp, const LayerInput& input, const AVLayerDrawState& state)
{
    if (input.texture == input.originalTexture)
        return stamp;
    uint64_t hash = uint64_t(stamp);
    const float values[5] = {state.chromaThreshold, state.chromaSmoothing, state.chromaColor[0],
                             state.chromaColor[1], state.chromaColor[2]};
    const float* green = state.effectParams.groups[kAVEffectGreenKey];
    for (float value : {values[0], values[1], values[2], values[3], values[4], green[0], green[1]}) {
        uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        hash = (hash ^ bits) * 1099511628211ull;
    }
    return int64_t(hash);
}

bool anyEffect(const AVEffectSwitches& switches)
{
    return std::any_of(std::begin(switches.on), std::end(switches.on), [](uint8_t on) { return on != 0; });
}

// Rotation-permuted values: the crop as texture bounds, the feathering and
// the shadow offset, from the picture as shown to the picture as stored.
void permuteForRotation(const AVLayerDrawState& state, float bounds[4], float feathering[4], float* dx, float* dy)
{
    const float* c = state.crop;
    const float* e = state.feathering;
    const float x = state.shadowOffsetX, y = state.shadowOffsetY;
    auto set4 = [](float* out, float a, float b, float cc, float d) {
        out[0] = a;
        out[1] = b;
        out[2] = cc;
        out[3] = d;
    };
    switch (state.sourceRotation) {
    case 90:
        set4(bounds, c[1], 1 - c[2], c[3], 1 - c[0]);
        set4(feathering, e[1], e[2], e[3], e[0]);
        *dx = y, *dy = -x;
        break;
    case 180:
        set4(bounds, 1 - c[2], 1 - c[3], 1 - c[0], 1 - c[1]);
        set4(feathering, e[2], e[3], e[0], e[1]);
        *dx = -x, *dy = -y;
        break;
    case 270:
        set4(bounds, 1 - c[3], c[0], 1 - c[1], c[2]);
        set4(feathering, e[3], e[0], e[1], e[2]);
        *dx = -y, *dy = x;
        break;
    default:
        set4(bounds, c[0], c[1], c[2], c[3]);
        set4(feathering, e[0], e[1], e[2], e[3]);
        *dx = x, *dy = y;
        break;
    }
}

// The corner offsets of the picture as shown, for the stored corners.
void permutedCornerOffsets(const AVLayerDrawState& state, float out[8])
{
    const float* f = state.cornerOffsets;
    switch (state.sourceRotation) {
    case 90: {
        const float v[8] = {f[3], -f[2], f[5], -f[4], f[7], -f[6], f[1], -f[0]};
        std::copy(v, v + 8, out);
        break;
    }
    case 180: {
        const float v[8] = {-f[4], -f[5], -f[6], -f[7], -f[0], -f[1], -f[2], -f[3]};
        std::copy(v, v + 8, out);
        break;
    }
    case 270: {
        const float v[8] = {-f[7], f[6], -f[1], f[0], -f[3], f[2], -f[5], f[4]};
        std::copy(v, v + 8, out);
        break;
    }
    default:
        std::copy(f, f + 8, out);
        break;
    }
}

void applyCornerOffsets(const AVLayerDrawState& state, float W, float H, float* model)
{
    const bool moved = std::any_of(std::begin(state.cornerOffsets), std::end(state.cornerOffsets),
                                   [](float offset) { return std::fabs(offset) > kCornerEpsilon; });
    if (!moved)
        return;
    float offsets[8];
    permutedCornerOffsets(state, offsets);
    const float source[8] = {-W / 2, -H / 2, W / 2, -H / 2, W / 2, H / 2, -W / 2, H / 2};
    float target[8];
    for (int k = 0; k < 4; ++k) {
        target[2 * k] = source[2 * k] + offsets[2 * k] * W;
        target[2 * k + 1] = source[2 * k + 1] + offsets[2 * k + 1] * H;
    }
    float h[9];
    avPerspectiveFromCorners(source, target, h);
    float map[16] = {h[0], h[3], 0, h[6], h[1], h[4], 0, h[7], 0, 0, 1, 0, h[2], h[5], 0, h[8]};
    avMatrixMultiply(map, model);
    std::memcpy(model, map, sizeof map);
}

LayerPlacement placeLayer(const AVLayerDrawState& state, const LayerInput& input, int outputWidth, int outputHeight,
                          float* shadowDx, float* shadowDy)
{
    LayerPlacement placement{};
    const AVVec4 output{0, 0, float(outputWidth), float(outputHeight)};
    AVVec4 fit{};
    avRectAspectFit(&fit, float(input.pictureWidth), float(input.pictureHeight), output);
    const float W = fit.z, H = fit.w;
    float Wr = W, Hr = H;
    const uint32_t rotation = state.sourceRotation;
    if (rotation == 90 || rotation == 270) {
        AVVec4 turned{};
        avRectAspectFit(&turned, float(input.pictureHeight), float(input.pictureWidth), output);
        Wr = turned.z;
        Hr = turned.w;
    }
    placement.width = W;
    placement.height = H;
    permuteForRotation(state, placement.bounds, placement.feathering, shadowDx, shadowDy);

    float* m = placement.model;
    avMatrixIdentity(m);
    const float k = H > 0 ? Wr / H : 1.0f;
    if (rotation == 90 || rotation == 270) {
        avMatrixRotate(m, rotation == 90 ? kHalfPi : -kHalfPi, 0, 0, 1);
        avMatrixScale(m, k, k, 1);
    } else if (rotation == 180) {
        avMatrixRotate(m, kPi, 0, 0, 1);
    }
    avMatrixRotate(m, state.rotationX, 1, 0, 0);
    avMatrixRotate(m, state.rotationY, 0, 1, 0);
    const float ax = (0.5f - state.anchorX) * Wr;
    const float ay = (0.5f - state.anchorY) * Hr;
    avMatrixTranslate(m, ax, ay, 0);
    avMatrixScale(m, state.scaleX, state.scaleY, 1);
    avMatrixRotate(m, state.rotationZ, 0, 0, 1);
    avMatrixTranslate(m, -ax, -ay, 0);
    avMatrixTranslate(m, state.positionX * outputWidth, state.positionY * outputHeight, 0);
    applyCornerOffsets(state, W, H, m);
    placement.perspective3D = state.perspective3D != 0;
    if (placement.perspective3D)
        avMatrixTranslate(m, 0, 0, float(-(outputHeight / 2.0) / kTanHalfFieldOfView));

    // Texture coordinates cover only the part of the texture that holds the
    // picture; the mask works in them too.
    const float sx = float(input.pictureWidth) / float(input.textureWidth);
    const float sy = float(input.pictureHeight) / float(input.textureHeight);
    const float* b = placement.bounds;
    const float r = std::min({state.cornerRadius, (b[2] - b[0]) * W / 2, (b[3] - b[1]) * H / 2});
    placement.cornerRadius[0] = W > 0 ? std::max(r, 0.0f) / W * sx : 0.0f;
    placement.cornerRadius[1] = H > 0 ? std::max(r, 0.0f) / H * sy : 0.0f;
    placement.bounds[0] *= sx;
    placement.bounds[2] *= sx;
    placement.bounds[1] *= sy;
    placement.bounds[3] *= sy;
    return placement;
}

// One outline of the layer with the texture coordinate of each point.
int outline(float* points, float* texCoords, int n, float left, float bottom, float right, float top, float radius,
            const LayerPlacement& placement, const LayerInput& input)
{
    const int count = avRoundedRectPolygon(points, n, left, top, right - left, top - bottom, std::max(radius, 0.0f));
    const float W = placement.width, H = placement.height;
    const float sx = float(input.pictureWidth) / float(input.textureWidth);
    const float sy = float(input.pictureHeight) / float(input.textureHeight);
    for (int i = 0; i < count; ++i) {
        texCoords[2 * i] = (points[2 * i] + W / 2) / W * sx;
        texCoords[2 * i + 1] = (points[2 * i + 1] + H / 2) / H * sy;
    }
    return count;
}

LayerShape shapeLayer(const AVLayerDrawState& state, const LayerPlacement& placement, const LayerInput& input,
                      const float rawBounds[4], float outlinePixels)
{
    LayerShape shape{};
    const int n = state.cornerRadius > 0 ? kRoundedPoints : 4;
    const float W = placement.width, H = placement.height;
    const float left = -W / 2 + rawBounds[0] * W, right = -W / 2 + rawBounds[2] * W;
    const float bottom = -H / 2 + rawBounds[1] * H, top = -H / 2 + rawBounds[3] * H;
    shape.pointCount = outline(shape.outer, shape.outerTex, n, left, bottom, right, top, state.cornerRadius,
                               placement, input);
    shape.bordered = outlinePixels > 0;
    if (!shape.bordered)
        return shape;
    // A border wider than half the layer leaves no picture, not an inside-out one.
    const float o = std::min({outlinePixels, (right - left) / 2, (top - bottom) / 2});
    outline(shape.inset, shape.insetTex, n, left + o, bottom + o, right - o, top - o, state.cornerRadius - o,
            placement, input);
    for (int i = 0; i <= shape.pointCount; ++i) {
        const int at = i % shape.pointCount;
        std::copy(shape.inset + 2 * at, shape.inset + 2 * at + 2, shape.ring + 4 * i);
        std::copy(shape.outer + 2 * at, shape.outer + 2 * at + 2, shape.ring + 4 * i + 2);
        std::copy(shape.insetTex + 2 * at, shape.insetTex + 2 * at + 2, shape.ringTex + 4 * i);
        std::copy(shape.outerTex + 2 * at, shape.outerTex + 2 * at + 2, shape.ringTex + 4 * i + 2);
    }
    return shape;
}

void drawLayerPolygon(AVGLRenderer* renderer, const LayerShape& shape)
{
    if (shape.bordered)
        avDrawSiteVertices(&renderer->drawSites[AVDrawSiteInsetLayer], shape.inset, shape.insetTex,
                           shape.pointCount, GL_TRIANGLE_FAN);
    else
        avDrawSiteVertices(&renderer->drawSites[AVDrawSiteLayer], shape.outer, shape.outerTex, shape.pointCount,
                           GL_TRIANGLE_FAN);
}

void drawRing(AVGLRenderer* renderer, const LayerShape& shape)
{
    avDrawSiteVertices(&renderer->drawSites[AVDrawSiteBorderRing], shape.ring, shape.ringTex,
                       2 * shape.pointCount + 2, GL_TRIANGLE_STRIP);
}

void setPlacement(const int32_t* locations, const LayerPlacement& placement, const float* model, int outputWidth,
                  int outputHeight)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    gl->glUniformMatrix4fv(locations[AVUniformRenderTransform], 1, GL_FALSE, model);
    if (placement.perspective3D)
        avSetPerspectiveProjection(locations, float(outputWidth), float(outputHeight));
    else
        avSetOrthoProjection(locations, float(outputWidth), float(outputHeight));
    gl->glUniform4fv(locations[AVUniformFeathering], 1, placement.feathering);
    gl->glUniform4fv(locations[AVUniformTexCoordBounds], 1, placement.bounds);
    gl->glUniform2fv(locations[AVUniformCornerRadius], 1, placement.cornerRadius);
}

// The distance field on unit 2 and the stroke's uniforms.
void setStroke(AVGLRenderer* renderer, const int32_t* locations, const AVLayerDrawState& state, float strokePixels)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    const float f = float(renderer->sdfDownsampleFactor);
    gl->glActiveTexture(GL_TEXTURE2);
    gl->glBindTexture(GL_TEXTURE_2D, renderer->distanceTexture);
    gl->glActiveTexture(GL_TEXTURE0);
    gl->glUniform1i(locations[AVUniformSdfTexture], 2);
    gl->glUniform1f(locations[AVUniformStrokeWidth], strokePixels / f);
    gl->glUniform1f(locations[AVUniformMaxDistance], std::max(1.0f, 2.0f * strokePixels / f));
    gl->glUniform1f(locations[AVUniformSdfDownsampleFactor], f);
    gl->glUniform1f(locations[AVUniformStrokeTolerance], state.strokeTolerance);
    gl->glUniform1f(locations[AVUniformStrokeStrength], state.strokeStrength);
    gl->glUniform4fv(locations[AVUniformStrokeColor], 1, state.outlineColor);
}

// The main pass's program: by input family, replaced by the effect program
// when an effect or the chroma key is on, or by the stroke program.
uint32_t chooseMainProgram(AVGLRenderer* renderer, const LayerPass& pass, const AVLayerDrawState& state,
                           const int32_t** locations, bool* isEffect)
{
    *isEffect = anyEffect(state.effectSwitches) || pass.chroma;
    if (*isEffect)
        return AVGLRenderer::effectColorProgram(renderer, &state.effectSwitches, pass.chroma, &state.effectParams,
                                                locations, pass.input.format);
    AVGLFixedProgram which = AVProgramMain;
    switch (pass.input.format) {
    case AVTextureFormatYUV420:
        which = AVProgramMainYUV;
        break;
    case AVTextureFormatYUV420P16:
        which = AVProgramMainYUV10Bit;
        break;
    case AVTextureFormatUYVY422:
        which = AVProgramMainUYVY;
        break;
    case AVTextureFormatNV12:
        which = AVProgramMainNV12;
        break;
    case AVTextureFormatP010:
        which = AVProgramMainNV12_10Bit;
        break;
    default:
        which = pass.strokePixels > 0 ? AVProgramMainStroke : AVProgramMain;
        break;
    }
    *locations = renderer->programs[which].locations;
    return renderer->programs[which].program;
}

// False when the layer's program cannot be built: the layer is not drawn
// in this frame.
bool drawMainPass(AVGLRenderer* renderer, const LayerPass& pass, const AVLayerDrawState& state, uint32_t depthTexture)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    const int32_t* locations = nullptr;
    bool isEffect = false;
    const uint32_t program = chooseMainProgram(renderer, pass, state, &locations, &isEffect);
    if (program == 0)
        return false;
    gl->glUseProgram(program);
    gl->glViewport(0, 0, pass.outputWidth, pass.outputHeight);
    if (state.cullBackFace) {
        gl->glEnable(GL_CULL_FACE);
        gl->glCullFace(GL_BACK);
    } else {
        gl->glDisable(GL_CULL_FACE);
    }
    const LayerInput& input = pass.input;
    avBindLayerInput(locations, input.target, input.texture, input.secondPlane, input.thirdPlane, input.format,
                     input.colorParameter);
    gl->glEnable(GL_BLEND);
    gl->glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    gl->glUniform1f(locations[AVUniformOpacity], state.opacity);
    if (depthTexture != 0) {
        gl->glEnable(GL_DEPTH_TEST);
        gl->glClear(GL_DEPTH_BUFFER_BIT);
    }
    setPlacement(locations, pass.placement, pass.placement.model, pass.outputWidth, pass.outputHeight);
    if (isEffect) {
        AVGLRenderer::setEffectUniforms(locations, &state.effectSwitches, &state.effectParams,
                                        float(input.pictureWidth), float(input.pictureHeight));
        if (state.effectSwitches.on[kAVEffectBlur]) {
            gl->glUniform1f(locations[AVUniformTexelWidthOffset], 0.0f);
            gl->glUniform1f(locations[AVUniformTexelHeightOffset], 1.0f / float(input.pictureHeight));
        }
        if (pass.chroma) {
            gl->glUniform1f(locations[AVUniformThresholdSensitivity], pass.key.threshold);
            gl->glUniform1f(locations[AVUniformSmoothing], pass.key.smoothing);
            gl->glUniform3fv(locations[AVUniformColorToReplace], 1, pass.key.color);
        }
        gl->glUniform1f(locations[AVUniformStrokeWidth], pass.strokePixels / float(renderer->sdfDownsampleFactor));
    }
    if (pass.strokePixels > 0) {
        if (!isEffect && locations[AVUniformSdfTexture] < 0)
            avTrace("WARNING: UNIFORM_SDF_TEXTURE not found in shader!");
        setStroke(renderer, locations, state, pass.strokePixels);
    }
    drawLayerPolygon(renderer, pass.shape);
    // The ring's colour is straight: its colour blends by its alpha, while
    // the alpha itself blends as every premultiplied layer's does, so that
    // a translucent ring leaves an opaque output opaque.
    gl->glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    if (pass.shape.bordered) {
        const AVGLProgram& border = renderer->programs[AVProgramMainBorder];
        gl->glUseProgram(border.program);
        setPlacement(border.locations, pass.placement, pass.placement.model, pass.outputWidth, pass.outputHeight);
        gl->glUniform1f(border.locations[AVUniformOpacity], state.opacity);
        gl->glUniform4fv(border.locations[AVUniformDrawBorderColor], 1, state.outlineColor);
        drawRing(renderer, pass.shape);
    }
    return true;
}

// The programs of one shadow pass for the layer's input: with the stroke,
// for pictures without alpha, or sampling the picture's alpha.
AVGLFixedProgram shadowProgram(const LayerPass& pass, AVGLFixedProgram plain, AVGLFixedProgram solid,
                               AVGLFixedProgram stroke)
{
    if (pass.strokePixels > 0)
        return stroke;
    return pass.input.format != AVTextureFormatRGBA ? solid : plain;
}

// Draws the layer's outline (and ring) with one of the shadow programs.
void drawShadowShape(AVGLRenderer* renderer, const LayerPass& pass, const AVLayerDrawState& state,
                     AVGLFixedProgram which, AVGLFixedProgram ringProgram, const float* model)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    const AVGLProgram& program = renderer->programs[which];
    gl->glUseProgram(program.program);
    setPlacement(program.locations, pass.placement, model, pass.outputWidth, pass.outputHeight);
    gl->glActiveTexture(GL_TEXTURE1);
    gl->glBindTexture(pass.input.target, pass.input.texture);
    gl->glUniform1i(program.locations[AVUniformSampler], 1);
    if (pass.strokePixels > 0)
        setStroke(renderer, program.locations, state, pass.strokePixels);
    drawLayerPolygon(renderer, pass.shape);
    if (pass.shape.bordered) {
        const AVGLProgram& ring = renderer->programs[ringProgram];
        gl->glUseProgram(ring.program);
        setPlacement(ring.locations, pass.placement, model, pass.outputWidth, pass.outputHeight);
        drawRing(renderer, pass.shape);
    }
}

// Binds a shadow target at the output size, cleared; false (with the
// diagnostic) when it is incomplete.
bool bindShadowTarget(AVGLPassTarget* target, const LayerPass& pass, const char* failure, float red, float alpha)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    const GLenum status = avPassTargetBind(target, pass.outputWidth, pass.outputHeight);
    if (status != GL_FRAMEBUFFER_COMPLETE) {
        avTrace(failure, status);
        return false;
    }
    gl->glViewport(0, 0, pass.outputWidth, pass.outputHeight);
    gl->glClearColor(red, 0, 0, alpha);
    gl->glClear(GL_COLOR_BUFFER_BIT);
    return true;
}

void bindTextureOn(GLenum unit, uint32_t texture)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    gl->glActiveTexture(unit);
    gl->glBindTexture(GL_TEXTURE_2D, texture);
    gl->glActiveTexture(GL_TEXTURE0);
}

// The layer's footprint as the mask that keeps the shadow off the layer:
// the output's depth texture, or a footprint drawn for the purpose. 0 when
// its target is incomplete.
uint32_t shadowMask(AVGLRenderer* renderer, const LayerPass& pass, const AVLayerDrawState& state,
                    uint32_t depthTexture)
{
    if (depthTexture != 0)
        return depthTexture;
    AVGLPassTarget& footprint = renderer->depthFootprintTarget;
    if (!bindShadowTarget(&footprint, pass, "Failed to make complete depth framebuffer object %x", 1, 1))
        return 0;
    drawShadowShape(renderer, pass, state,
                    shadowProgram(pass, AVProgramShadowDepth, AVProgramShadowDepthSolid, AVProgramShadowDepthStroke),
                    AVProgramShadowDepthBorder, pass.placement.model);
    return footprint.texture;
}

// The quad covering a width x height viewport for the blur and compose
// passes.
void drawViewportQuad(AVGLRenderer* renderer, int width, int height, const int32_t* locations)
{
    avSetIdentityTransform(locations);
    avSetOrthoProjection(locations, float(width), float(height));
    avDrawSiteViewportQuad(&renderer->drawSites[AVDrawSiteShadowBlur], width, height);
}

// The moved silhouette's bounds in output pixels (left, bottom, right,
// top); false, leaving them alone, when a corner lies on or behind the
// projective map's horizon.
bool silhouetteBounds(const LayerPass& pass, const float* moved, float bounds[4])
{
    float found[4] = {1e30f, 1e30f, -1e30f, -1e30f};
    for (int i = 0; i < pass.shape.pointCount; ++i) {
        const float x = pass.shape.outer[2 * i], y = pass.shape.outer[2 * i + 1];
        const float w = x * moved[3] + y * moved[7] + moved[15];
        if (w <= 1e-6f)
            return false;
        const float px = (x * moved[0] + y * moved[4] + moved[12]) / w + pass.outputWidth / 2.0f;
        const float py = (x * moved[1] + y * moved[5] + moved[13]) / w + pass.outputHeight / 2.0f;
        found[0] = std::min(found[0], px);
        found[1] = std::min(found[1], py);
        found[2] = std::max(found[2], px);
        found[3] = std::max(found[3], py);
    }
    std::copy(found, found + 4, bounds);
    return true;
}

// The part of the output the shadow can reach, as x, y, width, height for
// glScissor: the silhouette's bounds widened by the blur radius, or the
// whole output under the 3D projection. False when nothing is left.
bool shadowBounds(const LayerPass& pass, const float* moved, int radius, GLint box[4])
{
    const int width = pass.outputWidth, height = pass.outputHeight;
    float bounds[4] = {0, 0, float(width), float(height)};
    if (!pass.placement.perspective3D)
        silhouetteBounds(pass, moved, bounds);
    const int margin = radius + 2;
    // Held near the output first: corners close to the horizon lie very far out.
    auto pixel = [margin](float value, int limit) {
        return int(std::clamp(value, float(-margin), float(limit + margin)));
    };
    const int x0 = std::max(pixel(std::floor(bounds[0]), width) - margin, 0);
    const int y0 = std::max(pixel(std::floor(bounds[1]), height) - margin, 0);
    const int x1 = std::min(pixel(std::ceil(bounds[2]), width) + margin, width);
    const int y1 = std::min(pixel(std::ceil(bounds[3]), height) + margin, height);
    box[0] = x0;
    box[1] = y0;
    box[2] = x1 - x0;
    box[3] = y1 - y0;
    return box[2] > 0 && box[3] > 0;
}

// One packed blur pass into the bound target: one texel column for every
// kAVShadowBlurPacking output columns, only over the box's columns. The
// mask, when not 0, is the layer's footprint.
void packedBlurPass(AVGLRenderer* renderer, const LayerPass& pass, const GLint box[4], uint32_t program,
                    const int32_t* locations, uint32_t source, uint32_t mask)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    const int packedWidth = (pass.outputWidth + kAVShadowBlurPacking - 1) / kAVShadowBlurPacking;
    const int packedLeft = box[0] / kAVShadowBlurPacking;
    const int packedRight = (box[0] + box[2] + kAVShadowBlurPacking - 1) / kAVShadowBlurPacking;
    gl->glViewport(0, 0, packedWidth, pass.outputHeight);
    gl->glScissor(packedLeft, box[1], packedRight - packedLeft, box[3]);
    gl->glEnable(GL_SCISSOR_TEST);
    gl->glUseProgram(program);
    bindTextureOn(GL_TEXTURE3, source);
    gl->glUniform1i(locations[AVUniformShadowSampler], 3);
    if (mask != 0) {
        bindTextureOn(GL_TEXTURE2, mask);
        gl->glUniform1i(locations[AVUniformDepthSampler], 2);
    }
    drawViewportQuad(renderer, packedWidth, pass.outputHeight, locations);
    gl->glDisable(GL_SCISSOR_TEST);
}

// The soft drop shadow: the silhouette moved by the offset in the layer's
// own coordinates, blurred across then down, coloured and composed where
// the layer's footprint leaves the output uncovered.
void drawShadow(AVGLRenderer* renderer, const LayerPass& pass, const AVLayerDrawState& state, uint32_t depthTexture,
                float dx, float dy)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    const uint32_t remembered = avBoundFramebuffer();
    gl->glDisable(GL_DEPTH_TEST);
    gl->glDisable(GL_BLEND);
    // Every way out binds the output again, so that later layers land there.
    auto finish = [gl, remembered] { gl->glBindFramebuffer(GL_FRAMEBUFFER, remembered); };
    const uint32_t mask = shadowMask(renderer, pass, state, depthTexture);
    if (mask == 0)
        return finish();

    AVGLPassTarget& silhouette = renderer->shadowSilhouetteTarget;
    if (!bindShadowTarget(&silhouette, pass, "Failed to make complete shadow framebuffer object %x", 0, 0))
        return finish();
    float moved[16];
    avMatrixIdentity(moved);
    avMatrixTranslate(moved, dx, dy, 0);
    avMatrixMultiply(moved, pass.placement.model);
    drawShadowShape(renderer, pass, state,
                    shadowProgram(pass, AVProgramShadowStep1, AVProgramShadowStep1Solid, AVProgramShadowStep1Stroke),
                    AVProgramShadowStep1Border, moved);

    const int sigma = int(state.shadowBlur);
    uint32_t first = 0, second = 0, down = 0;
    const int32_t* firstLocations = nullptr;
    const int32_t* secondLocations = nullptr;
    const int32_t* downLocations = nullptr;
    if (!AVGLRenderer::shadowBlurProgram(renderer, std::max(sigma, 0), &first, &firstLocations, &second,
                                         &secondLocations, &down, &downLocations))
        return finish();
    // The blur and compose passes cost most: they run only where the
    // shadow can show. Targets are cleared whole first, so the taps that
    // reach outside the box read nothing.
    GLint box[4];
    if (!shadowBounds(pass, moved, sigma >= 1 ? avShadowBlurRadius(sigma) : 0, box))
        return finish();
    gl->glDisable(GL_CULL_FACE);
    if (first != 0) {
        if (!bindShadowTarget(&renderer->shadowBlurTarget, pass,
                              "Failed to make complete shadow blur framebuffer object %x", 0, 0))
            return finish();
        // Packed: across into the blur target, then down back into the
        // silhouette target, whose silhouette is no longer needed.
        packedBlurPass(renderer, pass, box, first, firstLocations, silhouette.texture, 0);
        gl->glBindFramebuffer(GL_FRAMEBUFFER, silhouette.framebuffer);
        packedBlurPass(renderer, pass, box, down, downLocations, renderer->shadowBlurTarget.texture, mask);
    }

    finish();
    gl->glViewport(0, 0, pass.outputWidth, pass.outputHeight);
    gl->glEnable(GL_BLEND);
    gl->glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    gl->glUseProgram(second);
    bindTextureOn(GL_TEXTURE3, silhouette.texture);
    gl->glUniform1i(secondLocations[AVUniformShadowSampler], 3);
    bindTextureOn(GL_TEXTURE2, mask);
    gl->glUniform1i(secondLocations[AVUniformDepthSampler], 2);
    gl->glUniform1f(secondLocations[AVUniformDrawShadowOpacity], state.shadowOpacity);
    gl->glUniform4fv(secondLocations[AVUniformDrawShadowColor], 1, state.shadowColor);
    gl->glUniform1f(secondLocations[AVUniformOpacity], state.opacity);
    gl->glScissor(box[0], box[1], box[2], box[3]);
    gl->glEnable(GL_SCISSOR_TEST);
    drawViewportQuad(renderer, pass.outputWidth, pass.outputHeight, secondLocations);
    gl->glDisable(GL_SCISSOR_TEST);
}

} // namespace

void AVGLRenderer::drawLayer(AVGLRenderer* renderer, uint32_t segmentId, int64_t textureStamp, int outputWidth,
                             int outputHeight, uint32_t target, uint32_t texture, uint32_t secondPlane,
                             uint32_t thirdPlane, uint32_t format, uint32_t colorParameter, int textureWidth,
                             int textureHeight, int pictureWidth, int pictureHeight, uint32_t depthTexture,
                             const AVLayerDrawState* givenState)
{
    if (!avCurrentGLFunctions || !givenState || texture == 0)
        return;
    const float* crop = givenState->crop;
    if (crop[0] == crop[2] || crop[1] == crop[3])
        return;
    if (textureWidth <= 0 || textureHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0 || outputWidth <= 0
        || outputHeight <= 0)
        return;
    AVLayerDrawState state = *givenState;
    LayerPass pass{};
    pass.outputWidth = outputWidth;
    pass.outputHeight = outputHeight;
    pass.input = {target, texture, texture, secondPlane, thirdPlane, drawableFormat(format, secondPlane, thirdPlane),
                  colorParameter, textureWidth, textureHeight, pictureWidth, pictureHeight};
    pass.chroma = resolveChromaKey(&state, &pass.key);
    const bool stroke = state.outlineIsStroke != 0;
    const float outline = std::max(state.outlineWidth, 0.0f);
    pass.outlinePixels = stroke ? 0.0f : outline * float(outputWidth);
    pass.strokePixels = stroke ? outline * float(textureWidth) : 0.0f;
    const bool shadow = state.shadowOpacity > 0.0f;

    LayerInput& input = pass.input;
    if (input.format == AVTextureFormatUYVY422 && (pass.chroma || anyEffect(state.effectSwitches))
        && !unpackPackedInput(renderer, &input))
        return;
    if (pass.chroma && (shadow || pass.strokePixels > 0)) {
        if (chromaKeyPrepass(renderer, input.textureWidth, input.textureHeight, input.target, input.texture,
                             input.secondPlane, input.thirdPlane, input.format, input.colorParameter, &pass.key,
                             &input.target, &input.texture, &input.textureWidth, &input.textureHeight) != 0)
            return;
        input.format = AVTextureFormatRGBA;
        input.secondPlane = input.thirdPlane = 0;
        input.colorParameter = 0;
        pass.chroma = false;
    }
    if (input.format != AVTextureFormatRGBA)
        pass.strokePixels = 0.0f;
    if (pass.strokePixels > 0
        && generateSdf(renderer, segmentId, keyedStamp(textureStamp, input, *givenState), input.target,
                       input.texture, input.pictureWidth, input.pictureHeight, pass.strokePixels) != 0)
        avTrace("Failed to generate SDF texture!");

    float dx = 0, dy = 0;
    pass.placement = placeLayer(state, input, outputWidth, outputHeight, &dx, &dy);
    float rawBounds[4], feathering[4], ignored = 0;
    permuteForRotation(state, rawBounds, feathering, &ignored, &ignored);
    pass.shape = shapeLayer(state, pass.placement, input, rawBounds, pass.outlinePixels);
    if (drawMainPass(renderer, pass, state, depthTexture) && shadow)
        drawShadow(renderer, pass, state, depthTexture, dx, dy);
}

namespace {

// The layer drawn into the output framebuffer record, sizes of 0 meaning
// the texture's.
void drawIntoOutput(AVGLRenderer* renderer, uint32_t segmentId, int64_t textureStamp, const AVGLTexture* texture,
                    uint32_t secondPlane, uint32_t thirdPlane, int pictureWidth, int pictureHeight,
                    const AVLayerDrawState* state, bool flush)
{
    const AVGLFramebuffer* output = renderer->currentOutput;
    AVGLRenderer::drawLayer(renderer, segmentId, textureStamp, avTextureWidth(output), avTextureHeight(output),
                            texture->target ? texture->target : GL_TEXTURE_2D, texture->name, secondPlane,
                            thirdPlane, texture->format, texture->colorParameter, texture->width, texture->height,
                            pictureWidth > 0 ? pictureWidth : texture->width,
                            pictureHeight > 0 ? pictureHeight : texture->height, output->depth, state);
    if (flush)
        avCurrentGLFunctions.load()->glFlush();
}

} // namespace

void AVGLRenderer::drawLayerTexture(AVGLRenderer* renderer, uint32_t segmentId, int64_t textureStamp,
                                    const AVGLTexture* texture, int pictureWidth, int pictureHeight,
                                    const AVLayerDrawState* state, bool flush)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl || !texture || !state)
        return;
    if (renderer->currentOutput) {
        drawIntoOutput(renderer, segmentId, textureStamp, texture, 0, 0, pictureWidth, pictureHeight, state, flush);
        return;
    }
    drawFill(renderer, texture, int(state->anchorX), int(state->anchorY));
    if (flush)
        gl->glFlush();
}

void AVGLRenderer::renderLayer(AVGLRenderer* renderer, uint32_t segmentId, int64_t textureStamp,
                               const AVGLTexture* texture, int pictureWidth, int pictureHeight,
                               const AVLayerDrawState* state, bool flush)
{
    if (!avCurrentGLFunctions || !texture || !state || !renderer->currentOutput)
        return;
    drawIntoOutput(renderer, segmentId, textureStamp, texture, 0, 0, pictureWidth, pictureHeight, state, flush);
}

void AVGLRenderer::renderPlanarLayer(AVGLRenderer* renderer, uint32_t segmentId, int64_t textureStamp,
                                     const AVGLTexture* texture, const AVGLTexture* secondPlane,
                                     const AVGLTexture* thirdPlane, int pictureWidth, int pictureHeight,
                                     const AVLayerDrawState* state, bool flush)
{
    if (!avCurrentGLFunctions || !texture || !state || !renderer->currentOutput)
        return;
    const uint32_t format = texture->format;
    const uint32_t second = secondPlane ? secondPlane->name : 0;
    const uint32_t third = thirdPlane ? thirdPlane->name : 0;
    const bool threePlanes = format == AVTextureFormatYUV420 || format == AVTextureFormatYUV420P16;
    const bool twoPlanes = format == AVTextureFormatNV12 || format == AVTextureFormatP010;
    if ((threePlanes && (second == 0 || third == 0)) || (twoPlanes && second == 0))
        return;
    drawIntoOutput(renderer, segmentId, textureStamp, texture, second, third, pictureWidth, pictureHeight, state,
                   flush);
}

#include "AVGLRenderer.h"

#include "AVClock.h"
#include "AVGLContext.h"
#include "AVGLVertexArray.h"
#include "AVShaderSource.h"
#include "AVTrace.h"

#include <QOpenGLFunctions_3_2_Core>

#include <cstdlib>
#include <memory>

namespace {

constexpr int32_t kShaderBufferCapacity = 32768;
constexpr int32_t kInitialCacheCapacity = 8;

// One row of the fixed program table.
struct FixedProgramSpec {
    const char* failure;
    const char* vertex;
    const char* fragment;
    bool bindTexCoord;
    AVUniformRequest uniforms[14];
    size_t uniformCount;
};

constexpr const char* kVertex = "vertex.glsl";
constexpr const char* kVertexNoTexCoord = "vertex_no_varying_texcoord.glsl";
constexpr const char* kVertexFullscreen = "vertex_fullscreen_quad.glsl";

#define U(slot) AVUniformRequest{slot, nullptr}
#define TRANSFORMS U(AVUniformRenderTransform), U(AVUniformProjectionTransform)
#define LAYER_MASK U(AVUniformFeathering), U(AVUniformTexCoordBounds), U(AVUniformCornerRadius)
#define STROKE U(AVUniformSdfTexture), U(AVUniformStrokeWidth), U(AVUniformMaxDistance), \
    U(AVUniformSdfDownsampleFactor), U(AVUniformStrokeTolerance), U(AVUniformStrokeStrength)
#define PLANES3 U(AVUniformSamplerY), U(AVUniformSamplerU), U(AVUniformSamplerV)
#define PLANES2 U(AVUniformSamplerY), AVUniformRequest{AVUniformSamplerU, "SamplerUV"}
#define HDR U(AVUniformIsSt2084), U(AVUniformIsAribB67)
#define MATRIX U(AVUniformColorSpace)

const FixedProgramSpec kFixedPrograms[kAVFixedProgramCount] = {
    {"load main program failed.", kVertex, "fragment_main.glsl", true,
     {TRANSFORMS, U(AVUniformSampler), U(AVUniformOpacity), LAYER_MASK}, 7},
    {"load main border program failed.", kVertexNoTexCoord, "fragment_main(border).glsl", false,
     {TRANSFORMS, U(AVUniformOpacity), U(AVUniformDrawBorderColor)}, 4},
    {"load main stroke program failed.", kVertex, "fragment_main_stroke.glsl", true,
     {TRANSFORMS, U(AVUniformSampler), U(AVUniformSdfTexture), U(AVUniformOpacity), U(AVUniformStrokeWidth),
      U(AVUniformMaxDistance), U(AVUniformSdfDownsampleFactor), U(AVUniformStrokeTolerance),
      U(AVUniformStrokeStrength), U(AVUniformStrokeColor), LAYER_MASK}, 14},
    {"load main YUV program failed.", kVertex, "fragment_main(yuv).glsl", true,
     {TRANSFORMS, PLANES3, U(AVUniformOpacity), U(AVUniformColorRange), MATRIX, LAYER_MASK}, 11},
    {"load main YUV 10bit program failed.", kVertex, "fragment_main(yuv10bit).glsl", true,
     {TRANSFORMS, PLANES3, U(AVUniformOpacity), HDR, MATRIX, LAYER_MASK}, 12},
    {"load main UYVY422 program failed.", kVertex, "fragment_main(uyvy422).glsl", true,
     {TRANSFORMS, U(AVUniformSampler), U(AVUniformOpacity), MATRIX, LAYER_MASK}, 8},
    {"load main NV12 program failed.", kVertex, "fragment_main(nv12).glsl", true,
     {TRANSFORMS, PLANES2, U(AVUniformOpacity), U(AVUniformColorRange), MATRIX, LAYER_MASK}, 10},
    {"load main NV12 10bit program failed.", kVertex, "fragment_main(nv12_10bit).glsl", true,
     {TRANSFORMS, PLANES2, U(AVUniformOpacity), HDR, MATRIX, LAYER_MASK}, 11},
    {"load shadow depth program failed.", kVertex, "fragment_shadow_depth.glsl", true,
     {TRANSFORMS, U(AVUniformSampler), LAYER_MASK}, 6},
    {"load shadow depth solid program failed.", kVertex, "fragment_shadow_depth(solid).glsl", true,
     {TRANSFORMS, LAYER_MASK}, 5},
    {"load shadow depth border program failed.", kVertexNoTexCoord, "fragment_shadow_depth(border).glsl", false,
     {TRANSFORMS}, 2},
    {"load shadow depth stroke program failed.", kVertex, "fragment_shadow_depth_stroke.glsl", true,
     {TRANSFORMS, U(AVUniformSampler), STROKE, LAYER_MASK}, 12},
    {"load shadow step 1 program failed.", kVertex, "fragment_shadow_step_1.glsl", true,
     {TRANSFORMS, U(AVUniformSampler), LAYER_MASK}, 6},
    {"load shadow step 1 solid program failed.", kVertex, "fragment_shadow_step_1(solid).glsl", true,
     {TRANSFORMS, LAYER_MASK}, 5},
    {"load shadow step 1 border program failed.", kVertexNoTexCoord, "fragment_shadow_step_1(border).glsl", false,
     {TRANSFORMS}, 2},
    {"load shadow step 1 stroke program failed.", kVertex, "fragment_shadow_step_1_stroke.glsl", true,
     {TRANSFORMS, U(AVUniformSampler), STROKE, LAYER_MASK}, 12},
    {"load fill program failed.", kVertex, "fragment_fill.glsl", true, {TRANSFORMS, U(AVUniformSampler)}, 3},
    {"load fill YUV program failed.", kVertex, "fragment_yuv_fill.glsl", true, {TRANSFORMS, PLANES3}, 5},
    {"load rgb2yuv program failed.", kVertex, "fragment_rgb2yuv_fill.glsl", true,
     {TRANSFORMS, U(AVUniformSampler), U(AVUniformWidth), U(AVUniformHeight)}, 5},
    {"load FXAA fill program failed.", "vertex_fxaa.glsl", "fragment_fxaa_fill.glsl", true,
     {TRANSFORMS, U(AVUniformSampler), U(AVUniformRtW), U(AVUniformRtH)}, 5},
    {"load JFA init program failed.", kVertexFullscreen, "fragment_jfa_init.glsl", true,
     {U(AVUniformSampler), U(AVUniformTextureSize)}, 2},
    {"load JFA flood program failed.", kVertexFullscreen, "fragment_jfa_flood.glsl", true,
     {U(AVUniformInputTexture), U(AVUniformTextureSize), U(AVUniformStepSize)}, 3},
    {"load JFA distance program failed.", kVertexFullscreen, "fragment_jfa_distance.glsl", true,
     {U(AVUniformSeedTexture), U(AVUniformOriginalTexture), U(AVUniformTextureSize), U(AVUniformMaxDistance)}, 4},
};

#undef U
#undef TRANSFORMS
#undef LAYER_MASK
#undef STROKE
#undef PLANES3
#undef PLANES2
#undef HDR
#undef MATRIX

bool buildFixedProgram(const FixedProgramSpec& spec, AVGLProgram* program)
{
    // Sources are decoded into heap buffers: two of these on a drawing
    // thread's stack would be more than it should carry.
    const auto vertex = std::make_unique<char[]>(kShaderBufferCapacity);
    const auto fragment = std::make_unique<char[]>(kShaderBufferCapacity);
    if (avLoadShaderSource(nullptr, spec.vertex, vertex.get(), kShaderBufferCapacity) <= 0
        || avLoadShaderSource(nullptr, spec.fragment, fragment.get(), kShaderBufferCapacity) <= 0)
        return false;
    program->program = avBuildProgram(vertex.get(), fragment.get(), spec.uniforms, spec.uniformCount,
                                      program->locations, spec.bindTexCoord);
    return program->program != 0;
}

template <typename Entry>
bool allocateCache(Entry** entries, int32_t* count, int32_t* capacity)
{
    *entries = static_cast<Entry*>(std::calloc(kInitialCacheCapacity, sizeof(Entry)));
    *count = 0;
    *capacity = *entries ? kInitialCacheCapacity : 0;
    return *entries != nullptr;
}

void deleteProgram(QOpenGLFunctions_3_2_Core* gl, uint32_t* program)
{
    if (*program != 0)
        gl->glDeleteProgram(*program);
    *program = 0;
}

void deleteTarget(QOpenGLFunctions_3_2_Core* gl, uint32_t* framebuffer, uint32_t* texture)
{
    if (*framebuffer != 0)
        gl->glDeleteFramebuffers(1, framebuffer);
    if (*texture != 0)
        gl->glDeleteTextures(1, texture);
    *framebuffer = *texture = 0;
}

void deleteGLObjects(QOpenGLFunctions_3_2_Core* gl, AVGLRenderer* renderer)
{
    AVGLRenderer::deletePrograms(renderer);
    for (AVGLPassTarget* target : {&renderer->shadowSilhouetteTarget, &renderer->shadowBlurTarget,
                                   &renderer->depthFootprintTarget, &renderer->chromaTarget,
                                   &renderer->unpackedTarget})
        deleteTarget(gl, &target->framebuffer, &target->texture);
    for (int i = 0; i < 2; ++i)
        deleteTarget(gl, &renderer->floodFramebuffers[i], &renderer->floodTextures[i]);
    deleteTarget(gl, &renderer->distanceFramebuffer, &renderer->distanceTexture);
    for (AVGLDrawSite& site : renderer->drawSites)
        avDeleteVertexArray(&site.vertexArray, &site.positionBuffer, &site.texCoordBuffer);
}

void freeRecord(AVGLRenderer* renderer)
{
    for (AVEffectProgramCache& cache : renderer->effectCaches)
        std::free(cache.entries);
    std::free(renderer->shadowBlurCache.entries);
    std::free(renderer);
}

void queryLimits(QOpenGLFunctions_3_2_Core* gl, AVGLRenderer* renderer)
{
    gl->glGetIntegerv(GL_MAX_TEXTURE_SIZE, &renderer->maxTextureSize);
    // GL_MAX_VARYING_VECTORS is an ES and GL 4.1 query; 3.2 core drivers
    // answer the same in fragment input components.
    // Earlier errors are cleared so the check below sees only this query's;
    // bounded, as a lost context may keep reporting one.
    for (int i = 0; i < 16 && gl->glGetError() != GL_NO_ERROR; ++i) {}
    gl->glGetIntegerv(GL_MAX_VARYING_VECTORS, &renderer->maxVaryingVectors);
    if (gl->glGetError() != GL_NO_ERROR) {
        GLint components = 0;
        gl->glGetIntegerv(GL_MAX_FRAGMENT_INPUT_COMPONENTS, &components);
        renderer->maxVaryingVectors = components / 4;
    }
    avGLSetMaxTextureSize(renderer->maxTextureSize);
    avTrace("Max texture size is %d", renderer->maxTextureSize);
    avTrace("Max varying vectors is %d", renderer->maxVaryingVectors);
    avTrace("OpenGL Version: %s", reinterpret_cast<const char*>(gl->glGetString(GL_VERSION)));
    avTrace("GLSL Version: %s", reinterpret_cast<const char*>(gl->glGetString(GL_SHADING_LANGUAGE_VERSION)));
}

} // namespace

AVGLRenderer* AVGLRenderer::create(AVGLOutputOwner* owner)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl)
        return nullptr;
    auto* renderer = static_cast<AVGLRenderer*>(std::calloc(1, sizeof(AVGLRenderer)));
    if (!renderer)
        return nullptr;
    renderer->owner = owner;
    renderer->sdfDownsampleFactor = 4;
    renderer->sdfKeyTexture = -1;
    queryLimits(gl, renderer);

    bool ready = loadPrograms(renderer) == 1;
    for (AVEffectProgramCache& cache : renderer->effectCaches)
        ready = ready && allocateCache(&cache.entries, &cache.count, &cache.capacity);
    AVShadowBlurCache& blur = renderer->shadowBlurCache;
    ready = ready && allocateCache(&blur.entries, &blur.count, &blur.capacity);
    if (!ready) {
        // The programs built before the failure go with the record.
        deleteGLObjects(gl, renderer);
        freeRecord(renderer);
        return nullptr;
    }
    return renderer;
}

void AVGLRenderer::destroy(AVGLRenderer* renderer)
{
    if (!renderer)
        return;
    if (QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions)
        deleteGLObjects(gl, renderer);
    freeRecord(renderer);
}

int AVGLRenderer::loadPrograms(AVGLRenderer* renderer)
{
    deletePrograms(renderer);
    const double start = avCurrentTimeSeconds();
    for (int i = 0; i < kAVFixedProgramCount; ++i) {
        if (!buildFixedProgram(kFixedPrograms[i], &renderer->programs[i])) {
            avTrace("%s", kFixedPrograms[i].failure);
            return 0;
        }
    }
    avTrace("load programs time: %f", avCurrentTimeSeconds() - start);
    return 1;
}

void AVGLRenderer::deletePrograms(AVGLRenderer* renderer)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    if (!gl)
        return;
    for (AVGLProgram& program : renderer->programs)
        deleteProgram(gl, &program.program);
    for (AVGLProgram& program : renderer->greenScreenPrograms)
        deleteProgram(gl, &program.program);
    for (AVEffectProgramCache& cache : renderer->effectCaches)
        for (int32_t i = 0; i < cache.count; ++i)
            deleteProgram(gl, &cache.entries[i].program);
    AVShadowBlurCache& blur = renderer->shadowBlurCache;
    for (int32_t i = 0; i < blur.count; ++i) {
        deleteProgram(gl, &blur.entries[i].firstProgram);
        deleteProgram(gl, &blur.entries[i].downProgram);
        deleteProgram(gl, &blur.entries[i].secondProgram);
    }
}

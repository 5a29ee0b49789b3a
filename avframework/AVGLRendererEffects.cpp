// Generated effect-colour programs, the green-screen programs and the
// chroma-key pre-pass.

#include "AVGLRenderer.h"

#include "AVClock.h"
#include "AVEffectShaderText.h"
#include "AVGLContext.h"
#include "AVGLPassSupport.h"
#include "AVShaderSource.h"
#include "AVTrace.h"

#include <QOpenGLFunctions_3_2_Core>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int32_t kEffectVertexCapacity = 65536;
constexpr int32_t kEffectFragmentCapacity = 131072;
constexpr int32_t kGreenScreenCapacity = 32768;

#define U(slot) AVUniformRequest{slot, nullptr}

struct FamilySpec {
    const char* effectFragment;
    const char* greenScreenFragment;
    std::vector<AVUniformRequest> inputs;  // samplers and colour flags
};

const FamilySpec& familySpec(int family)
{
    static const FamilySpec families[kAVProgramFamilyCount] = {
        {"fragment_main_effect_color.glsl", "fragment_pre_effect_green_screen.glsl", {U(AVUniformSampler)}},
        {"fragment_main_effect_color(yuv).glsl", "fragment_pre_effect_green_screen(yuv).glsl",
         {U(AVUniformSamplerY), U(AVUniformSamplerU), U(AVUniformSamplerV), U(AVUniformColorRange),
          U(AVUniformColorSpace)}},
        {"fragment_main_effect_color(yuv10bit).glsl", "fragment_pre_effect_green_screen(yuv10bit).glsl",
         {U(AVUniformSamplerY), U(AVUniformSamplerU), U(AVUniformSamplerV), U(AVUniformIsSt2084),
          U(AVUniformIsAribB67), U(AVUniformColorSpace)}},
        {"fragment_main_effect_color(nv12).glsl", "fragment_pre_effect_green_screen(nv12).glsl",
         {U(AVUniformSamplerY), AVUniformRequest{AVUniformSamplerU, "SamplerUV"}, U(AVUniformColorRange),
          U(AVUniformColorSpace)}},
        {"fragment_main_effect_color(nv12_10bit).glsl", "fragment_pre_effect_green_screen(nv12_10bit).glsl",
         {U(AVUniformSamplerY), AVUniformRequest{AVUniformSamplerU, "SamplerUV"}, U(AVUniformIsSt2084),
          U(AVUniformIsAribB67), U(AVUniformColorSpace)}},
    };
    return families[family];
}

// The uniforms each effect switch brings, in switch order.
const std::vector<AVUniformRequest>& switchUniforms(int k)
{
    static const std::vector<AVUniformRequest> table[kAVEffectCount] = {
        {U(AVUniformSaturation)},
        {U(AVUniformBrightness)},
        {U(AVUniformContrast)},
        {U(AVUniformTemperature)},
        {U(AVUniformExposure)},
        {U(AVUniformHueAdjust)},
        {U(AVUniformRedAdjustment), U(AVUniformGreenAdjustment), U(AVUniformBlueAdjustment)},
        {U(AVUniformShadows), U(AVUniformHighlights)},
        {},
        {U(AVUniformTexelWidthOffset), U(AVUniformTexelHeightOffset)},
        {U(AVUniformFractionalWidthOfPixel), U(AVUniformAspectRatio)},
        {U(AVUniformRedBlueStereoOffsetX), U(AVUniformRedBlueStereoOffsetY)},
        {U(AVUniformVignetteCenter), U(AVUniformVignetteColor), U(AVUniformVignetteStart), U(AVUniformVignetteEnd)},
        {U(AVUniformWavePhase), U(AVUniformWaveAmplitude), U(AVUniformWaveIntensity)},
        {U(AVUniformNoiseTime)},
        {U(AVUniformNoise2Time)},
        {U(AVUniformSharpness), U(AVUniformImageWidthFactor), U(AVUniformImageHeightFactor)},
        {U(AVUniformThresholdSensitivity), U(AVUniformSmoothing), U(AVUniformColorToReplace)},
    };
    return table[k];
}

const std::vector<AVUniformRequest> kChromaUniforms = {
    U(AVUniformThresholdSensitivity), U(AVUniformSmoothing), U(AVUniformColorToReplace)};

// Asked of every effect program: placement, opacity, stroke and mask.
const std::vector<AVUniformRequest> kCommonEffectUniforms = {
    U(AVUniformRenderTransform), U(AVUniformProjectionTransform), U(AVUniformOpacity), U(AVUniformSdfTexture),
    U(AVUniformStrokeWidth), U(AVUniformMaxDistance), U(AVUniformSdfDownsampleFactor),
    U(AVUniformStrokeTolerance), U(AVUniformStrokeStrength), U(AVUniformStrokeColor), U(AVUniformFeathering),
    U(AVUniformTexCoordBounds), U(AVUniformCornerRadius)};

#undef U

void append(std::vector<AVUniformRequest>* to, const std::vector<AVUniformRequest>& from)
{
    to->insert(to->end(), from.begin(), from.end());
}

int blurRadiusOf(const AVEffectParams* params)
{
    return int(params->groups[kAVEffectBlur][0]);
}

uint32_t buildEffectProgram(const AVEffectSwitches& switches, bool chroma, int blurRadius, int family,
                            int32_t* locations)
{
    const bool blur = switches.on[kAVEffectBlur] != 0;
    const auto vertex = std::make_unique<char[]>(kEffectVertexCapacity);
    const auto fragment = std::make_unique<char[]>(kEffectFragmentCapacity);
    if (avLoadShaderSource(nullptr, "vertex_effect_color.glsl", vertex.get(), kEffectVertexCapacity) <= 0
        || !avSwitchEffectVertexMarkers(vertex.get(), blur, blurRadius, switches.on[kAVEffectSharpen] != 0))
        return 0;
    const FamilySpec& spec = familySpec(family);
    if (avLoadShaderSource(nullptr, spec.effectFragment, fragment.get(), kEffectFragmentCapacity) <= 0
        || !avSwitchEffectFragmentMarkers(fragment.get(), switches, chroma, blurRadius))
        return 0;
    std::vector<AVUniformRequest> uniforms = kCommonEffectUniforms;
    append(&uniforms, spec.inputs);
    for (int k = 0; k < kAVEffectGreenKey; ++k)
        if (switches.on[k])
            append(&uniforms, switchUniforms(k));
    if (chroma)
        append(&uniforms, kChromaUniforms);
    return avBuildProgram(vertex.get(), fragment.get(), uniforms.data(), uniforms.size(), locations, true);
}

} // namespace

float avWhiteBalanceTemperature(float kelvin)
{
    return kelvin < 5000.0f ? (kelvin - 5000.0f) * 0.0004f : (kelvin - 5000.0f) * 0.00006f;
}

AVEffectProgramEntry* AVGLRenderer::findEffectColorProgram(AVGLRenderer* renderer, const AVEffectSwitches* switches,
                                                           bool chroma, const AVEffectParams* params,
                                                           uint32_t format)
{
    AVEffectProgramCache& cache = renderer->effectCaches[avProgramFamily(format)];
    const bool blur = switches->on[kAVEffectBlur] != 0;
    for (int32_t i = 0; i < cache.count; ++i) {
        AVEffectProgramEntry& entry = cache.entries[i];
        if (std::memcmp(entry.switches.on, switches->on, sizeof switches->on) == 0
            && (entry.chromaKey != 0) == chroma && (!blur || int(entry.blurRadius) == blurRadiusOf(params)))
            return &entry;
    }
    return nullptr;
}

uint32_t AVGLRenderer::effectColorProgram(AVGLRenderer* renderer, const AVEffectSwitches* switches, bool chroma,
                                          const AVEffectParams* params, const int32_t** locations, uint32_t format)
{
    if (AVEffectProgramEntry* found = findEffectColorProgram(renderer, switches, chroma, params, format)) {
        *locations = found->locations;
        return found->program;
    }
    *locations = avNoUniformLocations();
    const int family = avProgramFamily(format);
    AVEffectProgramCache& cache = renderer->effectCaches[family];
    if (!avReserveCacheEntry(&cache))
        return 0;
    const double start = avCurrentTimeSeconds();
    // The entry is filled in place but counted only once its program is
    // built, so a failed build is tried again on the next draw.
    AVEffectProgramEntry& entry = cache.entries[cache.count];
    std::memset(&entry, 0, sizeof entry);
    entry.program = buildEffectProgram(*switches, chroma, blurRadiusOf(params), family, entry.locations);
    if (entry.program == 0)
        return 0;
    entry.switches = *switches;
    entry.chromaKey = chroma ? 1 : 0;
    if (switches->on[kAVEffectBlur]) {
        entry.blurRadius = params->groups[kAVEffectBlur][0];
        entry.blurMarker = kAVEffectBlur;
    }
    ++cache.count;
    avTrace("load effect color program time: %f", avCurrentTimeSeconds() - start);
    *locations = entry.locations;
    return entry.program;
}

void AVGLRenderer::setEffectUniforms(const int32_t* locations, const AVEffectSwitches* switches,
                                     const AVEffectParams* params, float pictureWidth, float pictureHeight)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    auto on = [switches](int k) { return switches->on[k] != 0; };
    auto p = [params](int k, int i) { return params->groups[k][i]; };
    auto set1 = [gl, locations](int slot, float value) { gl->glUniform1f(locations[slot], value); };
    const int singles[] = {AVUniformSaturation, AVUniformBrightness, AVUniformContrast, -1, AVUniformExposure,
                           AVUniformHueAdjust};
    for (int k = 0; k < 6; ++k)
        if (on(k) && singles[k] >= 0)
            set1(singles[k], p(k, 0));
    if (on(3))
        set1(AVUniformTemperature, avWhiteBalanceTemperature(p(3, 0)));
    if (on(6)) {
        set1(AVUniformRedAdjustment, p(6, 0));
        set1(AVUniformGreenAdjustment, p(6, 1));
        set1(AVUniformBlueAdjustment, p(6, 2));
    }
    if (on(7)) {
        set1(AVUniformShadows, p(7, 0));
        set1(AVUniformHighlights, p(7, 1));
    }
    if (on(10)) {
        set1(AVUniformFractionalWidthOfPixel, p(10, 0));
        set1(AVUniformAspectRatio, p(10, 1));
    }
    if (on(11)) {
        set1(AVUniformRedBlueStereoOffsetX, p(11, 0));
        set1(AVUniformRedBlueStereoOffsetY, p(11, 1));
    }
    if (on(12)) {
        gl->glUniform2f(locations[AVUniformVignetteCenter], p(12, 0), p(12, 1));
        gl->glUniform3f(locations[AVUniformVignetteColor], p(12, 2), p(12, 3), p(12, 4));
        set1(AVUniformVignetteStart, p(12, 5));
        set1(AVUniformVignetteEnd, p(12, 6));
    }
    if (on(13)) {
        set1(AVUniformWavePhase, p(13, 0));
        gl->glUniform2f(locations[AVUniformWaveAmplitude], p(13, 1) / pictureWidth, p(13, 2) / pictureHeight);
        set1(AVUniformWaveIntensity, pictureWidth * p(13, 3));
    }
    if (on(14))
        set1(AVUniformNoiseTime, p(14, 0));
    if (on(15))
        set1(AVUniformNoise2Time, p(15, 0));
    if (on(16)) {
        set1(AVUniformSharpness, p(16, 0));
        set1(AVUniformImageWidthFactor, 1.0f / pictureWidth);
        set1(AVUniformImageHeightFactor, 1.0f / pictureHeight);
    }
    if (on(17)) {
        set1(AVUniformThresholdSensitivity, p(17, 0));
        set1(AVUniformSmoothing, p(17, 1));
        gl->glUniform3f(locations[AVUniformColorToReplace], 0.0f, 1.0f, 0.0f);
    }
}

uint32_t AVGLRenderer::greenScreenProgram(AVGLRenderer* renderer, const int32_t** locations, uint32_t format)
{
    const int family = avProgramFamily(format);
    AVGLProgram& program = renderer->greenScreenPrograms[family];
    *locations = program.locations;
    if (program.program != 0)
        return program.program;
    const double start = avCurrentTimeSeconds();
    const auto vertex = std::make_unique<char[]>(kGreenScreenCapacity);
    const auto fragment = std::make_unique<char[]>(kGreenScreenCapacity);
    const FamilySpec& spec = familySpec(family);
    if (avLoadShaderSource(nullptr, "vertex.glsl", vertex.get(), kGreenScreenCapacity) <= 0
        || avLoadShaderSource(nullptr, spec.greenScreenFragment, fragment.get(), kGreenScreenCapacity) <= 0)
        return 0;
    std::vector<AVUniformRequest> uniforms = {AVUniformRequest{AVUniformRenderTransform, nullptr},
                                              AVUniformRequest{AVUniformProjectionTransform, nullptr}};
    append(&uniforms, spec.inputs);
    append(&uniforms, kChromaUniforms);
    program.program = avBuildProgram(vertex.get(), fragment.get(), uniforms.data(), uniforms.size(),
                                     program.locations, true);
    if (program.program != 0)
        avTrace("load pre effect green screen program time: %f", avCurrentTimeSeconds() - start);
    return program.program;
}

int AVGLRenderer::chromaKeyPrepass(AVGLRenderer* renderer, int textureWidth, int textureHeight, uint32_t target,
                                   uint32_t texture, uint32_t secondPlane, uint32_t thirdPlane, uint32_t format,
                                   uint32_t colorParameter, const AVChromaKey* key, uint32_t* outTarget,
                                   uint32_t* outTexture, int* outWidth, int* outHeight)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    const uint32_t remembered = avBoundFramebuffer();
    const int32_t* locations = nullptr;
    if (greenScreenProgram(renderer, &locations, format) == 0)
        return -1;
    gl->glUseProgram(renderer->greenScreenPrograms[avProgramFamily(format)].program);
    gl->glViewport(0, 0, textureWidth, textureHeight);
    avSetOrthoProjection(locations, float(textureWidth), float(textureHeight));
    gl->glDisable(GL_DEPTH_TEST);
    gl->glDisable(GL_BLEND);
    AVGLPassTarget& chroma = renderer->chromaTarget;
    const GLenum status = avPassTargetBind(&chroma, textureWidth, textureHeight);
    int result = -1;
    if (status != GL_FRAMEBUFFER_COMPLETE) {
        avTrace("Failed to make complete two pass framebuffer object %x", status);
    } else {
        // No clear: the quad covers every texel, blending off.
        avBindLayerInput(locations, target, texture, secondPlane, thirdPlane, format, colorParameter);
        gl->glUniform1f(locations[AVUniformThresholdSensitivity], key->threshold);
        gl->glUniform1f(locations[AVUniformSmoothing], key->smoothing);
        gl->glUniform3f(locations[AVUniformColorToReplace], key->color[0], key->color[1], key->color[2]);
        avSetIdentityTransform(locations);
        avDrawSiteViewportQuad(&renderer->drawSites[AVDrawSiteChromaPrepass], textureWidth, textureHeight);
        *outTarget = GL_TEXTURE_2D;
        *outTexture = chroma.texture;
        *outWidth = textureWidth;
        *outHeight = textureHeight;
        result = 0;
    }
    gl->glBindFramebuffer(GL_FRAMEBUFFER, remembered);
    return result;
}

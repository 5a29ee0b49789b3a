// The shadow's Gaussian blur programs, generated and cached per sigma.

#include "AVGLRenderer.h"

#include "AVBlurShaderSource.h"
#include "AVClock.h"
#include "AVGLContext.h"
#include "AVGLPassSupport.h"
#include "AVShaderSource.h"
#include "AVTrace.h"

#include <QOpenGLFunctions_3_2_Core>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr int32_t kBlurSourceCapacity = 65536;

#define U(slot) AVUniformRequest{slot, nullptr}
// The passes find their texels from the fragment's own position.
const AVUniformRequest kFirstPassUniforms[] = {U(AVUniformRenderTransform), U(AVUniformProjectionTransform),
                                               U(AVUniformShadowSampler)};
const AVUniformRequest kDownPassUniforms[] = {U(AVUniformRenderTransform), U(AVUniformProjectionTransform),
                                              U(AVUniformShadowSampler), U(AVUniformDepthSampler)};
const AVUniformRequest kSecondPassUniforms[] = {
    U(AVUniformRenderTransform), U(AVUniformProjectionTransform), U(AVUniformShadowSampler),
    U(AVUniformDepthSampler), U(AVUniformOpacity), U(AVUniformDrawShadowOpacity), U(AVUniformDrawShadowColor)};
#undef U

uint32_t buildPass(int radius, float sigma, int mode, const AVUniformRequest* uniforms, size_t count,
                   int32_t* locations)
{
    const auto vertex = std::make_unique<char[]>(kBlurSourceCapacity);
    const auto fragment = std::make_unique<char[]>(kBlurSourceCapacity);
    if (avLoadShaderSource(nullptr, "vertex.glsl", vertex.get(), kBlurSourceCapacity) <= 0
        || avBlurFragmentSource(radius, sigma, mode, fragment.get(), kBlurSourceCapacity) <= 0)
        return 0;
    return avBuildProgram(vertex.get(), fragment.get(), uniforms, count, locations, true);
}

void handOut(AVShadowBlurEntry& entry, uint32_t* firstProgram, const int32_t** firstLocations,
             uint32_t* secondProgram, const int32_t** secondLocations, uint32_t* downProgram,
             const int32_t** downLocations)
{
    *firstProgram = entry.firstProgram;
    *firstLocations = entry.firstLocations;
    *secondProgram = entry.secondProgram;
    *secondLocations = entry.secondLocations;
    if (downProgram) {
        *downProgram = entry.downProgram;
        *downLocations = entry.downLocations;
    }
}

void deleteBlurPrograms(AVShadowBlurEntry& entry)
{
    QOpenGLFunctions_3_2_Core* gl = avCurrentGLFunctions;
    for (uint32_t program : {entry.firstProgram, entry.downProgram, entry.secondProgram})
        if (program != 0)
            gl->glDeleteProgram(program);
}

} // namespace

bool AVGLRenderer::shadowBlurProgram(AVGLRenderer* renderer, int sigma, uint32_t* firstProgram,
                                     const int32_t** firstLocations, uint32_t* secondProgram,
                                     const int32_t** secondLocations, uint32_t* downProgram,
                                     const int32_t** downLocations)
{
    AVShadowBlurCache& cache = renderer->shadowBlurCache;
    for (int32_t i = 0; i < cache.count; ++i) {
        if (cache.entries[i].sigma == sigma) {
            handOut(cache.entries[i], firstProgram, firstLocations, secondProgram, secondLocations, downProgram,
                    downLocations);
            return true;
        }
    }
    if (!avReserveCacheEntry(&cache))
        return false;
    const double start = avCurrentTimeSeconds();
    AVShadowBlurEntry& entry = cache.entries[cache.count];
    std::memset(&entry, 0, sizeof entry);
    std::fill(entry.firstLocations, entry.firstLocations + kAVUniformSlotCount, -1);
    std::fill(entry.downLocations, entry.downLocations + kAVUniformSlotCount, -1);
    const int radius = sigma >= 1 ? avShadowBlurRadius(sigma) : 0;
    if (radius > 0) {
        entry.firstProgram = buildPass(radius, float(sigma), 0, kFirstPassUniforms, std::size(kFirstPassUniforms),
                                       entry.firstLocations);
        if (entry.firstProgram != 0)
            entry.downProgram = buildPass(radius, float(sigma), 2, kDownPassUniforms, std::size(kDownPassUniforms),
                                          entry.downLocations);
    }
    if (radius == 0 || entry.downProgram != 0)
        entry.secondProgram = buildPass(radius, float(sigma), 1, kSecondPassUniforms, std::size(kSecondPassUniforms),
                                        entry.secondLocations);
    if (entry.secondProgram == 0) {
        deleteBlurPrograms(entry);
        return false;
    }
    entry.sigma = sigma;
    ++cache.count;
    avTrace("load shadow blur (radius %d) program time: %f", radius, avCurrentTimeSeconds() - start);
    handOut(entry, firstProgram, firstLocations, secondProgram, secondLocations, downProgram, downLocations);
    return true;
}

#pragma once

#include "AVGLFramebuffer.h"
#include "AVGLProgram.h"
#include "AVGLTexture.h"
#include "AVLayerDrawState.h"

#include <cstdint>

class AVGLOutputOwner;
struct AVSize;

// The fixed programs, in the order they are built.
enum AVGLFixedProgram : int {
    AVProgramMain,
    AVProgramMainBorder,
    AVProgramMainStroke,
    AVProgramMainYUV,
    AVProgramMainYUV10Bit,
    AVProgramMainUYVY,
    AVProgramMainNV12,
    AVProgramMainNV12_10Bit,
    AVProgramShadowDepth,
    AVProgramShadowDepthSolid,
    AVProgramShadowDepthBorder,
    AVProgramShadowDepthStroke,
    AVProgramShadowStep1,
    AVProgramShadowStep1Solid,
    AVProgramShadowStep1Border,
    AVProgramShadowStep1Stroke,
    AVProgramFill,
    AVProgramYUVFill,
    AVProgramRgbToYuvFill,
    AVProgramFxaaFill,
    AVProgramJfaInit,
    AVProgramJfaFlood,
    AVProgramJfaDistance,
    kAVFixedProgramCount
};

// The input families of generated programs: RGB (every format not listed),
// YUV (1), YUV 10-bit (8), NV12 (3), NV12 10-bit (7).
constexpr int kAVProgramFamilyCount = 5;

// A generated effect-colour program, keyed by its switches, chroma flag and
// (with the blur switch on) the integer blur radius.
struct AVEffectProgramEntry {
    AVEffectSwitches switches;
    int32_t locations[kAVUniformSlotCount];
    uint32_t program;
    float blurRadius;
    uint32_t blurMarker;
    uint8_t chromaKey;
};

struct AVEffectProgramCache {
    AVEffectProgramEntry* entries;  // malloc'ed
    int32_t count;
    int32_t capacity;
};

// The passes of a Gaussian shadow blur of one sigma: across, compose and,
// between them, down.
struct AVShadowBlurEntry {
    int32_t sigma;
    int32_t firstLocations[kAVUniformSlotCount];
    int32_t secondLocations[kAVUniformSlotCount];
    uint32_t firstProgram;
    uint32_t secondProgram;
    int32_t downLocations[kAVUniformSlotCount];
    uint32_t downProgram;
};

struct AVShadowBlurCache {
    AVShadowBlurEntry* entries;  // malloc'ed
    int32_t count;
    int32_t capacity;
};

// Each place that draws keeps its own vertex array and two buffers.
enum AVGLDrawSiteId : int {
    AVDrawSiteLayer,
    AVDrawSiteInsetLayer,
    AVDrawSiteBorderRing,
    AVDrawSiteShadowBlur,
    AVDrawSiteChromaPrepass,
    AVDrawSiteFill,
    AVDrawSiteRgbToYuv,
    AVDrawSiteFxaa,
    kAVDrawSiteCount
};

struct AVGLDrawSite {
    uint32_t vertexArray;
    uint32_t positionBuffer;
    uint32_t texCoordBuffer;
};

// An intermediate render target of the layer passes and the size it was
// made for.
struct AVGLPassTarget {
    uint32_t framebuffer;
    uint32_t texture;
    uint32_t width;
    uint32_t height;
};

// The chroma key colour and strengths a pass keys out.
struct AVChromaKey {
    float threshold;
    float smoothing;
    float color[3];
};

// The drawing state of one offscreen GL context: its limits, its programs
// and caches, its pass targets and draw sites. Created right after the
// context is made current, destroyed while it is current again, and used
// only on that context's thread, between avGLBeginDrawing and
// avGLEndDrawing. A zeroed malloc record; every GL call goes through
// avCurrentGLFunctions.
struct AVGLRenderer {
    AVGLOutputOwner* owner;
    int32_t maxTextureSize;
    int32_t maxVaryingVectors;
    AVGLProgram programs[kAVFixedProgramCount];
    AVEffectProgramCache effectCaches[kAVProgramFamilyCount];
    AVGLProgram greenScreenPrograms[kAVProgramFamilyCount];
    AVShadowBlurCache shadowBlurCache;
    AVGLFramebuffer* currentOutput;  // null: the owner's default framebuffer
    AVGLDrawSite drawSites[kAVDrawSiteCount];
    AVGLPassTarget shadowSilhouetteTarget;
    AVGLPassTarget shadowBlurTarget;
    AVGLPassTarget depthFootprintTarget;
    AVGLPassTarget chromaTarget;
    uint32_t floodFramebuffers[2];
    uint32_t floodTextures[2];
    uint32_t distanceFramebuffer;
    uint32_t distanceTexture;
    uint32_t distanceFieldWidth;
    uint32_t distanceFieldHeight;
    int32_t sdfDownsampleFactor;
    int32_t sdfKeyTexture;
    uint32_t sdfKeySegmentId;
    int64_t sdfKeyStamp;
    int64_t sdfKeyWidth;
    int64_t sdfKeyHeight;
    float sdfKeyStrokeWidth;
    uint32_t blurQuadWidth;
    uint32_t blurQuadHeight;
    // Packed 4:2:2 pictures unpacked to RGBA for the effect and chroma
    // programs, which read RGBA (input texture size).
    AVGLPassTarget unpackedTarget;

    // Null when the record cannot be allocated or a fixed program cannot be
    // built; nothing is left behind then.
    static AVGLRenderer* create(AVGLOutputOwner* owner);
    // Deletes every program, pass target and draw site and frees the record.
    // Without a current engine context only the memory is freed.
    static void destroy(AVGLRenderer* renderer);
    // 1 when all fixed programs are built; 0 at the first that fails.
    static int loadPrograms(AVGLRenderer* renderer);
    // Deletes the fixed, green-screen, effect and blur programs.
    static void deletePrograms(AVGLRenderer* renderer);

    // Output. Null binds the owner's default framebuffer and returns 1;
    // otherwise the framebuffer's name when it is complete, else 0. The
    // record becomes the current output either way.
    static uint32_t bindFramebuffer(AVGLRenderer* renderer, AVGLFramebuffer* framebuffer);
    static AVGLFramebuffer* outputFramebuffer(const AVGLRenderer* renderer);
    // Clears colour and depth; the depth test is left disabled.
    static void clear(AVGLRenderer* renderer, float red, float green, float blue, float alpha);
    // Copies the whole source onto the whole output framebuffer record.
    static void blitToOutput(AVGLRenderer* renderer, AVGLFramebuffer* source, bool flush);

    // Full-viewport draws of one texture; a flush argument ends with glFlush.
    // The checkerboard behind a transparent background: the scaled fill.
    static void drawTextureFill(AVGLRenderer* renderer, const AVGLTexture* texture, int width, int height,
                                bool flush);
    // FXAA over the output framebuffer record, or over the viewport size
    // when the default framebuffer is bound.
    static void drawTextureFxaa(AVGLRenderer* renderer, const AVGLTexture* texture, const AVSize* viewport,
                                bool flush);
    // RGB to packed YUV over the output framebuffer record.
    static void drawTextureToOutput(AVGLRenderer* renderer, const AVGLTexture* texture, bool flush);

    // The texture over a width x height viewport, flipped vertically: the
    // picture's top row (texture row 0) lands in the viewport's top row as
    // the screen shows it, i.e. the last framebuffer row.
    static void drawFill(AVGLRenderer* renderer, const AVGLTexture* texture, int width, int height);
    // The texture tiled at twice its size from the top-left as the screen
    // shows it, each tile upright like drawFill.
    static void drawFillScaled(AVGLRenderer* renderer, const AVGLTexture* texture, int width, int height);
    // Texture row 0 stays in framebuffer row 0 in these two.
    static void drawFxaa(AVGLRenderer* renderer, const AVGLTexture* texture, int width, int height);
    static void drawRgbToYuv(AVGLRenderer* renderer, const AVGLTexture* texture, int width, int height);

    // Layers. Each draws one layer into the current output with the state;
    // segment id and texture stamp key the stroke's distance field. A
    // picture size of 0 means the texture's.
    // With the default framebuffer bound it is a plain fill into a viewport
    // of the integer parts of the state's anchor fields, where the playback
    // driver passes the preview's size.
    static void drawLayerTexture(AVGLRenderer* renderer, uint32_t segmentId, int64_t textureStamp,
                                 const AVGLTexture* texture, int pictureWidth, int pictureHeight,
                                 const AVLayerDrawState* state, bool flush);
    // Packed 4:2:2 layers: as drawLayerTexture, nothing without an output record.
    static void renderLayer(AVGLRenderer* renderer, uint32_t segmentId, int64_t textureStamp,
                            const AVGLTexture* texture, int pictureWidth, int pictureHeight,
                            const AVLayerDrawState* state, bool flush);
    // Planar layers; nothing when a plane the format needs is missing.
    static void renderPlanarLayer(AVGLRenderer* renderer, uint32_t segmentId, int64_t textureStamp,
                                  const AVGLTexture* texture, const AVGLTexture* secondPlane,
                                  const AVGLTexture* thirdPlane, int pictureWidth, int pictureHeight,
                                  const AVLayerDrawState* state, bool flush);
    // The layer pass itself: placement, effects, chroma key, outline, shadow.
    static void drawLayer(AVGLRenderer* renderer, uint32_t segmentId, int64_t textureStamp, int outputWidth,
                          int outputHeight, uint32_t target, uint32_t texture, uint32_t secondPlane,
                          uint32_t thirdPlane, uint32_t format, uint32_t colorParameter, int textureWidth,
                          int textureHeight, int pictureWidth, int pictureHeight, uint32_t depthTexture,
                          const AVLayerDrawState* state);

    // Effect programs, generated per combination of switches, chroma flag
    // and integer blur radius, and cached per input family.
    static AVEffectProgramEntry* findEffectColorProgram(AVGLRenderer* renderer, const AVEffectSwitches* switches,
                                                        bool chroma, const AVEffectParams* params,
                                                        uint32_t format);
    // The program (0 when it cannot be built; tried again next time) and
    // its locations.
    static uint32_t effectColorProgram(AVGLRenderer* renderer, const AVEffectSwitches* switches, bool chroma,
                                       const AVEffectParams* params, const int32_t** locations, uint32_t format);
    // The uniforms of every switch that is on (the blur's excepted) for a
    // picture of width x height.
    static void setEffectUniforms(const int32_t* locations, const AVEffectSwitches* switches,
                                  const AVEffectParams* params, float pictureWidth, float pictureHeight);
    // The family's chroma-key program, built on first use; 0 on failure.
    static uint32_t greenScreenProgram(AVGLRenderer* renderer, const int32_t** locations, uint32_t format);
    // Keys the colour out of the input into the chroma target and hands
    // that RGBA texture back: 0, or -1 when the target is incomplete or the
    // program cannot be built. The bound framebuffer stays bound.
    static int chromaKeyPrepass(AVGLRenderer* renderer, int textureWidth, int textureHeight, uint32_t target,
                                uint32_t texture, uint32_t secondPlane, uint32_t thirdPlane, uint32_t format,
                                uint32_t colorParameter, const AVChromaKey* key, uint32_t* outTarget,
                                uint32_t* outTexture, int* outWidth, int* outHeight);
    // The shadow blur passes for the sigma (pixels), cached: the first
    // (across) and, when asked for, the down pass are 0 below sigma 1; the
    // second composes. False when a pass cannot be built.
    static bool shadowBlurProgram(AVGLRenderer* renderer, int sigma, uint32_t* firstProgram,
                                  const int32_t** firstLocations, uint32_t* secondProgram,
                                  const int32_t** secondLocations, uint32_t* downProgram = nullptr,
                                  const int32_t** downLocations = nullptr);
    // The distance field of the texture's opaque content for a stroke of
    // strokeWidth texels, recomputed only when the key (segment, stamp,
    // texture, size, stroke width) changes. 0 when ready, -1 when a target
    // is incomplete.
    static int generateSdf(AVGLRenderer* renderer, uint32_t segmentId, int64_t textureStamp, uint32_t target,
                           uint32_t texture, int width, int height, float strokeWidth);
};

// The fill of drawFill with a caller's own program (sampler on unit 1, the
// two matrices) and draw site: the texture upright over a width x height
// viewport, blended premultiplied over what is there. For a surface outside
// the renderer, such as the preview, on whatever context is current.
void avDrawUprightFill(const AVGLProgram& program, AVGLDrawSite* site, uint32_t texture, int width, int height);

// The white balance uniform for a colour temperature in kelvin: 0 at 5000,
// warmer above, cooler below.
float avWhiteBalanceTemperature(float kelvin);

#pragma once

#include "AVGLRenderer.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <type_traits>

// Pieces the renderer's layer passes share: their render targets, their
// vertex data, and binding a layer's input textures.

// The program family of a texture format: 0 RGB (every format not listed),
// 1 YUV, 2 YUV 10-bit, 3 NV12, 4 NV12 10-bit.
int avProgramFamily(uint32_t format);

// Binds the target's framebuffer, first (re)making its RGBA 8-bit texture
// (linear, clamp to edge) and framebuffer when the size differs from the
// one recorded. Returns the framebuffer status.
uint32_t avPassTargetBind(AVGLPassTarget* target, int width, int height);

// The framebuffer bound for drawing now.
uint32_t avBoundFramebuffer();

// Uploads the vertices (2 floats each) into the site's buffers and draws
// them with the mode; the site's names are made on first use.
void avDrawSiteVertices(AVGLDrawSite* site, const float* positions, const float* texCoords, int count,
                        uint32_t mode);
// The quad covering a width x height viewport centred on the origin, texture
// (0, 0) at its bottom left (framebuffer row 0).
void avDrawSiteViewportQuad(AVGLDrawSite* site, int width, int height);

// A location table in which every slot is absent (-1), for a program that
// could not be built.
const int32_t* avNoUniformLocations();

// renderTransform of the current program becomes the identity.
void avSetIdentityTransform(const int32_t* locations);

// A layer's input on texture unit 1 and its planes on units 2 and 3, with
// the samplers of the format's family, and the matrix, colour range and
// transfer flags from the colour parameter (hundreds digit matrix, tens digit
// range, units digit transfer).
void avBindLayerInput(const int32_t* locations, uint32_t target, uint32_t name, uint32_t plane2, uint32_t plane3,
                      uint32_t format, uint32_t colorParameter);

// Makes room for one more entry in a program cache (entries, count,
// capacity), growing it by 8 zeroed entries when full; false when memory
// runs out.
template <typename Cache>
bool avReserveCacheEntry(Cache* cache)
{
    if (cache->count < cache->capacity)
        return true;
    using Entry = std::remove_pointer_t<decltype(cache->entries)>;
    const int32_t capacity = cache->capacity + 8;
    auto* entries = static_cast<Entry*>(std::calloc(size_t(capacity), sizeof(Entry)));
    if (!entries)
        return false;
    if (cache->count > 0)
        std::memcpy(entries, cache->entries, sizeof(Entry) * size_t(cache->count));
    std::free(cache->entries);
    cache->entries = entries;
    cache->capacity = capacity;
    return true;
}

#pragma once

#include "AVGeometry.h"
#include "AVPixelBuffer.h"

#include <cstdint>

// Rasterises a text into a new width x height format-1 buffer, transparent
// where nothing is drawn. Paragraphs are separated by "\n" and word-wrapped
// to the width; alignment 1 centres, 2 aligns right, others align left. The
// outline width is a percentage of the font pixel size; a back colour with
// alpha above 0 fills each line's rectangle, grown by the inset (pixels) and
// rounded by the corner fraction. Colours are 0..1 components.
// Null when the size is below 1 or above the largest texture the engine's
// GL contexts take (such a raster could never be shown), or when the pixel
// memory cannot be had.
AVPixelBuffer* avRenderText(int32_t width, int32_t height, const char* text, int32_t fontPixelSize,
                            const AVVec4& textColor, const char* fontFamily, const char* fontStyle, int32_t alignment,
                            float outlineWidth, const AVVec4& outlineColor, const AVVec4& backColor, float backInset,
                            float backCorner);

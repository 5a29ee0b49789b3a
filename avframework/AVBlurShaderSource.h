#pragma once

#include <cstdint>

// GLSL of the separable Gaussian shadow blur, generated for one radius and
// sigma, for the plain "vertex.glsl". Each texel within the radius is read
// on its own (texelFetch at the fragment's texel plus and minus 1 .. radius
// along the pass's direction, the edge texel repeated beyond the edge): on
// the software rasteriser two unfiltered reads cost less than one filtered
// read of a texel pair. Mode 0 outputs the blurred silhouette; mode 1 (the
// second pass) colours it and weighs it by the layer's footprint. Below
// radius 1 it gives the unblurred second pass from the resources. Returns
// the text length written into buffer (zero-terminated), or 0 when the
// text does not fit or the resource is missing.
int32_t avBlurFragmentSource(int radius, float sigma, int mode, char* buffer, int32_t capacity);

// The radius a shadow blur of this sigma needs: where the Gaussian falls
// below 1/256, rounded up to an even number; for sigma above 62 that of 62.
int avShadowBlurRadius(int sigma);

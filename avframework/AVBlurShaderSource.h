#pragma once

#include <cstdint>

// Output columns per texel of the shadow's packed horizontal blur.
constexpr int kAVShadowBlurPacking = 4;

// GLSL of the separable Gaussian shadow blur, generated for one radius and
// sigma, for the plain "vertex.glsl". Texels are read one by one with
// texelFetch (on the software rasteriser two unfiltered reads cost less
// than one filtered read of a texel pair), the edge texel repeated beyond
// the edge. Mode 0 blurs across, packed: each fragment writes the four
// output columns of its texel column (see kAVShadowBlurPacking) into its
// four channels. Mode 2 blurs the packed result down, still packed. Mode 1
// takes the fragment's own column of the packed blur, colours it and
// weighs it by the layer's footprint; below radius 1 it is the unblurred
// second pass from the resources. Returns the text length written into
// buffer (zero-terminated), or 0 when the text does not fit or the
// resource is missing.
int32_t avBlurFragmentSource(int radius, float sigma, int mode, char* buffer, int32_t capacity);

// The radius a shadow blur of this sigma needs: where the Gaussian falls
// below 1/256, rounded up to an even number; for sigma above 62 that of 62.
int avShadowBlurRadius(int sigma);

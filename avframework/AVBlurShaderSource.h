#pragma once

#include <cstdint>

// GLSL of the separable Gaussian shadow blur, generated for one radius and
// sigma. Texels are read in pairs (one linear fetch between two texels); the
// first seven pair offsets are computed in the vertex shader, the others per
// fragment. Mode 0 outputs the blurred silhouette; mode 1 (the second pass)
// colours it and weighs it by the layer's footprint. Below radius 1 both
// give the plain resource sources ("vertex.glsl", and the unblurred second
// pass). Return the text length written into buffer (zero-terminated), or
// 0 when the text does not fit or a resource is missing.
int32_t avBlurVertexSource(int radius, float sigma, char* buffer, int32_t capacity);
int32_t avBlurFragmentSource(int radius, float sigma, int mode, char* buffer, int32_t capacity);

// The radius a shadow blur of this sigma needs: where the Gaussian falls
// below 1/256, rounded up to an even number; for sigma above 62 that of 62.
int avShadowBlurRadius(int sigma);

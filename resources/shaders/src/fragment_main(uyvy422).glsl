#version 150 core

precision highp float;

// Packed UYVY 4:2:2: each texel holds (Cb, Y0, Cr, Y1) of two pixels.

in vec2 textureCoordinate;
out vec4 fragColor;
uniform float opacity;

uniform sampler2D Sampler;

#include "include/yuv_matrix.glsl"

#include "include/yuv_8bit.glsl"

#include "include/layer_mask.glsl"

void main()
{
    // The stored pixels, two a texel: a picture with non-square pixels is
    // shown wider or narrower than it is stored.
    ivec2 texels = textureSize(Sampler, 0);
    float x = floor(textureCoordinate.x * float(2 * texels.x));
    ivec2 at = clamp(ivec2(int(x) / 2, int(textureCoordinate.y * float(texels.y))), ivec2(0), texels - 1);
    vec4 pair = texelFetch(Sampler, at, 0);
    float luma = mod(x, 2.0) < 1.0 ? pair.g : pair.a;
    vec3 rgb = yuvToRgb(vec3(luma, pair.r, pair.b), false);
    fragColor = vec4(rgb, 1.0) * (opacity * layerMask(textureCoordinate));
}

#version 150 core

precision highp float;

// NV12: an 8-bit Y plane and an interleaved CbCr plane.

in vec2 textureCoordinate;
out vec4 fragColor;
uniform float opacity;

uniform sampler2D SamplerY;
uniform sampler2D SamplerUV;
uniform int colorRange;

#include "include/yuv_matrix.glsl"

#include "include/yuv_8bit.glsl"

#include "include/layer_mask.glsl"

void main()
{
    vec3 yuv = vec3(texture(SamplerY, textureCoordinate).r, texture(SamplerUV, textureCoordinate).rg);
    fragColor = vec4(yuvToRgb(yuv, colorRange == 1), 1.0) * (opacity * layerMask(textureCoordinate));
}

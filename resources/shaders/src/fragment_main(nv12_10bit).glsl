#version 150 core

precision highp float;

// P010: 10-bit samples in the high bits of 16, Y plane and CbCr plane.

in vec2 textureCoordinate;
out vec4 fragColor;
uniform float opacity;

uniform sampler2D SamplerY;
uniform sampler2D SamplerUV;

#include "include/yuv_matrix.glsl"

#include "include/yuv_10bit.glsl"

#include "include/layer_mask.glsl"

void main()
{
    vec3 yuv = vec3(texture(SamplerY, textureCoordinate).r, texture(SamplerUV, textureCoordinate).rg);
    fragColor = vec4(yuv10ToRgb(yuv * (65535.0 / 65472.0)), 1.0) * (opacity * layerMask(textureCoordinate));
}

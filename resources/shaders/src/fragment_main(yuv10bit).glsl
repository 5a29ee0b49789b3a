#version 150 core

precision highp float;

// Planar Y'CbCr 4:2:0 with 10-bit samples in the low bits of 16.
in vec2 textureCoordinate;
out vec4 fragColor;
uniform float opacity;

uniform sampler2D SamplerY;
uniform sampler2D SamplerU;
uniform sampler2D SamplerV;

#include "include/yuv_matrix.glsl"

#include "include/yuv_10bit.glsl"

#include "include/layer_mask.glsl"

void main()
{
    vec3 yuv = vec3(texture(SamplerY, textureCoordinate).r, texture(SamplerU, textureCoordinate).r,
                    texture(SamplerV, textureCoordinate).r);
    fragColor = vec4(yuv10ToRgb(yuv * (65535.0 / 1023.0)), 1.0) * (opacity * layerMask(textureCoordinate));
}

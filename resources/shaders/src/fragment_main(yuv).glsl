#version 150 core

precision highp float;

// Planar 8-bit Y'CbCr 4:2:0 (three single-channel planes).

in vec2 textureCoordinate;
out vec4 fragColor;
uniform float opacity;

uniform sampler2D SamplerY;
uniform sampler2D SamplerU;
uniform sampler2D SamplerV;
uniform int colorRange;

#include "include/yuv_matrix.glsl"

#include "include/yuv_8bit.glsl"

#include "include/layer_mask.glsl"

void main()
{
    vec3 yuv = vec3(texture(SamplerY, textureCoordinate).r, texture(SamplerU, textureCoordinate).r,
                    texture(SamplerV, textureCoordinate).r);
    fragColor = vec4(yuvToRgb(yuv, colorRange == 1), 1.0) * (opacity * layerMask(textureCoordinate));
}

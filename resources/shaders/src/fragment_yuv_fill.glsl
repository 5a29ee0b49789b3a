#version 150 core

precision highp float;

// A planar 8-bit Y'CbCr 4:2:0 picture (limited range) copied as opaque RGB.
in vec2 textureCoordinate;
out vec4 fragColor;
uniform sampler2D SamplerY;
uniform sampler2D SamplerU;
uniform sampler2D SamplerV;
#include "include/yuv_matrix.glsl"

#include "include/yuv_8bit.glsl"

void main()
{
    vec3 yuv = vec3(texture(SamplerY, textureCoordinate).r, texture(SamplerU, textureCoordinate).r,
                    texture(SamplerV, textureCoordinate).r);
    fragColor = vec4(yuvToRgb(yuv, false), 1.0);
}

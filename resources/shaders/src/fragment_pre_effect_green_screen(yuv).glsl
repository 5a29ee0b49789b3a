#version 150 core

precision highp float;

// Planar 8-bit Y'CbCr 4:2:0 input.
// The chroma key as a pass of its own: an RGBA copy of the input without
// the key colour, for the passes that need RGBA (stroke, shadow).
in vec2 textureCoordinate;
out vec4 fragColor;

#include "include/yuv_bt709.glsl"

#include "include/input_yuv.glsl"

#include "include/chroma_key.glsl"

void main()
{
    vec4 colour = sampleInput(textureCoordinate);
    vec3 rgb = colour.a > 0.0 ? colour.rgb / colour.a : vec3(0.0);
    fragColor = colour * chromaKeep(rgb);
}

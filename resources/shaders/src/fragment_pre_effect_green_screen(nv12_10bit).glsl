#version 150 core

precision highp float;

// P010 input.
// The chroma key as a pass of its own: an RGBA copy of the input without
// the key colour, for the passes that need RGBA (stroke, shadow).
in vec2 textureCoordinate;
out vec4 fragColor;

#include "include/yuv_10bit.glsl"

#include "include/input_nv12_10bit.glsl"

#include "include/chroma_key.glsl"

void main()
{
    vec4 colour = sampleInput(textureCoordinate);
    vec3 rgb = colour.a > 0.0 ? colour.rgb / colour.a : vec3(0.0);
    fragColor = colour * chromaKeep(rgb);
}

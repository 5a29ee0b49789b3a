#version 150 core

precision highp float;

// Chroma key pre-pass: premultiplied RGBA input.
#include "include/input_rgb.glsl"

#include "include/chroma_key.glsl"

#include "include/chroma_prepass.glsl"

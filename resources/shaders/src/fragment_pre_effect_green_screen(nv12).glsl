#version 150 core

precision highp float;

// Chroma key pre-pass: NV12 input.
#include "include/yuv_matrix.glsl"

#include "include/yuv_8bit.glsl"

#include "include/input_nv12.glsl"

#include "include/chroma_key.glsl"

#include "include/chroma_prepass.glsl"

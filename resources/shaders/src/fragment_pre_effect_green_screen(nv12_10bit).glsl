#version 150 core

precision highp float;

// Chroma key pre-pass: P010 input.
#include "include/yuv_matrix.glsl"

#include "include/yuv_10bit.glsl"

#include "include/input_nv12_10bit.glsl"

#include "include/chroma_key.glsl"

#include "include/chroma_prepass.glsl"

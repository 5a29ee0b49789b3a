#version 150 core

precision highp float;

// Chroma key pre-pass: planar 10-bit Y'CbCr 4:2:0 input.
#include "include/yuv_matrix.glsl"

#include "include/yuv_10bit.glsl"

#include "include/input_yuv10bit.glsl"

#include "include/chroma_key.glsl"

#include "include/chroma_prepass.glsl"

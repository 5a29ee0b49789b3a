#version 150 core

precision highp float;

// Chroma key pre-pass: planar 8-bit Y'CbCr 4:2:0 input.
#include "include/yuv_matrix.glsl"

#include "include/yuv_8bit.glsl"

#include "include/input_yuv.glsl"

#include "include/chroma_key.glsl"

#include "include/chroma_prepass.glsl"

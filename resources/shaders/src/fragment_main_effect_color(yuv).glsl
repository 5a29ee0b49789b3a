#version 150 core

precision highp float;

// Colour effects on planar 8-bit Y'CbCr 4:2:0.
#include "include/effect_switches.glsl"

#include "include/yuv_matrix.glsl"

#include "include/yuv_8bit.glsl"

#include "include/input_yuv.glsl"

#include "include/chroma_key.glsl"

#include "include/stroke.glsl"

#include "include/layer_mask.glsl"

#include "include/effect_color.glsl"

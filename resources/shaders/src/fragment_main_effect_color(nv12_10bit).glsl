#version 150 core

precision highp float;

// Colour effects on P010.
#include "include/effect_switches.glsl"

#include "include/yuv_matrix.glsl"

#include "include/yuv_10bit.glsl"

#include "include/input_nv12_10bit.glsl"

#include "include/chroma_key.glsl"

#include "include/stroke.glsl"

#include "include/layer_mask.glsl"

#include "include/effect_color.glsl"

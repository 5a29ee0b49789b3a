#version 150 core

precision highp float;

// Colour effects on a premultiplied RGBA picture.
#include "include/effect_switches.glsl"

#include "include/input_rgb.glsl"

#include "include/chroma_key.glsl"

#include "include/stroke.glsl"

#include "include/layer_mask.glsl"

#include "include/effect_color.glsl"

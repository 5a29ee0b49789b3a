#version 150 core

precision highp float;

// A picture in premultiplied RGBA, faded by the layer opacity.

in vec2 textureCoordinate;
out vec4 fragColor;
uniform float opacity;

uniform sampler2D Sampler;

#include "include/layer_mask.glsl"

void main()
{
    fragColor = texture(Sampler, textureCoordinate) * (opacity * layerMask(textureCoordinate));
}

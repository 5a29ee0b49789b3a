#version 150 core

precision highp float;

// The layer's silhouette for the shadow: its coverage in alpha, blurred
// and coloured afterwards.
in vec2 textureCoordinate;
out vec4 fragColor;
uniform sampler2D Sampler;

#include "include/layer_mask.glsl"

void main()
{
    float coverage = texture(Sampler, textureCoordinate).a * layerMask(textureCoordinate);
    fragColor = vec4(coverage);
}

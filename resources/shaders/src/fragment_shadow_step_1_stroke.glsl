#version 150 core

precision highp float;

// The layer's silhouette for the shadow: its coverage in alpha, blurred
// and coloured afterwards.
// The outline stroke counts as part of the layer.
in vec2 textureCoordinate;
out vec4 fragColor;
uniform sampler2D Sampler;

#include "include/stroke.glsl"

#include "include/layer_mask.glsl"

void main()
{
    float picture = texture(Sampler, textureCoordinate).a;
    float coverage = max(picture, strokeCoverage(textureCoordinate)) * layerMask(textureCoordinate);
    fragColor = vec4(coverage);
}

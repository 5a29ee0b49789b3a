#version 150 core

precision highp float;

// The layer's silhouette for the shadow: its coverage in alpha, blurred
// and coloured afterwards.
// Pictures without alpha (video planes) cover their whole visible part.
in vec2 textureCoordinate;
out vec4 fragColor;

#include "include/layer_mask.glsl"

void main()
{
    float coverage = layerMask(textureCoordinate);
    fragColor = vec4(coverage);
}

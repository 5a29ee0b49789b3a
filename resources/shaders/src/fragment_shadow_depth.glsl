#version 150 core

precision highp float;

// The layer's footprint for the shadow: red is 1 where the layer leaves the
// output uncovered and falls to 0 under its opaque parts, so the shadow is
// composed only around the layer.
in vec2 textureCoordinate;
out vec4 fragColor;
uniform sampler2D Sampler;

#include "include/layer_mask.glsl"

void main()
{
    float coverage = texture(Sampler, textureCoordinate).a * layerMask(textureCoordinate);
    fragColor = vec4(1.0 - coverage, 0.0, 0.0, 1.0);
}

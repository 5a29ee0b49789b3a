#version 150 core

precision highp float;

// Jump flooding, step 1: every field texel covered by the layer's opaque
// content becomes a seed holding its own position (in field texels) and the
// flag 1 in blue; the others hold no seed.
in vec2 textureCoordinate;
out vec4 fragColor;
uniform sampler2D Sampler;
uniform vec2 textureSize;

void main()
{
    if (texture(Sampler, textureCoordinate).a > 0.5)
        fragColor = vec4(floor(textureCoordinate * textureSize) + 0.5, 1.0, 1.0);
    else
        fragColor = vec4(0.0, 0.0, 0.0, 1.0);
}

#version 150 core

precision highp float;

// The shadow composed from the unblurred silhouette: coloured, faded by the
// shadow and layer opacities and kept only where the layer's footprint
// leaves the output uncovered.
in vec2 textureCoordinate;
out vec4 fragColor;
uniform sampler2D shadowSampler;
uniform sampler2D depthSampler;
uniform float opacity;
uniform float drawShadowOpacity;
uniform vec4 drawShadowColor;

void main()
{
    float depth = texture(depthSampler, textureCoordinate).r;
    float q = drawShadowOpacity * texture(shadowSampler, textureCoordinate).a * opacity * depth;
    fragColor = vec4(drawShadowColor.rgb * q, q);
}

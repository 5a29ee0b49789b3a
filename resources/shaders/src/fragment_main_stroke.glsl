#version 150 core

precision highp float;

// A premultiplied RGBA picture over its outline stroke.
in vec2 textureCoordinate;
out vec4 fragColor;
uniform sampler2D Sampler;
uniform float opacity;
uniform vec4 strokeColor;

#include "include/stroke.glsl"

#include "include/layer_mask.glsl"

void main()
{
    vec4 picture = texture(Sampler, textureCoordinate);
    float strokeAlpha = strokeColor.a * strokeCoverage(textureCoordinate);
    vec4 stroke = vec4(strokeColor.rgb * strokeAlpha, strokeAlpha);
    fragColor = (picture + stroke * (1.0 - picture.a)) * (opacity * layerMask(textureCoordinate));
}

#version 150 core

precision highp float;

// The rectangular border ring in one colour (straight alpha: the ring is
// blended with source alpha).
out vec4 fragColor;
uniform float opacity;
uniform vec4 drawBorderColor;

void main()
{
    fragColor = vec4(drawBorderColor.rgb, drawBorderColor.a * opacity);
}

#version 150 core

precision highp float;

// A texture copied as it is (premultiplied RGBA).
in vec2 textureCoordinate;
out vec4 fragColor;
uniform sampler2D Sampler;

void main()
{
    fragColor = texture(Sampler, textureCoordinate);
}

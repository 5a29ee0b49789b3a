#version 150 core

// A quad covering the whole target, given as a strip of its four corners in
// clip space; the texture coordinate runs from (0, 0) at the bottom left to
// (1, 1).
in vec2 position;
out vec2 textureCoordinate;

void main()
{
    textureCoordinate = position * 0.5 + 0.5;
    gl_Position = vec4(position, 0.0, 1.0);
}

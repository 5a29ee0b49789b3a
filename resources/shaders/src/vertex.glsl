#version 150 core

// A layer or quad vertex placed by the model and projection matrices; the
// texture coordinate is handed on unchanged.
in vec2 position;
in vec2 texCoord;
uniform mat4 renderTransform;
uniform mat4 projectionTransform;
out vec2 textureCoordinate;

void main()
{
    textureCoordinate = texCoord;
    gl_Position = projectionTransform * renderTransform * vec4(position, 0.0, 1.0);
}

#version 150 core

// Solid outlines (the border ring) need only the placed position.
in vec2 position;
uniform mat4 renderTransform;
uniform mat4 projectionTransform;

void main()
{
    gl_Position = projectionTransform * renderTransform * vec4(position, 0.0, 1.0);
}

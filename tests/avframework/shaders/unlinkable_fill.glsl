#version 150 core

// A fill shader that compiles but has no main function, so that the program
// does not link.
out vec4 fragColor;

vec4 fill()
{
    return vec4(1.0);
}

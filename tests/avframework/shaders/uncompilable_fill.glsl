#version 150 core

// A fill shader with a statement no compiler accepts.
out vec4 fragColor;

void main()
{
    fragColor = undeclaredColour;
}

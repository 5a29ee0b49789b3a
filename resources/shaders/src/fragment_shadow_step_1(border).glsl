#version 150 core

precision highp float;

// The layer's silhouette for the shadow: its coverage in alpha, blurred
// and coloured afterwards.
// The border ring covers all it spans.
out vec4 fragColor;

void main()
{
    float coverage = 1.0;
    fragColor = vec4(coverage);
}

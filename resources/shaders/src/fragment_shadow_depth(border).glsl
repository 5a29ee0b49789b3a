#version 150 core

precision highp float;

// The layer's footprint for the shadow: red is 1 where the layer leaves the
// output uncovered and falls to 0 under its opaque parts, so the shadow is
// composed only around the layer.
// The border ring covers all it spans.
out vec4 fragColor;

void main()
{
    float coverage = 1.0;
    fragColor = vec4(1.0 - coverage, 0.0, 0.0, 1.0);
}

#version 150 core

precision highp float;

// Jump flooding, one pass: each texel keeps the nearest seed among its own
// and those of the eight texels stepSize texels away.
in vec2 textureCoordinate;
out vec4 fragColor;
uniform sampler2D inputTexture;
uniform vec2 textureSize;
uniform float stepSize;

void main()
{
    vec2 here = floor(textureCoordinate * textureSize) + 0.5;
    vec4 best = vec4(0.0, 0.0, 0.0, 1.0);
    float bestDistance = 1.0e20;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            vec2 at = here + vec2(float(dx), float(dy)) * stepSize;
            if (any(lessThan(at, vec2(0.0))) || any(greaterThanEqual(at, textureSize)))
                continue;
            vec4 seed = texture(inputTexture, at / textureSize);
            float away = length(seed.xy - here);
            if (seed.z > 0.5 && away < bestDistance) {
                best = seed;
                bestDistance = away;
            }
        }
    }
    fragColor = best;
}

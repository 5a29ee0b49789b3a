#version 150 core

precision highp float;

// Jump flooding, result: the distance (in field texels) from each texel to
// the layer's opaque content, as a fraction of maxDistance in red; 0 on the
// content, 1 at maxDistance or beyond and where no seed was found.
in vec2 textureCoordinate;
out vec4 fragColor;
uniform sampler2D seedTexture;
uniform sampler2D originalTexture;
uniform vec2 textureSize;
uniform float maxDistance;

void main()
{
    if (texture(originalTexture, textureCoordinate).a > 0.5) {
        fragColor = vec4(0.0, 0.0, 0.0, 1.0);
        return;
    }
    vec4 seed = texture(seedTexture, textureCoordinate);
    vec2 here = floor(textureCoordinate * textureSize) + 0.5;
    float away = seed.z > 0.5 ? length(seed.xy - here) / max(maxDistance, 1.0) : 1.0;
    fragColor = vec4(min(away, 1.0), 0.0, 0.0, 1.0);
}

#version 150 core

// The effect-colour pass's vertex: placed like every layer vertex, and
// handing on the steps of the blur grid and the sharpen neighbours.
#define GAUSSIAN_BLUR_RADIUS  0
#define SHARPEN_EFFECT 0

in vec2 position;
in vec2 texCoord;
uniform mat4 renderTransform;
uniform mat4 projectionTransform;
out vec2 textureCoordinate;

#if GAUSSIAN_BLUR_RADIUS > 0
// One texel down the picture (the step across is made from it per
// fragment, where the texture's size is known).
uniform float texelWidthOffset;
uniform float texelHeightOffset;
out vec2 blurStepY;
#endif
#if SHARPEN_EFFECT
uniform float imageWidthFactor;
uniform float imageHeightFactor;
out vec2 sharpenLeft;
out vec2 sharpenRight;
out vec2 sharpenTop;
out vec2 sharpenBottom;
#endif

void main()
{
    textureCoordinate = texCoord;
    gl_Position = projectionTransform * renderTransform * vec4(position, 0.0, 1.0);
#if GAUSSIAN_BLUR_RADIUS > 0
    const int taps = GAUSSIAN_BLUR_RADIUS < 4 ? GAUSSIAN_BLUR_RADIUS : 4;
    float spacing = float(GAUSSIAN_BLUR_RADIUS) / float(taps);
    vec2 down = vec2(texelWidthOffset, texelHeightOffset);
    blurStepY = down * spacing;
#endif
#if SHARPEN_EFFECT
    sharpenLeft = texCoord - vec2(imageWidthFactor, 0.0);
    sharpenRight = texCoord + vec2(imageWidthFactor, 0.0);
    sharpenTop = texCoord + vec2(0.0, imageHeightFactor);
    sharpenBottom = texCoord - vec2(0.0, imageHeightFactor);
#endif
}

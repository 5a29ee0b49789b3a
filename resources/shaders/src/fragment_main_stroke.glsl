#version 150 core

precision highp float;

// A premultiplied RGBA picture over its outline stroke.
in vec2 textureCoordinate;
out vec4 fragColor;
uniform sampler2D Sampler;
uniform float opacity;
uniform vec4 strokeColor;

// The outline stroke around the picture's opaque content, read from the
// distance field: distances are stored as fractions of maxDistance, in field
// texels (the field is the picture downsampled by sdfDownsampleFactor).
// strokeTolerance softens the stroke's outer edge and strokeStrength fades
// it towards that edge (both fractions, 0 for a crisp solid stroke).
uniform sampler2D sdfTexture;
uniform float strokeWidth;
uniform float maxDistance;
uniform float sdfDownsampleFactor;
uniform float strokeTolerance;
uniform float strokeStrength;

float strokeCoverage(vec2 tc)
{
    if (strokeWidth <= 0.0)
        return 0.0;
    float away = texture(sdfTexture, tc).r * maxDistance;
    float soft = max(1.0 / max(sdfDownsampleFactor, 1.0), strokeTolerance * strokeWidth);
    float coverage = 1.0 - smoothstep(strokeWidth - soft, strokeWidth, away);
    return coverage * (1.0 - strokeStrength * clamp(away / strokeWidth, 0.0, 1.0));
}


// The visible part of the picture in texture coordinates (s0, t0, s1, t1),
// the feather width of its left, top, right and bottom edges as fractions of
// the visible width or height, and the corner radius in texture coordinates.
uniform vec4 feathering;
uniform vec4 texCoordBounds;
uniform vec2 cornerRadius;

// 1 inside the visible part, falling to 0 across feathered edges and outside
// rounded corners (smoothed over about one pixel).
float layerMask(vec2 tc)
{
    vec2 lo = texCoordBounds.xy;
    vec2 hi = texCoordBounds.zw;
    vec2 size = max(hi - lo, vec2(1.0e-6));
    float mask = 1.0;
    if (cornerRadius.x > 0.0 && cornerRadius.y > 0.0) {
        vec2 beyond = abs(tc - (lo + hi) * 0.5) - (size * 0.5 - cornerRadius);
        float radii = length(max(beyond, vec2(0.0)) / cornerRadius);
        mask = 1.0 - smoothstep(1.0 - fwidth(radii), 1.0, radii);
    }
    vec4 inside = vec4(tc - lo, hi - tc).xyzw / size.xyxy;
    vec4 ramps = clamp(inside / max(feathering, vec4(1.0e-6)), 0.0, 1.0);
    ramps = mix(vec4(1.0), ramps, step(vec4(1.0e-6), feathering));
    return mask * ramps.x * ramps.y * ramps.z * ramps.w;
}

void main()
{
    vec4 picture = texture(Sampler, textureCoordinate);
    float strokeAlpha = strokeColor.a * strokeCoverage(textureCoordinate);
    vec4 stroke = vec4(strokeColor.rgb * strokeAlpha, strokeAlpha);
    fragColor = (picture + stroke * (1.0 - picture.a)) * (opacity * layerMask(textureCoordinate));
}

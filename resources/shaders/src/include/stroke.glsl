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

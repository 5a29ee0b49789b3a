// The visible part of the picture in texture coordinates (s0, t0, s1, t1),
// the feather width of its left, top, right and bottom edges as fractions of
// the visible width or height, and the corner radius in texture coordinates.
uniform vec4 feathering;
uniform vec4 texCoordBounds;
uniform vec2 cornerRadius;

// 1 inside the visible part, falling to 0 across feathered edges and outside
// rounded corners (smoothed over about one pixel across the outline).
float layerMask(vec2 tc)
{
    vec2 lo = texCoordBounds.xy;
    vec2 hi = texCoordBounds.zw;
    vec2 size = max(hi - lo, vec2(1.0e-6));
    float mask = 1.0;
    if (cornerRadius.x > 0.0 && cornerRadius.y > 0.0) {
        vec2 beyond = abs(tc - (lo + hi) * 0.5) - (size * 0.5 - cornerRadius);
        float radii = length(max(beyond, vec2(0.0)) / cornerRadius);
        // Centred on the outline, so that the straight edges between the
        // corners, whose pixel centres lie half a pixel inside, stay whole.
        float smoothing = 0.5 * fwidth(radii);
        mask = 1.0 - smoothstep(1.0 - smoothing, 1.0 + smoothing, radii);
    }
    vec4 inside = vec4(tc - lo, hi - tc).xyzw / size.xyxy;
    vec4 ramps = clamp(inside / max(feathering, vec4(1.0e-6)), 0.0, 1.0);
    ramps = mix(vec4(1.0), ramps, step(vec4(1.0e-6), feathering));
    return mask * ramps.x * ramps.y * ramps.z * ramps.w;
}

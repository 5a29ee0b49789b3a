#version 150 core

precision highp float;

// P010: 10-bit samples in the high bits of 16, Y plane and CbCr plane.

in vec2 textureCoordinate;
out vec4 fragColor;
uniform float opacity;

uniform sampler2D SamplerY;
uniform sampler2D SamplerUV;

// 10-bit limited-range Y'CbCr to display RGB. SDR frames use BT.709; HDR
// frames (PQ or HLG) are BT.2020: they are linearised, tone-mapped so that
// reference white stays white, moved to BT.709 primaries and gamma-encoded.
uniform bool isSt2084;
uniform bool isAribB67;

vec3 pqToLinear(vec3 e)
{
    vec3 p = pow(max(e, 0.0), vec3(1.0 / 78.84375));
    vec3 nits = 10000.0 * pow(max(p - 0.8359375, 0.0) / (18.8515625 - 18.6875 * p), vec3(1.0 / 0.1593017578125));
    return nits / 203.0;
}

vec3 hlgToLinear(vec3 e)
{
    const float a = 0.17883277;
    const float b = 0.28466892;
    const float c = 0.55991073;
    vec3 low = e * e / 3.0;
    vec3 high = (exp((e - c) / a) + b) / 12.0;
    vec3 scene = mix(low, high, step(vec3(0.5), e));
    return scene * 1000.0 / 203.0;
}

vec3 yuv10ToRgb(vec3 yuv)
{
    float y = (yuv.x * 1023.0 - 64.0) / 876.0;
    vec2 c = (yuv.yz * 1023.0 - 512.0) / 896.0;
    if (!isSt2084 && !isAribB67)
        return clamp(vec3(y + 1.5748 * c.y, y - 0.1873 * c.x - 0.4681 * c.y, y + 1.8556 * c.x), 0.0, 1.0);
    vec3 rgb2020 = clamp(vec3(y + 1.4746 * c.y, y - 0.16455 * c.x - 0.57135 * c.y, y + 1.8814 * c.x), 0.0, 1.0);
    vec3 light = isSt2084 ? pqToLinear(rgb2020) : hlgToLinear(rgb2020);
    light = light / (1.0 + light);
    const mat3 toBt709 = mat3(1.6605, -0.1246, -0.0182, -0.5876, 1.1329, -0.1006, -0.0728, -0.0083, 1.1187);
    return pow(clamp(toBt709 * light * 2.0, 0.0, 1.0), vec3(1.0 / 2.2));
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
    vec3 yuv = vec3(texture(SamplerY, textureCoordinate).r, texture(SamplerUV, textureCoordinate).rg);
    fragColor = vec4(yuv10ToRgb(yuv * (65535.0 / 65472.0)), 1.0) * (opacity * layerMask(textureCoordinate));
}

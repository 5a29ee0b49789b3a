#version 150 core

precision highp float;

// Planar 8-bit Y'CbCr 4:2:0 (three single-channel planes).

in vec2 textureCoordinate;
out vec4 fragColor;
uniform float opacity;

uniform sampler2D SamplerY;
uniform sampler2D SamplerU;
uniform sampler2D SamplerV;
uniform int colorRange;

// Y'CbCr (BT.709) to RGB; limited range unless the frame says full range.
vec3 yuvToRgb(vec3 yuv, bool fullRange)
{
    float y = fullRange ? yuv.x : (yuv.x - 16.0 / 255.0) * (255.0 / 219.0);
    vec2 c = yuv.yz - vec2(128.0 / 255.0);
    if (!fullRange)
        c *= 255.0 / 224.0;
    return clamp(vec3(y + 1.5748 * c.y, y - 0.1873 * c.x - 0.4681 * c.y, y + 1.8556 * c.x), 0.0, 1.0);
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
    vec3 yuv = vec3(texture(SamplerY, textureCoordinate).r, texture(SamplerU, textureCoordinate).r, texture(SamplerV, textureCoordinate).r);
    fragColor = vec4(yuvToRgb(yuv, colorRange == 1), 1.0) * (opacity * layerMask(textureCoordinate));
}

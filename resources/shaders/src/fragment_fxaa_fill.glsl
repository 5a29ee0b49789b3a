#version 150 core

precision highp float;

// Fast approximate anti-aliasing of a premultiplied RGBA frame: where the
// luma of the diagonal neighbours reveals an edge, the pixel is blended along
// the edge direction; flat areas pass unchanged.
in vec2 textureCoordinate;
in vec2 northWest;
in vec2 northEast;
in vec2 southWest;
in vec2 southEast;
out vec4 fragColor;
uniform sampler2D Sampler;
uniform float rt_w;
uniform float rt_h;

const float kReduceMultiplier = 1.0 / 8.0;
const float kReduceMinimum = 1.0 / 128.0;
const float kSpanMaximum = 8.0;

float luma(vec4 colour)
{
    return dot(colour.rgb, vec3(0.299, 0.587, 0.114));
}

void main()
{
    vec4 centre = texture(Sampler, textureCoordinate);
    float lumaNW = luma(texture(Sampler, northWest));
    float lumaNE = luma(texture(Sampler, northEast));
    float lumaSW = luma(texture(Sampler, southWest));
    float lumaSE = luma(texture(Sampler, southEast));
    float lumaM = luma(centre);
    float lumaMin = min(lumaM, min(min(lumaNW, lumaNE), min(lumaSW, lumaSE)));
    float lumaMax = max(lumaM, max(max(lumaNW, lumaNE), max(lumaSW, lumaSE)));

    vec2 direction = vec2(-((lumaNW + lumaNE) - (lumaSW + lumaSE)), (lumaNW + lumaSW) - (lumaNE + lumaSE));
    float reduce = max((lumaNW + lumaNE + lumaSW + lumaSE) * 0.25 * kReduceMultiplier, kReduceMinimum);
    float scale = 1.0 / (min(abs(direction.x), abs(direction.y)) + reduce);
    direction = clamp(direction * scale, vec2(-kSpanMaximum), vec2(kSpanMaximum)) / vec2(rt_w, rt_h);

    vec4 near = 0.5 * (texture(Sampler, textureCoordinate + direction * (1.0 / 3.0 - 0.5)) +
                       texture(Sampler, textureCoordinate + direction * (2.0 / 3.0 - 0.5)));
    vec4 far = near * 0.5 + 0.25 * (texture(Sampler, textureCoordinate - direction * 0.5) +
                                    texture(Sampler, textureCoordinate + direction * 0.5));
    float lumaFar = luma(far);
    fragColor = (lumaFar < lumaMin || lumaFar > lumaMax) ? near : far;
}

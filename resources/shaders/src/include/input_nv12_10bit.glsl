// The layer's input: P010, 10-bit samples in the high bits of 16, Y plane
// and CbCr plane (needs yuv_10bit.glsl).
uniform sampler2D SamplerY;
uniform sampler2D SamplerUV;

vec4 sampleInput(vec2 tc)
{
    vec3 yuv = vec3(texture(SamplerY, tc).r, texture(SamplerUV, tc).rg);
    return vec4(yuv10ToRgb(yuv * (65535.0 / 65472.0)), 1.0);
}

vec2 inputTextureSize()
{
    return vec2(textureSize(SamplerY, 0));
}

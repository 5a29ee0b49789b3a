// The layer's input: planar Y'CbCr 4:2:0 in 16-bit samples holding 10-bit
// values (needs yuv_10bit.glsl).
uniform sampler2D SamplerY;
uniform sampler2D SamplerU;
uniform sampler2D SamplerV;

vec4 sampleInput(vec2 tc)
{
    vec3 yuv = vec3(texture(SamplerY, tc).r, texture(SamplerU, tc).r, texture(SamplerV, tc).r);
    return vec4(yuv10ToRgb(yuv * (65535.0 / 1023.0)), 1.0);
}

vec2 inputTextureSize()
{
    return vec2(textureSize(SamplerY, 0));
}

// The layer's input: planar 8-bit Y'CbCr 4:2:0 (needs yuv_matrix.glsl and yuv_8bit.glsl).
uniform sampler2D SamplerY;
uniform sampler2D SamplerU;
uniform sampler2D SamplerV;
uniform int colorRange;

vec4 sampleInput(vec2 tc)
{
    vec3 yuv = vec3(texture(SamplerY, tc).r, texture(SamplerU, tc).r, texture(SamplerV, tc).r);
    return vec4(yuvToRgb(yuv, colorRange == 1), 1.0);
}

vec2 inputTextureSize()
{
    return vec2(textureSize(SamplerY, 0));
}

// The layer's input: an 8-bit Y plane and an interleaved half-size CbCr
// plane (needs yuv_matrix.glsl and yuv_8bit.glsl).
uniform sampler2D SamplerY;
uniform sampler2D SamplerUV;
uniform int colorRange;

vec4 sampleInput(vec2 tc)
{
    vec3 yuv = vec3(texture(SamplerY, tc).r, texture(SamplerUV, tc).rg);
    return vec4(yuvToRgb(yuv, colorRange == 1), 1.0);
}

vec2 inputTextureSize()
{
    return vec2(textureSize(SamplerY, 0));
}

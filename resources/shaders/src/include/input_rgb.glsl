// The layer's input: a premultiplied RGBA picture.
uniform sampler2D Sampler;

vec4 sampleInput(vec2 tc)
{
    return texture(Sampler, tc);
}

vec2 inputTextureSize()
{
    return vec2(textureSize(Sampler, 0));
}

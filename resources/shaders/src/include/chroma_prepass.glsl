// The chroma key as a pass of its own: an RGBA copy of the input
// (sampleInput) without the key colour, for the passes that need RGBA (the
// stroke, the shadow). Needs an input and chroma_key.glsl before it.
in vec2 textureCoordinate;
out vec4 fragColor;

void main()
{
    vec4 colour = sampleInput(textureCoordinate);
    vec3 rgb = colour.a > 0.0 ? colour.rgb / colour.a : vec3(0.0);
    fragColor = colour * chromaKeep(rgb);
}

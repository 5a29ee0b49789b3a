// Keying out one colour: pixels whose chroma (Cb, Cr) lies within
// thresholdSensitivity of the key colour's vanish, fading back in over the
// next smoothing; luma is ignored so that shaded parts of a backdrop go too.
uniform float thresholdSensitivity;
uniform float smoothing;
uniform vec3 colorToReplace;

vec2 chromaOf(vec3 rgb)
{
    return vec2(dot(rgb, vec3(-0.168736, -0.331264, 0.5)), dot(rgb, vec3(0.5, -0.418688, -0.081312)));
}

// How much of a pixel (straight RGB) is kept.
float chromaKeep(vec3 rgb)
{
    float away = distance(chromaOf(rgb), chromaOf(colorToReplace));
    return smoothstep(thresholdSensitivity, thresholdSensitivity + max(smoothing, 1.0e-4), away);
}

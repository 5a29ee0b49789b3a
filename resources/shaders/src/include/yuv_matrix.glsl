// Y'CbCr to R'G'B' by the picture's matrix: colorSpace 1 is BT.601 (standard
// definition), anything else BT.709. y runs from 0 to 1, c from -0.5 to 0.5.
uniform int colorSpace;

vec3 matrixToRgb(float y, vec2 c)
{
    // Chosen, not branched on: the same arithmetic for every picture.
    vec4 k = colorSpace == 1 ? vec4(1.402, 0.344136, 0.714136, 1.772) : vec4(1.5748, 0.187324, 0.468124, 1.8556);
    return vec3(y + k.x * c.y, y - k.y * c.x - k.z * c.y, y + k.w * c.x);
}

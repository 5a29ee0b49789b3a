// Y'CbCr to R'G'B' by the picture's matrix: colorSpace 1 is BT.601 (standard
// definition), anything else BT.709. y runs from 0 to 1, c from -0.5 to 0.5.
uniform int colorSpace;

vec3 matrixToRgb(float y, vec2 c)
{
    if (colorSpace == 1)
        return vec3(y + 1.402 * c.y, y - 0.344136 * c.x - 0.714136 * c.y, y + 1.772 * c.x);
    return vec3(y + 1.5748 * c.y, y - 0.187324 * c.x - 0.468124 * c.y, y + 1.8556 * c.x);
}

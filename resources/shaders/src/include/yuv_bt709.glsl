// Y'CbCr (BT.709) to RGB; limited range unless the frame says full range.
vec3 yuvToRgb(vec3 yuv, bool fullRange)
{
    float y = fullRange ? yuv.x : (yuv.x - 16.0 / 255.0) * (255.0 / 219.0);
    vec2 c = yuv.yz - vec2(128.0 / 255.0);
    if (!fullRange)
        c *= 255.0 / 224.0;
    return clamp(vec3(y + 1.5748 * c.y, y - 0.1873 * c.x - 0.4681 * c.y, y + 1.8556 * c.x), 0.0, 1.0);
}

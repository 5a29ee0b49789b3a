// 8-bit Y'CbCr to RGB; limited range unless the frame says full range
// (needs yuv_matrix.glsl).
vec3 yuvToRgb(vec3 yuv, bool fullRange)
{
    float y = fullRange ? yuv.x : (yuv.x - 16.0 / 255.0) * (255.0 / 219.0);
    vec2 c = yuv.yz - vec2(128.0 / 255.0);
    if (!fullRange)
        c *= 255.0 / 224.0;
    return clamp(matrixToRgb(y, c), 0.0, 1.0);
}

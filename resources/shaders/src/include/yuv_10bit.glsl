// 10-bit limited-range Y'CbCr to display RGB. SDR frames use their matrix
// (needs yuv_matrix.glsl); HDR frames (PQ or HLG) are BT.2020: they are
// linearised, tone-mapped so that reference white stays white, moved to
// BT.709 primaries and gamma-encoded.
uniform bool isSt2084;
uniform bool isAribB67;

vec3 pqToLinear(vec3 e)
{
    vec3 p = pow(max(e, 0.0), vec3(1.0 / 78.84375));
    vec3 nits = 10000.0 * pow(max(p - 0.8359375, 0.0) / (18.8515625 - 18.6875 * p), vec3(1.0 / 0.1593017578125));
    return nits / 203.0;
}

vec3 hlgToLinear(vec3 e)
{
    const float a = 0.17883277;
    const float b = 0.28466892;
    const float c = 0.55991073;
    vec3 low = e * e / 3.0;
    vec3 high = (exp((e - c) / a) + b) / 12.0;
    vec3 scene = mix(low, high, step(vec3(0.5), e));
    return scene * 1000.0 / 203.0;
}

vec3 yuv10ToRgb(vec3 yuv)
{
    float y = (yuv.x * 1023.0 - 64.0) / 876.0;
    vec2 c = (yuv.yz * 1023.0 - 512.0) / 896.0;
    if (!isSt2084 && !isAribB67)
        return clamp(matrixToRgb(y, c), 0.0, 1.0);
    vec3 rgb2020 = clamp(vec3(y + 1.4746 * c.y, y - 0.16455 * c.x - 0.57135 * c.y, y + 1.8814 * c.x), 0.0, 1.0);
    vec3 light = isSt2084 ? pqToLinear(rgb2020) : hlgToLinear(rgb2020);
    light = light / (1.0 + light);
    const mat3 toBt709 = mat3(1.6605, -0.1246, -0.0182, -0.5876, 1.1329, -0.1006, -0.0728, -0.0083, 1.1187);
    return pow(clamp(toBt709 * light * 2.0, 0.0, 1.0), vec3(1.0 / 2.2));
}

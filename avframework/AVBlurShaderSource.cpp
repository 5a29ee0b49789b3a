#include "AVBlurShaderSource.h"

#include "AVShaderSource.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Where the 1/256 cut-off radius of a Gaussian is largest (256 / sqrt(2 pi e)).
constexpr int kWidestCutOffSigma = 62;

// The normalised weights of the texels 0 .. radius away.
std::vector<double> blurWeights(int radius, float sigma)
{
    std::vector<double> w(size_t(radius) + 1, 0.0);
    const double variance = double(sigma) * sigma;
    double sum = 0.0;
    for (int i = 0; i <= radius; ++i) {
        w[i] = std::exp(-double(i) * i / (2.0 * variance)) / std::sqrt(2.0 * M_PI * variance);
        sum += i == 0 ? w[i] : 2.0 * w[i];
    }
    for (double& weight : w)
        weight /= sum;
    return w;
}

// Numbers are written the same way whatever the process locale is.
std::ostringstream glslStream()
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.setf(std::ios::fixed);
    out.precision(6);
    return out;
}

int32_t copyOut(const std::string& text, char* buffer, int32_t capacity)
{
    if (int64_t(text.size()) >= int64_t(capacity))
        return 0;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return int32_t(text.size());
}

} // namespace

int avShadowBlurRadius(int sigma)
{
    // The cut-off radius grows with sigma up to about 62 and shrinks after
    // it (the whole curve sinks below 1/256); beyond 102 the logarithm turns
    // positive and there is no radius at all. Wider shadows keep the widest.
    const double variance = double(std::min(sigma, kWidestCutOffSigma)) * std::min(sigma, kWidestCutOffSigma);
    const int radius = int(std::floor(std::sqrt(-2.0 * variance * std::log(std::sqrt(2.0 * M_PI * variance) / 256.0))));
    return radius + radius % 2;
}

int32_t avBlurFragmentSource(int radius, float sigma, int mode, char* buffer, int32_t capacity)
{
    if (radius < 1)
        return avLoadShaderSource(nullptr, "fragment_shadow_step_2_no_blur.glsl", buffer, capacity);
    const std::vector<double> w = blurWeights(radius, sigma);
    std::ostringstream out = glslStream();
    out << "#version 150 core\nprecision highp float;\n"
           "uniform sampler2D shadowSampler;\n"
           "uniform float texelWidthOffset;\nuniform float texelHeightOffset;\n";
    if (mode == 1)
        out << "uniform sampler2D depthSampler;\nuniform float opacity;\n"
               "uniform float drawShadowOpacity;\nuniform vec4 drawShadowColor;\n";
    // The target has the output's size, so the fragment's own texel is the
    // one under it; neighbours beyond the edge repeat the edge texel.
    out << "in vec2 textureCoordinate;\n"
           "out vec4 fragColor;\n"
           "float blurred()\n{\n"
           "    ivec2 here = ivec2(gl_FragCoord.xy);\n"
           "    ivec2 last = textureSize(shadowSampler, 0) - 1;\n"
           "    ivec2 step = ivec2(notEqual(vec2(texelWidthOffset, texelHeightOffset), vec2(0.0)));\n"
           "    float sum = texelFetch(shadowSampler, here, 0).a * "
        << w[0] << ";\n";
    for (int i = 1; i <= radius; ++i)
        out << "    sum += (texelFetch(shadowSampler, min(here + step * " << i << ", last), 0).a"
            << " + texelFetch(shadowSampler, max(here - step * " << i << ", ivec2(0)), 0).a) * " << w[i] << ";\n";
    out << "    return sum;\n}\n";
    if (mode == 1)
        out << "void main()\n{\n"
               "    float depth = texture(depthSampler, textureCoordinate).r;\n"
               // Under the layer nothing shows: skip the taps there.
               "    if (depth <= 0.0) {\n        fragColor = vec4(0.0);\n        return;\n    }\n"
               "    float q = drawShadowOpacity * blurred() * opacity * depth;\n"
               "    fragColor = vec4(drawShadowColor.rgb * q, q);\n}\n";
    else
        out << "void main()\n{\n    fragColor = vec4(blurred());\n}\n";
    return copyOut(out.str(), buffer, capacity);
}

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

// The most pair offsets a vertex shader hands on; the rest are computed in
// the fragment shader.
constexpr int kMaxVaryingPairs = 7;
// Where the 1/256 cut-off radius of a Gaussian is largest (256 / sqrt(2 pi e)).
constexpr int kWidestCutOffSigma = 62;

struct BlurTaps {
    float centreWeight;
    std::vector<float> offsets;  // pair offsets in texels
    std::vector<float> weights;  // pair weights
    int varyingPairs;            // the first offsets, computed per vertex
};

BlurTaps blurTaps(int radius, float sigma)
{
    // One weight beyond the radius (zero) so that an odd radius still pairs.
    std::vector<double> w(size_t(radius) + 2, 0.0);
    const double variance = double(sigma) * sigma;
    double sum = 0.0;
    for (int i = 0; i <= radius; ++i) {
        w[i] = std::exp(-double(i) * i / (2.0 * variance)) / std::sqrt(2.0 * M_PI * variance);
        sum += i == 0 ? w[i] : 2.0 * w[i];
    }
    for (double& weight : w)
        weight /= sum;
    BlurTaps taps;
    taps.centreWeight = float(w[0]);
    const int pairs = radius / 2 + radius % 2;
    taps.varyingPairs = std::min(pairs, kMaxVaryingPairs);
    for (int j = 0; j < pairs; ++j) {
        const double a = w[2 * j + 1], b = w[2 * j + 2];
        taps.weights.push_back(float(a + b));
        taps.offsets.push_back(float(((2 * j + 1) * a + (2 * j + 2) * b) / (a + b)));
    }
    return taps;
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

int32_t avBlurVertexSource(int radius, float sigma, char* buffer, int32_t capacity)
{
    if (radius < 1)
        return avLoadShaderSource(nullptr, "vertex.glsl", buffer, capacity);
    const BlurTaps taps = blurTaps(radius, sigma);
    std::ostringstream out = glslStream();
    out << "#version 150 core\n"
           "in vec2 position;\nin vec2 texCoord;\n"
           "uniform mat4 renderTransform;\nuniform mat4 projectionTransform;\n"
           "uniform float texelWidthOffset;\nuniform float texelHeightOffset;\n"
        << "out vec2 blurCoordinates[" << 2 * taps.varyingPairs + 1 << "];\n"
        << "void main()\n{\n"
           "    gl_Position = projectionTransform * renderTransform * vec4(position, 0.0, 1.0);\n"
           "    vec2 step = vec2(texelWidthOffset, texelHeightOffset);\n"
           "    blurCoordinates[0] = texCoord;\n";
    for (int j = 0; j < taps.varyingPairs; ++j) {
        out << "    blurCoordinates[" << 2 * j + 1 << "] = texCoord + step * " << taps.offsets[j] << ";\n"
            << "    blurCoordinates[" << 2 * j + 2 << "] = texCoord - step * " << taps.offsets[j] << ";\n";
    }
    out << "}\n";
    return copyOut(out.str(), buffer, capacity);
}

int32_t avBlurFragmentSource(int radius, float sigma, int mode, char* buffer, int32_t capacity)
{
    if (radius < 1)
        return avLoadShaderSource(nullptr, "fragment_shadow_step_2_no_blur.glsl", buffer, capacity);
    const BlurTaps taps = blurTaps(radius, sigma);
    std::ostringstream out = glslStream();
    out << "#version 150 core\nprecision highp float;\n"
           "uniform sampler2D shadowSampler;\n"
           "uniform float texelWidthOffset;\nuniform float texelHeightOffset;\n";
    if (mode == 1)
        out << "uniform sampler2D depthSampler;\nuniform float opacity;\n"
               "uniform float drawShadowOpacity;\nuniform vec4 drawShadowColor;\n";
    out << "in vec2 blurCoordinates[" << 2 * taps.varyingPairs + 1 << "];\n"
        << "out vec4 fragColor;\n"
           "vec4 blurred()\n{\n"
           "    vec4 sum = texture(shadowSampler, blurCoordinates[0]) * "
        << taps.centreWeight << ";\n";
    for (int j = 0; j < taps.varyingPairs; ++j) {
        out << "    sum += texture(shadowSampler, blurCoordinates[" << 2 * j + 1 << "]) * " << taps.weights[j]
            << ";\n"
            << "    sum += texture(shadowSampler, blurCoordinates[" << 2 * j + 2 << "]) * " << taps.weights[j]
            << ";\n";
    }
    if (taps.offsets.size() > size_t(taps.varyingPairs))
        out << "    vec2 step = vec2(texelWidthOffset, texelHeightOffset);\n";
    for (size_t j = size_t(taps.varyingPairs); j < taps.offsets.size(); ++j) {
        out << "    sum += texture(shadowSampler, blurCoordinates[0] + step * " << taps.offsets[j] << ") * "
            << taps.weights[j] << ";\n"
            << "    sum += texture(shadowSampler, blurCoordinates[0] - step * " << taps.offsets[j] << ") * "
            << taps.weights[j] << ";\n";
    }
    out << "    return sum;\n}\n";
    if (mode == 1)
        out << "void main()\n{\n"
               "    float depth = texture(depthSampler, blurCoordinates[0]).r;\n"
               // Under the layer nothing shows: skip the taps there.
               "    if (depth <= 0.0) {\n        fragColor = vec4(0.0);\n        return;\n    }\n"
               "    float q = drawShadowOpacity * blurred().a * opacity * depth;\n"
               "    fragColor = vec4(drawShadowColor.rgb * q, q);\n}\n";
    else
        out << "void main()\n{\n    fragColor = blurred();\n}\n";
    return copyOut(out.str(), buffer, capacity);
}

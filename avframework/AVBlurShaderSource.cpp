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

namespace {

// Mode 0, across: the fragment at packed column X stands for the four
// output columns 4X .. 4X+3 and writes their blurred silhouette to its four
// channels, so that each silhouette texel is read once for all four.
void writeAcross(std::ostringstream& out, const std::vector<double>& w, int radius)
{
    out << "void main()\n{\n"
           "    ivec2 here = ivec2(gl_FragCoord.xy);\n"
           "    int first = here.x * " << kAVShadowBlurPacking << ";\n"
           "    int last = textureSize(shadowSampler, 0).x - 1;\n"
           "    vec4 sum = vec4(0.0);\n";
    auto weight = [&w, radius](int distance) { return std::abs(distance) <= radius ? w[std::abs(distance)] : 0.0; };
    for (int offset = -radius; offset < kAVShadowBlurPacking + radius; ++offset) {
        out << "    sum += texelFetch(shadowSampler, ivec2(clamp(first + " << offset << ", 0, last), here.y), 0).a"
            << " * vec4(";
        for (int lane = 0; lane < kAVShadowBlurPacking; ++lane)
            out << (lane ? ", " : "") << weight(offset - lane);
        out << ");\n";
    }
    out << "    fragColor = sum;\n}\n";
}

// Mode 2, down, packed like the across pass: the four lanes of the texels
// above and below, summed whole. Where the layer covers all four columns
// nothing of the shadow shows: the taps are skipped there.
void writeDown(std::ostringstream& out, const std::vector<double>& w, int radius)
{
    out << "uniform sampler2D depthSampler;\n"
           "void main()\n{\n"
           "    ivec2 at = ivec2(gl_FragCoord.xy);\n"
           "    int right = textureSize(depthSampler, 0).x - 1;\n"
           "    float uncovered = 0.0;\n"
           "    for (int lane = 0; lane < " << kAVShadowBlurPacking << "; ++lane)\n"
           "        uncovered += texelFetch(depthSampler, ivec2(min(at.x * " << kAVShadowBlurPacking
        << " + lane, right), at.y), 0).r;\n"
           "    if (uncovered <= 0.0) {\n        fragColor = vec4(0.0);\n        return;\n    }\n"
           "    int last = textureSize(shadowSampler, 0).y - 1;\n"
           "    vec4 sum = texelFetch(shadowSampler, at, 0) * " << w[0] << ";\n";
    for (int i = 1; i <= radius; ++i)
        out << "    sum += (texelFetch(shadowSampler, ivec2(at.x, min(at.y + " << i << ", last)), 0)"
            << " + texelFetch(shadowSampler, ivec2(at.x, max(at.y - " << i << ", 0)), 0)) * " << w[i] << ";\n";
    out << "    fragColor = sum;\n}\n";
}

// Mode 1, composed: the fragment's own lane of the packed blur, coloured
// and weighed by the layer's footprint.
void writeCompose(std::ostringstream& out)
{
    out << "uniform sampler2D depthSampler;\nuniform float opacity;\n"
           "uniform float drawShadowOpacity;\nuniform vec4 drawShadowColor;\n"
           "void main()\n{\n"
           "    ivec2 here = ivec2(gl_FragCoord.xy);\n"
           "    int lane = here.x % " << kAVShadowBlurPacking << ";\n"
           "    vec4 lanes = texelFetch(shadowSampler, ivec2(here.x / " << kAVShadowBlurPacking << ", here.y), 0);\n"
           "    float blurred = dot(lanes, vec4(equal(ivec4(lane), ivec4(0, 1, 2, 3))));\n"
           "    float depth = texture(depthSampler, textureCoordinate).r;\n"
           "    float q = drawShadowOpacity * blurred * opacity * depth;\n"
           "    fragColor = vec4(drawShadowColor.rgb * q, q);\n}\n";
}

} // namespace

int32_t avBlurFragmentSource(int radius, float sigma, int mode, char* buffer, int32_t capacity)
{
    if (radius < 1)
        return avLoadShaderSource(nullptr, "fragment_shadow_step_2_no_blur.glsl", buffer, capacity);
    const std::vector<double> w = blurWeights(radius, sigma);
    std::ostringstream out = glslStream();
    // Targets have the output's size (the packed passes use the first
    // quarter of its columns): the fragment's own texel is the one under
    // it, and neighbours beyond the edge repeat the edge texel.
    out << "#version 150 core\nprecision highp float;\n"
           "uniform sampler2D shadowSampler;\n"
           "in vec2 textureCoordinate;\n"
           "out vec4 fragColor;\n";
    if (mode == 1)
        writeCompose(out);
    else if (mode == 2)
        writeDown(out, w, radius);
    else
        writeAcross(out, w, radius);
    return copyOut(out.str(), buffer, capacity);
}

// Costs of the engine core's per-frame arithmetic: easing curves (evaluated
// for every animated property of every layer each frame) and descrambling
// (run for every shader when a renderer is created).

#include "AVEasing.h"
#include "AVResourceText.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

static void BM_EasingCurve(benchmark::State& state)
{
    const AVEasingFunction curve = avEasingFunction(int(state.range(0)));
    double p = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(curve(p));
        p += 1e-6;
        if (p > 1.0)
            p = 0.0;
    }
}
BENCHMARK(BM_EasingCurve)->DenseRange(1, 30);

static void BM_Base64XorDecode(benchmark::State& state)
{
    std::vector<uint8_t> shader(size_t(state.range(0)));
    for (size_t i = 0; i < shader.size(); ++i)
        shader[i] = uint8_t(i * 7 + 3);
    const std::string text = base64XorEncode(shader.data(), shader.size(), nullptr);
    std::vector<uint8_t> out(shader.size());
    for (auto _ : state) {
        const int32_t size = base64XorDecode(text.data(), int(text.size()), nullptr, nullptr);
        benchmark::DoNotOptimize(base64XorDecode(text.data(), int(text.size()), out.data(), nullptr) + size);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()) * 2);
}
BENCHMARK(BM_Base64XorDecode)->Arg(4096)->Arg(32768);

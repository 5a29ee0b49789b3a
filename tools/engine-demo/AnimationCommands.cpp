#include "DemoCommands.h"

#include "AVAnimatedValues.h"
#include "AVAnimation.h"
#include "AVEasing.h"
#include "AVSegment.h"

#include <cstdio>
#include <optional>

namespace {

// The value of `--name VALUE` in the arguments, if given and numeric.
std::optional<double> option(const QStringList& arguments, const QString& name, double fallback)
{
    const int at = arguments.indexOf(name);
    if (at < 0)
        return fallback;
    bool ok = false;
    const double value = at + 1 < arguments.size() ? arguments.at(at + 1).toDouble(&ok) : 0.0;
    if (!ok) {
        std::fprintf(stderr, "engine-demo: %s needs a number\n", qPrintable(name));
        return std::nullopt;
    }
    return value;
}

void printCurve(int type, int steps)
{
    const AVEasingFunction curve = avEasingFunction(type);
    std::printf("type %2d:", type);
    for (int i = 0; i <= steps; ++i)
        std::printf(" %.6f", curve(double(i) / steps));
    std::printf("\n");
}

// A visual segment whose animation is evaluated like a layer's.
class DemoSegment : public AVSegment {
public:
    using AVSegment::AVSegment;
    void prepareAt(double time, bool, bool) override
    {
        _current = AVAnimatedValues();
        _evaluateTransitions(time - startTime());
    }
    bool isVisual() const override { return true; }
    int seekTo(double, bool) override { return 0; }
    AVAnimatedValues* currentValues() override { return &_current; }

private:
    AVAnimatedValues _current;
};

} // namespace

int runEasing(const QStringList& arguments)
{
    const std::optional<double> steps = option(arguments, "--steps", 10);
    if (!steps || *steps < 1)
        return 2;
    bool typed = false;
    const int type = arguments.value(0).toInt(&typed);
    if (typed) {
        printCurve(type, int(*steps));
        return 0;
    }
    for (int t = AVEasingQuadraticIn; t <= AVEasingBounceInOut; ++t)
        printCurve(t, int(*steps));
    return 0;
}

int runAnimate(const QStringList& arguments)
{
    const auto duration = option(arguments, "--duration", 4.0);
    const auto start = option(arguments, "--start", 0.25);
    const auto length = option(arguments, "--length", 0.5);
    const auto easing = option(arguments, "--easing", kAVDefaultEasing);
    const auto from = option(arguments, "--from", 0.0);
    const auto to = option(arguments, "--to", 90.0);
    const auto step = option(arguments, "--step", 0.25);
    if (!duration || !start || !length || !easing || !from || !to || !step || *step <= 0 || *duration <= 0)
        return 2;

    DemoSegment segment(0.0, *duration);
    auto* group = new AVAnimation(1, *start, *length);
    group->setEasing(int(*easing));
    group->setFrom(AVSlotRotate, float(*from));
    group->setTo(AVSlotRotate, float(*to));
    segment.addAnimation(group);

    std::printf("time      rotation\n");
    const int samples = int(*duration / *step + 0.5);
    for (int i = 0; i <= samples; ++i) {
        const double t = i * *step;
        segment.prepareAt(t, false, false);
        std::printf("%-9.3f %.6f\n", t, segment.currentValues()->rotation);
    }
    return 0;
}

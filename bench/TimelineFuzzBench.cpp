// Steps per second of the timeline's random-edit run, the consistency check
// after every step included, on a 100-segment project (94 captions, two
// movies, a picture and music), with the animations off and the tiles'
// slides played to their end at once, as the long runs play it. A plain
// executable: needs a display.
//
//   timeline_fuzz_bench [steps]
#include "IsolatedSettings.h"
#include "ProjectTestSupport.h"
#include "TimelineFuzz.h"
#include "WidgetAnimations.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int steps = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 200;
    IsolatedSettings settings;
    TemporaryProduct product;
    const QString name = QStringLiteral("TimelineFuzzBench");
    std::unique_ptr<FuzzWindow> window;
    const QString problem = openFuzzProject(product.projectDir(name), name, window, 94);
    if (!problem.isEmpty()) {
        std::printf("timeline_fuzz_bench: %s\n", qPrintable(problem));
        return 2;
    }
    std::printf("segments: %d\n", window->projectManager()->segmentCount());
    setAnimationsEnabled(false);
    TimelineFuzz fuzz(window, 1);
    // The first drawing of the opened project is not a step.
    if (!fuzz.settleAndCheck().isEmpty()) {
        std::printf("timeline_fuzz_bench: the opened project is not consistent\n");
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    const QStringList violations = fuzz.run(steps);
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    std::printf("%d steps in %.2f s: %.1f steps per second%s\n", int(fuzz.commands().size()), seconds,
                double(fuzz.commands().size()) / seconds, violations.isEmpty() ? "" : " (stopped at a violation)");
    if (!violations.isEmpty())
        std::printf("%s\ncommands:\n%s\n", qPrintable(violations.join('\n')), qPrintable(fuzz.commands().join('\n')));
    return violations.isEmpty() ? 0 : 1;
}

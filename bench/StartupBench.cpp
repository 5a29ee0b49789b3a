// Start-up as the user sees it, on a display of its own: from launching the
// program on a first run (settings empty, example projects copied) to its
// first shown window, and from launching a later start with a project file
// to the running instance's question about importing it. Windows are found
// by polling xdotool every 20 ms, which adds up to some 30 ms to each figure.
// A plain executable; it needs Xvfb and xdotool but no display of its own.
#include "ProgramSession.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 5;
constexpr int kWaitMs = 30000;

struct Figures
{
    std::vector<double> seconds;
    bool failed = false;
};

void print(const char* what, Figures figures, double target)
{
    if (figures.failed || figures.seconds.empty()) {
        std::printf("%-44s failed\n", what);
        return;
    }
    std::sort(figures.seconds.begin(), figures.seconds.end());
    std::printf("%-44s median %.3f s  min %.3f s  max %.3f s  (target under %.1f s)\n", what,
                figures.seconds[figures.seconds.size() / 2], figures.seconds.front(), figures.seconds.back(), target);
}

QString programWindow(const ProgramSession& session)
{
    return session.waitForWindow([&] { return session.windowsOfClass("vidorna"); }, kWaitMs);
}

Figures firstStarts()
{
    Figures figures;
    for (int run = 0; run < kRuns && !figures.failed; ++run) {
        ProgramSession session(VIDORNA_PROGRAM);
        if (!session.start().isEmpty())
            return {{}, true};
        QElapsedTimer timer;
        timer.start();
        session.launch();
        figures.failed = programWindow(session).isEmpty();
        figures.seconds.push_back(timer.nsecsElapsed() / 1e9);
    }
    return figures;
}

Figures handOvers()
{
    ProgramSession session(VIDORNA_PROGRAM);
    const QString file = session.root() + "/trip.vidornaproject";
    QFile archive(file);
    if (!session.start().isEmpty() || !archive.open(QIODevice::WriteOnly))
        return {{}, true};
    session.launch();
    if (programWindow(session).isEmpty())
        return {{}, true};
    Figures figures;
    for (int run = 0; run < kRuns && !figures.failed; ++run) {
        QElapsedTimer timer;
        timer.start();
        session.launch({file});
        const QString question =
            session.waitForWindow([&] { return session.windowsNamed("Import Project"); }, kWaitMs);
        figures.seconds.push_back(timer.nsecsElapsed() / 1e9);
        figures.failed = question.isEmpty() || !session.pressKey(question, "Escape")
                         || !waitUntil([&] { return session.windowsNamed("Import Project").isEmpty(); }, kWaitMs);
    }
    return figures;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const Figures starts = firstStarts();
    const Figures handedOver = handOvers();
    print("first run, launch to first shown window", starts, 1.5);
    print("later start, launch to the import question", handedOver, 1.0);
    return starts.failed || handedOver.failed ? 1 : 0;
}

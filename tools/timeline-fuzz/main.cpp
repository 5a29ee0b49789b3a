// Plays the seeded random-edit run of the timeline outside the tests, with
// the consistency check after every step. On a violation it prints the
// violations and the commands up to the failing step, so that the finding
// can be replayed as a test.
//
//   timeline-fuzz --seed N --steps K [--pause MS] [--animated]
//   timeline-fuzz --seeds FIRST-LAST --steps K [--pause MS] [--out DIR]
//   timeline-fuzz --replay FILE [--pause MS] [--animated]
//   timeline-fuzz --shrink FILE [--pause MS]
//
// A replay plays the commands of the file (one a line, as printed) instead
// of random ones. A range of seeds prints one line per failing seed and
// writes its commands to "seed-N.txt" in the output folder (the current one
// by default). A shrink drops commands from the file's list while the
// shorter list still fails the same way (the same kind of violation after
// the same kind of command), and writes the shortest list it found beside
// the file as FILE.short.
//
// --pause waits that long after every command before the check, as a
// person leaves time between edits (the window's delayed steps run then);
// without it the commands come back to back.
//
// With the animations off, as in the long test runs, the check plays the
// tiles' slides to their end at once; --animated lets them slide as on
// screen (slower, and other timings).
//
// Needs a display (the window and its preview run for real); exits 0 when
// every step was clean, 1 on a violation, 2 when the run could not start.
// It runs under the program's application class, as the tests do: a
// closing asked for inside a step that turns the event loop is put off as
// in the program.
#include "IsolatedSettings.h"
#include "ProjectTestSupport.h"
#include "SteppedApplication.h"
#include "TimelineFuzz.h"
#include "WidgetAnimations.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {

struct Outcome {
    bool started = false;
    QStringList violations;
    QStringList commands;
};

// One run in a project of its own: random with commands empty, else a replay.
Outcome playOnce(uint seed, int steps, const QStringList& commands, int pauseMs)
{
    TemporaryProduct product;
    const QString name = QStringLiteral("TimelineFuzz");
    std::unique_ptr<FuzzWindow> window;
    Outcome outcome;
    if (!openFuzzProject(product.projectDir(name), name, window).isEmpty())
        return outcome;
    outcome.started = true;
    TimelineFuzz fuzz(window, seed);
    fuzz.setPauseMs(pauseMs);
    outcome.violations = commands.isEmpty() ? fuzz.run(steps) : fuzz.replay(commands);
    outcome.commands = fuzz.commands();
    return outcome;
}

QStringList readCommands(const QString& path, bool* ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly | QIODevice::Text);
    return *ok ? QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts) : QStringList();
}

bool writeCommands(const QString& path, const QStringList& commands)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    file.write((commands.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return true;
}

// What a failure is known by: the kind of its first violation and the verb
// of the command that made it ("overlap on a track / move").
QString failureOf(const Outcome& outcome)
{
    if (!outcome.started || outcome.violations.isEmpty() || outcome.commands.isEmpty())
        return QString();
    return TimelineFuzz::invariantOf(outcome.violations.first()) + QStringLiteral(" / ")
        + outcome.commands.last().section(QLatin1Char(' '), 0, 0);
}

// Whether the list still fails the same way.
bool failsAs(const QStringList& commands, const QString& failure, int pauseMs)
{
    return failureOf(playOnce(1, 0, commands, pauseMs)) == failure;
}

// Drops ever smaller runs of commands while the rest still fails the same way.
QStringList shrink(QStringList commands, const QString& failure, int pauseMs, QTextStream& out)
{
    for (int chunk = std::max(1, int(commands.size()) / 2); chunk >= 1; chunk /= 2) {
        for (int from = int(commands.size()) - chunk; from >= 0; from -= chunk) {
            QStringList shorter = commands;
            shorter.erase(shorter.begin() + from, shorter.begin() + from + chunk);
            if (failsAs(shorter, failure, pauseMs)) {
                commands = shorter;
                out << commands.size() << " commands still fail\n";
                out.flush();
            }
        }
        if (chunk == 1)
            break;
    }
    return commands;
}

int runSeeds(uint first, uint last, int steps, int pauseMs, const QString& outDir, QTextStream& out)
{
    int failing = 0;
    for (uint seed = first; seed <= last; ++seed) {
        const Outcome outcome = playOnce(seed, steps, {}, pauseMs);
        if (!outcome.started) {
            out << "seed " << seed << ": the run could not start\n";
            ++failing;
        } else if (!outcome.violations.isEmpty()) {
            const QString file = QDir(outDir).filePath(QStringLiteral("seed-%1.txt").arg(seed));
            writeCommands(file, outcome.commands);
            out << "seed " << seed << ": " << outcome.violations.first() << " (replay: " << file << ")\n";
            ++failing;
        } else {
            out << "seed " << seed << ": " << outcome.commands.size() << " steps, no violation\n";
        }
        out.flush();
    }
    out << failing << " of " << (last - first + 1) << " seeds failed\n";
    return failing == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    SteppedApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed of the run."),
                                        QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption seedsOption(QStringLiteral("seeds"), QStringLiteral("Seeds to run, FIRST-LAST."),
                                         QStringLiteral("FIRST-LAST"));
    const QCommandLineOption stepsOption(QStringLiteral("steps"), QStringLiteral("Commands to play."),
                                         QStringLiteral("K"), QStringLiteral("200"));
    const QCommandLineOption pauseOption(QStringLiteral("pause"), QStringLiteral("Milliseconds after each command."),
                                         QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption animatedOption(QStringLiteral("animated"), QStringLiteral("Let the tiles slide."));
    const QCommandLineOption replayOption(QStringLiteral("replay"), QStringLiteral("Commands to replay."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption shrinkOption(QStringLiteral("shrink"), QStringLiteral("Failing commands to shorten."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Folder for the failing seeds' commands."),
                                       QStringLiteral("DIR"), QStringLiteral("."));
    parser.addOptions({seedOption, seedsOption, stepsOption, pauseOption, animatedOption, replayOption, shrinkOption,
                       outOption});
    parser.process(app);
    bool seedOk = false;
    bool stepsOk = false;
    bool pauseOk = false;
    const uint seed = parser.value(seedOption).toUInt(&seedOk);
    const int steps = parser.value(stepsOption).toInt(&stepsOk);
    const int pauseMs = parser.value(pauseOption).toInt(&pauseOk);
    QTextStream out(stdout);
    if (!seedOk || !stepsOk || steps < 0 || !pauseOk || pauseMs < 0) {
        out << "--seed, --steps and --pause take non-negative whole numbers\n";
        return 2;
    }

    IsolatedSettings settings;
    setAnimationsEnabled(parser.isSet(animatedOption));
    if (parser.isSet(seedsOption)) {
        const QStringList range = parser.value(seedsOption).split(QLatin1Char('-'));
        bool firstOk = false;
        bool lastOk = false;
        const uint first = range.value(0).toUInt(&firstOk);
        const uint last = range.value(1).toUInt(&lastOk);
        if (range.size() != 2 || !firstOk || !lastOk || last < first) {
            out << "--seeds takes FIRST-LAST with FIRST <= LAST\n";
            return 2;
        }
        return runSeeds(first, last, steps, pauseMs, parser.value(outOption), out);
    }

    const bool shrinking = parser.isSet(shrinkOption);
    QStringList replayed;
    if (shrinking || parser.isSet(replayOption)) {
        const QString path = parser.value(shrinking ? shrinkOption : replayOption);
        bool read = false;
        replayed = readCommands(path, &read);
        if (!read) {
            out << "the commands could not be read: " << path << "\n";
            return 2;
        }
    }
    const Outcome outcome = playOnce(seed, steps, replayed, pauseMs);
    if (!outcome.started) {
        out << "the run could not start\n";
        return 2;
    }
    if (outcome.violations.isEmpty()) {
        out << "seed " << seed << ": " << outcome.commands.size() << " steps, no violation\n";
        return 0;
    }
    out << "seed " << seed << ": " << outcome.violations.join('\n') << "\ncommands:\n" << outcome.commands.join('\n')
        << "\n";
    if (shrinking) {
        const QStringList shortest = shrink(outcome.commands, failureOf(outcome), pauseMs, out);
        const QString file = parser.value(shrinkOption) + QStringLiteral(".short");
        writeCommands(file, shortest);
        out << "shortest list (" << shortest.size() << " commands, in " << file << "):\n" << shortest.join('\n')
            << "\n";
    }
    return 1;
}

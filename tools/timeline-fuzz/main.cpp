// Plays the seeded random-edit run of the timeline outside the tests, with
// the consistency check after every step. On a violation it prints the
// violations and the commands up to the failing step, so that the finding
// can be replayed as a test.
//
//   timeline-fuzz --seed N --steps K [--animated]
//   timeline-fuzz --replay FILE [--animated]
//
// A replay plays the commands of the file (one a line, as printed) instead
// of random ones, to shorten a finding.
//
// Tiles jump to their places as in the long test runs; --animated lets
// them slide as on screen (slower, and other timings).
//
// Needs a display (the window and its preview run for real); exits 0 when
// every step was clean, 1 on a violation, 2 when the run could not start.
#include "IsolatedSettings.h"
#include "ProjectTestSupport.h"
#include "TimelineFuzz.h"
#include "WidgetAnimations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QTextStream>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed of the run."),
                                        QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption stepsOption(QStringLiteral("steps"), QStringLiteral("Commands to play."),
                                         QStringLiteral("K"), QStringLiteral("200"));
    const QCommandLineOption animatedOption(QStringLiteral("animated"), QStringLiteral("Let the tiles slide."));
    parser.addOption(seedOption);
    parser.addOption(stepsOption);
    const QCommandLineOption replayOption(QStringLiteral("replay"), QStringLiteral("Commands to replay."),
                                          QStringLiteral("FILE"));
    parser.addOption(animatedOption);
    parser.addOption(replayOption);
    parser.process(app);
    bool seedOk = false;
    bool stepsOk = false;
    const uint seed = parser.value(seedOption).toUInt(&seedOk);
    const int steps = parser.value(stepsOption).toInt(&stepsOk);
    QTextStream out(stdout);
    if (!seedOk || !stepsOk || steps < 0) {
        out << "--seed and --steps take non-negative whole numbers\n";
        return 2;
    }
    QStringList replayed;
    if (parser.isSet(replayOption)) {
        QFile file(parser.value(replayOption));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            out << "the commands could not be read: " << file.fileName() << "\n";
            return 2;
        }
        replayed = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    IsolatedSettings settings;
    TemporaryProduct product;
    const QString name = QStringLiteral("TimelineFuzz");
    std::unique_ptr<FuzzWindow> window;
    const QString problem = openFuzzProject(product.projectDir(name), name, window);
    if (!problem.isEmpty()) {
        out << "the run could not start: " << problem << "\n";
        return 2;
    }
    setAnimationsEnabled(parser.isSet(animatedOption));
    TimelineFuzz fuzz(window, seed);
    const QStringList violations = replayed.isEmpty() ? fuzz.run(steps) : fuzz.replay(replayed);
    if (violations.isEmpty()) {
        out << "seed " << seed << ": " << fuzz.commands().size() << " steps, no violation\n";
        return 0;
    }
    out << "seed " << seed << ": " << violations.join('\n') << "\ncommands:\n" << fuzz.commands().join('\n') << "\n";
    return 1;
}

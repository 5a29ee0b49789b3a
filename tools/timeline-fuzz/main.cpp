// Plays the seeded random-edit run of the timeline outside the tests, with
// the consistency check after every step. On a violation it prints the
// violations and the commands up to the failing step, so that the finding
// can be replayed as a test.
//
//   timeline-fuzz --seed N --steps K
//
// Needs a display (the window and its preview run for real); exits 0 when
// every step was clean, 1 on a violation, 2 when the run could not start.
#include "IsolatedSettings.h"
#include "ProjectTestSupport.h"
#include "TimelineFuzz.h"

#include <QApplication>
#include <QCommandLineParser>
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
    parser.addOption(seedOption);
    parser.addOption(stepsOption);
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

    IsolatedSettings settings;
    TemporaryProduct product;
    const QString name = QStringLiteral("TimelineFuzz");
    std::unique_ptr<FuzzWindow> window;
    const QString problem = openFuzzProject(product.projectDir(name), name, window);
    if (!problem.isEmpty()) {
        out << "the run could not start: " << problem << "\n";
        return 2;
    }
    TimelineFuzz fuzz(*window, seed);
    const QStringList violations = fuzz.run(steps);
    if (violations.isEmpty()) {
        out << "seed " << seed << ": " << steps << " steps, no violation\n";
        return 0;
    }
    out << "seed " << seed << ": " << violations.join('\n') << "\ncommands:\n" << fuzz.commands().join('\n') << "\n";
    return 1;
}

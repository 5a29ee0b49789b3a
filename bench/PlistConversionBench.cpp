// Converting a 2,000-segment keyed-archive project (written by Python's
// plistlib) into "project.xml", as opening an old project does once; the
// reading alone is measured beside it. The target is well under a second.

#include "PlistReader.h"
#include "PlistXmlConverter.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>

namespace {

constexpr int kSegments = 2000;

// The folder holding "project.plist"; empty when it could not be written.
QString benchProjectFolder()
{
    static QTemporaryDir folder;
    static const bool written = [] {
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty())
            return false;
        QProcess script;
        script.setProcessChannelMode(QProcess::ForwardedChannels);
        script.start(python, {QStringLiteral(PLIST_FIXTURE_SCRIPT), folder.path(), QString::number(kSegments)});
        return script.waitForFinished(120000) && script.exitStatus() == QProcess::NormalExit && script.exitCode() == 0;
    }();
    return written ? folder.path() : QString();
}

// The path of the folder's file; false (the benchmark skipped) without one.
bool benchFile(benchmark::State& state, const char* name, std::string* path)
{
    const QString folder = benchProjectFolder();
    if (folder.isEmpty())
        state.SkipWithError("python3 could not write the property list");
    *path = (folder + "/" + name).toStdString();
    return !folder.isEmpty();
}

void BM_ReadProjectPlist(benchmark::State& state)
{
    std::string path;
    if (!benchFile(state, "project.plist", &path))
        return;
    for (auto _ : state) {
        Plist::Dictionary archive;
        Plist::readPlist(path, archive);
        benchmark::DoNotOptimize(archive.size());
    }
}
BENCHMARK(BM_ReadProjectPlist)->Unit(benchmark::kMillisecond);

void BM_ConvertProjectPlist(benchmark::State& state)
{
    std::string plist, xml;
    if (!benchFile(state, "project.plist", &plist) || !benchFile(state, "project.xml", &xml))
        return;
    std::array<char, 1024> error{};
    for (auto _ : state) {
        if (convertProjectPlistToXml(plist, xml, error.data(), int32_t(error.size())) != 0) {
            state.SkipWithError(error.data());
            break;
        }
    }
}
BENCHMARK(BM_ConvertProjectPlist)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

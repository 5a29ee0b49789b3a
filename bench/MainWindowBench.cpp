// The editing window's project chores: tidying a folder of 2,000 files for
// a project of 1,000 segments on closing, and the insert-mode ripple when
// the first of 500 segments on one track is trimmed at its front.

#include "MainWindow.h"
#include "ProjectManager.h"
#include "TextSegment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kFiles = 2000;
constexpr int kSegments = 1000;
constexpr int kRippleSegments = 500;
const QString kName = QStringLiteral("Bench");

class BenchWindow : public MainWindow
{
public:
    using MainWindow::MainWindow;
    using MainWindow::_applySegmentTiming;
    using MainWindow::_cleanProjectFolder;

    void beginEditing(const Segment* segment)
    {
        _previousRangeStart = segment->rangeStart();
        _previousRangeEnd = segment->rangeStart() + segment->duration();
    }
};

// Half the files belong to segments, the other half are left over and go.
void makeFiles(const QString& folder)
{
    for (int index = 0; index < kFiles; ++index) {
        QFile file(folder + QStringLiteral("/media-%1.png").arg(index));
        if (!file.open(QIODevice::WriteOnly))
            return;
    }
}

void BM_CleanProjectFolder(benchmark::State& state)
{
    QTemporaryDir product;
    ProjectManager::setWorkingFolder(product.path());
    const QString folder = ProjectManager::projectDirectory(kName, QString());
    QDir().mkpath(folder);
    BenchWindow window(kName, QString());
    for (int index = 0; index < kSegments; ++index) {
        auto* segment = new TextSegment(QStringLiteral("t"), float(index), 1.0f, &window, nullptr);
        segment->setFilePath(folder + QStringLiteral("/media-%1.png").arg(index * 2));
        window.projectManager()->appendSegment(segment, nullptr);
    }
    // As at a close: the tidy reads what the saved project names.
    if (window.projectManager()->saveSegments(kName, QString()) != 0)
        state.SkipWithError("the project could not be saved");
    for (auto _ : state) {
        state.PauseTiming();
        makeFiles(folder);
        state.ResumeTiming();
        window._cleanProjectFolder();
    }
    if (QDir(folder).entryList({QStringLiteral("media-*.png")}, QDir::Files).size() != kSegments)
        state.SkipWithError("the tidy kept the wrong files");
    ProjectManager::setWorkingFolder(QString());
}
BENCHMARK(BM_CleanProjectFolder)->Unit(benchmark::kMillisecond);

void BM_InsertModeRipple(benchmark::State& state)
{
    QTemporaryDir product;
    ProjectManager::setWorkingFolder(product.path());
    BenchWindow window(kName, QString());
    std::vector<TextSegment*> segments;
    for (int index = 0; index < kRippleSegments; ++index) {
        auto* segment = new TextSegment(QStringLiteral("t"), index * 4.0f, 4.0f, &window, nullptr);
        segment->setTrackId(1);
        window.projectManager()->appendSegment(segment, nullptr);
        segments.push_back(segment);
    }
    TextSegment* first = segments.front();
    bool trimmed = true;
    for (auto _ : state) {
        // Alternately trim one second off the front (the track closes up)
        // and lengthen the end by one (the track opens again).
        window.beginEditing(first);
        if (trimmed)
            first->setStartTime(first->rangeStart() + 1.0f);
        else
            first->setEndTime(first->rangeStart() + first->duration() + 1.0f);
        benchmark::DoNotOptimize(window._applySegmentTiming(first, false));
        trimmed = !trimmed;
    }
    ProjectManager::setWorkingFolder(QString());
}
BENCHMARK(BM_InsertModeRipple)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

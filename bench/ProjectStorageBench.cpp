// Costs of project storage on a 1,000-segment project: reading "project.xml"
// into records and segments (opening a project), writing it (every save and
// autosave) and writing one undo snapshot (before every edit).

#include "LayerSegment.h"
#include "ProjectManager.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kSegments = 1000;
const QString kName = QStringLiteral("Bench");

// A segment with the properties an edited layer carries, and two transitions.
Segment* editedSegment(int index)
{
    auto* segment = new LayerSegment(nullptr);
    segment->setType(QStringLiteral("IMAGE"));
    segment->setTrackId(1 + index % 4);
    segment->setRangeStart(float(index) * 0.75f);
    segment->setRangeDuration(3.0f);
    segment->setUserScale(QPointF(0.8, 0.8));
    segment->setUserTranslation(QPointF(0.1 * (index % 7), -0.05));
    segment->setUserRotation(0.25 * (index % 5));
    segment->setUserAnchorPoint(QPointF(0.5, 0.5));
    segment->setCropTopLeft(QPointF(0.05, 0.05));
    segment->setCropBottomRight(QPointF(0.95, 0.95));
    segment->setClrBrightness(index % 20);
    segment->setClrContrast(5);
    segment->setClrSaturation(-3);
    segment->setCornerRadiusFraction(0.02f);
    segment->setBorderColor(0xff336699);
    segment->setBorderWidthFraction(0.01f);
    segment->setShadowColor(0x80000000);
    segment->setShadowOpacity(0.5f);
    segment->setKeyColor(0xff00ff00);
    segment->setUserTransparency(0.1f);
    Segment::setStringAttribute(segment->attributes(), QStringLiteral("Path"),
                                QStringLiteral("picture-%1.png").arg(index));
    segment->addTransitionAtTime(0.5f, segment->rangeStart());
    segment->addTransitionAtTime(0.5f, segment->rangeStart() + 2.0f);
    return segment;
}

// A product folder holding one project with the segments.
struct BenchProject {
    QTemporaryDir product;
    ProjectManager manager;

    BenchProject()
    {
        ProjectManager::setWorkingFolder(product.path());
        manager.setProjectName(kName);
        for (int i = 0; i < kSegments; ++i)
            manager.appendSegment(editedSegment(i), nullptr);
    }
};

void BM_SaveProject(benchmark::State& state)
{
    BenchProject project;
    for (auto _ : state) {
        if (project.manager.saveSegments(kName, QString()) != 0) {
            state.SkipWithError("saving failed");
            break;
        }
    }
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);

void BM_LoadProject(benchmark::State& state)
{
    BenchProject project;
    if (project.manager.saveSegments(kName, QString()) != 0)
        state.SkipWithError("saving failed");
    for (auto _ : state) {
        SegmentRecords records;
        if (ProjectManager::loadSegments(records, kName, QString()) != 0) {
            state.SkipWithError("loading failed");
            break;
        }
        ProjectManager opened;
        for (auto& record : records)
            opened.appendSegment(new LayerSegment(std::move(record), nullptr), nullptr);
        benchmark::DoNotOptimize(opened.segmentCount());
    }
}
BENCHMARK(BM_LoadProject)->Unit(benchmark::kMillisecond);

void BM_UndoSnapshot(benchmark::State& state)
{
    BenchProject project;
    for (auto _ : state) {
        if (project.manager.recordSnapshot(kName, QString()) != 0) {
            state.SkipWithError("snapshot failed");
            break;
        }
        state.PauseTiming();
        // Keep the history at one entry, as a run of single edits after an undo does.
        project.manager.dropLastSnapshot();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoSnapshot)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Drawing editing of a 3840 x 2160 drawing in the editing window: from the
// edit command until the canvas with the drawing is shown over the preview,
// and from Done until the new PNG file is written and the engine has it.
// Run it under xvfb-run: the window and its preview are on screen.

#include "BenchLoadedProject.h"
#include "CanvasWidget.h"
#include "DrawingSegment.h"

#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRounds = 5;

class DrawingBenchWindow : public BenchEditingWindow
{
public:
    using BenchEditingWindow::BenchEditingWindow;
    using MainWindow::_beginDrawingEditing;
    using MainWindow::_endDrawingEditing;
    CanvasWidget* canvas() const { return _canvas; }
};

bool writeDrawingProject(const QString& dir)
{
    if (!benchMakeMedia(dir + "/drawingImage-1.png",
                        {"-f", "lavfi", "-i", "testsrc2=s=3840x2160:d=1", "-frames:v", "1", "-pix_fmt", "rgba"}))
        return false;
    return benchWriteProject(dir, [](QXmlStreamWriter& writer) {
        SegmentAttributes record;
        Segment::setStringAttribute(&record, QStringLiteral("Type"), QStringLiteral("DRAWING"));
        Segment::setStringAttribute(&record, QStringLiteral("File"), QStringLiteral("drawingImage-1.png"));
        Segment::setStringAttribute(&record, QStringLiteral("DrawSize"), QStringLiteral("{3840,2160}"));
        Segment::setIntAttribute(&record, QStringLiteral("TrackId"), 1);
        Segment::setFloatAttribute(&record, QStringLiteral("RangeStart"), 0.0f);
        Segment::setFloatAttribute(&record, QStringLiteral("RangeDuration"), 4.0f);
        Segment::saveToXml(record, writer);
        return true;
    });
}

void report(const char* what, std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    std::printf("%-34s median %8.1f ms   max %8.1f ms   (%zu rounds)\n", what, values[values.size() / 2],
                values.back(), values.size());
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QTemporaryDir product;
    qputenv("XDG_CACHE_HOME", product.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    const QString dir = benchMakeProjectFolder(product, QStringLiteral("Bench"));
    if (!writeDrawingProject(dir)) {
        std::fprintf(stderr, "drawing_editing_bench: could not write the project\n");
        return 1;
    }
    DrawingBenchWindow window(QStringLiteral("Bench"));
    if (benchLoadProject(window, 1, 60000) < 0) {
        std::fprintf(stderr, "drawing_editing_bench: the project did not load (no OpenGL context?)\n");
        return 1;
    }
    auto* drawing = dynamic_cast<DrawingSegment*>(window.projectManager()->segmentAt(0));
    auto* tile = qobject_cast<SegmentWidget*>(window.projectManager()->segmentWidgetFor(drawing));
    if (!drawing || !tile) {
        std::fprintf(stderr, "drawing_editing_bench: no drawing tile\n");
        return 1;
    }
    window.timeline()->setSelectedSegmentWidget(tile);

    std::vector<double> shows;
    std::vector<double> saves;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        window._beginDrawingEditing(drawing);
        if (!benchProcessEventsUntil([&] { return window.canvas() && window.canvas()->isVisible(); }, 5000)) {
            std::fprintf(stderr, "drawing_editing_bench: the canvas did not show\n");
            return 1;
        }
        QCoreApplication::processEvents();
        shows.push_back(clock.nsecsElapsed() / 1e6);
        const QString before = drawing->absoluteFilePath();
        clock.restart();
        window._endDrawingEditing(true);
        saves.push_back(clock.nsecsElapsed() / 1e6);
        if (drawing->absoluteFilePath() == before || !QFileInfo::exists(drawing->absoluteFilePath())) {
            std::fprintf(stderr, "drawing_editing_bench: Done wrote no new file\n");
            return 1;
        }
        benchProcessEventsUntil([] { return false; }, 300);
    }
    report("Edit Drawing to canvas shown", shows);
    report("Done to PNG saved", saves);
    window._finishClosing();
    return 0;
}

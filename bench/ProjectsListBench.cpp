// Scanning and listing a projects directory of 300 projects, the first paint
// of the list (which loads the visible covers) and a repaint, which must not
// need a file: the covers are removed from disk before it and the picture
// has to come out the same. A plain executable; run it under xvfb-run.
#include "BenchSupport.h"
#include "ProjectEntryList.h"
#include "ProjectManager.h"
#include "ProjectsListWidget.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

namespace {

constexpr int kProjects = 300;
constexpr int kRuns = 15;

bool makeProjects(const QString& projects, const QString& cover)
{
    for (int i = 0; i < kProjects; ++i) {
        const QString directory = projects + QString("/Project %1").arg(i, 3, 10, QChar('0'));
        QFile xml(directory + "/project.xml");
        if (!QDir().mkpath(directory) || !xml.open(QIODevice::WriteOnly) || !QFile::copy(cover, directory + "/shot.jpg"))
            return false;
        xml.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Project/>");
    }
    return true;
}

double medianMs(const std::function<void()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir root;
    const QString cover = benchWorkFolder(argc, argv) + "/projects-list-cover.jpg";
    if (!benchMakeMedia(cover, {"-f", "lavfi", "-i", "testsrc2=s=640x360", "-frames:v", "1"})) {
        std::fprintf(stderr, "projects_list_bench: ffmpeg cannot make the cover\n");
        return 1;
    }
    ProjectManager::setWorkingFolder(root.path() + "/Vidorna");
    const QString projects = ProjectManager::projectsDirectory();
    if (projects.isEmpty() || !makeProjects(projects, cover)) {
        std::fprintf(stderr, "projects_list_bench: cannot make the projects\n");
        return 1;
    }

    ProjectEntryList entries;
    const double scanMs = medianMs([&] { entries.scan(projects, true); });

    ProjectsListWidget list(nullptr);
    list.resize(1280, 800);
    list.show();
    QCoreApplication::processEvents();
    // Listing includes laying the tiles out, which the view otherwise defers.
    const auto listAndLayOut = [&list] {
        list.reload();
        list.doItemsLayout();
    };
    const double listMs = medianMs(listAndLayOut);

    listAndLayOut();
    QElapsedTimer timer;
    timer.start();
    const QImage first = list.viewport()->grab().toImage();
    const double firstPaintMs = timer.nsecsElapsed() / 1e6;

    for (int i = 0; i < kProjects; ++i)
        QFile::remove(projects + QString("/Project %1/shot.jpg").arg(i, 3, 10, QChar('0')));
    QImage again;
    const double repaintMs = medianMs([&] { again = list.viewport()->grab().toImage(); });

    std::printf("projects listed: %d (+ the new-movie tile)\n", entries.size() - 1);
    std::printf("scan of %d projects: %.2f ms (median of %d)\n", kProjects, scanMs, kRuns);
    std::printf("scan and list (reload): %.2f ms (median of %d)\n", listMs, kRuns);
    std::printf("first paint, %d x %d, covers loaded: %.2f ms\n", first.width(), first.height(), firstPaintMs);
    // A picture of the background alone would prove nothing.
    const bool drawn = first.pixelColor(100, 60) != first.pixelColor(first.width() - 1, first.height() - 1);
    const bool same = drawn && first == again;
    std::printf("repaint with the covers gone from disk: %.2f ms (median of %d), same picture: %s\n", repaintMs,
                kRuns, same ? "yes" : "NO");
    return same ? 0 : 1;
}

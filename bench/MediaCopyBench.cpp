// Copying a 1 GiB file into a project folder the way an added file is
// copied (a thread of its own, the window polling it), against `cp` of the
// same file on the same file system. Prints both wall times and the ratio.
// Usage: media_copy_bench [work folder]

#include "BenchSupport.h"
#include "MainWindow.h"
#include "ProjectManager.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>

namespace {

constexpr qint64 kFileBytes = qint64(1) << 30;
constexpr int kRounds = 3;
const QString kName = QStringLiteral("CopyBench");

class BenchWindow : public MainWindow
{
public:
    using MainWindow::MainWindow;
    using MainWindow::_copyMediaIntoProject;
};

bool makeSource(const QString& path)
{
    if (QFileInfo(path).size() == kFileBytes)
        return true;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(1 << 20, '\0');
    for (int index = 0; index < block.size(); ++index)
        block[index] = char(index * 31 + 7);
    for (qint64 written = 0; written < kFileBytes; written += block.size()) {
        if (file.write(block) != block.size())
            return false;
    }
    return true;
}

// Writes back what earlier copies left dirty, so that neither copy is
// throttled by the other's write-back.
void settleWrites()
{
    QProcess::execute(QStringLiteral("sync"), {});
}

double copyWithCp(const QString& source, const QString& destination)
{
    settleWrites();
    QElapsedTimer clock;
    clock.start();
    const int code = QProcess::execute(QStringLiteral("cp"), {source, destination});
    const double seconds = clock.nsecsElapsed() / 1e9;
    return code == 0 ? seconds : -1.0;
}

double copyIntoProject(BenchWindow& window, const QString& source, const QString& folder)
{
    settleWrites();
    QElapsedTimer clock;
    clock.start();
    const QString copy = window._copyMediaIntoProject(source, folder);
    const double seconds = clock.nsecsElapsed() / 1e9;
    const bool whole = !copy.isNull() && QFileInfo(copy).size() == kFileBytes;
    QFile::remove(copy);
    return whole ? seconds : -1.0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QString work = benchWorkFolder(argc, argv);
    const QString source = work + QStringLiteral("/copy-source-1g.bin");
    if (!makeSource(source)) {
        std::printf("media_copy_bench: cannot write the 1 GiB source in %s\n", qPrintable(work));
        return 1;
    }
    ProjectManager::setWorkingFolder(work);
    const QString folder = ProjectManager::projectDirectory(kName, QString());
    QDir().mkpath(folder);
    BenchWindow window(kName, QString());
    const QString cpTarget = folder + QStringLiteral("/cp-copy.bin");
    // Both read a source the page cache holds after a first pass.
    copyWithCp(source, cpTarget);
    QFile::remove(cpTarget);
    double bestCp = 1e9;
    double bestProject = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        const double cp = copyWithCp(source, cpTarget);
        QFile::remove(cpTarget);
        const double project = copyIntoProject(window, source, folder);
        if (cp < 0.0 || project < 0.0) {
            std::printf("media_copy_bench: a copy failed\n");
            return 1;
        }
        std::printf("round %d: cp %.3f s, into the project %.3f s\n", round + 1, cp, project);
        bestCp = std::min(bestCp, cp);
        bestProject = std::min(bestProject, project);
    }
    std::printf("1 GiB copy: cp %.3f s, into the project %.3f s, ratio %.2f (best of %d)\n", bestCp, bestProject,
                bestProject / bestCp, kRounds);
    QDir(folder).removeRecursively();
    ProjectManager::setWorkingFolder(QString());
    return 0;
}

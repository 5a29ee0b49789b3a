// Project archive throughput: a 500 MB project (half its media in the
// project folder, half referenced from elsewhere) is exported into an
// archive and imported back, each on its thread as the projects browser runs
// them. Reports MB/s of project data and the growth of peak resident memory
// during each run, which must stay flat (one copy buffer, whatever the size).
// The project is made at run time in a temporary folder ($TMPDIR).

#include "ArchiveExporter.h"
#include "ArchiveImporter.h"
#include "ProjectArchiveFormat.h"
#include "ProjectManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>

namespace {

constexpr int kFiles = 20;
constexpr qint64 kFileBytes = 25 * 1000 * 1000;
constexpr qint64 kProjectBytes = kFiles * kFileBytes;
const QString kName = QStringLiteral("Bench");

// A value of /proc/self/status in KiB ("VmRSS", "VmHWM"); -1 when unknown.
qint64 statusKiB(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(line.indexOf(':') + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Lets the peak resident size start again from the current one.
void resetPeakMemory()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

bool writeMediaFile(const QString& path, QByteArray& chunk)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (qint64 written = 0; written < kFileBytes; written += chunk.size()) {
        // Each chunk differs, so nothing on the way can shortcut repeated data.
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(chunk.data()), 16);
        const qint64 size = std::min<qint64>(chunk.size(), kFileBytes - written);
        if (file.write(chunk.constData(), size) != size)
            return false;
    }
    return true;
}

// Half of the media in the project folder, half referenced by absolute path.
bool makeProject(const QString& projectDir, const QString& externalDir)
{
    QByteArray chunk(int(ProjectArchiveFormat::chunkBytes), Qt::Uninitialized);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(chunk.data()), chunk.size() / 4);
    QByteArray document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project>\n";
    for (int i = 0; i < kFiles; ++i) {
        const bool own = i % 2 == 0;
        const QString name = QStringLiteral("clip-%1.mp4").arg(i, 2, 10, QLatin1Char('0'));
        const QString path = QDir(own ? projectDir : externalDir).filePath(name);
        if (!writeMediaFile(path, chunk))
            return false;
        document += QStringLiteral("    <Segment Type=\"MOVIE\" TrackId=\"1\" RangeStart=\"%1\" File=\"%2\"/>\n")
                        .arg(i * 3)
                        .arg(own ? name : path)
                        .toUtf8();
    }
    QFile project(QDir(projectDir).filePath(QStringLiteral("project.xml")));
    return project.open(QIODevice::WriteOnly) && project.write(document + "</Project>\n") > 0;
}

struct Run {
    int lastMessage = 0;
    QVariant lastData;
    double seconds = 0;
    double copySeconds = 0;
    qint64 peakGrowthKiB = 0;
};

template <typename Worker>
Run measure(Worker& worker)
{
    Run run;
    QEventLoop loop;
    QObject::connect(
        &worker, &Worker::onMessage, &loop,
        [&run](Worker*, int message, const QVariant& data) {
            if (message != ArchiveMessageCode::Progress) {
                run.lastMessage = message;
                run.lastData = data;
            }
        },
        Qt::QueuedConnection);
    QObject::connect(&worker, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    // The import lasts a second at least, so that its progress can be seen:
    // the copy's own time ends with its last progress report, taken as sent.
    QElapsedTimer clock;
    std::atomic<qint64> lastProgressNs{0};
    QObject::connect(
        &worker, &Worker::onMessage, &loop,
        [&](Worker*, int message, const QVariant&) {
            if (message == ArchiveMessageCode::Progress)
                lastProgressNs = clock.nsecsElapsed();
        },
        Qt::DirectConnection);
    resetPeakMemory();
    const qint64 before = statusKiB("VmRSS");
    clock.start();
    worker.start();
    loop.exec();
    worker.wait();
    run.seconds = double(clock.nsecsElapsed()) / 1e9;
    run.copySeconds = double(lastProgressNs) / 1e9;
    run.peakGrowthKiB = statusKiB("VmHWM") - before;
    return run;
}

void report(const char* what, const Run& run)
{
    const double megabytes = double(kProjectBytes) / 1e6;
    // The exporter's whole run includes flushing the archive to the disk.
    std::printf("%-7s %.0f MB: copied in %.2f s = %.0f MB/s, whole run %.2f s = %.0f MB/s, "
                "peak RSS growth %lld KiB, message %d\n",
                what, megabytes, run.copySeconds, megabytes / run.copySeconds, run.seconds, megabytes / run.seconds,
                static_cast<long long>(run.peakGrowthKiB), run.lastMessage);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir root;
    if (!root.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder\n");
        return 1;
    }
    const QString externalDir = root.filePath(QStringLiteral("external"));
    const QString outputDir = root.filePath(QStringLiteral("archives"));
    const QString destinationDir = root.filePath(QStringLiteral("imported"));
    ProjectManager::setWorkingFolder(root.filePath(QStringLiteral("product")));
    const QString projectDir = ProjectManager::projectDirectory(kName, QString());
    for (const QString& folder : {externalDir, outputDir, destinationDir, projectDir})
        QDir().mkpath(folder);
    if (!makeProject(projectDir, externalDir)) {
        std::fprintf(stderr, "cannot make the %.0f MB project in %s\n", double(kProjectBytes) / 1e6,
                     qPrintable(root.path()));
        return 1;
    }

    ArchiveExporter exporter(kName, QString(), outputDir);
    const Run exported = measure(exporter);
    report("export", exported);
    if (exported.lastMessage != ArchiveMessageCode::Done)
        return 1;

    ArchiveImporter importer(exported.lastData.toString(), destinationDir);
    const Run imported = measure(importer);
    report("import", imported);
    return imported.lastMessage == ArchiveMessageCode::Done ? 0 : 1;
}

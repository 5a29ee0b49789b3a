#include "ArchiveCommands.h"

#include "ArchiveExporter.h"
#include "ArchiveImporter.h"
#include "ProjectArchiveFormat.h"

#include <QDir>
#include <QEventLoop>

#include <cstdio>

namespace {

constexpr int kFailedRun = 3;

// Starts the thread, prints its messages as they arrive on this thread (a
// progress line whenever the percentage changes) and returns the exit code.
template <typename Worker>
int runToCompletion(Worker& worker)
{
    int lastMessage = 0;
    int lastPercent = -1;
    QEventLoop loop;
    QObject::connect(
        &worker, &Worker::onMessage, &loop,
        [&](Worker*, int message, const QVariant& data) {
            if (message == ArchiveMessageCode::Progress) {
                if (data.toInt() != lastPercent)
                    std::printf("progress %d%%\n", lastPercent = data.toInt());
                return;
            }
            lastMessage = message;
            std::printf("message %d%s%s\n", message, data.isValid() ? " " : "", qPrintable(data.toString()));
        },
        Qt::QueuedConnection);
    // Queued after the thread's last message, so every message is printed first.
    QObject::connect(&worker, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    worker.start();
    loop.exec();
    worker.wait();
    std::fflush(stdout);
    return lastMessage == ArchiveMessageCode::Done ? 0 : kFailedRun;
}

} // namespace

int packProject(const QString& name, const QString& folder, const QString& outputDir)
{
    QDir().mkpath(outputDir);
    ArchiveExporter exporter(name, folder, QDir(outputDir).absolutePath());
    return runToCompletion(exporter);
}

int unpackArchive(const QString& archivePath, const QString& destinationDir)
{
    QDir().mkpath(destinationDir);
    ArchiveImporter importer(archivePath, QDir(destinationDir).absolutePath());
    return runToCompletion(importer);
}

#include "ArchiveCommands.h"

#include "ArchiveExporter.h"
#include "ArchiveImporter.h"
#include "ProjectArchiveFormat.h"

#include <QDir>
#include <QEventLoop>
#include <QHash>

#include <cstdio>

namespace {

constexpr int kFailedRun = 3;

// What each refusal of the exporter and of the importer means.
const QHash<int, const char*> kExportRefusals{
    {ArchiveMessageCode::ExportCreateFailed, "the archive file cannot be created"},
    {ArchiveMessageCode::ExportEstimateFailed, "project.xml cannot be read"},
    {ArchiveMessageCode::ExportNoSpace, "there is not enough space at the output folder; bytes missing"},
    {ArchiveMessageCode::ExportCopyFailed, "a file of the project cannot be copied"},
    {ArchiveMessageCode::ExportProjectXmlFailed, "project.xml cannot be written into the archive"},
    {ArchiveMessageCode::ExportCancelled, "cancelled"},
    {ArchiveMessageCode::ExportTooNew, "this version does not write the project's format"},
    {ArchiveMessageCode::ExportNotAProject, "a project file holds another document"},
};
const QHash<int, const char*> kImportRefusals{
    {ArchiveMessageCode::ImportWriteFailed, "a file of the new project cannot be written"},
    {ArchiveMessageCode::ImportMissing, "the archive does not exist"},
    {ArchiveMessageCode::ImportNoSpace, "there is not enough space at the destination; bytes missing"},
    {ArchiveMessageCode::ImportOpenFailed, "the archive cannot be opened"},
    {ArchiveMessageCode::ImportBadMagic, "the file is no project archive"},
    {ArchiveMessageCode::ImportTooNew, "the archive was written by a higher version"},
    {ArchiveMessageCode::ImportDamaged, "the archive is damaged"},
    {ArchiveMessageCode::ImportFolderFailed, "the project folder cannot be created"},
    {ArchiveMessageCode::ImportCancelled, "cancelled"},
};

// Tells a refusal in words, with what it carries (why, or a number).
void printRefusal(const char* command, const QHash<int, const char*>& refusals, int message, const QVariant& data)
{
    const QString words = refusals.contains(message) ? QString::fromUtf8(refusals.value(message))
                                                     : QStringLiteral("unexpected message %1").arg(message);
    const QString detail = data.toString();
    // After the lines before it, when both outputs go to one place.
    std::fflush(stdout);
    std::fprintf(stderr, "projtool: cannot %s: %s%s%s\n", command, qPrintable(words), detail.isEmpty() ? "" : ": ",
                 qPrintable(detail));
}

// Starts the thread, prints its messages as they arrive on this thread (a
// progress line whenever the percentage changes, a refusal in words) and
// returns the exit code.
template <typename Worker>
int runToCompletion(Worker& worker, const char* command, const QHash<int, const char*>& refusals)
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
            if (message == ArchiveMessageCode::Begin || message == ArchiveMessageCode::Done)
                std::printf("message %d%s%s\n", message, data.isValid() ? " " : "", qPrintable(data.toString()));
            else
                printRefusal(command, refusals, message, data);
        },
        Qt::QueuedConnection);
    // Queued after the thread's last message, so every message is printed first.
    QObject::connect(&worker, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    worker.start();
    loop.exec();
    worker.wait();
    std::fflush(stdout);
    std::fflush(stderr);
    return lastMessage == ArchiveMessageCode::Done ? 0 : kFailedRun;
}

} // namespace

int packProject(const QString& name, const QString& folder, const QString& outputDir)
{
    QDir().mkpath(outputDir);
    ArchiveExporter exporter(name, folder, QDir(outputDir).absolutePath());
    return runToCompletion(exporter, "pack", kExportRefusals);
}

int unpackArchive(const QString& archivePath, const QString& destinationDir)
{
    QDir().mkpath(destinationDir);
    ArchiveImporter importer(archivePath, QDir(destinationDir).absolutePath());
    return runToCompletion(importer, "unpack", kImportRefusals);
}

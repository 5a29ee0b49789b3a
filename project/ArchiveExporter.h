#pragma once

#include "ProjectManager.h"

#include <QThread>
#include <QVariant>

#include <atomic>
#include <vector>

class QFileDevice;
class ReplacingFile;

// Writes one project into a project archive in the output folder
// ("NAME.vidornaproject", or "NAME (N).vidornaproject" when taken): the
// project's own files (those in its sub-folders that the project names
// among them), copies of the media it uses from elsewhere, and a
// "project.xml" that points at those copies. Reports through onMessage
// (ArchiveMessageCode); connect it with a queued connection. One object
// serves one run. The archive appears under its name only once it is whole,
// and never over a file that took that name meanwhile: it then takes the
// next free one.
class ArchiveExporter : public QThread
{
    Q_OBJECT

public:
    ArchiveExporter(const QString& projectName, const QString& projectFolder, const QString& outputFolder,
                    QObject* parent = nullptr);
    // Cancels a run that has not ended and waits for it.
    ~ArchiveExporter() override;

signals:
    void onMessage(ArchiveExporter* exporter, int message, QVariant data);
    void beforeExporting(ArchiveExporter* exporter);
    void afterExporting(ArchiveExporter* exporter);

public slots:
    // Honoured between entries and between chunks of an entry, and until the
    // archive takes its name.
    void cancel();

protected:
    void run() override;

private:
    struct Entry {
        QString sourcePath;
        QString name;
        qint64 size;
    };

    void _export();
    // The message that tells a refusal of ProjectLoader::refusal().
    static int _refusalMessage(int refusal);
    // The project's own files, then the external media (whose records are
    // pointed at their entries); estimate gets the bytes to be copied.
    static std::vector<Entry> _planEntries(const QString& projectDir, SegmentRecords& records, qint64* estimate);
    static void _planExternalMedia(const QString& projectDir, SegmentRecords& records, std::vector<Entry>& entries,
                                   qint64* estimate);
    // Emits 6 with the reason and returns false when an entry's source is a
    // named pipe or a device: left out, it would leave the archive's project
    // naming a file that is not there, and opening it would wait for good.
    bool _checkRegularFiles(const std::vector<Entry>& entries);
    // Emits 5 (or 3 without a usable volume) and returns false when the
    // output folder cannot hold the estimate.
    bool _checkFreeSpace(qint64 estimate);
    QString _archivePath() const;
    // The files that the archive's "project.xml" names and the folder's own
    // files leave out: empty ones, and those in sub-folders of the project
    // at their paths there. False when the document does not read back.
    static bool _planNamedFiles(const QString& projectDir, const QByteArray& projectXml, std::vector<Entry>& entries,
                                qint64* estimate);
    // Header, entries, "project.xml", then the archive under its name; 0, or
    // the message code of the failure (the archive is then discarded).
    int _writeArchive(ReplacingFile& file, const std::vector<Entry>& entries, const QByteArray& projectXml);
    // Copies one entry; false when the source cannot be opened or was not
    // copied whole (or the run was cancelled).
    bool _writeEntry(QFileDevice& archive, const Entry& entry, QByteArray& buffer);
    // "project.xml" from the records, with the elements beside them that
    // this version does not use; false on a writer error.
    static bool _makeProjectXml(const SegmentRecords& records, const KeptXml& besideRecords, QByteArray* document);
    // Writes the document as the entry "project.xml"; false on a write error.
    bool _writeProjectXml(QFileDevice& archive, const QByteArray& document);
    void _emitProgress();

    QString _projectName;
    QString _projectFolder;
    QString _outputFolder;
    std::atomic<bool> _cancelled{false};
    qint64 _totalBytes = 0;
    qint64 _writtenBytes = 0;
};

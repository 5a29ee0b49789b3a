#pragma once

#include <QSet>
#include <QThread>
#include <QVariant>

#include <atomic>

class QFile;
class ReplacingFile;

// Unpacks a project archive into a new project folder inside the
// destination folder, named after the project ("NAME", or "NAME (N)" when
// taken), each entry at its path there, sub-folders made as needed. The
// entries go into a folder of the import's own (ImportFolder), which takes
// the project's name only when whole; what imports killed before the end
// left in the destination is cleared as the next one begins. Reports
// through onMessage (ArchiveMessageCode); connect it with a queued
// connection. One object serves one run.
//
// Archives come from outside: a name that could lead out of the new folder
// or whose bytes hold a NUL or are no UTF-8, two entries of one name (as
// unpacked, case aside), a length field beyond reason or an entry cut short refuses the
// archive as damaged, and whatever was unpacked of it is removed again.
class ArchiveImporter : public QThread
{
    Q_OBJECT

public:
    ArchiveImporter(const QString& archivePath, const QString& destinationFolder, QObject* parent = nullptr);
    // Cancels a run that has not ended and waits for it.
    ~ArchiveImporter() override;

signals:
    void onMessage(ArchiveImporter* importer, int message, QVariant data);

public slots:
    // Honoured between entries and between chunks of an entry, and while the
    // finished import is still shown.
    void cancel();

protected:
    void run() override;

private:
    enum class EntryResult { Unpacked, End, Damaged, WriteFailed };

    // Checks the archive (a regular file) and the space for it; emits the
    // failure and returns false when the import cannot begin.
    bool _checkArchive();
    // Reads magic, version and project name; the failure's message code, else 0.
    int _readHeader(QFile& archive, QString* projectName);
    // Unpacks the entries into a new project folder of the destination; the
    // message code that ends the import.
    int _unpackIntoDestination(QFile& archive, const QString& projectName);
    // Unpacks every entry into the folder open at the descriptor folder
    // (folderPath in messages); 0, or the message code that ends the import.
    int _unpackEntries(QFile& archive, int folder, const QString& folderPath);
    EntryResult _readEntry(QFile& archive, int folder, const QString& folderPath, QByteArray& buffer);
    EntryResult _copyEntryData(QFile& archive, ReplacingFile& file, qint64 size, QByteArray& buffer);
    // Reads past an entry that is not unpacked.
    EntryResult _skipEntryData(QFile& archive, qint64 size);

    QString _archivePath;
    QString _destinationFolder;
    std::atomic<bool> _cancelled{false};
    qint64 _processedBytes = 0;
    qint64 _totalBytes = 0;
    // The entries' names as unpacked, carriage returns made "_", case-folded.
    QSet<QString> _entryNames;
};

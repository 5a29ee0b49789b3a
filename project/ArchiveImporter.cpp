#include "ArchiveImporter.h"

#include "AVFileDescriptor.h"
#include "AVRegularFile.h"
#include "ProjectArchiveFormat.h"
#include "ProjectManager.h"
#include "ProjectXml.h"
#include "ReplacingFile.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// An import ends no sooner than this, so that its progress can be seen.
constexpr qint64 kShortestRunMs = 1000;
// "NAME (N)" is tried up to this N.
constexpr int kFolderNumberLimit = 100000;
constexpr unsigned long kStopWaitMs = 10000;

// The folder that the entry name goes to in the project's folder, opened
// one folder after the other through its parent's descriptor and made when
// missing: a link put at a folder's name never leads the entry elsewhere.
// -1, with errno telling why, when it cannot be.
int openEntryFolder(const QDir& folder, const QString& name)
{
    int descriptor = ::open(QFile::encodeName(folder.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const QStringList parts = QFileInfo(name).path().split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (descriptor < 0 || part == QLatin1String("."))
            continue;
        const AVFileDescriptor parent(descriptor);
        descriptor = avOpenFolderAt(parent.get(), QFile::encodeName(part), true);
    }
    return descriptor;
}

} // namespace

ArchiveImporter::ArchiveImporter(const QString& archivePath, const QString& destinationFolder, QObject* parent)
    : QThread(parent), _archivePath(archivePath), _destinationFolder(destinationFolder)
{
}

ArchiveImporter::~ArchiveImporter()
{
    // A running thread must never be deleted; the copy stops at the next chunk.
    cancel();
    if (!wait(kStopWaitMs))
        qWarning() << "ArchiveImporter still runs while it is deleted";
    qDebug() << "ArchiveImporter deleted";
}

void ArchiveImporter::cancel()
{
    _cancelled = true;
}

void ArchiveImporter::run()
{
    if (!_checkArchive())
        return;
    _processedBytes = 0;
    _totalBytes = QFileInfo(_archivePath).size();
    emit onMessage(this, ArchiveMessageCode::Begin, QVariant());

    QFile archive(_archivePath);
    if (!archive.open(QIODevice::ReadOnly)) {
        emit onMessage(this, ArchiveMessageCode::ImportOpenFailed, QVariant());
        return;
    }
    QString projectName;
    if (const int failure = _readHeader(archive, &projectName)) {
        emit onMessage(this, failure, QVariant());
        return;
    }
    const QString folderPath = _createProjectFolder(projectName);
    if (folderPath.isEmpty()) {
        emit onMessage(this, ArchiveMessageCode::ImportFolderFailed, QVariant());
        return;
    }

    QElapsedTimer clock;
    clock.start();
    int outcome = _unpackEntries(archive, folderPath);
    if (outcome == 0) {
        const qint64 elapsed = clock.elapsed();
        if (elapsed < kShortestRunMs)
            msleep(ulong(kShortestRunMs - elapsed));
        // The cancel button stays live while the finished import is shown.
        outcome = _cancelled ? int(ArchiveMessageCode::ImportCancelled) : int(ArchiveMessageCode::Done);
    }
    // A project missing some of its files would open as if whole.
    if (outcome != ArchiveMessageCode::Done)
        QDir(folderPath).removeRecursively();
    emit onMessage(this, outcome, QVariant());
}

int ArchiveImporter::_unpackEntries(QFile& archive, const QString& folderPath)
{
    const QDir folder(folderPath);
    QByteArray buffer(int(ProjectArchiveFormat::chunkBytes), Qt::Uninitialized);
    EntryResult result = EntryResult::Unpacked;
    while (result == EntryResult::Unpacked && !_cancelled)
        result = _readEntry(archive, folder, buffer);
    archive.close();
    if (_cancelled)
        return ArchiveMessageCode::ImportCancelled;
    if (result == EntryResult::Damaged)
        return ArchiveMessageCode::ImportDamaged;
    if (result == EntryResult::WriteFailed)
        return ArchiveMessageCode::ImportWriteFailed;
    return 0;
}

bool ArchiveImporter::_checkArchive()
{
    const QFileInfo archive(_archivePath);
    if (!archive.exists()) {
        emit onMessage(this, ArchiveMessageCode::ImportMissing, QVariant());
        return false;
    }
    // Opening a named pipe would hold this thread until a writer came, and
    // the program could then neither tell the user nor quit.
    QString irregular;
    if (ProjectXml::isIrregularFile(_archivePath, &irregular)) {
        emit onMessage(this, ArchiveMessageCode::ImportOpenFailed, irregular);
        return false;
    }
    const QStorageInfo storage(_destinationFolder);
    if (!QFileInfo(_destinationFolder).isDir() || !storage.isValid() || !storage.isReady()) {
        qWarning().noquote() << "No usable destination folder " + _destinationFolder;
        emit onMessage(this, ArchiveMessageCode::ImportFolderFailed, QVariant());
        return false;
    }
    const qint64 available = storage.bytesAvailable();
    qDebug().nospace() << "Import archive need space: " << archive.size() << " available space: " << available;
    if (archive.size() >= available) {
        const qint64 missing = archive.size() - available;
        emit onMessage(this, ArchiveMessageCode::ImportNoSpace, QVariant::fromValue(missing));
        return false;
    }
    return true;
}

int ArchiveImporter::_readHeader(QFile& archive, QString* projectName)
{
    if (archive.read(ProjectArchiveFormat::magic.size()) != ProjectArchiveFormat::magic)
        return ArchiveMessageCode::ImportBadMagic;
    // Versions count as unsigned: a negative one is no older archive.
    qint32 version = 0;
    if (ProjectArchiveFormat::readInt32(archive, &version) && quint32(version) > quint32(ProjectArchiveFormat::version))
        return ArchiveMessageCode::ImportTooNew;
    qint32 length = 0;
    if (!ProjectArchiveFormat::readInt32(archive, &length) || length < 1 || length > ProjectArchiveFormat::maxNameBytes)
        return ArchiveMessageCode::ImportDamaged;
    const QByteArray bytes = archive.read(length);
    if (bytes.size() != length || !ProjectArchiveFormat::decodeName(bytes, projectName)
        || !ProjectArchiveFormat::isSafeName(*projectName)) {
        qWarning() << "Refused project name of an archive:" << bytes;
        return ArchiveMessageCode::ImportDamaged;
    }
    qDebug().noquote() << "Import project name: " + *projectName;
    return 0;
}

QString ArchiveImporter::_createProjectFolder(const QString& projectName) const
{
    const QDir destination(_destinationFolder);
    for (int number = 0; number < kFolderNumberLimit; ++number) {
        // One arg call: a name that holds "%1" must not take the number.
        const QString name =
            number == 0 ? projectName : QStringLiteral("%1 (%2)").arg(projectName, QString::number(number));
        const QFileInfo candidate(destination.filePath(name));
        // mkdir fails on anything already there, so the folder that a failed
        // import removes again is always one that this import made.
        if (destination.mkdir(name))
            return candidate.filePath();
        if (!candidate.exists() && !candidate.isSymLink())
            return QString();
    }
    return QString();
}

ArchiveImporter::EntryResult ArchiveImporter::_readEntry(QFile& archive, const QDir& folder, QByteArray& buffer)
{
    if (archive.atEnd())
        return EntryResult::End;
    qint32 length = 0;
    if (!ProjectArchiveFormat::readInt32(archive, &length) || length < 1 || length > ProjectArchiveFormat::maxNameBytes)
        return EntryResult::Damaged;
    const QByteArray nameBytes = archive.read(length);
    qint64 size = 0;
    if (nameBytes.size() != length || !ProjectArchiveFormat::readInt64(archive, &size) || size < 0)
        return EntryResult::Damaged;
    QString name;
    const bool decoded = ProjectArchiveFormat::decodeName(nameBytes, &name);
    qDebug().noquote() << "Create media file name: " + name + " size: " + QString::number(size);
    name.replace(QLatin1Char('\r'), QLatin1Char('_'));
    if (!decoded || !ProjectArchiveFormat::isSafeEntryPath(name)) {
        qWarning() << "Refused entry name of an archive:" << nameBytes;
        return EntryResult::Damaged;
    }
    // Two entries that become one file would leave whichever came last.
    if (_entryNames.contains(name)) {
        qWarning() << "Refused entry name that an earlier entry of the archive has:" << nameBytes;
        return EntryResult::Damaged;
    }
    _entryNames.insert(name);
    // Archives written before the exporter left it out still carry the
    // example marker; the imported copy is the user's own project.
    if (name == ProjectManager::exampleMarkerFile)
        return _skipEntryData(archive, size);
    // Written under a name of its own and renamed into place: a link that
    // another process put at the entry's name is replaced, not written through.
    const AVFileDescriptor entryFolder(openEntryFolder(folder, name));
    if (!entryFolder.isOpen()) {
        const int error = errno;
        qWarning().noquote() << "Cannot create the folder of " + folder.filePath(name) + ": "
                                    + QString::fromLocal8Bit(std::strerror(error));
        return EntryResult::WriteFailed;
    }
    ReplacingFile file(entryFolder.get(), folder.filePath(name));
    QString reason;
    if (!file.open(&reason)) {
        qWarning().noquote() << "Cannot create " + file.fileName() + ": " + reason;
        return EntryResult::WriteFailed;
    }
    return _copyEntryData(archive, file, size, buffer);
}

ArchiveImporter::EntryResult ArchiveImporter::_skipEntryData(QFile& archive, qint64 size)
{
    if (archive.skip(size) != size)
        return EntryResult::Damaged;
    _processedBytes += size;
    return EntryResult::Unpacked;
}

ArchiveImporter::EntryResult ArchiveImporter::_copyEntryData(QFile& archive, ReplacingFile& file, qint64 size,
                                                             QByteArray& buffer)
{
    for (qint64 count = 0; count < size && !_cancelled;) {
        const qint64 chunk = std::min(ProjectArchiveFormat::chunkBytes, size - count);
        if (archive.read(buffer.data(), chunk) != chunk)
            return EntryResult::Damaged;
        if (file.device().write(buffer.constData(), chunk) != chunk) {
            qWarning().noquote() << "Cannot write " + file.fileName() + ": " + file.device().errorString();
            return EntryResult::WriteFailed;
        }
        count += chunk;
        _processedBytes += chunk;
        emit onMessage(this, ArchiveMessageCode::Progress, ProjectArchiveFormat::percent(_processedBytes, _totalBytes));
    }
    QString reason;
    if (file.commit(&reason))
        return EntryResult::Unpacked;
    qWarning().noquote() << "Cannot write " + file.fileName() + ": " + reason;
    return EntryResult::WriteFailed;
}

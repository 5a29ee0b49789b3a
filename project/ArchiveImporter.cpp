#include "ArchiveImporter.h"

#include "AVFileDescriptor.h"
#include "AVRegularFile.h"
#include "HiddenFolder.h"
#include "ImportFolder.h"
#include "ProjectArchiveFormat.h"
#include "ProjectManager.h"
#include "ProjectXml.h"
#include "ReplacingFile.h"

#include <QDebug>
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
constexpr unsigned long kStopWaitMs = 10000;

// The folder that the entry name goes to in the folder open at the
// descriptor folder, opened one folder after the other through its
// parent's descriptor and made when missing: a link put at a folder's name
// never leads the entry elsewhere. -1, with errno telling why, when it
// cannot be.
int openEntryFolder(int folder, const QString& name)
{
    int descriptor = ::fcntl(folder, F_DUPFD_CLOEXEC, 0);
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
    const int outcome = _unpackIntoDestination(archive, projectName);
    emit onMessage(this, outcome, QVariant());
}

int ArchiveImporter::_unpackIntoDestination(QFile& archive, const QString& projectName)
{
    const AVFileDescriptor destination(
        ::open(QFile::encodeName(_destinationFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!destination.isOpen())
        return ArchiveMessageCode::ImportFolderFailed;
    HiddenFolder::clearLeftovers(destination.get());
    // A project missing some of its files would open as if whole: the
    // folder takes the project's name only once every entry is in it, and
    // goes again otherwise.
    ImportFolder folder(destination.get());
    if (!folder.isMade())
        return ArchiveMessageCode::ImportFolderFailed;
    QElapsedTimer clock;
    clock.start();
    if (const int failure = _unpackEntries(archive, folder.descriptor(), folder.path(_destinationFolder)))
        return failure;
    const qint64 elapsed = clock.elapsed();
    if (elapsed < kShortestRunMs)
        msleep(ulong(kShortestRunMs - elapsed));
    // The cancel button stays live while the finished import is shown.
    if (_cancelled)
        return ArchiveMessageCode::ImportCancelled;
    if (folder.takeFreeName(projectName))
        return ArchiveMessageCode::Done;
    qWarning().noquote() << "Cannot give the imported project a name in " + _destinationFolder + ": "
                                + QString::fromLocal8Bit(std::strerror(errno));
    return ArchiveMessageCode::ImportFolderFailed;
}

int ArchiveImporter::_unpackEntries(QFile& archive, int folder, const QString& folderPath)
{
    QByteArray buffer(int(ProjectArchiveFormat::chunkBytes), Qt::Uninitialized);
    EntryResult result = EntryResult::Unpacked;
    while (result == EntryResult::Unpacked && !_cancelled)
        result = _readEntry(archive, folder, folderPath, buffer);
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

ArchiveImporter::EntryResult ArchiveImporter::_readEntry(QFile& archive, int folder, const QString& folderPath,
                                                         QByteArray& buffer)
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
    // Two entries that become one file would leave whichever came last;
    // names apart only in case become one on a file system that tells no
    // case apart, as the project's next one may.
    const QString unpackedName = name.toCaseFolded();
    if (_entryNames.contains(unpackedName)) {
        qWarning() << "Refused entry name that an earlier entry of the archive has:" << nameBytes;
        return EntryResult::Damaged;
    }
    _entryNames.insert(unpackedName);
    // Archives written before the exporter left it out still carry the
    // example marker; the imported copy is the user's own project.
    if (name == ProjectManager::exampleMarkerFile)
        return _skipEntryData(archive, size);
    // Written under a name of its own and renamed into place: a link that
    // another process put at the entry's name is replaced, not written through.
    const QString path = folderPath + QLatin1Char('/') + name;
    const AVFileDescriptor entryFolder(openEntryFolder(folder, name));
    if (!entryFolder.isOpen()) {
        const int error = errno;
        qWarning().noquote() << "Cannot create the folder of " + path + ": "
                                    + QString::fromLocal8Bit(std::strerror(error));
        return EntryResult::WriteFailed;
    }
    ReplacingFile file(entryFolder.get(), path);
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

#include "ArchiveExporter.h"

#include "AVRegularFile.h"
#include "ProjectArchiveFormat.h"
#include "ProjectLoader.h"
#include "ProjectXml.h"
#include "ReplacingFile.h"
#include "Segment.h"
#include "SegmentKeys.h"

#include <QBuffer>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>

#include <algorithm>

namespace {

// Files of the project folder that the archive leaves out: "project.xml" is
// generated afresh, the others belong to this machine or are converted away.
const QStringList kLeftOutFiles = {
    QStringLiteral("project.xml"), QStringLiteral("project.plist"),     QStringLiteral("properties.plist"),
    QStringLiteral("layout.xml"),  QStringLiteral("media.config"), QStringLiteral("media.mobile.config"),
};
const QString kFileKey = QStringLiteral("File");
const QString kUrlKey = QStringLiteral("URL");
const QString kMusicType = QStringLiteral("MUSIC");
// Progress inside a large entry is reported at every multiple of this.
constexpr qint64 kProgressStepBytes = 10 * ProjectArchiveFormat::chunkBytes;
constexpr unsigned long kStopWaitMs = 10000;

bool isLeftOut(const QString& fileName)
{
    return kLeftOutFiles.contains(fileName) || fileName == ProjectManager::exampleMarkerFile;
}

// The prefix of the entry that carries an external media file of the type;
// empty for types without a media file.
QString entryPrefixFor(const QString& type)
{
    if (type == QLatin1String("IMAGE"))
        return QStringLiteral("sharingImage-");
    if (type == QLatin1String("MOVIE"))
        return QStringLiteral("sharingMovie-");
    if (type == kMusicType)
        return QStringLiteral("sharingMusic-");
    return QString();
}

// The media file a record uses: "File", or for music "URL" when there is no
// "File"; empty for records without one.
QString mediaPathOf(const SegmentAttributes& record)
{
    const QString type = Segment::stringAttribute(&record, SegmentKey::Type);
    if (entryPrefixFor(type).isEmpty())
        return QString();
    if (const QString* file = record.findText(kFileKey))
        return *file;
    return type == kMusicType ? Segment::stringAttribute(&record, kUrlKey) : QString();
}

// A bare file name refers to the project's own folder, which travels anyway;
// any other path, a file in a sub-folder of the project included, travels
// as an entry of its own.
bool isExternalPath(const QString& path)
{
    return path.contains(QLatin1Char('/')) || path.contains(QLatin1Char('\\'));
}

// prefix, the smallest number from 1 that gives a name neither taken by an
// earlier entry nor used by a file of the project folder, and the suffix.
// Without a suffix the name ends with the number: a name ending in a dot
// cannot be created on every system.
QString freeEntryName(const QString& prefix, const QString& suffix, const QString& projectDir,
                      const QSet<QString>& takenNames)
{
    const QDir folder(projectDir);
    for (int number = 1;; ++number) {
        QString name = prefix + QString::number(number);
        if (!suffix.isEmpty())
            name += QLatin1Char('.') + suffix;
        if (!takenNames.contains(name) && !QFileInfo::exists(folder.filePath(name)))
            return name;
    }
}

// Whether the plan takes what is at the place: a file, or something that
// stands in a file's place without being one (a named pipe, a device), which
// the export then refuses by name rather than leave it out without a word.
// Missing files and folders are not planned.
bool isPlannedAsFile(const QFileInfo& file)
{
    return file.isFile() || ProjectXml::isIrregularFile(file.filePath());
}

bool writeAll(QFileDevice& device, const QByteArray& bytes)
{
    return device.write(bytes) == bytes.size();
}

} // namespace

ArchiveExporter::ArchiveExporter(const QString& projectName, const QString& projectFolder,
                                 const QString& outputFolder, QObject* parent)
    : QThread(parent), _projectName(projectName), _projectFolder(projectFolder), _outputFolder(outputFolder)
{
}

ArchiveExporter::~ArchiveExporter()
{
    // A running thread must never be deleted; the copy stops at the next chunk.
    cancel();
    if (!wait(kStopWaitMs))
        qWarning() << "ArchiveExporter still runs while it is deleted";
}

void ArchiveExporter::cancel()
{
    _cancelled = true;
}

void ArchiveExporter::run()
{
    emit beforeExporting(this);
    _export();
    emit afterExporting(this);
}

int ArchiveExporter::_refusalMessage(int refusal)
{
    switch (refusal) {
    case ProjectLoader::PropertiesReadRefused:
        return ArchiveMessageCode::ExportEstimateFailed;
    case ProjectLoader::PropertiesNotAProject:
        return ArchiveMessageCode::ExportNotAProject;
    default:
        return ArchiveMessageCode::ExportTooNew;
    }
}

void ArchiveExporter::_export()
{
    // Refused as the opening refuses it: a named pipe in a project file's
    // place is not even opened, a newer format or another document is not
    // read as an empty project.
    QString reason;
    if (const int refused = ProjectLoader::refusal(_projectName, _projectFolder, &reason, ProjectLoader::Retry::Archive)) {
        emit onMessage(this, _refusalMessage(refused), reason);
        return;
    }
    const QString projectDir = ProjectManager::projectDirectory(_projectName, _projectFolder);
    SegmentRecords records;
    KeptXml besideRecords;
    if (projectDir.isEmpty()
        || ProjectManager::loadSegments(records, _projectName, _projectFolder, &besideRecords) != 0) {
        emit onMessage(this, ArchiveMessageCode::ExportEstimateFailed, QVariant());
        return;
    }
    qint64 estimate = 0;
    std::vector<Entry> entries = _planEntries(projectDir, records, &estimate);
    // The archive's "project.xml" is made first: the files it names travel with it.
    QByteArray document;
    if (!_makeProjectXml(records, besideRecords, &document)
        || !_planNamedFiles(projectDir, document, entries, &estimate)) {
        emit onMessage(this, ArchiveMessageCode::ExportProjectXmlFailed, QVariant());
        return;
    }
    if (!_checkRegularFiles(entries) || !_checkFreeSpace(estimate))
        return;
    _totalBytes = estimate;
    _writtenBytes = 0;
    emit onMessage(this, ArchiveMessageCode::Begin, QVariant());

    const QString path = _archivePath();
    qDebug().noquote() << "Output archive file " + path;
    // The archive takes its name only once it is whole: a failed or cancelled
    // export, or a crash, leaves no cut archive behind.
    ReplacingFile archive(path);
    if (!archive.open()) {
        emit onMessage(this, ArchiveMessageCode::ExportCreateFailed, QVariant());
        return;
    }
    if (const int failure = _writeArchive(archive, entries, document)) {
        emit onMessage(this, failure, QVariant());
        return;
    }
    emit onMessage(this, ArchiveMessageCode::Done, archive.fileName());
}

int ArchiveExporter::_writeArchive(ReplacingFile& file, const std::vector<Entry>& entries,
                                   const QByteArray& projectXml)
{
    QFile& archive = file.device();
    // A name with a backslash would be refused on reading, where it is a
    // separator on some systems; the folder name only loses that character.
    QString headerName = _projectName;
    headerName.replace(QLatin1Char('\\'), QLatin1Char('_'));
    if (!writeAll(archive, ProjectArchiveFormat::header(headerName)))
        return ArchiveMessageCode::ExportCopyFailed;
    QByteArray buffer(int(ProjectArchiveFormat::chunkBytes), Qt::Uninitialized);
    for (const Entry& entry : entries) {
        if (_cancelled)
            break;
        if (!ProjectArchiveFormat::isSafeEntryPath(entry.name)) {
            qWarning().noquote() << "Cannot archive a file whose name reads as a path elsewhere: " + entry.name;
            return ArchiveMessageCode::ExportCopyFailed;
        }
        if (!_writeEntry(archive, entry, buffer) && !_cancelled)
            return ArchiveMessageCode::ExportCopyFailed;
    }
    if (_cancelled)
        return ArchiveMessageCode::ExportCancelled;
    if (!_writeProjectXml(archive, projectXml))
        return ArchiveMessageCode::ExportCopyFailed;
    // A cancel that came while "project.xml" was written still wins: the
    // user asked for no archive, and it has not taken its name yet.
    if (_cancelled)
        return ArchiveMessageCode::ExportCancelled;
    // A file the user saved under the archive's name meanwhile stays: the
    // archive takes the next free name instead.
    QString reason;
    if (!file.commitAsNew([this] { return _archivePath(); }, &reason)) {
        qWarning().noquote() << "Cannot complete the archive " + file.fileName() + ": " + reason;
        return ArchiveMessageCode::ExportCopyFailed;
    }
    return 0;
}

std::vector<ArchiveExporter::Entry> ArchiveExporter::_planEntries(const QString& projectDir, SegmentRecords& records,
                                                                  qint64* estimate)
{
    std::vector<Entry> entries;
    const QFileInfoList files = QDir(projectDir).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        *estimate += file.size();
        if (file.size() > 0 && !isLeftOut(file.fileName()))
            entries.push_back({file.filePath(), file.fileName(), file.size()});
    }
    _planExternalMedia(projectDir, records, entries, estimate);
    return entries;
}

void ArchiveExporter::_planExternalMedia(const QString& projectDir, SegmentRecords& records,
                                         std::vector<Entry>& entries, qint64* estimate)
{
    QSet<QString> takenNames;
    for (const auto& record : records) {
        // A file stored for an earlier record is no longer external here:
        // that record pointed every user of the file at its entry.
        const QString path = mediaPathOf(*record);
        const QFileInfo source(Segment::resolvedFilePath(path, projectDir));
        if (!isExternalPath(path) || !isPlannedAsFile(source))
            continue;
        const QString prefix = entryPrefixFor(Segment::stringAttribute(record.get(), SegmentKey::Type));
        const QString name = freeEntryName(prefix, source.suffix().toLower(), projectDir, takenNames);
        takenNames.insert(name);
        entries.push_back({source.filePath(), name, source.size()});
        *estimate += source.size();
        // Every record that uses the file, of whatever type and whether it
        // names it by "File" or (music) by "URL", is pointed at the copy, so
        // that the imported project never reaches back to this machine.
        for (const auto& user : records) {
            if (mediaPathOf(*user) == path)
                user->setText(kFileKey, name);
        }
    }
}

bool ArchiveExporter::_planNamedFiles(const QString& projectDir, const QByteArray& projectXml,
                                      std::vector<Entry>& entries, qint64* estimate)
{
    const std::optional<QSet<QString>> named = ProjectManager::filePathsNamedBy(projectXml, projectDir);
    if (!named) {
        qWarning() << "The project file made for the archive does not read back";
        return false;
    }
    QSet<QString> planned;
    for (const Entry& entry : entries)
        planned.insert(entry.name);
    const QDir folder(projectDir);
    QStringList names;
    for (const QString& path : *named) {
        // Files outside the project stay where they are named.
        const QString name = folder.relativeFilePath(path);
        if (!planned.contains(name) && ProjectArchiveFormat::isSafeEntryPath(name) && !isLeftOut(name)
            && isPlannedAsFile(QFileInfo(path)))
            names << name;
    }
    names.sort();
    for (const QString& name : qAsConst(names)) {
        const QFileInfo file(folder.filePath(name));
        entries.push_back({file.filePath(), name, file.size()});
        *estimate += file.size();
    }
    return true;
}

bool ArchiveExporter::_checkRegularFiles(const std::vector<Entry>& entries)
{
    QString reason;
    for (const Entry& entry : entries) {
        if (ProjectXml::isIrregularFile(entry.sourcePath, &reason)) {
            emit onMessage(this, ArchiveMessageCode::ExportCopyFailed, reason);
            return false;
        }
    }
    return true;
}

bool ArchiveExporter::_checkFreeSpace(qint64 estimate)
{
    const QStorageInfo storage(_outputFolder);
    if (!storage.isValid() || !storage.isReady()) {
        qWarning().noquote() << "No usable volume at the output folder " + _outputFolder;
        emit onMessage(this, ArchiveMessageCode::ExportCreateFailed, QVariant());
        return false;
    }
    const qint64 available = storage.bytesAvailable();
    qDebug().nospace() << "Export archive need space: " << estimate << " available space: " << available;
    if (estimate >= available) {
        emit onMessage(this, ArchiveMessageCode::ExportNoSpace, QVariant::fromValue<qint64>(estimate - available));
        return false;
    }
    return true;
}

QString ArchiveExporter::_archivePath() const
{
    const QString suffix = ProjectArchiveFormat::suffix;
    // One arg call each: a name that holds "%2" must not take the number.
    QString path = QStringLiteral("%1/%2.%3").arg(_outputFolder, _projectName, suffix);
    // A link that leads nowhere holds its name too: the archive is never written where it leads.
    for (int number = 1; avIsNameTaken(path); ++number)
        path = QStringLiteral("%1/%2 (%3).%4").arg(_outputFolder, _projectName, QString::number(number), suffix);
    return path;
}

bool ArchiveExporter::_writeEntry(QFileDevice& archive, const Entry& entry, QByteArray& buffer)
{
    QFile source(entry.sourcePath);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        qWarning().noquote() << "Cannot open " + entry.sourcePath + ": " + source.errorString();
        return false;
    }
    if (!writeAll(archive, ProjectArchiveFormat::entryHead(entry.name, entry.size)))
        return false;
    // At most the size written in front is copied, so a file that grows
    // meanwhile still gives an archive that reads back.
    qint64 count = 0;
    while (count < entry.size && !_cancelled) {
        const qint64 wanted = std::min(ProjectArchiveFormat::chunkBytes, entry.size - count);
        const qint64 got = source.read(buffer.data(), wanted);
        if (got <= 0 || archive.write(buffer.constData(), got) != got)
            break;
        count += got;
        _writtenBytes += got;
        if (count % kProgressStepBytes == 0)
            _emitProgress();
        if (got < wanted)
            break;
    }
    if (count != entry.size) {
        if (!_cancelled)
            qWarning() << "Write file error:" << count << entry.size;
        return false;
    }
    _emitProgress();
    return true;
}

bool ArchiveExporter::_makeProjectXml(const SegmentRecords& records, const KeptXml& besideRecords,
                                      QByteArray* document)
{
    QBuffer buffer(document);
    buffer.open(QIODevice::WriteOnly);
    return ProjectXml::writeDocument(buffer, true, [&records, &besideRecords](QXmlStreamWriter& writer) {
        ProjectXml::writeRecords(writer, records, &besideRecords);
    });
}

bool ArchiveExporter::_writeProjectXml(QFileDevice& archive, const QByteArray& document)
{
    if (!writeAll(archive, ProjectArchiveFormat::entryHead(QStringLiteral("project.xml"), document.size()))
        || !writeAll(archive, document))
        return false;
    _writtenBytes += document.size();
    _emitProgress();
    return true;
}

void ArchiveExporter::_emitProgress()
{
    emit onMessage(this, ArchiveMessageCode::Progress, ProjectArchiveFormat::percent(_writtenBytes, _totalBytes));
}

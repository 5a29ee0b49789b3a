// The project's XML files: "project.xml", "properties.xml", "layout.xml",
// and the copy of the built-in example projects.
#include "ProjectManager.h"

#include "AVFolderTree.h"
#include "ProjectXml.h"
#include "RecordRepair.h"
#include "SaveFileCommit.h"
#include "Segment.h"
#include "SegmentKeys.h"
#include "Util.h"

#include <QBuffer>
#include <QColor>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

const QString kPropertiesElement = QStringLiteral("Properties");
// The attributes of "Properties" that this version reads and writes.
const QStringList kPropertyKeys{"version", "direction", "resolution", "frameRate", "duration", "fixCoverImage",
                                "imageScale", "edit", "backgroundColor", "segmentMode"};
const QString kLayoutElement = QStringLiteral("Layout");
const QString kExamplesFolder = QStringLiteral("Examples");
const QString kExamplesResource = QStringLiteral(":/examples");

// A folder that at least this many of the names looked up lead into is
// listed rather than each name looked up on its own.
constexpr int kListedFolderNames = 8;

constexpr float kMinImageScale = 0.125f;
constexpr float kMaxImageScale = 1.0f;

QString floatText(float value)
{
    return QString::number(double(value), 'g', 6);
}

QString flagText(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

// "{r,g,b,a}" with components from 0 to 1, as older versions wrote colours.
QRgb colorFromComponents(QString text)
{
    text = text.mid(1, text.size() - 2).simplified();
    const QStringList sections = text.split(QLatin1Char(','));
    const auto component = [&sections](int index) {
        return std::clamp(int(sections.value(index).toFloat() * 255.0f), 0, 255);
    };
    return qRgba(component(0), component(1), component(2), component(3));
}

// The colour of a "backgroundColor" value; false for an empty value, which
// leaves the colour as it was.
bool parseBackgroundColor(const QString& text, QRgb* color)
{
    if (text.isEmpty())
        return false;
    if (text.size() > 2 && text.startsWith(QLatin1Char('{')) && text.endsWith(QLatin1Char('}')))
        *color = colorFromComponents(text);
    else
        *color = Segment::colorFromText(text);
    return true;
}

// The values of a project document that can name a file: every attribute
// value, and each run of text between two tags, trimmed. "File" and "URL"
// values go to fileValues, the others to otherValues. False when the
// document does not parse whole.
bool readNamingValues(const QByteArray& document, QSet<QString>* fileValues, QSet<QString>* otherValues)
{
    QXmlStreamReader reader(document);
    QString text;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        // Text comes in pieces around entity references and CDATA sections.
        if (token == QXmlStreamReader::Characters) {
            text += reader.text();
            continue;
        }
        const QString value = text.trimmed();
        if (!value.isEmpty())
            otherValues->insert(value);
        text.clear();
        if (token != QXmlStreamReader::StartElement)
            continue;
        for (const QXmlStreamAttribute& attribute : reader.attributes()) {
            const QStringRef key = attribute.name();
            if (!attribute.value().isEmpty())
                (key == SegmentKey::File || key == SegmentKey::URL ? fileValues : otherValues)
                    ->insert(attribute.value().toString());
        }
    }
    if (!reader.hasError() || ProjectXml::isEmptyProjectFile(document))
        return true;
    qWarning().noquote() << "The files the project names cannot be told: " + reader.errorString();
    return false;
}

// The whole document as a project file holds it.
QByteArray documentBytes(const std::function<void(QXmlStreamWriter&)>& writeBody)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ProjectXml::writeDocument(buffer, true, writeBody);
    return buffer.data();
}

// Entry names, by the clean absolute folder they would be entries of. The
// folder "" holds paths that are no entry of a folder (the root).
using NamesByFolder = QHash<QString, QStringList>;

// Adds the entry that the value leads to from directory.
void addEntry(const QString& value, const QString& directory, NamesByFolder* names)
{
    // Most values are bare names: no path needs to be made of them.
    const bool bare = !value.contains(QLatin1Char('/')) && !value.contains(QLatin1Char('\\'))
        && value != QLatin1String(".") && value != QLatin1String("..");
    if (bare) {
        (*names)[directory] << value;
        return;
    }
    const QString path = QDir::cleanPath(Segment::resolvedFilePath(value, directory));
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0 || slash == path.size() - 1)
        (*names)[QString()] << path;
    else
        (*names)[path.left(std::max(slash, 1))] << path.mid(slash + 1);
}

// The clean absolute paths of the entries that exist. Most values of a
// project name no file (a project can hold tens of thousands of them), and
// looking each up froze the window: a folder that several lead into is
// listed once instead.
QSet<QString> existingEntries(const NamesByFolder& names)
{
    QSet<QString> existing;
    for (auto group = names.cbegin(); group != names.cend(); ++group) {
        const QDir folder(group.key());
        QSet<QString> listed;
        const bool listing = !group.key().isEmpty() && group.value().size() >= kListedFolderNames;
        if (listing) {
            const QStringList entries = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                         | QDir::NoDotAndDotDot);
            listed = QSet<QString>(entries.cbegin(), entries.cend());
        }
        for (const QString& name : group.value()) {
            const QString path = folder.filePath(name);
            if (listing ? listed.contains(name) : QFileInfo::exists(path))
                existing.insert(path);
        }
    }
    return existing;
}

} // namespace

const QString ProjectManager::exampleMarkerFile = QStringLiteral("example.dat");

// --- "properties.xml" ---------------------------------------------------------------------

int ProjectManager::loadProperties(const QString& name, const QString& folder, QString* unreadable)
{
    QMutexLocker locker(&_mutex);
    QByteArray bytes;
    if (!ProjectXml::readWholeFile(propertiesXmlPath(name, folder), &bytes, unreadable))
        return -1;
    _keptProperties = KeptXml();
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() != kPropertiesElement || !reader.namespaceUri().isEmpty())
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        const auto has = [&attributes](const char* key) { return attributes.hasAttribute(QLatin1String(key)); };
        const auto text = [&attributes](const char* key) { return attributes.value(QLatin1String(key)); };
        if (has("version"))
            _version = text("version").toFloat();
        if (has("direction"))
            _direction = text("direction").toInt() == 1;
        if (has("resolution"))
            _resolution = text("resolution").toInt();
        if (has("frameRate"))
            _frameRate = text("frameRate").toFloat();
        if (has("duration"))
            _duration = RecordRepair::soundProjectDuration(text("duration").toFloat());
        if (has("fixCoverImage"))
            _fixCoverImage = text("fixCoverImage").toInt() == 1;
        if (has("imageScale")) {
            const float scale = text("imageScale").toFloat();
            _imageScale = std::isnan(scale) ? kMaxImageScale : std::clamp(scale, kMinImageScale, kMaxImageScale);
        }
        if (has("edit"))
            _edit = text("edit").toInt() == 1;
        if (has("backgroundColor"))
            parseBackgroundColor(text("backgroundColor").toString(), &_backgroundColor);
        if (has("segmentMode")) {
            const int mode = text("segmentMode").toInt();
            _segmentMode = mode < 0 || mode > 1 ? 0 : mode;
        }
        _keepUnreadProperties(reader);
    }
    if (reader.hasError()) {
        qWarning().noquote() << "Project properties load error: " + reader.errorString();
        return reader.error();
    }
    return 0;
}

// What a newer version, an extension or a hand added to the properties, as
// kept elements are kept in "project.xml": attributes this version does not
// read (also those in a namespace, whatever their names), and the elements,
// comments and processing instructions inside.
void ProjectManager::_keepUnreadProperties(QXmlStreamReader& reader)
{
    QXmlStreamAttributes unread;
    for (const QXmlStreamAttribute& attribute : reader.attributes()) {
        if (!attribute.namespaceUri().isEmpty() || !kPropertyKeys.contains(attribute.name().toString()))
            unread.append(attribute);
    }
    _keptProperties.keepStartTag(reader, unread);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement())
            return;
        const bool isNode = reader.isStartElement() || reader.isComment() || reader.isProcessingInstruction();
        if (isNode && !_keptProperties.readElement(reader, 0))
            return;
    }
}

void ProjectManager::_writePropertyAttributes(QXmlStreamWriter& writer) const
{
    writer.writeAttribute(QStringLiteral("version"), floatText(_version));
    writer.writeAttribute(QStringLiteral("direction"), flagText(_direction));
    writer.writeAttribute(QStringLiteral("resolution"), QString::number(_resolution));
    writer.writeAttribute(QStringLiteral("frameRate"), floatText(_frameRate));
    writer.writeAttribute(QStringLiteral("duration"), floatText(_duration));
    writer.writeAttribute(QStringLiteral("fixCoverImage"), flagText(_fixCoverImage));
    writer.writeAttribute(QStringLiteral("imageScale"), floatText(_imageScale));
    writer.writeAttribute(QStringLiteral("edit"), flagText(_edit));
    writer.writeAttribute(QStringLiteral("backgroundColor"), QColor::fromRgba(_backgroundColor).name(QColor::HexArgb));
    writer.writeAttribute(QStringLiteral("segmentMode"), QString::number(_segmentMode));
}

void ProjectManager::_writePropertiesBody(QXmlStreamWriter& writer) const
{
    writer.writeStartElement(kPropertiesElement);
    _keptProperties.writeStartTagDeclarations(writer);
    _writePropertyAttributes(writer);
    _keptProperties.writeStartTagAttributes(writer);
    _keptProperties.writeFrom(writer, 0);
    writer.writeEndElement();
}

int ProjectManager::saveProperties(const QString& name, const QString& folder)
{
    QMutexLocker locker(&_mutex);
    QString reason;
    const int result = ProjectXml::write(propertiesXmlPath(name, folder), "Project properties save error",
                                         [this](QXmlStreamWriter& writer) { _writePropertiesBody(writer); }, &reason);
    _propertiesSaveFailure = _noteSaveResult(result, reason);
    return result;
}

// --- "layout.xml" -----------------------------------------------------------------------------

int ProjectManager::loadLayout()
{
    QFile file(layoutXmlPath(_projectName, _projectFolder));
    // A named pipe in its place would hold the opening up for good: the
    // layout then stays as it is, as without the file.
    if (file.fileName().isEmpty() || ProjectXml::isIrregularFile(file.fileName())
        || !file.open(QIODevice::ReadOnly))
        return -1;
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() != kLayoutElement)
            continue;
        for (const QXmlStreamAttribute& attribute : reader.attributes())
            _layout.insert(attribute.name().toString(), attribute.value().toInt());
    }
    if (reader.hasError()) {
        qWarning().noquote() << "Layout parameters load error: " + reader.errorString();
        return reader.error();
    }
    return 0;
}

int ProjectManager::saveLayout()
{
    // What is no regular file there is another program's, read as no layout: it stays.
    const QString path = layoutXmlPath(_projectName, _projectFolder);
    if (ProjectXml::isIrregularFile(path))
        return -1;
    // Sorted by key, so that an unchanged layout writes the same bytes.
    return ProjectXml::write(path, "Layout parameters save error",
                             [this](QXmlStreamWriter& writer) {
                                 writer.writeStartElement(kLayoutElement);
                                 for (auto it = _layout.cbegin(); it != _layout.cend(); ++it)
                                     writer.writeAttribute(it.key(), QString::number(it.value()));
                                 writer.writeEndElement();
                             });
}

// --- "project.xml" -------------------------------------------------------------------------------

int ProjectManager::loadSegments(SegmentRecords& records, const QString& name, const QString& folder,
                                 KeptXml* besideRecords, QString* unreadable)
{
    return ProjectXml::readSegmentsFile(projectXmlPath(name, folder), records, "Project segments load error",
                                        besideRecords, unreadable);
}

std::optional<QSet<QString>> ProjectManager::recordedFilePaths(const QString& name, const QString& folder,
                                                               bool holdsRecords, QByteArray* savedBytes)
{
    // A project that has never saved a record names no file yet.
    if (!holdsRecords && !QFileInfo::exists(projectXmlPath(name, folder))
        && !QFileInfo::exists(projectPlistPath(name, folder)))
        return QSet<QString>();
    QByteArray bytes;
    QString unreadable;
    if (!ProjectXml::readWholeFile(projectXmlPath(name, folder), &bytes, &unreadable)) {
        qWarning().noquote() << "The files the project names cannot be told: " + unreadable;
        return std::nullopt;
    }
    if (savedBytes)
        *savedBytes = bytes;
    return filePathsNamedBy(bytes, projectDirectory(name, folder));
}

// The documents are made in memory as a save writes them, so that their
// files are told by the same reading as those of the saved files. Right
// after a save the project document is the saved file byte for byte:
// reading tens of thousands of kept elements a second time would only hold
// up the close.
std::optional<QSet<QString>> ProjectManager::heldFilePaths(const QString& name, const QString& folder,
                                                           const QByteArray& savedBytes) const
{
    QMutexLocker locker(&_mutex);
    const QString directory = projectDirectory(name, folder);
    std::optional<QSet<QString>> paths =
        filePathsNamedBy(documentBytes([this](QXmlStreamWriter& writer) { _writePropertiesBody(writer); }), directory);
    const QByteArray project = documentBytes([this](QXmlStreamWriter& writer) { _writeProjectBody(writer, false); });
    if (!paths || project == savedBytes)
        return paths;
    const std::optional<QSet<QString>> named = filePathsNamedBy(project, directory);
    if (!named)
        return std::nullopt;
    return paths->unite(*named);
}

// A record's "File" or "URL" names its file, whether it exists or not; any
// other value (a newer version's or an extension's attribute, the text of
// an element kept unused) names the file it leads to when that exists.
// Whole values count, relative to the project's folder unless absolute.
std::optional<QSet<QString>> ProjectManager::filePathsNamedBy(const QByteArray& document, const QString& directory)
{
    QSet<QString> fileValues;
    QSet<QString> otherValues;
    if (!readNamingValues(document, &fileValues, &otherValues))
        return std::nullopt;
    QSet<QString> paths;
    for (const QString& value : qAsConst(fileValues))
        paths.insert(QDir::cleanPath(Segment::resolvedFilePath(value, directory)));
    NamesByFolder otherEntries;
    const QString folder = QDir::cleanPath(directory);
    for (const QString& value : qAsConst(otherValues))
        addEntry(value, folder, &otherEntries);
    return paths.unite(existingEntries(otherEntries));
}

void ProjectManager::keepUnbuiltRecord(std::unique_ptr<SegmentAttributes> record, int index)
{
    qWarning().noquote() << QStringLiteral("The record at index %1 of the project (type %2, file \"%3\", id \"%4\") "
                                           "is not built; it is kept as read and saved back unchanged")
                                .arg(index)
                                .arg(Segment::stringAttribute(record.get(), SegmentKey::Type),
                                     Segment::storedFileOf(record.get()),
                                     Segment::stringAttribute(record.get(), SegmentKey::UId));
    QMutexLocker locker(&_mutex);
    const auto place = std::upper_bound(_unbuiltRecords.begin(), _unbuiltRecords.end(), index,
                                        [](int wanted, const UnbuiltRecord& kept) { return wanted < kept.index; });
    _unbuiltRecords.insert(place, UnbuiltRecord{std::move(record), index});
}

QSet<int> ProjectManager::unbuiltTrackIds() const
{
    QMutexLocker locker(&_mutex);
    QSet<int> ids;
    for (const UnbuiltRecord& kept : _unbuiltRecords) {
        if (kept.record->findText(SegmentKey::TrackId))
            ids.insert(Segment::intAttribute(kept.record.get(), SegmentKey::TrackId, 0));
    }
    return ids;
}

void ProjectManager::keepElementsBesideRecords(const KeptXml& elements)
{
    QMutexLocker locker(&_mutex);
    _besideRecords = elements;
}

bool ProjectManager::holdsRecords() const
{
    QMutexLocker locker(&_mutex);
    return !_segments.empty() || !_unbuiltRecords.empty() || !_besideRecords.isEmpty();
}

void ProjectManager::_writeProjectBody(QXmlStreamWriter& writer, bool snapshot) const
{
    const size_t unbuilt = snapshot ? 0 : _unbuiltRecords.size();
    const KeptXml noElements;
    const KeptXml& beside = snapshot ? noElements : _besideRecords;
    ProjectXml::writeRoot(writer, beside);
    size_t kept = 0;
    size_t built = 0;
    while (built < _segments.size() || kept < unbuilt) {
        beside.write(writer, int(built + kept));
        const bool keptComesNext = kept < unbuilt
            && (built == _segments.size() || size_t(_unbuiltRecords[kept].index) <= built + kept);
        if (keptComesNext)
            Segment::saveToXml(*_unbuiltRecords[kept++].record, writer);
        else
            _segments[built++]->saveTo(writer);
        if (writer.hasError())
            return;
    }
    beside.writeFrom(writer, int(built + kept));
    writer.writeEndElement();
}

int ProjectManager::_writeSegments(const QString& path, const char* errorMessage, QString* reason) const
{
    return ProjectXml::write(
        path, errorMessage, [this](QXmlStreamWriter& writer) { _writeProjectBody(writer, false); }, reason);
}

int ProjectManager::saveSegments(const QString& name, const QString& folder)
{
    QMutexLocker locker(&_mutex);
    const QString directory = projectDirectory(name, folder);
    // A folder that cannot be made fails the write below, which tells why.
    if (!directory.isEmpty())
        QDir().mkpath(directory);
    QString reason;
    const int result = _writeSegments(projectXmlPath(name, folder), "Project segments save error", &reason);
    _segmentsSaveFailure = _noteSaveResult(result, reason);
    return result;
}

void ProjectManager::noteSaveRefused(const QString& reason)
{
    QMutexLocker locker(&_mutex);
    _segmentsSaveFailure = _noteSaveResult(-1, reason);
}

// A project that did not reach the disk stays modified, so the next save tries again.
std::optional<QString> ProjectManager::_noteSaveResult(int result, const QString& reason)
{
    if (result == 0)
        return std::nullopt;
    setModified(true);
    return reason;
}

// Both files may have failed, each for a reason of its own: the user is
// told of each, not only of the one written last.
QString ProjectManager::saveFailureReason() const
{
    QStringList reasons;
    for (const auto* failure : {&_segmentsSaveFailure, &_propertiesSaveFailure}) {
        if (*failure)
            reasons << **failure;
    }
    return reasons.join(QLatin1Char('\n'));
}

// --- Example projects ------------------------------------------------------------------------------

bool ProjectManager::copyExampleProjects()
{
    const QString projects = projectsDirectory();
    if (projects.isEmpty())
        return false;
    const QString examples = projects + QDir::separator() + kExamplesFolder;
    if (QFileInfo::exists(examples))
        return true;
    if (!QFileInfo(kExamplesResource).isDir()) {
        qWarning() << "The program holds no example projects";
        return false;
    }
    // Renamed into place: a link put at the marker's name meanwhile is
    // replaced, not written through.
    if (!Util::copyDirectory(kExamplesResource, examples, true)
        || !SaveFileCommit::writeWhole(examples + QDir::separator() + QStringLiteral(".folder"), QByteArray())) {
        // A partial copy would stand for the examples for good: take it away,
        // so that the next start copies again.
        avRemoveFolder(examples);
        qWarning().noquote() << "Cannot copy the example projects into " + examples;
        return false;
    }
    qDebug() << "Copy exmaple projects done";
    return true;
}

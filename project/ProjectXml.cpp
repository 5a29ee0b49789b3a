#include "ProjectXml.h"

#include "AVRegularFile.h"
#include "SaveFileCommit.h"
#include "Segment.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace ProjectXml {

namespace {
// An empty project as an older version wrote it: the declaration alone,
// byte for byte. The same text with "UTF-8" or a line break after it is
// no project.
const QByteArray kEmptyProjectFile = QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>");
const QString kProjectElement = QStringLiteral("Project");

// Whether the start element the reader stands on is this version's root of the name.
bool isRootOf(const QXmlStreamReader& reader, const QString& rootName)
{
    return reader.namespaceUri().isEmpty() && reader.name() == rootName;
}

} // namespace

bool writeDocument(QIODevice& device, bool autoFormatting, const std::function<void(QXmlStreamWriter&)>& writeBody)
{
    QXmlStreamWriter writer(&device);
    writer.setAutoFormatting(autoFormatting);
    writer.writeStartDocument();
    writeBody(writer);
    writer.writeEndDocument();
    return !writer.hasError();
}

int write(const QString& path, const char* errorMessage, const std::function<void(QXmlStreamWriter&)>& writeBody,
          QString* reason)
{
    QString why;
    const int result = SaveFileCommit::writeThrough(
        path, [&writeBody](QIODevice& file) { return writeDocument(file, true, writeBody); }, &why);
    if (result == -2)
        qWarning().noquote() << QString::fromUtf8(errorMessage) + ": " + why;
    // The system's reason alone ("Operation not permitted") leaves the user
    // to guess which of the project's files refused.
    if (result != 0 && reason)
        *reason = QCoreApplication::translate("ProjectXml", "\"%1\" cannot be written: %2")
                      .arg(QFileInfo(path).fileName(), why);
    return result;
}

void writeRoot(QXmlStreamWriter& writer, const KeptXml& besideRecords)
{
    writer.writeStartElement(kProjectElement);
    besideRecords.writeStartTagDeclarations(writer);
    besideRecords.writeStartTagAttributes(writer);
}

void writeRecords(QXmlStreamWriter& writer, const SegmentRecords& records, const KeptXml* besideRecords)
{
    writeRoot(writer, besideRecords ? *besideRecords : KeptXml());
    int place = 0;
    for (const auto& record : records) {
        if (besideRecords)
            besideRecords->write(writer, place++);
        Segment::saveToXml(*record, writer);
        if (writer.hasError())
            return;
    }
    if (besideRecords)
        besideRecords->writeFrom(writer, place);
    writer.writeEndElement();
}

void readSegments(QXmlStreamReader& reader, SegmentRecords& records, KeptXml* besideRecords)
{
    static const QString segmentElement = QStringLiteral("Segment");
    bool insideRoot = false;
    while (!reader.atEnd()) {
        reader.readNext();
        const bool isNode = reader.isStartElement() || reader.isComment() || reader.isProcessingInstruction();
        if (reader.isEndElement()) {
            // The root's: every element inside it is read whole.
            insideRoot = false;
        } else if (reader.isStartElement() && !insideRoot && !isRootOf(reader, kProjectElement)) {
            reader.raiseError(QStringLiteral("The root element is not this version's \"Project\": the file is of "
                                             "another version"));
            return;
        } else if (reader.isStartElement() && reader.name() == segmentElement && reader.namespaceUri().isEmpty()) {
            auto record = std::make_unique<SegmentAttributes>();
            if (Segment::loadFromXml(*record, reader) != 0)
                return;
            records.push_back(std::move(record));
        } else if (reader.isStartElement() && !insideRoot) {
            insideRoot = true;
            if (besideRecords)
                besideRecords->keepStartTag(reader, reader.attributes());
        } else if (besideRecords && insideRoot && isNode) {
            if (!besideRecords->readElement(reader, int(records.size())))
                return;
        } else if (reader.isStartElement()) {
            reader.skipCurrentElement();
        }
    }
    if (besideRecords)
        besideRecords->placeAfterLast(int(records.size()));
}

RootKind rootKind(const QString& path, const QString& rootName, float newestVersion)
{
    QFile file(path);
    if (path.isEmpty() || isIrregularFile(path) || !file.open(QIODevice::ReadOnly))
        return RootKind::ThisVersion;
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() != rootName)
            return RootKind::OtherDocument;
        const bool higher = !isRootOf(reader, rootName)
            || reader.attributes().value(QLatin1String("version")).toFloat() > newestVersion;
        return higher ? RootKind::HigherVersion : RootKind::ThisVersion;
    }
    return RootKind::ThisVersion;
}

bool isIrregularFile(const QString& path, QString* why)
{
    const QFileInfo info(path);
    if (path.isEmpty() || avIsRegularFile(path) || !info.exists() || info.isDir())
        return false;
    if (why)
        *why = QCoreApplication::translate("ProjectXml", "\"%1\" is not a regular file").arg(info.fileName());
    return true;
}

bool isDanglingLink(const QString& path, QString* why)
{
    const QFileInfo info(path);
    if (!info.isSymLink() || info.exists())
        return false;
    if (why)
        *why = QCoreApplication::translate("ProjectXml", "\"%1\" is a link that leads nowhere").arg(info.fileName());
    return true;
}

bool readWholeFile(const QString& path, QByteArray* bytes, QString* unreadable)
{
    if (path.isEmpty() || isIrregularFile(path, unreadable))
        return false;
    QFile file(path);
    *bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (file.error() == QFileDevice::NoError)
        return true;
    if (unreadable)
        *unreadable = file.errorString();
    return false;
}

bool isEmptyProjectFile(const QByteArray& bytes)
{
    return bytes == kEmptyProjectFile;
}

int readSegmentsFile(const QString& path, SegmentRecords& records, const char* errorMessage, KeptXml* besideRecords,
                     QString* unreadable)
{
    // Parsing from memory is markedly faster than through the file's buffer.
    QByteArray bytes;
    if (!readWholeFile(path, &bytes, unreadable))
        return -1;
    QXmlStreamReader reader(bytes);
    readSegments(reader, records, besideRecords);
    if (!reader.hasError())
        return 0;
    if (reader.error() == QXmlStreamReader::PrematureEndOfDocumentError && isEmptyProjectFile(bytes))
        return 0;
    qWarning().noquote() << QString::fromUtf8(errorMessage) + ": " + reader.errorString();
    return reader.error();
}

} // namespace ProjectXml

#include "ProjectXml.h"

#include "SaveFileCommit.h"
#include "Segment.h"

#include <QDebug>
#include <QFile>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace ProjectXml {

namespace {
// An empty project as an older version wrote it: the declaration alone,
// byte for byte. The same text with "UTF-8" or a line break after it is
// no project.
const QByteArray kEmptyProjectFile = QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>");
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

int write(const QString& path, FileKind kind, const char* errorMessage,
          const std::function<void(QXmlStreamWriter&)>& writeBody)
{
    if (path.isEmpty())
        return -1;
    bool written = false;
    if (kind == FileKind::Snapshot) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return -1;
        written = writeDocument(file, false, writeBody) && file.flush();
    } else {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return -1;
        // An uncommitted QSaveFile removes its temporary file and leaves the old one.
        written = writeDocument(file, true, writeBody) && SaveFileCommit::commitWhole(file);
    }
    if (!written) {
        qWarning() << errorMessage;
        return -2;
    }
    return 0;
}

void writeRecords(QXmlStreamWriter& writer, const SegmentRecords& records)
{
    writer.writeStartElement(QStringLiteral("Project"));
    for (const auto& record : records) {
        Segment::saveToXml(*record, writer);
        if (writer.hasError())
            return;
    }
    writer.writeEndElement();
}

void readSegments(QXmlStreamReader& reader, SegmentRecords& records)
{
    static const QString segmentElement = QStringLiteral("Segment");
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() != segmentElement)
            continue;
        auto record = std::make_unique<SegmentAttributes>();
        if (Segment::loadFromXml(*record, reader) != 0)
            return;
        records.push_back(std::move(record));
    }
}

int readSegmentsFile(const QString& path, SegmentRecords& records, const char* errorMessage)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return -1;
    // Parsing from memory is markedly faster than through the file's buffer.
    const QByteArray bytes = file.readAll();
    QXmlStreamReader reader(bytes);
    readSegments(reader, records);
    if (!reader.hasError())
        return 0;
    if (reader.error() == QXmlStreamReader::PrematureEndOfDocumentError && bytes == kEmptyProjectFile)
        return 0;
    qWarning().noquote() << QString::fromUtf8(errorMessage) + ": " + reader.errorString();
    return reader.error();
}

} // namespace ProjectXml

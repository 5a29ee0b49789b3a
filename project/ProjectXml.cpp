#include "ProjectXml.h"

#include "Segment.h"

#include <QDebug>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace ProjectXml {

int write(const QString& path, bool autoFormatting, const char* errorMessage,
          const std::function<void(QXmlStreamWriter&)>& writeBody)
{
    if (path.isEmpty())
        return -1;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return -1;
    QXmlStreamWriter writer(&file);
    writer.setAutoFormatting(autoFormatting);
    writer.writeStartDocument();
    writeBody(writer);
    writer.writeEndDocument();
    // An uncommitted QSaveFile removes its temporary file and leaves the old one.
    if (writer.hasError() || !file.commit()) {
        qWarning() << errorMessage;
        return -2;
    }
    return 0;
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

} // namespace ProjectXml

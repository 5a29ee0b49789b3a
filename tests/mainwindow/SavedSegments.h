#pragma once

#include <QFile>
#include <QString>
#include <QXmlStreamReader>

// The segments of the type saved in the project file, or of every type when
// it is empty; -1 when the file cannot be read whole.
inline int savedSegments(const QString& projectXml, const QString& type = QString())
{
    QFile file(projectXml);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    QXmlStreamReader reader(&file);
    int segments = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        const auto saved = reader.attributes().value(QStringLiteral("Type"));
        if (reader.isStartElement() && reader.name() == QStringLiteral("Segment") && (type.isEmpty() || saved == type))
            ++segments;
    }
    return reader.hasError() ? -1 : segments;
}

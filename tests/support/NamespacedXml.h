#pragma once

// Checks on XML documents as a reader that resolves namespaces sees them,
// as every other program that reads the project's files does.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

// What a reader that resolves namespaces finds wrong in the document; empty
// when it reads whole.
inline QString namespaceReadError(const QByteArray& document)
{
    QXmlStreamReader reader(document);
    while (!reader.atEnd())
        reader.readNext();
    return reader.hasError() ? reader.errorString() : QString();
}

// The elements ("name{uri}") and attributes ("@name{uri}") of the document
// that lie in a namespace, in document order, each under the name written.
inline QStringList namespacedNames(const QByteArray& document)
{
    QXmlStreamReader reader(document);
    QStringList names;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (!reader.namespaceUri().isEmpty())
            names << reader.qualifiedName() + "{" + reader.namespaceUri() + "}";
        for (const QXmlStreamAttribute& attribute : reader.attributes()) {
            if (!attribute.namespaceUri().isEmpty())
                names << "@" + attribute.qualifiedName() + "{" + attribute.namespaceUri() + "}";
        }
    }
    return names;
}

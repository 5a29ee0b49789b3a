#pragma once

#include <QByteArray>
#include <QtEndian>

#include <utility>
#include <vector>

// Project archives written byte by byte, independently of the code under
// test, so that a test can put into one what the exporter never writes.

template <typename T>
QByteArray le(T value)
{
    QByteArray bytes(int(sizeof(T)), '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

inline QByteArray lengthPrefixed(const QByteArray& text)
{
    return le<qint32>(text.size()) + text;
}

// An archive of the current version holding the entries (name, data) in order.
inline QByteArray archiveBytes(const QByteArray& projectName,
                               const std::vector<std::pair<QByteArray, QByteArray>>& entries)
{
    QByteArray bytes = "vidorna " + le<qint32>(3) + lengthPrefixed(projectName);
    for (const auto& [name, data] : entries)
        bytes += lengthPrefixed(name) + le<qint64>(data.size()) + data;
    return bytes;
}

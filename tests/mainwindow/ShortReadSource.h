#pragma once

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

// A file that announces more bytes than it gives: kernel attribute files
// report a page-sized length and read a few bytes. A copy of it (through a
// link named like a movie) fails part way every time, as a copy whose source
// went away under it does. Empty when this system has none.
inline QString shortReadSource()
{
    const QStringList candidates = {QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled"),
                                    QStringLiteral("/sys/kernel/uevent_seqnum"),
                                    QStringLiteral("/sys/kernel/profiling")};
    for (const QString& path : candidates) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && file.readAll().size() < QFileInfo(path).size())
            return path;
    }
    return QString();
}

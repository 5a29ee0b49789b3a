#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Sets TMPDIR for one test and puts the old value back: captures land in
// the temporary location.
struct TemporaryFolder {
    explicit TemporaryFolder(const QString& path) : old(qgetenv("TMPDIR")) { qputenv("TMPDIR", path.toLocal8Bit()); }
    ~TemporaryFolder() { qputenv("TMPDIR", old); }
    QByteArray old;
};

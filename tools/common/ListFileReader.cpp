#include "ListFileReader.h"

#include <QFile>

bool readListFile(const QString& path, const std::function<bool(const QString& line, const QString& where)>& take,
                  QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = "cannot read " + path;
        return false;
    }
    int lineNumber = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (!take(line, QString("%1:%2").arg(path).arg(lineNumber)))
            return false;
    }
    return true;
}

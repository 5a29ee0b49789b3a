#include "SaveFileCommit.h"

#include "ReplacingFile.h"

#include <QImage>

#include <cerrno>
#include <cstring>

namespace SaveFileCommit {

int writeThrough(const QString& path, const std::function<bool(QIODevice&)>& write, QString* reason)
{
    ReplacingFile file(path);
    if (!file.open(reason))
        return -1;
    errno = 0;
    if (!write(file.device())) {
        if (reason)
            *reason = writeFailure(file.device(), errno);
        return -2;
    }
    return file.commit(reason) ? 0 : -2;
}

bool writeWhole(const QString& path, const QByteArray& bytes, QString* reason)
{
    return writeThrough(path, [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); }, reason) == 0;
}

bool writeImage(const QString& path, const QImage& image, const char* format, int quality, QString* reason)
{
    return writeThrough(path, [&](QIODevice& file) { return image.save(&file, format, quality); }, reason) == 0;
}

QString writeFailure(const QFileDevice& file, int systemError)
{
    return systemError != 0 ? QString::fromLocal8Bit(std::strerror(systemError)) : file.errorString();
}

} // namespace SaveFileCommit

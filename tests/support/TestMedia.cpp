#include "TestMedia.h"

#include <QDir>

namespace TestMedia {

QString folder()
{
    const QString configured = qEnvironmentVariable("VIDORNA_FIXTURE_DIR");
    return configured.isEmpty() ? QStringLiteral(VIDORNA_DEFAULT_FIXTURE_DIR) : configured;
}

QString path(const QString& name)
{
    return QDir(folder()).absoluteFilePath(name);
}

} // namespace TestMedia

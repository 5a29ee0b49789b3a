#include "GiphyGifsCache.h"

#include "SaveFileCommit.h"
#include "Util.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

GiphyGifsCache::GiphyGifsCache(QObject* parent) : QObject(parent)
{
    QDir dir(Util::cacheLocation());
    // Without its own folder the cache lies in the cache location itself.
    if (dir.mkpath("Giphy"))
        dir.cd("Giphy");
    _folder = dir.absolutePath();
}

bool GiphyGifsCache::isUsableId(const QString& id)
{
    return !id.isEmpty() && id != "." && id != ".." && !id.contains('/') && !id.contains('\\')
           && !id.contains(QChar(0));
}

QString GiphyGifsCache::filePathForId(const QString& id, const QString& rendition) const
{
    if (!isUsableId(id))
        return QString();
    return _folder + QDir::separator() + id + "-" + rendition;
}

QString GiphyGifsCache::cachePathForId(const QString& id, const QString& rendition) const
{
    const QString path = filePathForId(id, rendition);
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}

QString GiphyGifsCache::setCacheForId(const QByteArray& data, const QString& id, const QString& rendition)
{
    qDebug() << "GiphyGifsCache::setCacheForId" << data.size();
    const QString path = filePathForId(id, rendition);
    if (path.isEmpty())
        return QString();
    // A half-written file would later pass for a cached GIF, and be copied
    // into the project that takes it.
    QString reason;
    if (!SaveFileCommit::writeWhole(path, data, &reason)) {
        qDebug() << "GiphyGifsCache: cannot write" << path << reason;
        return QString();
    }
    return path;
}

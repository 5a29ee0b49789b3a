#pragma once

#include <QObject>
#include <QString>

// Every file fetched from the GIF search service, one per GIF id and
// rendition, in the folder "Giphy" of the cache location. Files stay until
// something deletes them.
class GiphyGifsCache : public QObject
{
    Q_OBJECT

public:
    explicit GiphyGifsCache(QObject* parent = nullptr);

    // The file's path whether or not it exists; empty for an id that would
    // not name a plain file inside the folder.
    QString filePathForId(const QString& id, const QString& rendition) const;
    // The path when the file is there, else empty.
    QString cachePathForId(const QString& id, const QString& rendition) const;
    // Writes the bytes as they came and returns the path; empty when nothing
    // could be written.
    QString setCacheForId(const QByteArray& data, const QString& id, const QString& rendition);

    // Ids come from the service: one that is empty, "." or "..", or holds a
    // separator or NUL, cannot be a file name in the folder.
    static bool isUsableId(const QString& id);

    QString folder() const { return _folder; }

private:
    QString _folder;
};

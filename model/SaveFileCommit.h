#pragma once

#include <functional>

class QByteArray;
class QFileDevice;
class QImage;
class QSaveFile;
class QString;

// Giving a QSaveFile its final name only when every byte reached the disk.
namespace SaveFileCommit {

// Flushes what the file still buffers and commits it, replacing the old file,
// only when no write failed; otherwise the temporary file is dropped and the
// old file stays. QSaveFile::commit() on its own looks only at writes that
// failed before it was called: the buffered rest is written while it closes
// the file, and a failure there (a full disk, a file size limit) would still
// put a cut file in the old one's place. On failure reason, when given,
// holds why, in the system's words.
bool commitWhole(QSaveFile& file, QString* reason = nullptr);

// Writes the whole file at path through write, into a temporary file that
// commitWhole gives the name: on any failure the old file stays as it was.
// 0; -1 when the file cannot be created, -2 when write or the commit fails.
// On failure reason, when given, holds why, in the system's words.
int writeThrough(const QString& path, const std::function<bool(QSaveFile&)>& write, QString* reason = nullptr);

// The bytes as the whole file at path, through a temporary file and
// commitWhole: on any failure the old file stays as it was.
bool writeWhole(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// The picture in the format (quality as QImage::save takes it) as the
// whole file at path, the same way. QImage::save(path) writes in place: a
// full disk leaves the old file cut.
bool writeImage(const QString& path, const QImage& image, const char* format, int quality = -1,
                QString* reason = nullptr);

// Clears path, a name where the program keeps a file of its own (a
// project's files, its cover and settings, the undo snapshots and their
// folder), of a symbolic link that stands there: only the link goes. Written
// through, the link would replace a file outside the project's folder;
// removed recursively, it would empty a folder there. True when no link is
// at path (any more); on failure reason, when given, holds why.
bool removeLinkAt(const QString& path, QString* reason = nullptr);

// Why open() failed on the file. QSaveFile turns an existing file it may not
// write away with a text of its own, which names no cause; the system is
// asked for its reason then (permission denied, a read-only or immutable file).
QString openFailure(const QSaveFile& file);

// Why a write to the file failed; systemError is errno as the failed call
// left it, after the caller cleared it before the call. Qt names no cause
// when a write stops part way (a full disk, a file size limit): the
// system's error number still does.
QString writeFailure(const QFileDevice& file, int systemError);

} // namespace SaveFileCommit

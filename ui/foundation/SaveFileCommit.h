#pragma once

#include <functional>

class QByteArray;
class QFileDevice;
class QImage;
class QIODevice;
class QString;

// Writing a file of the program's own whole or not at all, through a
// ReplacingFile: a link at its name is replaced, never written through.
namespace SaveFileCommit {

// Writes the whole file at path through write, into a temporary file that
// takes the name once every byte reached the disk: on any failure the old
// file stays as it was. 0; -1 when the file cannot be created, -2 when write
// or the commit fails. On failure reason, when given, holds why, in the
// system's words.
int writeThrough(const QString& path, const std::function<bool(QIODevice&)>& write, QString* reason = nullptr);

// The bytes as the whole file at path, the same way.
bool writeWhole(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// The picture in the format (quality as QImage::save takes it) as the
// whole file at path, the same way. QImage::save(path) writes in place: a
// full disk leaves the old file cut.
bool writeImage(const QString& path, const QImage& image, const char* format, int quality = -1,
                QString* reason = nullptr);

// Why a write to the file failed; systemError is errno as the failed call
// left it, after the caller cleared it before the call. Qt names no cause
// when a write stops part way (a full disk, a file size limit): the
// system's error number still does.
QString writeFailure(const QFileDevice& file, int systemError);

} // namespace SaveFileCommit

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <functional>

#include <sys/types.h>

// A file of the program's own written whole under a fresh name in its
// folder and then renamed onto its name. Whatever stands at the name is
// never opened: a rename replaces a symbolic link there instead of writing
// the file it leads to, however late another process put the link there.
// The temporary file is made so that it cannot be a link either, and it
// goes on every failure: the old file stays as it was. The file it replaces
// passes on its owner and group (as far as this process may give them), its
// extended attributes (its access control list among them) and its
// permissions, so that whoever could use the old file can use the new one.
class ReplacingFile
{
public:
    explicit ReplacingFile(const QString& path);
    // The file at path in the folder open at the descriptor folder, path's
    // own: the folder is never looked up by its name again, so a link put at
    // a folder's name meanwhile never leads the file elsewhere. The
    // descriptor stays the caller's.
    ReplacingFile(int folder, const QString& path);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Makes the temporary file. A file at the name that may not be written
    // (read-only, immutable) or a folder there refuses the write at once.
    // On failure reason, when given, holds why, in the system's words.
    bool open(QString* reason = nullptr);
    // The permissions the file gets when it replaces no file; one it
    // replaces passes on its own.
    void setPermissions(mode_t mode);
    // Where the bytes go between open() and commit().
    QFile& device() { return _file; }
    const QString& fileName() const { return _path; }

    // Flushes every buffered byte to the disk and gives the file its name,
    // only when no write failed: a failure in the buffered rest (a full
    // disk, a file size limit) keeps the old file too. On failure reason,
    // when given, holds why, in the system's words.
    bool commit(QString* reason = nullptr);
    // As commit(), for a file that must replace nothing: when something took
    // the name meanwhile, the file takes the next path that nextFreePath
    // gives (one in the same folder), and fileName() then tells it.
    bool commitAsNew(const std::function<QString()>& nextFreePath, QString* reason = nullptr);

private:
    // Every byte and the old file's attributes on the disk, the file closed.
    bool _writeOut(bool takeOldAttributes, QString* reason);
    // 0, or the errno of a failure the system gave for another reason than
    // a permission it does not grant.
    int _takeOldAttributes(int descriptor, bool* taken) const;
    // False when the path is not one of the same folder.
    bool _takePath(const QString& path);
    bool _fail(int systemError, QString* reason);
    void _discard();

    QString _path;
    QByteArray _name;
    QByteArray _temporaryName;
    int _givenFolder = -1;
    int _folder = -1;
    // Made readable by its owner alone, until it takes the permissions of
    // the file it replaces.
    bool _madePrivate = false;
    // Asked for by setPermissions(), or -1.
    int _permissions = -1;
    QFile _file;
};

#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QIODevice;

// What the archive threads report through onMessage. The exporter and the
// importer share the numbers 1, 2 and 100; the others mean different things
// on either side.
struct ArchiveMessageCode {
    enum Common {
        Begin = 1,      // writing or reading starts
        Progress = 2,   // int: percent done
        Done = 100,     // exporter: QString, the archive's path; importer: empty
    };
    enum Export {
        ExportCreateFailed = 3,     // the archive file cannot be created
        ExportEstimateFailed = 4,   // "project.xml" unreadable (QString: why, when told); nothing written
        ExportNoSpace = 5,          // qint64: bytes missing at the output folder
        ExportCopyFailed = 6,       // a file failed to open or to copy (QString: why, when told); no archive left
        ExportProjectXmlFailed = 7, // "project.xml" could not be generated; no archive left
        ExportCancelled = 8,        // no archive left
        ExportTooNew = 9,           // the project is of a newer version's format (QString: which file); nothing written
        ExportNotAProject = 10,     // a project file holds another document (QString: which and why); nothing written
    };
    enum Import {
        ImportWriteFailed = 3,      // a file of the new project cannot be written; the folder is removed
        ImportMissing = 4,          // the archive file does not exist
        ImportNoSpace = 5,          // qint64: bytes missing at the destination
        ImportOpenFailed = 6,       // the archive cannot be opened (QString: why, when it is no regular file)
        ImportBadMagic = 7,         // not a project archive
        ImportTooNew = 8,           // written by a newer version
        ImportDamaged = 9,          // bad header, hostile name or cut entry; the folder is removed
        ImportFolderFailed = 10,    // the project folder cannot be created
        ImportCancelled = 11,       // the new folder is removed
    };
};

// The one-file form of a project: a little-endian stream of the magic
// "vidorna ", the version, the project name, then entries (a name and the
// bytes of one file) until the end of the file. An entry's name is the
// file's path in the project folder, with "/" between its folders. Strings
// are UTF-8 with a 32-bit length in front; entry sizes have 64 bits.
class ProjectArchiveFormat
{
public:
    static const QByteArray magic;
    static constexpr qint32 version = 3;
    static const QString suffix;
    // Names longer than this are refused on reading: a hostile length field
    // must not make the reader allocate gigabytes.
    static constexpr qint32 maxNameBytes = 4096;
    // File data is copied through one buffer of this size.
    static constexpr qint64 chunkBytes = 1048576;

    // Magic, version and the length-prefixed project name.
    static QByteArray header(const QString& projectName);
    // What precedes an entry's data: its length-prefixed name and its size.
    static QByteArray entryHead(const QString& entryName, qint64 size);

    // The name that the bytes of a name read from an archive stand for;
    // false when they hold a NUL byte or are not valid UTF-8. Decoded
    // leniently, such bytes would become another name than the one checked
    // ("a\0b" as "a"); a byte-order mark is kept as a character of its own.
    static bool decodeName(const QByteArray& bytes, QString* name);
    // Whether a name read from an archive can become a file or folder name
    // inside the destination and nothing else: not empty, not "." or "..",
    // and without a separator of any system or a NUL character. Without
    // separators "a..b" is a plain name and cannot leave its folder.
    static bool isSafeName(const QString& name);
    // Whether an entry's name leads to a file inside the new project folder
    // and nothing else: safe names joined by "/", for a file in a sub-folder.
    static bool isSafeEntryPath(const QString& name);

    // Reads a little-endian integer; false unless all of its bytes were there.
    static bool readInt32(QIODevice& device, qint32* value);
    static bool readInt64(QIODevice& device, qint64* value);

    // done as a whole percentage of total, within 0 to 100; 100 when there
    // is nothing to do at all.
    static int percent(qint64 done, qint64 total);
};

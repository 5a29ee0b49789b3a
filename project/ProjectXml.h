#pragma once

#include "ProjectManager.h"

#include <functional>
#include <limits>

class KeptXml;
class QIODevice;
class QXmlStreamReader;
class QXmlStreamWriter;

// The document handling that the project's files and undo snapshots share.
namespace ProjectXml {

// Writes a whole XML document to an open device; false on a write error.
bool writeDocument(QIODevice& device, bool autoFormatting, const std::function<void(QXmlStreamWriter&)>& writeBody);

// Writes an indented XML document as the project file at path: a temporary
// file next to it replaces the file only once the whole document is
// written, so the old file survives a crash or a full disk, and a link at
// the name is replaced, never written through. 0, -1 when the file cannot
// be created, -2 (with the warning errorMessage) on a write error; on
// failure reason, when given, holds why in the system's words, after the
// file's name.
int write(const QString& path, const char* errorMessage, const std::function<void(QXmlStreamWriter&)>& writeBody,
          QString* reason = nullptr);

// Writes the start of the root "Project" with the attributes and
// declarations that besideRecords kept of it.
void writeRoot(QXmlStreamWriter& writer, const KeptXml& besideRecords);

// The body of "project.xml" for records without segment objects: the root
// "Project" with one "Segment" element per record and the elements kept
// beside them in their places (the number of records before), stopping at
// a write error.
void writeRecords(QXmlStreamWriter& writer, const SegmentRecords& records, const KeptXml* besideRecords = nullptr);

// Appends one record per "Segment" element (in no namespace) of the root
// until the document ends or a record cannot be read; a record read only in
// part is not kept. The root's attributes and declarations, and its other
// elements, comments and processing instructions, are kept whole in
// besideRecords, these placed by the number of records before them, or
// skipped when it is null. The reader tells whether the document was whole.
// A root in a namespace, or of another name than "Project", is another
// version's format: the reader gets a custom error on it, and nothing of it
// is read.
void readSegments(QXmlStreamReader& reader, SegmentRecords& records, KeptXml* besideRecords = nullptr);

// What the root element of a document says of its maker.
enum class RootKind {
    // rootName in no namespace, with no "version" above the newest; also
    // what is said of a file that cannot be read, is irregular (below) or
    // holds no element: there is no root to judge.
    ThisVersion,
    // rootName in a namespace or with a "version" above the newest: a
    // format of a higher version, which this one neither reads nor writes.
    HigherVersion,
    // A root of another name, such as an HTML page saved in the file's
    // place: no project file of any version.
    OtherDocument,
};

RootKind rootKind(const QString& path, const QString& rootName,
                  float newestVersion = std::numeric_limits<float>::infinity());

// Whether something is at path that is neither a regular file nor a
// folder: a named pipe, a device or a socket. Told from its status alone,
// as opening a named pipe waits for a writer and reading a device may never
// end; why, when given, then says so in the user's words. A folder fails to
// open at once, with the system's reason.
bool isIrregularFile(const QString& path, QString* why = nullptr);

// Whether path is a symbolic link to nothing. Read, it would seem no file
// at all, and a missing project file is told as a damaged project; why,
// when given, names the link in the user's words instead.
bool isDanglingLink(const QString& path, QString* why = nullptr);

// Reads the whole file at path into bytes; false when it cannot be opened or
// read, or is irregular (unreadable, when given, then holds the reason).
bool readWholeFile(const QString& path, QByteArray* bytes, QString* unreadable);

// Whether bytes are an empty project as an older version wrote it: the
// declaration <?xml version="1.0" encoding="utf-8"?> alone, byte for byte.
bool isEmptyProjectFile(const QByteArray& bytes);

// Appends the records of the file at path. 0, -1 when it cannot be opened
// or read (unreadable, when given, then holds the system's reason),
// otherwise the reader's error code (with the warning errorMessage). The
// file that holds only the declaration <?xml version="1.0" encoding="utf-8"?>
// is an empty project.
int readSegmentsFile(const QString& path, SegmentRecords& records, const char* errorMessage,
                     KeptXml* besideRecords = nullptr, QString* unreadable = nullptr);

} // namespace ProjectXml

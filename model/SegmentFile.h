#pragma once

#include <QString>

class Segment;

// The media file of a segment under "File" (older projects: "URL"). A file
// inside the project folder is stored by its bare name, so that a project
// folder can move; anything else keeps its absolute path.
namespace SegmentFile {

// Stores the path under "File", relative to the owner's project folder when
// it lies inside it.
void setFilePath(Segment* segment, const QString& path);
// The absolute path: empty without a file, the stored text when it holds a
// folder separator, else the name inside the owner's project folder.
QString absolutePath(const Segment* segment);
// The name shown for the file: the stored text without its folders.
QString displayName(const Segment* segment);

} // namespace SegmentFile

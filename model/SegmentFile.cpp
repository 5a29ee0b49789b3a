#include "SegmentFile.h"

#include "Segment.h"
#include "SegmentKeys.h"
#include "SegmentListener.h"

#include <QDir>

namespace {

QString storedText(const Segment* segment)
{
    const SegmentAttributes* attributes = segment->attributes();
    if (const QString* file = attributes->findText(SegmentKey::File))
        return *file;
    return Segment::stringAttribute(attributes, SegmentKey::URL);
}

bool hasSeparator(const QString& text)
{
    return text.contains(QLatin1Char('/')) || text.contains(QLatin1Char('\\'));
}

QString projectFolder(const Segment* segment)
{
    // The listener's operations take a modifiable segment; asking for the
    // folder changes nothing.
    SegmentListener* owner = segment->owner();
    return owner ? owner->segmentProjectDirectory(const_cast<Segment*>(segment)) : QString();
}

} // namespace

void SegmentFile::setFilePath(Segment* segment, const QString& path)
{
    const QString folder = projectFolder(segment);
    QString stored = path;
    // Only a path inside the folder: "/p/movie" is no prefix of "/p/movie2/a.mp3".
    const bool inside = !folder.isEmpty() && path.size() > folder.size() + 1 && path.startsWith(folder)
        && (path.at(folder.size()) == QLatin1Char('/') || path.at(folder.size()) == QLatin1Char('\\'));
    if (inside)
        stored = path.mid(folder.size() + 1);
    Segment::setStringAttribute(segment->attributes(), SegmentKey::File, stored);
}

QString SegmentFile::absolutePath(const Segment* segment)
{
    const QString stored = storedText(segment);
    if (stored.isEmpty() || hasSeparator(stored))
        return stored;
    return projectFolder(segment) + QDir::separator() + stored;
}

QString SegmentFile::displayName(const Segment* segment)
{
    QString stored = storedText(segment);
    if (!hasSeparator(stored))
        return stored;
    stored.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return stored.section(QLatin1Char('/'), -1);
}

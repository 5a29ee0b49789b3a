#include "ProjectEntryList.h"

#include "HiddenFolder.h"

#include <QDir>

#include <algorithm>

namespace {

const QString kProjectXml = QStringLiteral("project.xml");
const QString kProjectPlist = QStringLiteral("project.plist");

QFileInfo fileIn(const QFileInfo& directory, const QString& name)
{
    return QFileInfo(directory.filePath() + QLatin1Char('/') + name);
}

// Newest first; equal times in ascending name order.
bool listedBefore(const ProjectEntry& a, const ProjectEntry& b)
{
    if (a.modified != b.modified)
        return a.modified > b.modified;
    return a.name() < b.name();
}

} // namespace

void ProjectEntryList::scan(const QString& directory, bool foldersAllowed)
{
    _entries = _list(directory, foldersAllowed);
}

int ProjectEntryList::indexOf(const QString& name) const
{
    for (int i = 0; i < _entries.size(); ++i) {
        if (!_entries[i].isPlaceholder() && _entries[i].name() == name)
            return i;
    }
    return -1;
}

QVector<ProjectEntry> ProjectEntryList::_list(const QString& directory, bool foldersAllowed)
{
    QVector<ProjectEntry> entries;
    // An empty path would list the process's current folder. A name may
    // begin with "." like any other: such a project is listed too, and so is
    // a link to a folder. The listing goes one level into a folder at most,
    // so a link back up does not make it endless.
    if (!directory.isEmpty()) {
        const QFileInfoList found = QDir(directory).entryInfoList(
            QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Time);
        entries.reserve(found.size() + 1);
        for (const QFileInfo& info : found) {
            // The unpacked files of an import that has not ended are no
            // project yet, and what a removal left is none any more.
            if (HiddenFolder::isHiddenName(info.fileName()))
                continue;
            const bool isFolder = foldersAllowed && fileIn(info, ProjectEntry::folderMarker()).exists();
            entries.append(isFolder ? _folderEntry(info) : _projectEntry(info));
        }
        std::stable_sort(entries.begin(), entries.end(), listedBefore);
    }
    entries.prepend(ProjectEntry());
    return entries;
}

ProjectEntry ProjectEntryList::_projectEntry(const QFileInfo& directory)
{
    ProjectEntry entry;
    entry.fileInfo = directory;
    entry.modified = directory.lastModified();
    const QFileInfo xml = fileIn(directory, kProjectXml);
    const QFileInfo plist = fileIn(directory, kProjectPlist);
    if (xml.exists())
        entry.modified = xml.lastModified();
    else if (plist.exists())
        entry.modified = plist.lastModified();
    else
        entry.damaged = true;
    if (fileIn(directory, ProjectManager::exampleMarkerFile).exists())
        entry.modified = QDateTime::fromMSecsSinceEpoch(0);
    return entry;
}

ProjectEntry ProjectEntryList::_folderEntry(const QFileInfo& directory)
{
    ProjectEntry entry;
    entry.fileInfo = directory;
    entry.isFolder = true;
    entry.children = _list(directory.filePath(), false);
    entry.modified = directory.lastModified();
    if (entry.realChildCount() > 0) {
        // The folder counts as new as its newest project.
        entry.modified = QDateTime::fromMSecsSinceEpoch(0);
        for (const ProjectEntry& child : entry.children) {
            if (child.modified.isValid() && child.modified > entry.modified)
                entry.modified = child.modified;
        }
    }
    return entry;
}

#pragma once

#include "ProjectEntry.h"

#include <QVector>

// The listing of one level of the projects directory: the new-movie
// placeholder, then its projects and folders, newest first (equal times by
// name), examples last. Folders are one level deep: a folder's listing is
// read with it, and a directory inside a folder is always a project. Linked
// directories are not followed, so a link can neither lead out of the
// projects directory nor back into itself.
class ProjectEntryList
{
public:
    // Replaces the entries with the listing of directory (only the
    // placeholder when it cannot be read); foldersAllowed is true at the top
    // level of the projects directory.
    void scan(const QString& directory, bool foldersAllowed);
    void clear() { _entries.clear(); }

    int size() const { return _entries.size(); }
    bool isValidIndex(int index) const { return index >= 0 && index < _entries.size(); }
    ProjectEntry& at(int index) { return _entries[index]; }
    const ProjectEntry& at(int index) const { return _entries[index]; }
    // The index of the entry with that directory name; -1 when none.
    int indexOf(const QString& name) const;

private:
    static QVector<ProjectEntry> _list(const QString& directory, bool foldersAllowed);
    static ProjectEntry _projectEntry(const QFileInfo& directory);
    static ProjectEntry _folderEntry(const QFileInfo& directory);

    QVector<ProjectEntry> _entries;
};

#pragma once

#include "ProjectManager.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QString>
#include <QVector>

#include <array>

// One directory listed by the projects browser: a project, a folder of
// projects, or (with an empty fileInfo) the new-movie placeholder. Copied by
// value into the list and into a folder's children.
struct ProjectEntry {
    QFileInfo fileInfo;
    // A project with neither "project.xml" nor "project.plist".
    bool damaged = false;
    // A directory holding the marker ".folder".
    bool isFolder = false;
    // A folder's own listing, its placeholder first; empty for projects.
    QVector<ProjectEntry> children;
    // Sort key: newest first; the epoch for examples.
    QDateTime modified;
    // The tile picture, scaled for the tile on its first paint.
    QPixmap pixmap;
    QString imagePath;
    // A folder's previews: the cover pictures of its first four projects.
    std::array<QPixmap, 4> subPixmaps;
    std::array<QString, 4> subImagePaths;
    // Whether each picture was tried: a missing cover is not looked for again
    // at every repaint.
    bool pixmapTried = false;
    std::array<bool, 4> subPixmapTried{};

    bool isPlaceholder() const { return fileInfo.filePath().isEmpty(); }
    QString name() const { return fileInfo.fileName(); }
    // Projects and folders below the placeholder.
    int realChildCount() const { return children.isEmpty() ? 0 : children.size() - 1; }

    static QString folderMarker() { return QStringLiteral(".folder"); }
    static QString coverFileName() { return QStringLiteral("shot.jpg"); }
    // Removes the example marker from a copied project directory: the copy
    // is the user's own.
    static void dropExampleMarker(const QString& projectDirectory)
    {
        // A copy without the marker leaves nothing to remove: remove() then only fails.
        QFile::remove(projectDirectory + QLatin1Char('/') + ProjectManager::exampleMarkerFile);
    }
};

#pragma once

#include <QFileInfo>

// Media types of local files.
enum LocalFileType { LocalFileVideo = 1, LocalFilePicture = 2, LocalFileAudio = 3 };

// Data the local files list keeps in its items besides name and icon: the
// media type, the duration text drawn over the thumbnail, and the index of
// the item's entry in the page's listing.
enum LocalFileItemRole {
    LocalFileTypeRole = Qt::UserRole + 1,
    LocalFileDurationRole = Qt::UserRole + 2,
    LocalFileEntryRole = Qt::UserRole + 3,
};

// One file of a local folder listing, with its media type and whether its
// row shows its thumbnail yet.
struct LocalFileEntry {
    QFileInfo fileInfo;
    int type = 0;
    bool thumbnailLoaded = false;
};

#pragma once

#include <QFileInfo>

// One file of a local folder listing: its media type (1 video, 2 picture,
// 3 audio) and whether its row shows its thumbnail yet.
struct LocalFileEntry {
    QFileInfo fileInfo;
    int type = 0;
    bool thumbnailLoaded = false;
};

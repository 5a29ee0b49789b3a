#pragma once

#include <QString>

// One asset compiled into the program's resources: a piece of music, a sound
// effect or a sticker, as the built-in asset pages list it.
struct AssetRecord {
    QString title;          // shown in the list; empty for stickers
    QString resPath;        // the asset itself, added to the project
    QString thumbnailPath;  // the list picture; empty for sounds
    int type = 0;           // media item type: 3 audio, 2 picture
    float duration = 0.0f;  // seconds, as the table states it; 0 for stickers
    float scale = 0.0f;     // initial scale handed on: 0.5 for stickers, else 0
};

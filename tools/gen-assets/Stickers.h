#pragma once

#include <QPainter>
#include <QString>

// The built-in stickers, drawn in code: "sticker-GROUP-NN" (GROUP one of
// emoticons, party, love, comic_words; NN from 01). Draws into the whole
// size, leaving the background transparent; false for any other name.
bool drawSticker(const QString& name, QPainter& painter, const QSize& size);

#pragma once

#include <QImage>
#include <QString>

// Pictures drawn in code with QPainter, by name ("@name" in the asset list),
// the built-in stickers among them (Stickers.h).
// A null image for an unknown name.
QImage drawPicture(const QString& name, const QSize& size);

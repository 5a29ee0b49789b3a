#pragma once

#include <QImage>
#include <QString>

// Pictures drawn in code with QPainter, by name ("@name" in the asset list).
// A null image for an unknown name.
QImage drawPicture(const QString& name, const QSize& size);

#pragma once

#include <QImage>
#include <QString>

// Animations drawn in code with QPainter, by name ("@name*FRAMES" in the
// asset list): frame number frame of frameCount. A null image for an unknown
// name.
QImage drawAnimationFrame(const QString& name, const QSize& size, int frame, int frameCount);

#pragma once

#include <QImage>
#include <QList>
#include <QString>

// Writes the frames as a looping animated GIF with the ffmpeg command line
// (palette made from the frames themselves). False with a reason on failure.
bool writeAnimatedGif(const QList<QImage>& frames, int framesPerSecond, const QString& path,
                      QString* error);

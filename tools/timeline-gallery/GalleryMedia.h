#pragma once

#include <QString>

class VideoThumbnails;

// The media the gallery's segments show, made in its project folder.
namespace GalleryMedia {

// A stereo 16-bit WAV of a tone that swells and fades, seconds long.
bool writeTone(const QString& path, float seconds);
// A picture with a diagonal band, so the tile shows where it is drawn.
bool writePicture(const QString& path);
// Sixteen frames of a movie: a hue that turns from frame to frame.
void paintThumbnails(VideoThumbnails* thumbnails);

} // namespace GalleryMedia

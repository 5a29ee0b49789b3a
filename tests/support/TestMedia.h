#pragma once

#include <QString>

// The media made by make-fixtures.sh at build time.
namespace TestMedia {

// Folder of the fixtures: $VIDORNA_FIXTURE_DIR, else the build's own.
QString folder();
// Absolute path of a fixture file by name, e.g. "clip_h264_aac.mp4".
QString path(const QString& name);

} // namespace TestMedia

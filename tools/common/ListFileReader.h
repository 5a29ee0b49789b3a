#pragma once

#include <QString>

#include <functional>

// Reads the lines of a list file that the build-time tools take (asset and
// sound lists): blank lines and lines starting with '#' are skipped; every
// other line goes, trimmed, to `take` with its place ("file:line") for
// messages. Stops at the first line `take` refuses. False when the file
// cannot be read (`error` says why) or a line was refused.
bool readListFile(const QString& path, const std::function<bool(const QString& line, const QString& where)>& take,
                  QString* error);

#pragma once

#include <QByteArray>
#include <QtGlobal>

// What ended a block copy early.
enum class FileBlockCopyError { None, Read, Write };

// Copies up to bytes from the input descriptor's position to the output
// descriptor's position, moving both. Inside the kernel where the two files
// allow it (no pass through this process's memory, as `cp` does), else
// through buffer. The count copied: 0 at the end of the input, -1 on an
// error, which error then names (errno tells the reason).
qint64 copyFileBlock(int input, int output, qint64 bytes, QByteArray* buffer, FileBlockCopyError* error);

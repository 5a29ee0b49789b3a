#pragma once

// Shared by the commands: option reading and bounded waits (the drawing
// context is DemoDrawing).

#include "DemoDrawing.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// The argument after the option name, or fallback without one.
QString optionText(const QStringList& arguments, const QString& name, const QString& fallback);

// Every value given for the option (it may repeat).
QStringList optionValues(const QStringList& arguments, const QString& name);

// Polls condition every 5 ms for at most seconds; false when it never held.
bool waitFor(const std::function<bool()>& condition, double seconds);

// "WxH" with both sides from 1 to 16384.
bool parseSize(const QString& text, int* width, int* height);

// Writes 16-bit interleaved PCM as a WAV file, replacing it whole; false
// when it cannot be written.
bool writeWavFile(const QString& path, int rate, int channels, const QByteArray& pcm);

#pragma once

// Shared by the commands: option reading and bounded waits (the drawing
// context is DemoDrawing).

#include "DemoDrawing.h"

#include <QString>
#include <QStringList>

#include <functional>

// The argument after the option name, or fallback without one.
QString optionText(const QStringList& arguments, const QString& name, const QString& fallback);

// Polls condition every 5 ms for at most seconds; false when it never held.
bool waitFor(const std::function<bool()>& condition, double seconds);

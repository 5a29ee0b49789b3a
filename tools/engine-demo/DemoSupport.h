#pragma once

// Shared by the commands: option reading (the drawing context is DemoDrawing).

#include "DemoDrawing.h"

#include <QString>
#include <QStringList>

// The argument after the option name, or fallback without one.
QString optionText(const QStringList& arguments, const QString& name, const QString& fallback);

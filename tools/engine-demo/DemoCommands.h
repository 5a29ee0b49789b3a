#pragma once

#include <QStringList>

// Each command takes its own arguments (without the command name) and
// returns the process exit code.

// easing [TYPE] [--steps N]: samples one curve, or all thirty.
int runEasing(const QStringList& arguments);
// animate: evaluates one animation group on a segment over its duration.
int runAnimate(const QStringList& arguments);

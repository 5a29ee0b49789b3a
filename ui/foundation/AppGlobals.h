#pragma once

#include <QString>

// Values the whole process shares from before start-up on.
namespace AppGlobals {

// The font family of new text segments.
QString defaultFontFamily();

// The product's working folder; empty until the project storage fills it.
QString productWorkingDir();
void setProductWorkingDir(const QString& folder);

} // namespace AppGlobals

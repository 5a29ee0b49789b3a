#pragma once

#include <QString>

// Asks for one existing file with a file dialog that carries one extra
// check box labelled checkText. state (may be null) gives the box's first
// state and, when the user chose a file, receives its final state; a
// cancelled dialog leaves it as passed. filter uses Qt's form ("Name (*.a
// *.b);;..."). The chosen file's path, empty when cancelled.
QString showNativeOpenFileDialog(const QString& title, const QString& checkText, bool* state,
                                 const QString& initialDir, const QString& filter);

#pragma once

#include <QImage>
#include <QString>

// Pictures of the editing popups drawn from parameters in their name:
// "easing-N" and "easing-N-selected" plot the curve of the editor's easing
// code N (1 to 16) as the engine computes it; "texture-N" is the fill
// pattern N (1 to 16); "tool-NAME" a drawing tool icon (DrawingToolIcons.h).
// A null image for any other name.
QImage drawEditorPicture(const QString& name, const QSize& size);

#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

class QPainter;

// How the box and path shapes paint: their outline, or their filled inside.
enum CanvasPaintMode { kPaintNothing = 0, kPaintOutline = 1, kPaintFilled = 2 };

// The pen, text and picture state the canvas shares with its shapes. The
// canvas owns it and keeps it current; shapes only read it (and clear the
// pending offsets when they commit).
struct CanvasDrawingState {
    // The painter open on the canvas pixmap, scaled from widget units to canvas pixels.
    QPainter* painter = nullptr;
    // Pen and brush colour; the alpha is the hardness.
    QColor color{0, 255, 0, 255};
    // Stroke width in canvas pixels, as the panel gives it.
    float lineWidth = 1.0f;
    // The pen width actually set, in widget units.
    float penWidth = 1.0f;
    int paintMode = kPaintOutline;
    // Texture or gradient used as brush; null in plain-colour mode.
    QPixmap pattern;
    bool eraser = false;

    QString fontName;
    QString fontStyle;
    // Text size in canvas pixels, and the pixel size it is drawn with in widget units.
    float textSize = 100.0f;
    float canvasTextSize = 100.0f;
    int textAlignment = 0;
    // The pending text; empty when none. Offsets are fractions of the widget's size.
    QString text;
    double textOffsetX = 0.0;
    double textOffsetY = 0.0;

    // The pending picture; null when none. Its scale is relative to the fitted size.
    QPixmap picture;
    float pictureScale = 0.8f;
    double pictureOffsetX = 0.0;
    double pictureOffsetY = 0.0;
};

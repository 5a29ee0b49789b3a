#pragma once

#include <QFont>

// The font the desktop uses for its messages, as the application's font.
// Only the family is taken: sizes and weights stay Qt's defaults, which the
// widgets' style sheets are written against.
class MessageFont
{
public:
    // A default font with the family of the desktop's general font.
    static QFont applicationFont();
};

#pragma once

#include <QList>
#include <QString>

// One cue of a subtitle file: its times in seconds and its text, lines
// joined by a line feed.
struct SubtitleEntry {
    float start = 0.0f;
    float end = 0.0f;
    QString text;
};

// The cues of a SubRip text in file order. A block needs a sequence line, a
// time line "hh:mm:ss,mmm --> hh:mm:ss,mmm" and at least one text line;
// blocks without them, and cues whose end is not after their start, are
// left out.
QList<SubtitleEntry> parseSubRipText(const QString& text);

// Reads a subtitle file whole into text: Unicode with a byte-order mark,
// else UTF-8 when the bytes are valid UTF-8, else the locale's encoding;
// CRLF line ends become LF. False when the file cannot be read or is no
// regular file (a named pipe is never waited on).
bool readSubtitleFile(const QString& path, QString* text);

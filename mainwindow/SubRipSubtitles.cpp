#include "SubRipSubtitles.h"

#include "AVRegularFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextCodec>

namespace {

double secondsOf(const QRegularExpressionMatch& match, int firstCapture)
{
    const int hours = match.captured(firstCapture).toInt();
    const int minutes = match.captured(firstCapture + 1).toInt();
    const int seconds = match.captured(firstCapture + 2).toInt();
    const int milliseconds = match.captured(firstCapture + 3).toInt();
    return minutes * 60.0 + hours * 3600.0 + seconds + milliseconds / 1000.0;
}

QString decodeSubtitleBytes(const QByteArray& bytes)
{
    if (QTextCodec* unicode = QTextCodec::codecForUtfText(bytes, nullptr))
        return unicode->toUnicode(bytes);
    QTextCodec::ConverterState state;
    const QString utf8 = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars == 0 && state.remainingChars == 0)
        return utf8;
    // Older subtitle files are often written in the user's own code page.
    return QTextCodec::codecForLocale()->toUnicode(bytes);
}

} // namespace

QList<SubtitleEntry> parseSubRipText(const QString& text)
{
    static const QRegularExpression timeLine(
        QStringLiteral("(\\d{2}):(\\d{2}):(\\d{2}),(\\d{3})\\s*-->\\s*(\\d{2}):(\\d{2}):(\\d{2}),(\\d{3})"));
    QList<SubtitleEntry> entries;
    const QStringList blocks = text.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts);
    for (const QString& block : blocks) {
        const QStringList lines = block.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (lines.size() < 3)
            continue;
        const QRegularExpressionMatch match = timeLine.match(lines.at(1));
        if (!match.hasMatch())
            continue;
        SubtitleEntry entry;
        entry.start = float(secondsOf(match, 1));
        entry.end = float(secondsOf(match, 5));
        // A cue that ends before it starts has no length to show.
        if (!(entry.end > entry.start))
            continue;
        entry.text = lines.mid(2).join(QLatin1Char('\n'));
        entries.append(entry);
    }
    return entries;
}

bool readSubtitleFile(const QString& path, QString* text)
{
    QFile file(path);
    if (!avIsRegularFile(path) || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    *text = decodeSubtitleBytes(bytes);
    text->replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return true;
}

#include "NativeOpenFileDialog.h"
#include "ModalDialogAnswerer.h"
#include "SubRipSubtitles.h"
#include "WatchedPipe.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTextCodec>

#include <gtest/gtest.h>

namespace {

QString writeBytes(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.path() + "/" + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

// The locale's encoding for one test: the machine's may be anything.
struct LocaleCodec {
    explicit LocaleCodec(const char* name) : saved(QTextCodec::codecForLocale())
    {
        QTextCodec::setCodecForLocale(QTextCodec::codecForName(name));
    }
    ~LocaleCodec() { QTextCodec::setCodecForLocale(saved); }
    QTextCodec* saved;
};

} // namespace

TEST(SubRipParsing, CuesAreReadWithTheirTimesAndLinesAndBrokenOnesAreLeftOut)
{
    const QString text = QStringLiteral(
        "1\n00:01:02,500 --> 00:01:04,000\nHello\nthere\n\n"
        "2\n00:00:01.000 --> 00:00:02,000\nA dot before the milliseconds\n\n"
        "3\n00:00:05,000 --> 00:00:06,000\n\n"
        "4\n00:00:09,000-->00:00:07,000\nEnds before it starts\n\n"
        "5\n00:00:08,000 --> 00:00:08,000\nNo length\n\n"
        "6\nfrom 00:00:10,250 --> 00:00:11,000 on\n<i>Tagged</i>\n  \n7\n00:00:12,000 --> 00:00:13,000\n");
    const QList<SubtitleEntry> entries = parseSubRipText(text);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_FLOAT_EQ(entries[0].start, 62.5f);
    EXPECT_FLOAT_EQ(entries[0].end, 64.0f);
    EXPECT_EQ(entries[0].text, "Hello\nthere");
    EXPECT_FLOAT_EQ(entries[1].start, 10.25f);
    EXPECT_FLOAT_EQ(entries[1].end, 11.0f);
    // A line of spaces does not end a cue: the next one becomes its text.
    EXPECT_EQ(entries[1].text, "<i>Tagged</i>\n  \n7\n00:00:12,000 --> 00:00:13,000");
}

TEST(SubRipParsing, HoursAndUncheckedMinutesCount)
{
    const QList<SubtitleEntry> entries = parseSubRipText("1\n01:75:00,001 --> 03:00:00,000\nLate\n");
    ASSERT_EQ(entries.size(), 1);
    EXPECT_DOUBLE_EQ(entries[0].start, float(3600.0 + 75 * 60.0 + 0.001));
    EXPECT_FLOAT_EQ(entries[0].end, 10800.0f);
}

TEST(SubRipReading, CrlfUtf8AndTheLocaleEncodingAreRead)
{
    LocaleCodec latin1("ISO-8859-1");
    QTemporaryDir dir;
    QString text;

    ASSERT_TRUE(readSubtitleFile(writeBytes(dir, "crlf.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nCaf\xc3\xa9\r\n\r\n"
                                                             "2\r\n00:00:03,000 --> 00:00:04,000\r\nNext\r\n"),
                                 &text));
    const QList<SubtitleEntry> entries = parseSubRipText(text);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].text, QString::fromUtf8("Caf\xc3\xa9"));
    EXPECT_EQ(entries[1].text, "Next");

    // Not valid UTF-8: the bytes are read in the locale's encoding.
    ASSERT_TRUE(readSubtitleFile(writeBytes(dir, "latin1.srt", "1\n00:00:01,000 --> 00:00:02,000\nCaf\xe9\n"), &text));
    EXPECT_EQ(parseSubRipText(text).value(0).text, QString::fromUtf8("Caf\xc3\xa9"));

    // A byte-order mark names the encoding.
    QByteArray utf16("\xff\xfe", 2);
    const QString wide = QStringLiteral("1\n00:00:01,000 --> 00:00:02,000\n\u00dcber\n");
    utf16.append(reinterpret_cast<const char*>(wide.utf16()), wide.size() * 2);
    ASSERT_TRUE(readSubtitleFile(writeBytes(dir, "wide.srt", utf16), &text));
    EXPECT_EQ(parseSubRipText(text).value(0).text, QString::fromUtf8("\xc3\x9c" "ber"));

    EXPECT_FALSE(readSubtitleFile(dir.path() + "/missing.srt", &text));
    // A named pipe (a dropped one, say) is never waited on.
    WatchedPipe pipe(dir.path() + "/piped.srt");
    ASSERT_TRUE(pipe.isMade());
    EXPECT_FALSE(readSubtitleFile(dir.path() + "/piped.srt", &text));
    EXPECT_EQ(pipe.readers(), 0);
}

TEST(OpenFileDialogWithCheckBox, TheBoxStateComesBackOnlyWithAChosenFile)
{
    QTemporaryDir dir;
    const QString clip = writeBytes(dir, "clip.mp4", "not decoded here");
    bool state = true;
    ModalDialogAnswerer cancel(ModalDialogAnswerer::reject());
    EXPECT_TRUE(showNativeOpenFileDialog("Choose", "Extract Audio", &state, dir.path(), "All (*.*)").isEmpty());
    EXPECT_TRUE(cancel.answered());
    EXPECT_TRUE(state);

    bool shown = false;
    ModalDialogAnswerer untick([&](QWidget* dialog) {
        auto* box = dialog->findChild<QCheckBox*>();
        auto* files = qobject_cast<QFileDialog*>(dialog);
        shown = box && box->isChecked() && box->text() == "Extract Audio" && box->isVisible() && files
            && files->windowTitle() == "Choose" && files->nameFilters() == QStringList{"Movies (*.mp4 *.mov)"}
            && files->directory().absolutePath() == dir.path();
        if (box)
            box->setChecked(false);
        ModalDialogAnswerer::chooseFile(clip)(dialog);
    });
    EXPECT_EQ(showNativeOpenFileDialog("Choose", "Extract Audio", &state, dir.path(), "Movies (*.mp4 *.mov)"), clip);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(state);
}

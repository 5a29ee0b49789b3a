// The build's translation check, run on a copy of the sources: what it
// reports when a text is added, left unfinished or translated without its
// marker.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int kCheckTimeoutMs = 60000;
const QStringList kLanguages{"de_DE", "es_ES", "fr_FR", "it_IT", "ja_JP",
                             "ko_KR", "pt_BR", "ru_RU", "zh_CN", "zh_TW"};

struct CheckResult {
    int exitCode = -1;
    QSet<QString> lines;
};

// The source tree's program and translation files, without build trees.
bool copySources(const QString& from, const QString& to)
{
    const QStringList kinds{"*.cpp", "*.h", "*.ui", "*.ts"};
    QDirIterator files(from, kinds, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString relative = QDir(from).relativeFilePath(path);
        const QString top = relative.section('/', 0, 0);
        if (top.startsWith('.') || QFile::exists(from + "/" + top + "/CMakeCache.txt"))
            continue;
        const QString target = to + "/" + relative;
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(path, target))
            return false;
    }
    return true;
}

CheckResult runCheck(const QString& root)
{
    QProcess process;
    process.start(VIDORNA_PYTHON, {VIDORNA_TRANSLATION_CHECK, root, "--lupdate", VIDORNA_LUPDATE});
    CheckResult result;
    if (!process.waitForFinished(kCheckTimeoutMs) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        return result;
    }
    result.exitCode = process.exitCode();
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n'))
        result.lines.insert(line);
    return result;
}

bool replaceInFile(const QString& path, const QString& before, const QString& after)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    if (!text.contains(before))
        return false;
    text.replace(before, after);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) > 0;
}

QSet<QString> reportedSince(const CheckResult& before, const CheckResult& after)
{
    QSet<QString> added = after.lines - before.lines;
    // The closing lines (the count, the hint) are no problems of their own.
    for (auto line = added.begin(); line != added.end();) {
        if (line->contains("translation problem(s)") || line->startsWith("To add the new texts")
            || line->startsWith("All texts translated"))
            line = added.erase(line);
        else
            ++line;
    }
    return added;
}

class TranslationCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(_copy.isValid());
        ASSERT_TRUE(copySources(VIDORNA_SOURCE_DIR, root()));
        _baseline = runCheck(root());
        // Other work in progress may leave texts open; these tests look only
        // at what their own change adds to the report.
        ASSERT_GE(_baseline.exitCode, 0);
    }

    QString root() const { return _copy.path(); }
    QString translation(const QString& language) const
    {
        return root() + "/resources/translations/" + language + ".ts";
    }

    QTemporaryDir _copy;
    CheckResult _baseline;
};

TEST_F(TranslationCheck, ANewTrTextIsNamedInEveryFileWithItsContext)
{
    // A new folder, as a subsystem's first sources bring one.
    QDir(root()).mkpath("timeline");
    QFile probe(root() + "/timeline/TimelineProbe.cpp");
    ASSERT_TRUE(probe.open(QIODevice::WriteOnly));
    probe.write("#include <QObject>\n"
                "class TimelineProbe : public QObject\n{\n    Q_OBJECT\npublic:\n    QString caption() const;\n};\n"
                "QString TimelineProbe::caption() const\n{\n    return tr(\"Nobody has translated this\");\n}\n");
    probe.close();

    const CheckResult result = runCheck(root());
    EXPECT_EQ(result.exitCode, 1);
    QSet<QString> expected;
    for (const QString& language : kLanguages)
        expected.insert(language + ".ts: context \"TimelineProbe\": \"Nobody has translated this\": "
                                   "new text, missing from the file");
    EXPECT_EQ(reportedSince(_baseline, result), expected);
}

TEST_F(TranslationCheck, UnfinishedAndMarkerlessTranslationsAreNamed)
{
    ASSERT_TRUE(replaceInFile(translation("de_DE"), "<translation>Heute</translation>",
                              "<translation type=\"unfinished\">Heute</translation>"));
    ASSERT_TRUE(replaceInFile(translation("fr_FR"), "<translation>%1 octets</translation>",
                              "<translation>octets</translation>"));
    const CheckResult result = runCheck(root());
    EXPECT_EQ(result.exitCode, 1);
    const QSet<QString> expected{"de_DE.ts: context \"Util\": \"Today\": unfinished, no translation",
                                 "fr_FR.ts: context \"Util\": \"%1 bytes\": translation lacks %1"};
    EXPECT_EQ(reportedSince(_baseline, result), expected);
}

TEST_F(TranslationCheck, AContextOutOfAlphabeticalOrderIsNamed)
{
    const QString path = translation("it_IT");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    // Moves the first context to the end, as a careless merge would append it.
    const int start = text.indexOf("<context>");
    const int end = text.indexOf("</context>", start) + int(strlen("</context>\n"));
    const QString first = text.mid(start, end - start);
    const int nameStart = first.indexOf("<name>") + int(strlen("<name>"));
    const QString firstName = first.mid(nameStart, first.indexOf("</name>") - nameStart);
    text.remove(start, end - start);
    text.insert(text.lastIndexOf("</TS>"), first);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
    file.close();

    const CheckResult result = runCheck(root());
    EXPECT_EQ(result.exitCode, 1);
    const QSet<QString> reported = reportedSince(_baseline, result);
    ASSERT_EQ(reported.size(), 1);
    EXPECT_TRUE(reported.begin()->startsWith("it_IT.ts: context \"" + firstName + "\" stands after"))
        << qPrintable(*reported.begin());
}

} // namespace

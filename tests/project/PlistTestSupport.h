#pragma once

#include "PlistReader.h"

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

#include <memory>

inline QString pythonPath()
{
    return QStandardPaths::findExecutable(QStringLiteral("python3"));
}

// The property lists that Python's plistlib writes (tests/project/make-plists.py),
// made once per test run; empty when the script failed.
inline QString plistFixtureDir()
{
    static std::unique_ptr<QTemporaryDir> dir = []() -> std::unique_ptr<QTemporaryDir> {
        auto made = std::make_unique<QTemporaryDir>();
        if (pythonPath().isEmpty())
            return nullptr;
        QProcess script;
        script.setProcessChannelMode(QProcess::ForwardedChannels);
        script.start(pythonPath(), {QStringLiteral(PLIST_FIXTURE_SCRIPT), made->path()});
        if (!script.waitForFinished(60000) || script.exitStatus() != QProcess::NormalExit || script.exitCode() != 0)
            return nullptr;
        return made;
    }();
    return dir ? dir->path() : QString();
}

#define REQUIRE_PLIST_FIXTURES()                                                                   \
    if (pythonPath().isEmpty())                                                                    \
        GTEST_SKIP() << "python3 with plistlib is needed to write the property-list fixtures";     \
    ASSERT_FALSE(plistFixtureDir().isEmpty()) << "make-plists.py failed"

// The message of what parsing the bytes throws; empty when nothing is thrown.
inline std::string plistFailure(const QByteArray& bytes)
{
    try {
        boost::any value;
        Plist::readPlist(bytes.constData(), bytes.size(), value);
    } catch (const std::exception& error) {
        return error.what();
    }
    return std::string();
}

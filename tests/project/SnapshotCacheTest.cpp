// The sessions' snapshot folders in the program's cache, made when none can
// be had beside the project: made whatever other sessions clear meanwhile,
// and named when the cache itself cannot be written.
#include "IsolatedSettings.h"
#include "LogRecorder.h"
#include "SnapshotFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

// A history folder whose project folder cannot be opened: its sessions'
// snapshots go to the cache.
QString homelessHistory(const QString& project)
{
    return QStringLiteral("/proc/no-such-project/") + project + QStringLiteral("/history");
}

QString cacheFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/ProjectHistory");
}

int writeSnapshot(SnapshotFolder& folder, const QString& history)
{
    QString path;
    return folder.write(
        history, 0, [](const QString&) { return false; },
        [](QIODevice& file) { return file.write("<Project/>\n") == 11; }, &path);
}

} // namespace

// Another session keeps clearing the cache of the folders no live session
// holds (as each session does when it makes its folder there and when it
// closes): every first snapshot of a new session still gets a folder of its
// own, also when the clearing takes the one just made before it is held.
TEST(SnapshotCache, ASessionsFolderTakenByAnotherSessionsClearingIsMadeAnew)
{
    IsolatedSettings settings;
    std::atomic<bool> done{false};
    std::thread otherSession([&done] {
        SnapshotFolder other;
        while (!done)
            other.remove(homelessHistory("Other"));
    });
    int failures = 0;
    for (int session = 0; session < 500; ++session) {
        SnapshotFolder folder;
        failures += writeSnapshot(folder, homelessHistory("Trip")) == 0 ? 0 : 1;
        folder.remove(homelessHistory("Trip"));
    }
    done = true;
    otherSession.join();
    EXPECT_EQ(failures, 0) << "sessions recorded no snapshot";
}

// A cache that cannot hold the sessions' folder: each snapshot's warning
// names that folder, not the project's history folder.
TEST(SnapshotCache, EachSnapshotThatFindsNoFolderNamesTheCacheFolder)
{
    IsolatedSettings settings;
    ASSERT_TRUE(QDir().mkpath(QFileInfo(cacheFolder()).path()));
    QFile blocker(cacheFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)) << "a file in the cache folder's place";
    blocker.close();
    SnapshotFolder folder;
    for (int snapshot = 0; snapshot < 2; ++snapshot) {
        LogRecorder log;
        EXPECT_EQ(writeSnapshot(folder, homelessHistory("Trip")), -1);
        const QStringList warned = log.lines().filter("Cannot open the snapshot folder");
        ASSERT_EQ(warned.size(), 1) << qPrintable(log.lines().join("\n"));
        EXPECT_TRUE(warned.first().startsWith("Cannot open the snapshot folder " + cacheFolder() + ": "))
            << qPrintable(warned.first());
    }
}

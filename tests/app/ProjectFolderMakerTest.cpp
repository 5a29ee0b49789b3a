#include "ProjectFolderMaker.h"
#include "ProjectEntry.h"
#include "ProjectsTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <thread>

namespace {

class ProjectFolderMakerTest : public ProjectsTest
{
};

} // namespace

// Another process keeps putting a link to a user's file at the marker's
// name in the folder about to be made: the marker is a file of the folder's
// own, and the user's file stays as it was.
TEST_F(ProjectFolderMakerTest, TheMarkerNeverWritesThroughALinkPutAtItsName)
{
    QTemporaryDir level;
    const QString letter = level.filePath("letter.txt");
    const QByteArray letterBytes = "Dear Ann, the photos follow next week.\n";
    writeFile(letter, letterBytes);
    constexpr int kFolders = 100;
    std::atomic<int> current{0};
    std::thread planter([&] {
        const QByteArray target = QFile::encodeName(letter);
        for (int folder = current; folder < kFolders; folder = current) {
            const QString marker =
                level.filePath(QStringLiteral("Trips %1/").arg(folder) + ProjectEntry::folderMarker());
            ::symlink(target.constData(), QFile::encodeName(marker).constData());
        }
    });

    for (int folder = 0; folder < kFolders; ++folder) {
        current = folder;
        EXPECT_EQ(ProjectFolderMaker::make(level.path(), QStringLiteral("Trips %1").arg(folder)),
                  ProjectFolderMaker::Made);
    }
    current = kFolders;
    planter.join();

    EXPECT_TRUE(readFile(letter) == letterBytes) << "the user's file was written through a link";
    for (int folder = 0; folder < kFolders; ++folder) {
        const QFileInfo marker(level.filePath(QStringLiteral("Trips %1/").arg(folder) + ProjectEntry::folderMarker()));
        EXPECT_TRUE(marker.isFile() && !marker.isSymLink()) << qPrintable(marker.filePath()) << " is no marker";
    }
}

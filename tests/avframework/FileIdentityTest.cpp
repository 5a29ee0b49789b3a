#include "AVFileIdentity.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool append(const std::string& path, const QByteArray& text)
{
    QFile file(QFile::decodeName(path.c_str()));
    return file.open(QIODevice::WriteOnly | QIODevice::Append) && file.write(text) == text.size();
}

} // namespace

// Only a regular file itself has an identity, the same while it is read,
// another once it was written to.
TEST(FileIdentity, IsTheRegularFileItselfAndHoldsWhileItIsOnlyRead)
{
    QTemporaryDir dir;
    const std::string movie = QFile::encodeName(dir.filePath("movie.mp4")).toStdString();
    ASSERT_TRUE(append(movie, "a movie"));
    const AVFileIdentity made = AVFileIdentity::ofRegularFile(movie);
    ASSERT_TRUE(made.isFile());
    struct stat status {};
    ASSERT_EQ(lstat(movie.c_str(), &status), 0);
    EXPECT_TRUE(made.isInode(status.st_dev, status.st_ino));
    EXPECT_FALSE(made.isInode(status.st_dev, status.st_ino + 1));
    QFile read(QFile::decodeName(movie.c_str()));
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    EXPECT_EQ(read.readAll(), QByteArray("a movie"));
    EXPECT_TRUE(made == AVFileIdentity::ofRegularFile(movie));

    const std::string link = QFile::encodeName(dir.filePath("link.mp4")).toStdString();
    ASSERT_EQ(symlink(movie.c_str(), link.c_str()), 0);
    EXPECT_FALSE(AVFileIdentity::ofRegularFile(link).isFile()) << "the link was followed";
    const std::string pipe = QFile::encodeName(dir.filePath("pipe.mp4")).toStdString();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(AVFileIdentity::ofRegularFile(pipe).isFile());
    EXPECT_FALSE(AVFileIdentity::ofRegularFile(movie + ".missing").isFile());

    ASSERT_TRUE(append(movie, ", and more"));
    EXPECT_TRUE(made != AVFileIdentity::ofRegularFile(movie));
}

// Each part of the status that tells one file from another tells alone:
// on its own disk a file never shares device, inode, size and change time
// with another, so only a status built here can differ in one part alone.
TEST(FileIdentity, DiffersInTheDeviceTheInodeTheSizeOrTheChangeTimeAlone)
{
    struct stat status {};
    status.st_mode = S_IFREG | 0644;
    status.st_dev = 2049;
    status.st_ino = 131077;
    status.st_size = 4096;
    status.st_ctim = {1700000000, 500};
    const AVFileIdentity made = AVFileIdentity::ofStatus(status);
    ASSERT_TRUE(made.isFile());
    struct stat read = status;
    read.st_atim = {1800000000, 0};
    EXPECT_TRUE(made == AVFileIdentity::ofStatus(read)) << "a read made the file another one";

    const auto differs = [&](const char* what, void (*change)(struct stat&)) {
        struct stat other = status;
        change(other);
        EXPECT_TRUE(made != AVFileIdentity::ofStatus(other)) << "the same file with another " << what;
    };
    differs("device", [](struct stat& other) { ++other.st_dev; });
    differs("inode", [](struct stat& other) { ++other.st_ino; });
    differs("size", [](struct stat& other) { ++other.st_size; });
    differs("change time's second", [](struct stat& other) { ++other.st_ctim.tv_sec; });
    differs("change time's nanosecond", [](struct stat& other) { ++other.st_ctim.tv_nsec; });
    differs("kind (a named pipe)", [](struct stat& other) { other.st_mode = S_IFIFO | 0644; });
}

#include "FileBlockCopy.h"
#include "ProjectTestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray patterned(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int index = 0; index < size; ++index)
        bytes[index] = char((index * 131 + index / 4093) & 0xff);
    return bytes;
}

// Copies source to target in blocks of 1 MiB; the counts each call returned.
QList<qint64> copyInBlocks(const QString& source, const QString& target, FileBlockCopyError* lastError)
{
    QFile input(source);
    QFile output(target);
    QList<qint64> counts;
    if (!input.open(QIODevice::ReadOnly | QIODevice::Unbuffered)
        || !output.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return counts;
    QByteArray buffer;
    qint64 count = 0;
    do {
        count = copyFileBlock(input.handle(), output.handle(), 1 << 20, &buffer, lastError);
        counts << count;
    } while (count > 0);
    return counts;
}

void expectWholeCopy(const QString& sourceFolder, const QString& targetFolder)
{
    const QByteArray bytes = patterned((5 << 19) + 17);
    writeFile(sourceFolder + "/source.bin", bytes);
    FileBlockCopyError error = FileBlockCopyError::Read;
    const QList<qint64> counts = copyInBlocks(sourceFolder + "/source.bin", targetFolder + "/copy.bin", &error);
    EXPECT_EQ(counts, (QList<qint64>{1 << 20, 1 << 20, (1 << 19) + 17, 0}));
    EXPECT_EQ(error, FileBlockCopyError::None);
    EXPECT_EQ(readFile(targetFolder + "/copy.bin"), bytes);
}

} // namespace

TEST(FileBlockCopy, CopiesBlockByBlockOnOneFileSystemAndAcrossTwo)
{
    QTemporaryDir disk;
    expectWholeCopy(disk.path(), disk.path());
    QTemporaryDir memory(memoryBackedFolder() + "/blocks-XXXXXX");
    // Between two file systems the kernel refuses and the blocks go through memory.
    expectWholeCopy(memory.path(), disk.path());
}

TEST(FileBlockCopy, AWriteThatCannotBeDoneIsNamedAsSuch)
{
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    QTemporaryDir disk;
    writeFile(disk.path() + "/source.bin", patterned(4096));
    FileBlockCopyError error = FileBlockCopyError::None;
    EXPECT_EQ(copyInBlocks(disk.path() + "/source.bin", "/dev/full", &error), QList<qint64>{-1});
    EXPECT_EQ(error, FileBlockCopyError::Write);
}

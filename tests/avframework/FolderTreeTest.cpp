// The folder tree's functions on real folders: listings, and removals of
// folders that hold links, named pipes and deep chains of folders, or that
// another process fills while they go.
#include "AVFileDescriptor.h"
#include "AVFolderTree.h"
#include "DescriptorLimit.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <future>
#include <thread>

namespace {

void putFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(bytes);
}

int openFolder(const QString& path)
{
    return ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

// Every entry below path, links not followed, with each file's bytes.
QMap<QString, QByteArray> treeOf(const QString& path)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        QFile file(entry.filePath());
        entries.insert(QDir(path).relativeFilePath(entry.filePath()),
                       entry.isSymLink() ? "link"
                           : entry.isDir() ? QByteArray("folder")
                                           : (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("?")));
    }
    return entries;
}

// A user's folder beside the folder removed, which links lead to.
struct UserFiles {
    explicit UserFiles(const QString& root) : path(root + "/user")
    {
        putFile(path + "/photo.jpg", "the user's photo");
        putFile(path + "/holiday/clip.mp4", "the user's clip");
        before = treeOf(path);
    }
    QString path;
    QMap<QString, QByteArray> before;
};

bool isTaken(const QString& path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

} // namespace

// The same descriptor listed twice gives every name both times: a listing
// does not start where the one before it ended.
TEST(FolderTree, EveryListingOfADescriptorGivesEveryName)
{
    QTemporaryDir root;
    for (const char* name : {"a", "b", "c"})
        putFile(root.filePath(name), name);
    const AVFileDescriptor folder(openFolder(root.path()));
    for (int listing = 0; listing < 3; ++listing) {
        QList<QByteArray> names;
        ASSERT_TRUE(avFolderEntries(folder.get(), &names)) << listing;
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (QList<QByteArray>{"a", "b", "c"})) << "listing " << listing;
    }
}

// Another process puts a file and a folder with a file in the folder as
// soon as the removal has taken the folder's first file: they are listed
// in the removal's next round and go with the rest.
TEST(FolderTree, WhatAnotherProcessPutsInTheFolderWhileItGoesGoesToo)
{
    QTemporaryDir root;
    const QString tree = root.filePath("tree");
    // Enough files that the removal is still at them when the others come.
    for (int index = 0; index < 2000; ++index)
        putFile(tree + QStringLiteral("/clip%1.mp4").arg(index), "clip");
    const int watch = ::inotify_init1(IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, QFile::encodeName(tree).constData(), IN_DELETE), 0);
    auto filler = std::async(std::launch::async, [&] {
        pollfd event{watch, POLLIN, 0};
        const bool deleted = ::poll(&event, 1, 30000) == 1;
        if (deleted) {
            putFile(tree + "/late.txt", "late");
            putFile(tree + "/late/inner.txt", "late");
        }
        return deleted;
    });
    const AVFileDescriptor parent(openFolder(root.path()));
    const bool removed = avRemoveFolderAt(parent.get(), "tree");
    ASSERT_TRUE(filler.get()) << "the removal took no file";
    ::close(watch);
    EXPECT_TRUE(removed);
    EXPECT_FALSE(isTaken(tree)) << "left: " << qPrintable(QStringList(treeOf(tree).keys()).join(", "));
}

// A link at the removed name, or anywhere below it, goes as a link, to a
// folder, a file or nothing: what it leads to stays as it was. A named pipe
// goes without being opened, which would wait for a writer.
TEST(FolderTree, LinksAndPipesGoAsThemselvesAndWhatLinksLeadToStays)
{
    struct Case {
        const char* what;
        const char* name;
        QString (*target)(const UserFiles&);
    };
    const Case cases[] = {
        {"the removed name a link to a folder", "", [](const UserFiles& user) { return user.path; }},
        {"a sub-folder's name a link to a folder", "media", [](const UserFiles& user) { return user.path; }},
        {"a deeper folder's name a link to a folder", "media/0/1",
         [](const UserFiles& user) { return user.path + "/holiday"; }},
        {"a link to a file", "media/photo.jpg", [](const UserFiles& user) { return user.path + "/photo.jpg"; }},
        {"a link to nothing", "media/gone", [](const UserFiles& user) { return user.path + "/gone"; }},
        {"a named pipe", "media/0/pipe", nullptr},
    };
    for (const Case& test : cases) {
        QTemporaryDir root;
        const UserFiles user(root.path());
        const QString tree = root.filePath("tree");
        putFile(tree + "/project.xml", "<Project/>");
        putFile(tree + "/media/0/clip.mp4", "clip");
        const QString at = QString(test.name).isEmpty() ? tree : tree + "/" + test.name;
        if (QFileInfo(at).isDir()) {
            ASSERT_TRUE(QDir(at).removeRecursively());
        }
        ASSERT_TRUE(QDir().mkpath(QFileInfo(at).path()));
        if (test.target) {
            ASSERT_TRUE(QFile::link(test.target(user), at)) << test.what;
        } else {
            ASSERT_EQ(::mkfifo(QFile::encodeName(at).constData(), 0600), 0) << test.what;
        }
        const AVFileDescriptor parent(openFolder(root.path()));
        auto removal = std::async(std::launch::async, [&parent] { return avRemoveFolderAt(parent.get(), "tree"); });
        if (removal.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
            // A writer lets an open of the pipe go on.
            const int writer = ::open(QFile::encodeName(at).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            removal.wait();
            ::close(writer);
            ADD_FAILURE() << test.what << ": the removal waited on the pipe";
        }
        EXPECT_TRUE(removal.get()) << test.what;
        EXPECT_FALSE(isTaken(tree)) << test.what;
        EXPECT_EQ(treeOf(user.path), user.before) << test.what << ": the user's folder changed";
    }
}

// A chain of folders deeper than the descriptors the process may still
// open: the removal fails, ends, and takes what it can reach; once
// descriptors are free again, it takes the rest.
TEST(FolderTree, AChainDeeperThanTheDescriptorLimitFailsWithoutHarmAndGoesLater)
{
    QTemporaryDir root;
    constexpr int kDepth = 200;
    ASSERT_TRUE(QDir().mkpath(root.filePath("chain")));
    ASSERT_TRUE(makeFolderChain(root.filePath("chain"), kDepth));
    putFile(root.filePath("chain/notes.txt"), "notes");
    const AVFileDescriptor parent(openFolder(root.path()));
    {
        const DescriptorLimit limit(40);
        ASSERT_TRUE(limit.isLowered());
        EXPECT_FALSE(avRemoveFolderAt(parent.get(), "chain")) << "a chain the removal could not reach went";
    }
    EXPECT_TRUE(isTaken(root.filePath("chain/d/d")));
    EXPECT_FALSE(isTaken(root.filePath("chain/notes.txt"))) << "what the removal could reach stayed";
    EXPECT_TRUE(avRemoveFolderAt(parent.get(), "chain"));
    EXPECT_FALSE(isTaken(root.filePath("chain")));
}

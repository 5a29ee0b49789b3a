// A file of the program's own put in place of another: every byte on the
// disk before it takes the name, what it passes on from the file it
// replaces, and the files it may not replace.
#include "FileBytes.h"
#include "ReplacingFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// What the C library's fsync and renames did while a test watched. This
// program's own definitions below stand in for the library's in every
// shared library it loads, the model's included.
struct DiskWatch {
    struct Rename {
        std::string to;
        bool synced; // the file renamed had been synced before
    };
    std::mutex lock;
    bool watching = false;
    std::set<std::pair<dev_t, ino_t>> synced;
    std::vector<Rename> renames;
};

DiskWatch& diskWatch()
{
    static DiskWatch watch;
    return watch;
}

template <typename Function>
Function* libraryDefinition(const char* name)
{
    return reinterpret_cast<Function*>(dlsym(RTLD_NEXT, name));
}

void noteRename(int folder, const char* from, const char* to)
{
    DiskWatch& watch = diskWatch();
    const std::lock_guard<std::mutex> guard(watch.lock);
    struct stat status;
    if (watch.watching && fstatat(folder, from, &status, AT_SYMLINK_NOFOLLOW) == 0)
        watch.renames.push_back({to, watch.synced.count({status.st_dev, status.st_ino}) > 0});
}

// Watches while it lives.
struct Watching {
    Watching() { setWatching(true); }
    ~Watching() { setWatching(false); }
    static void setWatching(bool on)
    {
        DiskWatch& watch = diskWatch();
        const std::lock_guard<std::mutex> guard(watch.lock);
        watch.watching = on;
        watch.synced.clear();
        watch.renames.clear();
    }
    // Whether each rename onto the file name had its file synced first.
    static std::vector<bool> renamesOnto(const std::string& name)
    {
        DiskWatch& watch = diskWatch();
        const std::lock_guard<std::mutex> guard(watch.lock);
        std::vector<bool> synced;
        for (const DiskWatch::Rename& rename : watch.renames) {
            if (rename.to == name)
                synced.push_back(rename.synced);
        }
        return synced;
    }
};

} // namespace

extern "C" int fsync(int descriptor)
{
    static auto* const library = libraryDefinition<int(int)>("fsync");
    const int result = library(descriptor);
    DiskWatch& watch = diskWatch();
    const std::lock_guard<std::mutex> guard(watch.lock);
    struct stat status;
    if (result == 0 && watch.watching && fstat(descriptor, &status) == 0)
        watch.synced.insert({status.st_dev, status.st_ino});
    return result;
}

extern "C" int renameat(int fromFolder, const char* from, int toFolder, const char* to) noexcept
{
    static auto* const library = libraryDefinition<int(int, const char*, int, const char*)>("renameat");
    noteRename(fromFolder, from, to);
    return library(fromFolder, from, toFolder, to);
}

extern "C" int renameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags) noexcept
{
    static auto* const library = libraryDefinition<int(int, const char*, int, const char*, unsigned)>("renameat2");
    noteRename(fromFolder, from, to);
    return library(fromFolder, from, toFolder, to, flags);
}

namespace {

// Writes bytes through a ReplacingFile; false when open or commit fails.
bool replace(const QString& path, const QByteArray& bytes)
{
    ReplacingFile file(path);
    return file.open() && file.device().write(bytes) == bytes.size() && file.commit();
}

struct stat statusOf(const QString& path)
{
    struct stat status {};
    EXPECT_EQ(lstat(QFile::encodeName(path).constData(), &status), 0) << qPrintable(path);
    return status;
}

// The file's access control list as getfacl tells it, by number; empty
// when getfacl cannot be run.
QString accessListOf(const QString& path)
{
    QProcess getfacl;
    getfacl.start(QStringLiteral("getfacl"), {QStringLiteral("--omit-header"), QStringLiteral("-n"), path});
    if (!getfacl.waitForFinished(10000) || getfacl.exitCode() != 0)
        return QString();
    return QString::fromUtf8(getfacl.readAllStandardOutput());
}

QByteArray attributeOf(const QString& path, const char* name)
{
    char value[256];
    const ssize_t size = getxattr(QFile::encodeName(path).constData(), name, value, sizeof value);
    return size < 0 ? QByteArray() : QByteArray(value, int(size));
}

// What a child process that dropped to another user reports.
enum ChildOutcome { Replaced = 0, RefusedAtOpen = 10, CommitFailed = 11, CannotDrop = 12, FolderOutOfReach = 13 };

// Runs body in a child process that is the user, in the extra groups given,
// with no privilege left; its outcome.
int runAs(const passwd& user, const std::vector<gid_t>& groups, const QString& folder,
          const std::function<int()>& body)
{
    const uid_t uid = user.pw_uid;
    const gid_t gid = user.pw_gid;
    const QByteArray folderName = QFile::encodeName(folder);
    const pid_t child = fork();
    if (child == 0) {
        if (setgroups(groups.size(), groups.data()) != 0 || setgid(gid) != 0 || setuid(uid) != 0 || getuid() == 0)
            _exit(CannotDrop);
        if (access(folderName.constData(), W_OK | X_OK) != 0)
            _exit(FolderOutOfReach);
        _exit(body());
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return CannotDrop;
    return WEXITSTATUS(status);
}

} // namespace

// The file is synced before it takes the name, whether it replaces a file
// or takes a free name: a crash right after the rename must not leave an
// empty or cut file under the name.
TEST(ReplacingFile, EveryByteReachesTheDiskBeforeTheFileTakesItsName)
{
    const QByteArray bytes = "<Project><Segment/></Project>";
    for (const bool asNew : {false, true}) {
        QTemporaryDir folder;
        const QString path = folder.filePath("project.xml");
        if (!asNew)
            putFile(path, "<Project/>");
        {
            Watching watching;
            ReplacingFile file(path);
            ASSERT_TRUE(file.open());
            ASSERT_EQ(file.device().write(bytes), bytes.size());
            ASSERT_TRUE(asNew ? file.commitAsNew([] { return QString(); }) : file.commit()) << asNew;
            EXPECT_EQ(Watching::renamesOnto("project.xml"), std::vector<bool>{true})
                << (asNew ? "taking a free name" : "replacing a file");
        }
        EXPECT_EQ(bytesOf(path), bytes) << asNew;
    }
}

// A file that was to replace another and in the end replaces none (it took
// the next free name, or the other went meanwhile) is no private file: it
// gets the permissions any new file gets.
TEST(ReplacingFile, AFileThatReplacesNoneGetsThePermissionsOfANewFile)
{
    const mode_t mask = umask(0);
    umask(mask);
    for (const bool asNew : {false, true}) {
        QTemporaryDir folder;
        const QString path = folder.filePath("frame.png");
        putFile(path, "the user's picture");
        ReplacingFile file(path);
        ASSERT_TRUE(file.open());
        ASSERT_EQ(file.device().write("a frame"), 7);
        if (!asNew) {
            ASSERT_TRUE(QFile::remove(path));
        }
        const QString next = folder.filePath("frame 1.png");
        ASSERT_TRUE(asNew ? file.commitAsNew([&] { return next; }) : file.commit()) << asNew;
        const QString written = asNew ? next : path;
        EXPECT_EQ(bytesOf(written), "a frame") << asNew;
        EXPECT_EQ(statusOf(written).st_mode & 07777, 0666 & ~mask) << (asNew ? "the next free name" : "a name let go");
    }
    // Permissions asked for (a copy's, of its source) hold on the free name.
    QTemporaryDir folder;
    const QString path = folder.filePath("run.sh");
    putFile(path, "the user's script");
    ReplacingFile file(path);
    ASSERT_TRUE(file.open());
    ASSERT_EQ(file.device().write("a copy"), 6);
    file.setPermissions(0750);
    const QString next = folder.filePath("run 1.sh");
    ASSERT_TRUE(file.commitAsNew([&] { return next; }));
    EXPECT_EQ(statusOf(next).st_mode & 07777, 0750u);
    EXPECT_EQ(bytesOf(path), "the user's script");
}

// A collaborator given access to the file by its access control list keeps
// it after a save; so do its owner and group, its other extended attributes
// and its permissions.
TEST(ReplacingFile, AReplacedFileKeepsItsOwnerGroupAccessListAttributesAndPermissions)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give the file to another owner";
    QTemporaryDir folder;
    const QString path = folder.filePath("project.xml");
    putFile(path, "<Project/>");
    const QByteArray name = QFile::encodeName(path);
    if (setxattr(name.constData(), "user.vidorna.note", "shared", 6, 0) != 0)
        GTEST_SKIP() << "the file system here keeps no extended attributes: " << std::strerror(errno);
    ASSERT_EQ(chown(name.constData(), 4242, 4343), 0) << std::strerror(errno);
    ASSERT_EQ(chmod(name.constData(), 0640), 0) << std::strerror(errno);
    QProcess setfacl;
    setfacl.start(QStringLiteral("setfacl"), {QStringLiteral("-m"), QStringLiteral("u:4444:rw"), path});
    if (!setfacl.waitForFinished(10000))
        GTEST_SKIP() << "setfacl (Debian's acl package) cannot be run here";
    if (setfacl.exitCode() != 0)
        GTEST_SKIP() << "the file system here keeps no access control lists: "
                     << setfacl.readAllStandardError().constData();
    const QString accessList = accessListOf(path);
    ASSERT_TRUE(accessList.contains("user:4444:rw-")) << qPrintable(accessList);
    const struct stat before = statusOf(path);

    ASSERT_TRUE(replace(path, "<Project><Segment/></Project>"));
    EXPECT_EQ(bytesOf(path), "<Project><Segment/></Project>");
    const struct stat after = statusOf(path);
    EXPECT_NE(after.st_ino, before.st_ino) << "the file was written in place";
    EXPECT_EQ(after.st_uid, 4242u);
    EXPECT_EQ(after.st_gid, 4343u);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(accessListOf(path).toStdString(), accessList.toStdString());
    EXPECT_EQ(attributeOf(path, "user.vidorna.note").toStdString(), "shared");
}

// A user who may not write the file cannot replace it, even though the
// folder lets everyone make and rename files; one who may write it through
// a group gets it replaced, keeping its group where the owner cannot be given.
// Run as another user than root, who may write anything.
TEST(ReplacingFile, AnotherUserReplacesOnlyWhatTheyMayWriteAndKeepsWhatTheyMayGive)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can run a part of the test as another user";
    const struct {
        const char* file;
        gid_t group;
        mode_t mode;
        int outcome;
    } cases[] = {
        {"a read-only file", 0, 0444, RefusedAtOpen},
        {"a file the group may write", 4343, 0664, Replaced},
    };
    const passwd* found = getpwnam("nobody");
    if (!found)
        GTEST_SKIP() << "there is no user \"nobody\" here";
    const passwd nobody = *found;
    for (const auto& row : cases) {
        QTemporaryDir folder;
        // Anyone may make and rename files here: only the file's own permissions stand in the way.
        ASSERT_EQ(chmod(QFile::encodeName(folder.path()).constData(), 0777), 0);
        const QString path = folder.filePath("project.xml");
        putFile(path, "<Project/>");
        const QByteArray name = QFile::encodeName(path);
        ASSERT_EQ(chown(name.constData(), 0, row.group), 0);
        ASSERT_EQ(chmod(name.constData(), row.mode), 0);

        const int outcome = runAs(nobody, {4343}, folder.path(), [&path] {
            ReplacingFile file(path);
            if (!file.open())
                return int(RefusedAtOpen);
            file.device().write("<Project><Segment/></Project>");
            return file.commit() ? int(Replaced) : int(CommitFailed);
        });
        if (outcome == CannotDrop || outcome == FolderOutOfReach)
            GTEST_SKIP() << (outcome == CannotDrop ? "the child could not become the user \"nobody\""
                                                   : "the user \"nobody\" cannot reach the temporary folder");
        EXPECT_EQ(outcome, row.outcome) << row.file;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString(), "project.xml")
            << row.file;
        const struct stat after = statusOf(path);
        EXPECT_EQ(after.st_gid, row.group) << row.file;
        EXPECT_EQ(after.st_mode & 07777, row.mode) << row.file;
        if (row.outcome == RefusedAtOpen) {
            EXPECT_EQ(bytesOf(path).toStdString(), "<Project/>") << row.file;
            EXPECT_EQ(after.st_uid, 0u) << row.file;
        } else {
            EXPECT_EQ(bytesOf(path).toStdString(), "<Project><Segment/></Project>") << row.file;
            EXPECT_EQ(after.st_uid, nobody.pw_uid) << row.file << ": only root gives a file to another owner";
        }
    }
}

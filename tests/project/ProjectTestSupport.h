#pragma once

#include "NamespacedXml.h"
#include "ProjectManager.h"
#include "Segment.h"
#include "SegmentKeys.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <initializer_list>

// A segment that stands for the media segment types: it answers its file
// from "Path" and whether it loaded from a flag.
class FakeMediaSegment : public Segment
{
public:
    explicit FakeMediaSegment(const QString& type, int track = 1, float start = 0, float length = 1)
        : Segment(nullptr)
    {
        setType(type);
        setTrackId(track);
        setRangeStart(start);
        setRangeDuration(length);
    }
    void setPath(const QString& path) { setStringAttribute(attributes(), QStringLiteral("Path"), path); }
    QString text() const override { return stringAttribute(attributes(), QStringLiteral("Path")); }
    bool isLoaded() const override { return loaded; }

    std::atomic<bool> loaded{true};
};

// A folder held in memory where the system has one, else the temporary
// folder: tests that write thousands of small files stay quick there.
inline QString memoryBackedFolder()
{
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    return memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath();
}

// A product folder of its own for one test; project paths lead into it.
class TemporaryProduct
{
public:
    explicit TemporaryProduct(const QString& base = QDir::tempPath())
        : _dir(base + QStringLiteral("/product-XXXXXX"))
    {
        ProjectManager::setWorkingFolder(_dir.path());
    }
    ~TemporaryProduct() { ProjectManager::setWorkingFolder(QString()); }

    QString path() const { return _dir.path(); }
    QString projectDir(const QString& name, const QString& folder = QString()) const
    {
        const QString dir = ProjectManager::projectDirectory(name, folder);
        QDir().mkpath(dir);
        return dir;
    }

private:
    QTemporaryDir _dir;
};

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Each file of the folder by name, with the digest of its bytes: equal maps
// mean nothing in the folder was added, removed or changed.
inline QMap<QString, QByteArray> folderDigests(const QString& dir)
{
    QMap<QString, QByteArray> digests;
    for (const QString& name : QDir(dir).entryList(QDir::Files, QDir::Name))
        digests.insert(name, QCryptographicHash::hash(readFile(dir + "/" + name), QCryptographicHash::Sha256));
    return digests;
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << qPrintable(path);
    file.write(bytes);
}

struct ToolRun {
    int exitCode;
    QString output;
};

// Runs projtool with the arguments to its end; its output and error text together.
inline ToolRun runTool(const QStringList& arguments)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(QStringLiteral(PROJTOOL_PATH), arguments);
    if (!tool.waitForFinished(60000))
        return {-1, QStringLiteral("projtool did not finish")};
    return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1, QString::fromUtf8(tool.readAll())};
}

// A manager holding count segments on three tracks, each with a transition.
inline void fillProject(ProjectManager& manager, int count)
{
    for (int i = 0; i < count; ++i) {
        auto* segment = new FakeMediaSegment(i % 2 ? QStringLiteral("IMAGE") : QStringLiteral("TEXT"), 1 + i % 3,
                                             float(i) * 0.5f, 2.0f);
        segment->setUserScale(QPointF(0.5 + i % 5 * 0.1, 0.75));
        segment->setClrBrightness(i % 40);
        segment->setPath(QStringLiteral("clip %1 & <more>.mp4").arg(i));
        segment->addTransitionAtTime(0.5f, segment->rangeStart());
        manager.appendSegment(segment, nullptr);
    }
}

// Each fragment is in the text, after the end of the one before (a fragment
// named twice must be there twice).
inline void expectInOrder(const QByteArray& text, std::initializer_list<const char*> fragments)
{
    int at = 0;
    for (const char* fragment : fragments) {
        const int found = text.indexOf(fragment, at);
        EXPECT_GE(found, at) << fragment << " in\n" << text.constData();
        if (found >= 0)
            at = found + int(qstrlen(fragment));
    }
}


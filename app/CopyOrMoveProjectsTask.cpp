#include "CopyOrMoveProjectsTask.h"

#include "HiddenFolder.h"
#include "ProjectEntry.h"
#include "Util.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The pauses let the progress bar be seen moving, even for small projects.
constexpr unsigned long kPauseAfterItemMs = 100;
constexpr unsigned long kPauseAfterRunMs = 500;

// Both paths name one directory, however spelt (links, "..", a trailing "/").
bool isSameDirectory(const QString& a, const QString& b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

} // namespace

CopyOrMoveProjectsTask::CopyOrMoveProjectsTask(QObject* parent, const QStringList& projectPaths,
                                               const QString& targetFolder, bool copy)
    : QThread(parent), _copy(copy), _projectPaths(projectPaths), _targetFolder(targetFolder)
{
}

CopyOrMoveProjectsTask::~CopyOrMoveProjectsTask()
{
    wait();
}

bool CopyOrMoveProjectsTask::result(int* doneCount) const
{
    if (doneCount)
        *doneCount = _doneCount;
    return _succeeded;
}

void CopyOrMoveProjectsTask::run()
{
    _succeeded = true;
    _doneCount = 0;
    const QStringList paths = _projectPaths;
    const int total = paths.size();
    for (const QString& path : paths) {
        bool skipped = false;
        if (!_processItem(path, &skipped)) {
            _succeeded = false;
            break;
        }
        if (!skipped)
            ++_doneCount;
        emit progressChanged(float(_doneCount) / float(total));
        msleep(kPauseAfterItemMs);
    }
    msleep(kPauseAfterRunMs);
}

bool CopyOrMoveProjectsTask::_processItem(const QString& path, bool* skipped) const
{
    // An empty path or destination would mean the current folder or the root;
    // a destination folder made again here would lack its folder marker.
    if (!QFileInfo(_targetFolder).isDir() || !QFileInfo(path).isDir())
        return false;
    const QString name = QFileInfo(path).fileName();
    const QString sameName = _targetFolder + QDir::separator() + name;
    if (!_copy && isSameDirectory(sameName, path)) {
        *skipped = true;
        return true;
    }
    const QString destination = _freeDestination(name);
    if (!_copy)
        return QDir().rename(path, destination);
    if (!Util::copyDirectory(path, destination, true)) {
        // The destination was free, so everything in it is this failed copy.
        HiddenFolder::remove(destination);
        return false;
    }
    ProjectEntry::dropExampleMarker(destination);
    return true;
}

QString CopyOrMoveProjectsTask::_freeDestination(const QString& name) const
{
    QString destination = _targetFolder + QDir::separator() + name;
    for (int n = 1; QFileInfo::exists(destination); ++n)
        destination = _targetFolder + QDir::separator() + QStringLiteral("%1 (%2)").arg(name, QString::number(n));
    return destination;
}

#include "DirCopier.h"

#include "Util.h"

#include <QFileInfo>

namespace {

// Leaves the busy indicator up long enough to be seen after a quick copy.
constexpr unsigned long kPauseAfterRunMs = 500;

} // namespace

DirCopier::DirCopier(QObject* parent, const QString& sourcePath, const QString& destinationPath)
    : QThread(parent), _sourcePath(sourcePath), _destinationPath(destinationPath)
{
}

DirCopier::~DirCopier()
{
    wait();
}

void DirCopier::run()
{
    // A vanished source would "copy" as an empty folder, and an empty
    // destination would put the copy in the current folder.
    _succeeded = !_destinationPath.isEmpty() && QFileInfo(_sourcePath).isDir()
                 && Util::copyDirectory(_sourcePath, _destinationPath, true);
    msleep(kPauseAfterRunMs);
}

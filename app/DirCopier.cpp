#include "DirCopier.h"

#include "Util.h"

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
    _succeeded = Util::copyDirectory(_sourcePath, _destinationPath, true);
    msleep(kPauseAfterRunMs);
}

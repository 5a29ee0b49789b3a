#include "SaveFileCommit.h"

#include <QDebug>
#include <QSaveFile>

namespace SaveFileCommit {

bool commitWhole(QSaveFile& file)
{
    if (!file.isOpen())
        return false;
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        qWarning().noquote() << "Cannot write " + file.fileName() + ": " + file.errorString();
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace SaveFileCommit

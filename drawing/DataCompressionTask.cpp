#include "DataCompressionTask.h"

#include <QDebug>
#include <QElapsedTimer>

namespace {

constexpr int kPngQuality = 80;

} // namespace

DataCompressionTask::DataCompressionTask(const QImage& image, const QString& path) : _image(image), _path(path)
{
}

void DataCompressionTask::run()
{
    if (_image.isNull())
        return;
    QElapsedTimer timer;
    timer.start();
    // A failed save shows later as a snapshot that does not load, which undo skips.
    _image.save(_path, "PNG", kPngQuality);
    qDebug() << "Drawing history data compressing time: " << timer.elapsed();
}

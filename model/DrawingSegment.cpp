#include "DrawingSegment.h"

#include "AVRegularFile.h"
#include "SaveFileCommit.h"
#include "SegmentKeys.h"
#include "SegmentListener.h"
#include "SegmentStyleDefaults.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kDrawingType = QStringLiteral("DRAWING");
constexpr int kPngQuality = 80;

} // namespace

DrawingSegment::DrawingSegment(const Segment* source, const QString& file, float start, SegmentListener* owner)
    : ImageSegment(source, file, start, owner, kDrawingType)
{
}

DrawingSegment::DrawingSegment(const QSizeF& drawSize, float start, float duration, SegmentListener* owner,
                               SegmentStyleDefaults* defaults)
    : ImageSegment(owner)
{
    setType(kDrawingType);
    setRangeStart(start);
    setRangeDuration(duration);
    _setPicture(QImage(), drawSize);
    setSizeAttribute(attributes(), SegmentKey::DrawSize, drawSize);
    QImage blank(drawSize.toSize(), QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::transparent);
    saveImage(blank);
    touchTimeStamp();
    if (defaults)
        defaults->applyToDrawingSegment(this);
    if (owner)
        _loadInBackground();
}

DrawingSegment::DrawingSegment(std::unique_ptr<SegmentAttributes> attributes, SegmentListener* owner,
                               bool newlyCreated)
    : ImageSegment(std::move(attributes), owner, newlyCreated)
{
}

DrawingSegment::~DrawingSegment()
{
    _finishPendingTasks();
}

QString DrawingSegment::newImageFileName() const
{
    const QString folder = owner() ? owner()->segmentProjectDirectory(const_cast<DrawingSegment*>(this)) : QString();
    if (folder.isEmpty())
        return QString();
    for (int number = 1;; ++number) {
        const QString path = folder + QDir::separator() + QString::asprintf("drawingImage-%d.png", number);
        if (!avIsNameTaken(path))
            return path;
    }
}

bool DrawingSegment::saveImage(const QImage& drawing)
{
    // The loading task reads "File": let it finish first.
    _finishPendingTasks();
    // Every save is a new file: the undo history and copied segments still
    // name the previous one, which closing the project tidies away once no
    // segment uses it.
    const QString target = newImageFileName();
    if (drawing.isNull() || !SaveFileCommit::writeImage(target, drawing, "PNG", kPngQuality)) {
        qWarning("Save drawing image failed");
        return false;
    }
    setFilePath(target);
    const QImage timelineCopy = thumbnail();
    const QSizeF size(drawing.size());
    _setPicture(timelineCopy.isNull()
                    ? timelineCopy
                    : drawing.scaled(timelineCopy.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation),
                size);
    setSizeAttribute(attributes(), SegmentKey::DrawSize, size);
    return true;
}

QPixmap DrawingSegment::pixmap() const
{
    const QString path = absoluteFilePath();
    return avIsRegularFile(path) ? QPixmap(path) : QPixmap();
}

// The segment inspector beside itself: a picture's sections and a song's.
#include "GalleryPages.h"

#include "ImageSegment.h"
#include "MusicSegment.h"
#include "SegmentInspectorWidget.h"
#include "SegmentKeys.h"

#include <QHBoxLayout>

#include <memory>

namespace {

std::unique_ptr<SegmentAttributes> record(const QString& type)
{
    auto attributes = std::make_unique<SegmentAttributes>();
    Segment::setStringAttribute(attributes.get(), SegmentKey::Type, type);
    Segment::setFloatAttribute(attributes.get(), SegmentKey::RangeDuration, 6.0f);
    return attributes;
}

QWidget* inspectorOf(QWidget* parent, Segment* segment)
{
    auto* inspector = new SegmentInspectorWidget(parent);
    inspector->setFixedSize(300, 720);
    inspector->setSegment(segment, QSize(1920, 1080));
    return inspector;
}

} // namespace

QWidget* createInspectorPage()
{
    // Shown as long as the gallery lives.
    static ImageSegment picture(record(QStringLiteral("IMAGE")), nullptr, false);
    static MusicSegment song(record(QStringLiteral("MUSIC")), nullptr, false);
    picture.setBorderWidthFraction(0.01f);
    picture.setBorderColor(qRgb(230, 180, 40));
    picture.setShadowOpacity(0.6f);
    song.setSpeed(1.5f);
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(inspectorOf(page, &picture), 0, Qt::AlignTop);
    layout->addWidget(inspectorOf(page, &song), 0, Qt::AlignTop);
    layout->addStretch();
    return page;
}

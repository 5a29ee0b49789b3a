// The segment inspector beside itself at its narrowest width: a picture's
// sections, a caption's (stored in Arial at 80, shown so even where Arial is
// missing), a song's, and a drawing being made, with the Done section and
// the drawing panels.
#include "GalleryPages.h"

#include "DrawingSegment.h"
#include "ImageSegment.h"
#include "MusicSegment.h"
#include "SegmentInspectorWidget.h"
#include "SegmentKeys.h"
#include "TextSegment.h"

#include <QCoreApplication>
#include <QHBoxLayout>

#include <memory>

namespace {

const QSize kCanvas(1920, 1080);

std::unique_ptr<SegmentAttributes> record(const QString& type)
{
    auto attributes = std::make_unique<SegmentAttributes>();
    Segment::setStringAttribute(attributes.get(), SegmentKey::Type, type);
    Segment::setFloatAttribute(attributes.get(), SegmentKey::RangeDuration, 6.0f);
    return attributes;
}

SegmentInspectorWidget* inspectorOf(QWidget* parent, Segment* segment)
{
    auto* inspector = new SegmentInspectorWidget(parent);
    inspector->setFixedSize(300, 720);
    inspector->setSegment(segment, kCanvas);
    // As under the play pointer: the buttons take clicks.
    inspector->refreshEditingControllers(segment, nullptr, true, 0.0f);
    return inspector;
}

// The drawing panels are made for the canvas the main window reports.
SegmentInspectorWidget* drawingInspectorOf(QWidget* parent, Segment* segment)
{
    SegmentInspectorWidget* inspector = inspectorOf(parent, segment);
    QObject::connect(
        inspector, &SegmentInspectorWidget::segmentInspectorWidgetGetCanvasSize, inspector,
        [](SegmentInspectorWidget*, QSize& size) { size = kCanvas; }, Qt::DirectConnection);
    inspector->setEditingMode(true, QCoreApplication::translate("DesktopMainWindow", "Drawing..."), 2);
    return inspector;
}

} // namespace

QWidget* createInspectorPage()
{
    // Shown as long as the gallery lives.
    static ImageSegment picture(record(QStringLiteral("IMAGE")), nullptr, false);
    static MusicSegment song(record(QStringLiteral("MUSIC")), nullptr, false);
    static DrawingSegment sketch(record(QStringLiteral("DRAWING")), nullptr, false);
    static TextSegment caption(record(QStringLiteral("TEXT")), nullptr, false);
    caption.setText(QStringLiteral("Caption"));
    caption.setFontName(QStringLiteral("Arial"));
    caption.setFontSize(80.0f);
    picture.setBorderWidthFraction(0.01f);
    picture.setBorderColor(qRgb(230, 180, 40));
    picture.setShadowOpacity(0.6f);
    song.setSpeed(1.5f);
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(inspectorOf(page, &picture), 0, Qt::AlignTop);
    layout->addWidget(inspectorOf(page, &caption), 0, Qt::AlignTop);
    layout->addWidget(inspectorOf(page, &song), 0, Qt::AlignTop);
    layout->addWidget(drawingInspectorOf(page, &sketch), 0, Qt::AlignTop);
    layout->addStretch();
    return page;
}

#pragma once

#include "ImageSegment.h"

// A picture drawn on the built-in canvas (Type "DRAWING"): a still picture
// whose PNG the segment writes itself into the project folder, named
// "drawingImage-%d.png", with the canvas size under "DrawSize".
class DrawingSegment : public ImageSegment
{
public:
    DrawingSegment(const Segment* source, const QString& file, float start, SegmentListener* owner);
    // A new transparent drawing of drawSize, written at once.
    DrawingSegment(const QSizeF& drawSize, float start, float duration, SegmentListener* owner,
                   SegmentStyleDefaults* defaults = nullptr);
    DrawingSegment(std::unique_ptr<SegmentAttributes> attributes, SegmentListener* owner, bool newlyCreated);
    // Waits for the loading task while the segment is still a drawing: the
    // task calls its virtual operations.
    ~DrawingSegment() override;

    // Writes the drawing; false when it could not be written, and then the
    // segment keeps its previous file and reference.
    bool saveImage(const QImage& drawing);
    // The first "drawingImage-%d.png" of the project folder that does not
    // exist; empty without a project folder.
    QString newImageFileName() const;
    // The drawing at full size.
    QPixmap pixmap() const override;
    bool loadGifFrames() override { return false; }
};

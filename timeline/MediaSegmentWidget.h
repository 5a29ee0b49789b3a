#pragma once

#include "SegmentWidget.h"


#include "SegmentEditingStateBackgroundWidget.h"

// The tile of a segment that plays a trimmed part of a media file (movie,
// music, voice). While edited it shows the whole media darkened behind
// itself on the track, aligned so that the trimmed part lies under the tile.
class MediaSegmentWidget : public SegmentWidget
{
    Q_OBJECT

public:
    MediaSegmentWidget(const QRect& geometry, QWidget* parent);
    ~MediaSegmentWidget() override;

    void setScale(float scale, bool animated) override;
    void setEditing(bool editing, bool animated) override;
    bool isReadyForRemoval() const override;
    // The whole media at the current scale, in the track's coordinates.
    QRect editingBackgroundRect() const;
    SegmentEditingStateBackgroundWidget* editingBackground() const { return _editingBackground; }

protected:
    // Timeline seconds (media seconds at the segment's speed) of the trim
    // start and of the whole media.
    virtual float _trimStart() const = 0;
    virtual float _wholeMediaDuration() const = 0;

private:
    void _showEditingBackground(bool animated);
    // The background fades out on its own and deletes itself at the end;
    // the pointer, a QPointer, then clears unless a newer one took its place.
    void _removeEditingBackground(bool animated);

    QPointer<SegmentEditingStateBackgroundWidget> _editingBackground;
};

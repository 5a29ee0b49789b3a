#include "MediaSegmentWidget.h"

#include "Segment.h"
#include "SegmentEditingStateBackgroundWidget.h"
#include "TimelineMetrics.h"
#include "WidgetAnimations.h"

#include <QGraphicsOpacityEffect>
#include <QParallelAnimationGroup>

namespace {

constexpr int kFadeMs = 200;

} // namespace

MediaSegmentWidget::MediaSegmentWidget(const QRect& geometry, QWidget* parent)
    : SegmentWidget(geometry, parent)
{
}

MediaSegmentWidget::~MediaSegmentWidget()
{
    // The background lives on the track, which outlives the tile.
    delete _editingBackground;
}

QRect MediaSegmentWidget::editingBackgroundRect() const
{
    if (!segment())
        return QRect();
    return QRect(TimelineMetrics::tileX(segment()->rangeStart() - _trimStart(), scale()), 0,
                 TimelineMetrics::tileWidth(_wholeMediaDuration(), scale()), height());
}

void MediaSegmentWidget::setScale(float scale, bool animated)
{
    SegmentWidget::setScale(scale, animated);
    if (!_editingBackground)
        return;
    _editingBackground->setScale(scale);
    _editingBackground->setGeometry(editingBackgroundRect());
    _editingBackground->update();
}

void MediaSegmentWidget::setEditing(bool editing, bool animated)
{
    const bool changed = editing != isEditing();
    SegmentWidget::setEditing(editing, animated);
    if (!changed)
        return;
    if (editing)
        _showEditingBackground(animated);
    else
        _removeEditingBackground(animated);
}

bool MediaSegmentWidget::isReadyForRemoval() const
{
    return !_editingBackground;
}

void MediaSegmentWidget::_showEditingBackground(bool animated)
{
    auto* background = new SegmentEditingStateBackgroundWidget(editingBackgroundRect(), segment(), scale(),
                                                               parentWidget());
    _editingBackground = background;
    if (animated && animationsEnabled()) {
        QGraphicsOpacityEffect* effect = newOpacityEffect(background, 0.0);
        background->show();
        raise();
        connect(animateInParallel(background, kFadeMs, {{effect, "opacity", 1.0}}),
                &QAbstractAnimation::finished, effect, [effect]() { effect->setEnabled(false); });
        return;
    }
    background->show();
    raise();
}

void MediaSegmentWidget::_removeEditingBackground(bool animated)
{
    SegmentEditingStateBackgroundWidget* background = _editingBackground;
    if (!background)
        return;
    if (!(animated && animationsEnabled())) {
        delete background;
        return;
    }
    QGraphicsOpacityEffect* effect = opacityEffectOf(background, 1.0);
    connect(animateInParallel(background, kFadeMs, {{effect, "opacity", 0.0}}), &QAbstractAnimation::finished,
            background, &QObject::deleteLater);
}

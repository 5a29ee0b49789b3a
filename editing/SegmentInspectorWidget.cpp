#include "SegmentInspectorWidget.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

SegmentInspectorWidget::SegmentInspectorWidget(QWidget* parent)
    : QWidget(parent)
    , _scrollArea(new QScrollArea(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    _scrollArea->setWidgetResizable(true);
    _scrollArea->setFrameShape(QFrame::NoFrame);
    _scrollArea->setWidget(new QWidget(_scrollArea));
    layout->addWidget(_scrollArea);
}

void SegmentInspectorWidget::setSegment(Segment* segment, const QSize& canvasSize)
{
    _segment = segment;
    _canvasSize = canvasSize;
}

// The calls below refresh sections of the inspector; with no section built
// yet there is nothing for them to refresh.
void SegmentInspectorWidget::refreshEditingControllers(Segment*, bool, float) {}
void SegmentInspectorWidget::updateTransitionControllers(Segment*, int, int) {}
void SegmentInspectorWidget::updateGeometryValues(Segment*) {}
void SegmentInspectorWidget::updateTransitionGeometryValues(Segment*, int, int) {}
void SegmentInspectorWidget::setGeometryCornerIndex(int) {}
void SegmentInspectorWidget::setTransitionGeometryCornerIndex(int) {}
void SegmentInspectorWidget::updateTextFontValues(Segment*) {}
void SegmentInspectorWidget::selectTransition(Segment*, int, int) {}

void SegmentInspectorWidget::enterTransitionEditMode()
{
    _transitionEditMode = true;
}

void SegmentInspectorWidget::exitTransitionEditMode(Segment*)
{
    _transitionEditMode = false;
}

void SegmentInspectorWidget::setEditingMode(bool on, const QString& title, int mode)
{
    _editingModeOn = on;
    _editingModeTitle = title;
    _editingMode = mode;
}

void SegmentInspectorWidget::dismissPopups()
{
    _transitionEditMode = false;
}

int SegmentInspectorWidget::scrollPosition() const
{
    return _scrollArea->verticalScrollBar()->value();
}

void SegmentInspectorWidget::setScrollPosition(int position)
{
    _scrollArea->verticalScrollBar()->setValue(position);
}

#pragma once

#include "HistoryWindow.h"
#include "PlainTransformOverlay.h"

#include <QPushButton>

// The editing window for the transition tests, with the play pointer over
// the timeline as the desktop window lays it out; the inspector's transition
// mode and the overlay's appearance are the test's to set and count.
class TransitionWindow : public HistoryWindow
{
public:
    TransitionWindow(const QString& name, const QSize& previewSize) : HistoryWindow(name, previewSize)
    {
        _editAreaWidget = centralWidget();
        _pointerArea = new QWidget(centralWidget());
        _segmentModeButton = new QPushButton(_pointerArea);
        _initPointerArea();
    }
    using MainWindow::_currentPopup;
    using MainWindow::_currentScrollTime;
    using MainWindow::_editingTransitionState;
    using MainWindow::_seekToTime;
    using MainWindow::_transformWidget;

    // The inspector's transition mode, which its relays switch before entering and leaving.
    bool editingTransitions = false;
    int overlaysShown = 0;

protected:
    bool _isEditingTransitions() const override { return editingTransitions; }
    // The overlay is made here as the owner makes it, without the segment's geometry.
    void _showTransformWidgetForSegment(Segment* segment) override
    {
        ++overlaysShown;
        delete _transformWidget.data();
        _transformWidget = makePlainTransformOverlay(playbackArea(), segment);
    }
};

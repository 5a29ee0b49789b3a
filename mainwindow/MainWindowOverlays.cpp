// What covers the window for a while (full screen, a range selection, a
// tile in editing) and the order in which a dismissal leaves it.
#include "MainWindow.h"

#include "AVEngine.h"
#include "AVGLWidget.h"
#include "CanvasWidget.h"
// The tip manager hands out its tip as this class.
#include "CommonPopup.h"
#include "CropValues.h"
#include "CropWidget.h"
#include "DrawingSegment.h"
#include "EditScrollArea.h"
#include "MediaExplorer.h"
#include "MediaPreviewWidget.h"
#include "PointerWidget.h"
#include "ProgressHUD.h"
#include "ProjectManager.h"
#include "Segment.h"
#include "SegmentWidget.h"
#include "TextEditWidget.h"
#include "TextSegment.h"
#include "TimelineMetrics.h"
#include "TipManager.h"

#include <QCoreApplication>

namespace {

constexpr int32_t kCropTopLeftProperty = 8;
constexpr int32_t kCropBottomRightProperty = 9;
constexpr int32_t kFeatheringX0Property = 71;
constexpr int kResyncAfterEditingMs = 500;
constexpr int kSaveFailedMessageMs = 2000;

// The six engine properties of a crop, written by the given setter (the
// segment's own or one side of a transition).
template <typename Setter>
void sendCrop(const CropValues& crop, Setter set)
{
    set(kCropTopLeftProperty, float(crop.topLeft.x()), float(crop.topLeft.y()));
    set(kCropBottomRightProperty, float(crop.bottomRight.x()), float(crop.bottomRight.y()));
    for (int side = 0; side < 4; ++side)
        set(kFeatheringX0Property + side, crop.feathering[size_t(side)], 0.0f);
}

} // namespace

bool MainWindow::_dismissAllPopupsAndPreview()
{
    if (_fullScreen) {
        _toggleFullScreen();
        return true;
    }
    if (_textEditor) {
        _endTextEditing(false);
        return true;
    }
    if (_canvas) {
        segmentInspectorWidget_onEndDrawing(nullptr);
        _endDrawingEditing(false);
        return true;
    }
    if (_cropWidget) {
        _endCropEditing(false);
        return true;
    }
    if (_mediaPreview && _mediaPreview->isVisible()) {
        _hideMediaPreview();
        return true;
    }
    if (_timeline && _timeline->isRangeSelectionMode()) {
        _exitRangeSelectionMode();
        return true;
    }
    SegmentWidget* selected = _timeline ? _timeline->selectedSegmentWidget() : nullptr;
    if (!selected)
        return false;
    // A transition being edited is left first; the segment stays in editing.
    if (_isEditingTransitions()) {
        segmentInspectorWidget_onExitEditTransition();
        return true;
    }
    selected->setEditing(false, true);
    return true;
}

bool MainWindow::_isShowingHUD() const
{
    return _waitingHUD && _waitingHUD->isVisible();
}

void MainWindow::_endCropEditing(bool apply)
{
    if (!_cropWidget)
        return;
    SegmentWidget* tile = _timeline ? _timeline->selectedSegmentWidget() : nullptr;
    if (apply && tile && tile->segment())
        _applyCrop(tile->segment(), tile->transitionId());
    delete _cropWidget.data();
    delete _cropCover.data();
    _restoreAfterEditing();
    _enterCropMode(false);
    _seekPreview(_currentScrollTime(), true);
    QCoreApplication::processEvents();
}

void MainWindow::_restoreAfterEditing()
{
    _updatePlayPauseButton();
    if (_timeline)
        _timeline->setInteractive(true);
    if (_mediaExplorer)
        _mediaExplorer->setInteractive(true);
    // The edited tile's transition follows the play pointer once the editor is gone.
    _runForProject(kResyncAfterEditingMs, [this] { _syncEditingTransition(_currentScrollTime()); });
}

void MainWindow::_prepareForEditing()
{
    _fadeWidget();
    if (TipManager::hasInstance())
        TipManager::instance()->closeCurrentTip();
    showDoneButton();
    if (_timeline)
        _timeline->setInteractive(false);
    if (_mediaExplorer)
        _mediaExplorer->setInteractive(false);
}

void MainWindow::_endTextEditing(bool apply)
{
    if (!_textEditor)
        return;
    SegmentWidget* tile = _timeline ? _timeline->selectedSegmentWidget() : nullptr;
    auto* segment = tile ? dynamic_cast<TextSegment*>(tile->segment()) : nullptr;
    if (apply && segment) {
        const QString text = _textEditor->toPlainText();
        if (text != segment->text()) {
            _recordOperation();
            _projectManager->setModified(true);
        }
        segment->setText(text);
        if (_engine) {
            _engine->setText(segment->serialNumber(), text.toUtf8().constData());
            _engine->requestRedraw();
        }
        _relayoutSegmentWidget(segment, false);
    }
    _textEditor->hide();
    delete _textEditor.data();
    _restoreAfterEditing();
    _enterEditingMode(false);
}

void MainWindow::_endDrawingEditing(bool apply)
{
    if (!_canvas)
        return;
    if (TipManager::hasInstance())
        TipManager::instance()->closeCurrentTip();
    _canvas->finishText();
    _canvas->finishPicture();
    SegmentWidget* tile = _timeline ? _timeline->selectedSegmentWidget() : nullptr;
    Segment* segment = tile ? tile->segment() : nullptr;
    auto* drawing = dynamic_cast<DrawingSegment*>(segment);
    if (apply && drawing) {
        _recordOperation();
        if (!drawing->saveImage(_canvas->canvasPixmap().toImage())) {
            // Nothing changed: the step goes, and the painting stays on the
            // canvas (with its panels) for another try.
            _projectManager->dropLastSnapshot();
            ProgressHUD::showMessage(tr("Save painting failed"), this, kSaveFailedMessageMs);
            _enterDrawingMode(true);
            return;
        }
        _projectManager->setModified(true);
        _relayoutSegmentWidget(drawing, false);
        _reloadDrawingInEngine(drawing);
    }
    if (segment && _engine) {
        _engine->setSegmentFlag2(segment->serialNumber(), 1);
        _engine->requestRedraw();
    }
    _canvas->hide();
    delete _canvas.data();
    // The panels are the inspector's and live on with it.
    _drawingColorWidget.clear();
    _drawingTuningWidget.clear();
    _restoreAfterEditing();
    _enterDrawingMode(false);
}

void MainWindow::_hideMediaPreview()
{
    if (!_mediaPreview || !_mediaPreview->isVisible())
        return;
    _mediaPreview->close();
    _mediaPreview->hide();
    if (_previewWidget)
        _previewWidget->show();
}

void MainWindow::_layoutOverlayWidgets()
{
    QWidget* central = centralWidget();
    if (!_canvas || !_previewContainer || !central)
        return;
    _canvas->setGeometry(QRect(_previewContainer->mapTo(central, QPoint(0, 0)), _previewContainer->size()));
}

void MainWindow::_applyCrop(Segment* segment, int transitionId)
{
    // The transition side as its writers store it: 1 the begin state, 0 the end.
    const bool onTransition = transitionId > 0 && (_editingTransitionState == 0 || _editingTransitionState == 1);
    const bool begin = _editingTransitionState == 1;
    const CropValues edited = CropValues::of(_cropWidget);
    const CropValues current = onTransition ? CropValues::of(segment, transitionId, begin) : CropValues::of(segment);
    if (edited == current)
        return;
    _recordOperation();
    _projectManager->setModified(true);
    const int32_t id = segment->serialNumber();
    if (onTransition) {
        edited.storeIn(segment, transitionId, begin);
        if (_engine)
            sendCrop(edited, [&](int32_t property, float a, float b) {
                _engine->setAnimationState(id, transitionId, begin, property, a, b);
            });
    } else {
        edited.storeIn(segment);
        if (_engine)
            sendCrop(edited, [&](int32_t property, float a, float b) {
                _engine->setSegmentProperty(id, property, a, b, 0.0f, 0.0f);
            });
    }
    if (_engine)
        _engine->requestRedraw();
}

// The docked segment inspector: its creation in the inspector area and the
// relays of its signals to MainWindow's segment-editing commands.
#include "DesktopMainWindow.h"
// The form's timeline area needs the tile class complete.
#include "SegmentWidget.h"
#include "ui_DesktopMainWindow.h"

#include "CanvasWidget.h"
#include "DrawingColorWidget.h"
#include "DrawingToolsWidget.h"
#include "DrawingTuningWidget.h"
#include "EditScrollArea.h"
#include "PopupChromaKeyWidget.h"
#include "PopupColorsScrollWidget.h"
#include "PopupSliderColor1Switch2SlidersWidget.h"
#include "PopupSliderColor2SlidersWidget.h"
#include "PopupSliderColorShadowWidget.h"
#include "PopupSliderColorWidget.h"
#include "PopupSliderWidget.h"
#include "Segment.h"
#include "SegmentInspectorWidget.h"

#include <QCoreApplication>
#include <QKeyEvent>

using Inspector = SegmentInspectorWidget;

void DesktopMainWindow::_createSegmentInspector()
{
    _segmentInspectorWidget = new SegmentInspectorWidget(_ui->inspectorAreaWidget);
    _ui->inspectorAreaVerticalLayout->addWidget(_segmentInspectorWidget, 1);
    // Popups are announced as their sections are made, from the first
    // setSegment on: connect these first.
    _connectInspectorPopups();
    _connectInspectorSegmentCommands();
    _connectInspectorGeometry();
    _connectInspectorTransitions();
}

void DesktopMainWindow::_connectInspectorSegmentCommands()
{
    Inspector* inspector = _segmentInspectorWidget;
    using Self = DesktopMainWindow;
    connect(inspector, &Inspector::segmentInspectorWidgetDidFinish, this, &Self::segmentInspectorWidget_onDidFinish);
    connect(inspector, &Inspector::segmentInspectorWidgetDuplicateSegment, this,
            &Self::segmentInspectorWidget_onDuplicateSegment);
    connect(inspector, &Inspector::segmentInspectorWidgetSplitSegment, this,
            &Self::segmentInspectorWidget_onSplitSegment);
    connect(inspector, &Inspector::segmentInspectorWidgetRemoveSegment, this,
            &Self::segmentInspectorWidget_onRemoveSegment);
    connect(inspector, &Inspector::segmentInspectorWidgetApplyToAllSegments, this,
            &Self::segmentInspectorWidget_onApplyToAllSegments);
    connect(inspector, &Inspector::segmentInspectorWidgetKeyPressed, this, &Self::segmentInspectorWidget_onKeyPressed);
    connect(inspector, &Inspector::segmentInspectorWidgetSelectFont, this, &Self::segmentInspectorWidget_onSelectFont);
    connect(inspector, &Inspector::segmentInspectorWidgetSetTextAlignment, this,
            &Self::segmentInspectorWidget_onSetTextAlignment);
    connect(inspector, &Inspector::segmentInspectorWidgetVideoGrabImage, this,
            &Self::segmentInspectorWidget_onVideoGrabImage);
    connect(inspector, &Inspector::segmentInspectorWidgetCropAction, this, &Self::segmentInspectorWidget_onCropAction);
    connect(inspector, &Inspector::segmentInspectorWidgetRotateClockwiseAction, this,
            &Self::segmentInspectorWidget_onRotateClockwiseAction);
    connect(inspector, &Inspector::segmentInspectorWidgetRotateCounterClockwiseAction, this,
            &Self::segmentInspectorWidget_onRotateCounterClockwiseAction);
    connect(inspector, &Inspector::segmentInspectorWidgetFlipHorizontalAction, this,
            &Self::segmentInspectorWidget_onFlipHorizontalAction);
    connect(inspector, &Inspector::segmentInspectorWidgetFlipVerticalAction, this,
            &Self::segmentInspectorWidget_onFlipVerticalAction);
    connect(inspector, &Inspector::segmentInspectorWidgetPerspectiveAction, this,
            &Self::segmentInspectorWidget_onPerspectiveAction);
    connect(inspector, &Inspector::segmentInspectorWidgetMaintainAspectRatioAction, this,
            &Self::segmentInspectorWidget_onMaintainAspectRatioAction);
    connect(inspector, &Inspector::segmentInspectorWidgetRestoreDefaultAction, this,
            &Self::segmentInspectorWidget_onRestoreDefaultAction);
    // The canvas size is a question: it must be answered before the emit returns.
    connect(inspector, &Inspector::segmentInspectorWidgetGetCanvasSize, this, &Self::segmentInspectorWidget_onGetCanvasSize,
            Qt::DirectConnection);
    connect(inspector, &Inspector::segmentInspectorWidgetStartDrawing, this,
            &Self::segmentInspectorWidget_onStartDrawing);
    connect(inspector, &Inspector::segmentInspectorWidgetEndDrawing, this, &Self::segmentInspectorWidget_onEndDrawing);
    // Text editing in place and a picture's replacement.
    connect(inspector, &Inspector::segmentInspectorWidgetEditText, this, &Self::segmentInspectorWidget_onEditText);
    connect(inspector, &Inspector::segmentInspectorWidgetEditPicture, this, &Self::segmentInspectorWidget_onEditPicture);
    // Drawing editing: the Edit button and the drawing section's panels.
    connect(inspector, &Inspector::segmentInspectorWidgetEditDrawing, this, &Self::segmentInspectorWidget_onEditDrawing);
    connect(inspector, &Inspector::segmentInspectorWidgetInitDrawingWidgets, this,
            &Self::segmentInspectorWidget_onInitDrawingWidgets);
    connect(inspector, &Inspector::segmentInspectorWidgetDoneAction, this, &Self::segmentInspectorWidget_onDoneAction);
}

void DesktopMainWindow::_connectInspectorGeometry()
{
    Inspector* inspector = _segmentInspectorWidget;
    using Self = DesktopMainWindow;
    connect(inspector, &Inspector::segmentInspectorWidgetSetGeometryX, this, &Self::segmentInspectorWidget_onSetGeometryX);
    connect(inspector, &Inspector::segmentInspectorWidgetSetGeometryY, this, &Self::segmentInspectorWidget_onSetGeometryY);
    connect(inspector, &Inspector::segmentInspectorWidgetSetGeometryWidth, this,
            &Self::segmentInspectorWidget_onSetGeometryWidth);
    connect(inspector, &Inspector::segmentInspectorWidgetSetGeometryHeight, this,
            &Self::segmentInspectorWidget_onSetGeometryHeight);
    connect(inspector, &Inspector::segmentInspectorWidgetSetGeometryRotation, this,
            &Self::segmentInspectorWidget_onSetGeometryRotation);
    // The edit's starting values are handed back through the references.
    connect(inspector, &Inspector::segmentInspectorWidgetBeforeUpdateGeometryValue, this,
            &Self::segmentInspectorWidget_beforeUpdateGeometryValue, Qt::DirectConnection);
    connect(inspector, &Inspector::segmentInspectorWidgetUpdateGeometryX, this,
            &Self::segmentInspectorWidget_onUpdateGeometryX);
    connect(inspector, &Inspector::segmentInspectorWidgetUpdateGeometryY, this,
            &Self::segmentInspectorWidget_onUpdateGeometryY);
    connect(inspector, &Inspector::segmentInspectorWidgetUpdateGeometryWidth, this,
            &Self::segmentInspectorWidget_onUpdateGeometryWidth);
    connect(inspector, &Inspector::segmentInspectorWidgetUpdateGeometryHeight, this,
            &Self::segmentInspectorWidget_onUpdateGeometryHeight);
    connect(inspector, &Inspector::segmentInspectorWidgetUpdateGeometryRotation, this,
            &Self::segmentInspectorWidget_onUpdateGeometryRotation);
    connect(inspector, &Inspector::segmentInspectorWidgetAfterUpdateGeometryValue, this,
            &Self::segmentInspectorWidget_afterUpdateGeometryValue);
    connect(inspector, &Inspector::segmentInspectorWidgetSetCornerOffset, this,
            &Self::segmentInspectorWidget_onSetCornerOffset);
    connect(inspector, &Inspector::segmentInspectorWidgetUpdateCornerOffset, this,
            &Self::segmentInspectorWidget_onUpdateCornerOffset);
    connect(inspector, &Inspector::segmentInspectorWidgetSetCornerIndex, this,
            &Self::segmentInspectorWidget_onSetCornerIndex);
}

void DesktopMainWindow::_connectInspectorTransitions()
{
    Inspector* inspector = _segmentInspectorWidget;
    using Self = DesktopMainWindow;
    void (Self::*enter)(Inspector*) = &Self::segmentInspectorWidget_onEnterEditTransition;
    void (Self::*exit)(Inspector*) = &Self::segmentInspectorWidget_onExitEditTransition;
    connect(inspector, &Inspector::segmentInspectorWidgetEnterEditTransition, this, enter);
    connect(inspector, &Inspector::segmentInspectorWidgetExitEditTransition, this, exit);
    // Questions: the list reads the text and the picture as soon as the emit returns.
    connect(inspector, &Inspector::segmentInspectorWidgetGetEasingFunctionHintText, this,
            &Self::segmentInspectorWidget_onGetEasingFunctionHintText, Qt::DirectConnection);
    connect(inspector, &Inspector::segmentInspectorWidgetGetEasingFunctionIconImage, this,
            &Self::segmentInspectorWidget_onGetEasingFunctionIconImage, Qt::DirectConnection);
    connect(inspector, &Inspector::segmentInspectorWidgetTransitionSelectionIndexChanged, this,
            &Self::segmentInspectorWidget_onTransitionSelectionIndexChanged);
    connect(inspector, &Inspector::segmentInspectorWidgetTransitionBeginOrEndPositionChanged, this,
            &Self::segmentInspectorWidget_onTransitionBeginOrEndPositionChanged);
    connect(inspector, &Inspector::segmentInspectorWidgetPopupEasingFunctionsWidgetOnButton, this,
            &Self::segmentInspectorWidget_onPopupEasingFunctionsWidgetOnButton);
    connect(inspector, &Inspector::segmentInspectorWidgetAddTransitionOnButton, this,
            &Self::segmentInspectorWidget_onAddTransitionOnButton);
    connect(inspector, &Inspector::segmentInspectorWidgetRemoveTransitionAtIndex, this,
            &Self::segmentInspectorWidget_onRemoveTransitionAtIndex);
    connect(inspector, &Inspector::segmentInspectorWidgetDuplicateTransitionAtIndex, this,
            &Self::segmentInspectorWidget_onDuplicateTransitionAtIndex);
}

void DesktopMainWindow::_connectInspectorPopups()
{
    Inspector* inspector = _segmentInspectorWidget;
    connect(inspector, &Inspector::setConnectionsForTransparencyPopupSliderWidget, this,
            &DesktopMainWindow::_segmentEditingSetConnectionsForTransparencyPopupSliderWidget);
    connect(inspector, &Inspector::setConnectionsForVolumePopupSliderWidget, this,
            &DesktopMainWindow::_segmentEditingSetConnectionsForVolumePopupSliderWidget);
    connect(inspector, &Inspector::setConnectionsForSpeedPopupSliderWidget, this,
            &DesktopMainWindow::_segmentEditingSetConnectionsForSpeedPopupSliderWidget);
    connect(inspector, &Inspector::setConnectionsForPitchPopupSliderWidget, this,
            &DesktopMainWindow::_segmentEditingSetConnectionsForPitchPopupSliderWidget);
    connect(inspector, &Inspector::setConnectionsForBorderPopupSliderColorWidget, this,
            &DesktopMainWindow::_segmentEditingSetConnectionsForBorderPopupSliderColorWidget);
    connect(inspector, &Inspector::setConnectionsForStrokeBorderPopupSliderColorSwitchWidget, this,
            &DesktopMainWindow::_segmentEditingSetConnectionsForStrokeBorderPopupSliderColorSwitchWidget);
    connect(inspector, &Inspector::setConnectionsForRoundCornerPopupSliderWidget, this,
            &DesktopMainWindow::_segmentEditingSetConnectionsForRoundCornerPopupSliderWidget);
    connect(inspector, &Inspector::setConnectionsForShadowPopupSliderColorShadowWidget, this,
            &DesktopMainWindow::_segmentEditingSetConnectionsForShadowPopupSliderColorShadowWidget);
    connect(inspector, &Inspector::setConnectionsForColorsPopupColorsScrollWidget, this,
            &DesktopMainWindow::_segmentEditingSetConnectionsForColorsPopupColorsScrollWidget);
    connect(inspector, &Inspector::setConnectionsForChromaKeyPopupChromaKeyWidget, this,
            &DesktopMainWindow::_segmentEditingSetConnectionsForChromaKeyPopupChromaKeyWidget);
    connect(inspector, &Inspector::setConnectionsForTextSizePopupSliderColorWidget, this,
            &DesktopMainWindow::_segmentEditingSetConnectionsForTextSizePopupSliderColorWidget);
    connect(inspector, &Inspector::setConnectionsForTextBackPopupSliderColor2SlidersWidget, this,
            &DesktopMainWindow::_segmentEditingSetConnectionsForTextBackPopupSliderColor2SlidersWidget);
}

// --- Segment commands ----------------------------------------------------------------

void DesktopMainWindow::segmentInspectorWidget_onDidFinish(SegmentInspectorWidget*)
{
    _segmentEditingDidFinish();
}

void DesktopMainWindow::segmentInspectorWidget_onDuplicateSegment(SegmentInspectorWidget*)
{
    _segmentEditingDuplicateSegment();
}

void DesktopMainWindow::segmentInspectorWidget_onSplitSegment(SegmentInspectorWidget*)
{
    _segmentEditingSplitSegment();
}

void DesktopMainWindow::segmentInspectorWidget_onRemoveSegment(SegmentInspectorWidget*)
{
    _segmentEditingRemoveSegment();
}

void DesktopMainWindow::segmentInspectorWidget_onApplyToAllSegments(SegmentInspectorWidget*)
{
    _segmentEditingApplyToAllSegments();
}

void DesktopMainWindow::segmentInspectorWidget_onKeyPressed(SegmentInspectorWidget*, QKeyEvent* event)
{
    if (_timeline && event)
        QCoreApplication::sendEvent(_timeline, event);
}

void DesktopMainWindow::segmentInspectorWidget_onSelectFont(SegmentInspectorWidget*)
{
    _segmentEditingSelectFont();
}

void DesktopMainWindow::segmentInspectorWidget_onSetTextAlignment(SegmentInspectorWidget*, int alignment)
{
    _segmentEditingSetTextAlignment(alignment);
}

void DesktopMainWindow::segmentInspectorWidget_onVideoGrabImage(SegmentInspectorWidget*)
{
    grabEditingSegmentScreen();
}

void DesktopMainWindow::segmentInspectorWidget_onMaintainAspectRatioAction(SegmentInspectorWidget*)
{
    _maintainAspectRatio();
}

void DesktopMainWindow::segmentInspectorWidget_onRestoreDefaultAction(SegmentInspectorWidget*)
{
    _restoreDefaultGeometry();
}

void DesktopMainWindow::segmentInspectorWidget_onCropAction(SegmentInspectorWidget*)
{
    _segmentEditingCrop();
}

void DesktopMainWindow::segmentInspectorWidget_onRotateClockwiseAction(SegmentInspectorWidget*)
{
    _segmentEditingRotateClockwise();
}

void DesktopMainWindow::segmentInspectorWidget_onRotateCounterClockwiseAction(SegmentInspectorWidget*)
{
    _segmentEditingRotateCounterClockwise();
}

void DesktopMainWindow::segmentInspectorWidget_onFlipHorizontalAction(SegmentInspectorWidget*)
{
    _segmentEditingFlipHorizontal();
}

void DesktopMainWindow::segmentInspectorWidget_onFlipVerticalAction(SegmentInspectorWidget*)
{
    _segmentEditingFlipVertical();
}

void DesktopMainWindow::segmentInspectorWidget_onPerspectiveAction(SegmentInspectorWidget*)
{
    _segmentEditingPerspective();
}

void DesktopMainWindow::segmentInspectorWidget_onGetCanvasSize(SegmentInspectorWidget*, QSize& size)
{
    if (_canvas)
        size = _canvas->canvasSize();
}

// The panels' values reach the canvas each time the inspector's drawing mode starts.
void DesktopMainWindow::segmentInspectorWidget_onStartDrawing(SegmentInspectorWidget*, DrawingColorWidget* colorWidget,
                                                              DrawingTuningWidget* tuningWidget,
                                                              DrawingToolsWidget* toolsWidget)
{
    _segmentEditingSetDrawingWidgets(colorWidget, tuningWidget);
    _updateDrawingWidgets(nullptr, tuningWidget, colorWidget, toolsWidget);
}

void DesktopMainWindow::segmentInspectorWidget_onInitDrawingWidgets(SegmentInspectorWidget*,
                                                                    DrawingColorWidget* colorWidget,
                                                                    DrawingTuningWidget* tuningWidget,
                                                                    DrawingToolsWidget* toolsWidget)
{
    _segmentEditingSetConnectionsForDrawingWidgets(colorWidget, tuningWidget, toolsWidget);
}

void DesktopMainWindow::segmentInspectorWidget_onEditDrawing(SegmentInspectorWidget*)
{
    _segmentEditingEditDrawing();
}

void DesktopMainWindow::segmentInspectorWidget_onDoneAction(SegmentInspectorWidget*)
{
    _endAllEditing();
}

// --- Geometry --------------------------------------------------------------------------

void DesktopMainWindow::segmentInspectorWidget_onSetGeometryX(SegmentInspectorWidget*, double value)
{
    _segmentEditingSetGeometryX(value);
}

void DesktopMainWindow::segmentInspectorWidget_onSetGeometryY(SegmentInspectorWidget*, double value)
{
    _segmentEditingSetGeometryY(value);
}

void DesktopMainWindow::segmentInspectorWidget_onSetGeometryWidth(SegmentInspectorWidget*, double value)
{
    _segmentEditingSetGeometryWidth(value);
}

void DesktopMainWindow::segmentInspectorWidget_onSetGeometryHeight(SegmentInspectorWidget*, double value)
{
    _segmentEditingSetGeometryHeight(value);
}

void DesktopMainWindow::segmentInspectorWidget_onSetGeometryRotation(SegmentInspectorWidget*, double value)
{
    _segmentEditingSetGeometryRotation(value);
}

void DesktopMainWindow::segmentInspectorWidget_beforeUpdateGeometryValue(SegmentInspectorWidget*, QPointF& translation,
                                                                         QPointF& scale, qreal& rotation,
                                                                         qreal* cornerXOffsets, qreal* cornerYOffsets)
{
    _segmentEditingBeforeUpdateGeometry(translation, scale, rotation, cornerXOffsets, cornerYOffsets);
}

void DesktopMainWindow::segmentInspectorWidget_onUpdateGeometryX(SegmentInspectorWidget*, double value)
{
    _segmentEditingUpdateGeometryX(value);
}

void DesktopMainWindow::segmentInspectorWidget_onUpdateGeometryY(SegmentInspectorWidget*, double value)
{
    _segmentEditingUpdateGeometryY(value);
}

void DesktopMainWindow::segmentInspectorWidget_onUpdateGeometryWidth(SegmentInspectorWidget*, double value)
{
    _segmentEditingUpdateGeometryWidth(value);
}

void DesktopMainWindow::segmentInspectorWidget_onUpdateGeometryHeight(SegmentInspectorWidget*, double value)
{
    _segmentEditingUpdateGeometryHeight(value);
}

void DesktopMainWindow::segmentInspectorWidget_onUpdateGeometryRotation(SegmentInspectorWidget*, double value)
{
    _segmentEditingUpdateGeometryRotation(value);
}

void DesktopMainWindow::segmentInspectorWidget_afterUpdateGeometryValue(SegmentInspectorWidget*, QPointF translation,
                                                                        QPointF scale, double rotation,
                                                                        const qreal* cornerXOffsets,
                                                                        const qreal* cornerYOffsets)
{
    _segmentEditingAfterUpdateGeometry(translation, scale, rotation, cornerXOffsets, cornerYOffsets);
}

void DesktopMainWindow::segmentInspectorWidget_onSetCornerOffset(SegmentInspectorWidget*, int cornerIndex,
                                                                 double xOffset, double yOffset)
{
    _segmentEditingSetCornerOffset(cornerIndex, xOffset, yOffset);
}

void DesktopMainWindow::segmentInspectorWidget_onUpdateCornerOffset(SegmentInspectorWidget*, int cornerIndex,
                                                                    double xOffset, double yOffset)
{
    _segmentEditingUpdateCornerOffset(cornerIndex, xOffset, yOffset);
}

void DesktopMainWindow::segmentInspectorWidget_onSetCornerIndex(SegmentInspectorWidget*, int cornerIndex)
{
    _segmentEditingSetCornerIndex(cornerIndex);
}

// --- Transitions -----------------------------------------------------------------------

void DesktopMainWindow::segmentInspectorWidget_onGetEasingFunctionHintText(SegmentInspectorWidget*, Segment* segment,
                                                                           int transitionId, QString& text)
{
    text = easingFunctionName(segment, transitionId);
}

void DesktopMainWindow::segmentInspectorWidget_onGetEasingFunctionIconImage(SegmentInspectorWidget*, Segment* segment,
                                                                            int transitionId, QPixmap& pixmap)
{
    const QString path = _easingIconPath(segment, transitionId);
    pixmap = path.isEmpty() ? QPixmap() : QPixmap(path);
}

void DesktopMainWindow::segmentInspectorWidget_onTransitionSelectionIndexChanged(SegmentInspectorWidget*, int index)
{
    _segmentEditingSelectTransitionAtIndex(index);
}

void DesktopMainWindow::segmentInspectorWidget_onTransitionBeginOrEndPositionChanged(SegmentInspectorWidget*,
                                                                                     int beginOrEnd)
{
    _segmentEditingSeekToTransition(beginOrEnd);
}

void DesktopMainWindow::segmentInspectorWidget_onPopupEasingFunctionsWidgetOnButton(SegmentInspectorWidget*,
                                                                                    QPushButton* button)
{
    _popupEasingFunctions(button, 0);
}

void DesktopMainWindow::segmentInspectorWidget_onAddTransitionOnButton(SegmentInspectorWidget*, QPushButton* button)
{
    _addTransitionAt(button, 0, nullptr);
}

int DesktopMainWindow::_selectedTransitionAtIndex(int index) const
{
    Segment* segment = _timelineEditingSegment();
    if (!segment || index < 0 || index >= segment->transitionCount())
        return 0;
    const int transitionId = segment->isValidTransitionIndex(index);
    return transitionId == _editingTransitionId() ? transitionId : 0;
}

void DesktopMainWindow::segmentInspectorWidget_onRemoveTransitionAtIndex(SegmentInspectorWidget*, int index)
{
    if (const int transitionId = _selectedTransitionAtIndex(index))
        _removeCurrentTransition(transitionId);
}

void DesktopMainWindow::segmentInspectorWidget_onDuplicateTransitionAtIndex(SegmentInspectorWidget*, int index)
{
    if (const int transitionId = _selectedTransitionAtIndex(index))
        _duplicateCurrentTransition(transitionId);
}

// --- Text editing in place and a picture's replacement -----------------------------

void DesktopMainWindow::segmentInspectorWidget_onEditText(SegmentInspectorWidget*)
{
    _segmentEditingEditText();
}

void DesktopMainWindow::segmentInspectorWidget_onEditPicture(SegmentInspectorWidget*, QWidget*)
{
    _segmentEditingChangeImage();
}

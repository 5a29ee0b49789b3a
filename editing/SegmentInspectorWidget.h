#pragma once

#include <QList>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QWidget>

class BorderEditingWidgetController;
class ChromaKeyEditingWidgetController;
class ColorsEditingWidgetController;
class CommonEditingWidgetController;
class DoneButtonEditingWidgetController;
class DrawingColorWidget;
class DrawingToolsWidget;
class DrawingTuningWidget;
class EditButtonEditingWidgetController;
class GeometryEditingWidgetController;
class PitchEditingWidgetController;
class PopupChromaKeyWidget;
class PopupColorsScrollWidget;
class PopupSliderColor1Switch2SlidersWidget;
class PopupSliderColor2SlidersWidget;
class PopupSliderColorShadowWidget;
class PopupSliderColorWidget;
class PopupSliderWidget;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class RoundCornerEditingWidgetController;
class SelfDrawEditingWidgetController;
class ScrollableToolBar;
class Segment;
class ShadowEditingWidgetController;
class SpeedEditingWidgetController;
class StrokeBorderEditingWidgetController;
class TextAlignmentEditingWidgetController;
class TextBackEditingWidgetController;
class TextFontEditingWidgetController;
class TextSizeEditingWidgetController;
class TransitionsEditingWidgetController;
class TransparencyEditingWidgetController;
class VideoUtilitiesEditingWidgetController;
class VolumeEditingWidgetController;

// The docked panel that edits the segment being edited: its editing sections
// stacked in a fixed order in a scroll area, and below them a tool bar with
// the commands on the whole segment. In transition edit mode it shows the
// transitions and the selected transition's begin or end state instead.
// Sections are made on first need and only shown and hidden afterwards.
// Every user action leaves as a signal carrying the inspector first.
class SegmentInspectorWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SegmentInspectorWidget(QWidget* parent = nullptr);

    // Shows the sections that apply to the segment, filled from it; the
    // canvas size is the movie's, which lengths in pixels scale with.
    void setSegment(Segment* segment, const QSize& canvasSize);
    Segment* segment() const { return _segment; }
    QSize canvasSize() const { return _canvasSize; }
    // Enables each shown section's controls for where the play pointer is;
    // overlay is the transform overlay on the preview, or null.
    void refreshEditingControllers(Segment* segment, QWidget* overlay, bool segmentUnderPointer, float time);
    // Transition id 1 and up, or 0 for none; state 0 the transition's end,
    // any other non-negative value its begin, negative none.
    void updateTransitionControllers(Segment* segment, int transitionId, int state);
    void updateGeometryValues(Segment* segment);
    void updateTransitionGeometryValues(Segment* segment, int transitionId, int state);
    void setGeometryCornerIndex(int corner);
    void setTransitionGeometryCornerIndex(int corner);
    void updateTextFontValues(Segment* segment);
    void selectTransition(Segment* segment, int index, int state);

    void enterTransitionEditMode();
    void exitTransitionEditMode(Segment* segment);
    bool isTransitionEditMode() const { return _transitionEditMode; }

    // mode: 0 cropping, 1 editing (text), 2 drawing. The title and mode
    // last given stay readable after the mode is switched off.
    void setEditingMode(bool on, const QString& title, int mode);
    bool isEditingModeOn() const { return _editingModeOn; }
    QString editingModeTitle() const { return _editingModeTitle; }
    int editingMode() const { return _editingMode; }

    // Closes the sections' popups, hides the transition states and leaves
    // transition mode; called before the inspector is hidden.
    void dismissPopups();
    void rebuildToolbar();
    int scrollPosition() const;
    void setScrollPosition(int position);

    // Whether the volume slider of the segment, or of the transition, takes
    // input; false while no such section applies.
    bool volumeControlEnabled() const;
    bool transitionVolumeControlEnabled() const;

    // Places a section among the others by its display order; sections of
    // equal order keep the order they were added in.
    void addEditingController(CommonEditingWidgetController* controller);
    // The sections made so far, in display order.
    QList<CommonEditingWidgetController*> editingControllers() const { return _editingControllers; }
    ScrollableToolBar* bottomToolbar() const { return _bottomToolbar; }

signals:
    void segmentInspectorWidgetDidFinish(SegmentInspectorWidget* inspector);
    void segmentInspectorWidgetDuplicateSegment(SegmentInspectorWidget* inspector);
    void segmentInspectorWidgetSplitSegment(SegmentInspectorWidget* inspector);
    void segmentInspectorWidgetRemoveSegment(SegmentInspectorWidget* inspector);
    void segmentInspectorWidgetEnterEditTransition(SegmentInspectorWidget* inspector);
    void segmentInspectorWidgetExitEditTransition(SegmentInspectorWidget* inspector);
    void segmentInspectorWidgetApplyToAllSegments(SegmentInspectorWidget* inspector);
    void segmentInspectorWidgetKeyPressed(SegmentInspectorWidget* inspector, QKeyEvent* evnet);
    void segmentInspectorWidgetSelectFont(SegmentInspectorWidget* inspector);
    void segmentInspectorWidgetSetTextAlignment(SegmentInspectorWidget* inspector, int alignment);
    void segmentInspectorWidgetEditText(SegmentInspectorWidget* inspector);
    void segmentInspectorWidgetEditDrawing(SegmentInspectorWidget* inspector);
    void segmentInspectorWidgetEditPicture(SegmentInspectorWidget* inspector, QWidget* issueWidget);
    void segmentInspectorWidgetVideoGrabImage(SegmentInspectorWidget* inspector);
    void segmentInspectorWidgetDoneAction(SegmentInspectorWidget* inspector);
    void segmentInspectorWidgetMaintainAspectRatioAction(SegmentInspectorWidget* inspector);
    void segmentInspectorWidgetRestoreDefaultAction(SegmentInspectorWidget* inspector);
    void segmentInspectorWidgetCropAction(SegmentInspectorWidget* inspector);
    void segmentInspectorWidgetRotateClockwiseAction(SegmentInspectorWidget* inspector);
    void segmentInspectorWidgetRotateCounterClockwiseAction(SegmentInspectorWidget* inspector);
    void segmentInspectorWidgetFlipHorizontalAction(SegmentInspectorWidget* inspector);
    void segmentInspectorWidgetFlipVerticalAction(SegmentInspectorWidget* inspector);
    void segmentInspectorWidgetPerspectiveAction(SegmentInspectorWidget* inspector);
    void segmentInspectorWidgetSetGeometryX(SegmentInspectorWidget* inspector, double value);
    void segmentInspectorWidgetSetGeometryY(SegmentInspectorWidget* inspector, double value);
    void segmentInspectorWidgetSetGeometryWidth(SegmentInspectorWidget* inspector, double value);
    void segmentInspectorWidgetSetGeometryHeight(SegmentInspectorWidget* inspector, double value);
    void segmentInspectorWidgetSetGeometryRotation(SegmentInspectorWidget* inspector, double value);
    // A question: connect it directly; the receiver fills the references.
    void segmentInspectorWidgetBeforeUpdateGeometryValue(SegmentInspectorWidget* inspector, QPointF& translation,
                                                         QPointF& scale, qreal& rotation, qreal* cornerXOffsets,
                                                         qreal* cornerYOffsets);
    void segmentInspectorWidgetUpdateGeometryX(SegmentInspectorWidget* inspector, double value);
    void segmentInspectorWidgetUpdateGeometryY(SegmentInspectorWidget* inspector, double value);
    void segmentInspectorWidgetUpdateGeometryWidth(SegmentInspectorWidget* inspector, double value);
    void segmentInspectorWidgetUpdateGeometryHeight(SegmentInspectorWidget* inspector, double value);
    void segmentInspectorWidgetUpdateGeometryRotation(SegmentInspectorWidget* inspector, double value);
    void segmentInspectorWidgetAfterUpdateGeometryValue(SegmentInspectorWidget* inspector, QPointF translation,
                                                        QPointF scale, double rotation, const qreal* cornerXOffsets,
                                                        const qreal* cornerYOffsets);
    void segmentInspectorWidgetSetCornerOffset(SegmentInspectorWidget* inspector, int cornerIndex, double xOffset,
                                               double yOffset);
    void segmentInspectorWidgetUpdateCornerOffset(SegmentInspectorWidget* inspector, int cornerIndex,
                                                  double xOffset, double yOffset);
    void segmentInspectorWidgetSetCornerIndex(SegmentInspectorWidget* inspector, int cornerIndex);
    // Questions: connect them directly; the receiver fills the references.
    void segmentInspectorWidgetGetEasingFunctionHintText(SegmentInspectorWidget* inspector, Segment* segment,
                                                         int tId, QString& text);
    void segmentInspectorWidgetGetEasingFunctionIconImage(SegmentInspectorWidget* inspector, Segment* segment,
                                                          int tId, QPixmap& pixmap);
    void segmentInspectorWidgetTransitionSelectionIndexChanged(SegmentInspectorWidget* inspector, int index);
    void segmentInspectorWidgetTransitionBeginOrEndPositionChanged(SegmentInspectorWidget* inspector,
                                                                   int beginOrEnd);
    void segmentInspectorWidgetPopupEasingFunctionsWidgetOnButton(SegmentInspectorWidget* inspector,
                                                                  QPushButton* button);
    void segmentInspectorWidgetAddTransitionOnButton(SegmentInspectorWidget* inspector, QPushButton* button);
    void segmentInspectorWidgetRemoveTransitionAtIndex(SegmentInspectorWidget* inspector, int index);
    void segmentInspectorWidgetDuplicateTransitionAtIndex(SegmentInspectorWidget* inspector, int index);
    // A question: connect it directly; the receiver fills the size.
    void segmentInspectorWidgetGetCanvasSize(SegmentInspectorWidget* inspector, QSize& size);
    void segmentInspectorWidgetInitDrawingWidgets(SegmentInspectorWidget* inspector, DrawingColorWidget* colorWidget,
                                                  DrawingTuningWidget* tuningWidget, DrawingToolsWidget* toolsWidget);
    void segmentInspectorWidgetStartDrawing(SegmentInspectorWidget* inspector, DrawingColorWidget* colorWidget,
                                            DrawingTuningWidget* tuningWidget, DrawingToolsWidget* toolsWidget);
    void segmentInspectorWidgetEndDrawing(SegmentInspectorWidget* inspector);

    // Each embedded popup is announced once, when its section is made, for
    // the main window to connect its value signals.
    void setConnectionsForTransparencyPopupSliderWidget(PopupSliderWidget* sliderWidget, bool transition);
    void setConnectionsForVolumePopupSliderWidget(PopupSliderWidget* sliderWidget, bool transition);
    void setConnectionsForSpeedPopupSliderWidget(PopupSliderWidget* sliderWidget);
    void setConnectionsForPitchPopupSliderWidget(PopupSliderWidget* sliderWidget);
    void setConnectionsForBorderPopupSliderColorWidget(PopupSliderColorWidget* sliderWidget);
    void setConnectionsForStrokeBorderPopupSliderColorSwitchWidget(PopupSliderColor1Switch2SlidersWidget* sliderWidget);
    void setConnectionsForRoundCornerPopupSliderWidget(PopupSliderWidget* sliderWidget);
    void setConnectionsForShadowPopupSliderColorShadowWidget(PopupSliderColorShadowWidget* shadowWidget);
    void setConnectionsForColorsPopupColorsScrollWidget(PopupColorsScrollWidget* colorsWidget, bool transition);
    void setConnectionsForChromaKeyPopupChromaKeyWidget(PopupChromaKeyWidget* chromaKeyWidget);
    void setConnectionsForTextSizePopupSliderColorWidget(PopupSliderColorWidget* sliderWidget);
    void setConnectionsForTextBackPopupSliderColor2SlidersWidget(PopupSliderColor2SlidersWidget* sliderWidget);

public slots:
    void onToolBarButtonClicked(ScrollableToolBar* toolbar, int cmdId);
    void onEditingWidgetControllerSizeChanged(CommonEditingWidgetController* controller);
    // Edit type 2 changes the picture, 1 edits the text, any other the drawing.
    void onEditButtonWidgetControllerEditButtonClicked(int editType, QWidget* issueWidget);
    // While drawing, the drawing ends before the edit is finished.
    void onDoneButtonWidgetControllerDoneButtonClicked();
    void onVideoUtilitiesWidgetControllerGrabImageButtonClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void _buildForm();
    // The section, made, placed and announced on first need.
    template <class Section, class... Args>
    Section* _ensure(Section*& section, Args... args);
    // Shows or hides an existing section for the segment; its height when shown.
    static int _applySection(CommonEditingWidgetController* section, bool applies);
    // The geometry section's actions leave as the inspector's own signals.
    void _announce(GeometryEditingWidgetController* section);
    void _announce(TransparencyEditingWidgetController* section);
    void _announce(VolumeEditingWidgetController* section);
    void _announce(PitchEditingWidgetController* section);
    void _announce(SpeedEditingWidgetController* section);
    void _announce(BorderEditingWidgetController* section);
    void _announce(StrokeBorderEditingWidgetController* section);
    void _announce(RoundCornerEditingWidgetController* section);
    void _announce(ShadowEditingWidgetController* section);
    void _announce(ColorsEditingWidgetController* section);
    void _announce(ChromaKeyEditingWidgetController* section);
    void _announce(TextSizeEditingWidgetController* section);
    void _announce(TextFontEditingWidgetController* section);
    void _announce(TextAlignmentEditingWidgetController* section);
    void _announce(TextBackEditingWidgetController* section);
    // The transitions list's actions and questions leave as the inspector's.
    void _announce(TransitionsEditingWidgetController* section);
    void _announce(EditButtonEditingWidgetController* section);
    void _announce(VideoUtilitiesEditingWidgetController* section);
    void _announce(DoneButtonEditingWidgetController* section);
    // The drawing panels are handed to the main window once, when made.
    void _announce(SelfDrawEditingWidgetController* section);
    // The Done section on top, and in drawing mode the drawing panels.
    void _showEditingSections(const QString& title, int mode);
    void _hideEditingSections();
    // The text sections serve the text editing and the drawing: they stay
    // in those modes and only cropping hides them.
    QList<CommonEditingWidgetController*> _textSections() const;
    // The segment-mode sections made so far, the text sections and the
    // transitions section apart.
    QList<CommonEditingWidgetController*> _segmentModeSections() const;
    QList<CommonEditingWidgetController*> _transitionStateSections() const;
    void _makeTransitionStateSections(const Segment* segment, bool transitionGiven);
    void _updateContentHeight();
    void _enableSegmentCommands(bool enabled);

    QScrollArea* _scrollArea = nullptr;
    QWidget* _scrollAreaWidget = nullptr;
    QVBoxLayout* _scrollAreaVerticalLayout = nullptr;
    ScrollableToolBar* _bottomToolbar = nullptr;
    Segment* _segment = nullptr;
    QSize _canvasSize;
    bool _transitionEditMode = false;
    int _selectedTransitionId = 0;
    bool _editingModeOn = false;
    int _editingMode = -1;
    QString _editingModeTitle;
    QList<CommonEditingWidgetController*> _editingControllers;

    DoneButtonEditingWidgetController* _done = nullptr;
    EditButtonEditingWidgetController* _editButton = nullptr;
    TextSizeEditingWidgetController* _textSize = nullptr;
    TextFontEditingWidgetController* _textFont = nullptr;
    TextAlignmentEditingWidgetController* _textAlignment = nullptr;
    GeometryEditingWidgetController* _geometry = nullptr;
    TransparencyEditingWidgetController* _transparency = nullptr;
    VolumeEditingWidgetController* _volume = nullptr;
    PitchEditingWidgetController* _pitch = nullptr;
    SpeedEditingWidgetController* _speed = nullptr;
    BorderEditingWidgetController* _border = nullptr;
    StrokeBorderEditingWidgetController* _strokeBorder = nullptr;
    RoundCornerEditingWidgetController* _roundCorner = nullptr;
    ShadowEditingWidgetController* _shadow = nullptr;
    ColorsEditingWidgetController* _colors = nullptr;
    TextBackEditingWidgetController* _textBack = nullptr;
    ChromaKeyEditingWidgetController* _chromaKey = nullptr;
    VideoUtilitiesEditingWidgetController* _videoUtilities = nullptr;
    TransitionsEditingWidgetController* _transitions = nullptr;
    GeometryEditingWidgetController* _transitionGeometry = nullptr;
    TransparencyEditingWidgetController* _transitionTransparency = nullptr;
    VolumeEditingWidgetController* _transitionVolume = nullptr;
    ColorsEditingWidgetController* _transitionColors = nullptr;
    SelfDrawEditingWidgetController* _selfDraw = nullptr;
};

#pragma once

#include "MainWindow.h"

class DrawingToolsWidget;
class FullscreenControlWidget;
class QAction;
class QKeyEvent;
class QMenu;
class QPushButton;
class QTimer;
class SegmentInspectorWidget;
class TaskbarProgress;
class Ui_DesktopMainWindow;

// The desktop editing window: the form with its three splitters (inspector
// beside everything, preview over timeline, media library beside preview),
// their sizes kept in the project's layout file, the preview control bar,
// the menus and the taskbar progress. The editing logic is MainWindow's.
class DesktopMainWindow : public MainWindow
{
    Q_OBJECT

public:
    // Starts opening the project. When that fails at once the window hides
    // and deletes itself later; callers keep it in a QPointer and look at
    // isOpenFailed() before showing it.
    DesktopMainWindow(const QString& projectName, const QString& folderName, QWidget* parent = nullptr);
    ~DesktopMainWindow() override;

    bool isOpenFailed() const { return _openFailed; }

    // The name the resolution button shows for a preview size level.
    static QString previewQualityName(int level);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Layout
    bool _isMediaAreaCollapsed() const override;

    // Taskbar
    void createTaskbarProgress() override;
    void setTaskbarProgressValue(float fraction) override;
    void hideTaskbarProgress() override;

    // Full screen: the preview area alone fills the screen with the
    // floating control bar over it.
    void _toggleFullScreen() override;
    void _updatePlayPauseButton() override;
    void _updateFullscreenPosition(float time) override;
    void _showFullscreenControls() override;
    void resizeEvent(QResizeEvent* event) override;
    bool _isRelayingOut() const override { return _relayingOut; }

protected slots:
    // Preview control bar
    void onPlayPauseButtonClicked();
    void onNextPositionButtonClicked();
    void onPreviousPositionButtonClicked();
    void onProjectSettingsButtonClicked();
    void onPreviewScaleButtonClicked();
    void onPreviewQualityButtonClicked();
    void onFullscreenButtonClicked();
    void onHideInspectorAreaButtonClicked();
    // Splitters
    void onMainSplitterMoved(int pos, int index);
    void onTopAreaSplitterMoved(int pos, int index);
    void onRootAreaSplitterMoved(int pos, int index);
    // Full-screen bar
    void fullscreenControlWidget_needToPlay();
    void fullscreenControlWidget_pauseIfPlaying(bool& playing);
    void fullscreenControlWidget_seekToPosition(int value);

protected:
    Ui_DesktopMainWindow* _ui = nullptr;
    // Last open width of the inspector area; never below 300 when used.
    int _inspectorAreaSize = 300;
    // Last open width of the media area; -1 until known.
    int _mediaAreaSize = -1;
    // Height of the top area over the timeline; -1 until known.
    int _previewAreaSize = -1;
    // Made the first time a segment enters editing.
    SegmentInspectorWidget* _segmentInspectorWidget = nullptr;
    QAction* _mediaExplorerAction = nullptr;
    QAction* _segmentInspectorAction = nullptr;
    QMenu* _transitionMenuBarMenu = nullptr;
    // Exists only while the window is in full screen.
    FullscreenControlWidget* _fullscreenControlWidget = nullptr;
    // Exists only while an export runs.
    TaskbarProgress* _taskbarProgress = nullptr;
    // Set from a full-screen switch until its layouts have settled.
    bool _relayingOut = false;
    QTimer* _relayoutTimer = nullptr;

private:
    void _takeFormWidgets();
    void _setupSplitters();
    void _restoreRootSplitter();
    void _restoreTopSplitter();
    void _styleControlBar();
    void _connectControlBar();
    void _setupInspectorArea();
    void _fitHideButtonToItsWord();
    void _updateControlBarForWidth(int width);
    // The menu both preview buttons open: a title line, then one entry per choice.
    QMenu* _createPreviewMenu(const QString& title);
    // Runs the menu at the cursor and deletes it, unless the window went meanwhile.
    void _execPreviewMenu(QMenu* menu);
    void _applyPreviewScale(float scale);
    void _applyPreviewQuality(int level);

    // Menus, View toggles and the hooks of the docked inspector.
public:
    QString easingFunctionName(Segment* segment, int transitionId) const override;

protected:
    // The View actions; made by the constructor before the menus.
    void _createViewActions();
    // The seven menus over MainWindow's actions; the last step of construction.
    void createMenus();

    bool _isEditingTransitions() const override;
    bool _volumeControlEnabled() const override;
    void setupWindowWidgets(Segment* segment, float time) override;
    void _dismissEditingPanels() override;
    void _updateEditingControls(float time) override;
    void _updateTransitionControls() override;
    void _updateGeometryControls() override;
    void _updateCornerControls(int corner) override;
    void _enterCropMode(bool on) override;
    void _enterEditingMode(bool on) override;
    void _enterDrawingMode(bool on) override;
    void _selectEditingTransition() override;
    void _seekToEditingTransition(Segment* segment, int transitionId, bool beginOrEnd) override;
    void _saveToolbarScrollPosition(QHash<QString, QVariant>& state) override;
    void _restoreToolbarScrollPosition(const QHash<QString, QVariant>& state) override;
    void _updateTransitionToolbarState() override;
    void _updateTextFontControls() override;
    void _dockPanelWidget(QWidget* widget) override;
    void _undockPanelWidget(QWidget* widget) override;
    void segmentInspectorWidget_onEnterEditTransition(SegmentInspectorWidget* inspector) override;
    // The timeline's Edit Transition actions reach the inspector through these.
    void segmentInspectorWidget_onEnterEditTransition() override;
    void segmentInspectorWidget_onExitEditTransition() override;
    void segmentInspectorWidget_onExitEditTransition(SegmentInspectorWidget* inspector) override;
    void segmentInspectorWidget_onEndDrawing(SegmentInspectorWidget* inspector) override;
    bool _dismissAllPopupsAndPreview() override;
    void saveLayout() override;
    void _showProjectSettings() override;

    // The docked inspector, made on the first segment edit, and the relays
    // of its signals to the editing commands; each receives the inspector first.
    void _createSegmentInspector();

protected slots:
    void segmentInspectorWidget_onDidFinish(SegmentInspectorWidget* inspector);
    void segmentInspectorWidget_onDuplicateSegment(SegmentInspectorWidget* inspector);
    void segmentInspectorWidget_onSplitSegment(SegmentInspectorWidget* inspector);
    void segmentInspectorWidget_onRemoveSegment(SegmentInspectorWidget* inspector);
    void segmentInspectorWidget_onApplyToAllSegments(SegmentInspectorWidget* inspector);
    // Keys the inspector does not use go to the timeline.
    void segmentInspectorWidget_onKeyPressed(SegmentInspectorWidget* inspector, QKeyEvent* event);
    void segmentInspectorWidget_onSelectFont(SegmentInspectorWidget* inspector);
    void segmentInspectorWidget_onSetTextAlignment(SegmentInspectorWidget* inspector, int alignment);
    void segmentInspectorWidget_onVideoGrabImage(SegmentInspectorWidget* inspector);
    void segmentInspectorWidget_onMaintainAspectRatioAction(SegmentInspectorWidget* inspector);
    void segmentInspectorWidget_onRestoreDefaultAction(SegmentInspectorWidget* inspector);
    void segmentInspectorWidget_onCropAction(SegmentInspectorWidget* inspector);
    void segmentInspectorWidget_onRotateClockwiseAction(SegmentInspectorWidget* inspector);
    void segmentInspectorWidget_onRotateCounterClockwiseAction(SegmentInspectorWidget* inspector);
    void segmentInspectorWidget_onFlipHorizontalAction(SegmentInspectorWidget* inspector);
    void segmentInspectorWidget_onFlipVerticalAction(SegmentInspectorWidget* inspector);
    void segmentInspectorWidget_onPerspectiveAction(SegmentInspectorWidget* inspector);
    // Committed geometry values, recorded for undo.
    void segmentInspectorWidget_onSetGeometryX(SegmentInspectorWidget* inspector, double value);
    void segmentInspectorWidget_onSetGeometryY(SegmentInspectorWidget* inspector, double value);
    void segmentInspectorWidget_onSetGeometryWidth(SegmentInspectorWidget* inspector, double value);
    void segmentInspectorWidget_onSetGeometryHeight(SegmentInspectorWidget* inspector, double value);
    void segmentInspectorWidget_onSetGeometryRotation(SegmentInspectorWidget* inspector, double value);
    // A press-and-hold edit: the values it starts from, its live steps and its end.
    void segmentInspectorWidget_beforeUpdateGeometryValue(SegmentInspectorWidget* inspector, QPointF& translation,
                                                          QPointF& scale, qreal& rotation, qreal* cornerXOffsets,
                                                          qreal* cornerYOffsets);
    void segmentInspectorWidget_onUpdateGeometryX(SegmentInspectorWidget* inspector, double value);
    void segmentInspectorWidget_onUpdateGeometryY(SegmentInspectorWidget* inspector, double value);
    void segmentInspectorWidget_onUpdateGeometryWidth(SegmentInspectorWidget* inspector, double value);
    void segmentInspectorWidget_onUpdateGeometryHeight(SegmentInspectorWidget* inspector, double value);
    void segmentInspectorWidget_onUpdateGeometryRotation(SegmentInspectorWidget* inspector, double value);
    void segmentInspectorWidget_afterUpdateGeometryValue(SegmentInspectorWidget* inspector, QPointF translation,
                                                         QPointF scale, double rotation, const qreal* cornerXOffsets,
                                                         const qreal* cornerYOffsets);
    void segmentInspectorWidget_onSetCornerOffset(SegmentInspectorWidget* inspector, int cornerIndex, double xOffset,
                                                  double yOffset);
    void segmentInspectorWidget_onUpdateCornerOffset(SegmentInspectorWidget* inspector, int cornerIndex,
                                                     double xOffset, double yOffset);
    void segmentInspectorWidget_onSetCornerIndex(SegmentInspectorWidget* inspector, int cornerIndex);
    // The transitions list's questions fill their last argument.
    void segmentInspectorWidget_onGetEasingFunctionHintText(SegmentInspectorWidget* inspector, Segment* segment,
                                                            int transitionId, QString& text);
    void segmentInspectorWidget_onGetEasingFunctionIconImage(SegmentInspectorWidget* inspector, Segment* segment,
                                                             int transitionId, QPixmap& pixmap);
    void segmentInspectorWidget_onTransitionSelectionIndexChanged(SegmentInspectorWidget* inspector, int index);
    void segmentInspectorWidget_onTransitionBeginOrEndPositionChanged(SegmentInspectorWidget* inspector,
                                                                      int beginOrEnd);
    void segmentInspectorWidget_onPopupEasingFunctionsWidgetOnButton(SegmentInspectorWidget* inspector,
                                                                     QPushButton* button);
    void segmentInspectorWidget_onAddTransitionOnButton(SegmentInspectorWidget* inspector, QPushButton* button);
    // By list index; only the transition selected on the tile is acted on.
    void segmentInspectorWidget_onRemoveTransitionAtIndex(SegmentInspectorWidget* inspector, int index);
    void segmentInspectorWidget_onDuplicateTransitionAtIndex(SegmentInspectorWidget* inspector, int index);
    // The drawing canvas's size while a drawing is edited; the size is left alone otherwise.
    void segmentInspectorWidget_onGetCanvasSize(SegmentInspectorWidget* inspector, QSize& size);
    void segmentInspectorWidget_onStartDrawing(SegmentInspectorWidget* inspector, DrawingColorWidget* colorWidget,
                                               DrawingTuningWidget* tuningWidget, DrawingToolsWidget* toolsWidget);
    // Text editing in place; the picture relay opens the picture dialog without an anchor.
    void segmentInspectorWidget_onEditText(SegmentInspectorWidget* inspector);
    void segmentInspectorWidget_onEditPicture(SegmentInspectorWidget* inspector, QWidget* issueWidget);
    // Drawing editing: the drawing section's panels wired once; the Edit button on a drawing.
    void segmentInspectorWidget_onInitDrawingWidgets(SegmentInspectorWidget* inspector, DrawingColorWidget* colorWidget,
                                                     DrawingTuningWidget* tuningWidget, DrawingToolsWidget* toolsWidget);
    void segmentInspectorWidget_onEditDrawing(SegmentInspectorWidget* inspector);
    // The Done section's click: the edit open is applied and left.
    void segmentInspectorWidget_onDoneAction(SegmentInspectorWidget* inspector);

protected slots:
    void onViewMenuAboutToShow();
    void onTransitionMenuAboutToShow();
    void onActionViewMediaExplorerTriggered();
    void onActionViewSegmentInspectorTriggered();
    void onShareButtonClicked();
    void onUndoButtonClicked();

private:
    QAction* _createViewAction(const QString& text, void (DesktopMainWindow::*command)());
    QMenu* _addMenu(const QString& title);
    // The inspector area's open width, raised to its minimum and kept.
    int _openInspectorAreaSize();
    void _showInspectorPlaceholder(bool show);
    void _setEditingMode(bool on, const QString& title, int mode);
    // The transition id of the tile being edited; 0 when none.
    int _editingTransitionId() const;
    void _enterFullScreen();
    void _leaveFullScreen();
    // The microphone recording or the export panel is open.
    bool _isPopupPanelOpen() const;
    void _startRelayout();
    void _finishRelayout();
    void _createFullscreenControls();
    void _placeFullscreenControls();
    // The transition at a list index of the tile in editing, when it is the selected one; 0 otherwise.
    int _selectedTransitionAtIndex(int index) const;
    void _connectInspectorSegmentCommands();
    void _connectInspectorGeometry();
    void _connectInspectorTransitions();
    void _connectInspectorPopups();
};

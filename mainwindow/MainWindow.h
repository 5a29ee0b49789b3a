#pragma once

#include "AVFileIdentity.h"
#include "CommonMainWindow.h"
#include "CommonPopup.h"
#include "ProjectManager.h"
#include "SegmentListener.h"
#include "TransitionMenuItem.h"

#include <QColor>
#include <QHash>
#include <QMutex>
#include <QPixmap>
#include <QPointF>
#include <QPointer>
#include <QRectF>
#include <QSizeF>
#include <QSet>
#include <QString>
#include <QThread>
#include <QVariant>
#include <QVector>

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

class AVComposition;
class AVEngine;
class AVExporter;
class AVGLWidget;
class AVImageLoader;
class AVRender;
class AVSegment;
class CameraDialog;
class CanvasWidget;
class CommonPopup;
class CommonSliderColorPopup;
class PopupChromaKeyWidget;
class PopupColorsScrollWidget;
class PopupSliderColor1Switch2SlidersWidget;
class PopupSliderColor2SlidersWidget;
class PopupSliderColorWidget;
class PopupSliderWidget;
class PopupSliderColorShadowWidget;
class CropWidget;
class DrawingColorWidget;
class DrawingSegment;
class DrawingToolsWidget;
class DrawingTuningWidget;
class EditScrollArea;
class GutterScrollArea;
class MediaExplorer;
class MediaPreviewControlWidget;
class MediaPreviewWidget;
class MovieSegment;
class PointerWidget;
class PopupTransitionsListWidget;
class PopupEasingFunctionsWidget;
class PopupMediaTypeSelectionWidget;
class PopupMicrophoneWidget;
class PopupMovieExportingWidget;
class PopupProjectSettingsWidget;
class ProgressHUD;
class QAbstractButton;
class ProjectLoader;
class ProjectManager;
class QAction;
class QDateTime;
class QMenu;
class QMimeData;
class SegmentInspectorWidget;
class SegmentStyleDefaults;
class TransformWidget;
class QEventLoop;
class QPushButton;
class QScrollArea;
class QSlider;
class QFile;
class QTimer;
class RulerScrollArea;
class ScrollableToolBar;
class SegmentWidget;
class SelectionOperationWidget;
class TextEditWidget;
class TextSegment;
class TrackWidget;
class VideoThumbnailsCache;
struct AVPixelBuffer;

// The editing window of one open project: the controller between the
// segment model, the project storage, the media engine and the timeline.
// The desktop window derives from it, builds the widgets and overrides
// the hooks. Engine and loading-task call-backs arrive on their own
// threads; they only emit the relay signals, which reach the GUI thread
// queued.
class MainWindow : public CommonMainWindow, public SegmentListener
{
    Q_OBJECT

public:
    MainWindow(const QString& projectName, const QString& folderName, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Tells that a project is of a newer version: the opening and the
    // projects list's archive export say it in the same words.
    static void showNewerProjectMessage(QWidget* parent);
    // "The movie project cannot be read: " with the reason: the opening and
    // the projects list's archive export tell a refused file alike.
    static QString unreadableProjectText(const QString& reason);

    ProjectManager* projectManager() const { return _projectManager; }
    AVEngine* engine() const { return _engine; }
    void setTimeline(EditScrollArea* timeline) { _timeline = timeline; }
    void setRuler(RulerScrollArea* ruler) { _ruler = ruler; }

    // SegmentListener
    void segmentStateChanged(Segment* segment, int state) override;
    void segmentRangeChanged(Segment* segment) override;
    ProjectManager* segmentProjectManager(Segment* segment) override;
    int segmentProjectResolution(Segment* segment) override;
    bool segmentProjectIsLandscape(Segment* segment) override;
    QString segmentProjectDirectory(Segment* segment) override;
    QString segmentLoadErrorText(Segment* segment) override;
    QString segmentFileNotFoundText(Segment* segment) override;
    float segmentMessageMargin(Segment* segment) override;
    QRgb segmentMessageBackgroundColor(Segment* segment) override;
    QRgb segmentMessageTextColor(Segment* segment) override;
    float segmentMessageFontPixelSize(Segment* segment) override;
    float segmentLabelMargin(Segment* segment) override;
    QRgb segmentLabelBackgroundColor(Segment* segment) override;
    QRgb segmentLabelTextColor(Segment* segment) override;
    float segmentLabelTextOffset(Segment* segment) override;
    float segmentLabelFontPixelSize(Segment* segment) override;
    QString segmentMusicPlaceholderText(Segment* segment) override;
    QString segmentEmptyTextPlaceholder(Segment* segment) override;
    QRgb segmentAccentColor(Segment* segment) override;
    int segmentEngineVideoThumbnailCount(Segment* segment) override;
    QImage segmentEngineVideoThumbnail(Segment* segment, int index) override;
    void segmentFlushVideoFrames(Segment* segment) override;
    float segmentVideoMediaDuration(Segment* segment) override;
    float segmentMediaDuration(Segment* segment) override;
    QSizeF segmentVideoSize(Segment* segment) override;
    QString segmentAudioTitle(Segment* segment) override;
    QString segmentAudioArtist(Segment* segment) override;
    void segmentSetVideoThumbnail(Segment* segment, int index, const QImage& picture) override;
    QPixmap segmentVideoThumbnail(Segment* segment, int index) override;
    VideoThumbnails* segmentVideoThumbnails(Segment* segment) override;
    int segmentVideoThumbnailCount(Segment* segment) override;
    float segmentDevicePixelRatio(Segment* segment) override;
    float segmentTimeToPixels(Segment* segment, float time) override;
    void segmentAudioPlotDataDidReady(Segment* segment) override;

    // Engine call-backs; the context is the window. Each only emits a relay signal.
    static void AVSegmentLoadStatusCallback(AVComposition* composition, AVSegment* segment, void* context);
    static void AVSegmentThumbnailStatusCallback(int32_t segmentId, void* context);
    static void AVRenderCallback(AVRender* render, int kind, double value, void* context);
    static void AVExporterCallback(AVExporter* exporter, int32_t kind, double value, void* context);
    static void AVSegmentGrabImageCallback(AVComposition* composition, AVSegment* segment, uint8_t* pixels,
                                           int32_t stride, int32_t height, void* context);
    // The engine's picture source for animated "IMAGE" segments; the owner is the window.
    static uint8_t* loadSegmentImage(void* owner, int32_t segmentId, int32_t timeMs, int32_t maxWidth,
                                     int32_t maxHeight, int32_t* outWidth, int32_t* outHeight);

    // The overlay covering the window while the project opens; made on demand.
    void showWaitingHUD(const QString& text);
    void hideWaitingHUD();

    // The body of the copy thread of an added file: copies in 1 MiB blocks
    // into the output descriptor, open for writing at destination (named in
    // the warnings), which stays open; counts the bytes written. success is
    // set only when every announced byte was copied, running is cleared at
    // the end in every case.
    static void _copyFileChunked(const QString& source, const QString& destination, int outputDescriptor,
                                 std::atomic<int64_t>* copied, std::atomic<bool>* success,
                                 std::atomic<bool>* running);

signals:
    void avcompositionSegmentGrabImageCompleted(int segId, unsigned char* imgData, int stride, int height);
    void avexporterFinished(int err);
    void avexporterProgressChanged(float percent);
    void avexporterRemainingTimeChanged(double remainingSeconds);
    void avrenderProgressChanged(double time, double total);
    void avrenderStatusChanged(int status);
    void avsegmentLoadStatusUpdated(int segId, int status, int loadingThumbnailStatus, int hardOrSoftVideo);
    void offscreenReady();
    void segmentEditingStateChanged();
    void segmentListener_segmentAudioPlotDataDidReady(Segment* segment);
    void segmentListener_segmentRangeChanged(Segment* segment, float newDuration);
    // Emitted on the window's thread, in the order the states were reported.
    void segmentListener_segmentStateChanged(Segment* segment, int newState);
    void transitionEditingStateChanged();

protected slots:
    void onActionFullscreenTriggered();
    // The commands of the actions; the placement presets run theirs, the
    // others do nothing until the desktop window fills them in.
    virtual void onActionMaintainAspectRatioTriggered();
    virtual void onActionRestoreDefaultTriggered();
    virtual void onActionFillScreenTriggered();
    virtual void onActionEditTextTriggered();
    virtual void onActionOriginalSizeTriggered();
    virtual void onActionEditDrawingTriggered();
    virtual void onActionUndoTriggered();
    virtual void onActionRedoTriggered();
    virtual void onActionEnterExitRangeSelect();
    virtual void onActionInsertOverwriteMode();
    virtual void onActionAddFileTriggered();
    virtual void onActionAddFromCameraTriggered();
    virtual void onActionAddFromMicrophoneTriggered();
    virtual void onActionAddTextTriggered();
    virtual void onActionAddSelfDrawTriggered();
    virtual void onActionEnterExitEditingSegmentTriggered();
    virtual void onActionDuplicateSegmentTriggered();
    virtual void onActionRemoveSegmentTriggered();
    virtual void onActionSplitSegmentTriggered();
    virtual void onActionDuplicateTransitionTriggered();
    virtual void onActionDeleteTransitionTriggered();
    virtual void onActionEnterExitEditingTransitionTriggered();
    virtual void onActionPlayPauseTriggered();
    virtual void onActionNextPositionTriggered();
    virtual void onActionPreviousPositionTriggered();
    virtual void onActionExportTriggered() { exportMovie(); }
    virtual void onActionMovieSettingsTriggered();

    // Hooks the project, engine and editing slots of the desktop window
    // fill in; each does nothing until then. They arrive queued on the GUI
    // thread from the relay signals and the loader.
    virtual void onSegmentStateChanged(Segment* segment, int newState);
    virtual void onSegmentRangeChanged(Segment* segment, float newDuration);
    virtual void onSegmentAudioPlotDataDidReady(Segment* segment);
    virtual void onProjectLoaderMessage(ProjectLoader* loader, int message, QVariant data);
    virtual void onAVRenderProgressChanged(double time, double total);
    virtual void onAVRenderStatusChanged(int status);
    virtual void onAVSegmentLoadStatusUpdated(int segId, int status, int loadingThumbnailStatus, int hardOrSoftVideo);
    virtual void onAVExporterUpdateProgressValue(float percent);
    virtual void onAVExporterFinished(int err);
    virtual void onAVExporterUpdateRemainingTime(float time);
    virtual void onSegmentEditingStateChanged();
    virtual void onTransitionEditingStateChanged();
    // The 30 s timer's target: writes a modified project unless an export runs.
    virtual void autoSave();

    virtual void gutterArea_onFunctionButtonPressed(int tag);
    virtual void mediaExplorer_onShowTextMessage(QString message);
    virtual void mediaExplorer_onShowProgressHUD(QString text, float progress);
    virtual void mediaExplorer_onHideProgressHUD();
    // A GIF dropped before it was on disk has arrived: the drop waiting for it ends.
    virtual void mediaExplorer_onDownloadFinished(int error, QString id, QString filePath);
    virtual void mediaExplorer_onMediaItemClicked(QString mediaId, int type, QString filePath, QPixmap image,
                                                  QString metadata);
    virtual void onSegmentModeButtonClicked();
    virtual void onZoomSliderValueChanged(int value);
    virtual void onZoomIn();
    virtual void onZoomOut();

    // What the timeline's edit area reports; the out-parameter ones answer
    // in place and leave the caller's default until filled in.
    virtual void editScrollArea_willBeginDragging();
    virtual void editScrollArea_didScroll(QPoint offset);
    virtual void editScrollArea_willEndDragging();
    virtual void editScrollArea_scaleBegan();
    virtual void editScrollArea_scaleChanged(float scale);
    virtual void editScrollArea_scaleEnd();
    virtual void editScrollArea_beginDraggingSegment();
    virtual void editScrollArea_endDraggingSegment() {}
    virtual void editScrollArea_copySegment(Segment* segment);
    virtual void editScrollArea_removeSegment(Segment*);
    virtual void editScrollArea_splitSegment(Segment* segment);
    virtual void editScrollArea_moveSegmentToTrack(Segment*, TrackWidget*, float);
    virtual void editScrollArea_removeTrack(TrackWidget*);
    virtual void editScrollArea_didEnterEditingSegment(Segment* segment);
    virtual void editScrollArea_didFinishEditingSegment(Segment* segment);
    virtual void editScrollArea_didFinishEditingSegmentImmediately(Segment* segment);
    virtual void editScrollArea_seekToTime(float);
    virtual void editScrollArea_reloadPreviewForSegment(Segment* segment, bool rangeStart);
    virtual void editScrollArea_beginTrimSegment(Segment* segment);
    virtual void editScrollArea_getSegmentOverwriteMode(bool&);
    virtual void editScrollArea_didEnterEditingTransition(Segment* segment, int tId, int beginOrEnd);
    virtual void editScrollArea_didFinishEditingTransition(Segment*);
    virtual void editScrollArea_seekToTransition(int tId, bool beginOrEnd);
    virtual void editScrollArea_tappedOnTransitionBar(int, bool) {}
    virtual void editScrollArea_reloadPreviewForTransition(int tId, bool beginOrEnd);
    virtual void editScrollArea_didTransitionRangeChange(int);
    virtual void editScrollArea_beginMoveTransition(int tId, bool beginOrEnd);
    virtual void editScrollArea_endMoveTransition(int tId, bool beginOrEnd, bool moved);
    virtual void editScrollArea_beginTrimTransition(int tId, bool beginOrEnd);
    virtual void editScrollArea_endTrimTransition(int tId, bool beginOrEnd, bool trimmed);
    virtual void editScrollArea_beginDraggingTrackWidget(TrackWidget*);
    virtual void editScrollArea_endDraggingTrackWidget(TrackWidget*, bool);
    virtual void editScrollArea_getSafeAreaInsets(float*, float*, float*, float*) {}
    virtual void editScrollArea_onSelectNextSegmentByDirectionKey(int key);
    virtual void editScrollArea_onSelectedSegmentWidgetChanged(bool hasSelect);
    virtual void editScrollArea_onDeleteKeyPressed();
    virtual void editScrollArea_onPopupContextMenuForSegmentWidget(SegmentWidget* segmentWidget, QPoint pos);
    virtual void editScrollArea_onDoubleClickedOnFaieldSegment(SegmentWidget* segmentWidget, QPoint pos);
    // Saves the movie frame under the play pointer as a picture.
    virtual void editScrollArea_grabSegmentScreen(Segment* segment);

private slots:
    void _onSegmentGrabImageCompleted(int segId, unsigned char* imgData, int stride, int height);

public slots:
    // The Help menu's entries.
    void showUserHelp();
    void getMobileApp();
    void showAbout();

protected:
    // Hooks of the docked segment inspector, the editing modes and the
    // menus; the desktop window fills them in, the bodies here do nothing.
    virtual bool _isEditingTransitions() const { return false; }
    virtual bool _volumeControlEnabled() const { return false; }
    virtual void setupWindowWidgets(Segment*, float) {}
    virtual void _dismissEditingPanels() {}
    virtual void _updateTransitionControls() {}
    virtual void _updateGeometryControls() {}
    virtual void _updateCornerControls(int) {}
    // Mode changes of crop, editing and drawing: each refreshes the action states.
    virtual void _enterCropMode(bool on);
    virtual void _enterEditingMode(bool on);
    virtual void _enterDrawingMode(bool on);
    virtual void _selectEditingTransition() {}
    virtual QString easingFunctionName(Segment*, int) const { return QString(); }
    virtual void _createDrawingWidgets(QSize) {}
    virtual void _seekToEditingTransition(Segment*, int, bool) {}
    virtual void _saveToolbarScrollPosition(QHash<QString, QVariant>&) {}
    virtual void _restoreToolbarScrollPosition(const QHash<QString, QVariant>&) {}
    virtual void _updateTransitionToolbarState() {}
    virtual void _updateTextFontControls() {}
    virtual void _dockPanelWidget(QWidget*) {}
    virtual void _undockPanelWidget(QWidget*) {}
    virtual void segmentInspectorWidget_onEnterEditTransition(SegmentInspectorWidget*) {}
    virtual void segmentInspectorWidget_onExitEditTransition(SegmentInspectorWidget*) {}
    virtual void segmentInspectorWidget_onEndDrawing(SegmentInspectorWidget*) {}
    // Segment-editing and window commands the hooks call; each does
    // nothing until the editing commands are filled in.
    virtual void _segmentEditingEnterEditTransition();
    virtual void _segmentEditingExitEditTransition();
    // The project settings popup at the anchor; mode 1 with an anchor reports every change at once.
    void _popupProjectSettings(QWidget* anchor, int mode);
    // Opens the export options popup with the choices this window remembers.
    virtual void exportMovie();
    // The segment of the tile being edited on the timeline, or null.
    Segment* _timelineEditingSegment() const;

protected:
    void showEvent(QShowEvent* event) override;

    // --- Transitions on the timeline ------------------------------------------
protected:
    // The "Add Transition" command for the segment in editing: the list of
    // ready-made transitions when an end has room, else a custom transition
    // at the play position. The tool bar (may be null) highlights the command
    // while the list is open.
    void _addTransitionAt(QWidget* anchor, int cmdId, ScrollableToolBar* toolBar);
    // The ready-made transitions that fit the segment, given the ends without room.
    TransitionMenuItems _transitionMenu(const Segment* segment, bool noRoomAtStart, bool noRoomAtEnd) const;
    // A new menu (child of parent) of the same items for the edited, else the
    // selected segment; null when there is none. The caller shows it.
    // Virtual, so that a window may offer a menu of its own.
    virtual QMenu* _contextMenuForSegment(QWidget* parent);
    // Adds the transition of a menu item to the edited, else the selected segment.
    void _addTransition(int cmdId);
    // Keeps the edited end of the transition and the overlay in step with a new preview time.
    void _syncEditingTransition(float time);
    // Seeks just inside the transition's start (beginOrEnd) or end and shows
    // the overlay there; virtual for the same reason.
    virtual void _seekToTransition(int tId, bool beginOrEnd);
    // Forgets the transform overlay and fades it out (at once while widget animations are off).
    void _fadeWidget();

    // Replaces the transform overlay on the preview by one for the segment;
    // none while an inline editor, the drawing canvas or the crop editor is open.
    virtual void _showTransformWidgetForSegment(Segment* segment);

protected slots:
    void transitionsListPopup_onTransitionItemSelected(PopupTransitionsListWidget* popup, int cmdId);
    // Popup bookkeeping: the highlighted tool-bar command and the current popup are cleared.
    void popup_onDismissed(CommonPopup* popup);

protected:
    // The popup the window shows, or null.
    QPointer<CommonPopup> _currentPopup;
    // The tool-bar command highlighted while its popup is open, 0 for none,
    // with its tool bar and anchor button.
    int _highlightedCommandId = 0;
    QPointer<ScrollableToolBar> _highlightedToolBar;
    QPointer<QWidget> _transitionAnchor;
    // The on-preview transform overlay, null when none.
    QPointer<TransformWidget> _transformWidget;

private:
    struct TransitionRoom;
    TransitionRoom _transitionRoom(const Segment* segment) const;
    Segment* _transitionTargetSegment() const;
    SegmentWidget* _transitionTargetWidget() const;
    void _addCustomTransition(SegmentWidget* widget, float time, bool fromList);
    int _addTransitionPart(Segment* segment, float time, float shortTime);
    void _announceTransition(Segment* segment, int tId, bool bothEngineIds);
    QRectF _layerRectOnPreview(const Segment* segment) const;
    void _writeReadyMadeStates(Segment* segment, int cmdId, int inId, int outId);
    void _syncEditedTransitionEnd(SegmentWidget* widget, float time);
    void _syncStaticEditing(Segment* segment, float time);

    // --- Split, copy, delete, frame grab and key selection on the timeline ---
protected:
    // Runs a transition command (duplicate, delete, ...) of the edited
    // transition; an id without a command does nothing.
    virtual void _doTransitionCommand(QWidget*, int cmdId);
    // The camera shutter, for a photo or a saved frame.
    void _playShutterSound();
    // The segment's own (non-animated) property values, sent to the engine.
    void _pushSegmentBaseProperties(Segment* segment);
    // Splits at the time; the first keeps each transition where it plays
    // and drops the ones across the cut, the second gives both pieces the
    // whole list at the same fractions of their lengths.
    void _splitSegmentKeepingTransitions(Segment* segment, float time);
    void _splitSegmentDuplicatingTransitions(Segment* segment, float time);
    // Removes the widget's segment once animations, the tile and the
    // renderer are idle, retrying on timers.
    void _deleteSegment(SegmentWidget* widget);
    // The file a grabbed frame is written to: never one that exists.
    static QString _grabbedImagePath(const QString& folder, const QDateTime& time);

private:
    bool _beginSplit(Segment* segment);
    Segment* _makeRightPiece(Segment* segment, float time, bool keepTransitions);
    void _insertPiece(Segment* piece, Segment* source, bool copying);
    void _askHowToSplit(Segment* segment);
    // Takes the tile in editing out of it and waits, bounded, until it and the gutter are still.
    void _leaveEditingUntilIdle();
    void _deleteSegmentWhenIdle(SegmentWidget* widget, int waitedMs);
    void _fillSegmentContextMenu(QMenu* menu, SegmentWidget* segmentWidget);
    bool _selectNeighbourTransition(int key);
    void _showGrabbedImage(const QImage& image);
    void _saveGrabbedImage(const QImage& image);
    Segment* _segmentByDirectionKey(int key, float time, int trackId);
    void _selectSegmentWidgetForKey(Segment* segment);
    // --- Autosave and closing ---------------------------------------------------
protected:
    // Refuses while the waiting overlay is up, asks before cancelling a
    // running export, leaves full screen, else saves, tidies and closes.
    void closeEvent(QCloseEvent* event) override;
    // Set when the user cancelled the export to close the window; the
    // export's end, whatever its code, closes the window again.
    bool _closeAfterCancel = false;

private:
    // Set where every closing begins (the close sequence, a failed open, the
    // window's destruction), cleared only when the user keeps the window
    // open after all. From then on nothing put off (a retry, a timer, the
    // end of an export) starts a thread that uses the project or the engine:
    // those running are stopped and waited for before the release.
    bool _closing = false;
    void _beginClosing();
    void _askToCancelExportForClose();
    // Runs after every export end; closes the window when the user asked to.
    void _closeAfterExportEnded();
    void _runCloseSequence();
    void _waitForIdleRenderer();
    // Saves a modified project before the window goes; when that fails the
    // user chooses. False when the window stays open.
    bool _saveBeforeClosing();
    // Shows why the save failed; true when the user closes without saving.
    bool _askToCloseWithoutSaving();
    // Whether a project file in the folder is one this version refuses
    // (another version's or program's, or no regular file).
    bool _projectFilesRefused() const;

    // --- Undo and redo ---------------------------------------------------------
public:
    // Steps back (undo) or forward through the recorded states and rebuilds
    // the timeline from the one reached; deferred while the renderer works.
    virtual void applyHistory(bool undo);

protected:
    // Records the segment list before a command changes it; a snapshot that
    // could not be written is told, and the command goes on.
    void _recordOperation();
    // A trim or transition move records when it begins and may end without
    // a change; only a snapshot its own begin wrote may then be dropped.
    void _recordEditBegin();
    void _dropEditBeginSnapshot();
    // Deletes a segment that left the project once its loading tasks are
    // over; one still running keeps it alive, since the task holds it.
    static void _deleteRemovedSegment(Segment* segment);

private:
    struct EditingMemory;
    EditingMemory _rememberEditing();
    void _restoreEditing(const EditingMemory& memory);
    void _reselectTransition(SegmentWidget* widget, const EditingMemory& memory);
    void _dismissCurrentPopup();
    // The button of the command on the tool bar of the open popup, when it has one.
    void _highlightCommandButton(int cmdId, bool on);
    // Undo and redo wait for nothing that holds the renderer for long: they say so at once.
    void _tellHistoryUnavailable(bool undo);
    void _rebuildFromRecords(SegmentRecords records);
    void _syncSurvivingSegment(Segment* segment);
    void _removeSegmentsWithoutTrack();
    void _resortSegments();
    void _relayoutAfterHistory();
    TrackWidget* _typedTrackFor(QHash<int, TrackWidget*>& tracks, int storedTrack, const QString& type);
    SegmentWidget* _placeOnTrack(Segment* segment, TrackWidget* track, bool animated);
    static std::unique_ptr<Segment> _segmentFromRecord(std::unique_ptr<SegmentAttributes> record,
                                                       SegmentListener* owner);
    // Whether the last trim or transition move's begin took its undo step
    // (written or not) that its end has not dropped yet.
    bool _editBeginRecorded = false;

protected:

    // Hooks the desktop window overrides.
    virtual void _showProjectSettings() {}
    virtual void _toggleFullScreen() {}
    virtual bool _isMediaAreaCollapsed() const { return false; }
    virtual void createTaskbarProgress() {}
    virtual void setTaskbarProgressValue(float) {}
    virtual void hideTaskbarProgress() {}
    virtual void saveLayout() {}

    // Transient states and how they are left. Dismissal leaves the topmost
    // one (full screen, range selection, then the selected tile's editing)
    // and answers whether it left something.
    virtual bool _dismissAllPopupsAndPreview();
    // Leaves crop and feathering editing; with apply, the widget's values
    // go to the segment, or to the edited side of its selected transition.
    void _endCropEditing(bool apply);
    // Leaves inline text editing; with apply, the typed text becomes the
    // selected text segment's.
    void _endTextEditing(bool apply);
    // Whether the window may switch to or from full screen now.
    bool _isFullScreen() const { return _fullScreen; }
    bool _isShowingHUD() const;
    bool _isCropEditing() const { return !_cropWidget.isNull(); }
    bool _isTextEditing() const { return !_textEditor.isNull(); }

    // --- Done of every edit mode ---
    // Applies and leaves the one edit open: the text editor, else the
    // drawing canvas, else the crop editor.
    virtual void _endAllEditing();

    // --- Media preview and drawing canvas ---
    // Stops a visible media preview and shows the composition preview again.
    void _hideMediaPreview();
    // Leaves drawing editing; with apply, the canvas picture becomes the
    // selected drawing segment's.
    void _endDrawingEditing(bool apply);
    bool _isDrawingEditing() const { return !_canvas.isNull(); }
    // The canvas over the preview again, after a resize.
    void _layoutOverlayWidgets();
    // The library item shown in the place of the composition preview.
    QPointer<MediaPreviewWidget> _mediaPreview;
    // Present only while a drawing is edited.
    QPointer<CanvasWidget> _canvas;
    // The inspector's drawing panels while drawing is on; the inspector owns them.
    QPointer<DrawingColorWidget> _drawingColorWidget;
    QPointer<DrawingTuningWidget> _drawingTuningWidget;
    // Called with every new preview time, from seeking and from playback progress
    // (the full-screen bar follows it); and when the mouse moved over the preview.
    virtual void _updateFullscreenPosition(float) {}
    virtual void _showFullscreenControls() {}

    // Styles the panels the desktop window's form made and wires them to the window.
    void _initEditScrollArea();
    void _initGutterArea();
    // Builds the explorer inside the media area unless it is collapsed;
    // tabs: the tabbed explorer, else the button bar.
    void _initMediaExplorer(bool tabs);
    void _initPointerArea();
    void _initPreviewArea();
    void _initRulerScrollArea();

    // Checks the properties and starts loading the project: the engine stack
    // and the loader follow 100 ms later. False when the properties cannot be used.
    bool _openProject();
    // The preview surface and the engine stack; once only. False when the
    // window was destroyed while its preview got ready.
    bool _prepareOpenGL();
    // Appends the empty track kept at the bottom of the timeline.
    TrackWidget* _addTrack();

    // Properties of the project; true when they were read, else the
    // reason is shown and the project must not open.
    bool _showOpenProjectError();
    // What the opening's boxes are shown over: this window once it is on
    // screen, until then the window the project was opened from (the
    // active one; none, the screen's centre, when no window is active).
    QWidget* _openingBoxParent();
    // Starts the thread that reads the segment records; they come back
    // through onProjectLoaderMessage.
    bool _loadProject();
    // Saves a modified project; the modified flag stays set unless both files
    // were written. A failure is told every time, with its reason.
    void _saveProject();
    // Writes the segment list and the properties; with propertiesAfterFailure
    // false the properties only once the segment list is on disk. True, and
    // the modified flag cleared, when both were written. Neither is written
    // over while the files on disk are ones this version refuses to open:
    // that fails the save with the reason.
    bool _writeProject(bool propertiesAfterFailure);
    // Tells a failed save with its reason over the window: every time with
    // evenIfTold, else only when the failure is news.
    void _tellSaveResult(bool evenIfTold);
    // Deletes every file of the project folder that the project does not name, apart from its own files.
    void _cleanProjectFolder();
    // Deletes the cached exports of this project that it does not name, whatever their options,
    // apart from the names that begin with keptMovie (a cached movie's file name) when it is given.
    void _removeExportedFiles(const QString& keptMovie = QString());
    // Deletes those of the files that the project does not name; none when
    // what it names cannot be read whole. Reads that only when there is a file.
    void _removeUnnamedFiles(const QStringList& paths) const;
    // Last step of closing: cover picture, save, tidy, engine tear-down;
    // put off while another step of the window is under way.
    void _finishClosing();
    void _saveAndRelease();

    // The engine side of a model segment: its properties, animations and trims.
    void _pushSegmentProperties(Segment* segment);
    void _syncSegmentTransform(Segment* segment);
    void _syncTransitionToEngine(Segment* segment, int tId);
    // Adds the transition's animation group on both engine ids and sends its states.
    void _pushTransitionAnimation(Segment* segment, int tId);
    void _shiftEngineAnimationIds(Segment* segment, int tId);
    void _syncSegmentTrimToEngine(const Segment* segment);

    // Play position, timeline scrolling and the preview's layout.
    void _seekToTime(float time, bool animated);
    void _nextPosition();
    void _previousPosition();
    void _updateEditingWidgetsAtPointer();
    // The play/pause button's icon from the playing flag.
    virtual void _updatePlayPauseButton();
    // The window's play command.
    virtual void _togglePlayback();
    virtual void _updateEditingControls(float) {}
    void adjustPlaybackArea();
    void _layoutTimelineOverlays();
    void applyPreviewSizeLevel(int level);
    void grabEditingSegmentScreen();
    void _waitWhileBusy();
    float _currentScrollTime() const;
    // How far the play pointer can stand from the timeline's visible start.
    float _visibleTimelineWidth() const;
    // Exactly: once there, the play-head stands on the time itself, not up to a pixel past it.
    void _scrollToTime(float time, bool animated, bool exactly = false);
    // An exact time of -1: none.
    void _animateScrollTo(int x, bool animated, float exactTime = -1.0f);
    void _seekPreview(float time, bool exact);
    // Timeline scrolling, auto-scroll and zoom.
    void _animateScrollToPosition(int x, int y, bool animated, float exactTime = -1.0f);
    void _arriveAtScrollTime(bool beforeStart, float pointerTime, float exactTime, bool animated);
    void _seekToScrollPosition(bool exact);
    void _scrollLayoutNow(float time, bool exact);
    // Keeps the play pointer inside a timeline that got narrower.
    void _ensureWidgetVisibleInTimeline();
    // The second pointer marks the selection start, the play pointer its end.
    void _placeSelectionStartPointer(float time);
    void _placeSelectionEndPointer(float time);
    // One step each; every step schedules the next while its flags stay set.
    void _autoScrollWhileDraggingSegment();
    void _autoScrollWhileDraggingTrack();
    void _autoScrollWhileSelectingRange();
    void _applyTimelineScale(float scale);
    // Scrolls the timeline, at its new scale, to show the time under the play pointer.
    void _keepPlayHeadAt(float time);
    // The play-head on the time itself, not up to a pixel past it; not while
    // the user holds the timeline, as _scrollToTime.
    void _placePlayHeadAt(float time);
    QPointer<PointerWidget> _selectionPointer;
    // Set while an end of the selected range is dragged; the second tells it is the start.
    bool _draggingRangeHandle = false;
    bool _draggingRangeStart = false;
    bool _autoScrollSegmentLeft = false;
    bool _autoScrollSegmentRight = false;
    bool _autoScrollTrackUp = false;
    bool _autoScrollTrackDown = false;
    bool _autoScrollRangeLeft = false;
    bool _autoScrollRangeRight = false;
    float _rangeAutoScrollSpeed = 1.0f;
    // Where a file dragged over the window would land: the track, the time
    // and the pointer's content x, which grows as the content scrolls.
    QPointer<TrackWidget> _dropTrack;
    float _dropTime = 0.0f;
    float _dropX = 0.0f;

    // Creates the engine side of a segment from its dictionary, on the window's thread.
    void _createEngineSegment(Segment* segment);
    void _rebuildEngineSegment(Segment* segment);
    // Relays the segments' state reports waiting, for sliceMs at most.
    void _relayStateReports(qint64 sliceMs = kStateReportSliceMs);
    // The engine adds a new layer above all others: one of the project's
    // segments takes its place in the drawing order at once.
    void _orderNewLayer(const Segment* segment);
    bool _isLayerInProject(const Segment* segment) const;
    // Applies a segment's changed start or length (insert mode, or force:
    // the later segments of its track follow); false when nothing changed.
    bool _applySegmentTiming(Segment* segment, bool force);
    // The segment's current frame from the composition, or null when none
    // came within a bound; the caller owns the buffer. Virtual so that a
    // frame of any pixel format can be handed to its users.
    virtual AVPixelBuffer* _grabSegmentImage(Segment* segment);
    // Moves every segment of the track starting after the time; the count moved.
    int _shiftSegmentsAfter(float delta, float after, int trackId, bool animated);
    // Measure a dragged file on a thread of their own and store the result in
    // _draggedMediaDuration on the GUI thread; a result that comes after the
    // window is gone is dropped. The returned thread deletes itself when done.
    QThread* _probeDraggedGifDuration(const QString& path);
    QThread* _probeDraggedMediaDuration(const QString& path);

    // --- Placement on the timeline: moves, removals and overwrite cuts ---
    // A copy of the source at the start, not yet loaded; null for a type
    // without a copy rule.
    Segment* _duplicateSegment(Segment* source, float start);
    // Overwrite mode: cuts, splits or removes what [start, start + duration)
    // covers on the track, except the given segment.
    void _placeSegmentOnTrack(float start, float duration, TrackWidget* track, Segment* except);
    // Remove the transitions that would hang outside the segment once it is
    // cut at the time; the survivors' timeline start and length go to kept.
    void _dropTransitionsBefore(QVector<QPointF>* kept, float time, Segment* segment);
    void _dropTransitionsAfter(QVector<QPointF>* kept, float time, Segment* segment);
    // Puts the kept transitions back at their timeline places after a cut.
    void _restoreTransitionTimes(const QVector<QPointF>& kept, Segment* segment);
    void _pausePlayback();
    // Recomputes the project duration and sizes ruler and tracks when it changed.
    void _updateProjectDuration();
    // Asks the engine for a redraw once the delay has passed, unless the
    // engine has gone or been replaced by then.
    void _requestRedrawLater(int delayMs = 500);

    AVGLWidget* _previewWidget = nullptr;
    AVComposition* _composition = nullptr;
    AVRender* _render = nullptr;
    AVImageLoader* _imageLoader = nullptr;
    AVExporter* _exporter = nullptr;
    AVEngine* _engine = nullptr;
    QWidget* _previewContainer = nullptr;
    QWidget* _previewArea = nullptr;
    GutterScrollArea* _gutterArea = nullptr;
    QWidget* _mediaArea = nullptr;
    MediaExplorer* _mediaExplorer = nullptr;
    QWidget* _pointerArea = nullptr;
    QAbstractButton* _segmentModeButton = nullptr;
    QAbstractButton* _playPauseButton = nullptr;
    PointerWidget* _pointer = nullptr;
    QSlider* _zoomSlider = nullptr;
    EditScrollArea* _timeline = nullptr;
    RulerScrollArea* _ruler = nullptr;
    QWidget* _editAreaWidget = nullptr;
    QWidget* _textEditParent = nullptr;

    QAction* _actionMaintainAspectRatio = nullptr;
    QAction* _actionRestoreDefault = nullptr;
    QAction* _actionFillScreen = nullptr;
    QAction* _actionEditText = nullptr;
    QAction* _actionOriginalSize = nullptr;
    QAction* _actionEditDrawing = nullptr;
    QAction* _actionUndo = nullptr;
    QAction* _actionRedo = nullptr;
    QAction* _actionEnterExitRangeSelect = nullptr;
    QAction* _actionInsertOverwriteMode = nullptr;
    QAction* _actionFullscreen = nullptr;
    QAction* _actionAddFile = nullptr;
    QAction* _actionAddFromCamera = nullptr;
    QAction* _actionAddFromMicrophone = nullptr;
    QAction* _actionAddText = nullptr;
    QAction* _actionAddSelfDraw = nullptr;
    QAction* _actionEnterExitEditingSegment = nullptr;
    QAction* _actionDuplicateSegment = nullptr;
    QAction* _actionRemoveSegment = nullptr;
    QAction* _actionSplitSegment = nullptr;
    QAction* _actionAddTransition = nullptr;
    QAction* _actionDuplicateTransition = nullptr;
    QAction* _actionDeleteTransition = nullptr;
    QAction* _actionEnterExitEditingTransition = nullptr;
    QAction* _actionPlayPause = nullptr;
    QAction* _actionNextPosition = nullptr;
    QAction* _actionPreviousPosition = nullptr;
    QAction* _actionExport = nullptr;
    QAction* _actionMovieSettings = nullptr;

    QString _projectName;
    QString _folderName;
    ProjectManager* _projectManager = nullptr;
    // The context of everything the window schedules for its project:
    // timers, queued calls and the relays of the engine's threads. It goes
    // first when the project is released, and with it all that is pending.
    QObject* _projectScope = nullptr;
    void _runForProject(int delayMs, std::function<void()> step);
    VideoThumbnailsCache* _thumbnailsCache = nullptr;
    float _timelineScale = 1.0f;
    // Side of the transition being edited: 1 begin, 0 end, -1 none.
    int32_t _editingTransitionState = -1;
    bool _fullScreen = false;
    int32_t _previewSizeLevel = 1;
    float _pointerOffset = 0.0f;
    float _previousRangeStart = 0.0f;
    float _previousRangeEnd = 0.0f;
    int32_t _exportSizeLevel = 3;
    float _exportFrameRate = 0.0f;
    QString _exportCodec = QStringLiteral("h264");
    QString _exportFolder;
    QString _exportName;
    int32_t _exportAction = 1;
    QString _exportCachePath;
    // The file in the export folder that the export writes itself when the
    // project folder cannot take the cached one, or something this window
    // did not make holds its name (the next free name when a file took it
    // while the movie rendered); empty otherwise.
    QString _exportDirectPath;
    // The cached movies this window's exports made, each with its file's
    // identity when the export named it: only a file that still has it is
    // handed over again, never one that anyone else put under that name.
    QHash<QString, AVFileIdentity> _exportsMade;
    QTimer* _autosaveTimer = nullptr;
    // The reason of the save failure last told; none once a save went through.
    std::optional<QString> _toldSaveFailure;
    // Deletes itself when its run ends; closing interrupts a run still going.
    QPointer<ProjectLoader> _projectLoader;
    Qt::HANDLE _guiThreadId = nullptr;
    // A segment's state as its loading reported it, on any thread, to be
    // relayed on this one; with rebuild its engine side is made anew there,
    // if the segment (of that serial number) still exists.
    struct StateReport {
        Segment* segment = nullptr;
        int32_t serial = 0;
        int state = 0;
        bool rebuild = false;
    };
    static constexpr qint64 kStateReportSliceMs = 50;
    bool _takeStateReport(StateReport* report);
    QMutex _stateReportsMutex;
    std::deque<StateReport> _stateReports;
    // The relayed reports ask for the drawing order, and for a redraw after it.
    bool _drawingOrderDue = false;
    bool _redrawAfterOrder = false;
    // Read by the loading tasks on pool threads, which must not touch the widget.
    std::atomic<float> _devicePixelRatio{1.0f};
    // Play time in seconds of the file being dragged over the window.
    float _draggedMediaDuration = 0.0f;
    // Kept current by the render status relay.
    bool _playing = false;
    bool _reachedEnd = false;
    // Set while an animated timeline scroll runs.
    bool _scrollAnimating = false;
    // 1.0, 0.75, 0.5 or 0.25 of the preview panel.
    float _previewScale = 1.0f;
    // Serial number of a segment whose completed load must not move the play position; 0 for none.
    int32_t _keepPositionSerial = 0;
    // Serial numbers of imported subtitle cues still loading: a file's cues
    // lie all over the timeline, so their loads leave the play position
    // where it is and only redraw it when a cue shows there.
    QSet<int32_t> _loadingCueSerials;
    // Set by inserting an audio file: its segment must prove it holds sound once loaded.
    bool _checkAudio = false;

    // The empty track at the bottom of the timeline, null when there is none.
    QPointer<TrackWidget> _newestTrack;
    ProgressHUD* _waitingHUD = nullptr;
    // Present only while crop and feathering are edited.
    QPointer<CropWidget> _cropWidget;
    // Present only while a text segment is edited in place.
    QPointer<TextEditWidget> _textEditor;
    // The project could not be read: closing saves and tidies nothing.
    bool _openFailed = false;
    // Sets _openFailed; nothing the window holds writes into the project folder any more.
    void _markOpenFailed();

    // --- Crop mode -----------------------------------------------------------------
    // The crop editor over a still picture of the segment, on a cover in the
    // project's background colour; _endCropEditing takes it down again.
protected:
    // Does nothing while the editor is open or when no picture can be had.
    virtual void _beginCropEditing(Segment* segment);
    // Places the cover and the editor over the preview as it is now.
    void _layoutCropEditor();

    // Covers the live preview while the crop is edited.
    QPointer<QWidget> _cropCover;

private:
    // The picture the crop is edited on; null for a type without one or
    // when it cannot be made.
    QPixmap _cropPicture(Segment* segment);
    QPixmap _renderedTextPicture(const TextSegment* text) const;
    // Where a picture of that size lies, fitted into the preview, in the
    // central widget's coordinates.
    QRect _cropEditorRect(const QSize& picture) const;
    void _showCropCover();

    QSize _cropPictureSize;

    // --- Exporting the movie ---------------------------------------------------
public slots:
    void movieExportingPopup_onShareAction(PopupMovieExportingWidget* exportingWidget, int action);
    void movieExportingPopup_onExportCancelAction(PopupMovieExportingWidget* exportingWidget);

public:
    // The cached export of the options inside the project folder.
    QString _exportFilePath(int level, float frameRate, const QString& codec) const;
    // Exports with the options, or hands over the cached movie of the same
    // options; waits (bounded) for a busy preview renderer first.
    void _exportMovie(int action, int level, float frameRate, const QString& codec, const QString& name,
                      const QString& folder);
    // Builds and starts the exporter writing the path (the cached export, or
    // the user's file when the cached one cannot be written there); nothing
    // without a composition and renderer or while an exporter exists.
    void _exportStartExporter(const QString& path);
    // Copies the cached export into the export folder under a free name (a
    // movie written there directly needs no copy) and shows the outcome on
    // the popup.
    void _finishExportedFile(PopupMovieExportingWidget* popup);
    AVExporter* exporter() const { return _exporter; }
    // A running export, or one asked for that still waits for the renderer.
    bool _isExportUnderWay() const;
    CommonPopup* currentPopup() const { return _currentPopup; }

private:
    PopupMovieExportingWidget* _exportPopup() const;
    void _storeExportOptions(int action, int level, float frameRate, const QString& codec, const QString& name,
                             const QString& folder);
    void _handOverCachedExport();
    // Why the movie cannot be exported through the cached one in the project
    // folder, in the log's words; null when it can.
    const char* _whyNotCached() const;
    // Whether the cached movie's name still leads to the very file that an
    // export of this window made there.
    bool _isCachedExportMadeHere() const;
    bool _openCachedExportMadeHere(QFile& movie) const;
    void _showExportError(const QString& text);
    // What the popup tells of the exporter's failure code, and of a disk
    // or a folder that took no more of the movie.
    QString _exportErrorText(int err, bool ranOutOfDisk, bool refusedWriting) const;
    // Why the finished movie could not be copied into the chosen folder.
    QString _copyErrorText() const;
    // Whether an export of the cached movie that ran out of disk may go
    // straight into the chosen folder, on a disk of its own.
    bool _isRoomElsewhere(bool ranOutOfDisk) const;
    void _restorePreviewAfterExport();
    // Cancels the export, waits for its thread and frees the exporter. An
    // export that does not end in time is left running, and with it what it
    // draws from: the release then keeps the engine.
    void _freeExporter();
    bool _exportLeftRunning = false;
    // How long a cancelled export is waited for, by the closing and by the
    // release each.
    static constexpr int kExportEndWaitMs = 20000;
    // 100 ms steps spent waiting for an idle renderer by the pending
    // request; 0 when none waits. Set to 0, it drops a waiting request.
    int _exportRetries = 0;
    // The request's cached movie ran out of disk: its next try goes
    // straight into the chosen folder.
    bool _exportCacheLacksRoom = false;

private:
    // The grab being waited for: its loop, segment id and result.
    QEventLoop* _grabLoop = nullptr;
    int32_t _grabSegmentId = 0;
    AVPixelBuffer* _grabResult = nullptr;

    QAction* _createAction(const QString& text, const QKeySequence& shortcut, bool enabled, bool window,
                           void (MainWindow::*command)() = nullptr);
    void _createActions();
    void _connectRelays();
    static void _clearContentStyle(QScrollArea* area);
    void _createZoomControls();
    QPushButton* _createZoomButton(const QString& icon);
    void _saveCoverImage();
    void _releaseEngine();
    void _deleteEngine();
    void _leaveEngineToTheExport();
    bool _isProjectOwnFile(const QString& fileName) const;
    std::optional<QSet<QString>> _usedFilePaths() const;
    void _setEngineStartTime(const Segment* segment);
    void _relayoutSegmentWidget(const Segment* segment, bool animated);
    void _pushSegmentTiming(const Segment* segment);
    QThread* _startDurationProbe(std::function<float()> probe);
    void _createSegmentsFromRecords(ProjectLoader* loader);
    // Builds the segment of a record of a type this version builds; it and
    // its tile go to placed, for the project list to take them all at once.
    void _addSegmentFromRecord(std::unique_ptr<SegmentAttributes> record, QHash<int, TrackWidget*>& tracks,
                               std::vector<std::pair<Segment*, QWidget*>>& placed);
    TrackWidget* _addTypedTrack(const QString& type);
    void _finishLoading();
    void _offerHelpTipsAfterLoading();
    void _closeAfterFailedLoad(const QString& title, const QString& text);
    void _createEngineVideo(MovieSegment* movie, bool softwareOnly);
    void _rebuildVideoInSoftware(MovieSegment* movie);
    // The play-head (and the full-screen position) at a time playback reached.
    void _showPlayTime(float time);
    // As playback stops: the play-head goes to the time where the render stopped.
    void _showWherePlaybackStopped();
    // Once playback has stopped: the preview shows the picture of the play-head's time.
    void _settlePreviewAtPlayHead();
    // Whether a movie's picture is older than the frame of the time.
    bool _moviePictureLagsAt(AVComposition* composition, double time) const;
    bool _isInProject(const Segment* segment) const;
    // Whether the segment's picture or sound takes part in a pass at the
    // shown time (a movie's sound is an engine segment of its own).
    bool _showsNearCurrentTime(const Segment* segment) const;
    void _checkInsertedAudio(const Segment* segment);
    // The layers in the project's track order, so that later tracks draw on top.
    void _sendDrawingOrder();
    // Sends the order when a relayed report asked for it, and redraws after
    // it when one of those segments is on screen.
    void _sendDueDrawingOrder();
    void _applyCrop(Segment* segment, int transitionId);
    // The timeline, the library and the play button usable again after an inline editor.
    void _restoreAfterEditing();
    // What every in-place editor (text, drawing, crop) does as it opens: the
    // transform overlay fades away, the tip closes, the navigation bar keeps
    // only "Done", and the timeline and the library stop taking the mouse.
    void _prepareForEditing();
    void _jumpToSegmentStart(const Segment* segment, int restartDelayMs);
    // Placement helpers.
    void _cutSegmentStart(Segment* segment, float time);
    void _cutSegmentEnd(Segment* segment, float time);
    void _splitAroundSpan(Segment* segment, TrackWidget* track, float start, float end);
    void _dropTransitions(QVector<QPointF>* kept, float time, Segment* segment, bool keepAfter);
    void _removeFromEngine(const Segment* segment);
    void _removeTrackIfEmpty(int trackId);
    // The project's list and the gutter follow the timeline's track order.
    void _adoptTrackOrder();

    // --- Range selection ------------------------------------------------------
public:
    // Clear the selected span on the tracks taking part (insert mode closes
    // the gap), or open it as blank time there; both then leave the mode.
    void deleteSelectedRange();
    void insertBlankInSelectedRange();

protected:
    // The second pointer marks the span's start, the play pointer its end;
    // a floating bar offers the commands. Nothing while the mode is on.
    void _setRangeSelectionMode();
    // Everything entering set up goes again; nothing while the mode is off.
    void _exitRangeSelectionMode();

protected slots:
    void selectionOperationWidget_onCommandClicked(SelectionOperationWidget* operationWidget, int cmdId);

private:
    void _enterRangePointers();
    void _snapSelectionStart();
    void _showSelectionOperationWidget();
    // Records an undo step and runs the step on every track taking part with
    // the span's start and length; false (the mode left when no track takes
    // part) when nothing ran.
    bool _runOnSelectedTracks(const std::function<void(TrackWidget*, float, float)>& step);
    void _removeEmptiedTracks(const QList<TrackWidget*>& tracks);
    void _finishRangeOperation();
    void _hideGutterForRange();
    void _showGutterAfterRange();
    // Insert mode: makes room for length at the time on the track; a segment
    // holding the time moves whole to the room's end, later ones follow.
    void _openGapOnTrack(float time, float length, int trackId, bool animated);

protected:
    QPointer<SelectionOperationWidget> _selectionOperationWidget;
    // The panel that takes no part in range selection, disabled during it.
    QPointer<QWidget> _rangeDisabledWidget;

    // --- Editing state, action states and timeline actions ---------------------
protected:
    // The five refreshers of the editing actions' texts and enabled states.
    void _updateAddTransitionActionState();
    void _updateSegmentActionsState();
    void _updateEditActionState();
    void _updateEditTransitionActionState();
    void _updateRangeSelectionActionState();
    // All five.
    void _updateActionStates();
    // Switches the project between insert (0) and overwrite (1) mode.
    void _toggleInsertOverwriteMode();
    void _updateInsertModeButton();

    // Hooks the segment inspector, the editing overlays and the desktop
    // window fill in; each does nothing until then.
    virtual void segmentInspectorWidget_onEnterEditTransition() {}
    virtual void segmentInspectorWidget_onExitEditTransition() {}
    // True while the desktop window re-lays itself out after a resize.
    virtual bool _isRelayingOut() const { return false; }

    // Set while undo or redo rebuilds the timeline from a snapshot.
    bool _applyingHistory = false;
    // The segment group's "Edit Transition" (the other is the transition group's).
    QAction* _actionEnterExitEditingSegmentTransition = nullptr;

private:
    bool _isEditingOverlayOpen() const;
    // A progress or waiting message, a popup or a help tip is in front.
    bool _isShowingModalHint() const;
    SegmentWidget* _editedSegmentWidget() const;
    bool _hasEditableSegment() const;
    void _startPlayback();
    void _finishEditing(Segment* segment, bool animated);
    void _stopGutterFade();
    void _fadeOutGutter();
    void _showGutter(Segment* segment, bool animated);
    // Processes events until the condition holds or the bound passes; whether it held.
    bool _processEventsUntil(const std::function<bool()>& condition, int boundMs);
    // Busy, transition editing, or nothing edited or selected.
    bool _refusesSegmentCommand() const;
    // Busy, or no transition of the segment in editing is being edited.
    bool _refusesTransitionCommand() const;

    // --- Segment editing commands ------------------------------------------------
protected:
    // The segment of the tile in editing state, or null.
    Segment* _editingSegment() const { return _timelineEditingSegment(); }
    // Carries out one segment command of the inspector on the edited segment;
    // an id without a command does nothing.
    void _editingSegmentCommand(int cmdId);
    // Highlights (on) or dims every segment's tile but the one of except.
    void _highlightOtherSegmentWidgets(bool on, const Segment* except, bool animated);
    // Transparency, colours, chroma key, border, corners, text style and
    // shadow of a visual segment to its engine segment; volume and pitch to
    // the engine segment holding its sound.
    void _pushSegmentAppearance(Segment* segment);
    void _pushSegmentSound(Segment* segment);
    // Lays the transform overlay out again for its segment; the flag is the callers' and changes nothing.
    virtual void _layoutTransformWidgetForEditingSegment(bool);
    // The translated word for a kind of segment ("image" for "IMAGE"); the type itself when unknown.
    static QString _segmentKindWord(const QString& type);
    // The transform overlay's last active corner per segment "UId".
    QHash<QString, int> _rememberedCornerIndex;

protected slots:
    // The inspector's commands. The geometry ones act on the edited end of a
    // transition while one is shown, else on the segment.
    void _segmentEditingDidFinish();
    void _segmentEditingDuplicateSegment();
    void _segmentEditingRemoveSegment();
    void _segmentEditingSplitSegment();
    void _segmentEditingSelectFont();
    void _segmentEditingRotateClockwise();
    void _segmentEditingRotateCounterClockwise();
    void _segmentEditingFlipHorizontal();
    void _segmentEditingFlipVertical();
    void _segmentEditingCrop();
    void _segmentEditingPerspective();
    // Copies the edited segment's look and sound onto every segment of its type.
    void _segmentEditingApplyToAllSegments();

private:
    void _routeGeometryCommand(int segmentCmdId, int transitionCmdId);
    void _rotateEditingSegment(Segment* segment, bool clockwise);
    void _flipEditingSegment(Segment* segment, bool horizontally);
    void _toggleEditingSegmentPerspective(Segment* segment);
    void _finishGeometryCommand(Segment* segment, int propertyId, float value, float secondValue = 0.0f);
    void _selectTextFont(Segment* segment);
    // Splits the segment with this "UId" a moment later, when it is still there.
    void _splitSegmentSoon(const QString& uid);
    void _copyLookToSegment(const Segment* source, Segment* target);

    // --- Text editing in place ---------------------------------------------------
protected:
    // A "TEXT" segment in editing has its text edited over the preview.
    void _segmentEditingEditText();
    // The transform overlay's segment: a text is edited in place, a drawing on the canvas.
    void _editTextOrDrawing();
    // An "IMAGE" segment in editing takes a picture the user chooses in place of its own.
    void _segmentEditingChangeImage();
    // Opens the inline editor over the text's box; nothing while one is open.
    void _beginTextEditing(TextSegment* segment);
    // The editor shows the segment's alignment, font at the preview's scale and colours.
    void _applyTextEditStyle(TextEditWidget* editor, const TextSegment* segment);
    // The same over the whole text, the cursor kept where it was.
    void _applyTextStyleToWholeText(TextEditWidget* editor, const TextSegment* segment);

private:
    // A text segment's inline editor or a drawing's canvas; other types open nothing.
    void _beginTextOrDrawingEditing(Segment* segment);
    // The text's box in overlay-host coordinates.
    QRect _textEditorRect(const TextSegment* segment) const;
    // The open editor follows its text's box and font size when the preview resizes.
    void _layoutTextEditor();
    // A paste arrives in the cursor's format: the segment's style goes over the whole text again.
    void _textEditor_onTextChanged();

    // --- Property value slots and colour adjustments ----------------------------
    // A moving value goes to the engine only; a final one is recorded for
    // undo, written to the edited segment and sent as the model keeps it.
protected slots:
    void sliderColorPopup_onValueChanging(CommonSliderColorPopup* popup, float value);
    void sliderColorPopup_onValueChanged(CommonSliderColorPopup* popup, float value);
    void sliderColorPopup_onValue2Changing(CommonSliderColorPopup* popup, float value);
    void sliderColorPopup_onValue2Changed(CommonSliderColorPopup* popup, float value);
    void sliderColorPopup_onValue3Changing(CommonSliderColorPopup* popup, float value);
    void sliderColorPopup_onValue3Changed(CommonSliderColorPopup* popup, float value);
    void sliderColorPopup_onColorChanged(CommonSliderColorPopup* popup, QColor color);
    void sliderColorPopup_onSwitchValueChanged(CommonSliderColorPopup* popup, bool value);
    void sliderColorShadowPopup_onShadowOffsetChanging(PopupSliderColorShadowWidget* shadowWidget, QSizeF offset);
    void sliderColorShadowPopup_onShadowOffsetChanged(PopupSliderColorShadowWidget* shadowWidget, QSizeF offset);
    void chromaKeyPopup_onValuesChanged(PopupChromaKeyWidget* chromaKeyWidget, int sensitivity, int smoothing,
                                        QColor color);

    void scrollColorsPopup_onSaturationChanging(PopupColorsScrollWidget* colorsWidget, int value);
    void scrollColorsPopup_onBrightnessChanging(PopupColorsScrollWidget* colorsWidget, int value);
    void scrollColorsPopup_onContrastChanging(PopupColorsScrollWidget* colorsWidget, int value);
    void scrollColorsPopup_onWhiteBalanceChanging(PopupColorsScrollWidget* colorsWidget, int value);
    void scrollColorsPopup_onExposureChanging(PopupColorsScrollWidget* colorsWidget, int value);
    void scrollColorsPopup_onHueChanging(PopupColorsScrollWidget* colorsWidget, int value);
    void scrollColorsPopup_onRedChanging(PopupColorsScrollWidget* colorsWidget, int value);
    void scrollColorsPopup_onGreenChanging(PopupColorsScrollWidget* colorsWidget, int value);
    void scrollColorsPopup_onBlueChanging(PopupColorsScrollWidget* colorsWidget, int value);
    void scrollColorsPopup_onSaturationChanged(PopupColorsScrollWidget* colorsWidget, int value);
    void scrollColorsPopup_onBrightnessChanged(PopupColorsScrollWidget* colorsWidget, int value);
    void scrollColorsPopup_onContrastChanged(PopupColorsScrollWidget* colorsWidget, int value);
    void scrollColorsPopup_onWhiteBalanceChanged(PopupColorsScrollWidget* colorsWidget, int value);
    void scrollColorsPopup_onExposureChanged(PopupColorsScrollWidget* colorsWidget, int value);
    void scrollColorsPopup_onHueChanged(PopupColorsScrollWidget* colorsWidget, int value);
    void scrollColorsPopup_onRedChanged(PopupColorsScrollWidget* colorsWidget, int value);
    void scrollColorsPopup_onGreenChanged(PopupColorsScrollWidget* colorsWidget, int value);
    void scrollColorsPopup_onBlueChanged(PopupColorsScrollWidget* colorsWidget, int value);
    void scrollColorsPopup_onSchemeChanged(PopupColorsScrollWidget* colorsWidget, int saturation, int brightness,
                                           int contrast, int whiteBalance, int exposure, int hue, int red,
                                           int green, int blue);
    void scrollColorsPopup_onApplyToAllSegmentsRequested(PopupColorsScrollWidget* colorsWidget, int saturation,
                                                         int brightness, int contrast, int whiteBalance,
                                                         int exposure, int hue, int red, int green, int blue);
    void scrollColorsPopup_onNeedToDisplayMessage(PopupColorsScrollWidget* colorsWidget, QString message);

    // The inspector announces each popup it embeds once; these tag it with
    // its kind and connect its values to the slots above. The transition
    // flag picks the kind of the transition state's own section.
    void _segmentEditingSetConnectionsForTransparencyPopupSliderWidget(PopupSliderWidget* sliderWidget,
                                                                       bool transition);
    void _segmentEditingSetConnectionsForVolumePopupSliderWidget(PopupSliderWidget* sliderWidget, bool transition);
    void _segmentEditingSetConnectionsForSpeedPopupSliderWidget(PopupSliderWidget* sliderWidget);
    void _segmentEditingSetConnectionsForPitchPopupSliderWidget(PopupSliderWidget* sliderWidget);
    void _segmentEditingSetConnectionsForRoundCornerPopupSliderWidget(PopupSliderWidget* sliderWidget);
    void _segmentEditingSetConnectionsForBorderPopupSliderColorWidget(PopupSliderColorWidget* sliderWidget);
    void _segmentEditingSetConnectionsForTextSizePopupSliderColorWidget(PopupSliderColorWidget* sliderWidget);
    void _segmentEditingSetConnectionsForStrokeBorderPopupSliderColorSwitchWidget(
        PopupSliderColor1Switch2SlidersWidget* sliderWidget);
    void _segmentEditingSetConnectionsForTextBackPopupSliderColor2SlidersWidget(
        PopupSliderColor2SlidersWidget* sliderWidget);
    void _segmentEditingSetConnectionsForShadowPopupSliderColorShadowWidget(PopupSliderColorShadowWidget* shadowWidget);
    void _segmentEditingSetConnectionsForChromaKeyPopupChromaKeyWidget(PopupChromaKeyWidget* chromaKeyWidget);
    void _segmentEditingSetConnectionsForColorsPopupColorsScrollWidget(PopupColorsScrollWidget* colorsWidget,
                                                                       bool transition);
    // A colour picker's questions; both leave everything as it is when the pointer is null.
    // The picture to pick from: the preview with the drawing being edited over it.
    void sliderColorPopup_onNeedColorPickingImage(CommonSliderColorPopup* popup, QImage* image);
    // The preview widget's rectangle in inWidget's coordinates.
    void sliderColorPopup_onGetPlaybackAreaFrame(CommonSliderColorPopup* popup, QRect* rect, QWidget* inWidget);

private:
    // The connection groups the announced popups share; the first also tags the popup.
    void _connectSliderPair(CommonSliderColorPopup* popup, int kind);
    void _connectSecondSliderPair(CommonSliderColorPopup* popup);
    void _connectThirdSliderPair(CommonSliderColorPopup* popup);
    void _connectColorTrio(CommonSliderColorPopup* popup);
    void _connectSwitch(CommonSliderColorPopup* popup);
    // The segment the value slots edit; null while none is edited or while
    // the speed commit waits for the renderer (values arriving then are dropped).
    Segment* _valueSlotSegment() const;
    // The edited transition and the side of it the preview shows; false when
    // no transition state is shown.
    bool _shownTransitionState(int* transitionId, bool* begin) const;
    // Records one undo step, runs write and marks the project modified;
    // drops the step again when write changed nothing in the segment.
    bool _commitSegmentChange(Segment* segment, const std::function<void()>& write);
    void _sendValue(const Segment* segment, int propertyId, float a, float b = 0.0f);
    void _sendColor(const Segment* segment, int propertyId, QRgb color, float opacity = 1.0f);
    void _sendSoundValue(const Segment* segment, int propertyId, float value);
    void _sendStateValue(const Segment* segment, int transitionId, bool begin, int propertyId, float value);
    QSizeF _compositionSize() const;
    void _redrawAfterValue();
    bool _liveMainValue(Segment* segment, int kind, float value, QColor color);
    bool _commitMainValue(Segment* segment, int kind, float value, QColor color);
    bool _commitTransitionValue(Segment* segment, int kind, float value);
    bool _commitLengthValue(Segment* segment, int kind, float value, QColor color);
    bool _commitTextValue(Segment* segment, int kind, float value);
    bool _commitSecondValue(Segment* segment, int kind, float value);
    bool _commitThirdValue(Segment* segment, int kind, float value);
    bool _commitColor(Segment* segment, int kind, QRgb color);
    void _commitSpeed(Segment* segment, float step);
    void _liveTextSize(Segment* segment, float value);
    void _finishTextStyleChange(Segment* segment);
    void _liveColorAdjustment(int index, int value);
    void _commitColorAdjustment(int index, int value);
    // Writes count adjustments from first on, as one undo step.
    void _writeColorAdjustments(Segment* segment, const int* values, int first, int count);

    // Set while the speed commit pumps events waiting for the renderer.
    bool _valueSlotsPaused = false;
    // The text size drag with the inline editor open took its undo step
    // (written or not).
    bool _textSizeDragRecorded = false;
    // --- Consistency runs and the split timing step ----------------------------
public:
    // For the consistency check's own test only: the next removal from the
    // engine is left out, so that the check shows it finds such a segment.
    void skipNextEngineRemovalForTest() { _skipNextEngineRemoval = true; }

private:
    bool _skipNextEngineRemoval = false;
    // A segment whose timing step waits (the left piece of a split, a
    // segment that left editing while the gutter fades in), 0 when none,
    // and the range the step measures it against: its own, since the
    // shared previous range belongs to whatever is edited meanwhile.
    int _pendingTimingSerial = 0;
    float _pendingRangeStart = 0.0f;
    float _pendingRangeEnd = 0.0f;
    // The segment a split outside editing is cutting; its step is armed once cut.
    int _splitLeftSerial = 0;
    // Runs a split's step once its pieces settled; one timer, so that an
    // earlier split's delay never runs a later split's step before its time.
    QTimer* _splitTimingTimer = nullptr;
    // Runs the waiting step now; every command that records, undoes,
    // splits or enters editing runs it first.
    void _applyPendingTimingStep();
    // Hands the cut left piece to the waiting step, which runs after the split's delay.
    void _armSplitTimingStep();

    // --- Media intake: inserting files and subtitles, captures ----------------
public:
    // The kinds the add-media entry points take; "any" is decided by the file's MIME type.
    enum MediaInsertKind { MediaInsertVideo = 1, MediaInsertPicture = 2, MediaInsertMusic = 4, MediaInsertAny = 7 };
    // The style defaults new and edited segments take when the user lets the
    // editor learn from their habits; null otherwise.
    static SegmentStyleDefaults* habitStyleDefaults();

protected:
    // Asks for one file of the kind and inserts it at the play pointer on the insertion track.
    void _addMediaFiles(int kind);
    // Inserts the file as a new segment on the insertion track: at the end
    // of the track's content (append) or at the time (placement). Options:
    // "audioOnly", "scale", "title", "artist". True when a segment was placed.
    bool _insertMediaFile(const QString& path, int kind, QHash<QString, QVariant> options, float time,
                          bool appendToTrack, bool recordUndo);
    // The path of the copy in the project folder; null when the copy failed.
    // User input waits and the window refuses to close until the copy ends.
    QString _copyMediaIntoProject(const QString& sourcePath, const QString& projectFolder);
    // False when the file cannot be read or holds no valid subtitle.
    bool _insertSRTSubtitles(const QString& path, TrackWidget* track, float timeOffset);
    void _insertCapturedPhoto(const QString& capturedPath);
    void _insertCapturedMovie(const QString& capturedPath);
    // The folder holding the project's files and media.
    QString _projectDirectory() const;
    // Whether the file lies in the project folder or one below it.
    bool _isInsideProjectFolder(const QString& path) const;
    // The folder joined with the pattern ("cameraPhoto-%1.jpg"), %1 counting
    // from 1 to the first name no file has.
    static QString _freeNumberedPath(const QString& folder, const QString& pattern);

    // The track the next added file goes to; the add commands set it.
    QPointer<TrackWidget> _insertionTrack;
    // Set while a file is copied into the project.
    bool _copyingMedia = false;

private:
    // The copy of path the insertion uses: the file itself unless the
    // preferences ask for a copy in the project; null when that copy failed.
    QString _mediaPathForProject(const QString& path);
    // Copies the source into the output descriptor, open at destination, on a
    // thread of its own; true when every byte was copied.
    // User input waits and the window refuses to close meanwhile.
    bool _copyOnThread(const QString& sourcePath, const QString& destination, int output);
    // 1, 2 or 4 for the file; 0 for a kind or MIME type of no media.
    static int _resolvedMediaKind(const QString& path, int kind);
    float _appendStart(int kind, TrackWidget** track, float time);
    Segment* _createMediaSegment(int kind, const QString& path, float start, const QHash<QString, QVariant>& options);
    void _placeNewSegment(Segment* segment, TrackWidget* track, const QString& type);
    void _insertCapture(const QString& capturedPath, const QString& namePattern, int kind,
                        const QString& failureText);
    // The capture moved into the project folder under the first free name of
    // the pattern; empty, after a warning with the text, when it cannot be moved.
    QString _moveCaptureIntoProject(const QString& capturedPath, const QString& namePattern,
                                    const QString& failureText);

    // --- Dropping media on the window -------------------------------------------
protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    // Also runs without an event, to finish a drop whose GIF had to be downloaded first.
    void dropEvent(QDropEvent* event) override;

private:
    // Fill the drop state from one kind of drag data; false when it offers nothing to insert.
    bool _readDraggedFile(const QString& path);
    bool _readDraggedAsset(const QMimeData* data);
    bool _readDraggedGif(const QMimeData* data);
    // Puts the window into a state that takes a drop: no popup, editing or range selection, paused.
    void _prepareForDrop();
    // Shows where the item would land at the point of the window; the drop track or null.
    TrackWidget* _showDropTarget(const QPoint& windowPos);
    // Arms or disarms auto-scroll by the edge of the timeline the point is at.
    void _armDropAutoScroll(const QPoint& windowPos);
    void _setDropEdge(bool* flag, bool holds, void (MainWindow::*scrollStep)());
    void _clearDropEdges();
    // No drop indicator, edge flag or segment flag left from the drag.
    void _endDragFeedback();
    // Library items, and files the preferences want there, go into the project
    // folder first; false (with a message) when a copy failed.
    bool _copyDroppedItemIntoProject();
    // Inserts the dropped file at the drop track and time, making room as the segment mode says.
    void _insertDroppedMedia();
    // Refuses the event (null for a drop finishing after a download) and forgets the drag.
    void _abandonDrop(QDropEvent* event);
    void _resetDropState();

    // What is dragged: its path (file, resource or web address), segment
    // type, key ("srt" for subtitles, the GIF id for a GIF-service item) and
    // library scale. The duration is _draggedMediaDuration.
    QString _dropPath;
    QString _dropSegmentType;
    QString _dropItemKey;
    float _dropScale = 1.0f;
    // The pointer has been over the timeline's frame during this drag.
    bool _dropInsideTimeline = false;
    // Counts drag entries, so that a probe of an earlier drag writes nothing.
    int _dragGeneration = 0;

    // --- Adding segments, window events, heads-up messages and side popups ---
public slots:
    // The progress bar overlay over the whole window: made when no overlay
    // is up, then given the text and the fraction (0 to 1).
    void showProgressHUD(const QString& text, float progress);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

protected slots:
    void mediaTypeSelectionPopup_onClickSelectFile(PopupMediaTypeSelectionWidget* popup);
    void mediaTypeSelectionPopup_onClickCamera(PopupMediaTypeSelectionWidget* popup);
    void mediaTypeSelectionPopup_onClickMicrophone(PopupMediaTypeSelectionWidget* popup);
    void mediaTypeSelectionPopup_onClickSelfDraw(PopupMediaTypeSelectionWidget* popup);
    void mediaTypeSelectionPopup_onClickText(PopupMediaTypeSelectionWidget* popup);
    // Answers in place: the popup waits for the start time.
    void microphonePopup_onGetStartTime(PopupMicrophoneWidget* popup, float* startTime);
    void microphonePopup_onRequestScrollToTime(PopupMicrophoneWidget* popup, float t);
    void microphonePopup_onSoundCaptured(PopupMicrophoneWidget* popup, QString fileName, QList<float> meterValues);
    void mediaPreviewWidget_onDisplayMediaPreviewControlWidgetExternal(MediaPreviewControlWidget* controlWidget);
    void mediaPreviewWidget_onHideMediaPreviewControlWidgetExternal(MediaPreviewControlWidget* controlWidget);
    void projectSettingsPopup_onParametersDidChange(PopupProjectSettingsWidget* popup);
    void projectSettingsPopup_onDidFinish(PopupProjectSettingsWidget* popup);

protected:
    // A drawing or a text at the pointer (after the content of a track in
    // use), which opens for editing a moment later; nothing without the
    // empty bottom track.
    void _addDrawingSegment();
    void _addTextSegment();
    void _addVoiceSegment(const QString& file, float startTime, const QList<float>& meterValues);
    // Where a recording begins: the pointer, or the end of the content of a
    // track in use (the timeline and the preview move there). Never below 0.
    float _recordingStartTime();
    // kind 0 any, 1 video (both start in video mode); only 0 lets the user switch.
    void _showCameraDialog(int kind);
    void _showMicrophonePopup();
    // kind 0 any media, 1 video, 2 picture, 3 music.
    void _showAddMediaMenu(int kind, QWidget* anchor);
    void _showMediaPreview(const QString& mediaId, int type, const QString& filePath, const QPixmap& image,
                           const QString& metadata);
    void _layoutMediaPreview();
    // The edited picture segment shows the file (kind 2) instead, copied into
    // the project first when assets are copied.
    void _replaceEditingSegmentPicture(const QString& file, int kind);
    // Stores what differs from the project's settings and re-lays out what
    // depends on it: the aspect (an index of ProjectManager::Resolution)
    // and direction (true for landscape) change the composition's size.
    void _applyProjectSettings(int aspect, bool landscape, float frameRate, bool fixCoverImage,
                               const QColor& backgroundColor);
    // Help tips once the window is idle: the media library's while its pane
    // is open (after loading, and when a drag first makes the library); the
    // segment operations', without a widget for the first segment's.
    void _showMediaExplorerHelpTip();
    void _showSegmentOperationTips(SegmentWidget* widget);
    // The same, half a second later, when the tile is still there.
    void _showSegmentOperationTipsSoon(SegmentWidget* widget);

    // Where the recording of the microphone popup begins, in seconds.
    float _recordingStart = 0.0f;
    // Milliseconds since the epoch: the media preview last shown, the last Escape acted on.
    qint64 _mediaPreviewShownAt = 0;
    qint64 _lastEscapeAt = 0;

private:
    // Full screen, a heads-up message, a popup or a help tip in front.
    bool _refusesAddCommand() const;
    void _targetTrack(int trackId);
    float _newSegmentStartTime();
    // Placed on the insertion track, the project marked modified; a new
    // empty bottom track when the segment went on the last one. Its widget.
    SegmentWidget* _placeAddedSegment(Segment* segment, const QString& trackType);
    void _editNewSegmentSoon(SegmentWidget* widget);
    // The popup becomes the current one, opened from the anchor (may be null).
    void _showPopup(CommonPopup* popup, QWidget* anchor);
    QPoint _popupAnchorPoint() const;
    void _replacePopup();
    void _runWhenIdle(const std::function<void()>& step);
    void _applyBackgroundColor(const QColor& color);
    // The playback area's container shows the project's background around the preview.
    void _stylePreviewBackground(const QColor& color);
    void _applyAspect(int aspect, bool landscape);

    // --- transitions ---
protected:
    // Selects the first transition of the segment in editing when none is.
    void _selectFirstTransitionIfNone();
    // Selects the transition on the tile in editing; below 1 none, and the
    // transform overlay goes.
    void _segmentEditingSelectTransition(int transitionId);
    void _segmentEditingSelectTransitionAtIndex(int position);
    // Pauses and shows the selected transition's start (non-zero) or end; its id.
    int _segmentEditingSeekToTransition(int beginOrEnd);
    // The icon of the transition's easing: the linear one for id 0 or less,
    // empty for a stored code without a curve.
    static QString _easingIconPath(const Segment* segment, int transitionId);
    // The easing curves below the button, for the selected transition only.
    void _popupEasingFunctions(QPushButton* button, int cmdId);
    // Duplicates or removes the transition when it is the one selected on the tile in editing.
    void _duplicateCurrentTransition(int transitionId);
    void _removeCurrentTransition(int transitionId);

protected slots:
    void easingFunctionPopup_onEasingFunctionSelected(PopupEasingFunctionsWidget* popup, int easing);
    void easingFunctionPopup_onApplyToAllTransitionsRequested(PopupEasingFunctionsWidget* popup, int easing);

private:
    void _duplicateEditedTransition(SegmentWidget* widget);
    void _removeEditedTransition(SegmentWidget* widget);
    void _removeEngineAnimation(Segment* segment, int removedId);
    void _changeEditedTransitionState(Segment* segment, int transitionId, int cmdId);
    void _toggleSegmentPerspectiveWhileInTransition(Segment* segment);
    void _finishTransitionChange();
    void _sendEasing(const Segment* segment, int transitionId);

    // --- Geometry commands ---------------------------------------------------------
    // Where the edited visual layer sits: position, size, rotation and
    // perspective corners, on the segment or on the shown end of its edited
    // transition. A live value moves the model and the overlay only and
    // reaches the engine when committed. A press-and-hold edit keeps the
    // values from before it; until the edit ends, whatever records, saves,
    // undoes or leaves editing first puts those back, so that moving values
    // never reach a snapshot or the disk.
protected slots:
    // Keys "x", "y" (translation), "w", "h" (scale) and "r" (rotation); others are ignored.
    void _segmentEditingSetGeometry(QHash<QString, qreal> dictValue);
    void _segmentEditingUpdateGeometry(QHash<QString, qreal> dictValue);
    void _segmentEditingSetGeometryX(double xValue);
    void _segmentEditingSetGeometryY(double yValue);
    void _segmentEditingSetGeometryWidth(double widthValue);
    void _segmentEditingSetGeometryHeight(double heightValue);
    void _segmentEditingSetGeometryRotation(double rotationValue);
    void _segmentEditingUpdateGeometryX(double xValue);
    void _segmentEditingUpdateGeometryY(double yValue);
    void _segmentEditingUpdateGeometryWidth(double widthValue);
    void _segmentEditingUpdateGeometryHeight(double heightValue);
    void _segmentEditingUpdateGeometryRotation(double rotationValue);
    // The start and the end of a press-and-hold edit: the first hands out
    // the values the edit starts from (four corners each), the second puts
    // them back into the model before the final value is committed.
    void _segmentEditingBeforeUpdateGeometry(QPointF& translation, QPointF& scale, qreal& rotation,
                                             qreal* cornerXOffsets, qreal* cornerYOffsets);
    void _segmentEditingAfterUpdateGeometry(QPointF translation, QPointF scale, double rotation,
                                            const qreal* cornerXOffsets, const qreal* cornerYOffsets);
    // Corners 0 top-left, 1 top-right, 2 bottom-right, 3 bottom-left; another index changes nothing.
    void _segmentEditingSetCornerOffset(int cornerIndex, double xOffset, double yOffset);
    void _segmentEditingUpdateCornerOffset(int cornerIndex, double xOffset, double yOffset);
    // Makes the corner the active one on the transform overlay, which reports it back.
    void _segmentEditingSetCornerIndex(int cornerIndex);
    // 0 left, 1 centre, 2 right, for the edited text segment.
    void _segmentEditingSetTextAlignment(int alignment);
    // The inspector's drawing panels the drawing mode uses; null clears them.
    void _segmentEditingSetDrawingWidgets(DrawingColorWidget* colorWidget, DrawingTuningWidget* tuningWidget);

protected:
    // Puts back the values from before a live geometry edit that is still
    // open and closes it; nothing when none is open.
    void _settleLiveGeometry();

private:
    struct GeometryValues {
        QPointF translation;
        QPointF scale;
        double rotation = 0.0;
        QPointF corners[4];
    };
    // The segment's own placement (transition 0) or one end of a transition.
    struct GeometryTarget {
        Segment* segment = nullptr;
        int transitionId = 0;
        bool begin = false;
        QPointF translation() const;
        void setTranslation(const QPointF& translation) const;
        QPointF scale() const;
        void setScale(const QPointF& scale) const;
        double rotation() const;
        void setRotation(double rotation) const;
        QPointF anchor() const;
        void setAnchor(const QPointF& anchor) const;
        QPointF corner(int index) const;
        void setCorner(int index, const QPointF& offset) const;
        GeometryValues values() const;
        void setValues(const GeometryValues& values) const;
    };
    // The edited visual segment and the part of it the preview shows; no segment otherwise.
    GeometryTarget _geometryTarget() const;
    // Writes the dictionary's keys; committed values also go to the engine as stored.
    void _writeGeometryKeys(const GeometryTarget& target, const QHash<QString, qreal>& dictValue, bool commit);
    void _sendGeometry(const GeometryTarget& target, int propertyId, float a, float b);
    void _finishCommittedGeometry();
    // Remembers the target's values before its first live change.
    void _openLiveGeometry(const GeometryTarget& target);

    // The open live edit: its segment's "UId" (empty when none), its target
    // and the values from before it.
    QString _liveGeometryUId;
    int _liveGeometryTransition = 0;
    bool _liveGeometryBegin = false;
    GeometryValues _liveGeometryBefore;

    // --- Transform overlay and placement presets -----------------------------------
protected:
    // Builds the overlay for the segment over the overlay host (the widget
    // holding the preview); none when the segment's media has no usable size.
    void _createTransformWidget(Segment* segment);
    // Places an existing overlay again from the segment's current placement.
    void _layoutTransformWidget(Segment* segment);
    // One-click placements of the overlay's segment; each does nothing
    // without an overlay.
    void _maintainAspectRatio();
    void _restoreDefaultGeometry();
    void _originalSize();
    void _fillScreen();
    // The picture or video size of a picture, drawing or movie; invalid for
    // any other segment and while the media is not loaded.
    static QSizeF _layerMediaSize(const Segment* segment);

    // Where the edited layer's default centre lies in the overlay host, and
    // its size at scale 1 in preview pixels; both follow every lay-out.
    QPointF _overlayOrigin;
    QSizeF _overlayBaseSize;

protected slots:
    void _segmentEditingMaintainAspectRatio();
    void _segmentEditingRestoreDefault();
    // The overlay's reports: a finished drag or preset (recorded and written
    // to the segment or the shown transition state), its options menu at a
    // global position, and the corner made active.
    void transformWidget_contentLayerGeometryDidChange(TransformWidget* transformWidget);
    void transformWidget_popupTransformViewOptionsMenu(TransformWidget* transformWidget, QPoint pos);
    void transformWidget_activePointIndexDidChange(TransformWidget* transformWidget, int index);

private:
    struct OverlayFrame;
    // The widget the overlay covers; null unless it contains the preview widget.
    QWidget* _overlayHost() const;
    QSizeF _overlayPreviewSize() const;
    // A preview point, rounded to whole pixels, in overlay-host coordinates.
    QPointF _previewPointInHost(const QPointF& point) const;
    bool _overlayFrame(const Segment* segment, OverlayFrame* frame) const;
    void _placeTransformWidget(TransformWidget* overlay, const OverlayFrame& frame, const Segment* segment);
    void _fadeInTransformWidget(TransformWidget* overlay);
    // Writes the placement into the segment or the shown transition state and
    // sends the values, read back, to the engine.
    void _writeLayerPlacement(Segment* segment, const GeometryValues& placement, const QPointF& anchor);
    void _resetOwnGeometry(Segment* segment);
    void _resetTransitionStateGeometry(Segment* segment, int transitionId, bool begin);
    // --- The mouse: the transform overlay first, then the play pointers, then the canvas ---
protected:
    bool event(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Whether the press (window coordinates) lies on the pointer's handle.
    bool _pressesPointer(const PointerWidget* pointer, const QPoint& pos) const;
    void _beginPointerDrag(const QPoint& pos);
    void _beginSecondPointerDrag(const QPoint& pos);
    void _enterRangeSelectionIfHeld(int press);
    void _dragPointerTo(const QPoint& pos);
    void _dragSecondPointerTo(const QPoint& pos);
    // A dragged pointer's x kept at the viewport's margins (pinned there
    // outside range selection); an edge reached arms the auto-scroll, and
    // in range selection a pointer away from the edges snaps to segment edges.
    float _pinnedPointerX(float x, bool ranging);
    void _arriveAtEdge(bool& edgeFlag);
    void _endPointerDrags();
    // Moves the pointer back inside the timeline's viewport; false when it was inside.
    bool _bringPointerIntoViewport(PointerWidget* pointer);
    QRect _pointerViewport() const;
    void _queueSeekToPointer();
    // With the drawing canvas open the event goes to it, mapped into it.
    bool _forwardToCanvas(QMouseEvent* event);

    bool _draggingPointer = false;
    bool _pointerMoved = false;
    QPoint _pointerPressPosition;
    int _pointerStartX = 0;
    // Counts presses on the play pointer and arrivals at an edge, so that
    // the delayed steps of an earlier one do nothing.
    int _pointerPressCount = 0;
    int _edgeArrivalCount = 0;

    // --- Drawing editing: the canvas over the preview and its panels ---
protected:
    // Begins drawing editing when the editing segment is a drawing.
    void _segmentEditingEditDrawing();
    // Lays a canvas of the project's full movie size over the preview with
    // the drawing's picture; nothing while a canvas is open.
    void _beginDrawingEditing(DrawingSegment* drawing);
    // Pushes the panels' settings into the canvas (null: the window's);
    // nothing without a tuning and a colour panel.
    void _updateDrawingWidgets(CanvasWidget* canvas, DrawingTuningWidget* tuningWidget,
                               DrawingColorWidget* colorWidget, DrawingToolsWidget* toolsWidget);

protected slots:
    // The inspector's panels, wired once when its drawing section is made.
    void _segmentEditingSetConnectionsForDrawingWidgets(DrawingColorWidget* colorWidget,
                                                        DrawingTuningWidget* tuningWidget,
                                                        DrawingToolsWidget* toolsWidget);
    void canvasWidget_onDrawBegan(CanvasWidget* canvasWidget);
    void canvasWidget_onTextChanged(CanvasWidget* canvasWidget, QString text);
    void canvasWidget_onPictureChanged(CanvasWidget* canvasWidget, QPixmap pixmap);
    void canvasWidget_onTextSizeChangedByGesture(CanvasWidget* canvasWidget, float size);
    void canvasWidget_onPictureSizeChangedByGesture(CanvasWidget* canvasWidget, float size);
    void canvasWidget_onShowWaiting(CanvasWidget* canvasWidget);
    void canvasWidget_onHideWaiting(CanvasWidget* canvasWidget);
    void drawingColorWidget_onColorChanged(DrawingColorWidget* colorWidget, QColor color);
    void drawingColorWidget_onPatternChanged(DrawingColorWidget* colorWidget, QPixmap image);
    void drawingColorWidget_onNeedColorPickingImage(DrawingColorWidget* colorWidget, QImage* image);
    void drawingColorWidget_onGetPlaybackAreaFrame(DrawingColorWidget* colorWidget, QRect* rect, QWidget* inWidget);
    void drawingToolsWidget_onCommand(DrawingToolsWidget* toolsWidget, int cmdId, float para);
    void drawingTuningWidget_onLineWidthChanging(DrawingTuningWidget* tuningWidget, float lineWidth);
    void drawingTuningWidget_onLineWidthChanged(DrawingTuningWidget* tuningWidget, float lineWidth);
    void drawingTuningWidget_onHardnessChanging(DrawingTuningWidget* tuningWidget, float hardness);
    void drawingTuningWidget_onHardnessChanged(DrawingTuningWidget* tuningWidget, float hardness);
    void drawingTuningWidget_onEditTextPressed(DrawingTuningWidget* tuningWidget);
    void drawingTuningWidget_onTextDonePressed(DrawingTuningWidget* tuningWidget);
    void drawingTuningWidget_onTextAlignChanged(DrawingTuningWidget* tuningWidget, int align);
    void drawingTuningWidget_onTextSizeChanged(DrawingTuningWidget* tuningWidget, int size);
    void drawingTuningWidget_onTextFontChanged(DrawingTuningWidget* tuningWidget, QString fontName,
                                               QString fontStyle);
    void drawingTuningWidget_onOpenPicturePressed(DrawingTuningWidget* tuningWidget, QRect buttonRect);
    void drawingTuningWidget_onPictureDonePressed(DrawingTuningWidget* tuningWidget);
    void drawingTuningWidget_onPictureSizeChanged(DrawingTuningWidget* tuningWidget, float size);

private:
    void _connectCanvas(CanvasWidget* canvas);
    // From the pencil to the eraser or back, with the tuning panel's values of that tool.
    void _switchPencilAndEraser();
    void _saveDrawingToAlbum();
    // The engine keeps the picture it loaded: a saved drawing, a new file, is loaded anew.
    void _reloadDrawingInEngine(DrawingSegment* drawing);
    // The preview surface's picture with the open canvas painted over it;
    // null without a preview surface.
    QImage _colorPickingImage() const;
};

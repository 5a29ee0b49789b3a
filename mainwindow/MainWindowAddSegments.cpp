// New segments made by the Add commands, the track header buttons, the
// add-media popup, the camera and the microphone: drawings, texts and voice
// recordings are built here, files go to the media intake.
#include "MainWindow.h"

#include "AVComposition.h"
#include "AVEngine.h"
#include "CameraDialog.h"
#include "DrawingSegment.h"
#include "EditScrollArea.h"
#include "GutterScrollArea.h"
#include "ImageSegment.h"
#include "MovieSizeForLevel.h"
#include "PopupMediaTypeSelectionWidget.h"
#include "PopupMicrophoneWidget.h"
#include "ProjectManager.h"
#include "SegmentStyleDefaults.h"
#include "SegmentWidget.h"
#include "TextSegment.h"
#include "TrackWidget.h"
#include "UserSettings.h"
#include "Util.h"
#include "VoiceSegment.h"
#include "WidgetAnimations.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QSound>

#include <algorithm>

namespace {

constexpr int kOpenEditorDelayMs = 750;
// Past the end of what is there, so that the pointer lies inside the new segment.
constexpr float kScrollPastStart = 0.01f;
constexpr float kStartTolerance = 0.01f;
// The size a new drawing is made at: the highest movie size level.
constexpr int kDrawingSizeLevel = 5;

// The popup kinds (0 any, 1 video, 2 picture, 3 music) as media intake kinds.
int intakeKindForPopupKind(int popupKind)
{
    switch (popupKind) {
    case 0:
        return MainWindow::MediaInsertAny;
    case 1:
        return MainWindow::MediaInsertVideo;
    case 2:
        return MainWindow::MediaInsertPicture;
    case 3:
        return MainWindow::MediaInsertMusic;
    default:
        return 0;
    }
}

} // namespace

// --- Targeting ---------------------------------------------------------------------

bool MainWindow::_refusesAddCommand() const
{
    return _fullScreen || _isShowingModalHint();
}

void MainWindow::_targetTrack(int trackId)
{
    _insertionTrack = _timeline ? _timeline->trackWidgetById(trackId) : nullptr;
}

void MainWindow::onActionAddFileTriggered()
{
    if (_refusesAddCommand() || !_newestTrack)
        return;
    _targetTrack(_newestTrack->trackId());
    _addMediaFiles(MediaInsertAny);
}

void MainWindow::onActionAddFromCameraTriggered()
{
    if (_refusesAddCommand() || !_newestTrack)
        return;
    _targetTrack(_newestTrack->trackId());
    _showCameraDialog(0);
}

void MainWindow::onActionAddFromMicrophoneTriggered()
{
    if (_refusesAddCommand() || !_newestTrack)
        return;
    _targetTrack(_newestTrack->trackId());
    _showMicrophonePopup();
}

void MainWindow::onActionAddSelfDrawTriggered()
{
    if (_refusesAddCommand() || !_newestTrack)
        return;
    _targetTrack(_newestTrack->trackId());
    _addDrawingSegment();
}

void MainWindow::onActionAddTextTriggered()
{
    if (_refusesAddCommand() || !_newestTrack)
        return;
    _targetTrack(_newestTrack->trackId());
    _addTextSegment();
}

void MainWindow::gutterArea_onFunctionButtonPressed(int tag)
{
    _targetTrack(tag);
    if (!_insertionTrack)
        return;
    _pausePlayback();
    QWidget* anchor = _gutterArea->buttonForTag(tag);
    if (_gutterArea->lastTagIs(tag)) {
        _showAddMediaMenu(0, anchor);
        return;
    }
    const QString type = _insertionTrack->trackType();
    if (type == QLatin1String("MOVIE"))
        _showAddMediaMenu(1, anchor);
    else if (type == QLatin1String("IMAGE"))
        _showAddMediaMenu(2, anchor);
    else if (type == QLatin1String("TEXT"))
        _addTextSegment();
    else if (type == QLatin1String("MUSIC"))
        _addMediaFiles(MediaInsertMusic);
    else if (type == QLatin1String("DRAWING"))
        _addDrawingSegment();
    else if (type == QLatin1String("VOICE"))
        _showMicrophonePopup();
}

// --- The add-media popup -----------------------------------------------------------

void MainWindow::_showAddMediaMenu(int kind, QWidget* anchor)
{
    static const char* const kTitles[] = {QT_TR_NOOP("Add Media"), QT_TR_NOOP("Add Video"),
                                          QT_TR_NOOP("Add Picture"), QT_TR_NOOP("Add Music")};
    const QString title = kind >= 0 && kind < 4 ? tr(kTitles[kind]) : QString();
    auto* popup = new PopupMediaTypeSelectionWidget(centralWidget());
    popup->setMediaKind(kind);
    popup->showAtAnchor(centralWidget(), title, anchor);
    _showPopup(popup, anchor);
    connect(popup, &PopupMediaTypeSelectionWidget::popupMediaTypeSelectionWidgetDidClickSelectFile, this,
            &MainWindow::mediaTypeSelectionPopup_onClickSelectFile);
    connect(popup, &PopupMediaTypeSelectionWidget::popupMediaTypeSelectionWidgetDidClickCamera, this,
            &MainWindow::mediaTypeSelectionPopup_onClickCamera);
    connect(popup, &PopupMediaTypeSelectionWidget::popupMediaTypeSelectionWidgetDidClickMicrophone, this,
            &MainWindow::mediaTypeSelectionPopup_onClickMicrophone);
    connect(popup, &PopupMediaTypeSelectionWidget::popupMediaTypeSelectionWidgetDidClickText, this,
            &MainWindow::mediaTypeSelectionPopup_onClickText);
    connect(popup, &PopupMediaTypeSelectionWidget::popupMediaTypeSelectionWidgetDidClickSelfDraw, this,
            &MainWindow::mediaTypeSelectionPopup_onClickSelfDraw);
}

void MainWindow::mediaTypeSelectionPopup_onClickSelectFile(PopupMediaTypeSelectionWidget* popup)
{
    const int kind = intakeKindForPopupKind(popup->mediaKind());
    popup->dismiss();
    if (kind != 0)
        _addMediaFiles(kind);
}

void MainWindow::mediaTypeSelectionPopup_onClickCamera(PopupMediaTypeSelectionWidget* popup)
{
    const int kind = popup->mediaKind();
    popup->dismiss();
    _showCameraDialog(kind);
}

void MainWindow::mediaTypeSelectionPopup_onClickMicrophone(PopupMediaTypeSelectionWidget* popup)
{
    popup->dismiss();
    _showMicrophonePopup();
}

void MainWindow::mediaTypeSelectionPopup_onClickSelfDraw(PopupMediaTypeSelectionWidget* popup)
{
    popup->dismiss();
    _addDrawingSegment();
}

void MainWindow::mediaTypeSelectionPopup_onClickText(PopupMediaTypeSelectionWidget* popup)
{
    popup->dismiss();
    _addTextSegment();
}

// --- Drawings and texts --------------------------------------------------------------

float MainWindow::_newSegmentStartTime()
{
    float start = _currentScrollTime();
    if (_insertionTrack && _insertionTrack != _newestTrack) {
        start = std::max(start, _insertionTrack->contentEndTime());
        _scrollToTime(start > 0.0f ? start + kScrollPastStart : start, true);
    }
    return start;
}

SegmentWidget* MainWindow::_placeAddedSegment(Segment* segment, const QString& trackType)
{
    TrackWidget* track = _insertionTrack ? _insertionTrack.data() : _newestTrack.data();
    _placeNewSegment(segment, track, trackType);
    auto* widget = qobject_cast<SegmentWidget*>(_projectManager->segmentWidgetFor(segment));
    _projectManager->setModified(true);
    if (track == _newestTrack)
        _addTrack();
    _updateProjectDuration();
    return widget;
}

// The new tile enters editing and its segment its edit mode a moment
// later, without the fly-in of the tools.
void MainWindow::_editNewSegmentSoon(SegmentWidget* widget)
{
    QPointer<SegmentWidget> tile = widget;
    _runForProject(kOpenEditorDelayMs, [this, tile] {
        if (!tile)
            return;
        const bool animations = animationsEnabled();
        setAnimationsEnabled(false);
        tile->setEditing(true, false);
        _beginTextOrDrawingEditing(tile->segment());
        setAnimationsEnabled(animations);
    });
}

void MainWindow::_addDrawingSegment()
{
    if (!_newestTrack)
        return;
    _recordOperation();
    const float start = _newSegmentStartTime();
    const QSizeF aspect = _projectManager->aspectSize();
    const QSize size = movieSizeForLevel(float(aspect.width()), float(aspect.height()), kDrawingSizeLevel);
    const float duration = UserSettings::instance()->drawingDuration();
    auto* drawing = new DrawingSegment(QSizeF(size), start, duration, this, habitStyleDefaults());
    drawing->setRangeDuration(duration);
    _editNewSegmentSoon(_placeAddedSegment(drawing, QStringLiteral("DRAWING")));
}

void MainWindow::_addTextSegment()
{
    if (!_newestTrack)
        return;
    _recordOperation();
    const float start = _newSegmentStartTime();
    const float duration = UserSettings::instance()->textDuration();
    auto* text = new TextSegment(QString(), start, duration, this, habitStyleDefaults());
    text->setRangeDuration(duration);
    // The size refers to the canvas the text is made on, unless the style
    // defaults gave it a video size of their own. Without an engine it
    // refers to the project's reference size, as texts of older projects do.
    const QSizeF canvas = _composition ? QSizeF(_composition->width(), _composition->height()) : QSizeF();
    if (!text->hasVideoSize() && !canvas.isEmpty())
        text->setVideoSize(canvas);
    _editNewSegmentSoon(_placeAddedSegment(text, QStringLiteral("TEXT")));
}

// --- Voice recordings ----------------------------------------------------------------

float MainWindow::_recordingStartTime()
{
    float start = _currentScrollTime();
    if (_insertionTrack && _insertionTrack != _newestTrack) {
        start = std::max(start, _insertionTrack->contentEndTime());
        _scrollToTime(start, true);
        _seekPreview(start, true);
        QCoreApplication::processEvents();
    }
    return std::max(0.0f, start);
}

void MainWindow::_showMicrophonePopup()
{
    _recordingStart = _recordingStartTime();
    auto* popup = new PopupMicrophoneWidget(centralWidget());
    popup->showForRecording(centralWidget(), _recordingStart, 1);
    popup->setNotDismissable(true);
    _showPopup(popup, nullptr);
    connect(popup, &PopupMicrophoneWidget::popupMicrophoneWidgetGetStartTime, this,
            &MainWindow::microphonePopup_onGetStartTime, Qt::DirectConnection);
    connect(popup, &PopupMicrophoneWidget::popupMicrophoneWidgetRequestScrollToTime, _projectScope,
            [this](PopupMicrophoneWidget* from, float time) { microphonePopup_onRequestScrollToTime(from, time); },
            Qt::QueuedConnection);
    connect(popup, &PopupMicrophoneWidget::popupMicrophoneWidgetSoundCaptured, _projectScope,
            [this](PopupMicrophoneWidget* from, const QString& file, const QList<float>& meter) {
                microphonePopup_onSoundCaptured(from, file, meter);
            },
            Qt::QueuedConnection);
}

void MainWindow::microphonePopup_onGetStartTime(PopupMicrophoneWidget*, float* startTime)
{
    _recordingStart = std::max(_recordingStartTime(), _currentScrollTime());
    if (startTime)
        *startTime = _recordingStart;
}

void MainWindow::microphonePopup_onRequestScrollToTime(PopupMicrophoneWidget*, float t)
{
    _scrollToTime(t, false);
}

void MainWindow::microphonePopup_onSoundCaptured(PopupMicrophoneWidget* popup, QString fileName,
                                                 QList<float> meterValues)
{
    if (popup)
        popup->dismiss();
    // The user recorded on purpose: a tile left in editing must not swallow the recording.
    if (_timeline && _timeline->isEditingSegment())
        _leaveEditingUntilIdle();
    const QString target = _moveCaptureIntoProject(fileName, QStringLiteral("sound-%1.wav"),
                                                   tr("Cannot move the recorded sound file"));
    if (!target.isEmpty())
        _addVoiceSegment(target, _recordingStart, meterValues);
}

void MainWindow::_addVoiceSegment(const QString& file, float startTime, const QList<float>& meterValues)
{
    if (!_newestTrack)
        return;
    const bool onNewestTrack = !_insertionTrack || _insertionTrack == _newestTrack;
    _recordOperation();
    if (Util::compareWithTolerance(startTime, _currentScrollTime(), kStartTolerance) != 0)
        _scrollToTime(startTime, true);
    auto* voice = new VoiceSegment(file, startTime, meterValues, this);
    SegmentWidget* widget = _placeAddedSegment(voice, QStringLiteral("VOICE"));
    if (onNewestTrack)
        _showSegmentOperationTipsSoon(widget);
}

// --- Camera ---------------------------------------------------------------------------

void MainWindow::_showCameraDialog(int kind)
{
    const int captureType = kind == 0 || kind == 1 ? 0 : 1;
    CameraDialog dialog(captureType, this);
    dialog.setWindowFlags(dialog.windowFlags() & ~Qt::WindowContextHelpButtonHint);
    dialog.setWindowTitle(QStringLiteral("\t"));
    dialog.setBusy(kind != 0);
    connect(&dialog, &CameraDialog::cameraDialogShouldCapturePhoto, this, &MainWindow::_playShutterSound);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.captureType() == 1)
        _insertCapturedPhoto(dialog.capturedFilePath());
    else
        _insertCapturedMovie(dialog.capturedFilePath());
}

void MainWindow::_playShutterSound()
{
    QSound::play(QStringLiteral(":/assets/shutter.wav"));
}

// --- Replacing the edited picture ------------------------------------------------------

void MainWindow::_replaceEditingSegmentPicture(const QString& file, int kind)
{
    const QString path = _mediaPathForProject(file);
    if (path.isEmpty())
        return;
    auto* picture = dynamic_cast<ImageSegment*>(_editingSegment());
    if (!picture || kind != MediaInsertPicture || picture->type() != QLatin1String("IMAGE"))
        return;
    _recordOperation();
    picture->setFile(path);
    _relayoutSegmentWidget(picture, false);
    _layoutTransformWidgetForEditingSegment(true);
    if (_engine) {
        const QVector<int> ids = _projectManager->layerSegmentIds();
        _engine->setVisibleSegments(ids.constData(), ids.size());
    }
    _projectManager->setModified(true);
}

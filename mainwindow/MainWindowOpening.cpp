// Opening a project: the engine stack, the loader's reports and the
// segments, tracks and tiles made from its records.
#include "MainWindow.h"

#include "AVComposition.h"
#include "AVEngine.h"
#include "AVGLWidget.h"
#include "AVImageLoader.h"
#include "AVImageServices.h"
#include "AVRender.h"
#include "DrawingSegment.h"
#include "EditScrollArea.h"
#include "GutterScrollArea.h"
#include "ImageSegment.h"
#include "MediaExplorer.h"
#include "MovieSegment.h"
#include "MusicSegment.h"
#include "ProgressHUD.h"
#include "ProjectLoader.h"
#include "ProjectManager.h"
#include "RecordRepair.h"
#include "RulerScrollArea.h"
#include "SegmentWidget.h"
#include "TextSegment.h"
#include "TrackWidget.h"
#include "UserSettings.h"
#include "Util.h"
#include "VoiceSegment.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QHash>
#include <QPoint>

#include <limits>
#include <memory>
#include <utility>

namespace {

constexpr int kEngineStartDelayMs = 100;
constexpr int kSegmentTipsDelayMs = 1000;
// A surface that never becomes valid must not hold the window for good.
constexpr int kGLWaitLimitMs = 5000;
constexpr int kGLWaitStepMs = 10;

// The engine takes colours as four fractions of 255.
void setCompositionBackground(AVComposition* composition, const QColor& color)
{
    composition->setBackgroundColor(float(color.red()) / 255.0f, float(color.green()) / 255.0f,
                                    float(color.blue()) / 255.0f, float(color.alpha()) / 255.0f);
}

using SegmentFactory = std::unique_ptr<Segment> (*)(std::unique_ptr<SegmentAttributes>, SegmentListener*);

template <typename SegmentClass>
std::unique_ptr<Segment> makeSegment(std::unique_ptr<SegmentAttributes> record, SegmentListener* owner)
{
    return std::make_unique<SegmentClass>(std::move(record), owner, false);
}

// The segment class of each type this version builds.
const QHash<QString, SegmentFactory>& segmentFactories()
{
    static const QHash<QString, SegmentFactory> factories{
        {QStringLiteral("MOVIE"), &makeSegment<MovieSegment>}, {QStringLiteral("IMAGE"), &makeSegment<ImageSegment>},
        {QStringLiteral("DRAWING"), &makeSegment<DrawingSegment>}, {QStringLiteral("MUSIC"), &makeSegment<MusicSegment>},
        {QStringLiteral("TEXT"), &makeSegment<TextSegment>}, {QStringLiteral("VOICE"), &makeSegment<VoiceSegment>}};
    return factories;
}

QString typeOf(const SegmentAttributes* record)
{
    return Segment::stringAttribute(record, QStringLiteral("Type"));
}

} // namespace

std::unique_ptr<Segment> MainWindow::_segmentFromRecord(std::unique_ptr<SegmentAttributes> record,
                                                        SegmentListener* owner)
{
    const SegmentFactory factory = segmentFactories().value(typeOf(record.get()));
    return factory ? factory(std::move(record), owner) : nullptr;
}

bool MainWindow::_openProject()
{
    if (!_showOpenProjectError()) {
        _markOpenFailed();
        return false;
    }
    showWaitingHUD(tr("Opening..."));
    _stylePreviewBackground(QColor::fromRgba(_projectManager->backgroundColor()));
    _runForProject(kEngineStartDelayMs, [this] {
        if (!_prepareOpenGL())
            return;
        _removeExportedFiles();
        _loadProject();
    });
    return true;
}

void MainWindow::_stylePreviewBackground(const QColor& color)
{
    if (_previewContainer)
        _previewContainer->setStyleSheet(QStringLiteral("background-color: rgba(%1,%2,%3,%4)")
                                             .arg(color.red())
                                             .arg(color.green())
                                             .arg(color.blue())
                                             .arg(color.alpha()));
}

bool MainWindow::_prepareOpenGL()
{
    if (_previewWidget)
        return true;
    _previewWidget = new AVGLWidget(_previewContainer);
    auto* layout = qobject_cast<QBoxLayout*>(_previewContainer->layout());
    if (!layout) {
        layout = new QVBoxLayout(_previewContainer);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    layout->addWidget(_previewWidget);
    QElapsedTimer clock;
    clock.start();
    // A window closed before any event loop ran, and deleted on close, goes
    // in the first events processed here.
    const QPointer<MainWindow> alive(this);
    while (alive && !_previewWidget->isValid() && clock.elapsed() < kGLWaitLimitMs) {
        qDebug() << "Still wait until opengl initialized...";
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::msleep(kGLWaitStepMs);
    }
    if (!alive)
        return false;
    if (!_previewWidget->isValid())
        qWarning() << "The preview surface is still not valid after" << kGLWaitLimitMs << "ms; going on";
    connect(this, &MainWindow::offscreenReady, _previewWidget, QOverload<>::of(&QWidget::update),
            Qt::QueuedConnection);

    const float ratio = segmentDevicePixelRatio(nullptr);
    const int width = _previewWidget->width();
    const int height = _previewWidget->height();
    qDebug() << "GL widget width=" << width << " height=" << height << " pixel ratio=" << ratio;
    _render = new AVRender(nullptr, int(float(width) * ratio), int(float(height) * ratio));
    _render->setOwner(this);
    const QColor background = QColor::fromRgba(_projectManager->backgroundColor());
    _previewWidget->setBackgroundColor(background);
    _previewWidget->setRender(_render);

    const QSize movieSize = _projectManager->movieSize(_previewSizeLevel);
    _composition = new AVComposition(movieSize.width(), movieSize.height(), AVEngine::kSampleRate,
                                     AVEngine::kChannelCount, nullptr);
    setCompositionBackground(_composition, background);
    _composition->addObserver(&MainWindow::AVSegmentLoadStatusCallback, this);
    _render->setComposition(_composition);
    _render->setWaitForPresent(1);
    _composition->setDoubleBuffered(1);
    avSetImageServicesCompositionSize(movieSize.width(), movieSize.height());
    avSetImageRequestCallback(&MainWindow::loadSegmentImage, this);

    _imageLoader = new AVImageLoader();
    _engine = new AVEngine(_composition, _imageLoader, _render);
    _engine->setEventCallback(&MainWindow::AVSegmentThumbnailStatusCallback, this);
    _engine->setOwner(this);
    AVEngine::setCurrentEngine(_engine);
    _render->setStateCallback(&MainWindow::AVRenderCallback, this);
    _render->startThreads();
    _engine->requestRedraw();
    return true;
}

void MainWindow::showWaitingHUD(const QString& text)
{
    if (!_waitingHUD) {
        _waitingHUD = new ProgressHUD(this, ProgressHUDSpinner);
        _waitingHUD->setGeometry(0, 0, width(), height());
    }
    _waitingHUD->setText(text);
    _waitingHUD->show();
}

void MainWindow::hideWaitingHUD()
{
    if (!_waitingHUD)
        return;
    ProgressHUD* hud = std::exchange(_waitingHUD, nullptr);
    hud->hide();
    hud->close();
    delete hud;
}

void MainWindow::onProjectLoaderMessage(ProjectLoader* loader, int message, QVariant data)
{
    // Reports still queued when the window closed find nothing to work on.
    if (!_projectManager)
        return;
    switch (message) {
    case ProjectLoaderProgress: {
        const QPoint counts = data.toPoint();
        showWaitingHUD(QStringLiteral("<html>%1<br><font color=gray><i>%2/%3</i></font></html>")
                           .arg(tr("Opening..."))
                           .arg(counts.x())
                           .arg(counts.y()));
        break;
    }
    case ProjectLoaderSegmentsReady:
        // The records live in the loader, which must be the running one.
        if (loader && loader == _projectLoader.data())
            _createSegmentsFromRecords(loader);
        break;
    case ProjectLoaderBackgroundColor:
        if (_composition)
            setCompositionBackground(_composition, QColor::fromRgba(QRgb(data.toInt())));
        break;
    case ProjectLoaderConvertFailed: {
        const QString text = data.toString();
        _closeAfterFailedLoad(tr("Convert Project Failed"),
                              text.isEmpty() ? tr("Open project error occurs (%1)").arg(message) : text);
        break;
    }
    case ProjectLoaderNoProject:
        _closeAfterFailedLoad(tr("Open Project Failed"), tr("Current movie project is damaged."));
        break;
    case ProjectLoaderUnreadable:
        _closeAfterFailedLoad(tr("Open Project Failed"), unreadableProjectText(data.toString()));
        break;
    case ProjectLoaderAllLoaded:
        // What the segments reported before they all loaded comes first.
        _relayStateReports(std::numeric_limits<qint64>::max());
        _finishLoading();
        break;
    default:
        break;
    }
}

// A project that did not open is not this window's: not even the media
// library's settings go into its folder.
void MainWindow::_markOpenFailed()
{
    _openFailed = true;
    if (_mediaExplorer)
        _mediaExplorer->keepSettingsUnwritten();
}

// Nothing of the project was read: closing must neither save an empty
// project over it nor tidy away the media its records still name.
void MainWindow::_closeAfterFailedLoad(const QString& title, const QString& text)
{
    _beginClosing();
    _markOpenFailed();
    Util::showMessageBox(this, title, text, QMessageBox::Warning);
    hideWaitingHUD();
    _finishClosing();
}

// The repair changes records in place and leaves some out, keeping the
// order of the others. A record the window does not build, for either
// reason, stays in the project as it was read. Those are all known before
// the first track is made, so that no track takes the track id of one.
void MainWindow::_createSegmentsFromRecords(ProjectLoader* loader)
{
    SegmentRecords records = loader->takeRecords();
    SegmentRecords asRead;
    std::vector<const SegmentAttributes*> read;
    for (const std::unique_ptr<SegmentAttributes>& record : records) {
        asRead.push_back(record->copy());
        read.push_back(record.get());
    }
    const UserSettings* settings = UserSettings::instance();
    RecordRepair::repair(records, {settings->photoDuration(), settings->textDuration(), settings->drawingDuration()});
    SegmentRecords built(read.size());
    auto repaired = records.begin();
    for (size_t index = 0; index < read.size(); ++index) {
        std::unique_ptr<SegmentAttributes> record;
        if (repaired != records.end() && repaired->get() == read[index])
            record = std::move(*repaired++);
        if (record && segmentFactories().contains(typeOf(record.get())))
            built[index] = std::move(record);
        else
            _projectManager->keepUnbuiltRecord(std::move(asRead[index]), int(index));
    }
    QHash<int, TrackWidget*> tracks;
    std::vector<std::pair<Segment*, QWidget*>> placed;
    for (std::unique_ptr<SegmentAttributes>& record : built) {
        if (record)
            _addSegmentFromRecord(std::move(record), tracks, placed);
    }
    _projectManager->addSegmentsSorted(placed);
    _projectManager->updateDuration();
    const float duration = _projectManager->duration();
    _ruler->setScale(_timelineScale, duration);
    _timeline->relayoutTracks(_timelineScale, duration);
    _addTrack();
    loader->setLayoutEditAreaCompleted();
}

void MainWindow::_addSegmentFromRecord(std::unique_ptr<SegmentAttributes> record, QHash<int, TrackWidget*>& tracks,
                                       std::vector<std::pair<Segment*, QWidget*>>& placed)
{
    const int storedTrack = Segment::intAttribute(record.get(), QStringLiteral("TrackId"), 0);
    Segment* segment = _segmentFromRecord(std::move(record), this).release();
    TrackWidget* track = _typedTrackFor(tracks, storedTrack, segment->type());
    placed.emplace_back(segment, _placeOnTrack(segment, track, true));
}

TrackWidget* MainWindow::_addTypedTrack(const QString& type)
{
    TrackWidget* track = _addTrack();
    track->setTrackType(type);
    _gutterArea->setTrackButtonType(track->trackId(), type);
    return track;
}

TrackWidget* MainWindow::_addTrack()
{
    TrackWidget* track = _timeline->addTrackWidget(_timelineScale, _projectManager->duration());
    track->setTrackId(_gutterArea->addTrackButton(_projectManager->unbuiltTrackIds()));
    _newestTrack = track;
    return track;
}

void MainWindow::_finishLoading()
{
    hideWaitingHUD();
    _updateInsertModeButton();
    // The engine segments were made in whatever order the loading tasks ran.
    _sendDrawingOrder();
    if (_ruler) {
        _ruler->setHeld(false);
        _ruler->setScale(_timelineScale, _projectManager->duration());
    }
    _offerHelpTipsAfterLoading();
    if (_previewWidget) {
        _previewWidget->connectSignals();
        _previewWidget->update();
    }
}

// An empty project points at the media library; one with segments, once its
// tiles have settled, at how a tile is handled.
void MainWindow::_offerHelpTipsAfterLoading()
{
    if (_projectManager->segmentCount() == 0) {
        if (!_isMediaAreaCollapsed())
            _showMediaExplorerHelpTip();
        return;
    }
    _runForProject(kSegmentTipsDelayMs, [this] { _showSegmentOperationTips(nullptr); });
}

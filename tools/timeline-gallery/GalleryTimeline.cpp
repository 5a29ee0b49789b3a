#include "GalleryTimeline.h"

#include "DrawingSegment.h"
#include "GalleryMedia.h"
#include "GalleryWorkingTimeline.h"
#include "ImageSegment.h"
#include "MovieSegment.h"
#include "MusicSegment.h"
#include "ScrollableToolBar.h"
#include "SegmentKeys.h"
#include "SegmentDraggingOperationWidget.h"
#include "SegmentWidget.h"
#include "SelectionOperationWidget.h"
#include "TextSegment.h"
#include "TimelineMetrics.h"
#include "TrackWidget.h"
#include "TransformWidget.h"
#include "VoiceSegment.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QSplitter>
#include <QThread>
#include <QVBoxLayout>

#include <cstdio>
#include <functional>

namespace {

const QStringList kTrackTypes{"MOVIE", "IMAGE", "DRAWING", "TEXT", "MUSIC", "VOICE"};
constexpr int kViewWidth = 1860;
constexpr float kTileSeconds = 4.0f;
constexpr int kStatesHeight = 620;
constexpr int kTimelineHeight = 380;
// Tile states, one tile each, at these starts.
enum TileState { Plain, Selected, Dimmed, DimmedSelected, Fast, Editing, Failed, Loading, StateCount };
constexpr float kStateStart[StateCount] = {0, 5, 10, 15, 20, 26, 32, 36};

// Waits, processing events, until the condition holds; false after the bound.
bool waitUntil(const std::function<bool()>& condition, int milliseconds = 10000)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QApplication::processEvents();
        QThread::msleep(2);
    }
    return true;
}

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet("color: white; font-weight: bold;");
    return label;
}

} // namespace

GalleryTimeline::GalleryTimeline(const QString& projectFolder)
    : _folder(projectFolder)
    , _tonePath(QDir(projectFolder).filePath("tone.wav"))
    , _picturePath(QDir(projectFolder).filePath("picture.png"))
    , _thumbnails(QDir(projectFolder).filePath("movie.mp4"), QDir(QDir(projectFolder).filePath("thumbnails")))
    , _listener(projectFolder, &_thumbnails)
{
}

GalleryTimeline::~GalleryTimeline()
{
    // Tiles point at the segments: the window goes first.
    _window.reset();
}

bool GalleryTimeline::build()
{
    if (!GalleryMedia::writeTone(_tonePath, GalleryListener::kMediaSeconds) ||
        !GalleryMedia::writePicture(_picturePath)) {
        std::fprintf(stderr, "timeline-gallery: cannot write media into %s\n", qPrintable(_folder));
        return false;
    }
    GalleryMedia::paintThumbnails(&_thumbnails);
    Segment::setTrackHeight(44);
    for (int position = 0; position < 2; ++position)
        _backgrounds[position] = QPixmap(TimelineMetrics::trackBackgroundPath(position)).scaledToHeight(44);

    _window = std::make_unique<QMainWindow>();
    _window->setObjectName("TimelineGalleryMainWindow");
    _window->setWindowTitle("Vidorna timeline gallery");
    _listener.setWindow(_window.get());
    auto* scroll = new QScrollArea;
    auto* column = new QWidget;
    column->setStyleSheet("background-color: rgb(31,32,35);");
    auto* layout = new QVBoxLayout(column);
    for (float scale : {1.0f, 2.0f}) {
        layout->addWidget(caption(QString("Scale %1: plain with transitions, selected, dimmed, dimmed and selected, "
                                          "2X, editing, failed, loading").arg(double(scale)), column));
        layout->addWidget(_timeline(scale, column));
    }
    layout->addWidget(caption("Drop frame, range selection, dragged tile, drag panels, selection bar, tool bar",
                              column));
    layout->addWidget(_overlays(column));
    layout->addWidget(caption("Transform overlay: a turned layer; perspective points while a transition is edited",
                              column));
    layout->addWidget(_transformOverlays(column));
    layout->addStretch();
    scroll->setWidget(column);
    scroll->setWidgetResizable(true);
    // The working timeline below the tile states, its log on the right.
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(scroll);
    auto* timeline = new GalleryWorkingTimeline(
        [this](const QString& type, float start, float duration) { return _makeSegment(type, start, duration); },
        splitter);
    timeline->setStyleSheet("background-color: rgb(31,32,35);");
    splitter->addWidget(timeline);
    splitter->setSizes({kStatesHeight, kTimelineHeight});
    _window->setCentralWidget(splitter);
    return true;
}

QWidget* GalleryTimeline::_timeline(float scale, QWidget* parent)
{
    auto* content = new QWidget(parent);
    content->setFixedSize(kViewWidth, int(TimelineMetrics::trackHeight()) * kTrackTypes.size());
    for (int row = 0; row < kTrackTypes.size(); ++row) {
        auto* track = new TrackWidget(TimelineMetrics::trackGeometry(row, scale, 40), scale, content);
        track->setTrackId(row + 1);
        track->setTrackType(kTrackTypes[row]);
        track->setBackgroundPixmap(&_backgrounds[row % 2]);
        _fillTrack(track, kTrackTypes[row], scale);
    }
    return content;
}

void GalleryTimeline::_fillTrack(TrackWidget* track, const QString& type, float scale)
{
    for (int state = 0; state < StateCount; ++state) {
        Segment* segment = _makeSegment(type, kStateStart[state], kTileSeconds);
        if (state == Plain) {
            segment->addTransitionAtTime(1.0f, kStateStart[state] + 0.2f);
            segment->addTransitionAtTime(0.8f, kStateStart[state] + 2.6f);
        } else if (state == Fast) {
            segment->setSpeed(2.0f);
            segment->setRangeDuration(kTileSeconds / 2);
        } else if (state == Editing) {
            segment->attributes()->setText(SegmentKey::TrimStart, "1");
        } else if (state == Failed) {
            segment->setErrorCode(2);
        }
        track->addSegmentWidget(segment);
    }
    track->setScale(scale, false);
    track->segmentWidgetAt(Selected)->setSelected(true);
    track->segmentWidgetAt(Dimmed)->setHighlighted(false, false);
    track->segmentWidgetAt(DimmedSelected)->setHighlighted(false, false);
    track->segmentWidgetAt(DimmedSelected)->setSelected(true);
    track->segmentWidgetAt(Editing)->setEditing(true, false);
    track->segmentWidgetAt(Loading)->showLoading();
}

QWidget* GalleryTimeline::_overlays(QWidget* parent)
{
    auto* area = new QWidget(parent);
    area->setFixedSize(kViewWidth, 180);
    auto* track = new TrackWidget(TimelineMetrics::trackGeometry(0, 1.0f, 40), 1.0f, area);
    track->setBackgroundPixmap(&_backgrounds[0]);
    for (float start : {0.0f, 8.0f, 20.0f})
        track->addSegmentWidget(_makeSegment("TEXT", start, 6.0f));
    track->setScale(1.0f, false);
    float dropTime = 14.2f;
    track->showDropIndicator(nullptr, &dropTime, 3.0f, TrackWidget::SnapFunction());
    track->setSelectionSpan(2.0f, 3.0f);
    // A long press on the last tile: its drag overlay shows once the press ran out.
    SegmentWidget* pressed = track->segmentWidgetAt(2);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), pressed->mapToGlobal(QPoint(10, 10)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pressed, &press);

    auto* panels = new QWidget(area);
    panels->setGeometry(0, 50, 900, 130);
    (new SegmentDraggingOperationWidget(panels))->showAtRect(panels, QRect(0, 0, 260, 130), false);
    (new SegmentDraggingOperationWidget(panels))->showAtRect(panels, QRect(0, 0, 420, 130), true);
    auto* selection = new SelectionOperationWidget(panels);
    selection->move(440, 70);
    selection->show();

    auto* bar = new ScrollableToolBar(area);
    bar->setGeometry(900, 60, 300, 44);
    const char* icons[] = {":/images/duplicate_opr", ":/images/remove_opr", ":/images/move_left",
                           ":/images/move_right"};
    for (int command = 1; command <= 8; ++command) {
        if (command == 5)
            bar->addIconButton(":/images/toolbar/tb_right_indicator", true);
        bar->addButton(icons[command % 4], icons[command % 4], QString("Command %1").arg(command), command, 0, true);
    }
    bar->setScrollingDisabled(true);
    bar->setCommandSelected(2, true);
    bar->show();
    return area;
}

QWidget* GalleryTimeline::_transformOverlays(QWidget* parent)
{
    auto* area = new QWidget(parent);
    area->setFixedSize(kViewWidth, 240);
    struct Look {
        const char* suffix;
        QColor frame;
        bool perspective;
    };
    const Look looks[] = {{"normal", QColor(236, 236, 236, 128), false}, {"transition", QColor(3, 166, 228, 128), true}};
    for (int index = 0; index < 2; ++index) {
        const QString suffix = looks[index].suffix;
        auto* preview = new QWidget(area);
        preview->setGeometry(index * 440, 0, 420, 240);
        preview->setStyleSheet("background-color: rgb(0,0,0);");
        auto* overlay = new TransformWidget(":/images/transform_dot_" + suffix, ":/images/transform_square_" + suffix,
                                            ":/images/transform_central_point_" + suffix, looks[index].frame, 5.0f,
                                            area);
        overlay->setGeometry(preview->geometry());
        overlay->setCenterRect(QRectF(0, 0, 420, 240));
        overlay->setPerspectiveEnabled(looks[index].perspective);
        overlay->setActivePointIndex(1);
        overlay->setContentGeometry(QPointF(210, 120), QSizeF(240, 135), 0, 0, looks[index].perspective ? 0 : 0.3f,
                                    QPointF(0.4, 0.5), QPointF(0.05, 0.1), QPointF(0.1, -0.05), {}, {},
                                    QSizeF(240, 135));
    }
    return area;
}

Segment* GalleryTimeline::_makeSegment(const QString& type, float start, float duration)
{
    Segment* segment = nullptr;
    if (type == "MOVIE")
        segment = _loadedMovie(new MovieSegment(QDir(_folder).filePath("movie.mp4"), start, &_listener));
    else if (type == "IMAGE")
        segment = new ImageSegment(_picturePath, start, duration, &_listener);
    else if (type == "DRAWING")
        segment = _loadedDrawing(new DrawingSegment(QSizeF(320, 180), start, duration, &_listener));
    else if (type == "TEXT")
        segment = new TextSegment("Gallery caption", start, duration, &_listener, nullptr);
    else if (type == "MUSIC")
        segment = _loadedSound(new MusicSegment(_tonePath, start, "Gallery Tone", "Vidorna", &_listener));
    else
        segment = _loadedSound(new VoiceSegment(_tonePath, start, {0.1f, 0.5f, 0.9f, 0.4f, 0.7f, 0.2f}, &_listener));
    _segments.emplace_back(segment);
    if (!waitUntil([segment]() { return segment->hasContent(); }))
        std::fprintf(stderr, "timeline-gallery: a %s segment did not load\n", qPrintable(type));
    segment->setRangeDuration(duration);
    return segment;
}

Segment* GalleryTimeline::_loadedSound(Segment* segment)
{
    // In place of the engine: the load report once the segment asks for it.
    waitUntil([segment]() { return segment->state() == 1; });
    segment->onEngineLoadStatus(segment->serialNumber(), false, 0);
    return segment;
}

Segment* GalleryTimeline::_loadedMovie(Segment* segment)
{
    waitUntil([segment]() { return segment->state() == 1; });
    segment->onEngineLoadStatus(segment->serialNumber(), false, 0);
    segment->onEngineLoadStatus(segment->secondEngineId(), false, 0);
    waitUntil([segment]() { return segment->state() == 4; });
    return segment;
}

Segment* GalleryTimeline::_loadedDrawing(Segment* segment)
{
    auto* drawing = static_cast<DrawingSegment*>(segment);
    waitUntil([drawing]() { return drawing->state() == 4; });
    QImage strokes(320, 180, QImage::Format_ARGB32_Premultiplied);
    strokes.fill(Qt::transparent);
    QPainter painter(&strokes);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 120, 200), 18, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRect(40, 30, 240, 120), 0, 180 * 16);
    painter.end();
    if (drawing->saveImage(strokes))
        drawing->loadImage();
    return drawing;
}

#include "MusicSegment.h"

#include "PlotData.h"
#include "SegmentKeys.h"
#include "SegmentLabel.h"
#include "SegmentListener.h"
#include "AssetLoadingThreadPool.h"
#include "WaveformDecoder.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRunnable>

#include <algorithm>

namespace {

const QString kType = QStringLiteral("MUSIC");
// The label's font never gets as small as this share of the body's height.
constexpr double kLabelFloor = 0.25;

} // namespace

MusicSegment::MusicSegment(const Segment* source, float start, SegmentListener* owner)
    : SoundSegment(source, start, owner)
{
    setType(kType);
    _startLoading();
}

MusicSegment::MusicSegment(const QString& file, float start, const QString& title, const QString& artist,
                           SegmentListener* owner)
    : SoundSegment(owner)
{
    setType(kType);
    setRangeStart(start);
    setFilePath(file);
    if (!title.isEmpty())
        setStringAttribute(attributes(), SegmentKey::Title, title);
    if (!artist.isEmpty())
        setStringAttribute(attributes(), SegmentKey::Artist, artist);
    _startLoading();
}

MusicSegment::MusicSegment(std::unique_ptr<SegmentAttributes> attributes, SegmentListener* owner,
                           bool newlyCreated)
    : SoundSegment(std::move(attributes), owner)
{
    setNewlyCreated(newlyCreated);
    _startLoading();
}

MusicSegment::~MusicSegment()
{
    _cancelled = true;
    _finishPendingTasks();
}

void MusicSegment::_startLoading()
{
    // The engine creates its audio segment on state 1 and reports the rest.
    _startTask(QRunnable::create([this] { setState(1); }));
}

QString MusicSegment::title() const
{
    return stringAttribute(attributes(), SegmentKey::Title);
}

QString MusicSegment::artist() const
{
    return stringAttribute(attributes(), SegmentKey::Artist);
}

std::shared_ptr<const PlotData> MusicSegment::plotData() const
{
    return std::atomic_load(&_plotData);
}

bool MusicSegment::hasPendingTasks() const
{
    return AssetLoadingThreadPool::instance()->pendingTaskCount(this) > 0;
}

bool MusicSegment::isLoaded() const
{
    // Stored music counts as loaded by its title, even an empty one; music
    // without one (a file without title metadata inserted elsewhere) counts
    // once the engine has reported it, or its project would never finish
    // opening.
    return attributes()->findText(SegmentKey::Title) != nullptr || state() == 4;
}

bool MusicSegment::hasContent() const
{
    return isLoaded();
}

void MusicSegment::onEngineLoadStatus(int, bool failed, int)
{
    if (!_takeEngineLoadReport(failed))
        return;
    // Also after a failure: a file the engine could not play may still decode.
    // What the task needs of the dictionary is read here, since the GUI
    // thread goes on writing it while the task runs.
    const QString path = absoluteFilePath();
    const float pixels = owner() ? owner()->segmentTimeToPixels(this, mediaDuration()) : 0.0f;
    const int pointCount = pixels > 0 ? int(std::min(pixels, float(kMaximumPlotPoints))) : 0;
    _startTask(QRunnable::create([this, path, pointCount] { _generatePlotData(path, pointCount); }));
    if (_readTagsOnLoad) {
        if (SegmentListener* listener = owner()) {
            const QString tagTitle = listener->segmentAudioTitle(this);
            const QString tagArtist = listener->segmentAudioArtist(this);
            if (!tagTitle.isEmpty())
                setStringAttribute(attributes(), SegmentKey::Title, tagTitle);
            if (!tagArtist.isEmpty())
                setStringAttribute(attributes(), SegmentKey::Artist, tagArtist);
        }
        _readTagsOnLoad = false;
    }
    setState(4);
}

void MusicSegment::_generatePlotData(const QString& path, int pointCount)
{
    // Made once per segment, however many load reports queued a task.
    auto plotData = std::make_shared<PlotData>(pointCount);
    std::shared_ptr<PlotData> none;
    if (!std::atomic_compare_exchange_strong(&_plotData, &none, plotData))
        return;
    WaveformDecoder::decodePlotData(plotData.get(), path, &_cancelled);
    if (plotData->isReady() && owner())
        owner()->segmentAudioPlotDataDidReady(this);
}

void MusicSegment::paintTimelineBody(QPainter* painter, const QRect& rect, float pixelsPerSecond)
{
    if (paintLoadError(painter, rect) || !rect.isValid())
        return;
    painter->save();
    const std::shared_ptr<const PlotData> plot = plotData();
    if (plot && plot->isReady()) {
        painter->save();
        painter->translate(-trimStart() * pixelsPerSecond, 0);
        plot->paint(painter, QRect(0, 0, int(wholeMediaDuration() * pixelsPerSecond), rect.height()));
        painter->restore();
    }
    _paintLabel(painter, rect);
    painter->restore();
}

void MusicSegment::paintTimelineStrip(QPainter* painter, const QRect& rect, float)
{
    if (errorCode() != 0 || !rect.isValid())
        return;
    const std::shared_ptr<const PlotData> plot = plotData();
    if (!plot || !plot->isReady())
        return;
    painter->save();
    painter->translate(rect.topLeft());
    plot->paint(painter, QRect(QPoint(0, 0), rect.size()));
    painter->restore();
}

QString MusicSegment::_labelText()
{
    QString text = title();
    const QString by = artist();
    if (!by.isEmpty())
        text += QStringLiteral(" - ") + by;
    if (text.isEmpty() && owner())
        text = owner()->segmentMusicPlaceholderText(this);
    return text;
}

void MusicSegment::_paintLabel(QPainter* painter, const QRect& rect)
{
    SegmentListener* listener = owner();
    if (!listener)
        return;
    const int margin = int(listener->segmentLabelMargin(this));
    const QRect labelRect = rect.adjusted(margin, 0, -margin, 0);
    if (!labelRect.isValid())
        return;
    const QString text = _labelText();
    QFont font;
    font.setPixelSize(int(listener->segmentLabelFontPixelSize(this)));
    SegmentLabel::shrinkToFit(&font, text, labelRect.width(), rect.height() * kLabelFloor);
    painter->setFont(font);
    const QFontMetrics metrics(font);
    const QString elided = metrics.elidedText(text, Qt::ElideRight, labelRect.width());
    const QPoint origin(labelRect.left(), metrics.height());
    SegmentLabel::drawTwice(painter, this, [&] { painter->drawText(origin, elided); });
}

#include "Animations.h"

#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <functional>

namespace {

// phase runs from 0 (first frame) towards 1 (one frame short of the loop).
using Animation = std::function<void(QPainter&, const QSizeF&, qreal phase)>;

const QColor kEditorBack(31, 32, 35);
const QColor kTrackBack(44, 46, 50);
const QColor kAccent(54, 200, 255);
const QColor kSelection(255, 214, 10);

qreal clamp01(qreal value)
{
    return std::min<qreal>(1, std::max<qreal>(0, value));
}

// How far phase has come through [from, to], 0 before and 1 after.
qreal stage(qreal phase, qreal from, qreal to)
{
    return clamp01((phase - from) / (to - from));
}

QPointF lerp(const QPointF& a, const QPointF& b, qreal t)
{
    return a + (b - a) * t;
}

// Twelve spokes; the leading one white, those behind it fading into the
// heads-up card's grey (a GIF has no partial transparency to fade with).
void drawSpokes(QPainter& painter, const QSizeF& size, qreal phase)
{
    constexpr int spokes = 12;
    const qreal side = std::min(size.width(), size.height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(size.width() / 2, size.height() / 2);
    const int lead = int(phase * spokes) % spokes;
    for (int i = 0; i < spokes; ++i) {
        const int behind = (lead - i + spokes) % spokes;
        const qreal t = behind / qreal(spokes - 1);
        const QColor color = QColor::fromRgbF(1 - t * 0.75, 1 - t * 0.75, 1 - t * 0.75);
        painter.save();
        painter.rotate(i * 360.0 / spokes);
        painter.setPen(QPen(color, side * 0.08, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, -side * 0.22), QPointF(0, -side * 0.40));
        painter.restore();
    }
}

// A three-quarter ring turning once per loop.
void drawArc(QPainter& painter, const QSizeF& size, qreal phase)
{
    const qreal side = std::min(size.width(), size.height());
    const qreal pen = side * 0.1;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(220, 220, 220), pen, Qt::SolidLine, Qt::RoundCap));
    const QRectF ring((size.width() - side) / 2 + pen, (size.height() - side) / 2 + pen, side - 2 * pen,
                      side - 2 * pen);
    painter.drawArc(ring, int(-phase * 360 * 16), 270 * 16);
}

void drawPointer(QPainter& painter, const QPointF& tip, qreal scale)
{
    QPolygonF arrow;
    for (const QPointF& p : {QPointF(0, 0), QPointF(0, 17), QPointF(4.5, 13), QPointF(8, 20.5),
                             QPointF(10.5, 19.5), QPointF(7, 12), QPointF(12.5, 12)})
        arrow << tip + p * scale;
    painter.setPen(QPen(Qt::black, 1.5 * scale / 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
}

// Rings spreading from a click; strength 0 draws nothing.
void drawClickRings(QPainter& painter, const QPointF& at, qreal strength, qreal radius)
{
    if (strength <= 0 || strength >= 1)
        return;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kAccent, 3));
    painter.drawEllipse(at, radius * strength, radius * strength);
}

void drawSegment(QPainter& painter, const QRectF& rect, const QColor& color, bool selected)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRoundedRect(rect, 6, 6);
    painter.setBrush(color.lighter(125));
    for (int i = 0; i < int(rect.width() / 40); ++i)
        painter.drawRect(QRectF(rect.left() + 8 + i * 40, rect.top() + 8, 30, rect.height() - 16));
    if (selected) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kSelection, 5));
        painter.drawRoundedRect(rect.adjusted(-2, -2, 2, 2), 7, 7);
    }
}

// The editor's dark background with its timeline: count tracks from top down.
QList<QRectF> drawEditorScene(QPainter& painter, const QSizeF& size, qreal top, int count)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), size), kEditorBack);
    const qreal height = (size.height() - top - 20) / count - 12;
    QList<QRectF> tracks;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTrackBack);
    for (int i = 0; i < count; ++i) {
        const QRectF track(20, top + i * (height + 12), size.width() - 40, height);
        painter.drawRoundedRect(track, 6, 6);
        tracks.append(track);
    }
    return tracks;
}

QRectF trackSlot(const QRectF& track, qreal left, qreal width)
{
    return QRectF(track.left() + left, track.top() + 6, width, track.height() - 12);
}

// A thumbnail dragged from the media library to a track, where it becomes a segment.
void drawMediaExplorerLesson(QPainter& painter, const QSizeF& size, qreal phase)
{
    const qreal thumbW = (size.width() - 40 - 5 * 16) / 6;
    const qreal thumbH = thumbW * 0.62;
    const QList<QRectF> tracks = drawEditorScene(painter, size, 60 + thumbH + 50, 3);
    const QColor thumbs[] = {QColor(235, 120, 80), QColor(90, 190, 120), QColor(120, 140, 240),
                             QColor(230, 200, 80), QColor(200, 110, 200), QColor(90, 200, 210)};
    for (int i = 0; i < 6; ++i) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(thumbs[i]);
        painter.drawRoundedRect(QRectF(20 + i * (thumbW + 16), 30, thumbW, thumbH), 8, 8);
    }
    const QRectF target = trackSlot(tracks[1], 260, 240);
    const QRectF source(20 + 2 * (thumbW + 16), 30, thumbW, thumbH);
    const QPointF grip = lerp(source.center(), target.center(), stage(phase, 0.15, 0.65));
    const bool dropped = phase >= 0.7;
    if (dropped) {
        drawSegment(painter, target, thumbs[2], false);
    } else if (phase >= 0.15) {
        painter.setOpacity(0.8);
        painter.setBrush(thumbs[2]);
        painter.drawRoundedRect(QRectF(grip - QPointF(thumbW / 2, thumbH / 2), QSizeF(thumbW, thumbH)), 8, 8);
        painter.setOpacity(1);
    }
    drawPointer(painter, dropped ? target.center() + QPointF(0, 10) * stage(phase, 0.7, 1) : grip, 2.0);
}

// Double clicks on a segment enter and leave its edit mode (the yellow frame).
void drawDoubleTapLesson(QPainter& painter, const QSizeF& size, qreal phase)
{
    const QList<QRectF> tracks = drawEditorScene(painter, size, 40, 2);
    drawSegment(painter, trackSlot(tracks[1], 40, 220), QColor(90, 190, 120), false);
    const QRectF segment = trackSlot(tracks[0], 200, 330);
    const bool editing = phase >= 0.2 && phase < 0.7;
    drawSegment(painter, segment, QColor(120, 140, 240), editing);
    const QPointF click = segment.center();
    drawClickRings(painter, click, stage(phase, 0.05, 0.25), 60);
    drawClickRings(painter, click, stage(phase, 0.55, 0.75), 60);
    drawPointer(painter, click, 2.0);
}

// Holding on a segment until the yellow frame appears, then dragging it.
void drawPressAndDragLesson(QPainter& painter, const QSizeF& size, qreal phase)
{
    const QList<QRectF> tracks = drawEditorScene(painter, size, 40, 3);
    drawSegment(painter, trackSlot(tracks[0], 30, 200), QColor(235, 120, 80), false);
    const QRectF from = trackSlot(tracks[1], 60, 260);
    const QRectF to = trackSlot(tracks[2], 400, 260);
    const qreal hold = stage(phase, 0.05, 0.35);
    const qreal move = stage(phase, 0.4, 0.8);
    const QRectF segment = from.translated(lerp(QPointF(0, 0), to.topLeft() - from.topLeft(), move));
    drawSegment(painter, segment, QColor(200, 110, 200), hold >= 1 && phase < 0.9);
    if (hold > 0 && hold < 1) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kSelection, 6, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(QRectF(segment.center() - QPointF(28, 28), QSizeF(56, 56)), 90 * 16,
                        int(-hold * 360 * 16));
    }
    drawPointer(painter, segment.center(), 2.0);
}

// A removed segment bursting into sparks that fly apart and fade.
void drawEliminate(QPainter& painter, const QSizeF& size, qreal phase)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QPointF centre(size.width() / 2, size.height() / 2);
    const qreal reach = std::min(size.width(), size.height()) / 2;
    const qreal spread = 0.25 + 0.75 * phase;
    painter.setOpacity(1 - 0.7 * phase);
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(centre, reach * 0.35 * (1 - phase), reach * 0.35 * (1 - phase));
    constexpr int sparks = 10;
    for (int i = 0; i < sparks; ++i) {
        const qreal angle = 2 * M_PI * i / sparks + 0.3;
        const QPointF at = centre + QPointF(std::cos(angle) * size.width() / 2,
                                            std::sin(angle) * size.height() / 2) * 0.85 * spread;
        painter.setBrush(i % 2 ? kAccent : kSelection);
        painter.drawEllipse(at, reach * 0.12 * (1.1 - phase), reach * 0.12 * (1.1 - phase));
    }
}

const QMap<QString, Animation>& animations()
{
    static const QMap<QString, Animation> table{
        {"spinner", drawSpokes},
        {"spinner-arc", drawArc},
        {"media-explorer-lesson", drawMediaExplorerLesson},
        {"double-tap-lesson", drawDoubleTapLesson},
        {"press-and-drag-lesson", drawPressAndDragLesson},
        {"eliminate", drawEliminate},
    };
    return table;
}

} // namespace

QImage drawAnimationFrame(const QString& name, const QSize& size, int frame, int frameCount)
{
    const auto animation = animations().constFind(name);
    if (animation == animations().constEnd() || frameCount < 1)
        return QImage();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    (*animation)(painter, QSizeF(size), qreal(frame) / frameCount);
    return image;
}

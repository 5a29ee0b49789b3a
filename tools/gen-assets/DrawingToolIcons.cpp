#include "DrawingToolIcons.h"

#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QtMath>

#include <functional>

namespace {

const QColor kPlainColor(200, 200, 200);
const QColor kSelectedColor(54, 200, 255);
constexpr qreal kGrid = 44;
constexpr qreal kStroke = 2.5;

using Icon = std::function<void(QPainter&, const QColor&)>;

QPen strokePen(const QColor& color, qreal width = kStroke, Qt::PenStyle style = Qt::SolidLine)
{
    return QPen(color, width, style, Qt::RoundCap, Qt::RoundJoin);
}

// An outline (filled = false) or a solid shape.
void drawShape(QPainter& p, const QPainterPath& path, const QColor& color, bool filled)
{
    p.setPen(strokePen(color));
    p.setBrush(filled ? QBrush(color) : Qt::NoBrush);
    p.drawPath(path);
}

QPainterPath rectPath(qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(9, 12, 26, 20), radius, radius);
    return path;
}

QPainterPath ellipsePath(const QRectF& box)
{
    QPainterPath path;
    path.addEllipse(box);
    return path;
}

// A regular polygon of n corners (or a star through every second corner).
QPainterPath polygonPath(int corners, int stride)
{
    QPolygonF polygon;
    for (int i = 0; i < corners; ++i) {
        const qreal angle = -M_PI / 2 + 2 * M_PI * (i * stride % corners) / corners;
        polygon << QPointF(22 + 14 * std::cos(angle), 23 + 14 * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPainterPath trianglePath()
{
    QPainterPath path;
    path.addPolygon(QPolygonF({QPointF(22, 9), QPointF(36, 34), QPointF(8, 34)}));
    path.closeSubpath();
    return path;
}

QPainterPath rhombusPath()
{
    QPainterPath path;
    path.addPolygon(QPolygonF({QPointF(22, 7), QPointF(36, 22), QPointF(22, 37), QPointF(8, 22)}));
    path.closeSubpath();
    return path;
}

QPainterPath heartPath()
{
    QPainterPath path;
    path.moveTo(22, 35);
    path.cubicTo(4, 24, 8, 8, 22, 15);
    path.cubicTo(36, 8, 40, 24, 22, 35);
    return path;
}

void drawLine(QPainter& p, const QColor& color, Qt::PenStyle style)
{
    p.setPen(strokePen(color, kStroke, style));
    p.drawLine(QPointF(10, 34), QPointF(34, 10));
}

void drawArrowLine(QPainter& p, const QColor& color)
{
    drawLine(p, color, Qt::SolidLine);
    p.setPen(strokePen(color));
    p.setBrush(color);
    p.drawPolygon(QPolygonF({QPointF(35, 9), QPointF(25, 12), QPointF(32, 19)}));
}

void drawPencil(QPainter& p, const QColor& color, const QPointF& tip, qreal length)
{
    p.save();
    p.translate(tip);
    p.rotate(-45);
    p.setPen(strokePen(color, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(6, -3), QPointF(length, -3), QPointF(length, 3), QPointF(6, 3)}));
    p.drawLine(QPointF(6, -3), QPointF(6, 3));
    p.restore();
}

void drawFreehand(QPainter& p, const QColor& color)
{
    QPainterPath stroke;
    stroke.moveTo(7, 33);
    stroke.cubicTo(12, 20, 18, 40, 24, 28);
    p.setPen(strokePen(color));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stroke);
    drawPencil(p, color, QPointF(24, 27), 18);
}

void drawEraserBlock(QPainter& p, const QColor& outline, const QColor& fill, const QPointF& at, qreal length)
{
    p.save();
    p.translate(at);
    p.rotate(-45);
    p.setPen(strokePen(outline, 2));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0, -5, length, 10), 2, 2);
    p.drawLine(QPointF(length / 3, -5), QPointF(length / 3, 5));
    p.restore();
}

void drawSwitch(QPainter& p, const QColor& color)
{
    drawPencil(p, color, QPointF(6, 24), 14);
    drawEraserBlock(p, color, Qt::transparent, QPointF(26, 34), 14);
    p.setPen(strokePen(color, 2));
    p.drawLine(QPointF(14, 36), QPointF(30, 36));
    p.drawLine(QPointF(14, 36), QPointF(17, 33));
    p.drawLine(QPointF(30, 36), QPointF(27, 39));
}

void drawText(QPainter& p, const QColor& color)
{
    p.setPen(strokePen(color, 3.5));
    p.drawLine(QPointF(11, 11), QPointF(33, 11));
    p.drawLine(QPointF(22, 11), QPointF(22, 34));
}

void drawPictureFrame(QPainter& p, const QColor& color)
{
    p.setPen(strokePen(color));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(7, 10, 30, 24), 3, 3);
    p.setBrush(color);
    p.drawEllipse(QPointF(15, 17), 2.5, 2.5);
    p.drawPolygon(QPolygonF({QPointF(10, 31), QPointF(20, 21), QPointF(26, 27), QPointF(30, 23), QPointF(34, 31)}));
}

void drawOpenPicture(QPainter& p, const QColor& color)
{
    p.save();
    p.translate(-3, 3);
    drawPictureFrame(p, color);
    p.restore();
    p.setPen(strokePen(color, 3));
    p.drawLine(QPointF(36, 5), QPointF(36, 15));
    p.drawLine(QPointF(31, 10), QPointF(41, 10));
}

void drawUndo(QPainter& p, const QColor& color)
{
    QPainterPath arc;
    arc.moveTo(12, 18);
    arc.cubicTo(26, 10, 40, 20, 32, 34);
    p.setPen(strokePen(color, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    p.setBrush(color);
    p.drawPolygon(QPolygonF({QPointF(8, 20), QPointF(13, 10), QPointF(18, 21)}));
}

void drawClear(QPainter& p, const QColor& color)
{
    p.setPen(strokePen(color));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(10, 13), QPointF(34, 13));
    p.drawLine(QPointF(18, 13), QPointF(19, 9));
    p.drawLine(QPointF(19, 9), QPointF(25, 9));
    p.drawLine(QPointF(25, 9), QPointF(26, 13));
    p.drawPolygon(QPolygonF({QPointF(13, 13), QPointF(15, 36), QPointF(29, 36), QPointF(31, 13)}));
    p.drawLine(QPointF(19, 18), QPointF(19, 31));
    p.drawLine(QPointF(25, 18), QPointF(25, 31));
}

void drawSave(QPainter& p, const QColor& color)
{
    p.setPen(strokePen(color, 3));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(22, 7), QPointF(22, 26));
    p.drawPolyline(QPolygonF({QPointF(14, 19), QPointF(22, 27), QPointF(30, 19)}));
    p.drawPolyline(QPolygonF({QPointF(8, 27), QPointF(8, 36), QPointF(36, 36), QPointF(36, 27)}));
}

void drawCheck(QPainter& p, const QColor& color)
{
    p.setPen(strokePen(color, 4));
    p.drawPolyline(QPolygonF({QPointF(9, 23), QPointF(18, 32), QPointF(35, 12)}));
}

void drawEditText(QPainter& p, const QColor& color)
{
    p.setPen(strokePen(color, 3));
    p.drawLine(QPointF(7, 10), QPointF(25, 10));
    p.drawLine(QPointF(16, 10), QPointF(16, 30));
    drawPencil(p, color, QPointF(22, 36), 18);
}

// Four text lines, the shorter ones pushed to the side of the alignment
// (0 left, 1 centre, 2 right).
void drawAlignment(QPainter& p, const QColor& color, int side)
{
    p.setPen(strokePen(color, 3));
    const qreal lengths[] = {28, 18, 28, 18};
    for (int i = 0; i < 4; ++i) {
        const qreal left = 8 + (28 - lengths[i]) * side / 2;
        p.drawLine(QPointF(left, 11 + i * 7), QPointF(left + lengths[i], 11 + i * 7));
    }
}

// The swatch's eraser: a two-tone block, the same in both forms.
void drawColorRubber(QPainter& p, const QColor&)
{
    drawEraserBlock(p, QColor(60, 60, 66), QColor(250, 140, 160), QPointF(9, 35), 28);
}

Icon shape(std::function<QPainterPath()> path, bool filled)
{
    return [path, filled](QPainter& p, const QColor& color) { drawShape(p, path(), color, filled); };
}

const QMap<QString, Icon>& icons()
{
    const auto rect = [] { return rectPath(0); };
    const auto roundRect = [] { return rectPath(6); };
    const auto ellipse = [] { return ellipsePath(QRectF(6, 12, 32, 20)); };
    const auto circle = [] { return ellipsePath(QRectF(9, 9, 26, 26)); };
    const auto pentagon = [] { return polygonPath(5, 1); };
    const auto pentagram = [] { return polygonPath(5, 2); };
    static const QMap<QString, Icon> table{
        {"pencil_rubber_switch", drawSwitch},
        {"freehand", drawFreehand},
        {"line", [](QPainter& p, const QColor& c) { drawLine(p, c, Qt::SolidLine); }},
        {"dashline", [](QPainter& p, const QColor& c) { drawLine(p, c, Qt::DashLine); }},
        {"dotline", [](QPainter& p, const QColor& c) { drawLine(p, c, Qt::DotLine); }},
        {"arrowline", drawArrowLine},
        {"rect1", shape(rect, false)},
        {"rect2", shape(rect, true)},
        {"roundrect1", shape(roundRect, false)},
        {"roundrect2", shape(roundRect, true)},
        {"ellipse1", shape(ellipse, false)},
        {"ellipse2", shape(ellipse, true)},
        {"circle1", shape(circle, false)},
        {"circle2", shape(circle, true)},
        {"triangle1", shape(trianglePath, false)},
        {"triangle2", shape(trianglePath, true)},
        {"rhombus1", shape(rhombusPath, false)},
        {"rhombus2", shape(rhombusPath, true)},
        {"pentagon1", shape(pentagon, false)},
        {"pentagon2", shape(pentagon, true)},
        {"pentagram1", shape(pentagram, false)},
        {"pentagram2", shape(pentagram, true)},
        {"heart1", shape(heartPath, false)},
        {"heart2", shape(heartPath, true)},
        {"text", drawText},
        {"picture", drawPictureFrame},
        {"undo", drawUndo},
        {"clear", drawClear},
        {"save", drawSave},
        {"openPicture", drawOpenPicture},
        {"textOk", drawCheck},
        {"editText", drawEditText},
        {"leftAlign", [](QPainter& p, const QColor& c) { drawAlignment(p, c, 0); }},
        {"centerAlign", [](QPainter& p, const QColor& c) { drawAlignment(p, c, 1); }},
        {"rightAlign", [](QPainter& p, const QColor& c) { drawAlignment(p, c, 2); }},
        {"color_rubber", drawColorRubber},
    };
    return table;
}

} // namespace

QImage drawToolIcon(const QString& name, const QSize& size)
{
    static const QRegularExpression pattern("^tool-(\\w+?)(-selected)?$");
    const QRegularExpressionMatch match = pattern.match(name);
    const auto icon = icons().constFind(match.captured(1));
    if (!match.hasMatch() || icon == icons().constEnd())
        return QImage();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / kGrid, size.height() / kGrid);
    (*icon)(painter, match.captured(2).isEmpty() ? kPlainColor : kSelectedColor);
    return image;
}

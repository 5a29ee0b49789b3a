#include "EditorPictures.h"

#include "DrawingToolIcons.h"

#include "AVEasing.h"
#include "AVEngine.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QtMath>

#include <algorithm>
#include <array>
#include <functional>

namespace {

// The editor's easing codes: 1 linear, then in, out and in-out of smooth,
// circular, back, elastic and bounce.
constexpr int kEasingCodes = 16;
constexpr int kSamples = 200;

const QColor kGuideColor(255, 255, 255, 60);
const QColor kCurveColor(200, 200, 200);
const QColor kSelectedCurveColor(54, 200, 255);

QImage drawEasingPlot(int code, bool selected, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal margin = size.width() / 9.0;
    const QRectF area(margin, margin, size.width() - 2 * margin, size.height() - 2 * margin);
    const AVEasingFunction curve = avEasingFunction(AVEngine::easingType(code));
    // The plot spans 0 to 1 and whatever the curve overshoots beyond.
    double lowest = 0;
    double highest = 1;
    for (int i = 0; i <= kSamples; ++i) {
        lowest = std::min(lowest, curve(double(i) / kSamples));
        highest = std::max(highest, curve(double(i) / kSamples));
    }
    const auto yOf = [&](double value) {
        return area.bottom() - (value - lowest) / (highest - lowest) * area.height();
    };
    painter.setPen(QPen(kGuideColor, size.width() / 54.0));
    painter.drawLine(QPointF(area.left(), yOf(0)), QPointF(area.right(), yOf(0)));
    painter.drawLine(QPointF(area.left(), yOf(1)), QPointF(area.right(), yOf(1)));
    QPainterPath path;
    for (int i = 0; i <= kSamples; ++i) {
        const double p = double(i) / kSamples;
        const QPointF point(area.left() + p * area.width(), yOf(curve(p)));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    painter.setPen(QPen(selected ? kSelectedCurveColor : kCurveColor, size.width() / 18.0, Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    return image;
}

using Pattern = std::function<void(QPainter&, qreal side)>;

// Sixteen tileable patterns on a square of the given side.
const std::array<Pattern, 16>& patterns()
{
    static const std::array<Pattern, 16> table{
        [](QPainter& p, qreal s) { // diagonal stripes
            p.fillRect(QRectF(0, 0, s, s), QColor(240, 200, 60));
            p.setPen(QPen(QColor(200, 80, 40), s / 12));
            for (int i = -2; i <= 2; ++i)
                p.drawLine(QPointF(i * s / 2, s), QPointF(i * s / 2 + s, 0));
        },
        [](QPainter& p, qreal s) { // polka dots
            p.fillRect(QRectF(0, 0, s, s), QColor(30, 90, 160));
            p.setBrush(Qt::white);
            p.setPen(Qt::NoPen);
            for (const QPointF c : {QPointF(s / 4, s / 4), QPointF(3 * s / 4, 3 * s / 4)})
                p.drawEllipse(c, s / 9, s / 9);
        },
        [](QPainter& p, qreal s) { // checks
            p.fillRect(QRectF(0, 0, s, s), QColor(250, 250, 250));
            for (int y = 0; y < 4; ++y)
                for (int x = (y % 2); x < 4; x += 2)
                    p.fillRect(QRectF(x * s / 4, y * s / 4, s / 4, s / 4), QColor(220, 40, 60));
        },
        [](QPainter& p, qreal s) { // bricks
            p.fillRect(QRectF(0, 0, s, s), QColor(170, 70, 50));
            p.setPen(QPen(QColor(230, 220, 200), s / 32));
            for (int row = 0; row < 4; ++row) {
                const qreal y = row * s / 4;
                p.drawLine(QPointF(0, y), QPointF(s, y));
                const qreal shift = (row % 2) * s / 4;
                for (int i = 0; i < 2; ++i)
                    p.drawLine(QPointF(shift + i * s / 2, y), QPointF(shift + i * s / 2, y + s / 4));
            }
        },
        [](QPainter& p, qreal s) { // waves
            p.fillRect(QRectF(0, 0, s, s), QColor(20, 140, 170));
            p.setPen(QPen(QColor(180, 240, 250), s / 24));
            for (int row = 0; row < 4; ++row) {
                QPainterPath wave;
                const qreal y = (row + 0.5) * s / 4;
                wave.moveTo(0, y);
                for (int i = 1; i <= 32; ++i)
                    wave.lineTo(i * s / 32, y + qSin(i * M_PI / 8) * s / 20);
                p.drawPath(wave);
            }
        },
        [](QPainter& p, qreal s) { // grid
            p.fillRect(QRectF(0, 0, s, s), QColor(245, 245, 235));
            p.setPen(QPen(QColor(60, 140, 220), s / 40));
            for (int i = 0; i < 8; ++i) {
                p.drawLine(QPointF(i * s / 8, 0), QPointF(i * s / 8, s));
                p.drawLine(QPointF(0, i * s / 8), QPointF(s, i * s / 8));
            }
        },
        [](QPainter& p, qreal s) { // hearts
            p.fillRect(QRectF(0, 0, s, s), QColor(255, 210, 225));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(220, 40, 90));
            for (const QPointF c : {QPointF(s / 4, s / 4), QPointF(3 * s / 4, 3 * s / 4)}) {
                const qreal r = s / 14;
                p.drawEllipse(c + QPointF(-r, 0), r, r);
                p.drawEllipse(c + QPointF(r, 0), r, r);
                p.drawPolygon(QPolygonF({c + QPointF(-2 * r, r * 0.3), c + QPointF(2 * r, r * 0.3),
                                         c + QPointF(0, 2.4 * r)}));
            }
        },
        [](QPainter& p, qreal s) { // stars
            p.fillRect(QRectF(0, 0, s, s), QColor(20, 24, 60));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 220, 80));
            for (const QPointF c : {QPointF(s / 4, s / 4), QPointF(3 * s / 4, 3 * s / 4)}) {
                QPolygonF star;
                for (int i = 0; i < 10; ++i) {
                    const qreal r = (i % 2 ? s / 22 : s / 9);
                    const qreal a = -M_PI / 2 + i * M_PI / 5;
                    star << c + QPointF(r * qCos(a), r * qSin(a));
                }
                p.drawPolygon(star);
            }
        },
        [](QPainter& p, qreal s) { // zigzag
            p.fillRect(QRectF(0, 0, s, s), QColor(250, 240, 220));
            p.setPen(QPen(QColor(40, 150, 90), s / 16));
            for (int row = 0; row < 4; ++row) {
                QPolygonF line;
                for (int i = 0; i <= 8; ++i)
                    line << QPointF(i * s / 8, (row + (i % 2 ? 0.25 : 0.75)) * s / 4);
                p.drawPolyline(line);
            }
        },
        [](QPainter& p, qreal s) { // diamonds
            p.fillRect(QRectF(0, 0, s, s), QColor(120, 60, 160));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(230, 200, 250));
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 2; ++x) {
                    const QPointF c((x + 0.5) * s / 2, (y + 0.5) * s / 2);
                    p.drawPolygon(QPolygonF({c + QPointF(0, -s / 6), c + QPointF(s / 8, 0), c + QPointF(0, s / 6),
                                             c + QPointF(-s / 8, 0)}));
                }
        },
        [](QPainter& p, qreal s) { // horizontal stripes
            const QColor colors[] = {QColor(240, 90, 80), QColor(250, 180, 70), QColor(90, 190, 120),
                                     QColor(70, 140, 220)};
            for (int i = 0; i < 4; ++i)
                p.fillRect(QRectF(0, i * s / 4, s, s / 4), colors[i]);
        },
        [](QPainter& p, qreal s) { // rings
            p.fillRect(QRectF(0, 0, s, s), QColor(250, 250, 250));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(30, 30, 30), s / 32));
            for (int i = 1; i <= 3; ++i)
                p.drawEllipse(QPointF(s / 2, s / 2), i * s / 7, i * s / 7);
        },
        [](QPainter& p, qreal s) { // scales
            p.fillRect(QRectF(0, 0, s, s), QColor(40, 110, 90));
            p.setPen(QPen(QColor(170, 230, 200), s / 40));
            p.setBrush(Qt::NoBrush);
            for (int row = 0; row <= 4; ++row)
                for (int i = -1; i <= 4; ++i) {
                    const qreal shift = (row % 2) * s / 8;
                    p.drawArc(QRectF(i * s / 4 + shift, row * s / 4 - s / 8, s / 4, s / 4), 180 * 16, 180 * 16);
                }
        },
        [](QPainter& p, qreal s) { // crosses
            p.fillRect(QRectF(0, 0, s, s), QColor(230, 235, 240));
            p.setPen(QPen(QColor(90, 100, 120), s / 24));
            for (const QPointF c : {QPointF(s / 4, s / 4), QPointF(3 * s / 4, 3 * s / 4)}) {
                p.drawLine(c + QPointF(-s / 10, 0), c + QPointF(s / 10, 0));
                p.drawLine(c + QPointF(0, -s / 10), c + QPointF(0, s / 10));
            }
        },
        [](QPainter& p, qreal s) { // tartan
            p.fillRect(QRectF(0, 0, s, s), QColor(150, 30, 40));
            const QColor band(20, 60, 40, 160);
            p.fillRect(QRectF(s / 8, 0, s / 4, s), band);
            p.fillRect(QRectF(0, s / 8, s, s / 4), band);
            p.setPen(QPen(QColor(240, 210, 90), s / 64));
            p.drawLine(QPointF(5 * s / 8, 0), QPointF(5 * s / 8, s));
            p.drawLine(QPointF(0, 5 * s / 8), QPointF(s, 5 * s / 8));
        },
        [](QPainter& p, qreal s) { // confetti
            p.fillRect(QRectF(0, 0, s, s), QColor(255, 255, 255));
            p.setPen(Qt::NoPen);
            const QColor colors[] = {QColor(240, 80, 80), QColor(70, 160, 240), QColor(250, 200, 50),
                                     QColor(90, 200, 120)};
            for (int i = 0; i < 12; ++i) {
                p.setBrush(colors[i % 4]);
                const qreal x = std::fmod(i * 0.618 * s, s);
                const qreal y = std::fmod(i * 0.382 * s + i * s / 12, s);
                p.drawEllipse(QPointF(x, y), s / 28, s / 28);
            }
        },
    };
    return table;
}

QImage drawTexture(int number, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(image.rect());
    patterns()[size_t(number - 1)](painter, size.width());
    return image;
}

} // namespace

QImage drawEditorPicture(const QString& name, const QSize& size)
{
    static const QRegularExpression easing("^easing-(\\d+)(-selected)?$");
    static const QRegularExpression texture("^texture-(\\d+)$");
    const QRegularExpressionMatch easingMatch = easing.match(name);
    const int easingCode = easingMatch.captured(1).toInt();
    if (easingMatch.hasMatch() && easingCode >= 1 && easingCode <= kEasingCodes)
        return drawEasingPlot(easingCode, !easingMatch.captured(2).isEmpty(), size);
    const QRegularExpressionMatch textureMatch = texture.match(name);
    const int textureNumber = textureMatch.captured(1).toInt();
    if (textureMatch.hasMatch() && textureNumber >= 1 && textureNumber <= int(patterns().size()))
        return drawTexture(textureNumber, size);
    return drawToolIcon(name, size);
}

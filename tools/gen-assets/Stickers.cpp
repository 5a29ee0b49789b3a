#include "Stickers.h"

#include <QMap>
#include <QPainterPath>
#include <QRegularExpression>

#include <cmath>
#include <functional>

namespace {

// Every sticker is drawn on a 100 x 100 canvas, scaled to the picture.
constexpr qreal kCanvas = 100;
const QColor kInk(40, 30, 30);

using StickerDrawing = std::function<void(QPainter&, int index)>;

struct StickerGroup {
    int count;
    StickerDrawing draw;
};

QColor hueColor(int index, int steps, int saturation = 200, int value = 245)
{
    return QColor::fromHsv(index * 360 / steps % 360, saturation, value);
}

QPen inkPen(qreal width)
{
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Emoticons: five kinds of eyes times five mouths on a round face.
void drawEyes(QPainter& painter, int kind)
{
    painter.setPen(inkPen(4));
    painter.setBrush(kInk);
    for (qreal x : {35.0, 65.0}) {
        switch (kind) {
        case 0: painter.drawEllipse(QPointF(x, 40), 4, 6); break;
        case 1: painter.setBrush(Qt::NoBrush); painter.drawArc(QRectF(x - 7, 36, 14, 12), 0, 180 * 16); break;
        case 2: painter.drawLine(QPointF(x - 5, 35), QPointF(x + 5, 45)); painter.drawLine(QPointF(x + 5, 35), QPointF(x - 5, 45)); break;
        case 3: painter.setBrush(Qt::white); painter.drawEllipse(QPointF(x, 40), 8, 8); painter.setBrush(kInk); painter.drawEllipse(QPointF(x + 2, 42), 2, 2); break;
        default:
            if (x < 50) painter.drawEllipse(QPointF(x, 40), 4, 6);
            else painter.drawLine(QPointF(x - 6, 40), QPointF(x + 6, 40));
            break;
        }
    }
}

void drawMouth(QPainter& painter, int kind)
{
    painter.setPen(inkPen(4));
    painter.setBrush(Qt::NoBrush);
    switch (kind) {
    case 0: painter.drawArc(QRectF(30, 45, 40, 25), 200 * 16, 140 * 16); break;
    case 1: {
        QPainterPath grin;
        grin.moveTo(28, 58);
        grin.quadTo(50, 90, 72, 58);
        grin.closeSubpath();
        painter.setBrush(QColor(170, 40, 50));
        painter.drawPath(grin);
        break;
    }
    case 2: painter.drawArc(QRectF(32, 64, 36, 20), 20 * 16, 140 * 16); break;
    case 3: painter.setBrush(QColor(170, 40, 50)); painter.drawEllipse(QPointF(50, 68), 7, 9); break;
    default: painter.drawLine(QPointF(36, 68), QPointF(64, 68)); break;
    }
}

void drawEmoticon(QPainter& painter, int index)
{
    QRadialGradient face(QPointF(40, 35), 60);
    face.setColorAt(0, QColor(255, 230, 90));
    face.setColorAt(1, QColor(245, 175, 30));
    painter.setPen(inkPen(3));
    painter.setBrush(face);
    painter.drawEllipse(QPointF(50, 50), 45, 45);
    drawEyes(painter, index % 5);
    drawMouth(painter, index / 5);
}

// Party: balloons, hats, presents and stars in changing colours, with confetti.
void drawConfetti(QPainter& painter, int index)
{
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        const qreal angle = (index * 37 + i * 45) * M_PI / 180;
        painter.setBrush(hueColor(index + i * 3, 8));
        painter.drawEllipse(QPointF(50 + 42 * std::cos(angle), 50 + 42 * std::sin(angle)), 3, 3);
    }
}

void drawBalloon(QPainter& painter, const QColor& colour)
{
    painter.setPen(inkPen(2));
    painter.drawLine(QPointF(50, 70), QPointF(46, 95));
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(28, 8, 44, 56));
    painter.drawPolygon(QPolygonF({QPointF(46, 70), QPointF(50, 63), QPointF(54, 70)}));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 120));
    painter.drawEllipse(QRectF(36, 16, 10, 16));
}

void drawHat(QPainter& painter, const QColor& colour)
{
    painter.setPen(inkPen(2));
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF({QPointF(50, 10), QPointF(78, 88), QPointF(22, 88)}));
    painter.setPen(QPen(Qt::white, 5));
    painter.drawLine(QPointF(36, 50), QPointF(58, 42));
    painter.drawLine(QPointF(30, 70), QPointF(68, 60));
    painter.setPen(inkPen(2));
    painter.setBrush(QColor(255, 220, 60));
    painter.drawEllipse(QPointF(50, 10), 7, 7);
}

void drawPresent(QPainter& painter, const QColor& colour)
{
    painter.setPen(inkPen(2));
    painter.setBrush(colour);
    painter.drawRect(QRectF(20, 40, 60, 48));
    painter.drawRect(QRectF(16, 30, 68, 14));
    painter.setBrush(QColor(255, 220, 60));
    painter.drawRect(QRectF(44, 30, 12, 58));
    painter.drawEllipse(QRectF(32, 16, 18, 14));
    painter.drawEllipse(QRectF(50, 16, 18, 14));
}

void drawStar(QPainter& painter, const QColor& colour)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 ? 18 : 40;
        const qreal angle = (i * 36 - 90) * M_PI / 180;
        star << QPointF(50 + radius * std::cos(angle), 52 + radius * std::sin(angle));
    }
    painter.setPen(inkPen(2));
    painter.setBrush(colour);
    painter.drawPolygon(star);
}

void drawParty(QPainter& painter, int index)
{
    static const QList<std::function<void(QPainter&, const QColor&)>> motifs{drawBalloon, drawHat, drawPresent,
                                                                             drawStar};
    drawConfetti(painter, index);
    motifs[index % motifs.size()](painter, hueColor(index * 5, 19));
}

// Love: hearts, single, paired, outlined and pierced, in reds and pinks.
QPainterPath heartPath(const QPointF& centre, qreal size)
{
    QPainterPath heart;
    heart.moveTo(centre.x(), centre.y() + size * 0.45);
    heart.cubicTo(centre.x() - size, centre.y() - size * 0.1, centre.x() - size * 0.45, centre.y() - size * 0.75,
                  centre.x(), centre.y() - size * 0.3);
    heart.cubicTo(centre.x() + size * 0.45, centre.y() - size * 0.75, centre.x() + size, centre.y() - size * 0.1,
                  centre.x(), centre.y() + size * 0.45);
    return heart;
}

void drawLove(QPainter& painter, int index)
{
    const QColor colour = QColor::fromHsv((330 + index * 3) % 360, 150 + index * 9, 240);
    painter.setPen(inkPen(3));
    painter.setBrush(colour);
    switch (index % 4) {
    case 0: painter.drawPath(heartPath(QPointF(50, 55), 80)); break;
    case 1:
        painter.drawPath(heartPath(QPointF(38, 50), 55));
        painter.setBrush(colour.lighter(130));
        painter.drawPath(heartPath(QPointF(64, 62), 45));
        break;
    case 2:
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colour, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(heartPath(QPointF(50, 55), 75));
        break;
    default:
        painter.drawPath(heartPath(QPointF(50, 55), 70));
        painter.setPen(inkPen(4));
        painter.drawLine(QPointF(10, 80), QPointF(90, 25));
        painter.drawLine(QPointF(90, 25), QPointF(80, 26));
        painter.drawLine(QPointF(90, 25), QPointF(87, 34));
        break;
    }
}

// Comic words: a bold outlined word on a starburst.
void drawComicWord(QPainter& painter, int index)
{
    static const QStringList words{"BOOM!", "POW!", "WOW!", "ZAP!", "BAM!", "OMG!", "LOL", "YES!",
                                   "COOL", "OOPS!", "WHAM!", "BANG!", "HAHA", "YAY!", "OK!", "HI!"};
    QPolygonF burst;
    constexpr int points = 24;
    for (int i = 0; i < points; ++i) {
        const qreal radius = i % 2 ? 34 : 47;
        const qreal angle = (i * 360.0 / points + index * 7) * M_PI / 180;
        burst << QPointF(50 + radius * std::cos(angle), 50 + radius * 0.8 * std::sin(angle));
    }
    painter.setPen(inkPen(2.5));
    painter.setBrush(hueColor(index * 3, 16, 180, 255));
    painter.drawPolygon(burst);
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(24);
    QPainterPath text;
    text.addText(0, 0, font, words.value(index));
    const QRectF bounds = text.boundingRect();
    const qreal fit = qMin(1.0, 70 / bounds.width());
    painter.save();
    painter.translate(50, 50);
    painter.rotate(-8);
    painter.scale(fit, fit);
    painter.translate(-bounds.center());
    painter.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(text);
    painter.setPen(Qt::NoPen);
    painter.drawPath(text);
    painter.restore();
}

const QMap<QString, StickerGroup>& stickerGroups()
{
    static const QMap<QString, StickerGroup> groups{
        {"emoticons", {25, drawEmoticon}},
        {"party", {19, drawParty}},
        {"love", {11, drawLove}},
        {"comic_words", {16, drawComicWord}},
    };
    return groups;
}

} // namespace

bool drawSticker(const QString& name, QPainter& painter, const QSize& size)
{
    static const QRegularExpression pattern("^sticker-(\\w+)-(\\d\\d)$");
    const QRegularExpressionMatch match = pattern.match(name);
    const auto group = stickerGroups().constFind(match.captured(1));
    const int number = match.captured(2).toInt();
    if (!match.hasMatch() || group == stickerGroups().constEnd() || number < 1 || number > group->count)
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / kCanvas, size.height() / kCanvas);
    group->draw(painter, number - 1);
    return true;
}

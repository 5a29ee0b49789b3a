#include "RulerWidget.h"

#include "TimelineMetrics.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

const QColor kTickColor(101, 101, 101);
// Below this many pixels per second only every second second is drawn.
constexpr float kDenseLimit = 10.0f;
constexpr int kTickBottomGap = 5;
constexpr int kMajorTickTop = 6;
constexpr int kMinorTickBelowMiddle = 4;
constexpr int kLabelLeft = 4;

} // namespace

RulerWidget::RulerWidget(QWidget* parent)
    : QWidget(parent)
{
}

void RulerWidget::setScale(float scale)
{
    _scale = scale;
    update();
}

void RulerWidget::paintEvent(QPaintEvent* event)
{
    const QRect r = event->rect();
    const float pxs = TimelineMetrics::pixelsPerSecond() * _scale;
    // Without a width per second the ticks would never pass the right edge.
    if (!r.isValid() || !(pxs > 0.0f))
        return;
    const int margin = TimelineMetrics::leftMargin();
    const bool sparse = pxs < kDenseLimit;
    int second = int((r.x() - margin) / pxs);
    if (sparse && second % 2 != 0)
        second -= 1;
    QPainter painter(this);
    QFont font = painter.font();
    font.setPixelSize(int(_fontPixelSize));
    painter.setFont(font);
    const int bottom = r.y() + r.height() - kTickBottomGap;
    while (true) {
        const float x = second * pxs + margin;
        const bool major = second % 5 == 0;
        painter.setPen(QPen(kTickColor, major ? 2 : 1, Qt::SolidLine, Qt::RoundCap));
        const float top = major ? r.y() + kMajorTickTop : r.y() + r.height() / 2 + kMinorTickBelowMiddle;
        if (!sparse || second % 2 == 0)
            painter.drawLine(QPointF(x, bottom), QPointF(x, top));
        if (second >= 0 && major) {
            const QString label = QString::asprintf("%d:%02d", second / 60, second % 60);
            painter.drawText(QPointF(x + kLabelLeft, r.y() + _labelTop + _fontPixelSize), label);
        }
        if (x >= r.x() + r.width())
            break;
        second += sparse ? 2 : 1;
    }
}

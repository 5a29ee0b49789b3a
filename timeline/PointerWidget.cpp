#include "PointerWidget.h"

#include "UiMetrics.h"
#include "WidgetAnimations.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr int kMoveMs = 200;

struct PointerPictures {
    const char* button;
    const char* line;
};

const PointerPictures kPictures[] = {
    {":/images/pointer_button", ":/images/pointer_gradient_line"},
    {":/images/pointer_button", ":/images/pointer_dashed_line"},
    {":/images/pointer_yellow_button", ":/images/pointer_yellow_line"},
    {":/images/pointer_yellow_dashed_button", ":/images/pointer_yellow_dashed_line"},
};

} // namespace

PointerWidget::PointerWidget(int style, int pointerHeight, QWidget* parent)
    : QWidget(parent)
    , _pointerHeight(pointerHeight)
{
    setStyle(style);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PointerWidget::setStyle(int style)
{
    if (style == _style)
        return;
    _style = style;
    if (style >= 0 && style < int(std::size(kPictures))) {
        const qreal ratio = devicePixelRatioF();
        const int handleHeight = UiMetrics::pointerHandleSize().height();
        _buttonPicture = QPixmap(kPictures[style].button)
                             .scaledToHeight(int(std::lround(handleHeight * ratio)), Qt::SmoothTransformation);
        _buttonPicture.setDevicePixelRatio(ratio);
        _linePicture = QPixmap(kPictures[style].line);
    }
    update();
}

float PointerWidget::centerX() const
{
    return x() + width() / 2;
}

void PointerWidget::moveToX(float x, bool animated)
{
    const QPoint target(int(std::ceil(x - width() / 2)), y());
    if (animated && animationsEnabled())
        animateInParallel(this, kMoveMs, {{this, "pos", target}});
    else
        move(target);
}

QRect PointerWidget::pointerRect() const
{
    return QRect(0, 0, width(), _pointerHeight);
}

void PointerWidget::paintEvent(QPaintEvent*)
{
    const QSize handle = UiMetrics::pointerHandleSize();
    const float lineWidth = UiMetrics::metricThree();
    QRectF line((width() - lineWidth) / 2, 0, lineWidth, height());
    QPainter painter(this);
    if (_style == 0 || _style == 2) {
        painter.drawPixmap(line, _linePicture, QRectF(_linePicture.rect()));
    } else if (_isTiled()) {
        line.setTop(handle.height());
        painter.fillRect(line, QBrush(_linePicture));
    }
    painter.drawPixmap(QRectF(int((width() - handle.width()) * 0.5), 0, handle.width(), handle.height()),
                       _buttonPicture, QRectF(_buttonPicture.rect()));
}

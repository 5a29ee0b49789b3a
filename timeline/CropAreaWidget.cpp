#include "CropAreaWidget.h"

#include "UiMetrics.h"

#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr float kMaximumFeathering = 0.5f;
// The knobs reach this far past the area's edge at feathering 0 and past
// its middle at 0.5, so that a knob never hides the line it sits on.
constexpr int kKnobOverhang = 10;
// The value label's space above its knob.
constexpr int kLabelGap = 5;

const char* const kKnobPictures[2][4] = {
    {":/images/feathering_left_transition", ":/images/feathering_top_transition",
     ":/images/feathering_right_transition", ":/images/feathering_bottom_transition"},
    {":/images/feathering_left_normal", ":/images/feathering_top_normal", ":/images/feathering_right_normal",
     ":/images/feathering_bottom_normal"},
};

float limitedFeathering(float value)
{
    if (!(value > 0.0f))
        return 0.0f;
    return std::min(value, kMaximumFeathering);
}

} // namespace

CropAreaWidget::CropAreaWidget(const QColor& frameColor, float featheringLeft, float featheringTop,
                               float featheringRight, float featheringBottom, bool normalAppearance, QWidget* parent)
    : QWidget(parent)
    , _frameColor(frameColor)
    , _feathering{limitedFeathering(featheringLeft), limitedFeathering(featheringTop),
                  limitedFeathering(featheringRight), limitedFeathering(featheringBottom)}
    , _handleSize(UiMetrics::metric40())
{
    for (int side = Left; side <= Bottom; ++side) {
        auto* handle = new QLabel(this);
        handle->setFixedSize(_handleSize, _handleSize);
        handle->setScaledContents(true);
        handle->setPixmap(QPixmap(QString::fromLatin1(kKnobPictures[normalAppearance ? 1 : 0][side])));
        handle->setCursor(side == Left || side == Right ? Qt::SizeHorCursor : Qt::SizeVerCursor);
        _handles[side] = handle;
    }
}

CropAreaWidget::~CropAreaWidget()
{
    // The label lives on the top-level window, which outlives the crop.
    delete _valueLabel.data();
}

void CropAreaWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    const int s = _handleSize;
    _travel[Left] = {-kKnobOverhang, w / 2 - s + kKnobOverhang};
    _travel[Top] = {-kKnobOverhang, h / 2 - s + kKnobOverhang};
    _travel[Right] = {w - s + kKnobOverhang, w / 2 - kKnobOverhang};
    _travel[Bottom] = {h - s + kKnobOverhang, h / 2 - kKnobOverhang};
    _placeHandles();
}

void CropAreaWidget::_placeHandles()
{
    const int w = width();
    const int h = height();
    const int half = _handleSize / 2;
    const auto along = [this](int side) {
        const Travel& travel = _travel[side];
        return travel.start + int((travel.end - travel.start) * _feathering[side] * 2.0f);
    };
    // Each knob sits on its own line of the grid of thirds.
    _handles[Left]->move(along(Left), h / 3 - half);
    _handles[Top]->move(2 * w / 3 - half, along(Top));
    _handles[Right]->move(along(Right), 2 * h / 3 - half);
    _handles[Bottom]->move(w / 3 - half, along(Bottom));
}

void CropAreaWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        for (int side = Left; side <= Bottom; ++side) {
            if (!_handles[side]->geometry().contains(event->pos()))
                continue;
            _currentSide = side;
            _pressPosition = event->pos();
            _showValueLabel();
            update();
            event->accept();
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

void CropAreaWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (_currentSide == NoSide) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const int side = _currentSide;
    const Travel& travel = _travel[side];
    if (travel.start != travel.end) {
        const int position = side == Left || side == Right ? event->pos().x() : event->pos().y();
        const float value = std::clamp(float(position - _handleSize / 2 - travel.start)
                                           / float(travel.end - travel.start) * kMaximumFeathering,
                                       0.0f, kMaximumFeathering);
        if (value != _feathering[side]) {
            _feathering[side] = value;
            _placeHandles();
            _emitChanged(side, value);
            update();
        }
    }
    _showValueLabel();
    event->accept();
}

void CropAreaWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || _currentSide == NoSide) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    _currentSide = NoSide;
    if (_valueLabel)
        _valueLabel->hide();
    update();
    event->accept();
}

void CropAreaWidget::_emitChanged(int side, float value)
{
    switch (side) {
    case Left:
        emit featheringLeftChanged(value);
        break;
    case Top:
        emit featheringTopChanged(value);
        break;
    case Right:
        emit featheringRightChanged(value);
        break;
    default:
        emit featheringBottomChanged(value);
        break;
    }
}

void CropAreaWidget::_showValueLabel()
{
    QWidget* host = window();
    if (!_valueLabel) {
        _valueLabel = new QLabel(host);
        _valueLabel->setObjectName(QStringLiteral("featheringValueLabel"));
        _valueLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
        _valueLabel->setAlignment(Qt::AlignCenter);
        _valueLabel->setFocusPolicy(Qt::NoFocus);
        _valueLabel->setStyleSheet(QStringLiteral("QLabel { background-color: rgba(0, 0, 0, 180); color: white; "
                                                  "padding: 4px 8px; border-radius: 4px; }"));
    } else if (_valueLabel->parentWidget() != host) {
        _valueLabel->setParent(host);
    }
    // Whole percent of the most feathering (0.5), cut rather than rounded.
    const int percent = int(_feathering[_currentSide] * 200.0f);
    _valueLabel->setText(tr("Feathering %1%").arg(percent));
    _valueLabel->adjustSize();
    // Centred above the dragged knob, kept inside the window where the knob
    // lies near its edge.
    const QLabel* handle = _handles[_currentSide];
    const QPoint top = handle->mapTo(host, QPoint(handle->width() / 2, 0));
    const QSize size = _valueLabel->size();
    const int x = std::max(0, std::min(top.x() - size.width() / 2, host->width() - size.width()));
    const int y = std::max(0, top.y() - size.height() - kLabelGap);
    _valueLabel->move(x, y);
    _valueLabel->show();
    _valueLabel->raise();
}

void CropAreaWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    _paintFeathering(painter);
    painter.setPen(QPen(_frameColor, 1.0));
    painter.setBrush(Qt::NoBrush);
    const int w = width();
    const int h = height();
    for (int third = 1; third <= 2; ++third) {
        painter.drawLine(third * w / 3, 0, third * w / 3, h);
        painter.drawLine(0, third * h / 3, w, third * h / 3);
    }
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void CropAreaWidget::_paintFeathering(QPainter& painter) const
{
    const QColor edge(255, 255, 255, 255);
    const QColor inside(255, 255, 255, 0);
    const int w = width();
    const int h = height();
    const int left = int(w * _feathering[Left]);
    const int top = int(h * _feathering[Top]);
    const int right = int(w * _feathering[Right]);
    const int bottom = int(h * _feathering[Bottom]);
    // Each band runs from its edge (opaque) to where the fade ends (clear).
    const struct
    {
        QRect band;
        QPoint from;
        QPoint to;
    } bands[] = {
        {QRect(0, 0, left, h), QPoint(0, 0), QPoint(left, 0)},
        {QRect(0, 0, w, top), QPoint(0, 0), QPoint(0, top)},
        {QRect(w - right, 0, right, h), QPoint(w, 0), QPoint(w - right, 0)},
        {QRect(0, h - bottom, w, bottom), QPoint(0, h), QPoint(0, h - bottom)},
    };
    for (const auto& band : bands) {
        if (band.band.isEmpty())
            continue;
        QLinearGradient gradient(band.from, band.to);
        gradient.setColorAt(0.0, edge);
        gradient.setColorAt(1.0, inside);
        painter.fillRect(band.band, gradient);
    }
}

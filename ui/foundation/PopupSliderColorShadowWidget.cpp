#include "PopupSliderColorShadowWidget.h"

#include "SliderPopupForm.h"
#include "Util.h"

#include <QApplication>
#include <QGraphicsDropShadowEffect>
#include <QLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int kPopupHeight = 320;
constexpr int kLayoutSpacing = 4;
constexpr int kPadStretch = 3;
constexpr QSize kBoxSize(100, 80);
constexpr QSize kUpDownSize(40, 30);
constexpr QSize kLeftRightSize(30, 40);
constexpr int kArrowIconSize = 24;
constexpr int kPadCentreRaise = 20;
constexpr int kArrowGap = 15;
constexpr int kEdgeRoom = 10;
constexpr int kCommitDelayMs = 350;
constexpr float kBlurPerUnit = 8.0f;
const QColor kShadowColor(54, 200, 255);

const char* const kArrowStyle =
    "QPushButton:pressed { background-color: rgb(25,26,28); border: none; border-radius: 10px; }";
const char* const kBoxStyle = "QWidget#shadowTopWidget { background-color: white; }"
                              "QWidget#shadowTopWidget:disabled { background-color: rgb(128,128,128); }";

// Keeps a box of extent size, starting at position, with its centre kEdgeRoom
// inside a panel of extent limit.
int clampBoxStart(double position, int size, int limit)
{
    const double half = size / 2;
    if (position + half < kEdgeRoom)
        position = kEdgeRoom - half;
    if (position + half > limit - kEdgeRoom)
        position = limit - kEdgeRoom - half;
    return static_cast<int>(position);
}

} // namespace

PopupSliderColorShadowWidget::PopupSliderColorShadowWidget(QWidget* parent)
    : CommonSliderColorPopup(parent),
      _shadowEffect(new QGraphicsDropShadowEffect(this)),
      _offsetCommitTimer(new QTimer(this))
{
    _offsetCommitTimer->setSingleShot(true);
    _offsetCommitTimer->setTimerType(Qt::PreciseTimer);
    _offsetCommitTimer->setInterval(kCommitDelayMs);
    connect(_offsetCommitTimer, &QTimer::timeout, this, [this] { emit shadowOffsetChanged(this, shadowOffset()); });

    SliderPopupForm form(this);
    form.mainLayout->setSpacing(kLayoutSpacing);
    form.addSliderRow(0, true);
    form.addSliderRow(1, false);
    _buildPad(form);
    adoptForm(form);

    _shadowEffect->setColor(kShadowColor);
    _box->setGraphicsEffect(_shadowEffect);

    using Self = PopupSliderColorShadowWidget;
    connect(this, &Self::sliderColorPopupValueChanging, this, &Self::onShadowOpacityValueChanging);
    connect(this, &Self::sliderColorPopupValueChanged, this, &Self::onShadowOpacityValueChanged);
    connect(this, &Self::sliderColorPopupValue2Changing, this, &Self::onShadowBlurRadiusValueChanging);
    connect(this, &Self::sliderColorPopupValue2Changed, this, &Self::onShadowBlurRadiusValueChanged);
    connect(_leftButton, &QPushButton::clicked, this, &Self::onShadowMoveLeftButtonClicked);
    connect(_rightButton, &QPushButton::clicked, this, &Self::onShadowMoveRightButtonClicked);
    connect(_upButton, &QPushButton::clicked, this, &Self::onShadowMoveUpButtonClicked);
    connect(_downButton, &QPushButton::clicked, this, &Self::onShadowMoveDownButtonClicked);
}

PopupSliderColorShadowWidget::~PopupSliderColorShadowWidget()
{
    // While this part still stands: the opacity and blur rows report to it.
    commitPendingChanges();
}

void PopupSliderColorShadowWidget::commitPendingChanges()
{
    CommonSliderColorPopup::commitPendingChanges();
    // An arrow run awaiting its commit, or a drag cut short by Escape.
    if (!_offsetCommitTimer->isActive() && !_dragging)
        return;
    _offsetCommitTimer->stop();
    _dragging = false;
    emit shadowOffsetChanged(this, shadowOffset());
}

void PopupSliderColorShadowWidget::_buildPad(const SliderPopupForm& form)
{
    _pad = new QWidget(form.mainWidget);
    _pad->setObjectName("shadowPanelWidget");
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setVerticalStretch(kPadStretch);
    _pad->setSizePolicy(policy);
    form.mainLayout->addWidget(_pad);

    // Marks where the shadow falls; never shown.
    _backWidget = new QWidget(_pad);
    _backWidget->setObjectName("shadowBackWidget");
    _backWidget->setFixedSize(kBoxSize);
    _backWidget->setStyleSheet("QWidget {background-color: rgb(54,200,255);}");
    _backWidget->hide();

    _upButton = _makeArrowButton("shadowMoveUpButton", ":/images/move_up", kUpDownSize);
    _downButton = _makeArrowButton("shadowMoveDownButton", ":/images/move_down", kUpDownSize);
    _leftButton = _makeArrowButton("shadowMoveLeftButton", ":/images/move_left", kLeftRightSize);
    _rightButton = _makeArrowButton("shadowMoveRightButton", ":/images/move_right", kLeftRightSize);

    // The box lives on the main widget so that it can be dragged anywhere
    // over the panel, not only over the pad.
    _box = new QWidget(form.mainWidget);
    _box->setObjectName("shadowTopWidget");
    _box->setFixedSize(kBoxSize);
    _box->setAttribute(Qt::WA_StyledBackground);
    _box->setStyleSheet(kBoxStyle);
}

QPushButton* PopupSliderColorShadowWidget::_makeArrowButton(const char* name, const char* icon, const QSize& size)
{
    auto* button = new QPushButton(_pad);
    button->setObjectName(name);
    button->setFlat(true);
    button->setFixedSize(size);
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(kArrowIconSize, kArrowIconSize));
    return button;
}

void PopupSliderColorShadowWidget::showFullscreenWithValues(QWidget* parent, const QString& title, float opacity,
                                                            const QColor& color, const QSizeF& offset, float min,
                                                            float max, float step, const QString& title2, float blur,
                                                            float min2, float max2, float step2)
{
    _applyValues(opacity, color, offset, min, max, step, title2, blur, min2, max2, step2);
    showFullscreenInWidget(parent, title);
}

void PopupSliderColorShadowWidget::showWithValues(QWidget* parent, const QString& title, const QPoint& point,
                                                  float opacity, const QColor& color, const QSizeF& offset,
                                                  float min, float max, float step, const QString& title2,
                                                  float blur, float min2, float max2, float step2)
{
    _applyValues(opacity, color, offset, min, max, step, title2, blur, min2, max2, step2);
    showInWidget(parent, title, point);
}

void PopupSliderColorShadowWidget::_applyValues(float opacity, const QColor& color, const QSizeF& offset,
                                                float min, float max, float step, const QString& title2,
                                                float blur, float min2, float max2, float step2)
{
    setSliderTitle(title2);
    setSliderRange(min, max, step);
    setSlider2Range(min2, max2, step2);
    setValue(opacity);
    setValue2(blur);
    setColor(color);
    setShadowOffset(offset);
    setFirstOption(opacity > 0);
    setSecondOption(true);
}

void PopupSliderColorShadowWidget::setShadowOffset(const QSizeF& offset)
{
    _shadowEffect->setOffset(offset.width(), offset.height());
    // A floating popup re-places the box at its next layout.
    if (isFullscreen())
        _postResize();
}

QSizeF PopupSliderColorShadowWidget::shadowOffset() const
{
    const QPointF offset = _shadowEffect->offset();
    return QSizeF(offset.x(), offset.y());
}

void PopupSliderColorShadowWidget::setValue(float value)
{
    CommonSliderColorPopup::setValue(value);
    // Follows the value even when the slider rejected it.
    _setShadowOpacity(value);
}

void PopupSliderColorShadowWidget::setValue2(float value)
{
    CommonSliderColorPopup::setValue2(value);
    _setShadowBlur(value);
}

void PopupSliderColorShadowWidget::_setShadowOpacity(float opacity)
{
    QColor color = _shadowEffect->color();
    color.setAlphaF(std::clamp(static_cast<double>(opacity), 0.0, 1.0));
    _shadowEffect->setColor(color);
}

void PopupSliderColorShadowWidget::_setShadowBlur(float blur)
{
    _shadowEffect->setBlurRadius(blur * kBlurPerUnit);
}

void PopupSliderColorShadowWidget::onShadowOpacityValueChanging(CommonSliderColorPopup*, float value)
{
    _setShadowOpacity(value);
}

void PopupSliderColorShadowWidget::onShadowOpacityValueChanged(CommonSliderColorPopup*, float value)
{
    _setShadowOpacity(value);
}

void PopupSliderColorShadowWidget::onShadowBlurRadiusValueChanging(CommonSliderColorPopup*, float value)
{
    _setShadowBlur(value);
}

void PopupSliderColorShadowWidget::onShadowBlurRadiusValueChanged(CommonSliderColorPopup*, float value)
{
    _setShadowBlur(value);
}

void PopupSliderColorShadowWidget::onShadowMoveLeftButtonClicked()
{
    moveShadowBy(QPoint(-1, 0));
}

void PopupSliderColorShadowWidget::onShadowMoveRightButtonClicked()
{
    moveShadowBy(QPoint(1, 0));
}

void PopupSliderColorShadowWidget::onShadowMoveUpButtonClicked()
{
    moveShadowBy(QPoint(0, -1));
}

void PopupSliderColorShadowWidget::onShadowMoveDownButtonClicked()
{
    moveShadowBy(QPoint(0, 1));
}

void PopupSliderColorShadowWidget::moveShadowBy(const QPoint& delta)
{
    const QPoint target = _box->pos() + delta;
    _moveBoxTo(target.x(), target.y());
    emit shadowOffsetChanging(this, shadowOffset());
    _offsetCommitTimer->start();
}

void PopupSliderColorShadowWidget::_moveBoxTo(double x, double y)
{
    const QSize panel = mainWidget()->size();
    const int left = clampBoxStart(x, _box->width(), panel.width());
    const int top = clampBoxStart(y, _box->height(), panel.height());
    _box->move(left, top);
    const QPoint back = _pad->mapTo(mainWidget(), _backWidget->pos());
    setShadowOffset(QSizeF(back.x() - left, back.y() - top));
}

void PopupSliderColorShadowWidget::updateControls(bool enabled)
{
    CommonSliderColorPopup::updateControls(enabled);
    const bool offsetEnabled = enabled && firstOption() && secondOption();
    for (QWidget* widget : {static_cast<QWidget*>(_upButton), static_cast<QWidget*>(_downButton),
                            static_cast<QWidget*>(_leftButton), static_cast<QWidget*>(_rightButton), _box})
        widget->setEnabled(offsetEnabled);
}

void PopupSliderColorShadowWidget::setupUi(QWidget* parent, const QString& title)
{
    CommonSliderColorPopup::setupUi(parent, title);
    for (QPushButton* button : {_upButton, _downButton, _leftButton, _rightButton})
        button->setStyleSheet(kArrowStyle);
}

int PopupSliderColorShadowWidget::popupHeight()
{
    return kPopupHeight;
}

void PopupSliderColorShadowWidget::layoutAtPoint(const QPoint& point)
{
    CommonSliderColorPopup::layoutAtPoint(point);
    _placePad();
    _placeBox();
    _postResize();
}

void PopupSliderColorShadowWidget::resizeEvent(QResizeEvent* event)
{
    CommonSliderColorPopup::resizeEvent(event);
    if (isFullscreen())
        _placePad();
    _placeBox();
}

void PopupSliderColorShadowWidget::_postResize()
{
    QApplication::postEvent(this, new QResizeEvent(size(), size()));
}

void PopupSliderColorShadowWidget::_placePad()
{
    // The panel was just given its size; its layout would otherwise place
    // the pad only when the pending layout request is handled.
    mainWidget()->layout()->activate();
    const QPoint centre(_pad->width() / 2, _pad->height() / 2 - kPadCentreRaise);
    Util::moveCenterTo(_backWidget, centre);
    const QRect back = _backWidget->geometry();
    const int belowY = back.bottom() + kArrowGap + _leftButton->height() / 2;
    Util::moveCenterToXY(_leftButton, centre.x() - kArrowGap, belowY);
    Util::moveCenterToXY(_rightButton, centre.x() + kArrowGap, belowY);
    const int besideX = back.right() + kArrowGap + _upButton->width() / 2;
    Util::moveCenterToXY(_upButton, besideX, centre.y() - kArrowGap);
    Util::moveCenterToXY(_downButton, besideX, centre.y() + kArrowGap);
}

void PopupSliderColorShadowWidget::_placeBox()
{
    const QPointF offset = _shadowEffect->offset();
    const QPoint back = _backWidget->pos();
    const QPoint box(static_cast<int>(back.x() - offset.x()), static_cast<int>(back.y() - offset.y()));
    _box->move(_pad->mapTo(mainWidget(), box));
}

void PopupSliderColorShadowWidget::mousePressEvent(QMouseEvent* event)
{
    const QPoint inPanel = mainWidget()->mapFromGlobal(event->globalPos());
    if (event->button() == Qt::LeftButton && _box->isEnabled() && _box->geometry().contains(inPanel)) {
        _pressGlobalPos = event->globalPos();
        _pressBoxPos = _box->pos();
        _dragging = true;
        event->accept();
        return;
    }
    CommonSliderColorPopup::mousePressEvent(event);
}

void PopupSliderColorShadowWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!_dragging) {
        CommonSliderColorPopup::mouseMoveEvent(event);
        return;
    }
    const QPoint target = _pressBoxPos + (event->globalPos() - _pressGlobalPos);
    _moveBoxTo(target.x(), target.y());
    emit shadowOffsetChanging(this, shadowOffset());
    event->accept();
}

void PopupSliderColorShadowWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (!_dragging) {
        CommonSliderColorPopup::mouseReleaseEvent(event);
        return;
    }
    _dragging = false;
    emit shadowOffsetChanged(this, shadowOffset());
    event->accept();
}

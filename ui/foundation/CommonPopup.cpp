#include "CommonPopup.h"

#include "SteppedApplication.h"
#include "UiMetrics.h"
#include "Util.h"

#include <QDebug>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QMouseEvent>

namespace {

constexpr int kFadeInMs = 200;
constexpr int kMinimumTop = 10;
constexpr int kRightMargin = 9;
constexpr int kLeftMargin = 10;
constexpr int kPanelRadius = 10;
constexpr int kTopCornersOnly = 2;

} // namespace

CommonPopup::CommonPopup(QWidget* parent) : PopupWidget(parent)
{
}

CommonPopup::~CommonPopup()
{
    qDebug() << "CommonPopup deleted";
}

bool CommonPopup::tryDismiss()
{
    if (_fullscreen || _notDismissable)
        return false;
    dismiss();
    return true;
}

void CommonPopup::dismiss()
{
    // Receivers release their pointer on the signal: it must come once.
    if (_dismissed)
        return;
    _dismissed = true;
    hide();
    emit dismissed(this);
    // Dismissed inside a loop that a step beneath turned (a modal box, a
    // wait), the popup would be deleted there, under the frames of that step,
    // which may be the popup's own or those of a library it owns: it goes once
    // the outermost step has returned.
    SteppedApplication::runOutsideOtherSteps(this, [this] { deleteLater(); });
}

void CommonPopup::dismissChildPopups()
{
}

void CommonPopup::showAt(const QPoint& point)
{
    layoutAtPoint(point);
}

void CommonPopup::updateControls(bool)
{
}

bool CommonPopup::isValueEnabled()
{
    return true;
}

void CommonPopup::setupUi(QWidget*, const QString&)
{
    if (!_titleLabel || _titleStyled)
        return;
    // Once only: a popup shown again must not grow its title each time.
    _titleStyled = true;
    QFont font = _titleLabel->font();
    font.setPointSizeF(font.pointSizeF() + 1);
    _titleLabel->setFont(font);
    _titleLabel->setStyleSheet("color: rgb(54,200,255);");
}

void CommonPopup::coverWithTitle(QWidget* parent, const QString& title)
{
    if (parent && parent != parentWidget())
        setParent(parent);
    if (parent)
        setGeometry(0, 0, parent->width(), parent->height());
    if (_titleLabel)
        _titleLabel->setText(title);
}

void CommonPopup::showInWidget(QWidget* parent, const QString& title, const QPoint& point)
{
    setupUi(parent, title);
    coverWithTitle(parent, title);
    Util::fadeInWidget(this, kFadeInMs, 1.0);
    layoutAtPoint(point);
}

void CommonPopup::showFullscreenInWidget(QWidget* parent, const QString& title)
{
    _fullscreen = true;
    setEmbedded(true);
    setupUi(parent, title);
    coverWithTitle(parent, title);
    show();
    // Later resizes keep the panel filling the cover; this covers a cover
    // whose size did not change.
    if (_mainWidget)
        _mainWidget->setGeometry(0, 0, width(), height());
}

int CommonPopup::clampPanelX(int x, int w, int parentWidth)
{
    if (x + w > parentWidth + 1)
        x = parentWidth - w - kRightMargin;
    if (x < 0)
        x = kLeftMargin;
    if (parentWidth < w + 2 * kLeftMargin)
        x = (parentWidth - w) / 2;
    return x;
}

void CommonPopup::layoutAtPoint(const QPoint& point)
{
    if (!_mainWidget)
        return;
    const int w = UiMetrics::portraitScreenSize().width() / 2;
    const int h = popupHeight();
    const int y = point.y() - _anchorOffset - h;
    const int parentWidth = parentWidget() ? parentWidget()->width() : width();
    const int x = clampPanelX(point.x() - w / 2, w, parentWidth);
    _mainWidget->setGeometry(x, std::max(y, kMinimumTop), w, h);
    applyMainWidgetStyle(_mainWidget, kPanelRadius, _cornerMode);
}

int CommonPopup::popupHeight()
{
    return 0;
}

void CommonPopup::addShadow()
{
    if (!_mainWidget)
        return;
    auto* shadow = new QGraphicsDropShadowEffect(_mainWidget);
    shadow->setBlurRadius(100);
    shadow->setOffset(0, 0);
    shadow->setColor(QColor(0, 0, 0, 128));
    _mainWidget->setGraphicsEffect(shadow);
}

void CommonPopup::applyLabelStyle(QWidget* widget)
{
    widget->setStyleSheet("QLabel { color: white; } QLabel:disabled { color: rgb(128,128,128); }");
}

void CommonPopup::applyMainWidgetStyle(QWidget* widget, float radius, int cornerMode)
{
    const QString background = QString("rgba(%1,%2,%3,%4)")
                                   .arg(_backgroundColor.red())
                                   .arg(_backgroundColor.green())
                                   .arg(_backgroundColor.blue())
                                   .arg(_backgroundColor.alpha());
    QString corners;
    if (radius >= 1)
        corners = cornerMode == kTopCornersOnly
                      ? "border-top-left-radius: 10px; border-top-right-radius: 10px;"
                      : "border-radius: 10px;";
    widget->setStyleSheet(QString("QWidget#mainWidget { background-color: %1; %2 }").arg(background, corners));
}

void CommonPopup::mousePressEvent(QMouseEvent* event)
{
    PopupWidget::mousePressEvent(event);
    if (_fullscreen || _notDismissable)
        return;
    if (!_mainWidget || !_mainWidget->geometry().contains(event->pos())) {
        dismiss();
        event->accept();
    }
}

void CommonPopup::resizeEvent(QResizeEvent* event)
{
    PopupWidget::resizeEvent(event);
    if (_fullscreen && _mainWidget)
        _mainWidget->setGeometry(0, 0, width(), height());
}

#include "ProgressHUD.h"

#include "AnimatedLabel.h"

#include <QBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QSpacerItem>
#include <QTimer>

namespace {

const char* const kStyle =
    "QWidget#mainWidget { background-color: rgb(64,64,64); border-radius: 10px; }"
    "QProgressBar { border: none; color: white; text-align: center; background: rgb(44,46,50);"
    " height: 20px; border-radius: 10px; }"
    "QProgressBar::chunk { border: none; background: rgb(54, 200, 255); border-radius: 10px; }"
    "QLabel { color: white; background-color: transparent; }";

constexpr int kSpinnerSide = 80;
constexpr int kCardMinimumSide = 100;
constexpr int kBarMaximumWidth = 400;
constexpr int kBarHeight = 20;
constexpr int kMessageCardHeight = 70;

QSpacerItem* verticalSpacer(int height)
{
    return new QSpacerItem(20, height, QSizePolicy::Minimum, QSizePolicy::Expanding);
}

QSpacerItem* horizontalSpacer()
{
    return new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
}

QSpacerItem* narrowSpacer()
{
    return new QSpacerItem(0, 20, QSizePolicy::Preferred, QSizePolicy::Minimum);
}

} // namespace

ProgressHUD::ProgressHUD(QWidget* parent, ProgressHUDMode mode) : PopupWidget(parent), _mode(mode)
{
    _buildForm();
    switch (mode) {
    case ProgressHUDSpinner:
        _setUpSpinner();
        break;
    case ProgressHUDBar:
        _setUpBar();
        break;
    case ProgressHUDMessage:
        _setUpMessage();
        break;
    }
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(kStyle);
}

void ProgressHUD::_buildForm()
{
    if (objectName().isEmpty())
        setObjectName("ProgressHUD");
    resize(400, 300);
    setWindowTitle(tr("Form"));
    _form.verticalLayout_2 = new QVBoxLayout(this);
    _form.verticalLayout_2->setObjectName("verticalLayout_2");
    _form.verticalLayout_2->addItem(verticalSpacer(96));
    _form.horizontalLayout = new QHBoxLayout;
    _form.horizontalLayout->setObjectName("horizontalLayout");
    _form.horizontalLayout->addItem(horizontalSpacer());
    _form.mainWidget = new QWidget(this);
    _form.mainWidget->setObjectName("mainWidget");
    _form.mainWidget->setMinimumSize(kCardMinimumSide, kCardMinimumSide);
    _form.mainVerticalLayout = new QVBoxLayout(_form.mainWidget);
    _form.mainVerticalLayout->setObjectName("mainVerticalLayout");
    _form.mainVerticalLayout->setContentsMargins(12, 12, 12, 12);
    _form.mainUpperHorizontalLayout = new QHBoxLayout;
    _form.mainUpperHorizontalLayout->setObjectName("mainUpperHorizontalLayout");
    const QMargins defaults = _form.mainUpperHorizontalLayout->contentsMargins();
    _form.mainUpperHorizontalLayout->setContentsMargins(0, defaults.top(), 0, defaults.bottom());
    _form.mainUpperHorizontalLayout->addItem(narrowSpacer());
    _form.mainUpperHorizontalLayout->addItem(narrowSpacer());
    _form.mainVerticalLayout->addLayout(_form.mainUpperHorizontalLayout);
    _form.horizontalLayout->addWidget(_form.mainWidget);
    _form.horizontalLayout->addItem(horizontalSpacer());
    _form.verticalLayout_2->addLayout(_form.horizontalLayout);
    _form.bottomSpacer = verticalSpacer(96);
    _form.verticalLayout_2->addItem(_form.bottomSpacer);
}

void ProgressHUD::_setUpSpinner()
{
    _spinner = new AnimatedLabel(_form.mainWidget, ":/images/loading_hud_dark");
    _spinner->setMaximumSize(kSpinnerSide, kSpinnerSide);
    _form.mainUpperHorizontalLayout->insertWidget(1, _spinner);
}

void ProgressHUD::_setUpBar()
{
    _progressBar = new QProgressBar(_form.mainWidget);
    _progressBar->setRange(0, 100);
    _progressBar->setMaximumHeight(kBarHeight);
    _form.mainWidget->setMaximumWidth(kBarMaximumWidth);
    _form.mainUpperHorizontalLayout->insertWidget(1, _progressBar);
    _form.mainUpperHorizontalLayout->setContentsMargins(30, 0, 30, 0);
}

void ProgressHUD::_setUpMessage()
{
    _form.mainVerticalLayout->removeItem(_form.mainUpperHorizontalLayout);
    delete _form.mainUpperHorizontalLayout;
    _form.mainUpperHorizontalLayout = nullptr;
    _form.mainWidget->setMinimumHeight(kMessageCardHeight);
    _form.mainWidget->setFixedHeight(kMessageCardHeight);
    // Low in the window, above a gap of about 90 pixels.
    _form.bottomSpacer->changeSize(20, 90, QSizePolicy::Minimum, QSizePolicy::Preferred);
    _form.verticalLayout_2->invalidate();
    setTransparentForMouse(true);
}

void ProgressHUD::setText(const QString& text)
{
    if (text.isEmpty()) {
        if (_messageLabel) {
            _form.mainVerticalLayout->removeWidget(_messageLabel);
            delete _messageLabel;
            _messageLabel = nullptr;
        }
        return;
    }
    if (!_messageLabel) {
        _messageLabel = new QLabel(_form.mainWidget);
        QFont font = _messageLabel->font();
        font.setPointSizeF(font.pointSizeF() + 1);
        _messageLabel->setFont(font);
        _messageLabel->setAlignment(Qt::AlignCenter);
        _messageLabel->setStyleSheet("color:white;");
        _form.mainVerticalLayout->addWidget(_messageLabel);
    }
    _messageLabel->setText(text);
    switch (_mode) {
    case ProgressHUDSpinner:
        _form.mainVerticalLayout->setContentsMargins(12, 0, 12, 12);
        _form.mainVerticalLayout->setSpacing(0);
        break;
    case ProgressHUDBar:
        _form.mainVerticalLayout->setContentsMargins(12, 30, 12, 12);
        break;
    case ProgressHUDMessage:
        _form.mainVerticalLayout->setContentsMargins(25, 12, 25, 12);
        // In a narrow parent the spacers beside the card give way, not the
        // card: left to share the shortfall with them, it would cut the
        // caption at both sides while there is still room for all of it.
        _form.mainWidget->setMinimumWidth(std::max(kCardMinimumSide, _form.mainWidget->sizeHint().width()));
        break;
    }
}

void ProgressHUD::setProgress(float fraction)
{
    if (_progressBar)
        _progressBar->setValue(static_cast<int>(fraction * 100));
}

void ProgressHUD::showMessage(const QString& text, QWidget* parent, int msecs)
{
    if (!parent)
        return;
    auto* hud = new ProgressHUD(parent, ProgressHUDMessage);
    hud->setGeometry(0, 0, parent->width(), parent->height());
    hud->setText(text);
    hud->show();
    // Precise: a coarse timer may end a two-second message 100 ms early. The
    // overlay is its own context: should it go first (with its parent, say),
    // the timer goes with it.
    QTimer::singleShot(msecs, Qt::PreciseTimer, hud, [hud]() {
        hud->hide();
        hud->deleteLater();
    });
}

void ProgressHUD::showEvent(QShowEvent* event)
{
    PopupWidget::showEvent(event);
    if (_spinner)
        _spinner->start();
}

void ProgressHUD::hideEvent(QHideEvent* event)
{
    if (_spinner)
        _spinner->stop();
    PopupWidget::hideEvent(event);
}

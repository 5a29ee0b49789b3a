#include "CommonPopupHelpTipWidget.h"

#include "AnimatedLabel.h"
#include "PopupMainWidget.h"
#include "Util.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kBottomMargin = 24;
constexpr int kArrowRoom = 16;
constexpr int kPictureStartDelayMs = 30;
constexpr int kEdgeMargin = 9;

const char* const kOkButtonStyle =
    "QPushButton { background-color: transparent; color: white; border: 1px solid white;"
    " border-radius: 5px; }"
    "QPushButton:pressed { background-color: white; color: rgb(54,200,255); }";

int clampPanelY(int y, int h, int parentHeight)
{
    if (y + h > parentHeight + 1)
        y = parentHeight - h - kEdgeMargin;
    if (y < 0)
        y = (parentHeight - h) / 2;
    return y;
}

} // namespace

CommonPopupHelpTipWidget::CommonPopupHelpTipWidget(QWidget* parent, const QString& helpText,
                                                   const QString& okText)
    : CommonPopup(parent)
{
    _buildForm(parent, helpText, okText);
    connect(_panel, &PopupMainWidget::mainWidgetClicked, this, &CommonPopupHelpTipWidget::clickedOnHelpTip);
    connect(_okButton, &QPushButton::clicked, this, &CommonPopupHelpTipWidget::clickedOnHelpTip);
    // Only the balloon takes clicks; the rest of the window stays usable.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

CommonPopupHelpTipWidget::~CommonPopupHelpTipWidget()
{
    // The balloon is not our child: a tip deleted without being dismissed
    // must not leave it behind.
    delete _panel.data();
}

void CommonPopupHelpTipWidget::_buildForm(QWidget* parent, const QString& helpText, const QString& okText)
{
    _panel = new PopupMainWidget(parent ? parent : this);
    _panel->setObjectName("mainWidget");
    _layout = new QVBoxLayout(_panel);
    _layout->setObjectName("mainVerticalLayout");
    _layout->setSpacing(10);
    const QMargins defaults = _layout->contentsMargins();
    _formMargins = QMargins(defaults.left(), defaults.top(), defaults.right(), kBottomMargin);
    _layout->setContentsMargins(_formMargins);

    _animatedLabel = new AnimatedLabel(_panel);
    _animatedLabel->setObjectName("animatedLabel");
    _animatedLabel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    _animatedLabel->setScaledContents(false);
    _layout->addWidget(_animatedLabel);

    _helpTextLabel = new QLabel(helpText, _panel);
    _helpTextLabel->setObjectName("helpTextLabel");
    _helpTextLabel->setWordWrap(true);
    _layout->addWidget(_helpTextLabel);

    _okButton = new QPushButton(okText, _panel);
    _okButton->setObjectName("okButton");
    _okButton->setFlat(true);
    _okButton->setMinimumSize(65, 25);
    _layout->addWidget(_okButton, 0, Qt::AlignHCenter);

    setMainWidget(_panel);
    _panel->show();
}

void CommonPopupHelpTipWidget::showNextToWidget(QWidget* parent, const QString& imagePath, int arrowSide,
                                                QWidget* anchor)
{
    _imagePath = imagePath;
    _arrowSide = arrowSide;
    _anchorWidget = anchor;
    showInWidget(parent, QString(), QPoint(0, 0));
}

void CommonPopupHelpTipWidget::setupUi(QWidget* parent, const QString& title)
{
    CommonPopup::setupUi(parent, title);
    _panel->setFillColor(QColor(54, 200, 255, 255));
    _panel->setBorderColor(QColor(64, 64, 64, 128));
    _panel->setCornerRadius(10);
    _animatedLabel->setFileName(_imagePath);
    _animatedLabel->start(kPictureStartDelayMs);
    applyLabelStyle(_helpTextLabel);
    _okButton->setStyleSheet(kOkButtonStyle);
    QMargins margins = _formMargins;
    if (_arrowSide == PopupArrowTop)
        margins.setTop(margins.top() + kArrowRoom);
    else if (_arrowSide == PopupArrowBottom)
        margins.setBottom(margins.bottom() + kArrowRoom);
    _layout->setContentsMargins(margins);
}

void CommonPopupHelpTipWidget::showInWidget(QWidget* parent, const QString& title, const QPoint& point)
{
    // The balloon stands beside the tip on whatever the tip covers.
    if (parent && _panel && _panel->parentWidget() != parent) {
        _panel->setParent(parent);
        _panel->show();
    }
    CommonPopup::showInWidget(parent, title, point);
    addShadow();
}

QPoint CommonPopupHelpTipWidget::_anchorPoint() const
{
    const QWidget* parent = parentWidget();
    if (!_anchorWidget || !parent)
        return QPoint(0, 0);
    QPoint local;
    if (_arrowSide == PopupArrowTop)
        local = QPoint(_anchorWidget->width() / 2, _anchorWidget->height() / 2);
    else if (_arrowSide == PopupArrowBottom)
        local = QPoint(_anchorWidget->width() / 2, 0);
    else
        return QPoint(0, 0);
    // Through global coordinates: the anchor need not lie inside the parent.
    return parent->mapFromGlobal(_anchorWidget->mapToGlobal(local));
}

void CommonPopupHelpTipWidget::layoutAtPoint(const QPoint&)
{
    const QWidget* parent = parentWidget();
    if (!parent || !_panel)
        return;
    const QSize size = tipSize();
    const QPoint anchor = _anchorPoint();
    int x = 0;
    int y = 0;
    if (_arrowSide == PopupArrowTop || _arrowSide == PopupArrowBottom) {
        x = anchor.x() - size.width() / 2;
        y = _arrowSide == PopupArrowTop ? anchor.y() : anchor.y() - size.height();
    }
    x = clampPanelX(x, size.width(), parent->width());
    y = clampPanelY(y, size.height(), parent->height());
    _panel->setGeometry(x, y, size.width(), size.height());
    _panel->setArrowPoint(anchor - QPoint(x, y));
    if (_arrowSide == PopupArrowTop || _arrowSide == PopupArrowBottom)
        _panel->setArrowSide(_arrowSide);
    _fitPicture();
}

void CommonPopupHelpTipWidget::_fitPicture()
{
    // The label's size is known only once the balloon's layout has run.
    _layout->activate();
    const QSize picture = pictureSize();
    const QRectF fitted =
        Util::aspectFitRect(picture.width(), picture.height(), QRectF(QPointF(0, 0), _animatedLabel->size()));
    _animatedLabel->setScaledSize(QSize(static_cast<int>(fitted.width()), static_cast<int>(fitted.height())));
}

void CommonPopupHelpTipWidget::dismiss()
{
    if (_panel)
        _panel->hide();
    CommonPopup::dismiss();
    if (_panel)
        _panel->deleteLater();
}

#include "PopupMediaTypeSelectionWidget.h"

#include "PopupMainWidget.h"
#include "UiMetrics.h"

#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {

constexpr int kArrowRoom = 16;
constexpr int kEdgeMargin = 9;
constexpr int kLeftMargin = 10;

QString rgbText(const QColor& color)
{
    return QString("rgb(%1,%2,%3)").arg(color.red()).arg(color.green()).arg(color.blue());
}

QString buttonStyle(const QColor& background, const QString& text)
{
    return QString("QPushButton { color: %1; background-color: %2; border: none; border-radius: 5px; }"
                   "QPushButton:hover { background-color: %3; }"
                   "QPushButton:pressed { background-color: %4; }"
                   "QPushButton:disabled { background-color: rgb(217,217,217); color: rgba(128,128,128,128); }")
        .arg(text, rgbText(background), rgbText(background.lighter(150)), rgbText(background.darker(200)));
}

} // namespace

PopupMediaTypeSelectionWidget::PopupMediaTypeSelectionWidget(QWidget* parent) : CommonPopup(parent)
{
    setObjectName("PopupMediaTypeSelectionWidget");
    _panel = new PopupMainWidget(this);
    _panel->setObjectName("mainWidget");
    _panel->setGeometry(70, 120, 371, 311);
    _mainVerticalLayout = new QVBoxLayout(_panel);
    _mainVerticalLayout->setObjectName("mainVerticalLayout");
    const QMargins margins = _mainVerticalLayout->contentsMargins();
    _mainVerticalLayout->setContentsMargins(margins.left(), margins.top(), 12, 24);
    auto* title = new QLabel(tr("Title"), _panel);
    title->setObjectName("titleLabel");
    title->setMinimumHeight(18);
    title->setAlignment(Qt::AlignCenter);
    _mainVerticalLayout->addWidget(title);
    _chooseFileButton = _addButton("chooseFileButton", tr("Choose File..."));
    _cameraButton = _addButton("cameraButton", tr("Camera"));
    _microphoneButton = _addButton("microphoneButton", tr("Microphone"));
    _mainVerticalLayout->addItem(new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::Preferred));
    _textButton = _addButton("textButton", tr("Text"));
    _selfdrawButton = _addButton("selfdrawButton", tr("Self-Draw"));
    setMainWidget(_panel);
    setTitleLabel(title);
}

QPushButton* PopupMediaTypeSelectionWidget::_addButton(const QString& name, const QString& text)
{
    auto* button = new QPushButton(text, _panel);
    button->setObjectName(name);
    button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    button->setFlat(true);
    _mainVerticalLayout->addWidget(button);
    return button;
}

void PopupMediaTypeSelectionWidget::setMediaKind(int kind)
{
    _mediaKind = kind;
    const bool anyMedia = kind == 0;
    _microphoneButton->setEnabled(anyMedia);
    _textButton->setEnabled(anyMedia);
    _selfdrawButton->setEnabled(anyMedia);
    _cameraButton->setEnabled(kind != 3);
}

void PopupMediaTypeSelectionWidget::showAtAnchor(QWidget* parent, const QString& title, QWidget* anchor)
{
    _anchor = anchor;
    showInWidget(parent, title, QPoint(0, 0));
}

void PopupMediaTypeSelectionWidget::setupUi(QWidget* parent, const QString& title)
{
    CommonPopup::setupUi(parent, title);
    if (_styled)
        return;
    _styled = true;
    _panel->setFillColor(QColor(31, 32, 35));
    _panel->setBorderColor(QColor(64, 64, 64, 128));
    _panel->setCornerRadius(10);
    const struct {
        QPushButton* button;
        QColor background;
        const char* text;
    } looks[] = {
        {_chooseFileButton, QColor(0, 84, 204), "white"},
        {_cameraButton, QColor(64, 64, 64), "white"},
        {_microphoneButton, QColor(64, 64, 64), "white"},
        {_textButton, QColor(166, 166, 166), "black"},
        {_selfdrawButton, QColor(189, 54, 46), "white"},
    };
    for (const auto& look : looks) {
        look.button->setStyleSheet(buttonStyle(look.background, look.text));
        connect(look.button, &QPushButton::clicked, this, &PopupMediaTypeSelectionWidget::onMediaTypeButtonClicked);
    }
    QMargins margins = _mainVerticalLayout->contentsMargins();
    margins.setLeft(margins.left() + kArrowRoom);
    _mainVerticalLayout->setContentsMargins(margins);
}

void PopupMediaTypeSelectionWidget::layoutAtPoint(const QPoint&)
{
    const QSize size = UiMetrics::mediaTypeSelectionPopupSize();
    const QWidget* host = parentWidget() ? parentWidget() : this;
    // The middle of the anchor's right edge.
    const QPoint anchor =
        _anchor ? mapFromGlobal(_anchor->mapToGlobal(QPoint(_anchor->width(), _anchor->height() / 2))) : QPoint();
    int x = anchor.x();
    int y = anchor.y() - size.height() / 2;
    if (x + size.width() > host->width() + 1)
        x = host->width() - size.width() - kEdgeMargin;
    if (x < 0)
        x = kLeftMargin;
    if (size.width() + 2 * kLeftMargin > host->width())
        x = (host->width() - size.width()) / 2;
    if (y + size.height() > host->height() + 1)
        y = host->height() - size.height() - kEdgeMargin;
    if (y < 0)
        y = (host->height() - size.height()) / 2;
    _panel->setGeometry(x, y, size.width(), size.height());
    _panel->setArrowPoint(anchor - QPoint(x, y));
    _panel->setArrowSide(PopupArrowLeft);
}

void PopupMediaTypeSelectionWidget::onMediaTypeButtonClicked()
{
    const QObject* button = sender();
    if (button == _chooseFileButton)
        emit popupMediaTypeSelectionWidgetDidClickSelectFile(this);
    else if (button == _cameraButton)
        emit popupMediaTypeSelectionWidgetDidClickCamera(this);
    else if (button == _microphoneButton)
        emit popupMediaTypeSelectionWidgetDidClickMicrophone(this);
    else if (button == _textButton)
        emit popupMediaTypeSelectionWidgetDidClickText(this);
    else if (button == _selfdrawButton)
        emit popupMediaTypeSelectionWidgetDidClickSelfDraw(this);
}

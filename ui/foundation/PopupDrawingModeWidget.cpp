#include "PopupDrawingModeWidget.h"

#include "EditableGradientWidget.h"
#include "PopupColorMatrixWidget.h"
#include "TextureGridWidget.h"
#include "TooltipButton.h"
#include "UiMetrics.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {

constexpr int kButtonAreaHeight = 38;
constexpr int kIconSide = 27;
constexpr int kGradientInset = 12;
constexpr int kAbove = 10;
constexpr int kEdgeMargin = 9;
constexpr int kLeftMargin = 10;
constexpr int kPanelRadius = 10;
constexpr int kAllCorners = 4;
constexpr int kTextures = 16;
const char* const kModeIcons[] = {":/images/drawing/fill", ":/images/drawing/pattern", ":/images/drawing/linear",
                                  ":/images/drawing/radial"};
const char* const kModeButtonNames[] = {"colorModeButton", "patternModeButton", "linearModeButton",
                                        "radialModeButton"};

enum Mode { Eraser = 0, PlainColor = 1, Pattern = 2, LinearGradient = 3, RadialGradient = 4 };

QString modeButtonStyle(bool highlighted)
{
    return QString("QPushButton { background-color: %1; border-top-left-radius: 8px;"
                   " border-top-right-radius: 8px; }")
        .arg(highlighted ? "black" : "transparent");
}

void setShown(QWidget* widget, bool shown)
{
    if (widget)
        widget->setVisible(shown);
}

} // namespace

PopupDrawingModeWidget::PopupDrawingModeWidget(QWidget* parent) : CommonPopup(parent)
{
    setObjectName("PopupDrawingModeWidget");
    _buildForm();
}

void PopupDrawingModeWidget::_buildForm()
{
    auto* panel = new QWidget(this);
    panel->setObjectName("mainWidget");
    panel->setGeometry(50, 100, 330, 251);
    auto* layout = new QVBoxLayout(panel);
    layout->setObjectName("mainVerticalLayout");
    layout->setSpacing(0);
    auto* buttonArea = new QWidget(panel);
    buttonArea->setObjectName("buttonAreaWidget");
    buttonArea->setMinimumHeight(kButtonAreaHeight);
    buttonArea->setMaximumHeight(kButtonAreaHeight);
    auto* buttons = new QHBoxLayout(buttonArea);
    buttons->setObjectName("horizontalLayout");
    buttons->setSpacing(0);
    buttons->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 4; ++i) {
        auto* button = new TooltipButton(buttonArea);
        button->setObjectName(kModeButtonNames[i]);
        button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
        button->setIcon(QIcon(kModeIcons[i]));
        button->setIconSize(QSize(kIconSide, kIconSide));
        button->setFlat(true);
        buttons->addWidget(button);
        _modeButtons.append(button);
    }
    layout->addWidget(buttonArea);
    _contentWidget = new QWidget(panel);
    _contentWidget->setObjectName("contentWidget");
    layout->addWidget(_contentWidget);
    setMainWidget(panel);
}

void PopupDrawingModeWidget::showWithState(QWidget* parent, const QPoint& anchor, int mode, const QColor& fillColor,
                                           const QColor& linearStartColor, const QColor& linearEndColor,
                                           const QPointF& linearStartLocation, const QPointF& linearEndLocation,
                                           const QColor& radialStartColor, const QColor& radialEndColor,
                                           const QPointF& radialStartLocation, const QPointF& radialEndLocation)
{
    _mode = mode;
    _fillColor = fillColor;
    _linearStartColor = linearStartColor;
    _linearEndColor = linearEndColor;
    _linearStartLocation = linearStartLocation;
    _linearEndLocation = linearEndLocation;
    _radialStartColor = radialStartColor;
    _radialEndColor = radialEndColor;
    _radialStartLocation = radialStartLocation;
    _radialEndLocation = radialEndLocation;
    showInWidget(parent, QString(), anchor);
}

void PopupDrawingModeWidget::setupUi(QWidget* parent, const QString& title)
{
    CommonPopup::setupUi(parent, title);
    if (!_styled) {
        _styled = true;
        _contentWidget->setStyleSheet("QWidget#contentWidget { background-color: black;"
                                      " border-bottom-left-radius: 8px; border-bottom-right-radius: 8px; }");
        _contentWidget->setAttribute(Qt::WA_StyledBackground);
        QWidget* buttonArea = _modeButtons.first()->parentWidget();
        buttonArea->setStyleSheet("QWidget#buttonAreaWidget { background-color: rgb(26,26,26);"
                                  " border-top-left-radius: 8px; border-top-right-radius: 8px; }");
        buttonArea->setAttribute(Qt::WA_StyledBackground);
        for (int i = 0; i < _modeButtons.size(); ++i) {
            TooltipButton* button = _modeButtons[i];
            button->setNormalIcon(kModeIcons[i]);
            button->setHighlightedIcon(QString(kModeIcons[i]) + "_");
            button->commandId = i + 1;
            connect(button, &QPushButton::clicked, this, &PopupDrawingModeWidget::onButtonClicked);
        }
    }
    _showContent();
    _refreshButtons();
}

void PopupDrawingModeWidget::_showContent()
{
    if (_mode == PlainColor && !_colorMatrixPopup)
        _createColorMatrixPopup();
    if (_mode == Pattern && !_textureGrid)
        _createTextureGrid();
    if (_mode == LinearGradient && !_linearEditor)
        _linearEditor = _createGradientEditor(false);
    if (_mode == RadialGradient && !_radialEditor)
        _radialEditor = _createGradientEditor(true);
    if (_colorMatrixPopup) {
        setShown(_colorMatrixPopup, _mode == PlainColor);
        // Hiding it switches an active eyedropper off.
        _colorMatrixPopup->setPopupVisible(_mode == PlainColor);
    }
    setShown(_textureGrid, _mode == Pattern);
    setShown(_linearEditor, _mode == LinearGradient);
    setShown(_radialEditor, _mode == RadialGradient);
}

void PopupDrawingModeWidget::_refreshButtons()
{
    for (TooltipButton* button : _modeButtons)
        button->setChecked(false);
    if (_mode >= PlainColor && _mode <= RadialGradient)
        _modeButtons[_mode - 1]->setChecked(true);
    for (TooltipButton* button : _modeButtons)
        button->setStyleSheet(modeButtonStyle(button->isHighlighted()));
}

void PopupDrawingModeWidget::onButtonClicked()
{
    auto* button = qobject_cast<TooltipButton*>(sender());
    if (!button || button->commandId == _mode)
        return;
    _mode = button->commandId;
    _showContent();
    _refreshButtons();
    emit drawingModePopupModeChanged(this, _mode);
}

void PopupDrawingModeWidget::_createColorMatrixPopup()
{
    _colorMatrixPopup = new PopupColorMatrixWidget(_contentWidget);
    _colorMatrixPopup->showFullscreenInWidgetWithPicker(_contentWidget, true);
    _colorMatrixPopup->setGeometry(_contentWidget->rect());
    using Popup = PopupColorMatrixWidget;
    using Self = PopupDrawingModeWidget;
    connect(_colorMatrixPopup, &Popup::colorMatrixPopupColorSelected, this,
            &Self::onPopupColorMatrixWidgetColorSelected);
    connect(_colorMatrixPopup, &Popup::colorMatrixPopupMoreColorNeeded, this,
            &Self::onPopupColorMatrixWidgetMoreColorNeeded);
    // The receivers fill the out-parameters before the signals return.
    connect(_colorMatrixPopup, &Popup::colorMatrixPopupColorPickingImageNeeded, this,
            &Self::onPopupColorMatrixWidgetColorPickingImageNeeded, Qt::DirectConnection);
    connect(_colorMatrixPopup, &Popup::colorMatrixPopupGetPlaybackAreaFrame, this,
            &Self::onPopupColorMatrixWidgetGetPlaybackAreaFrame, Qt::DirectConnection);
    connect(_colorMatrixPopup, &Popup::colorMatrixPopupGetColorPickingLabelParent, this,
            &Self::onPopupColorMatrixWidgetGetColorPickingLabelParent, Qt::DirectConnection);
    connect(_colorMatrixPopup, &Popup::colorMatrixPopupSetParentWidgetHidden, this,
            &Self::onPopupColorMatrixWidgetSetParentWidgetHidden);
}

void PopupDrawingModeWidget::_createTextureGrid()
{
    QStringList textures;
    for (int i = 1; i <= kTextures; ++i)
        textures << QString::asprintf(":/images/texture/%02d", i);
    _textureGrid = new TextureGridWidget(textures, _contentWidget);
    _textureGrid->setGeometry(_contentWidget->rect());
    using Self = PopupDrawingModeWidget;
    connect(_textureGrid, &TextureGridWidget::textureGridWidgetPatternDidSelect, this,
            &Self::onTextureGridWidgetPatternDidSelect);
    connect(_textureGrid, &TextureGridWidget::textureGridWidgetGetCanvasSize, this,
            &Self::onTextureGridWidgetGetCanvasSize, Qt::DirectConnection);
}

EditableGradientWidget* PopupDrawingModeWidget::_createGradientEditor(bool radial)
{
    auto* editor = radial ? new EditableGradientWidget(_radialStartColor, _radialEndColor, _radialStartLocation,
                                                       _radialEndLocation, true, _contentWidget)
                          : new EditableGradientWidget(_linearStartColor, _linearEndColor, _linearStartLocation,
                                                       _linearEndLocation, false, _contentWidget);
    editor->setGeometry(_contentWidget->rect().adjusted(kGradientInset, kGradientInset, -kGradientInset,
                                                        -kGradientInset));
    using Editor = EditableGradientWidget;
    using Self = PopupDrawingModeWidget;
    connect(editor, &Editor::editableGradientWidgetValueDidChange, this, &Self::onEditableGradientWidgetValueDidChange);
    connect(editor, &Editor::editableGradientWidgetGetPopupParent, this, &Self::onEditableGradientWidgetGetPopupParent,
            Qt::DirectConnection);
    connect(editor, &Editor::editableGradientWidgetGetPlaybackAreaFrameInWidget, this,
            &Self::onEditableGradientWidgetGetPlaybackAreaFrameInWidget, Qt::DirectConnection);
    connect(editor, &Editor::editableGradientWidgetColorPickingImageNeeded, this,
            &Self::onEditableGradientWidgetColorPickingImageNeeded, Qt::DirectConnection);
    return editor;
}

void PopupDrawingModeWidget::layoutAtPoint(const QPoint& point)
{
    const QSize size = UiMetrics::colorsScrollPopupSize();
    const QWidget* host = parentWidget() ? parentWidget() : this;
    int x = point.x() - size.width() / 2;
    int y = point.y() - size.height() - kAbove;
    if (x + size.width() > host->width() + 1)
        x = host->width() - size.width() - kEdgeMargin;
    if (x < 0)
        x = kLeftMargin;
    if (y + size.height() > host->height() + 1)
        y = host->height() - size.height() - kEdgeMargin;
    if (y < 0)
        y = (host->height() - size.height()) / 2;
    mainWidget()->setGeometry(x, y, size.width(), size.height());
    applyMainWidgetStyle(mainWidget(), kPanelRadius, kAllCorners);
    _layoutChoosers();
}

void PopupDrawingModeWidget::resizeEvent(QResizeEvent* event)
{
    CommonPopup::resizeEvent(event);
    if (isFullscreen())
        _layoutChoosers();
}

void PopupDrawingModeWidget::_layoutChoosers()
{
    // The content area's size comes from the panel's layout.
    mainWidget()->layout()->activate();
    const QRect content = _contentWidget->rect();
    const QRect inset = content.adjusted(kGradientInset, kGradientInset, -kGradientInset, -kGradientInset);
    if (_colorMatrixPopup)
        _colorMatrixPopup->setGeometry(content);
    if (_textureGrid)
        _textureGrid->setGeometry(content);
    if (_linearEditor)
        _linearEditor->setGeometry(inset);
    if (_radialEditor)
        _radialEditor->setGeometry(inset);
}

bool PopupDrawingModeWidget::_isColorPicking() const
{
    return _colorMatrixPopup && _colorMatrixPopup->isColorPicking();
}

void PopupDrawingModeWidget::mousePressEvent(QMouseEvent* event)
{
    if (_isColorPicking()) {
        // The eyedropper's handlers read global positions only.
        QCoreApplication::sendEvent(_colorMatrixPopup, event);
        if (_colorMatrixPopup->isDraggingEyedropper())
            return;
    }
    CommonPopup::mousePressEvent(event);
}

void PopupDrawingModeWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (_isColorPicking())
        QCoreApplication::sendEvent(_colorMatrixPopup, event);
    else
        CommonPopup::mouseMoveEvent(event);
}

void PopupDrawingModeWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (_isColorPicking())
        QCoreApplication::sendEvent(_colorMatrixPopup, event);
    else
        CommonPopup::mouseReleaseEvent(event);
}

void PopupDrawingModeWidget::onPopupColorMatrixWidgetColorSelected(PopupColorMatrixWidget*, QColor color)
{
    _fillColor = color;
    emit drawingModePopupColorSelected(this, color);
}

void PopupDrawingModeWidget::onPopupColorMatrixWidgetMoreColorNeeded(PopupColorMatrixWidget* popup)
{
    const QColor chosen = PopupColorMatrixWidget::askMoreColor(popup, _fillColor, this);
    if (!chosen.isValid())
        return;
    _fillColor = chosen;
    emit drawingModePopupColorSelected(this, chosen);
}

void PopupDrawingModeWidget::onPopupColorMatrixWidgetColorPickingImageNeeded(PopupColorMatrixWidget*, QImage* image)
{
    emit drawingModePopupNeedColorPickingImage(this, image);
}

void PopupDrawingModeWidget::onPopupColorMatrixWidgetGetPlaybackAreaFrame(PopupColorMatrixWidget*, QRect* rect)
{
    emit drawingModePopupGetPlaybackAreaFrame(this, rect, this);
}

void PopupDrawingModeWidget::onPopupColorMatrixWidgetGetColorPickingLabelParent(PopupColorMatrixWidget*,
                                                                                QWidget*& parent)
{
    parent = this;
}

void PopupDrawingModeWidget::onPopupColorMatrixWidgetSetParentWidgetHidden(PopupColorMatrixWidget*, bool hide)
{
    mainWidget()->setVisible(!hide);
}

void PopupDrawingModeWidget::onTextureGridWidgetPatternDidSelect(TextureGridWidget*, QString imgRes)
{
    emit drawingModePopupDidPatternChange(this, imgRes);
}

void PopupDrawingModeWidget::onTextureGridWidgetGetCanvasSize(TextureGridWidget*, QSize* size)
{
    emit drawingModePopupGetCanvasSize(this, size);
}

void PopupDrawingModeWidget::onEditableGradientWidgetValueDidChange(EditableGradientWidget* gradientWidget,
                                                                    QColor startColor, QColor endColor,
                                                                    QPointF startLocation, QPointF endLocation)
{
    emit drawingModePopupGradientValueDidChange(this, gradientWidget->constructionFlag(), startColor, endColor,
                                                startLocation, endLocation);
}

void PopupDrawingModeWidget::onEditableGradientWidgetGetPopupParent(EditableGradientWidget*, QWidget*& parent)
{
    parent = parentWidget();
}

void PopupDrawingModeWidget::onEditableGradientWidgetGetPlaybackAreaFrameInWidget(EditableGradientWidget*,
                                                                                  QRect* rect, QWidget* inWidget)
{
    emit drawingModePopupGetPlaybackAreaFrame(this, rect, inWidget);
}

void PopupDrawingModeWidget::onEditableGradientWidgetColorPickingImageNeeded(EditableGradientWidget*, QImage* image)
{
    emit drawingModePopupNeedColorPickingImage(this, image);
}

#include "PopupColorMatrixWidget.h"

#include "ColorMatrixPaletteWidget.h"
#include "ColorPickerWidget.h"
#include "UiMetrics.h"

#include <QColorDialog>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

const char* const kRecentColorsArray = "RecentColors";
const char* const kRecentColorKey = "color";
const char* const kPickerIconOff = ":/images/color_picker_icon_nor";
const char* const kPickerIconOn = ":/images/color_picker_icon_sel";

constexpr int kColumns = 10;
constexpr float kSpacing = 5.0f;
constexpr int kPanelRadius = 10;
constexpr int kAllCorners = 4;
constexpr int kEdgeMargin = 9;
constexpr int kLeftMargin = 10;
constexpr int kButtonSide = 30;
constexpr int kIconSide = 23;
// Presses this close to the eyedropper still grab it: it is small to aim at.
constexpr int kGrabMargin = 20;

const char* const kButtonStyle = "QPushButton { background: transparency; color: white;"
                                 " border: 1px solid white; border-radius: 5px; }"
                                 "QPushButton:pressed { background-color:rgb(31,32,35); }";
const char* const kCheckedStyle = "QPushButton:checked { background-color:white; }";

// Keeps a panel of length size inside a parent of length parentSize; too far
// before the start, the start falls back to fallback.
int clampPanel(int position, int size, int parentSize, int fallback)
{
    if (position + size > parentSize + 1)
        position = parentSize - size - kEdgeMargin;
    if (position < 0)
        position = fallback;
    return position;
}

} // namespace

PopupColorMatrixWidget::PopupColorMatrixWidget(QWidget* parent) : CommonPopup(parent)
{
    setObjectName("PopupColorMatrixWidget");
    // Lets the dimming style sheet paint this QWidget subclass.
    setAttribute(Qt::WA_StyledBackground);
    _buildForm();
    QMetaObject::connectSlotsByName(this);
}

PopupColorMatrixWidget::~PopupColorMatrixWidget()
{
    _saveRecentColors();
    // An overlay the owner took under its own widget would otherwise stay
    // over its preview after the popup is gone.
    if (_eyedropper && _eyedropper->parent() != this)
        delete _eyedropper.data();
    if (_pickingImageLabel && _pickingImageLabel->parent() != this)
        delete _pickingImageLabel.data();
}

QList<QColor> PopupColorMatrixWidget::matrixColors()
{
    static const QRgb table[] = {
        0x000000, 0x434343, 0x666666, 0x999999, 0xB7B7B7, 0xCCCCCC, 0xD9D9D9, 0xEFEFEF, 0xF3F3F3, 0xFFFFFF,
        0x980000, 0xFF0000, 0xFF9900, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x4A86E8, 0x0000FF, 0x9900FF, 0xFF00FF,
        0xE6B8AF, 0xF4CCCC, 0xFCE5CD, 0xFFF2CC, 0xD9EAD3, 0xD0E0E3, 0xC9DAF8, 0xCFE2F3, 0xD9D2E9, 0xEAD1DC,
        0xDD7E6B, 0xEA9999, 0xF9CB9C, 0xFFE599, 0xB6D7A8, 0xA2C4C9, 0xA4C2F4, 0x9FC5E8, 0xB4A7D6, 0xD5A6BD,
        0xCC4125, 0xE06666, 0xF6B26B, 0xFFD966, 0x93C47D, 0x76A5AF, 0x6D9EEB, 0x6FA8DC, 0x8E7CC3, 0xC27BA0,
        0xA61C00, 0xCC0000, 0xE69138, 0xF1C232, 0x6AA84F, 0x45818E, 0x3C78D8, 0x3D85C6, 0x674EA7, 0xA64D79,
        0x85200C, 0x990000, 0xB45F06, 0xBF9000, 0x38761D, 0x134F5C, 0x1155CC, 0x0B5394, 0x351C75, 0x741B47,
        0x5B0F00, 0x660000, 0x783F04, 0x7F6000, 0x274E13, 0x0C343D, 0x1C4587, 0x073763, 0x20124D, 0x4C1130,
    };
    QList<QColor> colors;
    for (QRgb rgb : table)
        colors.append(QColor(rgb));  // QColor(QRgb) is always opaque
    return colors;
}

void PopupColorMatrixWidget::_buildForm()
{
    auto* panel = new QWidget(this);
    panel->setObjectName("mainWidget");
    _mainVerticalLayout = new QVBoxLayout(panel);
    _mainVerticalLayout->setObjectName("mainVerticalLayout");

    _recentlyUsedColorsLabel = new QLabel(tr("Recently Used Colors"), panel);
    _recentlyUsedColorsLabel->setObjectName("recentlyUsedColorsLabel");
    _recentlyUsedColorsLabel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    _mainVerticalLayout->addWidget(_recentlyUsedColorsLabel);

    _recentlyUsedColorsPanel = new ColorMatrixPaletteWidget(panel);
    _recentlyUsedColorsPanel->setObjectName("recentlyUsedColorsPanel");
    _recentlyUsedColorsPanel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    _mainVerticalLayout->addWidget(_recentlyUsedColorsPanel);

    _separator = new QWidget(panel);
    _separator->setObjectName("separator");
    _separator->setFixedHeight(1);
    _mainVerticalLayout->addWidget(_separator);

    _palettePanel = new ColorMatrixPaletteWidget(panel);
    _palettePanel->setObjectName("palettePanel");
    _palettePanel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    _mainVerticalLayout->addWidget(_palettePanel);

    auto* buttons = new QHBoxLayout;
    buttons->setObjectName("horizontalLayout");
    _moreColorButton = new QPushButton(tr("More Colors..."), panel);
    _moreColorButton->setObjectName("moreColorButton");
    _moreColorButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    _moreColorButton->setMinimumHeight(kButtonSide);
    _moreColorButton->setFlat(true);
    buttons->addWidget(_moreColorButton);

    _colorPickerButton = new QPushButton(panel);
    _colorPickerButton->setObjectName("colorPickerButton");
    _colorPickerButton->setFixedSize(kButtonSide, kButtonSide);
    QIcon icon(kPickerIconOff);
    icon.addFile(kPickerIconOn, QSize(), QIcon::Active);
    icon.addFile(kPickerIconOn, QSize(), QIcon::Selected);
    _colorPickerButton->setIcon(icon);
    _colorPickerButton->setIconSize(QSize(kIconSide, kIconSide));
    _colorPickerButton->setCheckable(true);
    _colorPickerButton->setChecked(false);
    _colorPickerButton->setFlat(true);
    buttons->addWidget(_colorPickerButton);
    _mainVerticalLayout->addLayout(buttons);

    setMainWidget(panel);
}

void PopupColorMatrixWidget::showInWidgetWithPicker(QWidget* parent, const QPoint& point, bool colorPicker)
{
    _setPickerMode(colorPicker);
    showInWidget(parent, QString(), point);
}

void PopupColorMatrixWidget::showFullscreenInWidgetWithPicker(QWidget* parent, bool colorPicker)
{
    _setPickerMode(colorPicker);
    showFullscreenInWidget(parent, QString());
    mainWidget()->setStyleSheet("QWidget#mainWidget{background-color: transparent;border-radius: 0px;}");
}

void PopupColorMatrixWidget::_setPickerMode(bool colorPicker)
{
    if (!colorPicker)
        _colorPickerButton->hide();
    _pickerMode = colorPicker ? 1 : 0;
}

void PopupColorMatrixWidget::setupUi(QWidget* parent, const QString& title)
{
    CommonPopup::setupUi(parent, title);
    if (!isFullscreen())
        setStyleSheet("QWidget#PopupColorMatrixWidget{background-color: rgba(64,64,64,128);}");
    _recentlyUsedColorsLabel->setStyleSheet("color: white;");
    _loadRecentColors();
    // Unique connections: a popup set up again must not report one click twice.
    if (!_recentColors.isEmpty()) {
        _recentlyUsedColorsPanel->setColors(_recentColors, kColumns, kSpacing);
        connect(_recentlyUsedColorsPanel, &ColorMatrixPaletteWidget::colorClicked, this,
                &PopupColorMatrixWidget::onColorMatrixPaletteWidgetColorClicked, Qt::UniqueConnection);
    }
    _separator->setStyleSheet("background-color: rgb(90,92,94);");
    _palettePanel->setColors(matrixColors(), kColumns, kSpacing);
    connect(_palettePanel, &ColorMatrixPaletteWidget::colorClicked, this,
            &PopupColorMatrixWidget::onColorMatrixPaletteWidgetColorClicked, Qt::UniqueConnection);
    _styleForm();
}

void PopupColorMatrixWidget::_styleForm()
{
    _moreColorButton->setStyleSheet(kButtonStyle);
    _colorPickerButton->setStyleSheet(QString(kButtonStyle) + kCheckedStyle);
    _colorPickerButton->setToolTip(tr("Pick color from preview"));
}

void PopupColorMatrixWidget::_loadRecentColors()
{
    // A popup set up again keeps the choices it has not stored yet.
    if (_recentColorsChanged)
        return;
    _recentColors.clear();
    QSettings settings;
    // A store edited by hand may list more; the list never grows past the limit.
    const int count = std::min(settings.beginReadArray(kRecentColorsArray), kMaxRecentColors);
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        // QColor(QRgb) drops alpha: recent colours are always opaque.
        _recentColors.append(QColor(QRgb(settings.value(kRecentColorKey).toUInt())));
    }
    settings.endArray();
}

void PopupColorMatrixWidget::_saveRecentColors() const
{
    // An empty list leaves the stored one as it was.
    if (_recentColors.isEmpty())
        return;
    QSettings settings;
    settings.beginWriteArray(kRecentColorsArray);
    for (int i = 0; i < _recentColors.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(kRecentColorKey, uint(_recentColors[i].rgb()));
    }
    settings.endArray();
}

void PopupColorMatrixWidget::addRecentColor(const QColor& color)
{
    _recentColors.removeAll(color);
    _recentColors.prepend(color);
    while (_recentColors.size() > kMaxRecentColors)
        _recentColors.removeLast();
    _recentColorsChanged = true;
}

void PopupColorMatrixWidget::layoutAtPoint(const QPoint& point)
{
    const QSize size = UiMetrics::colorMatrixPopupSize();
    const QWidget* host = parentWidget() ? parentWidget() : this;
    const int x = clampPanel(point.x() - size.width() / 2, size.width(), host->width(), kLeftMargin);
    const int y = clampPanel(point.y() - size.height() / 2, size.height(), host->height(),
                             (host->height() - size.height()) / 2);
    mainWidget()->setGeometry(x, y, size.width(), size.height());
    layoutColorPicking();
    _fixRecentRowHeight(size.width());
    applyMainWidgetStyle(mainWidget(), kPanelRadius, kAllCorners);
}

void PopupColorMatrixWidget::resizeEvent(QResizeEvent* event)
{
    CommonPopup::resizeEvent(event);
    if (isFullscreen())
        _fixRecentRowHeight(width());
}

void PopupColorMatrixWidget::_fixRecentRowHeight(int popupWidth)
{
    const QMargins margins = _mainVerticalLayout->contentsMargins();
    const qreal cell = ColorMatrixPaletteWidget::cellSize(popupWidth - margins.left() - margins.right(), kColumns,
                                                          kSpacing);
    _recentlyUsedColorsPanel->setFixedHeight(int(cell + 1.0));
    // Lay the rows out now, not at the next event loop turn, so that the
    // grids never overlap for a click that comes first.
    _mainVerticalLayout->activate();
}

void PopupColorMatrixWidget::onColorMatrixPaletteWidgetColorClicked(QColor color)
{
    addRecentColor(color);
    emit colorMatrixPopupColorSelected(this, color);
}

QColor PopupColorMatrixWidget::askMoreColor(PopupColorMatrixWidget* popup, const QColor& initial,
                                           const QObject* owner)
{
    const QPointer<PopupColorMatrixWidget> guard(popup);
    const QPointer<const QObject> alive(owner);
    // No parent: a parent deleted during the dialog would delete the dialog
    // under its own running exec().
    const QColor chosen = QColorDialog::getColor(initial, nullptr, QString());
    if (!alive || !chosen.isValid())
        return QColor();
    if (guard)
        guard->addRecentColor(chosen);
    return chosen;
}

void PopupColorMatrixWidget::on_moreColorButton_clicked()
{
    emit colorMatrixPopupMoreColorNeeded(this);
}

void PopupColorMatrixWidget::on_colorPickerButton_clicked()
{
    _pickerMode = 3 - _pickerMode;
    const bool on = _pickerMode == 2;
    _colorPickerButton->setIcon(QIcon(on ? kPickerIconOn : kPickerIconOff));
    _colorPickerButton->setChecked(on);
    if (on) {
        // The picture is asked for once; later switches reuse it.
        if (!_pickingImageLabel)
            _createPickingLabel();
        if (!_eyedropper && _pickingImageLabel)
            _createEyedropper();
    }
    _setOverlayVisible(on);
}

void PopupColorMatrixWidget::_createPickingLabel()
{
    QImage image;
    emit colorMatrixPopupColorPickingImageNeeded(this, &image);
    if (image.isNull())
        return;
    QRect frame;
    emit colorMatrixPopupGetPlaybackAreaFrame(this, &frame);
    QWidget* labelParent = this;
    if (isFullscreen())
        emit colorMatrixPopupGetColorPickingLabelParent(this, labelParent);
    if (!labelParent)
        labelParent = this;
    _pickingImageLabel = new QLabel(labelParent);
    _pickingImageLabel->setGeometry(frame);
    _pickingImageLabel->setScaledContents(true);
    _pickingImageLabel->setPixmap(QPixmap::fromImage(image));
    _pickingImageLabel->show();
    _pickingImageLabel->lower();
    _pickingImage = image;
}

void PopupColorMatrixWidget::_createEyedropper()
{
    const int side = UiMetrics::metric120();
    const QPoint c = _pickingImageLabel->geometry().center();
    _eyedropper = new ColorPickerWidget(_pickingImageLabel->parentWidget());
    _eyedropper->setGeometry(c.x() - side / 2, c.y() - side / 2, side, side);
    _eyedropper->show();
    mainWidget()->raise();
    _locationX = 0.5;
    _locationY = 0.5;
    _eyedropper->setColor(_colorAt(_locationX, _locationY));
}

void PopupColorMatrixWidget::_setOverlayVisible(bool visible)
{
    if (_pickingImageLabel)
        _pickingImageLabel->setVisible(visible);
    if (_eyedropper)
        _eyedropper->setVisible(visible);
}

void PopupColorMatrixWidget::layoutColorPicking()
{
    if (_pickingImageLabel) {
        QRect frame;
        emit colorMatrixPopupGetPlaybackAreaFrame(this, &frame);
        _pickingImageLabel->setGeometry(frame);
    }
    if (!_eyedropper || !_pickingImageLabel)
        return;
    const QRect label = _pickingImageLabel->geometry();
    const double cx = label.left() + label.width() * _locationX;
    const double cy = label.top() + label.height() * _locationY;
    // std::lround rounds half away from zero.
    _eyedropper->move(int(std::lround(cx - _eyedropper->width() / 2)),
                      int(std::lround(cy - _eyedropper->height() / 2)));
}

bool PopupColorMatrixWidget::isColorPicking() const
{
    return _eyedropper && !_eyedropper->isHidden();
}

void PopupColorMatrixWidget::setPopupVisible(bool visible)
{
    if (!visible && _pickerMode == 2)
        on_colorPickerButton_clicked();
}

QColor PopupColorMatrixWidget::_colorAt(double x, double y) const
{
    if (_pickingImage.isNull())
        return QColor();
    qDebug() << "Get color from picking image: " << x << y;
    // Fractions outside 0..1 (or not numbers) never read beyond the picture.
    const float fx = std::isnan(x) ? 0.0f : float(qBound(0.0, x, 1.0));
    const float fy = std::isnan(y) ? 0.0f : float(qBound(0.0, y, 1.0));
    const int px = int(float(_pickingImage.width() - 1) * fx);
    const int py = int(float(_pickingImage.height() - 1) * fy);
    return _pickingImage.pixelColor(px, py);
}

void PopupColorMatrixWidget::_setCardHidden(bool hide)
{
    if (isFullscreen())
        emit colorMatrixPopupSetParentWidgetHidden(this, hide);
    else
        mainWidget()->setVisible(!hide);
}

void PopupColorMatrixWidget::mousePressEvent(QMouseEvent* event)
{
    if (_eyedropper && _eyedropper->isVisible() && event->button() == Qt::LeftButton) {
        const QPoint at = _eyedropper->parentWidget()->mapFromGlobal(event->globalPos());
        const QRect grab = _eyedropper->geometry().adjusted(-kGrabMargin, -kGrabMargin, kGrabMargin, kGrabMargin);
        if (grab.contains(at)) {
            _dragging = true;
            _pressPoint = event->globalPos();
            _eyedropperStart = _eyedropper->pos();
            _setCardHidden(true);
            event->accept();
            return;
        }
    }
    CommonPopup::mousePressEvent(event);
}

void PopupColorMatrixWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!_dragging || !_eyedropper || !_pickingImageLabel) {
        CommonPopup::mouseMoveEvent(event);
        return;
    }
    const int halfW = _eyedropper->width() / 2;
    const int halfH = _eyedropper->height() / 2;
    const QRect label = _pickingImageLabel->geometry();
    const QPoint moved = event->globalPos() - _pressPoint;
    const int cx = qBound(label.left() + 1, _eyedropperStart.x() + moved.x() + halfW, label.left() + label.width());
    const int cy = qBound(label.top() + 1, _eyedropperStart.y() + moved.y() + halfH, label.top() + label.height());
    _eyedropper->move(cx - halfW, cy - halfH);
    // A picture laid out with no area has no fractions to give.
    if (label.width() > 0 && label.height() > 0) {
        _locationX = double(cx - label.left()) / label.width();
        _locationY = double(cy - label.top()) / label.height();
    }
    _eyedropper->setColor(_colorAt(_locationX, _locationY));
    event->accept();
}

void PopupColorMatrixWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (!_dragging) {
        event->ignore();
        return;
    }
    _dragging = false;
    // The card comes back: its button is the only way to switch the eyedropper off.
    _setCardHidden(false);
    const QColor color = _eyedropper ? _eyedropper->color() : QColor();
    if (color.isValid()) {
        addRecentColor(color);
        emit colorMatrixPopupColorSelected(this, color);
    }
    event->accept();
}

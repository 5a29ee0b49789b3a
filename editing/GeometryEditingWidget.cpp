#include "GeometryEditingWidget.h"

#include "ScrollableToolBar.h"
#include "TooltipButton.h"
#include "UiMetrics.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The geometry commands of the tool bars.
enum Command {
    kMaintainAspectRatio = 10003,
    kRestoreDefault = 10004,
    kRotateClockwise = 10006,
    kRotateCounterClockwise = 10007,
    kFlipHorizontal = 10008,
    kFlipVertical = 10009,
    kCrop = 10024,
    kPerspective = 10030,
};

constexpr int kDefaultHeight = 235;
constexpr int kPerspectiveHeight = 331;
constexpr int kFirstRepeatMs = 500;
constexpr int kRepeatMs = 50;
constexpr int kCommitDelayMs = 350;
constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kStep = 1.0;
constexpr double kFineStep = 0.1;
constexpr int kLabelPadding = 4;
constexpr int kSideMargin = 5;

const char* const kValuePanelStyle =
    "QLabel { color: rgb(162,162,162); }"
    "QLabel:disabled { color: rgb(128,128,128); }"
    "QPushButton { border: 1px solid rgb(101,101,101); }"
    "QPushButton:disabled { border-color: rgb(55,55,55); }"
    "QLineEdit { color: white; border: 1px solid rgb(101,101,101); margin-left: -1px; margin-right: -1px; }"
    "QLineEdit:disabled { color: rgb(128,128,128); border-color: rgb(55,55,55); }";

double degreesToRadians(double degrees)
{
    return degrees / 180.0 * M_PI;
}

QString percentText(double number)
{
    return QString::asprintf("%.1f%%", number);
}

QString degreesText(double number)
{
    return QString::asprintf("%.1f", number) + QChar(0x00B0);
}

// The number a field shows: spaces and the one-character suffix dropped,
// read in single precision; what does not parse reads as 0.
double fieldNumber(const QString& text, bool* nothingLeft)
{
    QString rest = text;
    rest.remove(QLatin1Char(' '));
    rest.chop(1);
    *nothingLeft = rest.isEmpty();
    return static_cast<double>(rest.toFloat());
}

// The widest text a field with this input mask holds: every place for a
// digit or sign filled with the font's widest digit ("#000.0%" gives
// "8888.8%" in most fonts), the fixed characters as they are.
QString widestMaskText(const QString& mask, const QFontMetrics& metrics)
{
    QChar widest = QLatin1Char('0');
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widest))
            widest = QLatin1Char(digit);
    }
    QString text = mask;
    for (QChar& place : text) {
        if (place == QLatin1Char('#') || place == QLatin1Char('0'))
            place = widest;
    }
    return text;
}

// The width a line edit needs to show the text whole, as its style frames
// it: QLineEdit keeps 2 px of room on each side of its text and 1 px for the
// cursor.
int lineEditWidthFor(QLineEdit* field, const QString& text)
{
    constexpr int kLineEditTextRoom = 2 * 2 + 1;
    field->ensurePolished();
    QStyleOptionFrame option;
    option.initFrom(field);
    option.rect = field->rect();
    option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field) : 0;
    option.state |= QStyle::State_Sunken;
    const QMargins margins = field->textMargins();
    const QFontMetrics metrics = field->fontMetrics();
    const QSize contents(metrics.horizontalAdvance(text) + kLineEditTextRoom + margins.left() + margins.right(),
                         metrics.height());
    return field->style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, field).width();
}

QHBoxLayout* bareRow(QWidget* widget, int spacing)
{
    auto* row = new QHBoxLayout(widget);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(spacing);
    return row;
}

} // namespace

GeometryEditingWidget::GeometryEditingWidget(QWidget* parent)
    : QWidget(parent)
    , _repeatTimer(new QTimer(this))
    , _commitTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("GeometryEditingWidget"));
    _buildForm();
    _applyStyle();
    _setTabOrder();

    // Precise: a coarse timer may fire early, and the second step would come
    // before the half second that tells a hold from a click.
    _repeatTimer->setSingleShot(true);
    _repeatTimer->setTimerType(Qt::PreciseTimer);
    connect(_repeatTimer, &QTimer::timeout, this, &GeometryEditingWidget::onRepeatTimeout);
    _commitTimer->setSingleShot(true);
    _commitTimer->setTimerType(Qt::PreciseTimer);
    _commitTimer->setInterval(kCommitDelayMs);
    connect(_commitTimer, &QTimer::timeout, this, &GeometryEditingWidget::onCommitTimeout);
}

GeometryEditingWidget::~GeometryEditingWidget() = default;

void GeometryEditingWidget::_buildForm()
{
    auto* layout = new QVBoxLayout(this);
    // Narrow sides: the two columns of fields need the inspector's width.
    const QMargins margins = layout->contentsMargins();
    layout->setContentsMargins(kSideMargin, margins.top(), kSideMargin, margins.bottom());
    _titleLabel = new QLabel(tr("Geometry"), this);
    _titleLabel->setObjectName(QStringLiteral("titleLabel"));
    _titleLabel->setAlignment(Qt::AlignCenter);
    _titleLabel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(_titleLabel);
    layout->addWidget(_buildValuesRow());
    _toolbar = _buildToolBar(this);
    _toolbar->setObjectName(QStringLiteral("toolbar"));
    _addToolBarButton(_toolbar, QStringLiteral("crop"), tr("Crop & Feathering"), kCrop);
    _addToolBarButton(_toolbar, QStringLiteral("hflip"), tr("Flip Horizontally"), kFlipHorizontal);
    _addToolBarButton(_toolbar, QStringLiteral("vflip"), tr("Flip Vertically"), kFlipVertical);
    _addToolBarButton(_toolbar, QStringLiteral("resize"), tr("Maintain aspect ratio"), kMaintainAspectRatio);
    _addToolBarButton(_toolbar, QStringLiteral("reload"), tr("Restore the default"), kRestoreDefault);
    _addToolBarButton(_toolbar, QStringLiteral("perspective"), tr("Perspective (Four-point positioning)"),
                      kPerspective);
    _flipHorizontalButton = _toolbar->buttonForCommand(kFlipHorizontal);
    _flipVerticalButton = _toolbar->buttonForCommand(kFlipVertical);
    _perspectiveButton = _toolbar->buttonForCommand(kPerspective);
    layout->addWidget(_toolbar);
    _perspectivePanel = _buildPerspectivePanel();
    _perspectivePanel->hide();
    layout->addWidget(_perspectivePanel);
}

QWidget* GeometryEditingWidget::_buildValuesRow()
{
    _buildValuePanel(FieldX, tr("X"), QStringLiteral("#000.0%"), QStringLiteral("0%"));
    // Four places before the point: a picture scaled to 1000% shows as such.
    _buildValuePanel(FieldW, tr("W"), QStringLiteral("0000.0%"), QStringLiteral("100%"));
    _buildValuePanel(FieldY, tr("Y"), QStringLiteral("#000.0%"), QStringLiteral("0%"));
    _buildValuePanel(FieldH, tr("H"), QStringLiteral("0000.0%"), QStringLiteral("100%"));
    _buildValuePanel(FieldRotation, QString(QChar(0x2220)), QStringLiteral("#0000.0") + QChar(0x00B0),
                     QStringLiteral("0") + QChar(0x00B0));

    auto* row = new QWidget(this);
    row->setObjectName(QStringLiteral("widget_4"));
    // The spacer alone parts the columns: at the inspector's narrowest width
    // every pixel goes to the fields.
    QHBoxLayout* rowLayout = bareRow(row, 0);
    auto* left = new QWidget(row);
    left->setObjectName(QStringLiteral("widget_5"));
    auto* leftLayout = new QVBoxLayout(left);
    // The columns give all their width to the fields.
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->setSpacing(0);
    _toolbar2 = _buildToolBar(left);
    _toolbar2->setObjectName(QStringLiteral("toolbar2"));
    _addToolBarButton(_toolbar2, QStringLiteral("rotate-90"), tr("Rotate Clockwise"), kRotateClockwise);
    _addToolBarButton(_toolbar2, QStringLiteral("rotate+90"), tr("Rotate Counterclockwise"), kRotateCounterClockwise);
    for (QWidget* cell : { _panels[FieldX].panel, _panels[FieldW].panel, static_cast<QWidget*>(_toolbar2) })
        leftLayout->addWidget(cell, 1);
    auto* right = new QWidget(row);
    right->setObjectName(QStringLiteral("widget_6"));
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    for (Field field : { FieldY, FieldH, FieldRotation })
        rightLayout->addWidget(_panels[field].panel, 1);
    rowLayout->addWidget(left, 1);
    rowLayout->addSpacerItem(new QSpacerItem(5, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    rowLayout->addWidget(right, 1);
    return row;
}

void GeometryEditingWidget::_buildValuePanel(Field field, const QString& labelText, const QString& mask,
                                             const QString& text)
{
    static const char* const kNames[FieldCount] = { "x", "y", "w", "h", "r", "cornerX", "cornerY" };
    const QString name = QLatin1String(kNames[field]);
    ValuePanel& p = _panels[field];
    p.panel = new QWidget(this);
    p.panel->setObjectName(name + QStringLiteral("Panel"));
    p.panel->setStyleSheet(QLatin1String(kValuePanelStyle));
    QHBoxLayout* row = bareRow(p.panel, 0);
    p.label = new QLabel(labelText, p.panel);
    p.label->setObjectName(name + QStringLiteral("Label"));
    // As wide as its letter or word in this language, with a little room.
    p.label->setMinimumWidth(p.label->fontMetrics().horizontalAdvance(labelText) + kLabelPadding);
    p.label->setAlignment(Qt::AlignCenter);
    p.downButton = new QPushButton(QIcon(QStringLiteral(":/images/value_decrease")), QString(), p.panel);
    p.downButton->setObjectName(name + QStringLiteral("ValueDownButton"));
    p.lineEdit = new QLineEdit(p.panel);
    p.lineEdit->setObjectName(name + QStringLiteral("LineEdit"));
    p.lineEdit->setMinimumHeight(25);
    p.lineEdit->setAlignment(Qt::AlignCenter);
    p.lineEdit->setInputMask(mask);
    p.lineEdit->setText(text);
    // Room for every value the mask holds, in this font: a narrower field
    // scrolls the leading digits out of sight.
    p.lineEdit->setMinimumWidth(lineEditWidthFor(p.lineEdit, widestMaskText(mask, p.lineEdit->fontMetrics())));
    // The field takes its parent's pointer rather than the text beam.
    p.lineEdit->unsetCursor();
    p.shownText = p.lineEdit->text();
    p.upButton = new QPushButton(QIcon(QStringLiteral(":/images/value_increase")), QString(), p.panel);
    p.upButton->setObjectName(name + QStringLiteral("ValueUpButton"));
    for (QPushButton* button : { p.downButton, p.upButton }) {
        button->setFlat(true);
        button->setFixedSize(25, 25);
        connect(button, &QPushButton::released, this, &GeometryEditingWidget::_onValueButtonReleased);
    }
    connect(p.downButton, &QPushButton::pressed, this, [this, field] { _onValueButtonPressed(field, -1.0); });
    connect(p.upButton, &QPushButton::pressed, this, [this, field] { _onValueButtonPressed(field, 1.0); });
    connect(p.lineEdit, &QLineEdit::editingFinished, this, [this, field] { _commitField(field); });
    row->addWidget(p.label);
    row->addWidget(p.downButton);
    row->addWidget(p.lineEdit);
    row->addWidget(p.upButton);
}

ScrollableToolBar* GeometryEditingWidget::_buildToolBar(QWidget* parent)
{
    auto* toolbar = new ScrollableToolBar(parent);
    toolbar->hideIndicators();
    toolbar->setBackgroundColor(QColor(7, 8, 10));
    toolbar->setFixedHeight(UiMetrics::toolBarButtonHeight());
    connect(toolbar, &ScrollableToolBar::scrollableToolBarButtonClicked, this,
            &GeometryEditingWidget::onToolBarButtonClicked);
    return toolbar;
}

void GeometryEditingWidget::_addToolBarButton(ScrollableToolBar* toolbar, const QString& icon,
                                              const QString& toolTip, int cmdId)
{
    const QString path = QStringLiteral(":/images/toolbar/") + icon;
    TooltipButton* button = toolbar->addButton(path, path + QLatin1Char('2'), toolTip, cmdId, 0, true);
    button->setDisabledIcon(path + QStringLiteral("_dis"));
}

QWidget* GeometryEditingWidget::_buildPerspectivePanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("perspectivePanel"));
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setSpacing(10);
    panelLayout->setContentsMargins(0, 0, 0, 5);

    auto* selector = new QWidget(panel);
    selector->setObjectName(QStringLiteral("cornerSelectorWidget"));
    selector->setMinimumHeight(50);
    QHBoxLayout* selectorLayout = bareRow(selector, 10);
    selectorLayout->addStretch();
    static const char* const kCorners[4] = { "topLeft", "topRight", "bottomRight", "bottomLeft" };
    const QString images[4] = { QStringLiteral("tl"), QStringLiteral("tr"), QStringLiteral("br"),
                                QStringLiteral("bl") };
    const QString toolTips[4] = { tr("Top Left Corner"), tr("Top Right Corner"), tr("Bottom Right Corner"),
                                  tr("Bottom Left Corner") };
    for (int index = 0; index < 4; ++index) {
        _cornerButtons[index] = _buildCornerButton(index, images[index], toolTips[index]);
        _cornerButtons[index]->setObjectName(QLatin1String(kCorners[index]) + QStringLiteral("CornerButton"));
        selectorLayout->addWidget(_cornerButtons[index], 0, Qt::AlignTop);
    }
    selectorLayout->addStretch();
    _cornerButtons[0]->setChecked(true);

    _buildValuePanel(FieldCornerX, tr("X"), QStringLiteral("#000.0%"), QStringLiteral("0%"));
    _buildValuePanel(FieldCornerY, tr("Y"), QStringLiteral("#000.0%"), QStringLiteral("0%"));
    auto* offsets = new QWidget(panel);
    offsets->setObjectName(QStringLiteral("cornerOffsetWidget"));
    QHBoxLayout* offsetsLayout = bareRow(offsets, 5);
    offsetsLayout->addWidget(_panels[FieldCornerX].panel);
    offsetsLayout->addSpacerItem(new QSpacerItem(5, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    offsetsLayout->addWidget(_panels[FieldCornerY].panel);

    panelLayout->addWidget(selector);
    panelLayout->addWidget(offsets);
    return panel;
}

TooltipButton* GeometryEditingWidget::_buildCornerButton(int index, const QString& image, const QString& toolTip)
{
    const QString path = QStringLiteral(":/images/segment-inspector/") + image + QStringLiteral("_point");
    auto* button = new TooltipButton(path, path + QLatin1Char('2'));
    button->setDisabledIcon(path + QStringLiteral("_dis"));
    button->setIcon(QIcon(path));
    button->setFlat(true);
    button->setFixedSize(40, 40);
    button->setIconSize(QSize(24, 24));
    button->setToolTip(toolTip);
    connect(button, &QPushButton::clicked, this, [this, index] { _onCornerButtonClicked(index); });
    return button;
}

void GeometryEditingWidget::_applyStyle()
{
    QFont titleFont = _titleLabel->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() + 1);
    _titleLabel->setFont(titleFont);
    _titleLabel->setStyleSheet(QStringLiteral("color: rgb(54,200,255);"));
}

void GeometryEditingWidget::_setTabOrder()
{
    QWidget* previous = nullptr;
    for (Field field : { FieldX, FieldY, FieldW, FieldH, FieldRotation }) {
        const ValuePanel& p = _panels[field];
        for (QWidget* next : { static_cast<QWidget*>(p.downButton), static_cast<QWidget*>(p.lineEdit),
                               static_cast<QWidget*>(p.upButton) }) {
            if (previous)
                setTabOrder(previous, next);
            previous = next;
        }
    }
}

// --- Values shown -------------------------------------------------------------

void GeometryEditingWidget::_showValue(Field field, double number)
{
    ValuePanel& p = _panels[field];
    p.lineEdit->setText(field == FieldRotation ? degreesText(number) : percentText(number));
    p.shownText = p.lineEdit->text();
}

void GeometryEditingWidget::setXValue(qreal fraction)
{
    _showValue(FieldX, fraction * 100.0);
}

void GeometryEditingWidget::setYValue(qreal fraction)
{
    _showValue(FieldY, fraction * 100.0);
}

void GeometryEditingWidget::setWValue(qreal fraction)
{
    _showValue(FieldW, fraction * 100.0);
}

void GeometryEditingWidget::setHValue(qreal fraction)
{
    _showValue(FieldH, fraction * 100.0);
}

void GeometryEditingWidget::setRotationValue(qreal radians)
{
    _showValue(FieldRotation, radians * kDegreesPerRadian);
}

void GeometryEditingWidget::setCornerOffset(int index, qreal x, qreal y)
{
    if (index < 0 || index > 3)
        return;
    _cornerX[index] = x;
    _cornerY[index] = y;
    if (index == _cornerIndex)
        _showCornerOffsets();
}

void GeometryEditingWidget::setCurrentCornerIndex(int index)
{
    _cornerIndex = index;
    for (int i = 0; i < 4; ++i)
        _cornerButtons[i]->setChecked(i == index);
    _showCornerOffsets();
}

void GeometryEditingWidget::_showCornerOffsets()
{
    _showValue(FieldCornerX, _cornerX[_cornerIndex] * 100.0);
    _showValue(FieldCornerY, _cornerY[_cornerIndex] * 100.0);
}

void GeometryEditingWidget::setHFlipChecked(bool checked)
{
    _flipHorizontalButton->setChecked(checked);
}

void GeometryEditingWidget::setVFlipChecked(bool checked)
{
    _flipVerticalButton->setChecked(checked);
}

void GeometryEditingWidget::setPerspectiveEnabled(bool on)
{
    if (_perspectiveButton->isChecked() == on)
        return;
    _perspectiveButton->setChecked(on);
    _perspectivePanel->setVisible(on);
    emit widgetFitHeightChanged(this);
}

int GeometryEditingWidget::defaultHeight()
{
    return kDefaultHeight;
}

int GeometryEditingWidget::fitHeight() const
{
    return _perspectivePanel->isVisibleTo(this) ? kPerspectiveHeight : kDefaultHeight;
}

// --- Reading and committing the fields -------------------------------------------

double GeometryEditingWidget::_readField(Field field) const
{
    bool nothingLeft = false;
    return fieldNumber(_panels[field].lineEdit->text(), &nothingLeft);
}

void GeometryEditingWidget::_commitField(Field field)
{
    if (field == FieldCornerX || field == FieldCornerY) {
        _commitCornerField(field);
        return;
    }
    ValuePanel& p = _panels[field];
    bool nothingLeft = false;
    const double number = fieldNumber(p.lineEdit->text(), &nothingLeft);
    if (nothingLeft)
        p.lineEdit->setText(QStringLiteral("0"));
    // Only a changed text commits: a value shown rounded (12.345% as 12.3%)
    // must not be replaced by its rounding when the user merely passes by.
    if (p.lineEdit->text() != p.shownText) {
        _emitCommittedValue(field, number);
        p.shownText = p.lineEdit->text();
    }
    p.lineEdit->clearFocus();
}

void GeometryEditingWidget::_emitCommittedValue(Field field, double number)
{
    switch (field) {
    case FieldRotation:
        emit rotationValueChanged(degreesToRadians(number));
        break;
    case FieldX:
        emit xValueChanged(number / 100.0);
        break;
    case FieldY:
        emit yValueChanged(number / 100.0);
        break;
    case FieldW:
        emit widthValueChanged(std::abs(number / 100.0));
        break;
    case FieldH:
        emit heightValueChanged(std::abs(number / 100.0));
        break;
    default:
        break;
    }
}

qreal& GeometryEditingWidget::_cornerOffset(Field field)
{
    return field == FieldCornerX ? _cornerX[_cornerIndex] : _cornerY[_cornerIndex];
}

void GeometryEditingWidget::_commitCornerField(Field field)
{
    ValuePanel& p = _panels[field];
    bool nothingLeft = false;
    const double number = fieldNumber(p.lineEdit->text(), &nothingLeft);
    if (nothingLeft)
        p.lineEdit->setText(QStringLiteral("0"));
    if (p.lineEdit->text() != p.shownText) {
        _cornerOffset(field) = number / 100.0;
        emit cornerOffsetChanged(_cornerIndex, _cornerX[_cornerIndex], _cornerY[_cornerIndex]);
        p.shownText = p.lineEdit->text();
    }
    p.lineEdit->clearFocus();
}

void GeometryEditingWidget::_emitLiveValue(Field field)
{
    const double number = _readField(field);
    switch (field) {
    case FieldRotation:
        emit rotationValueChanging(degreesToRadians(number));
        break;
    case FieldX:
        emit xValueChanging(number / 100.0);
        break;
    case FieldY:
        emit yValueChanging(number / 100.0);
        break;
    case FieldW:
        emit widthValueChanging(number / 100.0);
        break;
    case FieldH:
        emit heightValueChanging(number / 100.0);
        break;
    case FieldCornerX:
    case FieldCornerY:
        _cornerOffset(field) = number / 100.0;
        emit cornerOffsetChanging(_cornerIndex, _cornerX[_cornerIndex], _cornerY[_cornerIndex]);
        break;
    default:
        break;
    }
}

// --- Press and hold -------------------------------------------------------------

void GeometryEditingWidget::_onValueButtonPressed(Field field, double direction)
{
    // A press continues the edit: it ends 350 ms after this hold's release.
    _commitTimer->stop();
    _repeatTimer->stop();
    _valueButtonHeld = true;
    _heldField = field;
    _repeatInterval = 0;
    _fieldsAwaitingCommit |= 1 << field;
    if (_snapshotScale.x() == -1.0)
        emit beforeGeometryValueChanging(_snapshotTranslation, _snapshotScale, _snapshotRotation, _snapshotCornerX,
                                         _snapshotCornerY);
    const bool fine = QGuiApplication::keyboardModifiers().testFlag(Qt::ControlModifier);
    _heldStep = direction * (fine ? kFineStep : kStep);
    onRepeatTimeout();
}

void GeometryEditingWidget::onRepeatTimeout()
{
    if (!_valueButtonHeld)
        return;
    const double old = _readField(_heldField);
    double next = old + _heldStep;
    if ((_heldField == FieldW || _heldField == FieldH) && next <= 0.0)
        next = 0.0;
    if (next == old)
        return;
    ValuePanel& p = _panels[_heldField];
    p.lineEdit->setText(_heldField == FieldRotation ? degreesText(next) : percentText(next));
    _emitLiveValue(_heldField);
    _repeatInterval = _repeatInterval == 0 ? kFirstRepeatMs : kRepeatMs;
    _repeatTimer->start(_repeatInterval);
}

void GeometryEditingWidget::_onValueButtonReleased()
{
    _valueButtonHeld = false;
    _repeatTimer->stop();
    _commitTimer->start();
}

void GeometryEditingWidget::onCommitTimeout()
{
    // No receiver filled a snapshot: there is nothing to put back.
    if (_snapshotScale.x() != -1.0) {
        emit afterGeometryValueChanging(_snapshotTranslation, _snapshotScale, _snapshotRotation, _snapshotCornerX,
                                        _snapshotCornerY);
        _snapshotScale.setX(-1.0);
    }
    const int fields = _fieldsAwaitingCommit;
    _fieldsAwaitingCommit = 0;
    for (int field = 0; field < FieldCount; ++field) {
        if (fields & (1 << field))
            _commitField(static_cast<Field>(field));
    }
}

// --- Corners and commands ---------------------------------------------------------

void GeometryEditingWidget::_onCornerButtonClicked(int index)
{
    if (index == _cornerIndex)
        return;
    setCurrentCornerIndex(index);
    emit cornerIndexChanged(index);
}

void GeometryEditingWidget::onToolBarButtonClicked(ScrollableToolBar*, int cmdId)
{
    switch (cmdId) {
    case kCrop:
        emit cropButtonClicked();
        break;
    case kFlipHorizontal:
        emit flipHorizontalButtonClicked();
        break;
    case kFlipVertical:
        emit flipVerticalButtonClicked();
        break;
    case kMaintainAspectRatio:
        emit maintainAspectRatioButtonClicked();
        break;
    case kRestoreDefault:
        emit restoreDefaultButtonClicked();
        break;
    case kPerspective:
        emit perspectiveButtonClicked();
        break;
    case kRotateClockwise:
        emit rotateClockwiseButtonClicked();
        break;
    case kRotateCounterClockwise:
        emit rotateCounterClockwiseButtonClicked();
        break;
    default:
        break;
    }
}

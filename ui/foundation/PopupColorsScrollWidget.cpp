#include "PopupColorsScrollWidget.h"

#include "PopupColorsScrollWidgetEditItemWidget.h"
#include "PopupColorsScrollWidgetOneSliderItemWidget.h"
#include "PopupOptionsButton.h"
#include "TitledPopupForm.h"
#include "UiMetrics.h"
#include "Util.h"

#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int kMinimum = -100;
constexpr int kMaximum = 100;
constexpr int kSchemeVersion = 1;
constexpr int kFloatingRowInset = 20;
constexpr int kFitMargin = 34;
constexpr int kScrollAnimationMs = 200;
constexpr int kScrollBelowRow = 10;
constexpr int kDoneButtonHeight = 30;
constexpr int kDoneButtonMaxWidth = 60;
const char* const kSchemeSuffix = ".scheme";

// The keys of a scheme file, in the order of the adjustments.
const char* const kSchemeKeys[] = {"saturation", "brightness", "contrast", "whiteBalance", "exposure",
                                   "hue",        "red",        "green",    "blue"};

using Self = PopupColorsScrollWidget;
using ValueSignal = void (Self::*)(Self*, int);
constexpr ValueSignal kChangingSignals[] = {&Self::saturationChanging, &Self::brightnessChanging,
                                            &Self::contrastChanging,   &Self::whiteBalanceChanging,
                                            &Self::exposureChanging,   &Self::hueChanging,
                                            &Self::redChanging,        &Self::greenChanging,
                                            &Self::blueChanging};
constexpr ValueSignal kChangedSignals[] = {&Self::saturationChanged, &Self::brightnessChanged,
                                           &Self::contrastChanged,   &Self::whiteBalanceChanged,
                                           &Self::exposureChanged,   &Self::hueChanged,
                                           &Self::redChanged,        &Self::greenChanged,
                                           &Self::blueChanged};

enum Adjustment { Saturation, Brightness, Contrast, WhiteBalance, Exposure, Hue, Red, Green, Blue };

} // namespace

PopupColorsScrollWidget::PopupColorsScrollWidget(QWidget* parent) : CommonPopup(parent)
{
    setObjectName("PopupColorsScrollWidget");
    _buildForm();
}

PopupColorsScrollWidget::~PopupColorsScrollWidget()
{
    // An owner replacing an embedded popup deletes it: the last change still
    // reaches the owner.
    _commitPendingChanges();
}

void PopupColorsScrollWidget::_buildForm()
{
    TitledPopupForm form(this);
    form.titleLabel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    _scrollArea = form.addScrollArea();
    _scrollAreaWidget = _scrollArea->widget();
    setMainWidget(form.mainWidget);
    setTitleLabel(form.titleLabel);
}

QStringList PopupColorsScrollWidget::builtInSchemeNames()
{
    return {"[None]", "[Mono]", "[Cold]", "[Warm]", "[Yellow]"};
}

void PopupColorsScrollWidget::showWithValues(QWidget* parent, const QPoint& point, int saturation, int brightness,
                                             int contrast, int whiteBalance, int exposure, int hue, int red,
                                             int green, int blue)
{
    _storeValues({saturation, brightness, contrast, whiteBalance, exposure, hue, red, green, blue});
    showInWidget(parent, tr("Colors"), point);
}

void PopupColorsScrollWidget::showFullscreenWithValues(QWidget* parent, int saturation, int brightness,
                                                       int contrast, int whiteBalance, int exposure, int hue,
                                                       int red, int green, int blue)
{
    _storeValues({saturation, brightness, contrast, whiteBalance, exposure, hue, red, green, blue});
    showFullscreenInWidget(parent, tr("Colors"));
    // A host of the size the popup already had sends no resize.
    _relayout();
}

void PopupColorsScrollWidget::_storeValues(const Values& values)
{
    _values = values;
    for (int i = 0; i < kAdjustments; ++i)
        _expanded[size_t(i)] = values[size_t(i)] != 0;
}

void PopupColorsScrollWidget::setValues(int saturation, int brightness, int contrast, int whiteBalance,
                                        int exposure, int hue, int red, int green, int blue)
{
    // The owner's values would overwrite a step whose final change is still
    // pending: it reaches the owner first.
    _commitPendingChanges();
    _storeValues({saturation, brightness, contrast, whiteBalance, exposure, hue, red, green, blue});
    for (PopupColorsScrollWidgetOneSliderItemWidget* row : _sliderItems) {
        row->setExpanded(_expanded[size_t(row->index())]);
        row->setValue(_values[size_t(row->index())]);
    }
    _layoutRows(0);
}

int PopupColorsScrollWidget::fitHeight() const
{
    return titleLabel()->height() + _scrollAreaWidget->height() + kFitMargin;
}

void PopupColorsScrollWidget::setupUi(QWidget* parent, const QString& title)
{
    CommonPopup::setupUi(parent, title);
    if (_styled)
        return;
    _styled = true;
    _scrollArea->setStyleSheet("background-color: transparent; border: none;");
    _scrollAreaWidget->setStyleSheet(QString());
    Util::setScrollBarStyleSheet(_scrollArea->verticalScrollBar());
    _buildRows();
    _createOptionsButton();
}

void PopupColorsScrollWidget::_buildRows()
{
    const QStringList titles{tr("Saturation"), tr("Brightness"), tr("Contrast"),
                             tr("Temperature"), tr("Exposure"), tr("Hue"),
                             tr("Red"),         tr("Green"),     tr("Blue")};
    const QPixmap triangle(":/images/expand_triangle");
    const QPixmap expandPixmap =
        triangle.scaledToWidth(int(std::trunc(devicePixelRatioF() * 20)), Qt::SmoothTransformation);
    const QPixmap disabledPixmap(":/images/expand_triangle_disabled");
    using Row = PopupColorsScrollWidgetOneSliderItemWidget;
    for (int i = 0; i < kAdjustments; ++i) {
        auto* row = new Row(expandPixmap, disabledPixmap, _scrollAreaWidget);
        row->setTitle(titles[i]);
        row->setValueRange(_values[size_t(i)], kMinimum, kMaximum);
        row->setExpanded(_expanded[size_t(i)]);
        row->setIndex(i);
        row->show();
        connect(row, &Row::valueChanging, this, &Self::onSliderItemWidgetValueChanging);
        connect(row, &Row::valueDidChange, this, &Self::onSliderItemWidgetValueChanged);
        connect(row, &Row::itemPressed, this, &Self::onSliderItemWidgetPressed);
        _sliderItems.append(row);
    }
    if (isFullscreen())
        _sliderItems.last()->hideSeparator();
}

int PopupColorsScrollWidget::_rowWidth() const
{
    return _scrollArea->width() - (isFullscreen() ? 0 : kFloatingRowInset);
}

void PopupColorsScrollWidget::_layoutRows(int first)
{
    if (_sliderItems.isEmpty())
        return;
    const int width = _rowWidth();
    int y = _sliderItems[first]->y();
    for (int i = first; i < _sliderItems.size(); ++i) {
        const int height = _expanded[size_t(i)] ? UiMetrics::metric95() : UiMetrics::metric38();
        _sliderItems[i]->setGeometry(0, y, width, height);
        y += height;
    }
    _setScrollContentHeight(y);
}

void PopupColorsScrollWidget::_setScrollContentHeight(int height)
{
    const int before = _scrollAreaWidget->minimumHeight();
    _scrollAreaWidget->setFixedHeight(height);
    if (isFullscreen() && height != before)
        emit widgetFitHeightChanged(this);
}

void PopupColorsScrollWidget::_createOptionsButton()
{
    if (_optionsButton)
        return;
    _optionsButton = new PopupOptionsButton("rgb(44,46,50)", mainWidget());
    _optionsButton->show();
    connect(_optionsButton, &QPushButton::clicked, this, &Self::onOptionsButtonPressed);
}

void PopupColorsScrollWidget::_placeTitleButtons()
{
    for (QWidget* button : {static_cast<QWidget*>(_optionsButton), static_cast<QWidget*>(_doneButton)}) {
        if (button)
            PopupOptionsButton::placeBesideTitle(button, titleLabel(), isFullscreen());
    }
}

void PopupColorsScrollWidget::_relayout()
{
    // Rows and buttons take their places from the panel's layout.
    mainWidget()->layout()->activate();
    _layoutRows(0);
    _stackEditItems();
    _placeTitleButtons();
}

void PopupColorsScrollWidget::layoutAtPoint(const QPoint& point)
{
    CommonPopup::layoutAtPoint(point);
    _relayout();
}

void PopupColorsScrollWidget::resizeEvent(QResizeEvent* event)
{
    CommonPopup::resizeEvent(event);
    if (isFullscreen())
        _relayout();
}

int PopupColorsScrollWidget::popupHeight()
{
    return UiMetrics::colorsScrollPopupHeight();
}

void PopupColorsScrollWidget::updateControls(bool enabled)
{
    mainWidget()->setEnabled(enabled);
}

bool PopupColorsScrollWidget::isValueEnabled()
{
    return mainWidget()->isEnabled();
}

void PopupColorsScrollWidget::_commitPendingChanges()
{
    for (PopupColorsScrollWidgetOneSliderItemWidget* row : _sliderItems)
        row->commitPendingChange();
}

void PopupColorsScrollWidget::dismiss()
{
    _commitPendingChanges();
    CommonPopup::dismiss();
}

void PopupColorsScrollWidget::hideEvent(QHideEvent* event)
{
    // Closed, or hidden with its host: what the user changed is final.
    _commitPendingChanges();
    CommonPopup::hideEvent(event);
}

void PopupColorsScrollWidget::onSliderItemWidgetValueChanging(PopupColorsScrollWidgetOneSliderItemWidget* itemWidget,
                                                              int value)
{
    const int index = itemWidget->index();
    _values[size_t(index)] = value;
    emit(this->*kChangingSignals[index])(this, value);
}

void PopupColorsScrollWidget::onSliderItemWidgetValueChanged(PopupColorsScrollWidgetOneSliderItemWidget* itemWidget,
                                                             int value)
{
    const int index = itemWidget->index();
    _values[size_t(index)] = value;
    emit(this->*kChangedSignals[index])(this, value);
}

void PopupColorsScrollWidget::onSliderItemWidgetPressed(PopupColorsScrollWidgetOneSliderItemWidget* itemWidget)
{
    const int index = itemWidget->index();
    _expanded[size_t(index)] = !_expanded[size_t(index)];
    itemWidget->setExpanded(_expanded[size_t(index)]);
    _layoutRows(index);
    // An expanded row at the bottom scrolls into view.
    QScrollBar* bar = _scrollArea->verticalScrollBar();
    const int bottom = itemWidget->geometry().bottom();
    if (bottom <= bar->value() + _scrollArea->height())
        return;
    auto* animation = new QPropertyAnimation(bar, "value", bar);
    animation->setDuration(kScrollAnimationMs);
    animation->setEndValue(bottom + kScrollBelowRow - _scrollArea->height());
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

QString PopupColorsScrollWidget::schemesFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QDir::separator() + "Colors";
}

QString PopupColorsScrollWidget::_schemePath(const QString& name) const
{
    return schemesFolder() + QDir::separator() + name + kSchemeSuffix;
}

void PopupColorsScrollWidget::loadSchemeNames()
{
    _schemeNames.clear();
    const QStringList files = QDir(schemesFolder()).entryList(QDir::Files, QDir::Name);
    for (const QString& file : files) {
        if (file.endsWith(kSchemeSuffix, Qt::CaseSensitive))
            _schemeNames.append(file.chopped(int(strlen(kSchemeSuffix))));
    }
}

bool PopupColorsScrollWidget::_isPlainSchemeName(const QString& name)
{
    // A separator in a name would reach a file outside the schemes folder.
    return !name.isEmpty() && !name.contains('/') && !name.contains('\\');
}

void PopupColorsScrollWidget::loadScheme(const QString& name)
{
    const QString path = _schemePath(name);
    if (!_isPlainSchemeName(name) || !QFile::exists(path))
        return;
    QSettings file(path, QSettings::IniFormat);
    // A file of another version, or none of ours, is left alone.
    if (file.value("version").toInt() != kSchemeVersion)
        return;
    Values values{};
    for (int i = 0; i < kAdjustments; ++i)
        values[size_t(i)] = file.value(kSchemeKeys[i]).toInt();
    _applySchemeValues(values);
}

bool PopupColorsScrollWidget::saveScheme(const QString& name)
{
    if (!_isPlainSchemeName(name) || !QDir().mkpath(schemesFolder()))
        return false;
    QSettings file(_schemePath(name), QSettings::IniFormat);
    file.setValue("version", kSchemeVersion);
    for (int i = 0; i < kAdjustments; ++i)
        file.setValue(kSchemeKeys[i], _values[size_t(i)]);
    // The write happens here, and only its status tells whether the file
    // could be written at all: read-only, taken by a folder, or a full disk.
    file.sync();
    return file.status() == QSettings::NoError;
}

void PopupColorsScrollWidget::applyBuiltInScheme(int index)
{
    Values values{};
    switch (index) {
    case 1:
        values[Saturation] = -100;
        break;
    case 2:
        values[WhiteBalance] = -100;
        break;
    case 3:
        values[WhiteBalance] = 100;
        break;
    case 4:
        values[Red] = 50;
        values[Green] = 50;
        values[Blue] = -100;
        break;
    default:
        break;
    }
    _applySchemeValues(values);
}

void PopupColorsScrollWidget::_applySchemeValues(const Values& values)
{
    _storeValues(values);
    for (PopupColorsScrollWidgetOneSliderItemWidget* row : _sliderItems) {
        row->setExpanded(_expanded[size_t(row->index())]);
        row->setValue(_values[size_t(row->index())]);
    }
    _layoutRows(0);
    emit schemeChanged(this, values[0], values[1], values[2], values[3], values[4], values[5], values[6], values[7],
                       values[8]);
}

void PopupColorsScrollWidget::onOptionsButtonPressed()
{
    loadSchemeNames();
    QMenu* menu = PopupOptionsButton::createMenu(this, isFullscreen() ? "rgba(25,26,28,230)" : "rgba(7,8,10,230)");
    QMenu* schemes = PopupOptionsButton::addSubmenu(menu, tr("Schemes"));
    for (const QString& name : _schemeNames)
        schemes->addAction(name, this, [this, name] { loadScheme(name); });
    if (!_schemeNames.isEmpty())
        schemes->addSeparator();
    const QStringList builtIn = builtInSchemeNames();
    for (int i = 0; i < builtIn.size(); ++i)
        schemes->addAction(builtIn[i], this, [this, i] { applyBuiltInScheme(i); });
    QAction* save = menu->addAction(tr("Save as Scheme..."), this, &Self::saveAsScheme);
    save->setEnabled(std::any_of(_values.begin(), _values.end(), [](int value) { return value != 0; }));
    if (!_schemeNames.isEmpty()) {
        menu->addSeparator();
        menu->addAction(tr("Manage..."), this, &Self::enterManageMode);
    }
    menu->addSeparator();
    menu->addAction(tr("Apply to all segments"), this, [this] {
        const Values& v = _values;
        emit applyToAllSegmentsRequested(this, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]);
    });
    _optionsButton->popUp(menu);
}

void PopupColorsScrollWidget::saveAsScheme()
{
    // Not on the stack: the window may go while the dialog runs, taking it along.
    QPointer<QInputDialog> dialog = new QInputDialog(window());
    Util::setDialogStyleSheet(dialog);
    dialog->setWindowTitle(tr("Save as Scheme"));
    dialog->setLabelText(tr("Enter scheme name"));
    dialog->setOkButtonText(tr("Save"));
    dialog->setCancelButtonText(tr("Cancel"));
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setTextEchoMode(QLineEdit::Normal);
    dialog->setTextValue(QString());
    const QPointer<PopupColorsScrollWidget> alive(this);
    const int result = dialog->exec();
    const QString typed = dialog ? dialog->textValue() : QString();
    delete dialog;
    if (!alive || result != QDialog::Accepted)
        return;
    // Separators would put the file elsewhere, or nowhere.
    QString name = typed;
    name.replace('/', ' ').replace('\\', ' ').replace(':', ' ');
    const bool saved = !name.trimmed().isEmpty() && saveScheme(name);
    emit needtoDisplayMessage(this, saved ? tr("Color scheme saved") : tr("Cannot save the color scheme"));
}

void PopupColorsScrollWidget::enterManageMode()
{
    if (_manageMode)
        return;
    _commitPendingChanges();
    qDeleteAll(_sliderItems);
    _sliderItems.clear();
    delete _optionsButton;
    _optionsButton = nullptr;
    _manageMode = true;
    loadSchemeNames();
    _buildEditItems();
    _stackEditItems();
    if (!_doneButton) {
        _doneButton = new QPushButton(tr("Done"), mainWidget());
        _doneButton->setObjectName("doneButton");
        _doneButton->setFlat(true);
        _doneButton->setFixedHeight(kDoneButtonHeight);
        _doneButton->setMaximumWidth(kDoneButtonMaxWidth);
        _doneButton->setStyleSheet("QPushButton { color: white; background-color: rgb(44,46,50); border: none;"
                                   " border-radius: 5px; }"
                                   "QPushButton:pressed { background-color: rgb(25,26,28); }");
        _doneButton->show();
        connect(_doneButton, &QPushButton::clicked, this, &Self::onDoneButtonPressed);
    }
    _placeTitleButtons();
}

void PopupColorsScrollWidget::_buildEditItems()
{
    using Item = PopupColorsScrollWidgetEditItemWidget;
    for (int i = 0; i < _schemeNames.size(); ++i) {
        auto* item = new Item(_schemeNames[i], _scrollAreaWidget);
        item->setIndex(i);
        item->show();
        connect(item, &Item::deleteTriggered, this, &Self::onEditItemWidgetDeleteTriggered);
        _editItems.append(item);
    }
}

void PopupColorsScrollWidget::_stackEditItems()
{
    if (_editItems.isEmpty()) {
        if (_manageMode)
            _setScrollContentHeight(0);
        return;
    }
    const int width = _rowWidth();
    int y = _editItems.first()->y();
    for (PopupColorsScrollWidgetEditItemWidget* item : _editItems) {
        item->setGeometry(0, y, width, UiMetrics::metric45());
        y += UiMetrics::metric45();
    }
    _setScrollContentHeight(y);
}

void PopupColorsScrollWidget::onEditItemWidgetDeleteTriggered(PopupColorsScrollWidgetEditItemWidget* itemWidget)
{
    const QString name = _schemeNames.value(itemWidget->index());
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::Warning, tr("Remove Scheme"),
                                                tr("Do you really want to remove scheme \"%1\"?").arg(name),
                                                QMessageBox::NoButton, window());
    Util::setDialogStyleSheet(box);
    box->addButton(tr("Cancel"), QMessageBox::RejectRole);
    QPushButton* remove = box->addButton(tr("Remove"), QMessageBox::AcceptRole);
    const QPointer<PopupColorsScrollWidget> alive(this);
    box->exec();
    const bool confirmed = box && box->clickedButton() == remove;
    delete box;
    if (alive && confirmed)
        _removeScheme(name);
}

void PopupColorsScrollWidget::_removeScheme(const QString& name)
{
    if (!QFile::remove(_schemePath(name))) {
        emit needtoDisplayMessage(this, tr("Remove scheme failed"));
        return;
    }
    QScrollBar* bar = _scrollArea->verticalScrollBar();
    const int scrolled = bar->value();
    // The item that asked is still in its signal: it goes later.
    for (PopupColorsScrollWidgetEditItemWidget* item : _editItems) {
        item->hide();
        item->deleteLater();
    }
    _editItems.clear();
    loadSchemeNames();
    _buildEditItems();
    _stackEditItems();
    bar->setValue(scrolled);
}

void PopupColorsScrollWidget::onDoneButtonPressed()
{
    if (!_manageMode)
        return;
    for (PopupColorsScrollWidgetEditItemWidget* item : _editItems) {
        item->hide();
        item->deleteLater();
    }
    _editItems.clear();
    // The Done button is the sender: it goes once its click is over.
    _doneButton->hide();
    _doneButton->deleteLater();
    _doneButton = nullptr;
    _buildRows();
    _layoutRows(0);
    _createOptionsButton();
    _placeTitleButtons();
    _manageMode = false;
}

#include "PopupChromaKeyWidget.h"

#include "ColorButton.h"
#include "SliderPopupForm.h"
#include "SwitchButton.h"
#include "Util.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr int kPopupHeight = 300;
constexpr int kOptionsButtonSize = 30;
constexpr int kOptionsIconSize = 20;
constexpr int kDefaultSensitivity = 40;
constexpr int kDefaultSmoothing = 10;
constexpr int kKeyColorLabelMinimumWidth = 36;

const char* const kMenuIcon = ":/images/project_menu";
const char* const kMenuIconSelected = ":/images/project_menu_selected";

const char* const kOptionsButtonStyle =
    "QPushButton:hover { background-color: rgb(44,46,50); border: none; border-radius: 15px; }"
    "QPushButton:pressed { background-color: rgb(25,26,28); border: none; border-radius: 15px; }";

const char* const kEmbeddedMenuStyle =
    "QMenu { background-color: rgba(25,26,28,230); color: white; padding: 10px; border-radius: 10px; }"
    "QMenu::icon { margin: 5px; }"
    "QMenu::item { padding: 8px 10px 8px 10px; }"
    "QMenu::item:selected { background-color: rgb(44,46,50); }";

} // namespace

PopupChromaKeyWidget::PopupChromaKeyWidget(QWidget* parent)
    : CommonSliderColorPopup(parent)
{
    SliderPopupForm form(this);
    QHBoxLayout* switchRow = form.addSwitchRow();
    _optionsButton = new QPushButton(form.switchPanel);
    _optionsButton->setObjectName("optionsButton");
    _optionsButton->setFlat(true);
    _optionsButton->setFixedSize(kOptionsButtonSize, kOptionsButtonSize);
    _optionsButton->setIcon(QIcon(kMenuIcon));
    _optionsButton->setIconSize(QSize(kOptionsIconSize, kOptionsIconSize));
    switchRow->addWidget(_optionsButton);
    form.addSliderRow(1, false);
    form.addSliderRow(2, false);

    auto* colorRow = new QWidget(form.mainWidget);
    colorRow->setObjectName("panelWidget");
    auto* colorLayout = new QHBoxLayout(colorRow);
    colorLayout->setSpacing(0);
    colorLayout->setContentsMargins(0, 0, 5, 0);
    _keyColorLabel = new QLabel("Title4", colorRow);
    _keyColorLabel->setObjectName("titleLabel4");
    _keyColorLabel->setMinimumWidth(kKeyColorLabelMinimumWidth);
    _keyColorLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    colorLayout->addWidget(_keyColorLabel);
    colorLayout->addWidget(form.makeColorButton(colorRow));
    form.mainLayout->addWidget(colorRow);

    adoptForm(form);
    connect(_optionsButton, &QPushButton::clicked, this, &PopupChromaKeyWidget::onOptionsButtonPressed);
}

void PopupChromaKeyWidget::setValues(QWidget* parent, bool enabled, int sensitivity, int smoothing,
                                     const QColor& color)
{
    _apply(enabled, sensitivity, smoothing, color);
    showFullscreenInWidget(parent, tr("Chroma Key"));
}

void PopupChromaKeyWidget::setupValues(QWidget* parent, const QPoint& point, bool enabled, int sensitivity,
                                       int smoothing, const QColor& color)
{
    _apply(enabled, sensitivity, smoothing, color);
    showInWidget(parent, tr("Chroma Key"), point);
}

void PopupChromaKeyWidget::_apply(bool enabled, int sensitivity, int smoothing, const QColor& color)
{
    setSliderTitle(tr("Sensitivity"));
    setSlider2Title(tr("Smoothing"));
    setSwitchTitle(tr("On/Off"));
    _keyColorLabel->setText(tr("Key Color"));
    setSlider2Range(0, 100, 1);
    setSlider3Range(0, 100, 1);
    setValue2(static_cast<float>(sensitivity));
    setValue3(static_cast<float>(smoothing));
    setColor(color);
    setSwitchChecked(enabled);
    setFirstOption(true);
    setSecondOption(enabled);
}

bool PopupChromaKeyWidget::isValueEnabled()
{
    return switchButton()->isEnabled();
}

void PopupChromaKeyWidget::updateControls(bool enabled)
{
    switchLabel()->setEnabled(enabled);
    switchButton()->setEnabled(enabled);
    const bool keyEnabled = enabled && secondOption();
    for (int row = 1; row < 3; ++row) {
        for (QWidget* widget : {static_cast<QWidget*>(rowTitle(row)), static_cast<QWidget*>(valueLabel(row)),
                                static_cast<QWidget*>(slider(row)), static_cast<QWidget*>(valueUpButton(row)),
                                static_cast<QWidget*>(valueDownButton(row))})
            widget->setEnabled(keyEnabled);
    }
    _keyColorLabel->setEnabled(keyEnabled);
    colorButton()->setEnabled(keyEnabled);
    _optionsButton->setEnabled(keyEnabled);
}

int PopupChromaKeyWidget::popupHeight()
{
    return kPopupHeight;
}

void PopupChromaKeyWidget::setupUi(QWidget* parent, const QString& title)
{
    CommonSliderColorPopup::setupUi(parent, title);
    applyLabelStyle(_keyColorLabel);
    _optionsButton->setStyleSheet(kOptionsButtonStyle);
}

void PopupChromaKeyWidget::onOptionsButtonPressed()
{
    _optionsButton->setIcon(QIcon(kMenuIconSelected));
    auto* menu = new QMenu(this);
    menu->setWindowFlags(menu->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    menu->setAttribute(Qt::WA_TranslucentBackground);
    if (isFullscreen())
        menu->setStyleSheet(kEmbeddedMenuStyle);
    else
        Util::setPopupMenuStyleSheet(menu);
    QAction* restore = menu->addAction(tr("Restore default values"));
    restore->setShortcut(QKeySequence());
    connect(restore, &QAction::triggered, this, &PopupChromaKeyWidget::_restoreDefaultValues);

    // The menu runs its own event loop; the owner may delete this popup
    // (and with it the menu) before it returns.
    QPointer<PopupChromaKeyWidget> self(this);
    menu->exec(_optionsButton->mapToGlobal(_optionsButton->rect().center()));
    if (!self)
        return;
    delete menu;
    _optionsButton->setIcon(QIcon(kMenuIcon));
}

void PopupChromaKeyWidget::_restoreDefaultValues()
{
    setColor(QColor(0, 255, 0));
    // Not silenced: the owner follows the rows' Changing signals, and the
    // stored positions move too, so no Changed follows later.
    setValue2(kDefaultSensitivity);
    setValue3(kDefaultSmoothing);
    emit valuesChanged(this, static_cast<int>(value2()), static_cast<int>(value3()), color());
}

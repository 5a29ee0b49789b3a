#include "SliderPopupForm.h"

#include "ColorButton.h"
#include "SwitchButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {

constexpr int kMainRightMargin = 12;
constexpr int kTitleMinimumHeight = 18;
constexpr int kRowSideMargin = 5;
constexpr int kValueButtonSize = 50;
constexpr int kValueLabelMinimumWidth = 36;
constexpr int kColorButtonSize = 34;
constexpr int kSwitchRowSpacing = 15;
constexpr int kSwitchRowMargin = 10;

// Object names carry the row number from the second row on: "slider2", ...
QString rowName(const char* base, int index)
{
    return index == 0 ? QString(base) : QString("%1%2").arg(base).arg(index + 1);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& placeholder)
{
    auto* label = new QLabel(placeholder, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

SliderPopupForm::SliderPopupForm(QWidget* host)
{
    mainWidget = new QWidget(host);
    mainWidget->setObjectName("mainWidget");
    mainLayout = new QVBoxLayout(mainWidget);
    QMargins margins = mainLayout->contentsMargins();
    margins.setRight(kMainRightMargin);
    mainLayout->setContentsMargins(margins);
    titleLabel = makeLabel(mainWidget, "titleLabel", "Title");
    titleLabel->setMinimumHeight(kTitleMinimumHeight);
    titleLabel->setAlignment(Qt::AlignCenter);
    mainLayout->addWidget(titleLabel);
}

QHBoxLayout* SliderPopupForm::addSliderRow(int index, bool withColorButton)
{
    Row& row = rows[index];
    if (index > 0) {
        row.title = makeLabel(mainWidget, rowName("titleLabel", index), QString("Title%1").arg(index + 1));
        mainLayout->addWidget(row.title);
    }
    row.panel = new QWidget(mainWidget);
    row.panel->setObjectName(index == 0 ? QString("panelWidget") : QString("panel%1Widget").arg(index + 1));
    auto* layout = new QHBoxLayout(row.panel);
    layout->setSpacing(0);
    layout->setContentsMargins(kRowSideMargin, 0, kRowSideMargin, 0);

    row.slider = new QSlider(Qt::Horizontal, row.panel);
    row.slider->setObjectName(rowName("slider", index));
    row.slider->setSizePolicy(QSizePolicy::Expanding, row.slider->sizePolicy().verticalPolicy());
    row.downButton = _makeValueButton(row.panel, "valueDownButton", index, ":/images/value_decrease");
    row.valueLabel = makeLabel(row.panel, rowName("valueLabel", index), "0.00");
    row.valueLabel->setMinimumWidth(kValueLabelMinimumWidth);
    row.valueLabel->setAlignment(Qt::AlignCenter);
    row.upButton = _makeValueButton(row.panel, "valueUpButton", index, ":/images/value_increase");

    layout->addWidget(row.slider, 1);
    layout->addWidget(row.downButton);
    layout->addWidget(row.valueLabel);
    layout->addWidget(row.upButton);
    if (withColorButton)
        layout->addWidget(makeColorButton(row.panel));
    // The first row takes the panel's spare height.
    mainLayout->addWidget(row.panel, index == 0 ? 1 : 0);
    return layout;
}

QHBoxLayout* SliderPopupForm::addSwitchRow()
{
    switchPanel = new QWidget(mainWidget);
    switchPanel->setObjectName("panel4Widget");
    auto* layout = new QHBoxLayout(switchPanel);
    layout->setSpacing(kSwitchRowSpacing);
    layout->setContentsMargins(0, kSwitchRowMargin, 0, kSwitchRowMargin);
    switchLabel = makeLabel(switchPanel, "switchLabel", "Switch");
    switchButton = new SwitchButton(switchPanel);
    switchButton->setObjectName("switchButton");
    switchButton->setFixedSize(50, 26);
    layout->addWidget(switchLabel);
    layout->addWidget(switchButton);
    layout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    mainLayout->addWidget(switchPanel);
    return layout;
}

void SliderPopupForm::stretchFirstRow()
{
    QSizePolicy policy = rows[0].panel->sizePolicy();
    policy.setVerticalStretch(1);
    rows[0].panel->setSizePolicy(policy);
}

ColorButton* SliderPopupForm::makeColorButton(QWidget* parent)
{
    colorButton = new ColorButton(parent);
    colorButton->setObjectName("colorButton");
    colorButton->setFlat(true);
    colorButton->setFixedSize(kColorButtonSize, kColorButtonSize);
    return colorButton;
}

QPushButton* SliderPopupForm::_makeValueButton(QWidget* parent, const char* name, int index, const char* icon)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(rowName(name, index));
    button->setFlat(true);
    button->setFixedSize(kValueButtonSize, kValueButtonSize);
    // The popup repeats the step itself, with its own delays.
    button->setAutoRepeat(false);
    button->setIcon(QIcon(icon));
    return button;
}

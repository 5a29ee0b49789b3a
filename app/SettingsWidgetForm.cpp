// The form of the settings page: its rows, their object names, texts and
// fixed styles. Values are filled in by the page itself.

#include "SettingsWidget.h"

#include "SwitchButton.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {

const char* const kPageStyleSheet =
    "QWidget { background-color: rgb(31,32,35); color: white; border: none; }"
    "QScrollBar:vertical { width: 15px; margin: 3px; background: #2A2929; border-radius: 4px; }"
    "QScrollBar::handle:vertical { background: #6b6b6b; min-height: 15px; border-radius: 4px; }"
    "QScrollBar::handle:vertical:hover, QScrollBar::handle:vertical:pressed { background: #a4a5a7; }"
    "QScrollBar::sub-line:vertical { height: 10px; width: 10px; subcontrol-position: top;"
    " subcontrol-origin: margin; border-image: url(:/icons/res/icons/png/up_arrow_disabled.png); }"
    "QScrollBar::sub-line:vertical:hover, QScrollBar::sub-line:vertical:pressed {"
    " border-image: url(:/icons/res/icons/png/up_arrow.png); }"
    "QScrollBar::add-line:vertical { height: 10px; width: 10px; subcontrol-position: bottom;"
    " subcontrol-origin: margin; border-image: url(:/icons/res/icons/png/down_arrow_disabled.png); }"
    "QScrollBar::add-line:vertical:hover, QScrollBar::add-line:vertical:pressed {"
    " border-image: url(:/icons/res/icons/png/down_arrow.png); }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"
    "QSlider::groove:horizontal { background: transparent; height: 4px; border-radius: 2px; }"
    "QSlider::sub-page:horizontal { background: rgb(54,200,255); border-radius: 2px; }"
    "QSlider::add-page:horizontal { background: rgb(25,26,28); border-radius: 2px; }"
    "QSlider::handle:horizontal { background: white; width: 18px; margin: -7px 0px; border-radius: 9px; }"
    "QSlider::sub-page:horizontal:disabled { background: rgb(44,105,133); }"
    "QSlider::handle:horizontal:disabled { background: rgb(128,128,128); }";

const char* const kSeparatorStyleSheet = "QWidget{background-color: rgb(44,46,50);}";
const char* const kValueLabelStyleSheet = "QLabel{color: rgb(162,162,162);}";
const char* const kDetailLabelStyleSheet = "QLabel{color: gray;}";
const char* const kResetButtonStyleSheet =
    "QPushButton{background-color: transparent; color: white; text-align: left; padding-left: %1px;}"
    "QPushButton:pressed{background-color: rgb(44,46,50);}";
const char* const kWorkingDirectoryStyleSheet =
    "QLabel{color: white; background-color: rgb(44,45,46); padding: 0px 5px; border-radius: 5px;}";
const char* const kFolderButtonStyleSheet =
    "QPushButton{background-color: rgb(44,45,46); border-radius: 5px;}"
    "QPushButton:pressed{background-color: rgb(7,8,10);}";

constexpr int kValueRowHeight = 50;
constexpr int kDurationRowHeight = 80;
constexpr int kSwitchRowHeight = 70;
constexpr int kSegmentPropertiesRowHeight = 120;
// Every row's text starts this far from the page's edge, the reset button's
// text (its left padding) included.
constexpr int kRowSideMargin = 12;

QWidget* makePanel(const QString& name, int height)
{
    auto* panel = new QWidget;
    panel->setObjectName(name);
    panel->setFixedHeight(height);
    return panel;
}

// A row's layout keeps its own top and bottom margins; its sides line up
// with every other row.
template <typename Layout>
Layout* alignedSides(Layout* layout)
{
    const QMargins margins = layout->contentsMargins();
    layout->setContentsMargins(kRowSideMargin, margins.top(), kRowSideMargin, margins.bottom());
    return layout;
}

QWidget* makeSeparator(const QString& name)
{
    QWidget* separator = makePanel(name, 1);
    separator->setStyleSheet(kSeparatorStyleSheet);
    return separator;
}

QLabel* makeLabel(const QString& name)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    return label;
}

// A secondary label: its own colour, one point smaller than the page's text.
QLabel* makeSecondaryLabel(const QString& name, const char* styleSheet)
{
    QLabel* label = makeLabel(name);
    label->setStyleSheet(styleSheet);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() - 1);
    label->setFont(font);
    return label;
}

QHBoxLayout* captionAndValue(QLabel* caption, QLabel* value)
{
    auto* line = new QHBoxLayout;
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(caption);
    line->addStretch();
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    line->addWidget(value);
    return line;
}

SwitchButton* makeSwitch(const QString& name)
{
    auto* button = new SwitchButton;
    button->setObjectName(name);
    button->setFixedSize(50, 26);
    button->useEditorColors();
    return button;
}

} // namespace

void SettingsWidget::_buildForm()
{
    setObjectName("SettingsWidget");
    resize(640, 480);
    setStyleSheet(kPageStyleSheet);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scrollArea = new QScrollArea(this);
    scrollArea->setObjectName("scrollArea");
    scrollArea->setWidgetResizable(true);
    outer->addWidget(scrollArea);
    auto* contents = new QWidget;
    contents->setObjectName("scrollAreaWidgetContents");
    auto* rows = new QVBoxLayout(contents);
    rows->setSpacing(0);
    rows->addWidget(_buildValueRow("languagePanel", "language", _language));
    rows->addWidget(makeSeparator("languageSeparator"));
    rows->addWidget(_buildValueRow("videoEditorLayoutPanel", "videoEditorLayout", _videoEditorLayout));
    _videoEditorLayoutSeparator = makeSeparator("videoEditorLayoutSeparator");
    rows->addWidget(_videoEditorLayoutSeparator);
    rows->addWidget(_buildDurationRow("photoDurationPanel", "photoDuration", _durations[0]));
    rows->addWidget(_buildDurationRow("textDurationPanel", "textDuration", _durations[1]));
    rows->addWidget(_buildDurationRow("selfDrawDurationPanel", "selfDrawDuration", _durations[2]));
    rows->addWidget(makeSeparator("durationSeparator"));
    rows->addWidget(_buildSegmentPropertiesRow());
    rows->addWidget(makeSeparator("segmentPropertiesSeparator"));
    rows->addWidget(_buildSwitchRow("autoAlignPanel", "autoAlign", kSwitchRowHeight, _autoAlign));
    rows->addWidget(makeSeparator("autoAlignSeparator"));
    rows->addWidget(_buildSwitchRow("hardwareAccelPanel", "hardwareAccel", kSwitchRowHeight, _hardwareAccel));
    rows->addWidget(makeSeparator("hardwareAccelSeparator"));
    rows->addWidget(_buildWorkingDirectoryRow());
    rows->addWidget(makeSeparator("workingDirectorySeparator"));
    rows->addWidget(_buildSwitchRow("hardwareAccelPanel_2", "autoCopyAssets", kSwitchRowHeight, _autoCopyAssets));
    rows->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
    scrollArea->setWidget(contents);
    _retranslateUi();
}

QWidget* SettingsWidget::_buildValueRow(const QString& name, const QString& prefix, ValueRow& row)
{
    row.panel = makePanel(name, kValueRowHeight);
    row.label = makeLabel(prefix + "Label");
    row.valueLabel = makeSecondaryLabel(prefix + "ValueLabel", kValueLabelStyleSheet);
    auto* layout = alignedSides(new QVBoxLayout(row.panel));
    layout->addLayout(captionAndValue(row.label, row.valueLabel));
    return row.panel;
}

QWidget* SettingsWidget::_buildDurationRow(const QString& name, const QString& prefix, DurationRow& row)
{
    QWidget* panel = makePanel(name, kDurationRowHeight);
    row.label = makeLabel(prefix + "Label");
    row.valueLabel = makeSecondaryLabel(prefix + "ValueLabel", kValueLabelStyleSheet);
    row.slider = new QSlider(Qt::Horizontal);
    row.slider->setObjectName(prefix + "Slider");
    row.slider->setRange(1, 100);
    auto* layout = alignedSides(new QVBoxLayout(panel));
    layout->addLayout(captionAndValue(row.label, row.valueLabel));
    layout->addWidget(row.slider);
    return panel;
}

QWidget* SettingsWidget::_buildSwitchRow(const QString& name, const QString& prefix, int height, SwitchRow& row)
{
    QWidget* panel = makePanel(name, height);
    row.label = makeLabel(prefix + "Label");
    row.detailLabel = makeSecondaryLabel(prefix + "DetailLabel", kDetailLabelStyleSheet);
    row.switchButton = makeSwitch(prefix + "SwitchButton");
    auto* texts = new QVBoxLayout;
    texts->addWidget(row.label);
    texts->addWidget(row.detailLabel);
    auto* layout = alignedSides(new QHBoxLayout(panel));
    layout->addLayout(texts);
    layout->addWidget(row.switchButton);
    return panel;
}

QWidget* SettingsWidget::_buildSegmentPropertiesRow()
{
    QWidget* switchLine =
        _buildSwitchRow("segmentPropertiesSwitchLine", "segmentProperties", kSwitchRowHeight, _segmentProperties);
    switchLine->layout()->setContentsMargins(kRowSideMargin, 0, kRowSideMargin, 0);
    _segmentPropertiesResetButton = new QPushButton;
    _segmentPropertiesResetButton->setObjectName("segmentPropertiesResetButton");
    _segmentPropertiesResetButton->setFlat(true);
    _segmentPropertiesResetButton->setMaximumHeight(32);
    _segmentPropertiesResetButton->setStyleSheet(QString(kResetButtonStyleSheet).arg(kRowSideMargin));
    QWidget* panel = makePanel("segmentPropertiesPanel", kSegmentPropertiesRowHeight);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(switchLine);
    layout->addWidget(_segmentPropertiesResetButton);
    return panel;
}

QWidget* SettingsWidget::_buildWorkingDirectoryRow()
{
    QWidget* panel = makePanel("workingDirectoryPanel", kDurationRowHeight);
    _workingDirectoryLabel = makeLabel("workingDirectoryLabel");
    _workingDirectoryValueLabel = makeLabel("workingDirectoryValueLabel");
    _workingDirectoryValueLabel->setMinimumHeight(25);
    _workingDirectoryValueLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    _workingDirectoryValueLabel->setStyleSheet(kWorkingDirectoryStyleSheet);
    _workingDirectoryButton = new QPushButton;
    _workingDirectoryButton->setObjectName("workingDirectoryButton");
    _workingDirectoryButton->setFlat(true);
    _workingDirectoryButton->setFixedSize(30, 30);
    _workingDirectoryButton->setIcon(QIcon(":/images/export/export_folder"));
    _workingDirectoryButton->setStyleSheet(kFolderButtonStyleSheet);
    auto* folderLine = new QHBoxLayout;
    folderLine->addWidget(_workingDirectoryValueLabel);
    folderLine->addWidget(_workingDirectoryButton);
    auto* layout = alignedSides(new QVBoxLayout(panel));
    layout->addWidget(_workingDirectoryLabel);
    layout->addLayout(folderLine);
    return panel;
}

void SettingsWidget::_retranslateUi()
{
    setWindowTitle(tr("Form"));
    _language.label->setText(tr("Language"));
    _videoEditorLayout.label->setText(tr("Video Editor UI Layout"));
    _durations[0].label->setText(tr("Default Photo Duration"));
    _durations[1].label->setText(tr("Default Text Duration"));
    _durations[2].label->setText(tr("Default Self-Drawing Duration"));
    _segmentProperties.label->setText(tr("Auto Save/Apply Segment Properties"));
    _segmentProperties.detailLabel->setText(tr("Save segment properties and apply to the newly added segments"));
    _segmentPropertiesResetButton->setText(tr("Reset Saved Segment Properties"));
    _autoAlign.label->setText(tr("Auto Align When Moving Objects"));
    _autoAlign.detailLabel->setText(tr("Show guides when moving object to center/edges"));
    _hardwareAccel.label->setText(tr("Hardware Acceleration"));
    _workingDirectoryLabel->setText(tr("Working Directory"));
    _autoCopyAssets.label->setText(tr("Auto Copy Files to Movie Directory"));
    _autoCopyAssets.detailLabel->setText(tr("Copy files to project directory when adding media to a movie"));
}

// The form of the project settings popup: its widgets, their object names,
// texts and fixed styles. Values are filled in by setupUi.

#include "PopupProjectSettingsWidget.h"

#include "ColorButton.h"
#include "PopupMainWidget.h"
#include "SegmentedControl.h"
#include "SwitchButton.h"
#include "Util.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

const QColor kAccent(54, 200, 255);
const QColor kPanel(31, 32, 35);
const QColor kGreyText(162, 162, 162);

constexpr int kTopPanelHeight = 44;
constexpr int kBottomPanelHeight = 64;
constexpr int kHeaderHeight = 30;
constexpr int kItemHeight = 50;
constexpr int kNoColorItemHeight = 40;
constexpr int kCoverItemHeight = 70;
constexpr int kDirectionRowHeight = 35;
constexpr int kHeaderMargin = 12;
constexpr int kItemMargin = 24;

QString rgb(const QColor& color)
{
    return QString("rgb(%1,%2,%3)").arg(color.red()).arg(color.green()).arg(color.blue());
}

QWidget* makeRow(const QString& name, int height, int sideMargin, QBoxLayout** layout)
{
    auto* row = new QWidget;
    row->setObjectName(name);
    if (height > 0)
        row->setFixedHeight(height);
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(sideMargin, 0, sideMargin, 0);
    *layout = rowLayout;
    return row;
}

QLabel* makeLabel(const QString& name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

QWidget* makeHeader(const QString& name, const QString& labelName, const QString& text)
{
    QBoxLayout* layout = nullptr;
    QWidget* header = makeRow(name, kHeaderHeight, kHeaderMargin, &layout);
    // Painted by its style sheet, which a plain QWidget ignores otherwise.
    header->setAttribute(Qt::WA_StyledBackground, true);
    header->setStyleSheet(QString("QWidget#%1 { background-color: rgb(44,46,50); } QLabel { color: %2; }")
                              .arg(name, rgb(kAccent)));
    layout->addWidget(makeLabel(labelName, text));
    return header;
}

void setFontDelta(QWidget* widget, int delta, bool bold)
{
    QFont font = widget->font();
    font.setPointSizeF(font.pointSizeF() + delta);
    if (bold)
        font.setWeight(QFont::Bold);
    widget->setFont(font);
}

} // namespace

void PopupProjectSettingsWidget::_buildForm()
{
    _mainWidget = new PopupMainWidget(this);
    _mainWidget->setObjectName("mainWidget");
    _mainVerticalLayout = new QVBoxLayout(_mainWidget);
    _mainVerticalLayout->setObjectName("mainVerticalLayout");
    _mainVerticalLayout->setSpacing(0);
    _mainVerticalLayout->setContentsMargins(0, 0, 0, 0);
    _mainVerticalLayout->addWidget(_buildTopPanel());
    _mainVerticalLayout->addWidget(_buildScrollArea());
    _mainVerticalLayout->addWidget(_buildBottomPanel());
    setMainWidget(_mainWidget);
    _styleForm();
}

QWidget* PopupProjectSettingsWidget::_buildTopPanel()
{
    auto* topPanel = new QWidget;
    topPanel->setObjectName("topPanel");
    topPanel->setFixedHeight(kTopPanelHeight);
    auto* layout = new QHBoxLayout(topPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    _titleLabel = makeLabel("titleLabel", tr("Configuration"));
    setFontDelta(_titleLabel, 1, true);
    layout->addStretch();
    layout->addWidget(_titleLabel);
    layout->addStretch();
    return topPanel;
}

QScrollArea* PopupProjectSettingsWidget::_buildScrollArea()
{
    _scrollArea = new QScrollArea;
    _scrollArea->setObjectName("scrollArea");
    _scrollArea->setWidgetResizable(true);
    _scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    _scrollAreaWidget = new QWidget;
    _scrollAreaWidget->setObjectName("scrollAreaWidget");
    auto* rows = new QVBoxLayout(_scrollAreaWidget);
    rows->setSpacing(0);
    rows->setContentsMargins(0, 0, 0, 0);
    _rows.append(makeHeader("aspectRatioHeaderWidget", "aspectRatioHeaderLabel", tr("Aspect Ratio")));
    rows->addWidget(_rows.last());
    _movieSizesItemWidget = _buildAspectRows(rows);
    _buildVideoRows(rows);
    _buildShowcaseRows(rows);
    _scrollArea->setWidget(_scrollAreaWidget);
    return _scrollArea;
}

QWidget* PopupProjectSettingsWidget::_buildAspectRows(QVBoxLayout* rows)
{
    auto* sizes = new QWidget;
    sizes->setObjectName("movieSizesItemWidget");
    auto* sizesLayout = new QVBoxLayout(sizes);
    sizesLayout->setContentsMargins(0, 0, 0, 0);
    sizesLayout->addStretch();
    auto* directionRow = new QWidget;
    directionRow->setObjectName("widget");
    directionRow->setFixedHeight(kDirectionRowHeight);
    auto* directionLayout = new QHBoxLayout(directionRow);
    directionLayout->setContentsMargins(0, 0, 0, 0);
    _directionSegmentedWidget = new SegmentedControl;
    _directionSegmentedWidget->setObjectName("directionSegmentedWidget");
    _directionSegmentedWidget->setFixedSize(180, 30);
    directionLayout->addStretch();
    directionLayout->addWidget(_directionSegmentedWidget);
    directionLayout->addStretch();
    sizesLayout->addWidget(directionRow);
    // The buttons are placed by hand whenever the row's width changes.
    sizes->installEventFilter(this);
    rows->addWidget(sizes);
    return sizes;
}

void PopupProjectSettingsWidget::_buildVideoRows(QVBoxLayout* rows)
{
    _rows.append(makeHeader("videoHeaderWidget", "videoHeaderLabel", tr("Video")));
    rows->addWidget(_rows.last());

    QBoxLayout* layout = nullptr;
    _backgroundColorItemWidget = makeRow("backgroundColorItemWidget", kItemHeight, kItemMargin, &layout);
    QLabel* colorLabel = makeLabel("backgroundColorLabel", tr("Background Color"));
    colorLabel->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    _colorButton = new ColorButton;
    _colorButton->setObjectName("colorButton");
    _colorButton->setFixedSize(34, 34);
    layout->addWidget(colorLabel);
    layout->addStretch();
    layout->addWidget(_colorButton);
    _colorRowButton = _addRowButton(_backgroundColorItemWidget);
    _rows.append(_backgroundColorItemWidget);
    rows->addWidget(_backgroundColorItemWidget);

    QWidget* noColorRow = makeRow("noColorItemWidget", kNoColorItemHeight, kItemMargin, &layout);
    _noColorCheckBox = new QCheckBox(tr("Transparent"));
    _noColorCheckBox->setObjectName("noColorCheckBox");
    _noColorCheckBox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    layout->addStretch();
    layout->addWidget(_noColorCheckBox);
    _rows.append(noColorRow);
    rows->addWidget(noColorRow);

    _frameRateItemWidget = makeRow("frameRateItemWidget", kItemHeight, kItemMargin, &layout);
    QLabel* rateLabel = makeLabel("frameRateLabel", tr("Frame Rate"));
    rateLabel->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    _frameRateValueLabel = makeLabel("frameRateValueLabel", QString());
    _frameRateValueLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    _frameRateValueLabel->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    layout->addWidget(rateLabel, 1);
    layout->addWidget(_frameRateValueLabel);
    _frameRateRowButton = _addRowButton(_frameRateItemWidget);
    _rows.append(_frameRateItemWidget);
    rows->addWidget(_frameRateItemWidget);
}

void PopupProjectSettingsWidget::_buildShowcaseRows(QVBoxLayout* rows)
{
    _rows.append(makeHeader("showcaseHeaderWidget", "showcaseHeaderLabel", tr("Showcase")));
    rows->addWidget(_rows.last());

    QBoxLayout* layout = nullptr;
    QWidget* coverRow = makeRow("coverItemWidget", kCoverItemHeight, kItemMargin, &layout);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(0);
    texts->setContentsMargins(0, 16, 0, 16);
    texts->addWidget(makeLabel("coverLabel", tr("Fixed Cover Image")));
    _coverInfoLabel = makeLabel("coverInfoLabel", tr("Display fixed cover image in Movies page"));
    setFontDelta(_coverInfoLabel, -1, false);
    _coverInfoLabel->setStyleSheet(QString("color: %1;").arg(rgb(kGreyText)));
    texts->addWidget(_coverInfoLabel);
    _switchButton = new SwitchButton;
    _switchButton->setObjectName("switchButton");
    _switchButton->setFixedSize(50, 26);
    layout->addLayout(texts);
    layout->addStretch();
    layout->addWidget(_switchButton);
    _rows.append(coverRow);
    rows->addWidget(coverRow);
}

QWidget* PopupProjectSettingsWidget::_buildBottomPanel()
{
    _bottomPanel = new QWidget;
    _bottomPanel->setObjectName("bottomPanel");
    _bottomPanel->setFixedHeight(kBottomPanelHeight);
    auto* layout = new QHBoxLayout(_bottomPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    _doneButton = new QPushButton(tr("OK"));
    _doneButton->setObjectName("doneButton");
    _doneButton->setFlat(true);
    _doneButton->setMinimumSize(100, 36);
    layout->addStretch();
    layout->addWidget(_doneButton);
    layout->addStretch();
    return _bottomPanel;
}

QPushButton* PopupProjectSettingsWidget::_addRowButton(QWidget* row)
{
    // A click anywhere on the row acts; the row's own controls stay above it.
    auto* button = new QPushButton(row);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet("QPushButton { background-color: transparent; border: none; }"
                          "QPushButton:pressed { background-color: rgba(7,8,10,244); }");
    button->setGeometry(0, 0, row->width(), row->height());
    button->lower();
    row->installEventFilter(this);
    return button;
}

void PopupProjectSettingsWidget::_styleForm()
{
    applyLabelStyle(this);
    _mainWidget->setFillColor(kPanel);
    _mainWidget->setBorderColor(QColor(64, 64, 64, 128));
    _mainWidget->setCornerRadius(10);
    _scrollArea->setStyleSheet("QScrollArea { background: transparent; border: none; }");
    _scrollArea->viewport()->setAutoFillBackground(false);
    _scrollAreaWidget->setStyleSheet(QString());
    _scrollAreaWidget->setAutoFillBackground(false);
    Util::setScrollBarStyleSheet(_scrollArea->verticalScrollBar());

    _directionSegmentedWidget->setSegments({tr("Landscape"), tr("Portrait")});
    _directionSegmentedWidget->setBackgroundColor(kPanel);
    _directionSegmentedWidget->setBorderColor(kAccent);
    _directionSegmentedWidget->setUnselectedTextColor(kAccent);
    _directionSegmentedWidget->setSelectedTextColor(kPanel);

    _noColorCheckBox->setStyleSheet(QString("QCheckBox { color: %1; }").arg(rgb(kGreyText)));
    _frameRateValueLabel->setStyleSheet(QString("color: %1;").arg(rgb(kGreyText)));

    _switchButton->setOnColor(kAccent);
    _switchButton->setOffColor(QColor(25, 26, 28));
    _switchButton->setThumbColor(Qt::white);
    _switchButton->setDisabledOffSideColor(QColor(44, 105, 133));
    _switchButton->setDisabledOnSideColor(QColor(25, 26, 28));
    _switchButton->setDisabledThumbColor(QColor(128, 128, 128));

    _doneButton->setStyleSheet(QString("QPushButton { color: white; background-color: %1; border: none; "
                                       "border-radius: 18px; } QPushButton:pressed { background-color: %2; }")
                                   .arg(rgb(kAccent), rgb(kAccent.darker(200))));
}

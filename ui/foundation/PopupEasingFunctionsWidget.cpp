#include "PopupEasingFunctionsWidget.h"

#include "PopupOptionsButton.h"
#include "TitledPopupForm.h"
#include "TooltipButton.h"
#include "UiMetrics.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVariant>
#include <QMenu>
#include <QVBoxLayout>

namespace {

constexpr int kAllCorners = 4;
constexpr int kHeadingHeight = 30;
constexpr int kIconSide = 27;
const QColor kCardColor(44, 46, 50, 244);

// The buttons in code order (1 to 16): object name and icon stem.
struct EasingButton {
    const char* name;
    const char* icon;
};
constexpr EasingButton kButtons[] = {
    {"linearButton", "linear"},
    {"smoothInButton", "in_default"},
    {"smoothOutButton", "out_default"},
    {"smoothInOutButton", "in_out_default"},
    {"circularInButton", "in_circular"},
    {"circularOutButton", "out_circular"},
    {"circularInOutButton", "in_out_circular"},
    {"backInButton", "in_back"},
    {"backOutButton", "out_back"},
    {"backInOutButton", "in_out_back"},
    {"elasticInButton", "in_elastic"},
    {"elasticOutButton", "out_elastic"},
    {"elasticInOutButton", "in_out_elastic"},
    {"bounceInButton", "in_bounce"},
    {"bounceOutButton", "out_bounce"},
    {"bounceInOutButton", "in_out_bounce"},
};

TooltipButton* newTableButton(const QString& name, QWidget* parent)
{
    auto* button = new TooltipButton(parent);
    button->setObjectName(name);
    button->setFlat(true);
    button->setIconSize(QSize(kIconSide, kIconSide));
    return button;
}

} // namespace

PopupEasingFunctionsWidget::PopupEasingFunctionsWidget(QWidget* parent) : CommonPopup(parent)
{
    setObjectName("PopupEasingFunctionsWidget");
    _buildForm();
}

PopupEasingFunctionsWidget::~PopupEasingFunctionsWidget()
{
    delete _optionsButton;
}

void PopupEasingFunctionsWidget::_buildForm()
{
    TitledPopupForm form(this);
    _panelWidget = new QWidget(form.mainWidget);
    _panelWidget->setObjectName("panelWidget");
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setVerticalStretch(1);
    _panelWidget->setSizePolicy(policy);
    form.layout->addWidget(_panelWidget);
    auto* rows = new QVBoxLayout(_panelWidget);
    rows->setObjectName("verticalLayout_2");
    rows->setSpacing(0);
    rows->setContentsMargins(0, 0, 0, 0);

    auto* headings = new QHBoxLayout;
    headings->setObjectName("horizontalLayout");
    const struct {
        const char* name;
        QString text;
    } columns[] = {{"inLabel", tr("In")}, {"outLabel", tr("Out")}, {"inOutLabel", tr("InOut")}};
    for (const auto& column : columns) {
        auto* label = new QLabel(column.text, _panelWidget);
        label->setObjectName(column.name);
        label->setFixedHeight(kHeadingHeight);
        label->setAlignment(Qt::AlignCenter);
        headings->addWidget(label);
        _labels.append(label);
    }
    auto* corner = new QLabel(_panelWidget);
    corner->setObjectName("label_4");
    corner->setMaximumHeight(kHeadingHeight);
    headings->addWidget(corner);
    rows->addLayout(headings);

    const struct {
        const char* name;
        QString text;
    } families[] = {{"linearLabel", tr("Linear")}, {"smoothLabel", tr("Smooth")},
                    {"circularLabel", tr("Circular")}, {"backLabel", tr("Back")},
                    {"elasticLabel", tr("Elastic")}, {"bounceLabel", tr("Bounce")}};
    int code = 1;
    for (int family = 0; family < 6; ++family) {
        auto* row = new QHBoxLayout;
        row->setObjectName(QString("horizontalLayout_%1").arg(family + 2));
        // The Linear row's one button stands in the InOut column.
        if (family == 0) {
            row->addWidget(newTableButton("pushButton", _panelWidget));
            row->addWidget(newTableButton("pushButton_2", _panelWidget));
        }
        for (int variant = family == 0 ? 2 : 0; variant < 3; ++variant, ++code) {
            TooltipButton* button = newTableButton(kButtons[code - 1].name, _panelWidget);
            row->addWidget(button);
            _easingButtons.append(button);
        }
        auto* label = new QLabel(families[family].text, _panelWidget);
        label->setObjectName(families[family].name);
        row->addWidget(label);
        _labels.append(label);
        rows->addLayout(row);
    }
    setMainWidget(form.mainWidget);
    setTitleLabel(form.titleLabel);
}

void PopupEasingFunctionsWidget::showWithEasing(QWidget* parent, const QPoint& point, int easing, bool flat)
{
    _currentEasing = easing;
    _flat = flat;
    if (!flat) {
        setCornerMode(kAllCorners);
        setBackgroundColor(kCardColor);
    }
    showInWidget(parent, tr("Easing Type"), point);
    if (!flat)
        addShadow();
}

void PopupEasingFunctionsWidget::setupUi(QWidget* parent, const QString& title)
{
    CommonPopup::setupUi(parent, title);
    if (!_styled) {
        _styled = true;
        for (QWidget* label : _labels)
            applyLabelStyle(label);
        for (int code = 1; code <= _easingButtons.size(); ++code) {
            const QString stem = QString(":/images/easing/easing_") + kButtons[code - 1].icon;
            addEasingButton(_easingButtons[code - 1], stem, stem + "2", code);
        }
        _panelWidget->setStyleSheet("QWidget#panelWidget { background-color: transparent; }");
    }
    for (TooltipButton* button : _panelWidget->findChildren<TooltipButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (button->property("tag").isValid() && button->property("tag").toInt() == _currentEasing) {
            button->setChecked(true);
            break;
        }
    }
    if (!_optionsButton) {
        _optionsButton = new PopupOptionsButton("rgb(25,26,28)", mainWidget());
        connect(_optionsButton, &QPushButton::clicked, this, &PopupEasingFunctionsWidget::onOptionsButtonPressed);
    }
    _placeOptionsButton();
}

void PopupEasingFunctionsWidget::addEasingButton(TooltipButton* button, const QString& normalIcon,
                                                 const QString& highlightedIcon, int code)
{
    button->setNormalIcon(normalIcon);
    button->setHighlightedIcon(highlightedIcon);
    connect(button, &QPushButton::clicked, this, &PopupEasingFunctionsWidget::onEasingFunctionButtonPressed);
    button->setProperty("tag", code);
}

void PopupEasingFunctionsWidget::layoutAtPoint(const QPoint& point)
{
    CommonPopup::layoutAtPoint(point);
    _placeOptionsButton();
}

void PopupEasingFunctionsWidget::resizeEvent(QResizeEvent* event)
{
    CommonPopup::resizeEvent(event);
    _placeOptionsButton();
}

void PopupEasingFunctionsWidget::_placeOptionsButton()
{
    if (!_optionsButton)
        return;
    // The title label's place comes from the panel's layout.
    mainWidget()->layout()->activate();
    PopupOptionsButton::placeBesideTitle(_optionsButton, titleLabel(), isFullscreen());
}

int PopupEasingFunctionsWidget::popupHeight()
{
    return UiMetrics::easingFunctionsPopupHeight();
}

void PopupEasingFunctionsWidget::onEasingFunctionButtonPressed()
{
    if (sender())
        emit easingFunctionSelected(this, sender()->property("tag").toInt());
}

void PopupEasingFunctionsWidget::onOptionsButtonPressed()
{
    QMenu* menu = PopupOptionsButton::createMenu(this, _flat ? "rgba(25,26,28,230)" : "rgba(7,8,10,230)");
    menu->addAction(tr("Apply to all transitions"), this,
                    [this] { emit applyToAllTransitionsRequested(this, _currentEasing); });
    _optionsButton->popUp(menu);
}

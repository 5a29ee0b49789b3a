#include "TabsMediaExplorerWidget.h"

#include "RoundTabWidget.h"
#include "ui_TabsMediaExplorerWidget.h"

#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>

namespace {
struct Tab {
    const char* pageId;
    const char* title;
};
const Tab kTabs[] = {
    {"local_files", QT_TRANSLATE_NOOP("TabsMediaExplorerWidget", "Local Files")},
    {"in_app_music", QT_TRANSLATE_NOOP("TabsMediaExplorerWidget", "Music")},
    {"in_app_sound_fx", QT_TRANSLATE_NOOP("TabsMediaExplorerWidget", "Sound FX")},
    {"in_app_stickers", QT_TRANSLATE_NOOP("TabsMediaExplorerWidget", "Stickers")},
    {"giphy", QT_TRANSLATE_NOOP("TabsMediaExplorerWidget", "GIPHY")},
};
constexpr int kTabCount = int(sizeof(kTabs) / sizeof(kTabs[0]));
constexpr int kButtonPadding = 30;
const char* const kButtonStyle = "QPushButton { color: rgb(162,162,162); background-color: transparent; border: none; }"
                                 "QPushButton:pressed { color: white; }"
                                 "QPushButton[highlighted=\"true\"] { color: white; }";
} // namespace

TabsMediaExplorerWidget::TabsMediaExplorerWidget(const QString& settingsDir, QWidget* parent)
    : MediaExplorerWidget(settingsDir, parent)
    , _ui(new Ui::TabsMediaExplorerWidget)
{
    _ui->setupUi(this);
    container = _ui->containerWidget;
    containerLayout = _ui->containerVerticalLayout;
    setStyleSheet("background-color: transparent;");
    _ui->scrollArea->setStyleSheet("QScrollArea{background-color: black; border:none;}");
    _ui->scrollAreaWidget->setStyleSheet(QString());
    _addTabButtons();
    _highlight = new RoundTabWidget(1, QColor(28, 29, 32, 255), _ui->scrollAreaWidget);
    _highlight->lower();
    int index = settings()->value("Tabs/Index", 0).toInt();
    if (index < 0 || index >= kTabCount)
        index = 0;
    setCurrentTab(index);
}

TabsMediaExplorerWidget::~TabsMediaExplorerWidget()
{
    settings()->setValue("Tabs/Index", _currentIndex);
    delete _ui;
}

void TabsMediaExplorerWidget::_addTabButtons()
{
    const int height = _ui->scrollArea->maximumHeight();
    int x = 0;
    for (const Tab& tab : kTabs) {
        auto* button = new QPushButton(tr(tab.title), _ui->scrollAreaWidget);
        const int width = button->fontMetrics().boundingRect(button->text()).width() + kButtonPadding;
        button->setGeometry(x, 0, width, height);
        button->setStyleSheet(kButtonStyle);
        connect(button, &QPushButton::clicked, this, &TabsMediaExplorerWidget::onLocButtonClicked);
        _buttons.append(button);
        x += width;
    }
    _ui->scrollAreaWidget->setFixedWidth(x + int(RoundTabWidget::cornerRadius()));
}

void TabsMediaExplorerWidget::_setHighlighted(QPushButton* button, bool highlighted)
{
    button->setProperty("highlighted", highlighted);
    button->style()->unpolish(button);
    button->style()->polish(button);
    button->update();
}

void TabsMediaExplorerWidget::setCurrentTab(int index)
{
    if (index == _currentIndex || index < 0 || index >= kTabCount)
        return;
    if (_currentIndex >= 0)
        _setHighlighted(_buttons[_currentIndex], false);
    _currentIndex = index;
    QPushButton* button = _buttons[index];
    _setHighlighted(button, true);
    const int radius = int(RoundTabWidget::cornerRadius());
    _highlight->setGeometry(button->geometry().adjusted(-radius, 0, radius, 0));
    showTab();
}

void TabsMediaExplorerWidget::showTab()
{
    if (_currentIndex < 0 || _currentIndex >= kTabCount)
        return;
    QVariantMap params;
    const QStringList movies = QStandardPaths::standardLocations(QStandardPaths::MoviesLocation);
    if (_currentIndex == 0 && !movies.isEmpty())
        params.insert("path", movies.first());
    showPage(kTabs[_currentIndex].pageId, params);
}

void TabsMediaExplorerWidget::onLocButtonClicked()
{
    const int index = _buttons.indexOf(qobject_cast<QPushButton*>(sender()));
    if (index >= 0)
        setCurrentTab(index);
}

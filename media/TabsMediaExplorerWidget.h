#pragma once

#include "MediaExplorerWidget.h"

#include <QList>

class QPushButton;
class RoundTabWidget;
namespace Ui {
class TabsMediaExplorerWidget;
}

// The media explorer with a row of text tabs under its pages. The current
// tab is kept in "Tabs"/"Index" of "media.config".
class TabsMediaExplorerWidget : public MediaExplorerWidget
{
    Q_OBJECT

public:
    TabsMediaExplorerWidget(const QString& settingsDir, QWidget* parent = nullptr);
    ~TabsMediaExplorerWidget() override;

    void setCurrentTab(int index);
    int currentTab() const { return _currentIndex; }
    void showTab();

public slots:
    void onLocButtonClicked();

private:
    void _addTabButtons();
    void _setHighlighted(QPushButton* button, bool highlighted);

    Ui::TabsMediaExplorerWidget* _ui;
    QList<QPushButton*> _buttons;
    RoundTabWidget* _highlight;
    int _currentIndex = -1;
};

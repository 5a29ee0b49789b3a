#include "CommonMainWindow.h"

#include "NavigationBar.h"

CommonMainWindow::CommonMainWindow(QWidget* parent) : QMainWindow(parent)
{
}

CommonMainWindow::~CommonMainWindow() = default;

void CommonMainWindow::showDoneButton()
{
    if (!_navigationBar)
        return;
    _navigationBar->clear();
    _navigationBar->addButton(2, tr("Done"));
}

void CommonMainWindow::onNavigationButtonClicked(int cmdId)
{
    switch (cmdId) {
    case 1:
        onNavigationCommand1(cmdId);
        break;
    case 2:
        onNavigationCommand2(cmdId);
        break;
    case 3:
        onNavigationCommand3(cmdId);
        break;
    default:
        onNavigationCommandOther(cmdId);
        break;
    }
}

void CommonMainWindow::onNavigationCommand1(int)
{
}

void CommonMainWindow::onNavigationCommand2(int)
{
}

void CommonMainWindow::onNavigationCommand3(int)
{
}

void CommonMainWindow::onNavigationCommandOther(int)
{
}

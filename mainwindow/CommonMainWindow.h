#pragma once

#include <QMainWindow>

class NavigationBar;

// Base of the editing windows: turns a navigation bar's command ids into
// four hooks, and can reduce the bar to a single "Done" button while a
// segment is edited in place.
class CommonMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit CommonMainWindow(QWidget* parent = nullptr);
    ~CommonMainWindow() override;

    void showDoneButton();
    NavigationBar* navigationBar() const { return _navigationBar; }
    // Not owned; a subclass that shows a bar sets it.
    void setNavigationBar(NavigationBar* bar) { _navigationBar = bar; }

public slots:
    void onNavigationButtonClicked(int cmdId);

protected:
    virtual void onNavigationCommand1(int cmdId);
    virtual void onNavigationCommand2(int cmdId);
    virtual void onNavigationCommand3(int cmdId);
    virtual void onNavigationCommandOther(int cmdId);

private:
    NavigationBar* _navigationBar = nullptr;
};

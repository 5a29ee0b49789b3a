#pragma once

#include <QWidget>

class QHBoxLayout;

// A row of text buttons, each standing for a command id.
class NavigationBar : public QWidget
{
    Q_OBJECT

public:
    explicit NavigationBar(QWidget* parent = nullptr);

    void clear();
    void addButton(int cmdId, const QString& text);

signals:
    void buttonClicked(int cmdId);

private:
    QHBoxLayout* _layout;
};

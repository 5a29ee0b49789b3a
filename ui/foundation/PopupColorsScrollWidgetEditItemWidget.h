#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// A saved colour scheme in the colour-correction popup's manage mode: its
// name and a "Remove" button.
class PopupColorsScrollWidgetEditItemWidget : public QWidget
{
    Q_OBJECT

public:
    explicit PopupColorsScrollWidgetEditItemWidget(const QString& name, QWidget* parent = nullptr);

    // The position of the scheme in the popup's list of names.
    void setIndex(int index) { _index = index; }
    int index() const { return _index; }

signals:
    void deleteTriggered(PopupColorsScrollWidgetEditItemWidget* itemWidget);

protected slots:
    void onDeleteButtonClicked();

private:
    int _index = 0;
};

#pragma once

#include <QWidget>

class QPushButton;

// The floating bar of range-selection mode: "Cancel selection", "Insert
// blank" and "Delete", reported as commands 0, 1 and 2.
class SelectionOperationWidget : public QWidget
{
    Q_OBJECT

public:
    enum Command { CancelSelection = 0, InsertBlank = 1, DeleteRange = 2 };

    explicit SelectionOperationWidget(QWidget* parent);

    // Centres the bar horizontally, 30 px above the bottom of area.
    void updatePosition(QWidget* area);
    QPushButton* cancelSelectionButton() const { return _cancelSelectionButton; }
    QPushButton* insertBlankButton() const { return _insertBlankButton; }
    QPushButton* deleteButton() const { return _deleteButton; }

signals:
    void selectionOperationWidgetCommandClicked(SelectionOperationWidget* operationWidget, int cmdId);

private slots:
    void buttonOnClicked();

private:
    QPushButton* _addButton(const char* name, const QString& text);
    void _addSeparator(const char* name);

    QPushButton* _cancelSelectionButton;
    QPushButton* _insertBlankButton;
    QPushButton* _deleteButton;
};

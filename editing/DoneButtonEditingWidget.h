#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The section on top of the inspector while an editing mode is on: the
// mode's title and the button that finishes the edit.
class DoneButtonEditingWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DoneButtonEditingWidget(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const;
    QPushButton* doneButton() const { return _doneButton; }

signals:
    void doneButtonClicked();

public slots:
    void onDoneButtonClicked();

private:
    QLabel* _titleLabel = nullptr;
    QPushButton* _doneButton = nullptr;
};

#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// A title and the button that starts the in-place edit of a text, a
// drawing or a photo.
class EditButtonEditingWidget : public QWidget
{
    Q_OBJECT

public:
    explicit EditButtonEditingWidget(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const;
    void setButtonText(const QString& text);
    void setButtonEnabled(bool enabled);
    QPushButton* editButton() const { return _editButton; }

signals:
    void editButtonClicked(QWidget* button);

public slots:
    void onEditButtonClicked();

private:
    QLabel* _titleLabel = nullptr;
    QPushButton* _editButton = nullptr;
};

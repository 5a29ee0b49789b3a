#pragma once

#include "CommonPopup.h"
#include "TransitionMenuItem.h"

class QPushButton;
class QScrollArea;
class QVBoxLayout;

// The list of transition kinds: a scrolling column of text buttons, each
// reporting its command id. The popup does not close itself on a choice;
// its owner decides.
class PopupTransitionsListWidget : public CommonPopup
{
    Q_OBJECT

public:
    explicit PopupTransitionsListWidget(QWidget* parent = nullptr);

    // Flat shows the list without the card look (no rounded dark card, no shadow).
    void showWithItems(QWidget* parent, const QPoint& anchor, const TransitionMenuItems& items, bool flat);

    void setupUi(QWidget* parent, const QString& title) override;
    int popupHeight() override;

    QList<QPushButton*> buttons() const { return _buttons; }

signals:
    void transitionItemSelected(PopupTransitionsListWidget* transitionsWidget, int cmdId);

protected slots:
    void onTransitionItemButtonClicked();

private:
    void _buildForm();
    void _buildButtons();

    QScrollArea* _scrollArea = nullptr;
    QWidget* _scrollAreaWidget = nullptr;
    TransitionMenuItems _items;
    bool _flat = false;
    QVBoxLayout* _buttonLayout = nullptr;
    QList<QPushButton*> _buttons;
};

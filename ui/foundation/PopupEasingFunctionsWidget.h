#pragma once

#include "CommonPopup.h"

class PopupOptionsButton;
class TooltipButton;

// The chooser of a transition's easing curve: sixteen picture buttons, one
// row per curve family (Linear, Smooth, Circular, Back, Elastic, Bounce) and
// one column per variant (In, Out, InOut). The easing the popup was opened
// with stays highlighted; a click reports the chosen easing code at once and
// the owner decides what follows.
class PopupEasingFunctionsWidget : public CommonPopup
{
    Q_OBJECT

public:
    explicit PopupEasingFunctionsWidget(QWidget* parent = nullptr);
    ~PopupEasingFunctionsWidget() override;

    // Flat keeps the framework's default look: top corners rounded, no shadow.
    void showWithEasing(QWidget* parent, const QPoint& point, int easing, bool flat);

    void setupUi(QWidget* parent, const QString& title) override;
    void layoutAtPoint(const QPoint& point) override;
    int popupHeight() override;

signals:
    void easingFunctionSelected(PopupEasingFunctionsWidget* easingFunctionsWidget, int easing);
    void applyToAllTransitionsRequested(PopupEasingFunctionsWidget* easingFunctionsWidget, int easing);

protected slots:
    void onEasingFunctionButtonPressed();
    void onOptionsButtonPressed();

protected:
    void addEasingButton(TooltipButton* button, const QString& normalIcon, const QString& highlightedIcon, int code);
    void resizeEvent(QResizeEvent* event) override;

private:
    void _buildForm();
    void _placeOptionsButton();

    QWidget* _panelWidget = nullptr;
    QList<QWidget*> _labels;
    // The sixteen easing buttons in code order.
    QList<TooltipButton*> _easingButtons;
    int _currentEasing = 0;
    bool _flat = false;
    PopupOptionsButton* _optionsButton = nullptr;
    bool _styled = false;
};

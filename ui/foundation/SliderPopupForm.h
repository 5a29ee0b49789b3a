#pragma once

#include <array>

class ColorButton;
class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QSlider;
class QVBoxLayout;
class QWidget;
class SwitchButton;

// The widgets of a slider popup's panel, built in code by the popup's
// constructor. Object names are the ones owners and style sheets look up.
// Row 0 is the first slider row ("panelWidget"), rows 1 and 2 the titled
// second and third rows ("panel2Widget", "panel3Widget"). The widgets belong
// to the popup through Qt parenthood; the form only points at them.
class SliderPopupForm
{
public:
    struct Row {
        QWidget* panel = nullptr;
        QLabel* title = nullptr;  // only the second and third rows have one
        QSlider* slider = nullptr;
        QLabel* valueLabel = nullptr;
        QPushButton* downButton = nullptr;
        QPushButton* upButton = nullptr;
    };

    // Creates "mainWidget" on host with its vertical layout and "titleLabel".
    explicit SliderPopupForm(QWidget* host);

    // Appends a slider row (0, 1 or 2); rows 1 and 2 get their title first.
    // Returns the row's horizontal layout, for what follows on that row.
    QHBoxLayout* addSliderRow(int index, bool withColorButton);
    // Appends "panel4Widget" with "switchLabel", "switchButton" and a spacer.
    QHBoxLayout* addSwitchRow();
    // Multi-row panels give the first row vertical stretch in its size policy too.
    void stretchFirstRow();
    // A flat "colorButton" of 34 x 34 on parent.
    ColorButton* makeColorButton(QWidget* parent);

    QWidget* mainWidget = nullptr;
    QVBoxLayout* mainLayout = nullptr;
    QLabel* titleLabel = nullptr;
    std::array<Row, 3> rows;
    ColorButton* colorButton = nullptr;
    QWidget* switchPanel = nullptr;
    QLabel* switchLabel = nullptr;
    SwitchButton* switchButton = nullptr;

private:
    QPushButton* _makeValueButton(QWidget* parent, const char* name, int index, const char* icon);
};

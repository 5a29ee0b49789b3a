#pragma once

class QPushButton;
class QWidget;

// The look of a button that shows a current choice and opens a list of the
// others: a rounded dark box around the name and a small triangle.
struct DropDownButtonStyle {
    static void apply(QWidget* container, QPushButton* nameButton);
};

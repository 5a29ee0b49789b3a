#pragma once

class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;

// The common form of the inspector's button sections: a title in the
// highlight colour above one action element, and the look of their white
// push buttons.
struct SectionButtonForm {
    // The vertical layout of the section, holding the title label.
    static QVBoxLayout* addTitle(QWidget* section, QLabel*& titleLabel);
    // A push button under the title, 30 pixels high.
    static QPushButton* addButton(QWidget* section, QVBoxLayout* layout, const char* objectName);
};

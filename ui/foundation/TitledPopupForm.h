#pragma once

class QLabel;
class QScrollArea;
class QVBoxLayout;
class QWidget;

// The form several popups share: the panel "mainWidget" on the popup, its
// "verticalLayout" (spacing 10) headed by the centred "titleLabel". The
// popup adopts the panel and the title as its own.
struct TitledPopupForm {
    explicit TitledPopupForm(QWidget* popup);

    // Adds "scrollArea" (resizable) holding "scrollAreaWidget" below the title.
    QScrollArea* addScrollArea();

    QWidget* mainWidget;
    QVBoxLayout* layout;
    QLabel* titleLabel;
};

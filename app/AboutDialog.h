#pragma once

#include <QDialog>

class QLabel;

namespace Ui {
class AboutDialog;
}

// The modal About box: the logo and the name pictures, the running version,
// a button to the product's web site and the ownership notice.
// Util::showAboutDialog fixes its size and runs it.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

    // Sizes the label to its picture's aspect at the label's maximum height.
    // A label without a picture keeps the size its form gave it.
    static void fitToPicture(QLabel* label);

private slots:
    void onHomepageButtonClicked();

private:
    Ui::AboutDialog* _ui;
};

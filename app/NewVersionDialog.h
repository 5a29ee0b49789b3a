#pragma once

#include <QDialog>

namespace Ui {
class NewVersionDialog;
}

// Tells the user that the update service named a newer version than the
// running one, and offers its download page and the "what's new" help page in
// the default browser. Neither button closes the dialog.
class NewVersionDialog : public QDialog
{
    Q_OBJECT

public:
    NewVersionDialog(const QString& latestVersion, const QString& downloadUrl, QWidget* parent = nullptr);
    ~NewVersionDialog() override;

private slots:
    void onDownloadButtonPressed();
    void onWhatsNewButtonPressed();

private:
    // The address the download button opens: the one the service named when
    // it is a web page, else the product's site.
    QString _downloadAddress() const;

    Ui::NewVersionDialog* _ui;
    QString _downloadUrl;
};

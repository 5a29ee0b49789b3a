#include "NewVersionDialog.h"
#include "ui_NewVersionDialog.h"

#include "Util.h"

#include <QUrl>

namespace {

const char* const kDialogStyleSheet =
    "QWidget{background-color: rgb(31,32,35); color: white;}"
    "QPushButton{color: white; background-color: transparent; border: 1px solid white; border-radius: 5px;"
    " padding: 5px 10px 5px 10px;}"
    "QPushButton:pressed{background-color: black; border-radius: 5px; color: gray;}"
    "QLineEdit{color: white; background-color: rgb(44,45,46); padding: 0px 5px 0px 5px; border: none;"
    " border-radius: 5px;}"
    "QLabel{color: #c0c0c0;}";
const char* const kDownloadButtonStyleSheet =
    "QPushButton{color: white; border: none; border-radius: 5px; padding: 5px 10px 5px 10px;"
    " background-color: rgb(54, 200, 255);}"
    "QPushButton:pressed{background-color: black; border-radius: 5px; color: gray;}";
const char* const kValueStyleSheet = "color:white;";

} // namespace

NewVersionDialog::NewVersionDialog(const QString& latestVersion, const QString& downloadUrl, QWidget* parent)
    : QDialog(parent), _ui(new Ui::NewVersionDialog), _downloadUrl(downloadUrl)
{
    _ui->setupUi(this);
    _ui->newVersionValueLabel->setText(latestVersion);
    _ui->currentVersionValueLabel->setText(Util::versionString());
    setStyleSheet(kDialogStyleSheet);
    _ui->downloadButton->setStyleSheet(kDownloadButtonStyleSheet);
    connect(_ui->downloadButton, &QPushButton::clicked, this, &NewVersionDialog::onDownloadButtonPressed);
    connect(_ui->whatsNewButton, &QPushButton::clicked, this, &NewVersionDialog::onWhatsNewButtonPressed);
    _ui->newVersionValueLabel->setStyleSheet(kValueStyleSheet);
    _ui->currentVersionValueLabel->setStyleSheet(kValueStyleSheet);
}

NewVersionDialog::~NewVersionDialog()
{
    delete _ui;
}

QString NewVersionDialog::_downloadAddress() const
{
    // The address comes from the network: a "file:" or program-launching
    // scheme must not reach the desktop's opener.
    const QString scheme = QUrl(_downloadUrl, QUrl::TolerantMode).scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return _downloadUrl;
    return Util::productSiteUrl();
}

void NewVersionDialog::onDownloadButtonPressed()
{
    Util::openUrl(_downloadAddress());
}

void NewVersionDialog::onWhatsNewButtonPressed()
{
    Util::openHelpInBrowser(this, Util::userHelpUrl(QStringLiteral("whats_new")));
}

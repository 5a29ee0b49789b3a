#include "AboutDialog.h"
#include "ui_AboutDialog.h"

#include "Util.h"

namespace {

const char* const kDialogStyleSheet =
    "QWidget{background-color: rgb(31,32,35); color: white;}"
    "QPushButton{color: white; background-color: transparent; border: 1px solid white; border-radius: 5px;"
    " padding: 5px 10px 5px 10px;}"
    "QPushButton:pressed{background-color: black; border-radius: 5px; color: gray;}";

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent), _ui(new Ui::AboutDialog)
{
    _ui->setupUi(this);
    setStyleSheet(kDialogStyleSheet);
    fitToPicture(_ui->logoLabel);
    fitToPicture(_ui->textLogoLabel);
    _ui->versionLabel->setText(tr("Version %1").arg(Util::versionString()));
    // One point smaller; a font sized in pixels has no point size to lower.
    QFont noticeFont = _ui->copyrightLabel->font();
    if (noticeFont.pointSize() > 1)
        noticeFont.setPointSize(noticeFont.pointSize() - 1);
    _ui->copyrightLabel->setFont(noticeFont);
    _ui->rightsLabel->setFont(noticeFont);
    connect(_ui->homepageButton, &QPushButton::clicked, this, &AboutDialog::onHomepageButtonClicked);
}

AboutDialog::~AboutDialog()
{
    delete _ui;
}

void AboutDialog::fitToPicture(QLabel* label)
{
    const QPixmap picture = label->pixmap(Qt::ReturnByValue);
    if (picture.height() <= 0)
        return;
    const int height = label->maximumHeight();
    label->setFixedSize(picture.width() * height / picture.height(), height);
}

void AboutDialog::onHomepageButtonClicked()
{
    Util::openUrl(Util::productSiteUrl());
}

// The About box as the program runs it: its pictures sized to their aspect,
// the running version, and the button to the product's site.
#include "AboutDialog.h"

#include "ModalDialogAnswerer.h"
#include "OpenedUrls.h"
#include "Util.h"

#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QByteArray kSite = "https://site.vidorna.test/home";

// A picture three times as wide as it is high.
QPixmap wide(int height)
{
    QPixmap picture(3 * height, height);
    picture.fill(Qt::darkCyan);
    return picture;
}

QLabel* labelAtHeight(int height, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setMinimumHeight(height);
    label->setMaximumHeight(height);
    return label;
}

} // namespace

TEST(AboutDialogTest, LabelsTakeTheirPicturesAspectAndOnesWithoutKeepTheirSize)
{
    QWidget host;
    QLabel* logo = labelAtHeight(120, &host);
    QLabel* name = labelAtHeight(30, &host);
    logo->setPixmap(wide(40));
    name->setPixmap(wide(200));
    QLabel* missing = labelAtHeight(30, &host);
    missing->resize(50, 30);
    missing->setPixmap(QPixmap(":/images/no_such_picture"));
    QLabel* none = labelAtHeight(120, &host);
    none->resize(70, 120);
    for (QLabel* label : {logo, name, missing, none})
        AboutDialog::fitToPicture(label);
    EXPECT_EQ(logo->size(), QSize(360, 120));
    EXPECT_EQ(logo->minimumSize(), logo->maximumSize()) << "fixed";
    EXPECT_EQ(name->size(), QSize(90, 30));
    EXPECT_EQ(missing->size(), QSize(50, 30));
    EXPECT_EQ(none->size(), QSize(70, 120));
}

TEST(AboutDialogTest, TheBoxShowsTheVersionAndItsPictures)
{
    AboutDialog dialog;
    auto* logo = dialog.findChild<QLabel*>("logoLabel");
    auto* name = dialog.findChild<QLabel*>("textLogoLabel");
    ASSERT_TRUE(logo && !logo->pixmap(Qt::ReturnByValue).isNull());
    ASSERT_TRUE(name && !name->pixmap(Qt::ReturnByValue).isNull());
    // The logo is square, the name three times as wide as high.
    EXPECT_EQ(logo->size(), QSize(120, 120));
    EXPECT_EQ(name->size(), QSize(90, 30));
    EXPECT_EQ(dialog.findChild<QLabel*>("versionLabel")->text(), "Version 2.6");
    EXPECT_EQ(dialog.windowTitle(), "About Vidorna");
}

TEST(AboutDialogTest, HomepageOpensTheProductSiteAndTheBoxStays)
{
    qputenv("VIDORNA_SITE_URL", kSite);
    OpenedUrls opened;
    Util::setAboutDialogFactory([](QWidget* parent) { return new AboutDialog(parent); });
    QWidget parent;
    QSize size;
    bool openAfterClick = false;
    ModalDialogAnswerer answerer([&](QWidget* dialog) {
        size = dialog->size();
        QDir().mkpath(VIDORNA_ARTEFACT_DIR);
        dialog->grab().save(QString(VIDORNA_ARTEFACT_DIR) + "/about-dialog.png");
        dialog->findChild<QPushButton*>("homepageButton")->click();
        openAfterClick = dialog->isVisible();
        qobject_cast<QDialog*>(dialog)->reject();
    });
    Util::showAboutDialog(&parent);
    Util::setAboutDialogFactory(nullptr);
    qunsetenv("VIDORNA_SITE_URL");
    ASSERT_TRUE(answerer.answered());
    EXPECT_EQ(size, QSize(300, 340));
    EXPECT_TRUE(openAfterClick);
    EXPECT_EQ(opened.urls(), QList<QUrl>{QUrl(kSite)});
}

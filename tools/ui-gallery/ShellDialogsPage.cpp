// The application shell's own dialogs: the About box at the size the program
// fixes, the new-version notice as an update reply would bring it up, and
// the help address shown where no browser opens.
#include "GalleryPages.h"

#include "AboutDialog.h"
#include "NewVersionDialog.h"
#include "Util.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

QWidget* createShellDialogsPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* buttons = new QHBoxLayout;
    auto* about = new QPushButton("About box", page);
    auto* newVersion = new QPushButton("New version 2.7", page);
    buttons->addWidget(about);
    buttons->addWidget(newVersion);
    auto* helpAddress = new QPushButton("Help without a browser", page);
    buttons->addWidget(helpAddress);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();
    QObject::connect(about, &QPushButton::clicked, page, [page] {
        AboutDialog dialog(page);
        dialog.setFixedSize(300, 340);
        dialog.exec();
    });
    QObject::connect(newVersion, &QPushButton::clicked, page, [page] {
        NewVersionDialog dialog("2.7", QString(), page);
        dialog.exec();
    });
    QObject::connect(helpAddress, &QPushButton::clicked, page,
                     [page] { Util::showHelpAddress(page, Util::userHelpUrl(QString())); });
    return page;
}

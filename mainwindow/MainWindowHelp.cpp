// The Help menu's entries.
#include "MainWindow.h"

#include "Util.h"

void MainWindow::showUserHelp()
{
    Util::openUserHelp(Util::userHelpUrl(QString()), tr("Help Center"));
}

void MainWindow::getMobileApp()
{
    Util::openUrl(Util::productSiteUrl() + QStringLiteral("/mobile-app.html"));
}

void MainWindow::showAbout()
{
    Util::showAboutDialog(this);
}

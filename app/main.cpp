// The program: installs the example projects on first start and opens the
// example in the editing window.
#include "DesktopMainWindow.h"
#include "ProjectManager.h"

#include <QApplication>
#include <QPointer>

#include <cstdio>

namespace {

const QString kExampleProject = QStringLiteral("5-4-3-2-1-0");
const QString kExamplesFolder = QStringLiteral("Examples");

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vidorna"));
    QApplication::setOrganizationName(QStringLiteral("Vidorna"));
    if (!ProjectManager::copyExampleProjects()) {
        std::fprintf(stderr, "vidorna: the example projects could not be installed\n");
        return 1;
    }
    QPointer<DesktopMainWindow> window = new DesktopMainWindow(kExampleProject, kExamplesFolder);
    if (window->isOpenFailed()) {
        delete window;
        return 1;
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->showMaximized();
    return app.exec();
}

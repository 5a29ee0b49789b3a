// The program: one running instance per user, crash reports, the interface
// language and font, then the start window, sized from the screen.
#include "AboutDialog.h"
#include "Application.h"
#include "AssetLoadingThreadPool.h"
#include "CrashHandler.h"
#include "FreedMemory.h"
#include "MessageFont.h"
#include "MultiLanguage.h"
#include "NativeWebBrowserWidget.h"
#include "QNativeWebView.h"
#include "StartWindow.h"
#include "UserSettings.h"
#include "Util.h"

#include <QDebug>
#include <QGuiApplication>
#include <QScreen>
#include <QSurfaceFormat>

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace {

// Started by the crash handler as a separate process, with the report's
// details after it.
const char* const kCrashReportArgument = "--crash-report";

// The identity names the settings store; the display defaults have to be
// fixed before the application object exists, and the allocator's before
// any thread.
void prepareProcess()
{
    FreedMemory::returnLargeBlocks();
    QCoreApplication::setOrganizationName(QStringLiteral("Peltrane"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("peltrane.com"));
    QCoreApplication::setApplicationName(QStringLiteral("Vidorna"));
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    // The help pages' web engine draws with contexts shared with ours.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "1");
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QSurfaceFormat format;
    format.setColorSpace(QSurfaceFormat::sRGBColorSpace);
    format.setVersion(3, 2);
    format.setProfile(QSurfaceFormat::CoreProfile);
    QSurfaceFormat::setDefaultFormat(format);
}

// The chosen language, or the desktop's when the choice is "auto"; the
// desktop's message font.
void applyLanguageAndFont(MultiLanguage& language)
{
    QString code = UserSettings::instance()->language();
    if (code == QLatin1String("auto"))
        code = Util::uiLanguage();
    language.switchLanguage(code);
    QApplication::setFont(MessageFont::applicationFont());
}

// The largest 4:3 rectangle centred in the available screen area less a
// tenth of its height on every side.
QRect startWindowGeometry()
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const int margin = int(float(available.height() * 0.2 * 0.5));
    const QRectF fitted = Util::aspectFitRect(4, 3, available.adjusted(margin, margin, -margin, -margin));
    return QRect(int(fitted.x()), int(fitted.y()), int(fitted.width()), int(fitted.height()));
}

int showCrashReport(int argc, char** argv)
{
    QApplication reporter(argc, argv);
    MultiLanguage language;
    applyLanguageAndFont(language);
    return CrashHandler::showReport(QCoreApplication::arguments().mid(2));
}

// The program itself: one instance, the start window, the event loop.
int runProgram(int argc, char** argv)
{
    Application app(argc, argv);
    if (app.isRunning())
        return 0;
    if (!CrashHandler::install(CrashHandler::chooseDumpFolder(QCoreApplication::applicationDirPath()),
                               {QCoreApplication::applicationFilePath(), kCrashReportArgument}))
        qDebug() << "The crash handler could not be installed";
    MultiLanguage language;
    applyLanguageAndFont(language);
    Util::setAboutDialogFactory([](QWidget* parent) { return new AboutDialog(parent); });
    // The web engine ends the process when it would run as root with its
    // sandbox, and must not render network pages as root without it: the
    // help pages then open in the default browser.
    QNativeWebView::setEngineAllowed(geteuid() != 0);
    Util::setHelpBrowserFactory(NativeWebBrowserWidget::createHelpWindow);

    StartWindow window;
    window.setGeometry(startWindowGeometry());
    // Queued: a file named on the command line opens once the window shows.
    QObject::connect(&app, &Application::openExternalFile, &window, &StartWindow::openFileFromExternal,
                     Qt::QueuedConnection);
    app.setMainWindow(&window);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() >= 2)
        emit app.openExternalFile(arguments.at(1));
    window.show();
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    prepareProcess();
    if (argc > 1 && qstrcmp(argv[1], kCrashReportArgument) == 0)
        return showCrashReport(argc, argv);
    const int status = runProgram(argc, argv);
    // Qt's PulseAudio back end disconnects from the sound server in the
    // exit handlers while its own thread still serves that connection, and
    // now and then aborts there, which the crash handler would report as a
    // crash after a clean close. Windows, projects and settings are all
    // written by now; the loading tasks are waited for, and the process
    // leaves without the libraries' exit handlers.
    AssetLoadingThreadPool::instance()->waitForDone();
    std::fflush(nullptr);
    std::_Exit(status);
}

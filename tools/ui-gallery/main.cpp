// ui-gallery: shows the interface's widgets in a dark window for review.
//
//   ui-gallery [--page NAME] [--lang CODE] [--screenshot PNG]
//
// With --screenshot the window is drawn once, saved and the program exits.
#include "GalleryPages.h"
#include "MultiLanguage.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QHBoxLayout>
#include <QListWidget>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// Long enough for the window manager to map the window and the first paint.
constexpr int kScreenshotDelayMs = 500;

const char* const kDarkStyle =
    "QWidget#gallery { background-color: rgb(31,32,35); }"
    "QLabel { color: white; }"
    "QListWidget#pages { background-color: rgb(7,8,10); color: white; border: none; }";

int pageIndex(const QString& name)
{
    const auto& pages = galleryPages();
    for (size_t i = 0; i < pages.size(); ++i) {
        if (pages[i].name == name)
            return int(i);
    }
    return -1;
}

QWidget* createWindow(int firstPage)
{
    auto* window = new QWidget;
    window->setObjectName("gallery");
    window->setWindowTitle("Vidorna UI gallery");
    window->setStyleSheet(kDarkStyle);
    auto* layout = new QHBoxLayout(window);
    auto* names = new QListWidget;
    names->setObjectName("pages");
    names->setFixedWidth(140);
    auto* stack = new QStackedWidget;
    for (const GalleryPage& page : galleryPages()) {
        names->addItem(page.name);
        stack->addWidget(page.create());
    }
    layout->addWidget(names);
    layout->addWidget(stack, 1);
    QObject::connect(names, &QListWidget::currentRowChanged, stack, &QStackedWidget::setCurrentIndex);
    names->setCurrentRow(firstPage);
    return window;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Widgets on review remember things (finished help tips): in a store of
    // their own, so that every run starts afresh and the user's stays untouched.
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QCommandLineParser parser;
    parser.setApplicationDescription("Shows the interface's widgets for review.");
    parser.addHelpOption();
    const QCommandLineOption pageOption("page", "Page to show first.", "NAME", galleryPages().front().name);
    const QCommandLineOption langOption("lang", "Interface language code, e.g. de_DE.", "CODE");
    const QCommandLineOption screenshotOption("screenshot", "Save a picture of the window and exit.", "PNG");
    parser.addOptions({pageOption, langOption, screenshotOption});
    parser.process(app);

    const int page = pageIndex(parser.value(pageOption));
    if (page < 0) {
        std::fprintf(stderr, "ui-gallery: no page named %s\n", qPrintable(parser.value(pageOption)));
        return 2;
    }
    MultiLanguage language;
    if (parser.isSet(langOption))
        language.switchLanguage(parser.value(langOption));

    std::unique_ptr<QWidget> window(createWindow(page));
    window->resize(900, 760);
    window->show();
    if (!parser.isSet(screenshotOption))
        return app.exec();

    const QString path = parser.value(screenshotOption);
    int result = 1;
    QTimer::singleShot(kScreenshotDelayMs, &app, [&]() {
        if (window->grab().save(path, "PNG"))
            result = 0;
        else
            std::fprintf(stderr, "ui-gallery: cannot write %s\n", qPrintable(path));
        app.quit();
    });
    app.exec();
    return result;
}

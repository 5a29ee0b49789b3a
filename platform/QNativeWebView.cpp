#include "QNativeWebView.h"

#include <QDesktopServices>
#include <QVBoxLayout>

#ifdef VIDORNA_HAVE_WEBENGINE
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineView>
#endif

namespace {

// Pages of the maker's own site never show their title: the window keeps
// the title its owner gave it.
const char* const kMakerDomain = "peltrane.com";

// Added to every finished page as a style element of this id.
const char* const kScrollBarStyleId = "scrollbarStyle";
const char* const kScrollBarStyle =
    "::-webkit-scrollbar-thumb { border: 2px solid transparent; background-clip: padding-box;"
    " background-color: #6b6b6b; border-radius: 9999px;"
    " -webkit-transition: background .2s cubic-bezier(.34,.69,.1,1);"
    " transition: background .2s cubic-bezier(.34,.69,.1,1) }"
    " ::-webkit-scrollbar { border-radius: 9999px; width: 12px; height: 12px; background-color: #2A2929 }"
    " ::-webkit-scrollbar-button { display: none }"
    " ::-webkit-scrollbar-corner,::-webkit-scrollbar-track { background-color: transparent }"
    " ::-webkit-scrollbar-thumb:hover { background-color: #6b6b6b!important }"
    " ::-webkit-scrollbar:hover { width: 12px; height: 12px }";
const char* const kAddStyleScript = "(function() {"
                                    "    css = document.createElement('style');"
                                    "    css.type = 'text/css';"
                                    "    css.id = '%1';"
                                    "    document.head.appendChild(css);"
                                    "    css.innerText = '%2';"
                                    "})()\n";

bool& engineAllowed()
{
    static bool allowed = true;
    return allowed;
}

} // namespace

QNativeWebView::QNativeWebView(QWidget* parent) : QWidget(parent)
{
    if (isEngineAvailable())
        _createEngine();
}

QNativeWebView::~QNativeWebView()
{
    _destroyEngine();
}

bool QNativeWebView::isEngineAvailable()
{
#ifdef VIDORNA_HAVE_WEBENGINE
    return engineAllowed();
#else
    return false;
#endif
}

void QNativeWebView::setEngineAllowed(bool allowed)
{
    engineAllowed() = allowed;
}

void QNativeWebView::load(const QUrl& url)
{
    if (!url.isValid())
        return;
    _url = url;
    if (_engine) {
        _reportStart();
        _navigate(url);
    } else {
        QDesktopServices::openUrl(url);
    }
}

void QNativeWebView::setUrlString(const QString& text)
{
    load(QUrl(text, QUrl::TolerantMode));
}

void QNativeWebView::_reportStart()
{
    emit loadStarted();
    emit loadProgress(0);
}

void QNativeWebView::_setTitle(const QString& title)
{
    _title = title.contains(QLatin1String(kMakerDomain)) ? QString() : title;
}

#ifdef VIDORNA_HAVE_WEBENGINE

void QNativeWebView::_createEngine()
{
    _engine = new QWebEngineView(this);
    _engine->page()->setBackgroundColor(QColor(31, 32, 35));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(_engine);
    connect(_engine, &QWebEngineView::loadStarted, this, &QNativeWebView::loadStarted);
    connect(_engine, &QWebEngineView::loadProgress, this, &QNativeWebView::_onEngineProgress);
    connect(_engine, &QWebEngineView::titleChanged, this, &QNativeWebView::_onEngineTitleChanged);
    connect(_engine, &QWebEngineView::loadFinished, this, &QNativeWebView::_onEngineLoadFinished);
}

void QNativeWebView::_destroyEngine()
{
    if (!_engine)
        return;
    _engine->stop();
    // The engine is a child and would outlive this part of the object: its
    // last reports must not reach it.
    _engine->disconnect(this);
    delete _engine;
    _engine = nullptr;
}

void QNativeWebView::_navigate(const QUrl& url)
{
    _engine->load(url);
}

void QNativeWebView::back()
{
    if (!_engine)
        return;
    _reportStart();
    if (_engine->history()->canGoBack())
        _engine->back();
}

void QNativeWebView::forward()
{
    if (!_engine)
        return;
    _reportStart();
    if (_engine->history()->canGoForward())
        _engine->forward();
}

void QNativeWebView::reload()
{
    if (!_engine)
        return;
    _reportStart();
    _engine->reload();
}

void QNativeWebView::stop()
{
    if (!_engine)
        return;
    _engine->stop();
    emit loadProgress(100);
    emit loadFinished(true);
}

void QNativeWebView::_onEngineProgress(int progress)
{
    // 100 is reported with the finish, so that it always comes last but one.
    if (progress < 100)
        emit loadProgress(progress);
}

void QNativeWebView::_onEngineTitleChanged(const QString& title)
{
    _setTitle(title);
    emit titleChanged(_title);
}

void QNativeWebView::_onEngineLoadFinished(bool ok)
{
    _url = _engine->url();
    _setTitle(_engine->title());
    emit urlChanged(_url);
    emit titleChanged(_title);
    // Not waited for: the finish is reported at once.
    _engine->page()->runJavaScript(
        QString::fromLatin1(kAddStyleScript).arg(QLatin1String(kScrollBarStyleId), QLatin1String(kScrollBarStyle)));
    emit loadProgress(100);
    emit loadFinished(ok);
}

#else

// Without an engine there is nothing to navigate: load() goes to the
// default browser.
void QNativeWebView::_createEngine() {}
void QNativeWebView::_destroyEngine() {}
void QNativeWebView::_navigate(const QUrl&) {}
void QNativeWebView::back() {}
void QNativeWebView::forward() {}
void QNativeWebView::reload() {}
void QNativeWebView::stop() {}

#endif

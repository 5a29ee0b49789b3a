#pragma once

#include <QUrl>
#include <QWidget>

class QWebEngineView;

// The desktop's web view behind the signals of a small browser widget: a
// load reports its start with progress 0 and ends with progress 100 and
// its finish; titles and addresses are passed on as pages report them.
// Every finished page gets the program's dark scroll bars.
//
// When no web engine can be used (the program was built without one, or
// the start-up forbade it), the widget stays empty and every address given
// to load() opens in the default browser instead.
class QNativeWebView : public QWidget
{
    Q_OBJECT

public:
    explicit QNativeWebView(QWidget* parent = nullptr);
    ~QNativeWebView() override;

    // Whether new web views get an engine: built with one and not forbidden.
    static bool isEngineAvailable();
    // Web views made after this call get no engine when `allowed` is false.
    static void setEngineAllowed(bool allowed);

    QUrl url() const { return _url; }
    QString title() const { return _title; }
    // An invalid address is ignored.
    void load(const QUrl& url);
    void setUrlString(const QString& text);

signals:
    void loadFinished(bool ok);
    void loadProgress(int progress);
    void loadStarted();
    void titleChanged(QString title);
    void urlChanged(QUrl url);

public slots:
    // Each reports a load start with progress 0, also when there is no
    // earlier or later page to go to.
    void back();
    void forward();
    void reload();
    // Ends the load at once, as finished.
    void stop();

private:
    void _createEngine();
    void _destroyEngine();
    void _navigate(const QUrl& url);
    void _reportStart();
    void _setTitle(const QString& title);
    void _onEngineProgress(int progress);
    void _onEngineTitleChanged(const QString& title);
    void _onEngineLoadFinished(bool ok);

    QWebEngineView* _engine = nullptr;
    QUrl _url;
    QString _title;
};

#pragma once

#include <QWidget>

class QNativeWebView;
class QPushButton;

// The help pages: a top panel with a back button and a thin load-progress
// strip along its bottom edge, over the web view. It is the start window's
// Help page and the free-standing help window of the editor. The window it
// sits in shows the page's own title, or the stored one for the maker's
// help pages, whose titles say nothing the user needs.
class NativeWebBrowserWidget : public QWidget
{
    Q_OBJECT

public:
    explicit NativeWebBrowserWidget(QWidget* parent = nullptr);

    // The help window `Util::openUserHelp` shows: titled `title`, loading
    // `address` once shown. Without a web engine the address opens in the
    // default browser and there is no window.
    static QWidget* createHelpWindow(const QString& title, const QString& address);

    QString title() const;
    void setTitle(const QString& title);
    void loadUrl(const QString& address);

    QNativeWebView* webView() const { return _webView; }
    QWidget* topPanelWidget() const { return _topPanelWidget; }
    // Null until the first progress report.
    QWidget* progressStrip() const { return _progressStrip; }

signals:
    void titleChanged(QString title);

protected slots:
    void onEdgeWebViewLoadFinished(bool ok);
    void onEdgeWebViewLoadProgress(int progress);
    void onEdgeWebViewTitleChanged(const QString& title);
    void onBackButtonClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // How long the full strip stays after a load reports 100.
    static constexpr int kFullStripMs = 1000;
    static constexpr int kStripHeight = 2;

    void _buildForm();
    void _retranslateUi();
    void _updateProgressStrip();
    void _placeProgressStrip();
    void _hideProgressStrip();

    QWidget* _topPanelWidget = nullptr;
    QPushButton* _backButton = nullptr;
    QWidget* _webContainer = nullptr;
    QNativeWebView* _webView = nullptr;
    QWidget* _progressStrip = nullptr;
    int _progress = 0;
    QString _title;
};

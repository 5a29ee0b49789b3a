#include "NativeWebBrowserWidget.h"

#include "QNativeWebView.h"
#include "Util.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QSpacerItem>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The maker's help pages carry this title; the window keeps its own instead.
const char* const kHelpPagesTitle = "Vidorna User Help";

const char* const kStyleSheet =
    "QWidget#topPanelWidget { background-color: rgb(31,32,35); color: white; border: none; }"
    "QWidget#topPanelWidget > QPushButton { color: white; background-color: transparent; }"
    "QWidget#topPanelWidget > QPushButton:hover { background-color: rgb(44,46,50); border-radius: 5px; }"
    "QWidget#topPanelWidget > QPushButton:pressed { background-color: black; border-radius: 5px; }"
    "QToolTip { background-color: rgb(54,200,255); color: white; padding: 2px; border-radius: 3px; }";
const char* const kProgressStripStyleSheet = "QWidget{background-color:rgb(54,200,255);}";

} // namespace

NativeWebBrowserWidget::NativeWebBrowserWidget(QWidget* parent) : QWidget(parent)
{
    _buildForm();
    auto* layout = new QHBoxLayout(_webContainer);
    layout->setContentsMargins(0, 0, 0, 0);
    _webView = new QNativeWebView(_webContainer);
    layout->addWidget(_webView);
    // Queued: each reaction runs once the web view's own handling is over.
    // A load start changes nothing here: the strip follows the progress.
    connect(_webView, &QNativeWebView::loadFinished, this, &NativeWebBrowserWidget::onEdgeWebViewLoadFinished,
            Qt::QueuedConnection);
    connect(_webView, &QNativeWebView::loadProgress, this, &NativeWebBrowserWidget::onEdgeWebViewLoadProgress,
            Qt::QueuedConnection);
    connect(_webView, &QNativeWebView::titleChanged, this, &NativeWebBrowserWidget::onEdgeWebViewTitleChanged,
            Qt::QueuedConnection);
    connect(_backButton, &QPushButton::clicked, this, &NativeWebBrowserWidget::onBackButtonClicked);
}

void NativeWebBrowserWidget::_buildForm()
{
    setObjectName("NativeWebBrowserWidget");
    resize(634, 466);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    _topPanelWidget = new QWidget(this);
    _topPanelWidget->setObjectName("topPanelWidget");
    _topPanelWidget->setMinimumHeight(50);
    _topPanelWidget->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    QFont font = _topPanelWidget->font();
    font.setPointSizeF(font.pointSizeF() + 1);
    _topPanelWidget->setFont(font);
    auto* panelLayout = new QHBoxLayout(_topPanelWidget);
    panelLayout->setContentsMargins(panelLayout->contentsMargins().left(), 9, 9, 9);

    _backButton = new QPushButton(_topPanelWidget);
    _backButton->setObjectName("backButton");
    _backButton->setMinimumWidth(40);
    _backButton->setFlat(true);
    QIcon icon(":/images/navi_back");
    icon.addFile(":/images/navi_back_disabled", QSize(), QIcon::Disabled);
    _backButton->setIcon(icon);
    _backButton->setIconSize(QSize(20, 20));
    panelLayout->addWidget(_backButton);
    panelLayout->addItem(new QSpacerItem(559, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    layout->addWidget(_topPanelWidget);

    _webContainer = new QWidget(this);
    _webContainer->setObjectName("webContainer");
    layout->addWidget(_webContainer);
    setStyleSheet(kStyleSheet);
    _retranslateUi();
}

void NativeWebBrowserWidget::_retranslateUi()
{
    _backButton->setToolTip(tr("Back"));
}

QWidget* NativeWebBrowserWidget::createHelpWindow(const QString& title, const QString& address)
{
    if (!QNativeWebView::isEngineAvailable()) {
        Util::openHelpInBrowser(QApplication::activeWindow(), address);
        return nullptr;
    }
    auto* browser = new NativeWebBrowserWidget();
    browser->setTitle(title);
    // The caller makes it a window and shows it first.
    QTimer::singleShot(0, browser, [browser, address] { browser->loadUrl(address); });
    return browser;
}

QString NativeWebBrowserWidget::title() const
{
    const QString pageTitle = _webView->title();
    if (pageTitle.isEmpty() || pageTitle == QLatin1String(kHelpPagesTitle))
        return _title;
    return pageTitle;
}

void NativeWebBrowserWidget::setTitle(const QString& title)
{
    _title = title;
    window()->setWindowTitle(title);
}

void NativeWebBrowserWidget::loadUrl(const QString& address)
{
    _webView->setUrlString(address);
}

void NativeWebBrowserWidget::onEdgeWebViewLoadFinished(bool)
{
    _hideProgressStrip();
}

void NativeWebBrowserWidget::onEdgeWebViewLoadProgress(int progress)
{
    _progress = progress;
    _updateProgressStrip();
    if (progress == 100)
        QTimer::singleShot(kFullStripMs, this, &NativeWebBrowserWidget::_hideProgressStrip);
}

void NativeWebBrowserWidget::onEdgeWebViewTitleChanged(const QString&)
{
    const QString shown = title();
    window()->setWindowTitle(shown);
    emit titleChanged(shown);
}

void NativeWebBrowserWidget::onBackButtonClicked()
{
    _webView->back();
}

void NativeWebBrowserWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A strip hidden after its load stays hidden.
    if (_progressStrip && !_progressStrip->isHidden())
        _placeProgressStrip();
}

void NativeWebBrowserWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        _retranslateUi();
}

void NativeWebBrowserWidget::_updateProgressStrip()
{
    if (!_progressStrip) {
        _progressStrip = new QWidget(_topPanelWidget);
        _progressStrip->setObjectName("progressStrip");
        _progressStrip->setStyleSheet(kProgressStripStyleSheet);
    }
    _progressStrip->show();
    _placeProgressStrip();
}

void NativeWebBrowserWidget::_placeProgressStrip()
{
    _progressStrip->setGeometry(0, _topPanelWidget->height() - kStripHeight,
                                _topPanelWidget->width() * _progress / 100, kStripHeight);
}

void NativeWebBrowserWidget::_hideProgressStrip()
{
    if (_progressStrip)
        _progressStrip->hide();
}

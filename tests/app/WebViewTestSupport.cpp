#include "WebViewTestSupport.h"

#include <QDesktopServices>

BrowserOpenings::BrowserOpenings()
{
    for (const char* scheme : {"http", "https"})
        QDesktopServices::setUrlHandler(scheme, this, "open");
}

BrowserOpenings::~BrowserOpenings()
{
    for (const char* scheme : {"http", "https"})
        QDesktopServices::unsetUrlHandler(scheme);
}

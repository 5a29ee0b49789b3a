// The help browser over a page of its own. The web engine refuses to run
// as root with its sandbox, so there the area under the top panel stays
// empty, as in the program.
#include "GalleryPages.h"

#include "NativeWebBrowserWidget.h"
#include "QNativeWebView.h"

#include <unistd.h>

namespace {

const char* const kSamplePage =
    "data:text/html,<html><head><title>Vidorna User Help</title></head>"
    "<body style='color:white;font-family:sans-serif'><h1>Help Center</h1>"
    "<p>Tap a project to open it; drag a clip onto the timeline to add it.</p>"
    "<p style='height:2000px'>The scroll bar on the right is the program's own.</p></body></html>";

} // namespace

QWidget* createHelpBrowserPage()
{
    QNativeWebView::setEngineAllowed(geteuid() != 0);
    auto* browser = new NativeWebBrowserWidget;
    if (QNativeWebView::isEngineAvailable())
        browser->loadUrl(kSamplePage);
    return browser;
}

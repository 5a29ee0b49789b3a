#include "OpenedUrls.h"

#include <QDesktopServices>

namespace {

const char* const kSchemes[] = {"http", "https", "mailto", "file"};

} // namespace

OpenedUrls::OpenedUrls()
{
    for (const char* scheme : kSchemes)
        QDesktopServices::setUrlHandler(scheme, this, "open");
}

OpenedUrls::~OpenedUrls()
{
    for (const char* scheme : kSchemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

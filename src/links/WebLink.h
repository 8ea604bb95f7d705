#pragma once

// The maker's web pages and the one command that opens them.

#include <QString>

namespace vellora {

class Platform;

enum class WebLink {
    OnlineHelp,
    HomePage,
    Download,
    Donate,
    FullyBranded,
    CoBrand,
    SoftwareCatalogue
};

// "http://" and the host of the maker's main site, as set in the build.
QString MainSiteAddress();

QString WebLinkAddress(WebLink link);

// Opens the page in the default browser and returns at once; never reports a failure.
void OpenWebLink(Platform &platform, WebLink link);

} // namespace vellora

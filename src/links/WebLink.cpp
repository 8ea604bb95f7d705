#include "links/WebLink.h"

#include "platform/Platform.h"

namespace vellora {

QString MainSiteAddress() {
    return QStringLiteral("http://" VELLORA_MAIN_HOST);
}

QString WebLinkAddress(WebLink link) {
    switch (link) {
    case WebLink::OnlineHelp:
        return MainSiteAddress() + QStringLiteral("/Vellora/Vellora-help.html");
    case WebLink::HomePage:
        return MainSiteAddress();
    case WebLink::Download:
        return MainSiteAddress() + QStringLiteral("/Vellora/download-Vellora.html");
    case WebLink::Donate:
        return QStringLiteral("http://" VELLORA_HELP_HOST "/donate.html");
    case WebLink::FullyBranded:
        return QStringLiteral("http://" VELLORA_HELP_HOST "/fully-branded.html");
    case WebLink::CoBrand:
        return QStringLiteral("http://" VELLORA_HELP_HOST "/co-brand.html");
    case WebLink::SoftwareCatalogue:
        return MainSiteAddress() + QStringLiteral("/orvantixsoftwares");
    }
    return MainSiteAddress();
}

void OpenWebLink(Platform &platform, WebLink link) {
    platform.openAddress(WebLinkAddress(link)); // a page that does not open is not reported
}

} // namespace vellora

// Web pages.
#include "shell/links.h"

#include <QDesktopServices>

namespace starloom {

void DesktopLinkOpener::open(const QUrl &url) {
    QDesktopServices::openUrl(url);
}

void OpenOnlineHelpPage(LinkOpener &links) {
    links.open(QUrl(kOnlineHelpAddress));
}

void OpenHomePage(LinkOpener &links) {
    links.open(QUrl(kHomePageAddress));
}

void OpenDownloadPage(LinkOpener &links) {
    links.open(QUrl(kDownloadPageAddress));
}

void OpenWebSearch(LinkOpener &links, const QString &searchText) {
    QUrl url(kPlaceSearchAddress);
    // Every byte but the unreserved characters is percent-encoded: '&', '#', '+', '=' and
    // '/' in the text stay part of the one query value.
    url.setQuery(QStringLiteral("q=") + QString::fromLatin1(QUrl::toPercentEncoding(searchText)),
                 QUrl::StrictMode);
    links.open(url);
}

} // namespace starloom

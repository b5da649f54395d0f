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

} // namespace starloom

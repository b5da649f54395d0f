// Web pages.
#include "shell/links.h"

#include "shell/user_dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>

namespace starloom {

DesktopLinkOpener::DesktopLinkOpener(UserDialogs *dialogs,
                                     std::function<bool(const QUrl &)> browser)
    : m_dialogs(dialogs), m_browser(std::move(browser)) {
    if (!m_browser)
        m_browser = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
}

void DesktopLinkOpener::open(const QUrl &url) {
    if (m_browser(url) || m_dialogs == nullptr)
        return;
    QWidget *parent = QApplication::activeModalWidget();
    if (parent == nullptr)
        parent = QApplication::activeWindow();
    m_dialogs->showMessage(parent, kProgramTitle, NoBrowserMessage(url), MessageIcon::Information);
}

QString NoBrowserMessage(const QUrl &url) {
    return QCoreApplication::translate("Links",
                                       "No web browser could be started for this page. To visit "
                                       "it, copy its address into a browser:\n\n%1")
        .arg(url.toString());
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

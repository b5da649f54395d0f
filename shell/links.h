// The program's three web pages and the one way they are opened.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace starloom {

inline const QString kOnlineHelpAddress = QStringLiteral("https://starloom.example.org/help/");
inline const QString kHomePageAddress = QStringLiteral("https://starloom.example.org/");
inline const QString kDownloadPageAddress =
    QStringLiteral("https://starloom.example.org/download/");

// A web search engine; the search text goes into its query and nowhere else.
inline const QString kPlaceSearchAddress = QStringLiteral("https://duckduckgo.com/");

// Hands an address to the desktop's browser. Tests record the addresses instead.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    virtual void open(const QUrl &url) = 0;
};

class UserDialogs;

// Opens addresses in the desktop's browser. When no browser takes an address, the user is
// told so in a message that shows the address, to copy into a browser by hand.
class DesktopLinkOpener final : public LinkOpener {
public:
    // `browser` hands an address on and says whether that worked; by default the desktop's
    // (QDesktopServices).
    explicit DesktopLinkOpener(UserDialogs *dialogs,
                               std::function<bool(const QUrl &)> browser = {});
    void open(const QUrl &url) override;

private:
    UserDialogs *m_dialogs;
    std::function<bool(const QUrl &)> m_browser;
};

// The message for an address no browser took.
QString NoBrowserMessage(const QUrl &url);

void OpenOnlineHelpPage(LinkOpener &links);
void OpenHomePage(LinkOpener &links);
void OpenDownloadPage(LinkOpener &links);

// Opens a web search for the text. The text is percent-encoded into the query, so nothing
// typed can change the address itself.
void OpenWebSearch(LinkOpener &links, const QString &searchText);

} // namespace starloom

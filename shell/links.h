// The program's three web pages and the one way they are opened.
#pragma once

#include <QString>
#include <QUrl>

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

// Opens addresses through QDesktopServices; nothing is reported when no browser is set up.
class DesktopLinkOpener final : public LinkOpener {
public:
    void open(const QUrl &url) override;
};

void OpenOnlineHelpPage(LinkOpener &links);
void OpenHomePage(LinkOpener &links);
void OpenDownloadPage(LinkOpener &links);

// Opens a web search for the text. The text is percent-encoded into the query, so nothing
// typed can change the address itself.
void OpenWebSearch(LinkOpener &links, const QString &searchText);

} // namespace starloom

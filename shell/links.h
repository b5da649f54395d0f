// The program's three web pages and the one way they are opened.
#pragma once

#include <QString>
#include <QUrl>

namespace starloom {

inline const QString kOnlineHelpAddress = QStringLiteral("https://starloom.example.org/help/");
inline const QString kHomePageAddress = QStringLiteral("https://starloom.example.org/");
inline const QString kDownloadPageAddress =
    QStringLiteral("https://starloom.example.org/download/");

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

} // namespace starloom

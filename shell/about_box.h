// The About box.
#pragma once

#include "shell/services.h"

#include <QDialog>

namespace starloom {

inline const QString kAboutCaption = QStringLiteral("QM Starloom v1.15");
inline const char kAboutDescription[] = QT_TRANSLATE_NOOP(
    "starloom::frmAbout",
    "QM Starloom displays the pattern in which the planets are arranged in a person's natal "
    "chart. This pattern of grouping of planets represents certain positive and negative "
    "attributes that are reflected in the personality of an individual.");

// The program's name and version, what it does, and a link to the home page. Modal; "OK"
// closes it. Children: imgIcon, lblTitle, lblDescription, linSeparator, lblHomePage, cmdOK.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(LinkOpener &links, QWidget *parent = nullptr);

private:
    LinkOpener &m_links;
};

// Shows the About box modally over `parent` and returns when it is closed.
void ShowAboutBox(QWidget *parent, const ShellServices &services);

} // namespace starloom

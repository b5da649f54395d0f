// The About box.
#include "shell/about_box.h"

#include "shell/link_label.h"
#include "shell/program_font.h"
#include "shell/program_icon.h"
#include "shell/readable_colour.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace starloom {

namespace {

constexpr int kIconSize = 48;           // pixels
constexpr int kTextWidth = 380;         // pixels; the description wraps at this width
constexpr qreal kLabelPointSize = 9.0;  // points
constexpr qreal kTitlePointSize = 12.0; // points

const char kLicenceText[] = QT_TRANSLATE_NOOP(
    "starloom::frmAbout", "Licensed under the GNU General Public License, version 3 or later.");

} // namespace

frmAbout::frmAbout(LinkOpener &links, QWidget *parent) : QDialog(parent), m_links(links) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(kAboutCaption);
    setWindowIcon(ProgramIcon());
    setModal(true);
    setFont(ProgramFont(kLabelPointSize));

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("imgIcon"));
    icon->setPixmap(ProgramIcon().pixmap(kIconSize, kIconSize));
    icon->setAlignment(Qt::AlignTop);

    auto *title = new QLabel(kAboutCaption, this);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setTextFormat(Qt::PlainText);
    QFont titleFont = ProgramFont(kTitlePointSize);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto *description = new QLabel(tr(kAboutDescription), this);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setTextFormat(Qt::PlainText);
    description->setWordWrap(true);
    description->setFixedWidth(kTextWidth);

    auto *licence = new QLabel(tr(kLicenceText), this);
    licence->setObjectName(QStringLiteral("lblLicence"));
    licence->setTextFormat(Qt::PlainText);
    licence->setWordWrap(true);
    licence->setFixedWidth(kTextWidth);

    auto *separator = new QFrame(this);
    separator->setObjectName(QStringLiteral("linSeparator"));
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    auto *homePage = new LinkLabel(tr("Click here to visit %1").arg(kHomePageAddress), this);
    homePage->setObjectName(QStringLiteral("lblHomePage"));
    QFont linkFont = ProgramFont(kLabelPointSize);
    linkFont.setUnderline(true);
    homePage->setFont(linkFont);
    QPalette linkColours = homePage->palette();
    // Blue, as links are, lightened on a dark palette until it reads there.
    linkColours.setColor(
        QPalette::WindowText,
        ReadableOn(QColor(0x00, 0x00, 0xFF), {linkColours.color(QPalette::Window)}, kTextContrast));
    homePage->setPalette(linkColours);
    connect(homePage, &LinkLabel::clicked, this, [this] { OpenHomePage(m_links); });

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(description);
    text->addWidget(licence);
    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(text);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(homePage);
    bottom->addStretch();
    bottom->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(separator);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The box opens on OK, so that Return closes it; Tab still reaches the link.
    setTabOrder(ok, homePage);
    ok->setFocus();
}

void ShowAboutBox(QWidget *parent, const ShellServices &services) {
    frmAbout box(*services.links, parent);
    box.exec();
}

} // namespace starloom

// The About box.
#include "shell/about_box.h"

#include "shell/program_icon.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace starloom {

namespace {

constexpr int kIconSize = 48;           // pixels
constexpr int kTextWidth = 380;         // pixels; the description wraps at this width
constexpr qreal kLabelPointSize = 9.0;  // points
constexpr qreal kTitlePointSize = 12.0; // points

const QString kLicenceText =
    QStringLiteral("Licensed under the GNU General Public License, version 3 or later.");

// The labels' font, with a close relative where the system has no Verdana.
QFont LabelFont(qreal pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace

frmAbout::frmAbout(LinkOpener &links, QWidget *parent) : QDialog(parent), m_links(links) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(kAboutCaption);
    setWindowIcon(ProgramIcon());
    setModal(true);
    setFont(LabelFont(kLabelPointSize));

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("imgIcon"));
    icon->setPixmap(ProgramIcon().pixmap(kIconSize, kIconSize));
    icon->setAlignment(Qt::AlignTop);

    auto *title = new QLabel(kAboutCaption, this);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setTextFormat(Qt::PlainText);
    QFont titleFont = LabelFont(kTitlePointSize);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto *description = new QLabel(kAboutDescription, this);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setTextFormat(Qt::PlainText);
    description->setWordWrap(true);
    description->setFixedWidth(kTextWidth);

    auto *licence = new QLabel(kLicenceText, this);
    licence->setObjectName(QStringLiteral("lblLicence"));
    licence->setTextFormat(Qt::PlainText);
    licence->setWordWrap(true);
    licence->setFixedWidth(kTextWidth);

    auto *separator = new QFrame(this);
    separator->setObjectName(QStringLiteral("linSeparator"));
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    m_homePage = new QLabel(QStringLiteral("Click here to visit ") + kHomePageAddress, this);
    m_homePage->setObjectName(QStringLiteral("lblHomePage"));
    m_homePage->setTextFormat(Qt::PlainText);
    m_homePage->setCursor(Qt::PointingHandCursor);
    QFont linkFont = LabelFont(kLabelPointSize);
    linkFont.setUnderline(true);
    m_homePage->setFont(linkFont);
    QPalette linkColours = m_homePage->palette();
    linkColours.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    m_homePage->setPalette(linkColours);
    m_homePage->installEventFilter(this);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
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
    bottom->addWidget(m_homePage);
    bottom->addStretch();
    bottom->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(separator);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_homePage && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        // A press dragged off the link before it is released is no click.
        if (mouse->button() == Qt::LeftButton &&
            m_homePage->rect().contains(mouse->position().toPoint()))
            OpenHomePage(m_links);
    }
    return QDialog::eventFilter(watched, event);
}

void ShowAboutBox(QWidget *parent, const ShellServices &services) {
    frmAbout box(*services.links, parent);
    box.exec();
}

} // namespace starloom

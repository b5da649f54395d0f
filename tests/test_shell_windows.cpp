// The About box, the program's icon and ending the program with windows open.
#include "shell/about_box.h"
#include "shell/program_icon.h"
#include "shell/shutdown.h"
#include "support/scripted_services.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>

Q_DECLARE_METATYPE(starloom::MessageIcon)

using namespace starloom;
using namespace starloom::testing;

namespace {

constexpr int kIconPixels = 64;

// A window whose close handling can refuse, count, or end the program itself.
class CountingWindow : public QWidget {
public:
    int closeRequests = 0;
    bool refuse = false;
    bool endsProgram = false;

protected:
    void closeEvent(QCloseEvent *event) override {
        ++closeRequests;
        if (endsProgram)
            CloseAllAndEnd();
        if (refuse)
            event->ignore();
        else
            event->accept();
    }
};

QList<QWidget *> VisibleWindows() {
    QList<QWidget *> visible;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            visible.append(window);
    }
    return visible;
}

// Runs CloseAllAndEnd from inside an event loop, as the program does, and returns the loop's
// exit code: 0 when CloseAllAndEnd ended the loop, -1 when it left the loop running.
int RunCloseAllAndEnd() {
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&loop] {
        CloseAllAndEnd();
        if (loop.isRunning())
            loop.exit(-1);
    });
    const int code = loop.exec();
    // Ending the program leaves the thread's quit flag set, which would make every later event
    // loop return at once; the application's own exec() clears it on its way out.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    return code;
}

} // namespace

class TestShellWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void aboutBoxTexts();
    void aboutBoxIsModal();
    void aboutBoxLinkOpensHomePage();
    void aboutBoxOkCloses();
    void aboutBoxOpensOnOk();
    void programIconIsDrawn();
    void closeAllAndEndClosesEveryWindowAndEnds();
    void closeAllAndEndFromAWindowsOwnCloseHandler();
    void messageIcons_data();
    void messageIcons();
    void linkWithoutBrowser_data();
    void linkWithoutBrowser();
    void messageTextCanBeCopied();

private:
    QTemporaryDir home_;
    ScriptedShell shell_;
};

void TestShellWindows::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(home_.isValid());
    qputenv("HOME", QFile::encodeName(home_.path()));
}

void TestShellWindows::cleanup() {
    QVERIFY2(VisibleWindows().isEmpty(), "a window was left open");
    shell_.links.opened.clear();
}

void TestShellWindows::aboutBoxTexts() {
    frmAbout box(shell_.links);
    QCOMPARE(box.windowTitle(), QStringLiteral("QM Starloom v1.15"));
    FIND_CHILD(QLabel, title, &box, "lblTitle");
    QCOMPARE(title->text(), QStringLiteral("QM Starloom v1.15"));
    FIND_CHILD(QLabel, description, &box, "lblDescription");
    QCOMPARE(description->text(),
             QStringLiteral("QM Starloom displays the pattern in which the planets are arranged "
                            "in a person's natal chart. This pattern of grouping of planets "
                            "represents certain positive and negative attributes that are "
                            "reflected in the personality of an individual."));
    FIND_CHILD(QLabel, link, &box, "lblHomePage");
    QCOMPARE(link->text(), QStringLiteral("Click here to visit https://starloom.example.org/"));
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    FIND_CHILD(QFrame, line, &box, "linSeparator");
    QCOMPARE(line->frameShape(), QFrame::HLine);
    FIND_CHILD(QPushButton, ok, &box, "cmdOK");
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    FIND_CHILD(QLabel, icon, &box, "imgIcon");
    QVERIFY(!icon->pixmap().isNull());
    QCOMPARE(description->font().families().value(0), QStringLiteral("Verdana"));
    QCOMPARE(link->font().families().value(0), QStringLiteral("Verdana"));
}

void TestShellWindows::aboutBoxIsModal() {
    QWidget chart;
    frmAbout box(shell_.links, &chart);
    QVERIFY(box.isModal());
    QCOMPARE(box.windowModality(), Qt::ApplicationModal);
}

void TestShellWindows::aboutBoxLinkOpensHomePage() {
    frmAbout box(shell_.links);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    FIND_CHILD(QLabel, link, &box, "lblHomePage");
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(shell_.links.opened,
             QList<QUrl>{QUrl(QStringLiteral("https://starloom.example.org/"))});
    QVERIFY(box.isVisible());
    box.close();
}

void TestShellWindows::aboutBoxOkCloses() {
    frmAbout box(shell_.links);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    FIND_CHILD(QPushButton, ok, &box, "cmdOK");
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!box.isVisible());
    QCOMPARE(box.result(), int(QDialog::Accepted));
    QVERIFY(shell_.links.opened.isEmpty());
}

// The box opens with the focus on OK, so that Return closes it rather than follow the link.
void TestShellWindows::aboutBoxOpensOnOk() {
    frmAbout box(shell_.links);
    box.show();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    FIND_CHILD(QPushButton, ok, &box, "cmdOK");
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!box.isVisible());
    QCOMPARE(box.result(), int(QDialog::Accepted));
    QVERIFY(shell_.links.opened.isEmpty());
}

void TestShellWindows::programIconIsDrawn() {
    const QIcon icon = ProgramIcon();
    QVERIFY(!icon.isNull());
    const QImage image = icon.pixmap(kIconPixels, kIconPixels).toImage();
    QCOMPARE(image.size(), QSize(kIconPixels, kIconPixels));
    // Round wheel: the corners stay transparent, the star at the centre is opaque.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(kIconPixels - 1, kIconPixels - 1)), 0);
    QCOMPARE(qAlpha(image.pixel(kIconPixels / 2, kIconPixels / 2)), 255);
}

void TestShellWindows::closeAllAndEndClosesEveryWindowAndEnds() {
    CountingWindow form;
    CountingWindow refusing;
    refusing.refuse = true;
    auto *deletedOnClose = new CountingWindow;
    deletedOnClose->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<QWidget> watch(deletedOnClose);
    CountingWindow hidden; // loaded but not shown, like the form behind the chart window
    form.show();
    refusing.show();
    deletedOnClose->show();

    QCOMPARE(RunCloseAllAndEnd(), 0);

    QCOMPARE(form.closeRequests, 1);
    QVERIFY(!form.isVisible());
    QCOMPARE(refusing.closeRequests, 1);
    QCOMPARE(hidden.closeRequests, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(watch.isNull());
    refusing.refuse = false;
    refusing.close();
}

void TestShellWindows::closeAllAndEndFromAWindowsOwnCloseHandler() {
    CountingWindow form;
    form.endsProgram = true;
    CountingWindow chart;
    form.show();
    chart.show();

    QCOMPARE(RunCloseAllAndEnd(), 0);

    QCOMPARE(form.closeRequests, 1);
    QCOMPARE(chart.closeRequests, 1);
    QVERIFY(VisibleWindows().isEmpty());
}

void TestShellWindows::messageIcons_data() {
    QTest::addColumn<MessageIcon>("kind");
    QTest::addColumn<QMessageBox::Icon>("shown");
    // Refused input and failures show the stop sign; notices the information sign.
    QTest::newRow("refused input") << MessageIcon::Error << QMessageBox::Critical;
    QTest::newRow("failure") << MessageIcon::Critical << QMessageBox::Critical;
    QTest::newRow("notice") << MessageIcon::Information << QMessageBox::Information;
    QTest::newRow("question") << MessageIcon::Question << QMessageBox::Question;
}

void TestShellWindows::messageIcons() {
    QFETCH(MessageIcon, kind);
    QFETCH(QMessageBox::Icon, shown);
    QCOMPARE(ToQtIcon(kind), shown);
}

using PageOpener = std::function<void(LinkOpener &)>;
Q_DECLARE_METATYPE(PageOpener)

void TestShellWindows::linkWithoutBrowser_data() {
    QTest::addColumn<PageOpener>("openPage");
    QTest::addColumn<QString>("address");
    QTest::newRow("Online Help") << PageOpener(OpenOnlineHelpPage) << kOnlineHelpAddress;
    QTest::newRow("Visit Us Online, links") << PageOpener(OpenHomePage) << kHomePageAddress;
    QTest::newRow("Check for Software Update")
        << PageOpener(OpenDownloadPage) << kDownloadPageAddress;
    QTest::newRow("Latitude & Longitude search")
        << PageOpener([](LinkOpener &links) { OpenWebSearch(links, QStringLiteral("Pune")); })
        << kPlaceSearchAddress + QStringLiteral("?q=Pune");
}

// Without a browser every link says so, with the address to copy; with one, nothing is said.
void TestShellWindows::linkWithoutBrowser() {
    QFETCH(PageOpener, openPage);
    QFETCH(QString, address);
    QList<QUrl> handed;
    bool browserThere = false;
    DesktopLinkOpener links(&shell_.dialogs, [&](const QUrl &url) {
        handed << url;
        return browserThere;
    });
    openPage(links);
    QCOMPARE(handed, QList<QUrl>{QUrl(address)});
    QCOMPARE(shell_.dialogs.messages.size(), 1);
    const RecordedMessage said = shell_.dialogs.messages.takeFirst();
    QCOMPARE(said.title, QStringLiteral("QM Starloom"));
    QVERIFY2(said.text.endsWith(QStringLiteral("\n\n") + address), qPrintable(said.text));
    browserThere = true;
    openPage(links);
    QVERIFY(shell_.dialogs.messages.isEmpty());
}

// The real message box lets the user select its text, to copy an address or a path, also
// under a style whose boxes would not (the plain Windows style's).
void TestShellWindows::messageTextCanBeCopied() {
    const QString usualStyle = QApplication::style()->name();
    QApplication::setStyle(QStringLiteral("Windows"));
    QCOMPARE(QApplication::style()->name().toLower(), QStringLiteral("windows"));
    Qt::TextInteractionFlags flags;
    QTimer::singleShot(0, [&flags] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        if (auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
            flags = label->textInteractionFlags();
        box->accept();
    });
    QtUserDialogs dialogs;
    dialogs.showMessage(nullptr, kProgramTitle, NoBrowserMessage(QUrl(kHomePageAddress)),
                        MessageIcon::Information, MessageButtons::Ok);
    QApplication::setStyle(usualStyle);
    QVERIFY(flags.testFlag(Qt::TextSelectableByMouse));
}

QTEST_MAIN(TestShellWindows)
#include "test_shell_windows.moc"

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
    void programIconIsDrawn();
    void closeAllAndEndClosesEveryWindowAndEnds();
    void closeAllAndEndFromAWindowsOwnCloseHandler();
    void messageIcons_data();
    void messageIcons();

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

QTEST_MAIN(TestShellWindows)
#include "test_shell_windows.moc"

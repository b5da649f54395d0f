// Saving the report window as a JPEG file and printing it, driven through the chart
// window's commands: the files written, what the report window records, failed writes,
// the printout, and the capture taken on activation.
#include "support/scripted_services.h"
#include "windows/chart_window.h"
#include "windows/image_saving.h"
#include "windows/printing.h"
#include "windows/report_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <optional>
#include <sys/resource.h>

using namespace starloom;
using starloom::testing::ScriptedShell;

namespace {

const QString kSep = QDir::separator();

// The scripted dialogs, except that the printer dialog also sets the printer up as a
// user would: here, to write a PDF file. It does so whether the answer is OK or Cancel,
// so that a printout after Cancel would show as a file.
class PdfPrinterDialogs final : public UserDialogs {
public:
    PdfPrinterDialogs(testing::ScriptedDialogs &script, QString pdfPath)
        : m_script(script), m_pdfPath(std::move(pdfPath)) {}

    MessageAnswer showMessage(QWidget *parent, const QString &title, const QString &text,
                              MessageIcon icon, MessageButtons buttons) override {
        return m_script.showMessage(parent, title, text, icon, buttons);
    }
    QString chooseFile(QWidget *parent, const FileDialogRequest &request) override {
        return m_script.chooseFile(parent, request);
    }
    bool choosePrinter(QWidget *parent, QPrinter &printer) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_pdfPath);
        return m_script.choosePrinter(parent, printer);
    }
    bool printerInstalled() override { return m_script.printerInstalled(); }

private:
    testing::ScriptedDialogs &m_script;
    QString m_pdfPath;
};

// Mean absolute difference per colour channel, 0 to 255; -1 when the sizes differ.
double MeanDifference(const QImage &a, const QImage &b) {
    if (a.size() != b.size())
        return -1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            sum += std::abs(qRed(p[col]) - qRed(q[col])) +
                   std::abs(qGreen(p[col]) - qGreen(q[col])) +
                   std::abs(qBlue(p[col]) - qBlue(q[col]));
        }
    }
    return sum / (3.0 * x.width() * x.height());
}

// JPEG at the highest quality still moves colours a little at sharp edges.
constexpr double kJpegTolerance = 4.0; // mean difference per channel, of 255

// Page objects in a PDF file: "/Type /Page" entries, not the "/Type /Pages" tree.
int CountPdfPages(const QByteArray &pdf) {
    int pages = 0;
    const QByteArray key("/Type /Page");
    for (qsizetype at = pdf.indexOf(key); at >= 0; at = pdf.indexOf(key, at + 1)) {
        if (pdf.mid(at + key.size(), 1) != "s")
            ++pages;
    }
    return pages;
}

// The system's own words for an error number, as the user is to see them.
QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QStringList FilesIn(const QString &folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// Limits the size of files this process writes, and restores the limit on leaving.
// SIGXFSZ is ignored meanwhile, so a write over the limit fails instead of ending the
// process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_ok = getrlimit(RLIMIT_FSIZE, &m_saved) == 0;
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_ok = m_ok && setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    bool ok() const { return m_ok; }

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = SIG_DFL;
    bool m_ok = false;
};

} // namespace

class TestWindowsImages : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void saveDialogRequest();
    void savesNumberedCopies();
    void chosenNameIsCut_data();
    void chosenNameIsCut();
    void statusBarSaysWhereItWent_data();
    void statusBarSaysWhereItWent();
    void savedImageIsTheReportWindow();
    void cancelledDialogWritesNothing();
    void tooManyCopiesWritesNothing();
    void missingFolderIsReported();
    void failedWriteLeavesNoPartFile();
    void captureIgnoresWhatIsOnScreen_data();
    void captureIgnoresWhatIsOnScreen();
    void activationRefreshesCapture();
    void printsOnePage();
    void cancelledPrintPrintsNothing();
    void unusablePrinterIsReported();
    void noPrinterOffersPdf_data();
    void noPrinterOffersPdf();
    void exportPdf_data();
    void exportPdf();
    void fitCentred_data();
    void fitCentred();

private:
    ChartWindow *makeWindow();
    QString path(const QString &name) const { return m_folder + kSep + name; }
    // Clicks the Save As JPEG button once for each name, in order.
    void saveAs(const QStringList &names);

    std::unique_ptr<ScriptedShell> m_shell;
    std::unique_ptr<PdfPrinterDialogs> m_dialogs;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    QString m_pdf;
    QPointer<ChartWindow> m_window;
    QPointer<QWidget> m_cover;
};

void TestWindowsImages::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = QDir::toNativeSeparators(m_dir->path());
    m_pdf = m_dir->filePath(QStringLiteral("printout.pdf"));
    m_shell = std::make_unique<ScriptedShell>();
    m_dialogs = std::make_unique<PdfPrinterDialogs>(m_shell->dialogs, m_pdf);
}

void TestWindowsImages::cleanup() {
    delete m_cover;
    delete m_window; // without a close event, so no command runs
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
    m_dir.reset();
}

ChartWindow *TestWindowsImages::makeWindow() {
    BirthData birth;
    birth.BirthName = "Anna";
    birth.BirthMonth = 5;
    birth.BirthDay = 1;
    birth.BirthYear = 2007;
    ShellServices services = m_shell->services();
    services.dialogs = m_dialogs.get();
    m_window = new ChartWindow(new ReportWindow(birth), services, ChartCommands{});
    return m_window;
}

void TestWindowsImages::saveAs(const QStringList &names) {
    FIND_CHILD(QPushButton, button, m_window.data(), "cmdSaveAsJPEG");
    for (const QString &name : names) {
        m_shell->dialogs.fileAnswers = QStringList{name};
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

void TestWindowsImages::saveDialogRequest() {
    makeWindow();
    saveAs({QString()});
    QCOMPARE(m_shell->dialogs.fileRequests.size(), 1);
    const FileDialogRequest request = m_shell->dialogs.fileRequests.constFirst();
    QCOMPARE(request.mode, FileDialogRequest::Mode::Save);
    QCOMPARE(request.title, QString());
    QCOMPARE(request.filter, QStringLiteral("JPEG Image (*.jpg)|*.jpg"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("JPG"));
    QVERIFY(!request.confirmOverwrite);
}

// The same name three times: anna.jpg, then numbered copies; nothing is replaced, and
// no bitmap or half-written file is left beside them.
void TestWindowsImages::savesNumberedCopies() {
    ChartWindow *window = makeWindow();
    saveAs({path("anna.JPG"), path("anna.JPG"), path("anna.JPG")});
    QCOMPARE(FilesIn(m_folder), (QStringList{"anna.jpg", "anna_001.jpg", "anna_002.jpg"}));
    QVERIFY(m_shell->dialogs.messages.isEmpty());
    QCOMPARE(window->report()->lastImage().file, QStringLiteral("anna.jpg"));
    QCOMPARE(window->report()->lastImage().folder, m_folder);
    // Saved without recording its name, the image moves the folder box and leaves the
    // name box as it was.
    QVERIFY(QDir(m_folder).mkdir(QStringLiteral("sub")));
    const QString sub = path(QStringLiteral("sub"));
    QCOMPARE(SaveImageAsJpeg(*window->report(), sub + kSep + QStringLiteral("bert.jpg"), false,
                             ImageSaving{m_dialogs.get(), window}),
             sub + kSep + QStringLiteral("bert.jpg"));
    FIND_CHILD(QLineEdit, folderBox, window->report(), "txtFolder");
    FIND_CHILD(QLineEdit, fileBox, window->report(), "txtFile");
    QCOMPARE(folderBox->text(), sub);
    QCOMPARE(fileBox->text(), QStringLiteral("anna.jpg"));
}

void TestWindowsImages::chosenNameIsCut_data() {
    QTest::addColumn<QString>("chosen"); // relative to the temporary folder
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("fileBox");
    QTest::newRow("cut at the first dot") << "my.chart.jpg"
                                          << "my.jpg"
                                          << "my.jpg";
    QTest::newRow("dotted folder stays whole") << "charts.2007/anna.JPG"
                                               << "charts.2007/anna.jpg"
                                               << "anna.jpg";
    QTest::newRow("no dot gets .jpg") << "anna"
                                      << "anna.jpg"
                                      << "anna";
}

void TestWindowsImages::chosenNameIsCut() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(QString, fileBox);
    QVERIFY(QDir(m_folder).mkdir(QStringLiteral("charts.2007")));
    ChartWindow *window = makeWindow();
    saveAs({m_dir->filePath(chosen)});
    QVERIFY2(QFile::exists(m_dir->filePath(written)), qPrintable(written));
    QCOMPARE(window->report()->lastImage().file, fileBox);
    const QString folder = QFileInfo(m_dir->filePath(written)).absolutePath();
    QCOMPARE(window->report()->lastImage().folder, QDir::toNativeSeparators(folder));
    QVERIFY(m_shell->dialogs.messages.isEmpty());
}

void TestWindowsImages::statusBarSaysWhereItWent_data() {
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("chosen"); // in the temporary folder; empty cancels
    QTest::addColumn<QString>("notice"); // after the folder and a separator; empty for none
    QTest::newRow("as chosen") << QStringList{} << "anna.jpg"
                               << "Saved %1anna.jpg";
    QTest::newRow("the dialog's JPG suffix is no change") << QStringList{} << "anna.JPG"
                                                          << "Saved %1anna.jpg";
    QTest::newRow("numbered") << QStringList{"anna.jpg"} << "anna.JPG"
                              << "Saved %1anna_001.jpg (anna.jpg already exists)";
    QTest::newRow("cut at the first dot") << QStringList{} << "my.chart.jpg"
                                          << "Saved %1my.jpg instead of my.chart.jpg";
    QTest::newRow("cut and numbered")
        << QStringList{"my.jpg", "my_001.jpg"} << "my.chart.jpg"
        << "Saved %1my_002.jpg instead of my.chart.jpg (my.jpg already exists)";
    QTest::newRow("another extension") << QStringList{} << "anna.png"
                                       << "Saved %1anna.jpg instead of anna.png";
    QTest::newRow("cancelled") << QStringList{} << ""
                               << "";
    QTest::newRow("not written") << QStringList{} << "missing/anna.jpg"
                                 << "";
}

// After each image the status bar names the file written, and says why its name is not
// the one chosen.
void TestWindowsImages::statusBarSaysWhereItWent() {
    QFETCH(QStringList, present);
    QFETCH(QString, chosen);
    QFETCH(QString, notice);
    for (const QString &name : present) {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    ChartWindow *window = makeWindow();
    window->show();
    saveAs({chosen.isEmpty() ? QString() : m_dir->filePath(chosen)});
    const QString expected = notice.isEmpty() ? QString() : notice.arg(m_folder + kSep);
    QCOMPARE(window->statusBar()->currentMessage(), expected);
}

void TestWindowsImages::savedImageIsTheReportWindow() {
    ChartWindow *window = makeWindow();
    window->show();
    saveAs({path("anna.jpg")});
    QImageReader reader(path("anna.jpg"));
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage saved = reader.read();
    QVERIFY2(!saved.isNull(), qPrintable(reader.errorString()));
    ReportWindow *report = window->report();
    QCOMPARE(report->devicePixelRatioF(), 1.0);
    QCOMPARE(saved.size(), QSize(701, 534));
    const double difference = MeanDifference(saved, report->grab().toImage());
    QVERIFY2(difference >= 0 && difference < kJpegTolerance,
             qPrintable(QString::number(difference)));
}

void TestWindowsImages::cancelledDialogWritesNothing() {
    ChartWindow *window = makeWindow();
    saveAs({QString()});
    QCOMPARE(m_shell->dialogs.fileRequests.size(), 1);
    QCOMPARE(FilesIn(m_folder), QStringList());
    QVERIFY(m_shell->dialogs.messages.isEmpty());
    QCOMPARE(window->report()->lastImage().file, QString());
    QCOMPARE(window->report()->lastImage().folder, QString());
}

void TestWindowsImages::tooManyCopiesWritesNothing() {
    QStringList present{QStringLiteral("anna.jpg")};
    for (int n = 1; n <= 999; ++n)
        present.append(QStringLiteral("anna_%1.jpg").arg(n, 3, 10, QChar('0')));
    for (const QString &name : present) {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    makeWindow();
    saveAs({path("anna.jpg")});
    QCOMPARE(m_shell->dialogs.messages.size(), 1);
    const auto message = m_shell->dialogs.messages.constFirst();
    QCOMPARE(message.title, QStringLiteral(" UNABLE  TO  CREATE  NEW  FILEanna.jpg"));
    QCOMPARE(message.text, QStringLiteral("There are too many Copies of this file  anna.jpg"));
    QCOMPARE(message.icon, MessageIcon::Critical);
    present.sort();
    QCOMPARE(FilesIn(m_folder), present);
    for (const QString &name : present)
        QCOMPARE(QFileInfo(path(name)).size(), 0);
}

void TestWindowsImages::missingFolderIsReported() {
    makeWindow();
    const QString missing = path("not-there");
    saveAs({missing + kSep + "anna.jpg"});
    QCOMPARE(m_shell->dialogs.messages.size(), 1);
    const auto message = m_shell->dialogs.messages.constFirst();
    QCOMPARE(message.title, QStringLiteral("QM Starloom"));
    QCOMPARE(message.icon, MessageIcon::Error);
    QVERIFY2(message.text.contains(missing + kSep + "anna.jpg"), qPrintable(message.text));
    QVERIFY2(message.text.contains(SystemReason(ENOENT)), qPrintable(message.text));
    QVERIFY(!QFileInfo::exists(missing));
    QCOMPARE(FilesIn(m_folder), QStringList());
}

// A write that runs out of room part-way is an error: no half-written copy appears,
// and the file saved before it is untouched.
void TestWindowsImages::failedWriteLeavesNoPartFile() {
    makeWindow();
    saveAs({path("anna.jpg")});
    QFile first(path("anna.jpg"));
    QVERIFY(first.open(QIODevice::ReadOnly));
    const QByteArray before = first.readAll();
    first.close();
    QVERIFY(before.size() > 1024);
    {
        FileSizeLimit limit(1024);
        QVERIFY(limit.ok());
        saveAs({path("anna.jpg")});
    }
    QCOMPARE(m_shell->dialogs.messages.size(), 1);
    const auto message = m_shell->dialogs.messages.constFirst();
    QCOMPARE(message.icon, MessageIcon::Error);
    QVERIFY2(message.text.contains(path("anna_001.jpg")), qPrintable(message.text));
    QVERIFY2(message.text.contains(SystemReason(EFBIG)), qPrintable(message.text));
    QCOMPARE(FilesIn(m_folder), QStringList{"anna.jpg"});
    QVERIFY(first.open(QIODevice::ReadOnly));
    QCOMPARE(first.readAll(), before);
}

void TestWindowsImages::captureIgnoresWhatIsOnScreen_data() {
    QTest::addColumn<bool>("covered");
    QTest::addColumn<QSize>("windowSize"); // the chart window's own size, or empty
    QTest::newRow("covered by another window") << true << QSize();
    QTest::newRow("partly outside a small chart window") << false << QSize(400, 300);
}

// The saved image is the report window's own picture, whatever lies over it on the
// screen and however little of it the chart window shows.
void TestWindowsImages::captureIgnoresWhatIsOnScreen() {
    QFETCH(bool, covered);
    QFETCH(QSize, windowSize);
    ChartWindow *window = makeWindow();
    window->setWindowState(Qt::WindowNoState);
    window->show();
    if (!windowSize.isEmpty())
        window->resize(windowSize);
    if (covered) {
        m_cover = new QWidget;
        m_cover->setAutoFillBackground(true);
        QPalette magenta = m_cover->palette();
        magenta.setColor(QPalette::Window, Qt::magenta);
        m_cover->setPalette(magenta);
        m_cover->setGeometry(window->geometry());
        m_cover->show();
        m_cover->raise();
    }
    QCoreApplication::processEvents();
    saveAs({path("anna.jpg")});
    const QImage saved(path("anna.jpg"));
    QCOMPARE(saved.size(), QSize(701, 534));
    const double difference = MeanDifference(saved, window->report()->grab().toImage());
    QVERIFY2(difference >= 0 && difference < kJpegTolerance,
             qPrintable(QString::number(difference)));
}

void TestWindowsImages::activationRefreshesCapture() {
    ChartWindow *window = makeWindow();
    m_cover = new QWidget;
    m_cover->show();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    ReportWindow *report = window->report();
    const QImage first = report->heldCapture().toImage();
    QCOMPARE(first.size(), QSize(701, 534));

    FIND_CHILD(QLabel, name, report, "lblName");
    name->setText(QStringLiteral("Name: Someone Else Entirely"));
    // Not yet active again: the held image is the old one.
    QCOMPARE(report->heldCapture().toImage(), first);
    m_cover->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_cover));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    const QImage second = report->heldCapture().toImage();
    QVERIFY(second != first);
    QCOMPARE(second, report->grab().toImage());
}

void TestWindowsImages::printsOnePage() {
    makeWindow();
    m_shell->dialogs.printerAnswer = true;
    m_window->printChart();
    QCOMPARE(m_shell->dialogs.printerRequests, 1);
    QVERIFY(m_shell->dialogs.messages.isEmpty());
    QFile pdf(m_pdf);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    QVERIFY(content.startsWith("%PDF"));
    QCOMPARE(CountPdfPages(content), 1);
}

void TestWindowsImages::cancelledPrintPrintsNothing() {
    ChartWindow *window = makeWindow();
    window->show();
    m_shell->dialogs.printerAnswer = false;
    FIND_CHILD(QAction, print, window, "mnuPrint");
    print->trigger();
    QCOMPARE(m_shell->dialogs.printerRequests, 1);
    QVERIFY(m_shell->dialogs.messages.isEmpty());
    QVERIFY(!QFileInfo::exists(m_pdf));
}

void TestWindowsImages::unusablePrinterIsReported() {
    m_pdf = path("not-there") + kSep + "printout.pdf";
    m_dialogs = std::make_unique<PdfPrinterDialogs>(m_shell->dialogs, m_pdf);
    makeWindow();
    m_shell->dialogs.printerAnswer = true;
    m_window->printChart();
    QCOMPARE(m_shell->dialogs.messages.size(), 1);
    QCOMPARE(m_shell->dialogs.messages.constFirst().icon, MessageIcon::Error);
    QCOMPARE(m_shell->dialogs.messages.constFirst().title, QStringLiteral("QM Starloom"));
    QCOMPARE(FilesIn(m_folder), QStringList());
}

void TestWindowsImages::noPrinterOffersPdf_data() {
    QTest::addColumn<bool>("accept");
    QTest::newRow("Yes: the PDF is written") << true;
    QTest::newRow("No: nothing") << false;
}

// Without a printer there is nothing to choose in the printer dialog: the user is told
// so and may save the PDF instead.
void TestWindowsImages::noPrinterOffersPdf() {
    QFETCH(bool, accept);
    ChartWindow *window = makeWindow();
    m_shell->dialogs.hasPrinter = false;
    m_shell->dialogs.answers = {accept ? MessageAnswer::Yes : MessageAnswer::No};
    m_shell->dialogs.fileAnswers = {path("anna.pdf")};
    FIND_CHILD(QAction, print, window, "mnuPrint");
    print->trigger();
    QCOMPARE(m_shell->dialogs.printerRequests, 0);
    QCOMPARE(m_shell->dialogs.messages.size(), 1);
    const testing::RecordedMessage asked = m_shell->dialogs.messages.constFirst();
    QCOMPARE(asked.buttons, MessageButtons::YesNo);
    QVERIFY2(asked.text.contains(QStringLiteral("No printer is installed")),
             qPrintable(asked.text));
    QCOMPARE(FilesIn(m_folder), accept ? QStringList{"anna.pdf"} : QStringList{});
}

void TestWindowsImages::exportPdf_data() {
    QTest::addColumn<QString>("chosen"); // relative to the temporary folder
    QTest::addColumn<int>("sizeLimit");  // bytes this process may write to a file; 0: no limit
    QTest::addColumn<bool>("written");
    QTest::newRow("written") << "anna.pdf" << 0 << true;
    QTest::newRow("missing folder: reported, nothing left") << "none/anna.pdf" << 0 << false;
    QTest::newRow("file too large: reported, nothing left") << "anna.pdf" << 4096 << false;
}

void TestWindowsImages::exportPdf() {
    QFETCH(QString, chosen);
    QFETCH(int, sizeLimit);
    QFETCH(bool, written);
    ChartWindow *window = makeWindow();
    m_shell->dialogs.fileAnswers = {m_dir->filePath(chosen)};
    FIND_CHILD(QAction, exportPdf, window, "mnuExportPdf");
    {
        std::optional<FileSizeLimit> limit;
        if (sizeLimit > 0) {
            limit.emplace(sizeLimit);
            QVERIFY(limit->ok());
        }
        exportPdf->trigger();
    }
    const FileDialogRequest request = m_shell->dialogs.fileRequests.constFirst();
    QCOMPARE(request.filter, QStringLiteral("PDF Document (*.pdf)|*.pdf"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("pdf"));
    QVERIFY(request.confirmOverwrite);
    QFile pdf(m_dir->filePath(chosen));
    QCOMPARE(pdf.exists(), written);
    if (written) {
        QVERIFY(m_shell->dialogs.messages.isEmpty());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().startsWith("%PDF"));
    } else {
        QCOMPARE(m_shell->dialogs.messages.size(), 1);
        QCOMPARE(m_shell->dialogs.messages.constFirst().icon, MessageIcon::Error);
        const QString text = m_shell->dialogs.messages.constFirst().text;
        QVERIFY2(text.contains(QStringLiteral("anna.pdf")), qPrintable(text));
        if (sizeLimit > 0)
            QVERIFY2(text.contains(SystemReason(EFBIG)), qPrintable(text));
        QCOMPARE(FilesIn(m_folder), QStringList());
    }
}

void TestWindowsImages::fitCentred_data() {
    QTest::addColumn<QSizeF>("image");
    QTest::addColumn<QRectF>("page");
    QTest::addColumn<QRectF>("placed");
    // 701 x 534 on a page of 1402 x 2000: width-bound, scale 2, height 1068, top 466.
    QTest::newRow("tall page, width decides")
        << QSizeF(701, 534) << QRectF(0, 0, 1402, 2000) << QRectF(0, 466, 1402, 1068);
    // On 4000 x 1068: height-bound, scale 2, width 1402, left (4000 - 1402) / 2 = 1299.
    QTest::newRow("wide page, height decides")
        << QSizeF(701, 534) << QRectF(0, 0, 4000, 1068) << QRectF(1299, 0, 1402, 1068);
    QTest::newRow("smaller page shrinks")
        << QSizeF(200, 100) << QRectF(0, 0, 100, 100) << QRectF(0, 25, 100, 50);
}

void TestWindowsImages::fitCentred() {
    QFETCH(QSizeF, image);
    QFETCH(QRectF, page);
    QFETCH(QRectF, placed);
    QCOMPARE(FitCentred(image, page), placed);
}

QTEST_MAIN(TestWindowsImages)
#include "test_windows_images.moc"

// At 200 % scaling (QT_SCALE_FACTOR=2, set by CTest) every picture the program draws stays
// sharp: the wheel, the sign glyphs, the toolbar icons, the program icon and the form's text
// are drawn at the device's full resolution, never drawn at one pixel per unit and doubled.
#include "reading/gui/birth_form.h"
#include "reading/gui/reading_session.h"
#include "shell/about_box.h"
#include "shell/program_icon.h"
#include "support/form_controls.h"
#include "support/sample_form.h"
#include "support/scripted_services.h"
#include "windows/chart_window.h"
#include "windows/report_window.h"
#include "windows/sign_glyphs.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>

using namespace starloom;
using namespace starloom::testing;

namespace {

constexpr qreal kScale = 2.0; // device pixels per logical pixel under test
// Fewest mixed blocks (see MixedBlocks) a sharp picture must show: a doubled picture shows
// none at all, one drawn at full resolution one wherever an edge crosses a block.
constexpr int kFewestMixedBlocks = 12;

// Aligned 2 x 2 blocks of device pixels inside `deviceRect` that are not all one colour. A
// picture drawn at one pixel per logical unit and scaled up by two is made of such blocks
// in one colour each, so it has none.
int MixedBlocks(const QImage &image, const QRect &deviceRect) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const QRect area = deviceRect.intersected(argb.rect());
    int mixed = 0;
    for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2) {
        for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
            const QRgb corner = argb.pixel(x, y);
            if (argb.pixel(x + 1, y) != corner || argb.pixel(x, y + 1) != corner ||
                argb.pixel(x + 1, y + 1) != corner)
                ++mixed;
        }
    }
    return mixed;
}

QRect DeviceRect(const QRect &logical) {
    return QRect(logical.topLeft() * kScale, logical.size() * kScale);
}

// The rectangle of `child` inside `ancestor`, in the ancestor's logical pixels.
QRect RectIn(const QWidget *child, const QWidget *ancestor) {
    return QRect(child->mapTo(ancestor, QPoint(0, 0)), child->size());
}

} // namespace

class TestInstallHiDpi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void doubledPictureHasNoMixedBlocks();
    void reportWindowGrabIsFullResolution();
    void signGlyphsAreSharp();
    void wheelIsSharp();
    void toolbarIconsAreSharp();
    void formIsSharp();
    void programIconIsSharp();
    void aboutBoxIconIsSharp();

private:
    std::unique_ptr<ScriptedShell> shell_;
    std::unique_ptr<ReadingSession> session_;
    ChartWindow *chart_ = nullptr;
};

void TestInstallHiDpi::initTestCase() {
    QCOMPARE(qApp->devicePixelRatio(), kScale);
}

void TestInstallHiDpi::init() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    shell_ = std::make_unique<ScriptedShell>();
    session_ = std::make_unique<ReadingSession>(shell_->services(), ReadingSession::Hooks{});
    session_->form().show();
    FillMay1990(session_->form());
    session_->CalculateReading();
    chart_ = session_->chartWindow();
    QVERIFY(chart_ != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(chart_));
}

void TestInstallHiDpi::cleanup() {
    session_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    shell_.reset();
}

// The measure itself: the same glyph doubled after drawing, and drawn doubled.
void TestInstallHiDpi::doubledPictureHasNoMixedBlocks() {
    constexpr int kSide = 32; // logical pixels
    QImage single(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    single.fill(Qt::white);
    {
        QPainter painter(&single);
        PaintSignGlyph(painter, QRectF(0, 0, kSide, kSide), 4);
    }
    const QImage doubled =
        single.scaled(single.size() * kScale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QCOMPARE(MixedBlocks(doubled, doubled.rect()), 0);

    QImage sharp(QSize(kSide, kSide) * kScale, QImage::Format_ARGB32_Premultiplied);
    sharp.setDevicePixelRatio(kScale);
    sharp.fill(Qt::white);
    {
        QPainter painter(&sharp);
        PaintSignGlyph(painter, QRectF(0, 0, kSide, kSide), 4);
    }
    QVERIFY(MixedBlocks(sharp, sharp.rect()) >= kFewestMixedBlocks);
}

void TestInstallHiDpi::reportWindowGrabIsFullResolution() {
    ReportWindow *report = chart_->report();
    const QPixmap grab = report->grab();
    QCOMPARE(grab.devicePixelRatio(), kScale);
    QCOMPARE(grab.size(), report->size() * kScale);
    QCOMPARE(grab.deviceIndependentSize().toSize(), report->size());
}

void TestInstallHiDpi::signGlyphsAreSharp() {
    ReportWindow *report = chart_->report();
    const QImage grab = report->grab().toImage();
    for (int slot = 0; slot < 12; ++slot) {
        const QString name = QStringLiteral("imgSign_%1").arg(slot);
        auto *glyph = report->findChild<QWidget *>(name);
        QVERIFY2(glyph != nullptr, qPrintable(name));
        const int mixed = MixedBlocks(grab, DeviceRect(RectIn(glyph, report)));
        QVERIFY2(mixed >= kFewestMixedBlocks,
                 qPrintable(QStringLiteral("%1: %2 mixed blocks").arg(name).arg(mixed)));
    }
}

void TestInstallHiDpi::wheelIsSharp() {
    ReportWindow *report = chart_->report();
    FIND_CHILD(QWidget, wheel, report, "picNatal");
    const QPixmap grab = wheel->grab();
    QCOMPARE(grab.devicePixelRatio(), kScale);
    QCOMPARE(grab.size(), wheel->size() * kScale);
    // The central disc, its star and the inner circles: no labels over them.
    const QRect centre(wheel->width() / 2 - 40, wheel->height() / 2 - 40, 80, 80);
    QVERIFY(MixedBlocks(grab.toImage(), DeviceRect(centre)) >= kFewestMixedBlocks);
}

void TestInstallHiDpi::toolbarIconsAreSharp() {
    FIND_CHILD(QToolBar, toolbar, chart_, "TB");
    const QList<QAction *> actions = toolbar->actions();
    QCOMPARE(actions.size(), 4);
    for (QAction *action : actions) {
        QWidget *button = toolbar->widgetForAction(action);
        QVERIFY(button != nullptr);
        const QPixmap grab = button->grab();
        QCOMPARE(grab.devicePixelRatio(), kScale);
        QRect icon(QPoint(0, 0), toolbar->iconSize());
        icon.moveCenter(button->rect().center());
        const int mixed = MixedBlocks(grab.toImage(), DeviceRect(icon));
        QVERIFY2(
            mixed >= kFewestMixedBlocks,
            qPrintable(QStringLiteral("%1: %2 mixed blocks").arg(action->objectName()).arg(mixed)));
    }
}

void TestInstallHiDpi::formIsSharp() {
    BirthForm &form = session_->form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QPixmap grab = form.grab();
    QCOMPARE(grab.devicePixelRatio(), kScale);
    QCOMPARE(grab.size(), form.size() * kScale);
    const QImage image = grab.toImage();
    // Text is drawn at full resolution too.
    for (QWidget *control : {static_cast<QWidget *>(Controls(form).cmdCalculate),
                             static_cast<QWidget *>(Controls(form).txtName)}) {
        const int mixed = MixedBlocks(image, DeviceRect(RectIn(control, &form)));
        QVERIFY2(mixed >= kFewestMixedBlocks,
                 qPrintable(
                     QStringLiteral("%1: %2 mixed blocks").arg(control->objectName()).arg(mixed)));
    }
    form.hide();
}

void TestInstallHiDpi::programIconIsSharp() {
    constexpr int kSide = 32; // logical pixels
    const QPixmap icon = ProgramIcon().pixmap(QSize(kSide, kSide));
    QCOMPARE(icon.devicePixelRatio(), kScale);
    QCOMPARE(icon.size(), QSize(kSide, kSide) * kScale);
    QVERIFY(MixedBlocks(icon.toImage(), icon.rect()) >= kFewestMixedBlocks);
}

void TestInstallHiDpi::aboutBoxIconIsSharp() {
    frmAbout box(shell_->links);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    FIND_CHILD(QLabel, icon, &box, "imgIcon");
    QCOMPARE(icon->pixmap().devicePixelRatio(), kScale);
    const QPixmap grab = box.grab();
    const int mixed = MixedBlocks(grab.toImage(), DeviceRect(RectIn(icon, &box)));
    QVERIFY2(mixed >= kFewestMixedBlocks, qPrintable(QString::number(mixed)));
    box.hide();
}

QTEST_MAIN(TestInstallHiDpi)
#include "test_install_hidpi.moc"

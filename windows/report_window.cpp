#include "windows/report_window.h"

#include "reading/chart_words.h"
#include "shell/readable_colour.h"
#include "windows/aspect_grid.h"
#include "windows/chart_description.h"
#include "windows/design_units.h"
#include "windows/elided_label.h"
#include "windows/natal_wheel.h"
#include "windows/planet_colours.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace starloom {

namespace {

constexpr int kNameColumnLeft = 120;   // twips inside the positions frame
constexpr int kNameColumnWidth = 1500; // twips
constexpr int kValueColumnLeft = 1620; // twips
constexpr int kValueColumnWidth = 1600;
// The house column's right edge is the design's; it reaches left over the value column's
// unused end, so that a longer language's house mark has room beside the position.
constexpr int kHouseColumnLeft = 2400; // twips
constexpr int kHouseColumnWidth = 780;
constexpr int kRowHeight = 285;   // twips
constexpr int kFirstRowTop = 300; // twips
// Twips from one row's top to the next: fourteen rows (the ten bodies, the ascendant,
// the midheaven and the two nodes) share the frame's height.
constexpr int kRowPitch = 255;
constexpr int kHiddenRowsTop = 4200; // twips, below the frame's visible area
constexpr int kHiddenRowPitch = 327; // twips

constexpr qreal kTabFontPoints = 7.0; // the interpretation frame's tabs
constexpr int kTabRightMargin = 3;    // pixels between the tabs and the frame's right edge
constexpr int kTabSlack = 3;          // pixels
// Pixels on each side of a tab's caption: the design's, and closer where a language needs.
constexpr int kTabPaddings[] = {4, 2, 1};

constexpr int kDetailHeight = 195; // twips, one line
constexpr int kLeftDetailLeft = 120;
constexpr int kLeftDetailWidth = 3120;
constexpr int kRightDetailLeft = 3360;
constexpr int kRightDetailWidth = 3270;
constexpr int kWideDetailWidth = 6510; // twips, across both columns
// Six lines from 240 twips down: the four pairs of the two columns, then the zone and the
// universal time across the frame, whose names are too long for one column.
constexpr int kFirstDetailTop = 240;  // twips
constexpr int kDetailPitch = 210;     // twips from one line's top to the next
constexpr int kPersonalHeight = 1620; // twips, the frame holding the six lines
// The wheel lies below the frame with the design's gap and keeps its design bottom edge.
constexpr int kWheelTop = kPersonalHeight + 140; // twips
constexpr int kWheelBottom = 7905;               // twips

// The lines of the personal frame, each a caption and its value.
const char *const kNameLine = QT_TRANSLATE_NOOP("starloom::ReportWindow", "Name: %1");
const char *const kCityLine = QT_TRANSLATE_NOOP("starloom::ReportWindow", "City: %1");
const char *const kStateLine = QT_TRANSLATE_NOOP("starloom::ReportWindow", "State: %1");
const char *const kCountryLine = QT_TRANSLATE_NOOP("starloom::ReportWindow", "Country: %1");
const char *const kDateLine = QT_TRANSLATE_NOOP("starloom::ReportWindow", "Date of Birth: %1");
const char *const kTimeLine = QT_TRANSLATE_NOOP("starloom::ReportWindow", "Time of Birth: %1");
const char *const kLatitudeLine = QT_TRANSLATE_NOOP("starloom::ReportWindow", "Latitude: %1");
const char *const kLongitudeLine = QT_TRANSLATE_NOOP("starloom::ReportWindow", "Longitude: %1");
const char *const kZoneLine = QT_TRANSLATE_NOOP("starloom::ReportWindow", "Time zone: %1");
const char *const kUniversalLine =
    QT_TRANSLATE_NOOP("starloom::ReportWindow", "Universal time: %1");

// Caption i of the `PlanetName` array: Sun .. Pluto for 0 to 9. Entries 7 to 9 are never
// shown: Uranus, Neptune and Pluto appear through entries 13 to 15 instead. Entries 11, 12
// and 10 name the midheaven and the nodes, whose values are in `Planet` 11, 12 and 13.
QString PlanetCaption(int i) {
    constexpr int kSouthNodeCaption = 10;
    constexpr int kMidheavenCaption = 11;
    constexpr int kNorthNodeCaption = 12;
    constexpr int kOuterPlanetsAgain = 13 - 7; // entries 13 to 15 repeat 7 to 9
    if (i == kSouthNodeCaption || i == kNorthNodeCaption)
        return NodeWord(i == kNorthNodeCaption);
    if (i == kMidheavenCaption)
        return BodyWord(kMidheavenPoint);
    return BodyWord(i > kNorthNodeCaption ? i - kOuterPlanetsAgain : i);
}

// The `PlanetName` entry shown in each visible row of the positions table; row r shows
// the value of `Planet` r beside it. The ascendant's row (10) has no entry of the array;
// its own label names it.
constexpr int kNoName = -1;
constexpr std::array<int, 14> kVisibleNameRows = {0,  1,  2,  3,       4,  5,  6,
                                                  13, 14, 15, kNoName, 11, 12, 10};
constexpr int kAscendantRow = 10;
constexpr std::array<int, 3> kHiddenNames = {7, 8, 9};
constexpr int kFirstHiddenValue = 14;

// The interpretation frame's three pages: the patterns by signs (the text), the shape by
// degrees and the aspect grid.
constexpr int kTextPage = 0;
constexpr int kDegreesPage = 1;
constexpr int kAspectPage = 2;

QLabel *AddLabel(QWidget *parent, const QString &name, const QString &text, const QRect &rect) {
    auto *label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(rect);
    return label;
}

// Where a frame draws a part of itself: its title, or the room inside its border.
QRect FramePart(const QGroupBox *frame, QStyle::SubControl part) {
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return frame->style()->subControlRect(QStyle::CC_GroupBox, &option, part, frame);
}

QGroupBox *AddFrame(QWidget *parent, const QString &name, const QString &title, const QRect &rect) {
    auto *frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    frame->setGeometry(rect);
    return frame;
}

// A colour of the interpretation text as it reads on the palette's base: black is the
// palette's own text colour, any other keeps its hue and is lightened or darkened as far as
// it takes to reach the contrast of text.
QColor ReadableText(const QColor &colour, const QPalette &palette) {
    if (colour == Qt::black)
        return palette.color(QPalette::Text);
    return ReadableOn(colour, {palette.color(QPalette::Base)}, kTextContrast);
}

QString FromUtf8(const std::string &text) {
    return QString::fromStdString(text);
}

// Nearest whole pixels of a rectangle scaled by `factor`.
QRect Scaled(const QRect &rect, qreal factor) {
    const int left = qRound(rect.left() * factor);
    const int top = qRound(rect.top() * factor);
    return QRect(left, top, qRound((rect.left() + rect.width()) * factor) - left,
                 qRound((rect.top() + rect.height()) * factor) - top);
}

} // namespace

ReportWindow::ReportWindow(const BirthData &birth, QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QStringLiteral("QM Starloom v1.05"));
    setFont(ProgramFont(kSmallFontPoints));
    setAutoFillBackground(true);
    // A sheet of the palette's base colour: white on a light palette, and on a dark one
    // dark, with the palette's light texts.
    QPalette sheet = palette();
    sheet.setColor(QPalette::Window, sheet.color(QPalette::Base));
    setPalette(sheet);
    setFixedSize(kReportWidth, kReportHeight);

    // The children in the order of their stacking and of the keyboard's path.
    createCaptureHolder();
    createInterpretationFrame();
    createPositionsFrame();
    createPersonalFrame();
    createWheel();
    createImageNameBoxes();
    createOtherDetailsFrame();
    writeDetails(birth);
}

void ReportWindow::createCaptureHolder() {
    // The picture holder for the window's captured image sits under everything else.
    m_captureHolder =
        AddLabel(this, QStringLiteral("Picture1"), QString(), TwipsRect(0, 0, 615, 735));
    m_captureHolder->hide();
}

void ReportWindow::createInterpretationFrame() {
    m_interpretationTitle = tr("Interpretation");
    auto *interpretation = AddFrame(this, QStringLiteral("Frame2"), m_interpretationTitle,
                                    TwipsRect(0, 0, 3350, 3915));
    m_interpretation = interpretation;
    m_text = new QTextEdit(interpretation);
    m_text->setObjectName(QStringLiteral("RTB"));
    m_text->setAccessibleName(tr("Interpretation by signs"));
    m_text->setReadOnly(true);
    m_text->setUndoRedoEnabled(false);
    m_text->setGeometry(TwipsRect(120, 240, 3100, 3600));
    buildInterpretationTabs(interpretation);
}

void ReportWindow::createPositionsFrame() {
    auto *positions = AddFrame(this, QStringLiteral("fraWestern"), tr("Planetary Positions"),
                               TwipsRect(0, 3900, 3350, 4005));
    m_positions = positions;
    std::array<QLabel *, kPlanetLabelCount> names{};
    for (int i = 0; i < kPlanetLabelCount; ++i) {
        names[i] =
            AddLabel(positions, QStringLiteral("PlanetName_%1").arg(i), PlanetCaption(i), QRect());
        m_planetValues[i] =
            AddLabel(positions, QStringLiteral("Planet_%1").arg(i), QString(), QRect());
    }
    auto placeRow = [](QLabel *label, int left, int width, int top) {
        label->setGeometry(TwipsRect(left, top, width, kRowHeight));
    };
    for (int row = 0; row < static_cast<int>(kVisibleNameRows.size()); ++row) {
        const int top = kFirstRowTop + row * kRowPitch;
        if (kVisibleNameRows[row] != kNoName)
            placeRow(names[kVisibleNameRows[row]], kNameColumnLeft, kNameColumnWidth, top);
        placeRow(m_planetValues[row], kValueColumnLeft, kValueColumnWidth, top);
    }
    placeRow(AddLabel(positions, QStringLiteral("PlanetName_Asc"), BodyWord(kAscBody), QRect()),
             kNameColumnLeft, kNameColumnWidth, kFirstRowTop + kAscendantRow * kRowPitch);
    for (std::size_t i = 0; i < kHiddenNames.size(); ++i) {
        QLabel *name = names[kHiddenNames[i]];
        placeRow(name, kNameColumnLeft, kNameColumnWidth,
                 kHiddenRowsTop + static_cast<int>(i) * kHiddenRowPitch);
        name->hide();
    }
    for (int i = kFirstHiddenValue; i < kPlanetLabelCount; ++i) {
        placeRow(m_planetValues[i], kValueColumnLeft, kValueColumnWidth,
                 kHiddenRowsTop + (i - kFirstHiddenValue) * kHiddenRowPitch);
        m_planetValues[i]->hide();
    }
    // Each body's house at the right of its row: "H7". Rows 0..10 are the bodies and the
    // ascendant, in chart order.
    for (int body = 0; body < kBodyCount; ++body) {
        m_houseValues[body] =
            AddLabel(positions, QStringLiteral("PlanetHouse_%1").arg(body), QString(), QRect());
        m_houseValues[body]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        placeRow(m_houseValues[body], kHouseColumnLeft, kHouseColumnWidth,
                 kFirstRowTop + body * kRowPitch);
    }
}

void ReportWindow::createPersonalFrame() {
    auto *personal = AddFrame(this, QStringLiteral("Frame1"), tr("Personal Information"),
                              TwipsRect(3600, 0, 6750, kPersonalHeight));
    const struct {
        const char *name;
        const char *line; // its caption, %1 where the value goes
        int left;
        int width;
        int row; // 0 the first
    } details[] = {
        {"lblName", kNameLine, kLeftDetailLeft, kLeftDetailWidth, 0},
        {"lblCity", kCityLine, kLeftDetailLeft, kLeftDetailWidth, 1},
        {"lblState", kStateLine, kLeftDetailLeft, kLeftDetailWidth, 2},
        {"lblCountry", kCountryLine, kLeftDetailLeft, kLeftDetailWidth, 3},
        {"lblDOB", kDateLine, kRightDetailLeft, kRightDetailWidth, 0},
        {"lblTOB", kTimeLine, kRightDetailLeft, kRightDetailWidth, 1},
        {"lblLatitude", kLatitudeLine, kRightDetailLeft, kRightDetailWidth, 2},
        {"lblLongitude", kLongitudeLine, kRightDetailLeft, kRightDetailWidth, 3},
        {"lblTimeZone", kZoneLine, kLeftDetailLeft, kWideDetailWidth, 4},
        {"lblUniversal", kUniversalLine, kLeftDetailLeft, kWideDetailWidth, 5},
    };
    // The lines start inside the frame's border with a little room, never on it.
    const int contentsTop = FramePart(personal, QStyle::SC_GroupBoxContents).top();
    constexpr int kBorderRoom = 3; // pixels between the frame's border and the first line
    const int drop = qMax(0, contentsTop + kBorderRoom - TwipsToPixels(kFirstDetailTop));
    for (const auto &detail : details) {
        // A line too long for its box is cut with an ellipsis and shown whole in its tip.
        // Before the birth is written, each line shows its caption alone.
        auto *label = new ElidedLabel(tr(detail.line).arg(QString()), personal);
        label->setObjectName(QString::fromLatin1(detail.name));
        label->setGeometry(TwipsRect(detail.left, kFirstDetailTop + detail.row * kDetailPitch,
                                     detail.width, kDetailHeight)
                               .translated(0, drop));
    }
}

void ReportWindow::createWheel() {
    m_wheel = new NatalWheel(this);
    m_wheel->setGeometry(TwipsRect(3600, kWheelTop, 6750, kWheelBottom - kWheelTop));
    // A hidden wheel hears of its size only when shown; its labels take their places now.
    m_wheel->placeLabels();
}

void ReportWindow::createImageNameBoxes() {
    // Never seen: the last saved image's folder and name, and the other-details frame,
    // all below the visible area.
    m_imageFolder = new QLineEdit(this);
    m_imageFolder->setObjectName(QStringLiteral("txtFolder"));
    m_imageFolder->setAccessibleName(tr("Folder of the last saved image"));
    m_imageFolder->setGeometry(TwipsRect(120, 8400, 3000, 285));
    m_imageFolder->hide();
    m_imageFile = new QLineEdit(this);
    m_imageFile->setObjectName(QStringLiteral("txtFile"));
    m_imageFile->setAccessibleName(tr("Name of the last saved image"));
    m_imageFile->setGeometry(TwipsRect(3240, 8400, 3000, 285));
    m_imageFile->hide();
}

void ReportWindow::createOtherDetailsFrame() {
    auto *other = AddFrame(this, QStringLiteral("fraVedic"), tr("Other Details"),
                           TwipsRect(0, 8800, 6750, 2400));
    const struct {
        const char *valueName;
        const char *caption;
    } otherRows[] = {{"lblLagna", QT_TR_NOOP("Sun Sign")},
                     {"lblRashi", QT_TR_NOOP("Moon Sign")},
                     {"lblNakshatra", QT_TR_NOOP("Nakshatra")},
                     {"lblPada", QT_TR_NOOP("Pada")},
                     {"lblLord", QT_TR_NOOP("Lord")},
                     {"lblAyanamsha", QT_TR_NOOP("Ayanamsha")},
                     {"lblLagnaPosition", QT_TR_NOOP("Lagna Position")}};
    int top = 240;
    for (const auto &row : otherRows) {
        AddLabel(other, QString(), tr(row.caption), TwipsRect(120, top, 1800, kRowHeight));
        AddLabel(other, QString::fromLatin1(row.valueName), QString(),
                 TwipsRect(2040, top, 2400, kRowHeight));
        top += kRowPitch;
    }
    m_lagna = other->findChild<QLabel *>(QStringLiteral("lblLagna"));
    m_rashi = other->findChild<QLabel *>(QStringLiteral("lblRashi"));
    other->hide();
}

// The lines of the birth record in the chosen language; in English they read as the
// record's own lines do ("Date of Birth: March 15, 1980", "Latitude: 28 Degree 36 Minute
// N"). A month outside 1..12 has no name, so the date line then keeps its caption alone.
void ReportWindow::writeDetails(const BirthData &birth) {
    const auto angle = [](int degrees, int minutes, const QString &direction) {
        //: Degrees and minutes of latitude or longitude and the direction's letter.
        return tr("%1 Degree %2 Minute %3").arg(degrees).arg(minutes).arg(direction);
    };
    //: Hours and minutes of the local time of birth, on the clock of 24 hours.
    QString time = tr("%1 Hour %2 Minute").arg(birth.BirthHour).arg(birth.BirthMinute);
    const struct {
        const char *name;
        const char *line;
        QString value;
    } lines[] = {
        {"lblName", kNameLine, FromUtf8(birth.BirthName)},
        {"lblTOB", kTimeLine, time},
        //: The letter of north or of south after a latitude.
        {"lblLatitude", kLatitudeLine,
         angle(birth.LatDegrees, birth.LatMinutes, birth.LatDirFlag ? tr("N") : tr("S"))},
        //: The letter of east or of west after a longitude.
        {"lblLongitude", kLongitudeLine,
         angle(birth.LonDegrees, birth.LonMinutes, birth.LonDirFlag ? tr("E") : tr("W"))},
        {"lblCity", kCityLine, FromUtf8(birth.BirthCity)},
        {"lblState", kStateLine, FromUtf8(birth.BirthState)},
        {"lblCountry", kCountryLine, FromUtf8(birth.BirthCountry)},
    };
    for (const auto &line : lines)
        findChild<ElidedLabel *>(QString::fromLatin1(line.name))
            ->setText(tr(line.line).arg(line.value));
    if (birth.BirthMonth < 1 || birth.BirthMonth > 12)
        return;
    // The month is named in the chosen language, unlike in the files.
    //: A date: the month's name, the day and the year, as in "March 15, 1980".
    const QString date = tr("%1 %2, %3")
                             .arg(QLocale().monthName(birth.BirthMonth, QLocale::LongFormat))
                             .arg(birth.BirthDay)
                             .arg(birth.BirthYear);
    findChild<ElidedLabel *>(QStringLiteral("lblDOB"))->setText(tr(kDateLine).arg(date));
}

void ReportWindow::showTimeUsed(const QString &zone, const QString &universalTime) {
    findChild<ElidedLabel *>(QStringLiteral("lblTimeZone"))->setText(tr(kZoneLine).arg(zone));
    findChild<ElidedLabel *>(QStringLiteral("lblUniversal"))
        ->setText(tr(kUniversalLine).arg(universalTime));
}

void ReportWindow::setGlyph(int slot, int signIndex) {
    m_wheel->setGlyph(slot, signIndex);
}

int ReportWindow::glyphSign(int slot) const {
    return m_wheel->glyphSign(slot);
}

void ReportWindow::showPosition(int i, const QString &text) {
    if (i >= 0 && i < kPlanetLabelCount)
        m_planetValues[i]->setText(text);
}

void ReportWindow::showHouses(const std::array<int, kBodyCount> &houses) {
    for (int body = 0; body < kBodyCount; ++body) {
        //: A body's house, short: "H7" for the seventh house.
        m_houseValues[body]->setText(tr("H%1").arg(houses[body]));
        m_houseValues[body]->setToolTip(tr("House %1").arg(houses[body]));
    }
}

void ReportWindow::showWheelHouses(const WheelHouses &houses) {
    m_wheel->setHouses(houses);
}

void ReportWindow::describeChart(const NatalChart &chart) {
    const QString text = DescribeChartPositions(chart);
    m_wheel->setAccessibleDescription(text);
    m_positions->setAccessibleDescription(text);
}

void ReportWindow::showChartNote(const QString &note) {
    m_wheel->setToolTip(note);
}

void ReportWindow::showChartSigns(const QString &ascendantSign, const QString &moonSign) {
    if (!ascendantSign.isEmpty())
        m_lagna->setText(ascendantSign);
    m_rashi->setText(moonSign);
}

void ReportWindow::showWheel(const std::array<QString, 12> &signCells,
                             const std::array<QString, 12> &houseCells) {
    // What an earlier reading left goes first, pictures included.
    for (int i = 0; i < 12; ++i) {
        m_wheel->houseCell(i)->clear();
        m_wheel->signLabel(i)->clear();
    }
    for (std::size_t sign = 0; sign < signCells.size(); ++sign) {
        QLabel *label = m_wheel->signLabel(static_cast<int>(sign));
        label->setText(signCells[sign]);
        label->setVisible(false);
    }
    for (std::size_t house = 0; house < houseCells.size(); ++house)
        m_wheel->houseCell(static_cast<int>(house))->setText(houseCells[house]);
}

void ReportWindow::showAspects(const std::vector<Aspect> &aspects, const PointTable &longitude,
                               int firstHouseSign) {
    m_grid->setAspects(aspects);
    // The grid read out: one aspect after another, as its tooltips give them.
    QStringList lines;
    for (const Aspect &aspect : aspects)
        lines << DescribeAspect(aspect);
    m_gridArea->setAccessibleDescription(lines.join(QStringLiteral("; ")));
    m_wheel->setAspectLines(longitude, aspects, firstHouseSign);
}

const std::vector<Aspect> &ReportWindow::aspects() const {
    return m_grid->aspects();
}

void ReportWindow::setAspectLinesShown(bool shown) {
    m_wheel->setAspectLinesShown(shown);
}

bool ReportWindow::aspectLinesShown() const {
    return m_wheel->aspectLinesShown();
}

void ReportWindow::writeReport(const QList<ReportTextRun> &runs) {
    m_text->clear();
    QTextCursor cursor(m_text->document());
    for (const ReportTextRun &run : runs) {
        QTextCharFormat format;
        format.setForeground(ReadableText(run.colour, m_text->palette()));
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        QString text = run.text;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        cursor.insertText(text, format); // each '\n' becomes a paragraph break
    }
    m_text->moveCursor(QTextCursor::Start);
}

// Tabs on the frame's title line, right of its caption: the interpretation text by signs,
// the shape by degrees and the aspect grid, each in the same place and size, one shown.
void ReportWindow::buildInterpretationTabs(QWidget *frame) {
    m_degrees = new QTextEdit(frame);
    m_degrees->setObjectName(QStringLiteral("rtbDegrees"));
    m_degrees->setAccessibleName(tr("Pattern by degrees"));
    m_degrees->setReadOnly(true);
    m_degrees->setUndoRedoEnabled(false);
    m_degrees->setGeometry(m_text->geometry());
    m_degrees->hide();

    // The grid keeps its orbs at the text's size; where the frame is too small for the
    // whole grid at that size, it scrolls.
    m_gridArea = new QScrollArea(frame);
    m_gridArea->setObjectName(QStringLiteral("scrAspects"));
    m_gridArea->setAccessibleName(tr("Aspect grid"));
    m_gridArea->setWidgetResizable(true);
    m_grid = new AspectGrid;
    m_grid->setObjectName(QStringLiteral("picAspects"));
    m_gridArea->setWidget(m_grid);
    m_gridArea->setGeometry(m_text->geometry());
    m_gridArea->hide();

    m_tabs = new QTabBar(frame);
    m_tabs->setObjectName(QStringLiteral("tabInterpretation"));
    m_tabs->setFont(ProgramFont(kTabFontPoints));
    m_tabs->setDrawBase(false);
    m_tabs->setExpanding(false);
    m_tabs->addTab(tr("&Signs"));
    m_tabs->addTab(tr("&Degrees"));
    m_tabs->addTab(tr("&Aspects"));
    m_tabs->setTabToolTip(kTextPage, tr("The planetary patterns by signs"));
    m_tabs->setTabToolTip(kDegreesPage, tr("The chart's shape by degrees and its leading planet"));
    m_tabs->setTabToolTip(kAspectPage,
                          tr("The aspects between the planets, the ascendant and the midheaven"));
    placeInterpretationTabs(1.0);
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int page) {
        m_text->setVisible(page == kTextPage);
        m_degrees->setVisible(page == kDegreesPage);
        m_gridArea->setVisible(page == kAspectPage);
    });
}

// The tabs at `factor` times their design size, on the frame's title line at its right.
void ReportWindow::placeInterpretationTabs(qreal factor) {
    const auto px = [factor](qreal pixels) { return qRound(pixels * factor); };
    // The tabs' own light greys on a light palette; on a dark one the same made from the
    // palette's base, with texts that read on them.
    const QColor base = palette().color(QPalette::Base);
    const bool light = IsLightSurface(base);
    const QColor face = light ? QColor(0xe4, 0xe6, 0xee) : Blend(base, Qt::white, 0.12);
    const QColor edge = light ? QColor(0xa8, 0xaa, 0xbb) : Blend(base, Qt::white, 0.35);
    const QColor text = ReadableOn(QColor(0x50, 0x50, 0x60), {face}, kTextContrast);
    const QColor chosen = ReadableOn(QColor(0x00, 0x00, 0x80), {base}, kTextContrast);
    m_interpretation->setTitle(m_interpretationTitle);
    m_interpretation->setToolTip(QString());
    // Where the frame's title and the tabs (in a longer language) do not both fit on the
    // title line, the tabs close up round their captions first.
    for (const int padding : kTabPaddings) {
        m_tabs->setStyleSheet(
            QStringLiteral(
                "QTabBar::tab { padding: 0px %1px; height: %2px; margin-left: %3px; color: %5;"
                " background: %6; border: 1px solid %7; border-bottom: none;"
                " border-top-left-radius: %4px; border-top-right-radius: %4px; }"
                "QTabBar::tab:selected { color: %8; background: %9; }")
                .arg(px(padding))
                .arg(px(13))
                .arg(px(2))
                .arg(px(3))
                .arg(text.name(), face.name(), edge.name(), chosen.name(),
                     light ? QStringLiteral("white") : base.name()));
        m_tabs->ensurePolished(); // the style sheet's padding is part of the size
        // A few pixels more than the tabs need: the last tab's frame is drawn on its right
        // edge.
        const int width = m_tabs->sizeHint().width() + px(kTabSlack);
        m_tabs->setGeometry(m_interpretation->width() - width - px(kTabRightMargin), 0, width,
                            m_text->y());
        if (FramePart(m_interpretation, QStyle::SC_GroupBoxLabel).right() + px(kTabSlack) <
            m_tabs->x())
            return;
    }
    // Then the title gives way, cut with an ellipsis and whole in its tool tip.
    const QRect title = FramePart(m_interpretation, QStyle::SC_GroupBoxLabel);
    const QFontMetrics metrics = m_interpretation->fontMetrics();
    const int room = m_tabs->x() - px(kTabSlack) - title.left() -
                     (title.width() - metrics.horizontalAdvance(m_interpretationTitle));
    m_interpretation->setTitle(metrics.elidedText(m_interpretationTitle, Qt::ElideRight, room));
    m_interpretation->setToolTip(m_interpretationTitle);
}

void ReportWindow::showInterpretationTab(int tab) {
    if (tab >= 0 && tab < m_tabs->count())
        m_tabs->setCurrentIndex(tab);
}

void ReportWindow::showShapeByDegrees(const ShapeByDegreesView &shape) {
    m_degrees->clear();
    QTextCursor cursor(m_degrees->document());
    const QPalette &palette = m_degrees->palette();
    const auto write = [&cursor, &palette](const QString &text, const QColor &colour, bool bold) {
        QTextCharFormat format;
        format.setForeground(ReadableText(colour, palette));
        format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
        cursor.insertText(text, format);
    };
    const QColor heading(0, 128, 128);
    write(tr("Pattern by Degrees") + QLatin1Char('\n'), heading, true);
    write(shape.pattern + QLatin1Char('\n'), QColor(0, 0, 255), true);
    write(shape.patternText + QStringLiteral("\n\n"), Qt::black, false);
    write((shape.leading.size() > 1 ? tr("Leading Planets") : tr("Leading Planet")) +
              QLatin1Char('\n'),
          heading, true);
    if (shape.leading.isEmpty())
        write(tr("none"), Qt::black, false);
    for (int i = 0; i < shape.leading.size() && i < shape.leadingNames.size(); ++i) {
        if (i > 0)
            write(QStringLiteral(", "), Qt::black, false);
        write(shape.leadingNames[i], PlanetColour(shape.leading[i]), true);
    }
    write(QLatin1Char('\n') + shape.sentence + QStringLiteral("\n\n"), Qt::black, false);
    write(tr("Empty Arc") + QLatin1Char('\n'), heading, true);
    write(shape.emptyArc, Qt::black, false);
    m_degrees->moveCursor(QTextCursor::Start);

    WheelDegreeMarks marks;
    marks.Longitude = shape.longitudes;
    marks.EmptyArcFrom = shape.emptyArcFrom;
    marks.EmptyArcSize = shape.emptyArcSize;
    m_wheel->setDegreeMarks(marks);
}

// The holder stays hidden and keeps its design size; it only keeps the image.
void ReportWindow::holdCapture(const QPixmap &image) {
    m_captureHolder->setPixmap(image);
}

QPixmap ReportWindow::heldCapture() const {
    return m_captureHolder->pixmap();
}

LastImage ReportWindow::lastImage() const {
    return {m_imageFolder->text(), m_imageFile->text()};
}

void ReportWindow::rememberImage(const LastImage &image) {
    m_imageFolder->setText(image.folder);
    m_imageFile->setText(image.file);
}

WheelPicture ReportWindow::wheelPicture() const {
    return m_wheel->picture();
}

// The wheel places its own labels from its size; everything else keeps its design
// rectangle and font, scaled.
void ReportWindow::setZoom(qreal factor) {
    if (!(factor > 0))
        return;
    if (m_design.isEmpty()) {
        m_designPoints = font().pointSizeF();
        // The window's own parts and those of its frames; composite widgets such as the
        // text box lay out their insides themselves, and so does the wheel.
        for (QWidget *child : findChildren<QWidget *>()) {
            QWidget *parent = child->parentWidget();
            if (parent == this ||
                (qobject_cast<QGroupBox *>(parent) != nullptr && parent != m_wheel))
                m_design.append({child, child->geometry(), child->font().pointSizeF()});
        }
    }
    m_zoom = factor;
    QFont own = font();
    own.setPointSizeF(m_designPoints * factor);
    setFont(own);
    for (const DesignGeometry &design : m_design) {
        QFont scaled = design.widget->font();
        scaled.setPointSizeF(design.points * factor);
        design.widget->setFont(scaled);
        design.widget->setGeometry(Scaled(design.rect, factor));
    }
    placeInterpretationTabs(factor);
    setFixedSize(qRound(kReportWidth * factor), qRound(kReportHeight * factor));
    // A hidden wheel hears of its new size only when shown; its labels move now.
    m_wheel->placeLabels();
}

} // namespace starloom

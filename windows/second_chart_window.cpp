#include "windows/second_chart_window.h"

#include "engine/precise.h"
#include "engine/tables.h"
#include "reading/chart_words.h"
#include "windows/aspect_orbs_dialog.h"
#include "windows/chart_colours.h"
#include "windows/chart_description.h"
#include "windows/chart_glyphs.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTimeZone>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cmath>

namespace starloom {

namespace {

constexpr double kMillisecondsPerDay = 86400000.0;
constexpr double kHoursPerDay = 24.0;
constexpr int kDaysPerWeek = 7;
// The event list: the events of the coming year, at most this many.
constexpr double kEventSpanDays = 366.0;
constexpr int kEventLimit = 200;
constexpr int kEventsDelay = 250; // ms after the last step before the list follows
constexpr int kDayRole = Qt::UserRole;

QDateTime J2000() {
    return QDateTime(QDate(2000, 1, 1), QTime(12, 0), QTimeZone::utc());
}

QString Capitalised(QString name) {
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}

// Degrees and minutes of arc, "0°12'".
QString DegreesMinutes(double degrees) {
    int minutes = static_cast<int>(std::lround(std::abs(degrees) * 60.0));
    return QStringLiteral("%1\u00b0%2'")
        .arg(minutes / 60)
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// A longitude as degrees and minutes within its sign, "15°32' Leo".
QString ZodiacPosition(double longitude) {
    double within = std::fmod(longitude, 360.0);
    if (within < 0)
        within += 360.0;
    int minutes = static_cast<int>(std::lround(within * 60.0)) % (360 * 60);
    const int sign = minutes / (30 * 60);
    minutes %= 30 * 60;
    return QStringLiteral("%1\u00b0%2' %3")
        .arg(minutes / 60)
        .arg(minutes % 60, 2, 10, QLatin1Char('0'))
        .arg(SignWord(sign));
}

// A moment to the minute, in the order and with the marks of the chosen language.
QString MinuteFormat() {
    return QCoreApplication::translate("starloom::SecondChartWindow", "yyyy-MM-dd HH:mm",
                                       "The form of a date and time, as QDateTime writes it");
}

QString UniversalText(double utDays) {
    const CivilDateTime t = NearestMinute(utDays);
    return QCoreApplication::translate("starloom::SecondChartWindow", "%1-%2-%3 %4:%5",
                                       "A date and time: year, month, day, hour, minute")
        .arg(t.year, 4, 10, QLatin1Char('0'))
        .arg(t.month, 2, 10, QLatin1Char('0'))
        .arg(t.day, 2, 10, QLatin1Char('0'))
        .arg(t.hour, 2, 10, QLatin1Char('0'))
        .arg(t.minute, 2, 10, QLatin1Char('0'));
}

QString LocalText(double utDays) {
    const double minute = std::round(utDays * 1440.0) / 1440.0;
    return DateTimeOfDay(minute).toLocalTime().toString(MinuteFormat());
}

// "51°30'N 0°07'W"
QString PlaceText(double east, double north) {
    return DegreesMinutes(north) +
           (north < 0 ? QCoreApplication::translate("starloom::SecondChartWindow", "S", "south")
                      : QCoreApplication::translate("starloom::SecondChartWindow", "N", "north")) +
           QLatin1Char(' ') + DegreesMinutes(east) +
           (east < 0 ? QCoreApplication::translate("starloom::SecondChartWindow", "W", "west")
                     : QCoreApplication::translate("starloom::SecondChartWindow", "E", "east"));
}

QString WhoseOf(SecondChartKind kind, const QString &otherName) {
    switch (kind) {
    case SecondChartKind::Transits:
        return QObject::tr("Transiting");
    case SecondChartKind::Progressions:
        return QObject::tr("Progressed");
    case SecondChartKind::Directions:
        return QObject::tr("Directed");
    case SecondChartKind::Synastry:
        return QObject::tr("%1's").arg(otherName);
    }
    return QString();
}

const char *const kStepNames[kMomentStepCount] = {
    QT_TRANSLATE_NOOP("starloom::SecondChartWindow", "Hour"),
    QT_TRANSLATE_NOOP("starloom::SecondChartWindow", "Day"),
    QT_TRANSLATE_NOOP("starloom::SecondChartWindow", "Week"),
    QT_TRANSLATE_NOOP("starloom::SecondChartWindow", "Month"),
    QT_TRANSLATE_NOOP("starloom::SecondChartWindow", "Year")};

} // namespace

QDateTime DateTimeOfDay(double utDays) {
    return J2000().addMSecs(static_cast<qint64>(std::llround(utDays * kMillisecondsPerDay)));
}

double DayOfDateTime(const QDateTime &moment) {
    return static_cast<double>(J2000().msecsTo(moment)) / kMillisecondsPerDay;
}

double StepMoment(double utDays, MomentStep step, int count) {
    switch (step) {
    case MomentStep::Hour:
        return utDays + count / kHoursPerDay;
    case MomentStep::Day:
        return utDays + count;
    case MomentStep::Week:
        return utDays + count * kDaysPerWeek;
    case MomentStep::Month:
        return DayOfDateTime(DateTimeOfDay(utDays).addMonths(count));
    case MomentStep::Year:
        return DayOfDateTime(DateTimeOfDay(utDays).addYears(count));
    }
    return utDays;
}

WheelPicture MakeBiWheelPicture(const WheelPicture &natal, const SecondChart &second,
                                const QString &whose) {
    WheelPicture picture = natal;
    picture.hasOuterRing = true;
    picture.outerRing.clear();
    const int points =
        second.Kind == SecondChartKind::Transits ? kWheelPlanetMarks : kAspectPointCount;
    for (int point = 0; point < points; ++point) {
        WheelRingPoint ring;
        ring.point = point;
        ring.longitude = second.Longitude[point];
        ring.retrograde = point > 1 && point < kWheelPlanetMarks && second.DailyMotion[point] < 0;
        ring.name = QStringLiteral("%1 %2 %3%4")
                        .arg(whose, PointName(point), ZodiacPosition(ring.longitude),
                             ring.retrograde ? QObject::tr(", retrograde") : QString());
        picture.outerRing.push_back(ring);
    }
    return picture;
}

QString TransitEventText(const TransitEvent &event) {
    switch (event.Kind) {
    case TransitEventKind::Aspect:
        return QObject::tr("%1 natal %2")
            .arg(AspectWord(event.Aspect), PointName(event.NatalPoint));
    case TransitEventKind::Station:
        return event.Direction == StationDirection::Retrograde ? QObject::tr("turns retrograde")
                                                               : QObject::tr("turns direct");
    case TransitEventKind::Ingress:
        if (event.Sign >= 0 && event.Sign < kSignCount)
            return QObject::tr("enters %1").arg(SignWord(event.Sign));
        return QObject::tr("enters house %1").arg(event.House);
    }
    return QString();
}

BiWheel::BiWheel(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picBiWheel"));
    // Tab stops here, so that a screen reader reads both charts.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(tr("Bi-wheel"));
    setMinimumSize(320, 320);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void BiWheel::setPicture(const WheelPicture &picture) {
    m_picture = picture;
    update();
}

QSize BiWheel::sizeHint() const {
    return QSize(520, 520);
}

QString BiWheel::toolTipAt(const QPoint &position) const {
    const int index = OuterRingPointAt(QRectF(rect()), m_picture, QPointF(position));
    return index < 0 ? QString() : m_picture.outerRing[static_cast<std::size_t>(index)].name;
}

bool BiWheel::event(QEvent *event) {
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QString text = toolTipAt(help->pos());
        if (text.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), text, this);
        }
        return true;
    }
    return QWidget::event(event);
}

void BiWheel::paintEvent(QPaintEvent *) {
    QPainter p(this);
    const ChartColours colours = ChartColoursFor(palette());
    p.fillRect(rect(), colours.background);
    PaintNatalWheel(p, QRectF(rect()), m_picture, colours);
    PaintFocusFrame(p, *this, colours.background);
}

SecondChartWindow::~SecondChartWindow() {
    for (QObject *editor :
         std::initializer_list<QObject *>{m_momentEdit, m_latitude, m_longitude}) {
        if (editor != nullptr)
            editor->disconnect(this);
    }
    m_eventsTimer->stop();
}

SecondChartWindow::SecondChartWindow(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("wndSecondChart"));
    setWindowTitle(tr("Second Chart"));
    m_eventsTimer = new QTimer(this);
    m_eventsTimer->setSingleShot(true);
    m_eventsTimer->setInterval(kEventsDelay);
    connect(m_eventsTimer, &QTimer::timeout, this, &SecondChartWindow::refreshEvents);
    buildActions();
    buildControls();
    resize(980, 640);
}

void SecondChartWindow::buildActions() {
    auto make = [this](const char *name, const QString &text, const QKeySequence &key,
                       auto &&slot) {
        auto *action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty())
            action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        m_menuActions.append(action);
        return action;
    };
    const auto now = [] { return DayOfDateTime(QDateTime::currentDateTimeUtc()); };
    make("mnuTransits", tr("&Transits"), QKeySequence(Qt::CTRL | Qt::Key_T), [this, now] {
        // Transits already on show keep their moment; the window comes to the front.
        if (!(m_hasChart && m_kind == SecondChartKind::Transits))
            showTransits(now());
        show();
        raise();
        activateWindow();
    });
    make("mnuProgressions", tr("Secondary &Progressions"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), [this, now] {
             showProgressions(m_hasChart && m_kind != SecondChartKind::Synastry ? m_moment : now());
             show();
             raise();
         });
    make("mnuDirections", tr("Solar &Arc Directions"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D), [this, now] {
             showDirections(m_hasChart && m_kind != SecondChartKind::Synastry ? m_moment : now());
             show();
             raise();
         });
    m_menuActions.append(nullptr);
    make("mnuStepForward", tr("Step &Forward"), QKeySequence(Qt::ALT | Qt::Key_Right),
         [this] { step(1); });
    make("mnuStepBack", tr("Step &Back"), QKeySequence(Qt::ALT | Qt::Key_Left),
         [this] { step(-1); });
    auto *units = new QActionGroup(this);
    for (int unit = 0; unit < kMomentStepCount; ++unit) {
        const QString name = QStringLiteral("mnuStep") + QString::fromLatin1(kStepNames[unit]);
        auto *action = new QAction(tr("Step by &%1").arg(tr(kStepNames[unit])), this);
        action->setObjectName(name);
        action->setCheckable(true);
        action->setShortcut(QKeySequence(Qt::ALT | (Qt::Key_1 + unit)));
        units->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, unit] { setStepUnit(static_cast<MomentStep>(unit)); });
        addAction(action);
        m_unitActions[unit] = action;
    }
    m_unitActions[static_cast<int>(m_stepUnit)]->setChecked(true);
    m_menuActions.append(nullptr);
    make("mnuSecondChartOrbs", tr("Second Chart &Orbs\u2026"), QKeySequence(),
         [this] { editOrbs(); });
}

void SecondChartWindow::fillMenu(QMenu *menu) {
    int separators = 0;
    for (QAction *action : m_menuActions) {
        if (action == nullptr)
            menu->addSeparator()->setObjectName(QStringLiteral("mnuChartSep%1").arg(++separators));
        else
            menu->addAction(action);
        if (action != nullptr && action->objectName() == QLatin1String("mnuStepBack")) {
            QMenu *units = menu->addMenu(tr("Step &Unit"));
            units->menuAction()->setObjectName(QStringLiteral("mnuStepUnit"));
            for (QAction *unit : m_unitActions)
                units->addAction(unit);
        }
    }
}

void SecondChartWindow::buildControls() {
    auto *column = new QVBoxLayout(this);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("lblSecondChartTitle"));
    QFont bold = m_title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_title->setFont(bold);
    m_momentLine = new QLabel(this);
    m_momentLine->setObjectName(QStringLiteral("lblSecondChartMoment"));
    m_momentLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(m_title);
    column->addWidget(m_momentLine);

    auto *controls = new QHBoxLayout;
    auto *momentLabel = new QLabel(tr("&Moment (UT):"), this);
    m_momentEdit = new QDateTimeEdit(this);
    m_momentEdit->setObjectName(QStringLiteral("dteSecondMoment"));
    m_momentEdit->setTimeSpec(Qt::UTC);
    m_momentEdit->setDisplayFormat(MinuteFormat());
    m_momentEdit->setDateTimeRange(DateTimeOfDay(PreciseFirstDay()),
                                   DateTimeOfDay(PreciseLastDay() - 1.0));
    momentLabel->setBuddy(m_momentEdit);
    connect(m_momentEdit, &QDateTimeEdit::editingFinished, this, &SecondChartWindow::momentEdited);
    m_back = new QPushButton(QStringLiteral("\u25c0"), this);
    m_back->setObjectName(QStringLiteral("cmdStepBack"));
    m_back->setAccessibleName(tr("Step back"));
    m_back->setToolTip(tr("Step back (Alt+Left)"));
    m_back->setAutoRepeat(true);
    m_unitBox = new QComboBox(this);
    m_unitBox->setObjectName(QStringLiteral("cboStepUnit"));
    m_unitBox->setAccessibleName(tr("Step unit"));
    for (const char *name : kStepNames)
        m_unitBox->addItem(tr(name));
    m_unitBox->setCurrentIndex(static_cast<int>(m_stepUnit));
    m_unitBox->setToolTip(tr("The step: Alt+1 hour, Alt+2 day, Alt+3 week, Alt+4 month, "
                             "Alt+5 year"));
    m_forward = new QPushButton(QStringLiteral("\u25b6"), this);
    m_forward->setObjectName(QStringLiteral("cmdStepForward"));
    m_forward->setAccessibleName(tr("Step forward"));
    m_forward->setToolTip(tr("Step forward (Alt+Right)"));
    m_forward->setAutoRepeat(true);
    connect(m_back, &QPushButton::clicked, this, [this] { step(-1); });
    connect(m_forward, &QPushButton::clicked, this, [this] { step(1); });
    connect(m_unitBox, &QComboBox::activated, this,
            [this](int index) { setStepUnit(static_cast<MomentStep>(index)); });
    for (QPushButton *button : {m_back, m_forward})
        button->setFixedWidth(button->sizeHint().height() * 3 / 2);

    auto *latitudeLabel = new QLabel(tr("&Latitude:"), this);
    m_latitude = new QDoubleSpinBox(this);
    m_latitude->setObjectName(QStringLiteral("spnTransitLatitude"));
    m_latitude->setRange(-89.99, 89.99);
    m_latitude->setDecimals(2);
    m_latitude->setToolTip(tr("Where transits are cast: degrees, north positive"));
    latitudeLabel->setBuddy(m_latitude);
    auto *longitudeLabel = new QLabel(tr("Lo&ngitude:"), this);
    m_longitude = new QDoubleSpinBox(this);
    m_longitude->setObjectName(QStringLiteral("spnTransitLongitude"));
    m_longitude->setRange(-180.0, 180.0);
    m_longitude->setDecimals(2);
    m_longitude->setToolTip(tr("Where transits are cast: degrees, east positive"));
    longitudeLabel->setBuddy(m_longitude);
    connect(m_latitude, &QDoubleSpinBox::editingFinished, this, &SecondChartWindow::placeEdited);
    connect(m_longitude, &QDoubleSpinBox::editingFinished, this, &SecondChartWindow::placeEdited);
    auto *orbs = new QPushButton(tr("O&rbs\u2026"), this);
    orbs->setObjectName(QStringLiteral("cmdSecondChartOrbs"));
    connect(orbs, &QPushButton::clicked, this, &SecondChartWindow::editOrbs);

    controls->addWidget(momentLabel);
    controls->addWidget(m_momentEdit);
    controls->addWidget(m_back);
    controls->addWidget(m_unitBox);
    controls->addWidget(m_forward);
    controls->addSpacing(12);
    controls->addWidget(latitudeLabel);
    controls->addWidget(m_latitude);
    controls->addWidget(longitudeLabel);
    controls->addWidget(m_longitude);
    controls->addStretch(1);
    controls->addWidget(orbs);
    column->addLayout(controls);

    auto *split = new QSplitter(Qt::Horizontal, this);
    m_wheel = new BiWheel(split);
    m_tabs = new QTabWidget(split);
    m_tabs->setObjectName(QStringLiteral("tabSecondChart"));
    m_aspectList = new QTreeWidget(m_tabs);
    m_aspectList->setObjectName(QStringLiteral("lstCrossAspects"));
    m_aspectList->setRootIsDecorated(false);
    m_aspectList->setAccessibleName(tr("Aspects between the second chart and the natal chart"));
    m_aspectList->setHeaderLabels(
        {tr("Second chart"), tr("Aspect"), tr("Natal"), tr("Orb"), tr("Phase")});
    m_eventList = new QTreeWidget(m_tabs);
    m_eventList->setObjectName(QStringLiteral("lstTransitEvents"));
    m_eventList->setRootIsDecorated(false);
    m_eventList->setAccessibleName(tr("Coming transit events"));
    m_eventList->setHeaderLabels(
        {tr("Local time"), tr("Universal time"), tr("Kind"), tr("Body"), tr("Event")});
    m_eventList->setToolTip(tr("Double-click an event to move the transits to its moment"));
    connect(m_eventList, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { eventActivated(item); });
    for (QTreeWidget *list : {m_aspectList, m_eventList}) {
        list->setUniformRowHeights(true);
        list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    }
    m_tabs->addTab(m_aspectList, tr("&Aspects"));
    m_tabs->addTab(m_eventList, tr("Transit &Events"));
    split->addWidget(m_wheel);
    split->addWidget(m_tabs);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setSizes({480, 500});
    column->addWidget(split, 1);

    auto *keys = new QLabel(
        tr("Alt+Right and Alt+Left step forward and back; Alt+1 to Alt+5 step by an hour, "
           "a day, a week, a month or a year. Point at an outer glyph for its name."),
        this);
    keys->setObjectName(QStringLiteral("lblSecondChartKeys"));
    keys->setWordWrap(true);
    column->addWidget(keys);
}

void SecondChartWindow::setNatal(const NatalChart &chart, const WheelPicture &wheel,
                                 const QString &name, double eastLongitude, double latitude,
                                 const AspectOrbs &natalOrbs) {
    const bool firstTime = !m_hasNatal;
    m_natal = chart;
    m_natalWheel = wheel;
    m_name = name;
    m_natalOrbs = natalOrbs;
    m_hasNatal = true;
    if (firstTime || (m_placeEast == m_birthEast && m_placeNorth == m_birthNorth))
        setTransitPlace(eastLongitude, latitude);
    m_birthEast = eastLongitude;
    m_birthNorth = latitude;
    if (m_hasChart) {
        if (m_kind == SecondChartKind::Synastry)
            showSynastry(m_other, m_otherName);
        else
            showKind(m_kind, m_moment);
    }
}

void SecondChartWindow::setTransitPlace(double eastLongitude, double latitude) {
    m_placeEast = eastLongitude;
    m_placeNorth = latitude;
    const QSignalBlocker quietLat(m_latitude);
    const QSignalBlocker quietLon(m_longitude);
    m_latitude->setValue(latitude);
    m_longitude->setValue(eastLongitude);
    if (m_hasChart && m_kind == SecondChartKind::Transits)
        showKind(m_kind, m_moment);
}

void SecondChartWindow::placeEdited() {
    if (m_latitude->value() != m_placeNorth || m_longitude->value() != m_placeEast)
        setTransitPlace(m_longitude->value(), m_latitude->value());
}

bool SecondChartWindow::showTransits(double utDays) {
    return showKind(SecondChartKind::Transits, utDays);
}

bool SecondChartWindow::showProgressions(double utDays) {
    return showKind(SecondChartKind::Progressions, utDays);
}

bool SecondChartWindow::showDirections(double utDays) {
    return showKind(SecondChartKind::Directions, utDays);
}

bool SecondChartWindow::showKind(SecondChartKind kind, double utDays) {
    if (!m_hasNatal || !std::isfinite(utDays))
        return false;
    SecondChart chart;
    bool made = false;
    switch (kind) {
    case SecondChartKind::Transits:
        made = TransitChartAt(utDays, m_placeEast, m_placeNorth, chart);
        break;
    case SecondChartKind::Progressions:
        made = ProgressedChart(m_natal, utDays, chart);
        break;
    case SecondChartKind::Directions:
        made = SolarArcChart(m_natal, utDays, chart);
        break;
    case SecondChartKind::Synastry:
        return false;
    }
    if (!made)
        return false;
    if (!m_hasChart || m_kind != kind)
        m_orbs = kMovingChartOrbs;
    const bool eventsFollow = kind == SecondChartKind::Transits;
    m_kind = kind;
    m_moment = utDays;
    m_chart = chart;
    m_hasChart = true;
    showChart();
    if (eventsFollow)
        scheduleEvents();
    return true;
}

void SecondChartWindow::showSynastry(const NatalChart &other, const QString &name) {
    if (!m_hasNatal)
        return;
    m_other = other;
    m_otherName = name;
    if (!m_hasChart || m_kind != SecondChartKind::Synastry)
        m_orbs = m_natalOrbs;
    m_kind = SecondChartKind::Synastry;
    m_chart = SynastryChart(other);
    m_moment = m_chart.Day;
    m_hasChart = true;
    showChart();
    show();
    raise();
}

void SecondChartWindow::step(int count) {
    if (!m_hasNatal)
        return;
    if (!m_hasChart || m_kind == SecondChartKind::Synastry) {
        showTransits(DayOfDateTime(QDateTime::currentDateTimeUtc()));
        show();
    }
    showKind(m_kind, StepMoment(m_moment, m_stepUnit, count));
}

void SecondChartWindow::setStepUnit(MomentStep unit) {
    m_stepUnit = unit;
    m_unitActions[static_cast<int>(unit)]->setChecked(true);
    m_unitBox->setCurrentIndex(static_cast<int>(unit));
}

void SecondChartWindow::setOrbs(const AspectOrbs &orbs) {
    m_orbs = orbs;
    if (m_hasChart)
        showChart();
}

void SecondChartWindow::editOrbs() {
    auto *dialog = new AspectOrbsDialog(m_orbs, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { setOrbs(dialog->orbs()); });
    dialog->open();
}

QString SecondChartWindow::title() const {
    switch (m_kind) {
    case SecondChartKind::Transits:
        return tr("Transits for %1").arg(m_name);
    case SecondChartKind::Progressions:
        return tr("Secondary Progressions for %1").arg(m_name);
    case SecondChartKind::Directions:
        return tr("Solar Arc Directions for %1").arg(m_name);
    case SecondChartKind::Synastry:
        return tr("Synastry: %1 and %2").arg(m_name, m_otherName);
    }
    return QString();
}

QString SecondChartWindow::momentText() const {
    switch (m_kind) {
    case SecondChartKind::Transits:
        return tr("%1 UT (local time %2), at %3")
            .arg(UniversalText(m_moment), LocalText(m_moment),
                 PlaceText(m_placeEast, m_placeNorth));
    case SecondChartKind::Progressions:
        return tr("To %1 UT: progressed moment %2 UT, midheaven moved %3 in right ascension")
            .arg(UniversalText(m_moment), UniversalText(m_chart.Day), DegreesMinutes(m_chart.Arc));
    case SecondChartKind::Directions:
        return tr("To %1 UT: solar arc %2%3")
            .arg(UniversalText(m_moment), m_chart.Arc < 0 ? QStringLiteral("-") : QString(),
                 DegreesMinutes(m_chart.Arc));
    case SecondChartKind::Synastry:
        return tr("%1 born %2 UT").arg(m_otherName, UniversalText(m_chart.Day));
    }
    return QString();
}

QString SecondChartWindow::pointLabel(int point) const {
    return m_kind == SecondChartKind::Synastry ? tr("%1's %2").arg(m_name, PointName(point))
                                               : tr("natal %1").arg(PointName(point));
}

WheelPicture SecondChartWindow::picture() const {
    return MakeBiWheelPicture(m_natalWheel, m_chart, WhoseOf(m_kind, m_otherName));
}

void SecondChartWindow::showChart() {
    m_aspects = CrossAspects(m_natal, m_chart, m_orbs);
    setWindowTitle(title());
    m_title->setText(title());
    m_momentLine->setText(momentText());
    const bool moving = m_kind != SecondChartKind::Synastry;
    {
        const QSignalBlocker quiet(m_momentEdit);
        m_momentEdit->setDateTime(DateTimeOfDay(std::round(m_moment * 1440.0) / 1440.0));
    }
    for (QWidget *control : {static_cast<QWidget *>(m_momentEdit), static_cast<QWidget *>(m_back),
                             static_cast<QWidget *>(m_forward), static_cast<QWidget *>(m_unitBox)})
        control->setEnabled(moving);
    const bool transits = m_kind == SecondChartKind::Transits;
    m_latitude->setEnabled(transits);
    m_longitude->setEnabled(transits);
    m_tabs->setTabEnabled(1, transits);
    m_wheel->setPicture(picture());
    m_wheel->setAccessibleDescription(
        tr("Natal chart: %1. %2: %3")
            .arg(DescribeChartPositions(m_natal), title(), DescribeSecondChartPositions(m_chart)));
    fillAspects();
}

void SecondChartWindow::fillAspects() {
    const QString whose = WhoseOf(m_kind, m_otherName);
    m_aspectList->setUpdatesEnabled(false);
    m_aspectList->clear();
    QList<QTreeWidgetItem *> rows;
    for (const Aspect &aspect : m_aspects) {
        rows.append(new QTreeWidgetItem(QStringList{
            whose + QLatin1Char(' ') + PointName(aspect.B), Capitalised(AspectWord(aspect.Kind)),
            pointLabel(aspect.A), DegreesMinutes(aspect.Orb),
            aspect.Applying ? tr("applying") : tr("separating")}));
    }
    m_aspectList->addTopLevelItems(rows);
    m_aspectList->setUpdatesEnabled(true);
}

void SecondChartWindow::scheduleEvents() {
    m_eventsStale = true;
    m_eventsTimer->start();
}

void SecondChartWindow::refreshEvents() {
    m_eventsTimer->stop();
    m_events.clear();
    if (m_hasChart && m_kind == SecondChartKind::Transits) {
        const double to = std::min(m_moment + kEventSpanDays, PreciseLastDay() - 1.0);
        if (to > m_moment) {
            FindTransitEvents(m_natal, m_moment, to, [this](const TransitEvent &event) {
                m_events.push_back(event);
                return m_events.size() < static_cast<std::size_t>(kEventLimit);
            });
        }
    }
    m_eventsStale = false;
    fillEvents();
}

void SecondChartWindow::fillEvents() {
    static const QString kinds[] = {tr("Aspect"), tr("Station"), tr("Ingress")};
    m_eventList->setUpdatesEnabled(false);
    m_eventList->clear();
    QList<QTreeWidgetItem *> rows;
    for (const TransitEvent &event : m_events) {
        auto *row = new QTreeWidgetItem(QStringList{
            LocalText(event.Day), UniversalText(event.Day), kinds[static_cast<int>(event.Kind)],
            TransitBodyWord(event.Body), TransitEventText(event)});
        row->setData(0, kDayRole, event.Day);
        rows.append(row);
    }
    m_eventList->addTopLevelItems(rows);
    m_eventList->setUpdatesEnabled(true);
}

void SecondChartWindow::eventActivated(QTreeWidgetItem *item) {
    if (item == nullptr)
        return;
    // The list stays as it is, so that the user can walk down it event by event.
    const double day = item->data(0, kDayRole).toDouble();
    if (showTransits(day))
        m_eventsTimer->stop();
    m_eventList->setCurrentItem(item);
}

void SecondChartWindow::momentEdited() {
    const double day = DayOfDateTime(m_momentEdit->dateTime());
    if (m_hasChart && m_kind != SecondChartKind::Synastry &&
        std::abs(day - std::round(m_moment * 1440.0) / 1440.0) > 1e-7)
        showKind(m_kind, day);
}

QList<SecondChartSheet> SecondChartWindow::sheets() const {
    if (!m_hasChart)
        return {};
    SecondChartSheet sheet;
    sheet.title = title();
    sheet.moment = momentText();
    sheet.wheel = picture();
    const QString whose = WhoseOf(m_kind, m_otherName);
    for (const Aspect &aspect : m_aspects) {
        sheet.aspects.append(tr("%1 %2 %3 %4, orb %5, %6")
                                 .arg(whose, PointName(aspect.B), AspectWord(aspect.Kind),
                                      pointLabel(aspect.A), DegreesMinutes(aspect.Orb),
                                      aspect.Applying ? tr("applying") : tr("separating")));
    }
    return {sheet};
}

} // namespace starloom

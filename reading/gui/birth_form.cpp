// The birth-data form.
#include "reading/gui/birth_form.h"

#include "reading/gui/keystroke_filter.h"
#include "shell/language_menu.h"
#include "shell/link_label.h"
#include "shell/links.h"
#include "shell/readable_colour.h"
#include "shell/shutdown.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace starloom {

namespace {

constexpr int kStartYear = 1906; // the year the form starts on
constexpr int kStartYearPosition = kStartYear - kFirstYear;
constexpr int kUnboundedHeight = 1 << 20; // pixels: room enough for any wrapped text

// Every text of the form, by the object name of what shows it: set when the form is made
// and again whenever the program's language changes. (Context: the form's class, so that
// tr() finds them.)
struct FormText {
    const char *object;
    const char *text;
};
constexpr FormText kFormTexts[] = {
    {"chkDST", QT_TRANSLATE_NOOP("starloom::BirthForm", "Daylight Saving Time")},
    {"optLatSouth_0", QT_TRANSLATE_NOOP("starloom::BirthForm", "South")},
    {"optLatSouth_1", QT_TRANSLATE_NOOP("starloom::BirthForm", "North")},
    {"optLongEast_0", QT_TRANSLATE_NOOP("starloom::BirthForm", "East")},
    {"optLongEast_1", QT_TRANSLATE_NOOP("starloom::BirthForm", "West")},
    {"capName", QT_TRANSLATE_NOOP("starloom::BirthForm", "Name:")},
    {"capBirthday", QT_TRANSLATE_NOOP("starloom::BirthForm", "Birthday:")},
    {"capTime", QT_TRANSLATE_NOOP("starloom::BirthForm", "Time Of Birth:")},
    {"capTimeUnits", QT_TRANSLATE_NOOP("starloom::BirthForm", "HH/MM/SS")},
    {"capTimeZone", QT_TRANSLATE_NOOP("starloom::BirthForm", "Time Zone:")},
    {"capLatitude", QT_TRANSLATE_NOOP("starloom::BirthForm", "Latitude:")},
    {"capLatUnits", QT_TRANSLATE_NOOP("starloom::BirthForm", "DEG/MIN")},
    {"capLongitude", QT_TRANSLATE_NOOP("starloom::BirthForm", "Longitude:")},
    {"capLonUnits", QT_TRANSLATE_NOOP("starloom::BirthForm", "DEG/MIN")},
    {"capCity", QT_TRANSLATE_NOOP("starloom::BirthForm", "City:")},
    {"capState", QT_TRANSLATE_NOOP("starloom::BirthForm", "State:")},
    {"capCountry", QT_TRANSLATE_NOOP("starloom::BirthForm", "Country:")},
    {"Command1",
     QT_TRANSLATE_NOOP("starloom::BirthForm", "Click here to find Latitude && Longitude")},
    {"cmdCalculate", QT_TRANSLATE_NOOP("starloom::BirthForm", "&Get My Starloom Reading")},
    {"cmdOpen", QT_TRANSLATE_NOOP("starloom::BirthForm", "&Open Previously Saved Reading")},
    {"Label1", QT_TRANSLATE_NOOP("starloom::BirthForm",
                                 "Know what the distribution of the planets in your natal chart "
                                 "mean with QM Starloom.")},
    {"Label8", QT_TRANSLATE_NOOP("starloom::BirthForm",
                                 "Talk about your chart with other readers in our discussion "
                                 "forum")},
    {"mnuFile", QT_TRANSLATE_NOOP("starloom::BirthForm", "&File")},
    {"mnuCalculate", QT_TRANSLATE_NOOP("starloom::BirthForm", "Get My Natal &Chart")},
    {"mnuOpen", QT_TRANSLATE_NOOP("starloom::BirthForm", "&Open\u2026")},
    {"mnuExit", QT_TRANSLATE_NOOP("starloom::BirthForm", "&Exit")},
    {"mnuView", QT_TRANSLATE_NOOP("starloom::BirthForm", "&View")},
    {"mnuHelp", QT_TRANSLATE_NOOP("starloom::BirthForm", "&Help")},
    {"mnuOnline", QT_TRANSLATE_NOOP("starloom::BirthForm", "&Online Help")},
    {"mnuVisit", QT_TRANSLATE_NOOP("starloom::BirthForm", "&Visit Us Online")},
    {"mnuUpdate", QT_TRANSLATE_NOOP("starloom::BirthForm", "Check for Software &Update")},
    {"mnuAbout", QT_TRANSLATE_NOOP("starloom::BirthForm", "&About Software")},
};

// Controls that share one caption get names of their own, so that a screen reader tells
// them apart.
constexpr FormText kAccessibleNames[] = {
    {"cboMonth", QT_TRANSLATE_NOOP("starloom::BirthForm", "Month of birth")},
    {"cboDate", QT_TRANSLATE_NOOP("starloom::BirthForm", "Day of birth")},
    {"cboYear", QT_TRANSLATE_NOOP("starloom::BirthForm", "Year of birth")},
    {"cboHour", QT_TRANSLATE_NOOP("starloom::BirthForm", "Hour of birth")},
    {"cboMinute", QT_TRANSLATE_NOOP("starloom::BirthForm", "Minute of birth")},
    {"txtLatD", QT_TRANSLATE_NOOP("starloom::BirthForm", "Latitude degrees")},
    {"txtLatM", QT_TRANSLATE_NOOP("starloom::BirthForm", "Latitude minutes")},
    {"txtLonD", QT_TRANSLATE_NOOP("starloom::BirthForm", "Longitude degrees")},
    {"txtLonM", QT_TRANSLATE_NOOP("starloom::BirthForm", "Longitude minutes")},
};

// Puts `text` where the object called `name` shows its caption.
void SetCaption(const QObject *form, const char *name, const QString &text) {
    QObject *object = form->findChild<QObject *>(QLatin1String(name));
    Q_ASSERT(object != nullptr);
    if (auto *action = qobject_cast<QAction *>(object))
        action->setText(text);
    else if (auto *menu = qobject_cast<QMenu *>(object))
        menu->setTitle(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(object))
        button->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(object))
        label->setText(text);
}

QLabel *Caption(const char *name, QWidget *buddy, QWidget *parent) {
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

QLineEdit *TextBox(const char *name, QWidget *parent) {
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QComboBox *List(const char *name, QWidget *parent) {
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(false); // a fixed list: the user picks, never types
    return list;
}

// The local file a drag carries, or an empty string unless it carries exactly one.
QString OnlyLocalFile(const QMimeData *data) {
    if (data == nullptr || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile())
        return {};
    return urls.constFirst().toLocalFile();
}

QRadioButton *Option(const char *name, QButtonGroup *group, int id, QWidget *parent) {
    auto *option = new QRadioButton(parent);
    option->setObjectName(QLatin1String(name));
    group->addButton(option, id);
    return option;
}

} // namespace

BirthForm::~BirthForm() {
    emit closing();
    m_city->removeEventFilter(this);
}

BirthForm::BirthForm(ReadingState &state, ShellServices services, QWidget *parent)
    : QMainWindow(parent), m_readingState(state), m_services(services) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("QM Starloom v1.15"));
    setAcceptDrops(true);
    buildControls();
    buildMenus();
    loadForm();
    retranslate();
}

void BirthForm::buildControls() {
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *outer = new QVBoxLayout(central);
    auto *grid = new QGridLayout;
    outer->addLayout(grid);
    createInputs(central);
    forwardUserChanges();
    createKeystrokeFilters();
    layOutInputs(central, grid);
    createButtons(central, outer);
    createTexts(central, outer);
}

// The boxes, lists and choices of the birth data, each under its object name.
void BirthForm::createInputs(QWidget *central) {
    m_name = TextBox("txtName", central);
    m_month = List("cboMonth", central);
    m_day = List("cboDate", central);
    m_year = List("cboYear", central);
    m_hour = List("cboHour", central);
    m_minute = List("cboMinute", central);
    m_zone = List("cboTimeZone", central);
    m_dst = new QCheckBox(central);
    m_dst->setObjectName(QStringLiteral("chkDST"));
    m_zoneNotice = new QLabel(central);
    m_zoneNotice->setObjectName(QStringLiteral("lblZoneNotice"));
    colourZoneNotice();
    m_zoneNotice->setWordWrap(true); // a long notice wraps rather than widen the form
    m_latDegrees = TextBox("txtLatD", central);
    m_latMinutes = TextBox("txtLatM", central);
    m_lonDegrees = TextBox("txtLonD", central);
    m_lonMinutes = TextBox("txtLonM", central);
    for (QLineEdit *box : {m_latDegrees, m_latMinutes, m_lonDegrees, m_lonMinutes}) {
        box->setMaxLength(kCoordinateDigits);
        box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    }
    // Each pair is its own exclusive group, and neither button of a pair is chosen at start.
    m_latitudeGroup = new QButtonGroup(this);
    m_longitudeGroup = new QButtonGroup(this);
    m_latitude[0] = Option("optLatSouth_0", m_latitudeGroup, 0, central);
    m_latitude[1] = Option("optLatSouth_1", m_latitudeGroup, 1, central);
    m_longitude[0] = Option("optLongEast_0", m_longitudeGroup, 0, central);
    m_longitude[1] = Option("optLongEast_1", m_longitudeGroup, 1, central);
    m_city = TextBox("txtCity", central);
    m_state = TextBox("txtState", central);
    m_country = TextBox("txtCountry", central);
}

// What the user does to the birthplace, the date and the zone, for the place finder.
void BirthForm::forwardUserChanges() {
    connect(m_city, &QLineEdit::textEdited, this, &BirthForm::cityEdited);
    for (QComboBox *list : {m_month, m_day, m_year, m_hour, m_minute})
        connect(list, &QComboBox::currentIndexChanged, this, &BirthForm::birthTimeChanged);
    connect(m_zone, &QComboBox::activated, this, &BirthForm::zoneSetByHand);
    connect(m_dst, &QCheckBox::clicked, this, &BirthForm::zoneSetByHand);
    connect(m_zone, &QComboBox::currentIndexChanged, this, &BirthForm::zoneChanged);
    connect(m_dst, &QCheckBox::toggled, this, &BirthForm::zoneChanged);
}

void BirthForm::createKeystrokeFilters() {
    auto *letters = new KeystrokeFilter(KeystrokeFilter::Kind::Letters, m_services.dialogs, this);
    for (QLineEdit *box : {m_name, m_city, m_state, m_country})
        letters->watch(box);
    auto *digits = new KeystrokeFilter(KeystrokeFilter::Kind::Digits, m_services.dialogs, this);
    for (QLineEdit *box : {m_latDegrees, m_latMinutes, m_lonDegrees, m_lonMinutes})
        digits->watch(box);
}

void BirthForm::layOutInputs(QWidget *central, QGridLayout *grid) {
    // Each row: a caption in the first column, its controls side by side in the second.
    int row = 0;
    auto addRow = [&](const char *caption, std::initializer_list<QWidget *> controls,
                      bool stretchLast) {
        auto *line = new QHBoxLayout;
        for (QWidget *control : controls)
            line->addWidget(control);
        if (!stretchLast)
            line->addStretch();
        if (caption != nullptr)
            grid->addWidget(Caption(caption, *controls.begin(), central), row, 0);
        grid->addLayout(line, row, 1);
        ++row;
    };
    addRow("capName", {m_name}, true);
    addRow("capBirthday", {m_month, m_day, m_year}, false);
    addRow("capTime", {m_hour, m_minute, Caption("capTimeUnits", nullptr, central)}, false);
    addRow("capTimeZone", {m_zone}, true);
    // Straight into the grid, which gives a wrapped notice the height of all its lines.
    grid->addWidget(m_zoneNotice, row++, 1);
    addRow(nullptr, {m_dst}, false);
    addRow("capLatitude",
           {m_latDegrees, m_latMinutes, Caption("capLatUnits", nullptr, central), m_latitude[0],
            m_latitude[1]},
           false);
    addRow("capLongitude",
           {m_lonDegrees, m_lonMinutes, Caption("capLonUnits", nullptr, central), m_longitude[0],
            m_longitude[1]},
           false);
    addRow("capCity", {m_city}, true);
    addRow("capState", {m_state}, true);
    addRow("capCountry", {m_country}, true);

    // Keyboard order follows the rows: each coordinate's boxes, then its direction.
    QWidget *const order[] = {m_name,       m_month,      m_day,          m_year,
                              m_hour,       m_minute,     m_zone,         m_dst,
                              m_latDegrees, m_latMinutes, m_latitude[0],  m_latitude[1],
                              m_lonDegrees, m_lonMinutes, m_longitude[0], m_longitude[1],
                              m_city,       m_state,      m_country};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void BirthForm::createButtons(QWidget *central, QVBoxLayout *outer) {
    m_search = new QPushButton(central);
    m_search->setObjectName(QStringLiteral("Command1"));
    connect(m_search, &QPushButton::clicked, this, &BirthForm::SearchCoordinates);
    outer->addWidget(m_search);

    auto *buttons = new QHBoxLayout;
    m_calculate = new QPushButton(central);
    m_calculate->setObjectName(QStringLiteral("cmdCalculate"));
    m_calculate->setDefault(false);
    m_open = new QPushButton(central);
    m_open->setObjectName(QStringLiteral("cmdOpen"));
    buttons->addWidget(m_calculate);
    buttons->addWidget(m_open);
    outer->addLayout(buttons);
    // Return and Enter press a focused button, as Space does.
    for (QPushButton *button : {m_search, m_calculate, m_open})
        button->setAutoDefault(true);
    connect(m_calculate, &QPushButton::clicked, this, &BirthForm::calculateRequested);
    connect(m_open, &QPushButton::clicked, this, &BirthForm::openRequested);
}

// The line about the program and the link to the discussion forum.
void BirthForm::createTexts(QWidget *central, QVBoxLayout *outer) {
    auto *label1 = new QLabel(central);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);
    outer->addWidget(label1);

    // One stop for Tab in either direction, followed with Return, Enter or Space. (A rich
    // text label with a keyboard link holds Shift+Tab on its link for ever.)
    auto *label8 = new LinkLabel(QString(), central);
    label8->setObjectName(QStringLiteral("Label8"));
    QFont underlined = label8->font();
    underlined.setUnderline(true);
    label8->setFont(underlined);
    QPalette linkColour = label8->palette();
    linkColour.setColor(QPalette::WindowText, linkColour.color(QPalette::Link));
    label8->setPalette(linkColour);
    connect(label8, &LinkLabel::clicked, this, [this] { OpenHomePage(*m_services.links); });
    outer->addWidget(label8, 0, Qt::AlignLeft);
}

void BirthForm::buildMenus() {
    auto addAction = [](QMenu *menu, const char *name) {
        QAction *action = menu->addAction(QString());
        action->setObjectName(QLatin1String(name));
        return action;
    };
    QMenu *file = menuBar()->addMenu(QString());
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(addAction(file, "mnuCalculate"), &QAction::triggered, this,
            &BirthForm::calculateRequested);
    QAction *open = addAction(file, "mnuOpen");
    open->setShortcuts(QKeySequence::Open);
    connect(open, &QAction::triggered, m_open, &QPushButton::click);
    file->addSeparator();
    QAction *exit = addAction(file, "mnuExit");
    exit->setShortcuts(QuitKeys());
    connect(exit, &QAction::triggered, this, &BirthForm::close);

    // The program's language, from the first window on.
    QMenu *view = menuBar()->addMenu(QString());
    view->setObjectName(QStringLiteral("mnuView"));
    AddLanguageMenu(view, m_services, this);

    QMenu *help = menuBar()->addMenu(QString());
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(addAction(help, "mnuOnline"), &QAction::triggered, this,
            [this] { OpenOnlineHelpPage(*m_services.links); });
    connect(addAction(help, "mnuVisit"), &QAction::triggered, this,
            [this] { OpenHomePage(*m_services.links); });
    help->addSeparator();
    connect(addAction(help, "mnuUpdate"), &QAction::triggered, this,
            [this] { OpenDownloadPage(*m_services.links); });
    help->addSeparator();
    connect(addAction(help, "mnuAbout"), &QAction::triggered, this, &BirthForm::aboutRequested);
}

// Every text of the form in the program's language now: captions, menus, accessible names,
// the city box's hint, the Open button's keys, the month names and the zone list (the
// lists' positions, which are what the form reads, stay).
void BirthForm::retranslate() {
    for (const FormText &entry : kFormTexts)
        SetCaption(this, entry.object, tr(entry.text));
    for (const FormText &entry : kAccessibleNames)
        findChild<QWidget *>(QLatin1String(entry.object))->setAccessibleName(tr(entry.text));
    // Typing offers places from the offline atlas, which fill in coordinates and zone.
    m_city->setPlaceholderText(tr("Type a city to search the atlas"));
    // The platform's Open keys (File > Open) press the button; its caption keeps its own
    // Alt key.
    m_open->setToolTip(QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText));
    const QLocale language;
    for (int month = 1; month <= 12; ++month)
        m_month->setItemText(month - 1, language.standaloneMonthName(month, QLocale::LongFormat));
    fillZones();
}

void BirthForm::fillZones() {
    // Sorted by the names in the program's language, each entry keeping its list position,
    // which is what the program computes with and what reading files store. Said again in
    // another language, the list keeps its chosen entry, quietly: the zone itself is the same.
    const bool first = m_zone->count() == 0;
    const QVariant chosen = m_zone->currentData();
    QSignalBlocker quiet(m_zone);
    if (first)
        quiet.unblock();
    m_zone->clear();
    for (const int position : ZoneListOrder())
        m_zone->addItem(ZoneListText(position), position);
    if (!first)
        m_zone->setCurrentIndex(m_zone->findData(chosen));
}

void BirthForm::loadForm() {
    for (int day = 1; day <= 31; ++day)
        m_day->addItem(QString::number(day));
    for (int month = 1; month <= 12; ++month)
        m_month->addItem(QString()); // named by retranslate()
    for (int year = kFirstYear; year <= kLastYear; ++year)
        m_year->addItem(QString::number(year));
    for (int hour = 0; hour <= 23; ++hour)
        m_hour->addItem(QString::number(hour));
    for (int minute = 0; minute <= 59; ++minute)
        m_minute->addItem(QString::number(minute));
    BuildTimeZoneTables(m_readingState.Zones);
    fillZones();
    FillBodyNames(m_readingState.BodyNames);
    m_day->setCurrentIndex(0);
    m_month->setCurrentIndex(0);
    m_year->setCurrentIndex(kStartYearPosition);
    m_hour->setCurrentIndex(0);
    m_minute->setCurrentIndex(0);
    chooseZone(0, false);
}

bool BirthForm::refuse(const QString &message, QWidget *focus) {
    m_services.dialogs->showMessage(this, kProgramTitle, message, MessageIcon::Error);
    if (focus != nullptr)
        focus->setFocus();
    return false;
}

bool BirthForm::ValidateInput() {
    const Status refused = CheckFormValues(values());
    if (refused.ok())
        return true;
    ShowStatus(*m_services.dialogs, this, refused);
    const FormField field = FieldOfStatus(refused);
    if (field == FormField::LatDirection)
        m_latitude[0]->setChecked(true);
    else if (field == FormField::LonDirection)
        m_longitude[0]->setChecked(true);
    else
        focusField(field);
    return false;
}

void BirthForm::focusField(FormField field, Qt::FocusReason reason) {
    if (QWidget *focus = widgetOf(field))
        focus->setFocus(reason);
}

QWidget *BirthForm::widgetOf(FormField field) const {
    switch (field) {
    case FormField::Name:
        return m_name;
    case FormField::LatDegrees:
        return m_latDegrees;
    case FormField::LatMinutes:
        return m_latMinutes;
    case FormField::LonDegrees:
        return m_lonDegrees;
    case FormField::LonMinutes:
        return m_lonMinutes;
    case FormField::City:
        return m_city;
    case FormField::State:
        return m_state;
    case FormField::Country:
        return m_country;
    case FormField::None:
    case FormField::LatDirection:
    case FormField::LonDirection:
        break;
    }
    return nullptr;
}

FormValues BirthForm::values() const {
    FormValues v;
    v.name = m_name->text();
    v.monthPosition = m_month->currentIndex();
    v.dayText = m_day->currentText();
    v.yearText = m_year->currentText();
    v.hourText = m_hour->currentText();
    v.minuteText = m_minute->currentText();
    v.zonePosition = m_zone->currentIndex() < 0 ? -1 : m_zone->currentData().toInt();
    v.dst = m_dst->checkState() != Qt::Unchecked; // ticked or greyed
    v.latDegrees = m_latDegrees->text();
    v.latMinutes = m_latMinutes->text();
    v.lonDegrees = m_lonDegrees->text();
    v.lonMinutes = m_lonMinutes->text();
    v.latDirection = m_latitudeGroup->checkedId();
    v.lonDirection = m_longitudeGroup->checkedId();
    v.city = m_city->text();
    v.state = m_state->text();
    v.country = m_country->text();
    return v;
}

namespace {

void SelectText(QComboBox *list, const QString &text) {
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
}

void SelectPosition(QComboBox *list, int position) {
    if (position >= 0 && position < list->count())
        list->setCurrentIndex(position);
}

} // namespace

void BirthForm::setValues(const FormValues &v) {
    m_name->setText(v.name);
    SelectPosition(m_month, v.monthPosition);
    SelectText(m_day, v.dayText);
    SelectText(m_year, v.yearText);
    SelectText(m_hour, v.hourText);
    SelectText(m_minute, v.minuteText);
    if (const int row = m_zone->findData(v.zonePosition); row >= 0)
        m_zone->setCurrentIndex(row);
    m_dst->setCheckState(v.dst ? Qt::Checked : Qt::Unchecked);
    m_latDegrees->setText(v.latDegrees);
    m_latMinutes->setText(v.latMinutes);
    m_lonDegrees->setText(v.lonDegrees);
    m_lonMinutes->setText(v.lonMinutes);
    if (v.latDirection == 0 || v.latDirection == 1)
        m_latitude[v.latDirection]->setChecked(true);
    if (v.lonDirection == 0 || v.lonDirection == 1)
        m_longitude[v.lonDirection]->setChecked(true);
    m_city->setText(v.city);
    m_state->setText(v.state);
    m_country->setText(v.country);
}

void BirthForm::startAfresh() {
    setValues(FormValues{});
    // Neither button of a pair is chosen at the start; an exclusive group keeps one.
    for (QButtonGroup *group : {m_latitudeGroup, m_longitudeGroup}) {
        group->setExclusive(false);
        for (QAbstractButton *button : group->buttons())
            button->setChecked(false);
        group->setExclusive(true);
    }
    showZoneNotice(QString());
    m_name->setFocus();
}

void BirthForm::showCentredOn(QScreen *screen) {
    if (screen == nullptr)
        screen = this->screen();
    if (screen != nullptr) {
        // The frame as the window manager drew it when the form was last shown; before the
        // first show only the form itself is known.
        const QRect available = screen->availableGeometry();
        const QSize outer = frameGeometry().size().boundedTo(available.size());
        move(available.left() + (available.width() - outer.width()) / 2,
             available.top() + (available.height() - outer.height()) / 2);
    }
    show();
    raise();
    activateWindow();
}

void BirthForm::SearchCoordinates() {
    if (m_city->text().isEmpty()) {
        refuse(tr("Please Enter City"), m_city);
        return;
    }
    if (m_state->text().isEmpty()) {
        refuse(tr("Please Enter State"), m_state);
        return;
    }
    if (m_country->text().isEmpty()) {
        refuse(tr("Please Enter Country"), m_country);
        return;
    }
    OpenWebSearch(*m_services.links, m_city->text() + QLatin1Char(' ') + m_state->text() +
                                         QLatin1Char(' ') + m_country->text() +
                                         QStringLiteral(" Latitude Longitude"));
}

void BirthForm::setPlace(const AtlasPlace &place) {
    m_city->setText(place.name);
    m_state->setText(place.state);
    m_country->setText(place.country);
    const DegreesMinutes lat = ToDegreesMinutes(place.latitude);
    const DegreesMinutes lon = ToDegreesMinutes(place.longitude);
    m_latDegrees->setText(QString::number(lat.degrees));
    m_latMinutes->setText(QString::number(lat.minutes));
    m_lonDegrees->setText(QString::number(lon.degrees));
    m_lonMinutes->setText(QString::number(lon.minutes));
    m_latitude[lat.positive ? 1 : 0]->setChecked(true);
    m_longitude[lon.positive ? 0 : 1]->setChecked(true);
}

void BirthForm::chooseZone(int position, bool dst) {
    if (const int row = m_zone->findData(position); row >= 0)
        m_zone->setCurrentIndex(row);
    m_dst->setChecked(dst);
}

void BirthForm::showZoneNotice(const QString &text) {
    // A wrapped notice takes the height of all its lines at the width of the zone list
    // above it, and half a line to spare.
    const QFontMetrics metrics = m_zoneNotice->fontMetrics();
    const int room = text.isEmpty()
                         ? 0
                         : metrics.boundingRect(QRect(0, 0, m_zone->width(), kUnboundedHeight),
                                                Qt::TextWordWrap, text)
                                   .height() +
                               metrics.height() / 2;
    m_zoneNotice->setText(text);
    if (room == m_noticeRoom && m_zoneNotice->isHidden() == text.isEmpty())
        return; // the same room as before: nothing else moves
    const bool shown = isVisible();
    const int neededBefore = shown ? neededHeight() : 0;
    const int heightBefore = height();
    m_zoneNotice->setVisible(!text.isEmpty());
    m_zoneNotice->setMinimumHeight(room);
    m_noticeRoom = room;
    if (!shown)
        return; // laid out when the form is shown
    // The form grows by itself when it must; what it grew for a notice it gives back when
    // the notice needs less room, and no more (room the user added stays).
    const int neededAfter = neededHeight();
    m_noticeGrowth += height() - heightBefore;
    const int giveBack = qMin(m_noticeGrowth, neededBefore - neededAfter);
    if (giveBack > 0) {
        resize(width(), height() - giveBack);
        m_noticeGrowth -= giveBack;
    }
}

// The contents' layout first, then the window's, which takes its least size from them (and
// grows to it at once when it is smaller).
int BirthForm::neededHeight() const {
    centralWidget()->layout()->activate();
    layout()->invalidate();
    layout()->activate();
    return minimumHeight();
}

void BirthForm::attachCityCompleter(QCompleter *completer) {
    completer->setWidget(m_city);
    m_city->installEventFilter(this);
}

bool BirthForm::eventFilter(QObject *watched, QEvent *event) {
    // The list of offered places takes the focus for a moment while it is open; that is
    // not leaving the box.
    if (watched == m_city && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
        emit cityLeft();
    return QMainWindow::eventFilter(watched, event);
}

void BirthForm::keyPressEvent(QKeyEvent *event) {
    const bool returnKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (returnKey && !(event->modifiers() & chords)) {
        m_calculate->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// The notice is written in maroon, made lighter on a dark palette until it reads as well as
// any text must against the form's background.
void BirthForm::colourZoneNotice() {
    QPalette palette = m_zoneNotice->palette();
    palette.setColor(QPalette::WindowText,
                     ReadableOn(QColor(0x80, 0x00, 0x00), {this->palette().color(QPalette::Window)},
                                kTextContrast));
    m_zoneNotice->setPalette(palette);
}

void BirthForm::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_zoneNotice != nullptr)
        colourZoneNotice();
    if (event->type() == QEvent::LanguageChange && m_zoneNotice != nullptr) {
        retranslate();
        // Laid out for the new texts first, so that the notice said again is measured at
        // the zone list's new width.
        if (isVisible())
            neededHeight();
        emit languageChanged();
    }
}

void BirthForm::closeEvent(QCloseEvent *event) {
    event->accept();
    emit exitRequested();
}

void BirthForm::dragEnterEvent(QDragEnterEvent *event) {
    if (!OnlyLocalFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void BirthForm::dragMoveEvent(QDragMoveEvent *event) {
    if (!OnlyLocalFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void BirthForm::dropEvent(QDropEvent *event) {
    const QString path = OnlyLocalFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    emit fileDropped(path);
}

} // namespace starloom

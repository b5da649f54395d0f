// The birth-data form.
#include "reading/gui/birth_form.h"

#include "reading/gui/keystroke_filter.h"
#include "shell/links.h"
#include "shell/shutdown.h"
#include "windows/link_label.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace starloom {

namespace {

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;
constexpr int kStartYearPosition = 5; // 1906
constexpr int kCoordinateDigits = 3;  // characters a coordinate box takes

const char *const kMonthNames[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};

QLabel *Caption(const QString &text, QWidget *buddy, QWidget *parent) {
    auto *label = new QLabel(text, parent);
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

QRadioButton *Option(const char *name, const QString &caption, QButtonGroup *group, int id,
                     QWidget *parent) {
    auto *option = new QRadioButton(caption, parent);
    option->setObjectName(QLatin1String(name));
    group->addButton(option, id);
    return option;
}

} // namespace

BirthForm::~BirthForm() {
    emit closing();
}

BirthForm::BirthForm(ReadingState &state, ShellServices services, QWidget *parent)
    : QMainWindow(parent), state_(state), services_(services) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("QM Starloom v1.15"));
    setAcceptDrops(true);
    buildControls();
    buildMenus();
    loadForm();
}

void BirthForm::buildControls() {
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *outer = new QVBoxLayout(central);
    auto *grid = new QGridLayout;
    outer->addLayout(grid);

    txtName = TextBox("txtName", central);
    cboMonth = List("cboMonth", central);
    cboDate = List("cboDate", central);
    cboYear = List("cboYear", central);
    cboHour = List("cboHour", central);
    cboMinute = List("cboMinute", central);
    cboTimeZone = List("cboTimeZone", central);
    chkDST = new QCheckBox(QStringLiteral("Daylight Saving Time"), central);
    chkDST->setObjectName(QStringLiteral("chkDST"));
    lblZoneNotice = new QLabel(central);
    lblZoneNotice->setObjectName(QStringLiteral("lblZoneNotice"));
    lblZoneNotice->setStyleSheet(QStringLiteral("color: #800000;"));
    lblZoneNotice->setWordWrap(true); // a long notice wraps rather than widen the form
    txtLatD = TextBox("txtLatD", central);
    txtLatM = TextBox("txtLatM", central);
    txtLonD = TextBox("txtLonD", central);
    txtLonM = TextBox("txtLonM", central);
    for (QLineEdit *box : {txtLatD, txtLatM, txtLonD, txtLonM}) {
        box->setMaxLength(kCoordinateDigits);
        box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    }
    // Each pair is its own exclusive group, and neither button of a pair is chosen at start.
    latitudeGroup_ = new QButtonGroup(this);
    longitudeGroup_ = new QButtonGroup(this);
    optLatSouth[0] = Option("optLatSouth_0", QStringLiteral("South"), latitudeGroup_, 0, central);
    optLatSouth[1] = Option("optLatSouth_1", QStringLiteral("North"), latitudeGroup_, 1, central);
    optLongEast[0] = Option("optLongEast_0", QStringLiteral("East"), longitudeGroup_, 0, central);
    optLongEast[1] = Option("optLongEast_1", QStringLiteral("West"), longitudeGroup_, 1, central);
    txtCity = TextBox("txtCity", central);
    txtState = TextBox("txtState", central);
    txtCountry = TextBox("txtCountry", central);

    auto *letters = new KeystrokeFilter(KeystrokeFilter::Kind::Letters, services_.dialogs, this);
    for (QLineEdit *box : {txtName, txtCity, txtState, txtCountry})
        letters->watch(box);
    auto *digits = new KeystrokeFilter(KeystrokeFilter::Kind::Digits, services_.dialogs, this);
    for (QLineEdit *box : {txtLatD, txtLatM, txtLonD, txtLonM})
        digits->watch(box);

    // Each row: a caption in the first column, its controls side by side in the second.
    int row = 0;
    auto addRow = [&](const QString &caption, std::initializer_list<QWidget *> controls,
                      bool stretchLast) {
        auto *line = new QHBoxLayout;
        for (QWidget *control : controls)
            line->addWidget(control);
        if (!stretchLast)
            line->addStretch();
        if (!caption.isEmpty())
            grid->addWidget(Caption(caption, *controls.begin(), central), row, 0);
        grid->addLayout(line, row, 1);
        ++row;
    };
    addRow(QStringLiteral("Name:"), {txtName}, true);
    addRow(QStringLiteral("Birthday:"), {cboMonth, cboDate, cboYear}, false);
    addRow(QStringLiteral("Time Of Birth:"),
           {cboHour, cboMinute, new QLabel(QStringLiteral("HH/MM/SS"), central)}, false);
    addRow(QStringLiteral("Time Zone:"), {cboTimeZone}, true);
    // Straight into the grid, which gives a wrapped notice the height of all its lines.
    grid->addWidget(lblZoneNotice, row++, 1);
    addRow(QString(), {chkDST}, false);
    addRow(QStringLiteral("Latitude:"),
           {txtLatD, txtLatM, new QLabel(QStringLiteral("DEG/MIN"), central), optLatSouth[0],
            optLatSouth[1]},
           false);
    addRow(QStringLiteral("Longitude:"),
           {txtLonD, txtLonM, new QLabel(QStringLiteral("DEG/MIN"), central), optLongEast[0],
            optLongEast[1]},
           false);
    addRow(QStringLiteral("City:"), {txtCity}, true);
    addRow(QStringLiteral("State:"), {txtState}, true);
    addRow(QStringLiteral("Country:"), {txtCountry}, true);

    // Keyboard order follows the rows: each coordinate's boxes, then its direction.
    QWidget *const order[] = {txtName,        cboMonth,       cboDate,  cboYear,   cboHour,
                              cboMinute,      cboTimeZone,    chkDST,   txtLatD,   txtLatM,
                              optLatSouth[0], optLatSouth[1], txtLonD,  txtLonM,   optLongEast[0],
                              optLongEast[1], txtCity,        txtState, txtCountry};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    Command1 = new QPushButton(QStringLiteral("Click here to find Latitude && Longitude"), central);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, &BirthForm::SearchCoordinates);
    outer->addWidget(Command1);

    auto *buttons = new QHBoxLayout;
    cmdCalculate = new QPushButton(QStringLiteral("&Get My Starloom Reading"), central);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    cmdCalculate->setDefault(false);
    cmdOpen = new QPushButton(QStringLiteral("&Open Previously Saved Reading"), central);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    // The platform's Open keys press the button; its caption keeps its own Alt key.
    auto *openKeys = new QShortcut(QKeySequence::Open, this);
    connect(openKeys, &QShortcut::activated, cmdOpen, &QPushButton::click);
    cmdOpen->setToolTip(openKeys->key().toString(QKeySequence::NativeText));
    buttons->addWidget(cmdCalculate);
    buttons->addWidget(cmdOpen);
    outer->addLayout(buttons);
    // Return and Enter press a focused button, as Space does.
    for (QPushButton *button : {Command1, cmdCalculate, cmdOpen})
        button->setAutoDefault(true);
    connect(cmdCalculate, &QPushButton::clicked, this, &BirthForm::calculateRequested);
    connect(cmdOpen, &QPushButton::clicked, this, &BirthForm::openRequested);

    auto *label1 = new QLabel(
        QStringLiteral("Know what the distribution of the planets in your natal chart mean "
                       "with QM Starloom."),
        central);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);
    outer->addWidget(label1);

    // One stop for Tab in either direction, followed with Return, Enter or Space. (A rich
    // text label with a keyboard link holds Shift+Tab on its link for ever.)
    auto *label8 = new LinkLabel(
        QStringLiteral("Talk about your chart with other readers in our discussion forum"),
        central);
    label8->setObjectName(QStringLiteral("Label8"));
    QFont underlined = label8->font();
    underlined.setUnderline(true);
    label8->setFont(underlined);
    QPalette linkColour = label8->palette();
    linkColour.setColor(QPalette::WindowText, linkColour.color(QPalette::Link));
    label8->setPalette(linkColour);
    connect(label8, &LinkLabel::clicked, this, [this] { OpenHomePage(*services_.links); });
    outer->addWidget(label8, 0, Qt::AlignLeft);
}

void BirthForm::buildMenus() {
    auto addAction = [](QMenu *menu, const char *name, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(addAction(file, "mnuCalculate", QStringLiteral("Get My Natal &Chart")),
            &QAction::triggered, this, &BirthForm::calculateRequested);
    file->addSeparator();
    QAction *exit = addAction(file, "mnuExit", QStringLiteral("&Exit"));
    exit->setShortcuts(QuitKeys());
    connect(exit, &QAction::triggered, this, &BirthForm::close);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(addAction(help, "mnuOnline", QStringLiteral("&Online Help")), &QAction::triggered, this,
            [this] { OpenOnlineHelpPage(*services_.links); });
    connect(addAction(help, "mnuVisit", QStringLiteral("&Visit Us Online")), &QAction::triggered,
            this, [this] { OpenHomePage(*services_.links); });
    help->addSeparator();
    connect(addAction(help, "mnuUpdate", QStringLiteral("Check for Software &Update")),
            &QAction::triggered, this, [this] { OpenDownloadPage(*services_.links); });
    help->addSeparator();
    connect(addAction(help, "mnuAbout", QStringLiteral("&About Software")), &QAction::triggered,
            this, &BirthForm::aboutRequested);
}

void BirthForm::loadForm() {
    for (int day = 1; day <= 31; ++day)
        cboDate->addItem(QString::number(day));
    for (const char *month : kMonthNames)
        cboMonth->addItem(QLatin1String(month));
    for (int year = kFirstYear; year <= kLastYear; ++year)
        cboYear->addItem(QString::number(year));
    for (int hour = 0; hour <= 23; ++hour)
        cboHour->addItem(QString::number(hour));
    for (int minute = 0; minute <= 59; ++minute)
        cboMinute->addItem(QString::number(minute));
    BuildTimeZoneTables(state_.Zones);
    for (int zone = 0; zone < kZoneCount; ++zone)
        cboTimeZone->addItem(QString::fromStdString(state_.Zones.ZoneNames[zone]));
    FillBodyNames(state_.BodyNames);
    cboDate->setCurrentIndex(0);
    cboMonth->setCurrentIndex(0);
    cboYear->setCurrentIndex(kStartYearPosition);
    cboHour->setCurrentIndex(0);
    cboMinute->setCurrentIndex(0);
    cboTimeZone->setCurrentIndex(0);
}

bool BirthForm::refuse(const QString &message, QWidget *focus) {
    services_.dialogs->showMessage(this, kProgramTitle, message, MessageIcon::Error);
    if (focus != nullptr)
        focus->setFocus();
    return false;
}

bool BirthForm::ValidateInput() {
    const std::optional<Refusal> refusal = CheckFormValues(values());
    if (!refusal)
        return true;
    services_.dialogs->showMessage(this, kProgramTitle, refusal->message, refusal->icon);
    if (refusal->field == FormField::LatDirection)
        optLatSouth[0]->setChecked(true);
    else if (refusal->field == FormField::LonDirection)
        optLongEast[0]->setChecked(true);
    else if (QWidget *focus = widgetOf(refusal->field))
        focus->setFocus();
    return false;
}

QWidget *BirthForm::widgetOf(FormField field) const {
    switch (field) {
    case FormField::Name:
        return txtName;
    case FormField::LatDegrees:
        return txtLatD;
    case FormField::LatMinutes:
        return txtLatM;
    case FormField::LonDegrees:
        return txtLonD;
    case FormField::LonMinutes:
        return txtLonM;
    case FormField::City:
        return txtCity;
    case FormField::State:
        return txtState;
    case FormField::Country:
        return txtCountry;
    case FormField::None:
    case FormField::LatDirection:
    case FormField::LonDirection:
        break;
    }
    return nullptr;
}

FormValues BirthForm::values() const {
    FormValues v;
    v.name = txtName->text();
    v.monthPosition = cboMonth->currentIndex();
    v.dayText = cboDate->currentText();
    v.yearText = cboYear->currentText();
    v.hourText = cboHour->currentText();
    v.minuteText = cboMinute->currentText();
    v.zonePosition = cboTimeZone->currentIndex();
    v.dst = chkDST->checkState() != Qt::Unchecked; // ticked or greyed
    v.latDegrees = txtLatD->text();
    v.latMinutes = txtLatM->text();
    v.lonDegrees = txtLonD->text();
    v.lonMinutes = txtLonM->text();
    v.latDirection = latitudeGroup_->checkedId();
    v.lonDirection = longitudeGroup_->checkedId();
    v.city = txtCity->text();
    v.state = txtState->text();
    v.country = txtCountry->text();
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
    txtName->setText(v.name);
    SelectPosition(cboMonth, v.monthPosition);
    SelectText(cboDate, v.dayText);
    SelectText(cboYear, v.yearText);
    SelectText(cboHour, v.hourText);
    SelectText(cboMinute, v.minuteText);
    SelectPosition(cboTimeZone, v.zonePosition);
    chkDST->setCheckState(v.dst ? Qt::Checked : Qt::Unchecked);
    txtLatD->setText(v.latDegrees);
    txtLatM->setText(v.latMinutes);
    txtLonD->setText(v.lonDegrees);
    txtLonM->setText(v.lonMinutes);
    if (v.latDirection == 0 || v.latDirection == 1)
        optLatSouth[v.latDirection]->setChecked(true);
    if (v.lonDirection == 0 || v.lonDirection == 1)
        optLongEast[v.lonDirection]->setChecked(true);
    txtCity->setText(v.city);
    txtState->setText(v.state);
    txtCountry->setText(v.country);
}

void BirthForm::SearchCoordinates() {
    if (txtCity->text().isEmpty()) {
        refuse(QStringLiteral("Please Enter City"), txtCity);
        return;
    }
    if (txtState->text().isEmpty()) {
        refuse(QStringLiteral("Please Enter State"), txtState);
        return;
    }
    if (txtCountry->text().isEmpty()) {
        refuse(QStringLiteral("Please Enter Country"), txtCountry);
        return;
    }
    OpenWebSearch(*services_.links, txtCity->text() + QLatin1Char(' ') + txtState->text() +
                                        QLatin1Char(' ') + txtCountry->text() +
                                        QStringLiteral(" Latitude Longitude"));
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

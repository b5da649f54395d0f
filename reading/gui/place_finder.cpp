// Birthplaces from the atlas on the form.
#include "reading/gui/place_finder.h"

#include "reading/gui/birth_form.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QStandardItemModel>

namespace starloom {

namespace {
constexpr int kOfferedPlaces = 12; // rows in the completer's list
constexpr int kAtlasIndexRole = Qt::UserRole + 1;
} // namespace

PlaceFinder::PlaceFinder(BirthForm &form, const Atlas *atlas)
    : QObject(&form), m_form(form), m_atlas(atlas), m_completer(new QCompleter(this)),
      m_offers(new QStandardItemModel(this)) {
    if (m_atlas == nullptr) {
        // Reading the atlas takes a few tenths of a second: do it off the user's thread,
        // and offer nothing until it is there rather than make a keystroke wait.
        m_loading = std::async(std::launch::async, [] { return &Atlas::shared(); }).share();
    }
    m_completer->setModel(m_offers);
    // The offer is already filtered and ordered (largest places first); the completer only
    // shows it, and puts the bare city name into the box.
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setCompletionRole(Qt::EditRole);
    m_completer->setMaxVisibleItems(kOfferedPlaces);
    m_form.attachCityCompleter(m_completer);
    connect(&m_form, &BirthForm::cityEdited, this, &PlaceFinder::offerPlaces);
    connect(m_completer, qOverload<const QModelIndex &>(&QCompleter::activated), this,
            [this](const QModelIndex &index) { choosePlace(index.row()); });
    connect(&m_form, &BirthForm::birthTimeChanged, this, &PlaceFinder::followZone);
    // Only the user's own choices are hand choices, never the atlas or an opened file
    // setting the controls.
    connect(&m_form, &BirthForm::zoneSetByHand, this, [this] {
        m_handZone = true;
        refreshNotice();
    });
    connect(&m_form, &BirthForm::zoneChanged, this, &PlaceFinder::refreshNotice);
    connect(&m_form, &BirthForm::languageChanged, this, &PlaceFinder::refreshNotice);
    connect(&m_form, &BirthForm::cityLeft, this, [this] {
        if (m_completer->popup()->isVisible())
            return;
        m_notFromAtlas = !m_form.values().city.isEmpty() && !chosenPlace().has_value();
        refreshNotice();
    });
    m_completer->popup()->installEventFilter(this);
    connect(&m_form, &BirthForm::closing, this,
            [this] { m_completer->popup()->removeEventFilter(this); });
    showNotice(QString());
}

PlaceFinder::~PlaceFinder() = default;

void PlaceFinder::showNotice(const QString &text) {
    m_form.showZoneNotice(text);
}

const Atlas *PlaceFinder::atlas() const {
    if (m_atlas != nullptr)
        return m_atlas;
    if (m_loading.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return nullptr;
    return m_loading.get();
}

int PlaceFinder::highlightedOffer() const {
    if (m_offered.empty())
        return -1;
    const QModelIndex current = m_completer->popup()->currentIndex();
    return current.isValid() ? current.row() : 0;
}

bool PlaceFinder::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_completer->popup() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool take = key == Qt::Key_Tab || key == Qt::Key_Return || key == Qt::Key_Enter;
        const int offer = highlightedOffer();
        if (take && offer >= 0 && m_completer->popup()->isVisible()) {
            m_completer->popup()->hide();
            choosePlace(offer);
            if (key == Qt::Key_Tab)
                m_form.focusField(FormField::State, Qt::TabFocusReason); // Tab still moves on
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PlaceFinder::offerPlaces(const QString &typed) {
    m_chosen = -1; // a typed city is the user's own, not the atlas's
    refreshNotice();
    m_offers->clear();
    m_offered.clear();
    const Atlas *places = atlas();
    if (places != nullptr)
        m_offered = places->startingWith(typed, kOfferedPlaces);
    for (const int index : m_offered) {
        const AtlasPlace &place = places->place(index);
        auto *item = new QStandardItem(place.label());
        item->setData(place.name, Qt::EditRole);
        item->setData(place.label(), Qt::DisplayRole);
        item->setData(index, kAtlasIndexRole);
        m_offers->appendRow(item);
    }
    if (m_offered.empty())
        m_completer->popup()->hide();
    else
        m_completer->complete();
}

void PlaceFinder::choosePlace(int offered) {
    if (offered < 0 || offered >= static_cast<int>(m_offered.size()))
        return;
    m_chosen = m_offered[offered];
    m_handZone = false; // a place chosen again hands the zone back to the atlas
    m_notFromAtlas = false;
    const AtlasPlace &place = atlas()->place(m_chosen); // offered, so the atlas is there
    m_zone = QTimeZone(place.timeZone.toUtf8());
    m_form.setPlace(place);
    followZone();
}

std::optional<AtlasPlace> PlaceFinder::chosenPlace() const {
    if (m_chosen < 0 || m_form.values().city != atlas()->place(m_chosen).name)
        return std::nullopt; // m_chosen is set only from an offer, so the atlas is there
    return atlas()->place(m_chosen);
}

std::optional<ZoneAdvice> PlaceFinder::adviceForForm() const {
    const std::optional<AtlasPlace> place = chosenPlace();
    if (!place)
        return std::nullopt;
    const FormValues values = m_form.values();
    const QDate date(values.yearText.toInt(), values.monthPosition + 1, values.dayText.toInt());
    const QTime time(values.hourText.toInt(), values.minuteText.toInt());
    if (!date.isValid())
        return std::nullopt; // 30 February: the form's own check says so on Calculate
    if (!m_zone.isValid())
        return AdviseZone(place->timeZone, date, time);
    return AdviseZone(m_zone, date, time);
}

void PlaceFinder::followZone() {
    const std::optional<ZoneAdvice> advice = adviceForForm();
    if (advice && !m_handZone && advice->zonePosition >= 0) {
        // The notice is said once, below, for the finished form.
        m_following = true;
        m_form.chooseZone(advice->zonePosition, advice->dstTick);
        m_following = false;
    }
    sayNotice(advice);
}

void PlaceFinder::forgetPlace() {
    m_chosen = -1;
    m_handZone = false;
    m_notFromAtlas = false;
    m_offers->clear();
    m_offered.clear();
    refreshNotice();
}

bool PlaceFinder::zoneFromAtlas() const {
    if (m_handZone)
        return false;
    const std::optional<ZoneAdvice> advice = adviceForForm();
    const FormValues values = m_form.values();
    return advice && advice->zonePosition == values.zonePosition && advice->dstTick == values.dst;
}

void PlaceFinder::refreshNotice() {
    if (!m_following)
        sayNotice(adviceForForm());
}

void PlaceFinder::sayNotice(const std::optional<ZoneAdvice> &advice) {
    QStringList notes;
    const FormValues values = m_form.values();
    const int position = values.zonePosition;
    const bool ticked = values.dst;
    if (advice) {
        const int formOffset =
            ZoneEntryOffsetMinutes(position, ticked, values.lonDegrees.toInt(),
                                   values.lonMinutes.toInt(), values.lonDirection == 0);
        if (m_handZone && advice->zonePosition >= 0 && formOffset != advice->offsetMinutes) {
            notes << tr("For %1 on this date the atlas gives %2; your choice is kept.")
                         .arg(chosenPlace()->name,
                              DescribeZone(advice->zonePosition, advice->dstTick,
                                           advice->offsetMinutes));
        }
        if (!m_handZone || advice->zonePosition < 0)
            notes << advice->notice;
        else if (!advice->timeNote.isEmpty())
            notes << advice->timeNote;
    }
    if (ticked && IsSeasonalZoneEntry(position))
        notes << tr("%1 with Daylight Saving Time ticked: daylight time counted twice?")
                     .arg(ZoneEntryWord(position));
    if (m_notFromAtlas)
        notes << tr("Not from the atlas: coordinates and zone are yours to set");
    notes.removeAll(QString());
    showNotice(notes.join(QLatin1Char(' ')));
}

} // namespace starloom

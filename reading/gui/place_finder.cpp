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
    : QObject(&form), form_(form), atlas_(atlas), completer_(new QCompleter(this)),
      offers_(new QStandardItemModel(this)) {
    if (atlas_ == nullptr) {
        // Reading the atlas takes a few tenths of a second: do it off the user's thread,
        // and offer nothing until it is there rather than make a keystroke wait.
        loading_ = std::async(std::launch::async, [] { return &Atlas::shared(); }).share();
    }
    completer_->setModel(offers_);
    // The offer is already filtered and ordered (largest places first); the completer only
    // shows it, and puts the bare city name into the box.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setCompletionRole(Qt::EditRole);
    completer_->setMaxVisibleItems(kOfferedPlaces);
    form_.attachCityCompleter(completer_);
    connect(&form_, &BirthForm::cityEdited, this, &PlaceFinder::offerPlaces);
    connect(completer_, qOverload<const QModelIndex &>(&QCompleter::activated), this,
            [this](const QModelIndex &index) { choosePlace(index.row()); });
    connect(&form_, &BirthForm::birthTimeChanged, this, &PlaceFinder::followZone);
    // Only the user's own choices are hand choices, never the atlas or an opened file
    // setting the controls.
    connect(&form_, &BirthForm::zoneSetByHand, this, [this] {
        handZone_ = true;
        refreshNotice();
    });
    connect(&form_, &BirthForm::zoneChanged, this, &PlaceFinder::refreshNotice);
    connect(&form_, &BirthForm::cityLeft, this, [this] {
        if (completer_->popup()->isVisible())
            return;
        notFromAtlas_ = !form_.values().city.isEmpty() && !chosenPlace().has_value();
        refreshNotice();
    });
    completer_->popup()->installEventFilter(this);
    connect(&form_, &BirthForm::closing, this,
            [this] { completer_->popup()->removeEventFilter(this); });
    showNotice(QString());
}

PlaceFinder::~PlaceFinder() = default;

void PlaceFinder::showNotice(const QString &text) {
    form_.showZoneNotice(text);
}

const Atlas *PlaceFinder::atlas() const {
    if (atlas_ != nullptr)
        return atlas_;
    if (loading_.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return nullptr;
    return loading_.get();
}

int PlaceFinder::highlightedOffer() const {
    if (offered_.empty())
        return -1;
    const QModelIndex current = completer_->popup()->currentIndex();
    return current.isValid() ? current.row() : 0;
}

bool PlaceFinder::eventFilter(QObject *watched, QEvent *event) {
    if (watched == completer_->popup() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool take = key == Qt::Key_Tab || key == Qt::Key_Return || key == Qt::Key_Enter;
        const int offer = highlightedOffer();
        if (take && offer >= 0 && completer_->popup()->isVisible()) {
            completer_->popup()->hide();
            choosePlace(offer);
            if (key == Qt::Key_Tab)
                form_.focusField(FormField::State, Qt::TabFocusReason); // Tab still moves on
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PlaceFinder::offerPlaces(const QString &typed) {
    chosen_ = -1; // a typed city is the user's own, not the atlas's
    refreshNotice();
    offers_->clear();
    offered_.clear();
    const Atlas *places = atlas();
    if (places != nullptr)
        offered_ = places->startingWith(typed, kOfferedPlaces);
    for (const int index : offered_) {
        const AtlasPlace &place = places->place(index);
        auto *item = new QStandardItem(place.label());
        item->setData(place.name, Qt::EditRole);
        item->setData(place.label(), Qt::DisplayRole);
        item->setData(index, kAtlasIndexRole);
        offers_->appendRow(item);
    }
    if (offered_.empty())
        completer_->popup()->hide();
    else
        completer_->complete();
}

void PlaceFinder::choosePlace(int offered) {
    if (offered < 0 || offered >= static_cast<int>(offered_.size()))
        return;
    chosen_ = offered_[offered];
    handZone_ = false; // a place chosen again hands the zone back to the atlas
    notFromAtlas_ = false;
    const AtlasPlace &place = atlas()->place(chosen_); // offered, so the atlas is there
    zone_ = QTimeZone(place.timeZone.toUtf8());
    form_.setPlace(place);
    followZone();
}

std::optional<AtlasPlace> PlaceFinder::chosenPlace() const {
    if (chosen_ < 0 || form_.values().city != atlas()->place(chosen_).name)
        return std::nullopt; // chosen_ is set only from an offer, so the atlas is there
    return atlas()->place(chosen_);
}

std::optional<ZoneAdvice> PlaceFinder::adviceForForm() const {
    const std::optional<AtlasPlace> place = chosenPlace();
    if (!place)
        return std::nullopt;
    const FormValues values = form_.values();
    const QDate date(values.yearText.toInt(), values.monthPosition + 1, values.dayText.toInt());
    const QTime time(values.hourText.toInt(), values.minuteText.toInt());
    if (!date.isValid())
        return std::nullopt; // 30 February: the form's own check says so on Calculate
    if (!zone_.isValid())
        return AdviseZone(place->timeZone, date, time);
    return AdviseZone(zone_, date, time);
}

void PlaceFinder::followZone() {
    const std::optional<ZoneAdvice> advice = adviceForForm();
    if (advice && !handZone_ && advice->zonePosition >= 0) {
        // The notice is said once, below, for the finished form.
        following_ = true;
        form_.chooseZone(advice->zonePosition, advice->dstTick);
        following_ = false;
    }
    sayNotice(advice);
}

bool PlaceFinder::zoneFromAtlas() const {
    if (handZone_)
        return false;
    const std::optional<ZoneAdvice> advice = adviceForForm();
    const FormValues values = form_.values();
    return advice && advice->zonePosition == values.zonePosition && advice->dstTick == values.dst;
}

void PlaceFinder::refreshNotice() {
    if (!following_)
        sayNotice(adviceForForm());
}

void PlaceFinder::sayNotice(const std::optional<ZoneAdvice> &advice) {
    QStringList notes;
    const FormValues values = form_.values();
    const int position = values.zonePosition;
    const bool ticked = values.dst;
    if (advice) {
        const int formOffset =
            ZoneEntryOffsetMinutes(position, ticked, values.lonDegrees.toInt(),
                                   values.lonMinutes.toInt(), values.lonDirection == 0);
        if (handZone_ && advice->zonePosition >= 0 && formOffset != advice->offsetMinutes) {
            notes << QStringLiteral("For %1 on this date the atlas gives %2; your choice is kept.")
                         .arg(chosenPlace()->name,
                              DescribeZone(advice->zonePosition, advice->dstTick,
                                           advice->offsetMinutes));
        }
        if (!handZone_ || advice->zonePosition < 0)
            notes << advice->notice;
        else if (!advice->timeNote.isEmpty())
            notes << advice->timeNote;
    }
    if (ticked && IsSeasonalZoneEntry(position))
        notes << QStringLiteral("%1 with Daylight Saving Time ticked: daylight time counted twice?")
                     .arg(ZoneEntryName(position));
    if (notFromAtlas_)
        notes << QStringLiteral("Not from the atlas: coordinates and zone are yours to set");
    notes.removeAll(QString());
    showNotice(notes.join(QLatin1Char(' ')));
}

} // namespace starloom

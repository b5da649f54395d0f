// Birthplaces from the offline atlas on the birth-data form: typing a city offers matching
// places, choosing one fills the place and its coordinates, and the zone list and the
// daylight-saving box follow what the zone database says for the date and time entered,
// until the user sets either of them by hand.
#pragma once

#include "reading/atlas.h"

#include <QObject>

#include <future>
#include <optional>
#include <vector>

class QCompleter;
class QStandardItemModel;

namespace starloom {

class BirthForm;

class PlaceFinder final : public QObject {
    Q_OBJECT
public:
    // Works on the form's place, date and zone, and says what it finds under the form's
    // zone list. The atlas is read in the background so that the form comes up at once.
    explicit PlaceFinder(BirthForm &form, const Atlas *atlas = nullptr);
    ~PlaceFinder() override;

    // Offers the places whose name starts with the text (what typing does).
    void offerPlaces(const QString &typed);
    // Takes one of the offered places, by its position in the offer (what choosing does).
    void choosePlace(int offered);
    // The place last chosen, while the city box still holds its name.
    std::optional<AtlasPlace> chosenPlace() const;
    // What the zone database says for the chosen place at the form's date and time.
    std::optional<ZoneAdvice> adviceForForm() const;
    // True while the zone and the tick are the atlas's for the chosen place; false once the
    // user has set either by hand, or with no place from the atlas.
    bool zoneFromAtlas() const;
    // A blank form: no place chosen, nothing set by hand, nothing to say.
    void forgetPlace();

    QCompleter *completer() const { return m_completer; }

protected:
    // Tab and Return in the list of offered places take the highlighted place.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The atlas, or null while it is still being read.
    const Atlas *atlas() const;
    void followZone();
    void showNotice(const QString &text);
    // Says under the zone list what the user should know about the zone as it stands.
    void refreshNotice();
    void sayNotice(const std::optional<ZoneAdvice> &advice);
    // The highlighted offer, or the first when none is; -1 when nothing is offered.
    int highlightedOffer() const;

    BirthForm &m_form;
    const Atlas *m_atlas;
    std::shared_future<const Atlas *> m_loading; // the shared atlas, read in the background
    QCompleter *m_completer;
    QStandardItemModel *m_offers;
    std::vector<int> m_offered;
    int m_chosen = -1;
    QTimeZone m_zone;            // the chosen place's
    bool m_handZone = false;     // the zone or the tick was set by hand since the place was chosen
    bool m_notFromAtlas = false; // the city box was left holding a name not from the atlas
    bool m_following = false;    // the zone list and the tick are being set from the atlas
};

} // namespace starloom

// Birthplaces from the offline atlas on the birth-data form: typing a city offers matching
// places, choosing one fills the place and its coordinates, and the zone list and the
// daylight-saving box follow what the zone database says for the date and time entered.
#pragma once

#include "reading/atlas.h"

#include <QObject>

#include <future>
#include <optional>
#include <vector>

class QCompleter;
class QLabel;
class QStandardItemModel;

namespace starloom {

class BirthForm;

class PlaceFinder final : public QObject {
    Q_OBJECT
public:
    // Works on the form's boxes and lists; `notice` is the line under the zone list. The
    // atlas is read in the background so that the form comes up at once.
    PlaceFinder(BirthForm &form, QLabel *notice, const Atlas *atlas = nullptr);
    ~PlaceFinder() override;

    // Offers the places whose name starts with the text (what typing does).
    void offerPlaces(const QString &typed);
    // Takes one of the offered places, by its position in the offer (what choosing does).
    void choosePlace(int offered);
    // The place last chosen, while the city box still holds its name.
    std::optional<AtlasPlace> chosenPlace() const;
    // What the zone database says for the chosen place at the form's date and time.
    std::optional<ZoneAdvice> adviceForForm() const;

    QCompleter *completer() const { return completer_; }

private:
    // The atlas, or null while it is still being read.
    const Atlas *atlas() const;
    void followZone();
    void showNotice(const QString &text);

    BirthForm &form_;
    QLabel *notice_;
    const Atlas *atlas_;
    std::shared_future<const Atlas *> loading_; // the shared atlas, read in the background
    QCompleter *completer_;
    QStandardItemModel *offers_;
    std::vector<int> offered_;
    int chosen_ = -1;
};

} // namespace starloom

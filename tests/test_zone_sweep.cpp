// Every time zone the atlas uses, through the birth-data form: the universal time that the
// zone and daylight-saving choice the form makes for a place gives must be the time-zone
// database's, for noon on 1 January and 1 July of every fifth year and for the hour after
// each of the zone's changes, 1901 to 2050; or, where the zone list has no entry of the
// database's offset, a notice that says so.
#include "engine/time_scale.h"
#include "reading/atlas.h"
#include "reading/form_values.h"
#include "reading/gui/birth_form.h"
#include "reading/gui/place_finder.h"
#include "support/form_controls.h"
#include "support/scripted_services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <cmath>
#include <map>

using namespace starloom;
using namespace starloom::testing;

namespace {

constexpr qint64 kHalfMinute = 30; // seconds: the form works in whole minutes

// The most populous place of each time zone the atlas uses.
std::vector<AtlasPlace> OnePlacePerZone() {
    const Atlas &atlas = Atlas::shared();
    std::map<QString, int> best;
    for (int i = 0; i < atlas.size(); ++i) {
        const auto [it, added] = best.emplace(atlas.place(i).timeZone, i);
        if (!added && atlas.place(i).population > atlas.place(it->second).population)
            it->second = i;
    }
    std::vector<AtlasPlace> places;
    for (const auto &[zone, index] : best)
        places.push_back(atlas.place(index));
    return places;
}

// The database's reading of a local clock time: the instants whose offset shows that time
// on the clock, the first of them when there are two.
std::optional<qint64> DatabaseInstant(const QTimeZone &zone, const QDateTime &wall) {
    const qint64 asUtc = QDateTime(wall.date(), wall.time(), Qt::UTC).toSecsSinceEpoch();
    std::optional<qint64> first;
    for (const int days : {-1, 0, 1}) {
        const qint64 candidate =
            asUtc -
            zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(asUtc + days * 86400, Qt::UTC));
        if (zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(candidate, Qt::UTC)) ==
                asUtc - candidate &&
            (!first || candidate < *first))
            first = candidate;
    }
    return first;
}

void SetList(QComboBox *list, const QString &text) {
    list->setCurrentIndex(list->findText(text));
}

} // namespace

class TestZoneSweep : public QObject {
    Q_OBJECT
private slots:
    void everyZoneOfTheAtlas();
};

void TestZoneSweep::everyZoneOfTheAtlas() {
    const Atlas atlas(OnePlacePerZone());
    QVERIFY(atlas.size() > 300);
    ReadingState state;
    ScriptedShell shell;
    BirthForm form(state, shell.services());
    PlaceFinder finder(form, &atlas);
    BuildTimeZoneTables(state.Zones);

    int cases = 0;
    int wrong = 0;
    int told = 0;         // offsets the list lacks, said so
    QStringList failures; // the first few
    for (int p = 0; p < atlas.size(); ++p) {
        const AtlasPlace &place = atlas.place(p);
        const QTimeZone zone(place.timeZone.toUtf8());
        QVERIFY2(zone.isValid(), qPrintable(place.timeZone));
        // Choose the place the way the form offers it.
        finder.offerPlaces(place.name);
        const QAbstractItemModel *offer = finder.completer()->model();
        int row = 0;
        while (row < offer->rowCount() && offer->index(row, 0).data().toString() != place.label())
            ++row;
        QVERIFY2(row < offer->rowCount(), qPrintable(place.label()));
        finder.choosePlace(row);

        std::vector<QDateTime> walls;
        for (int year = 1901; year <= 2050; year += 5) {
            walls.emplace_back(QDate(year, 1, 1), QTime(12, 0));
            walls.emplace_back(QDate(year, 7, 1), QTime(12, 0));
        }
        const QDateTime from(QDate(1901, 1, 1), QTime(0, 0), Qt::UTC);
        const QDateTime to(QDate(2051, 1, 1), QTime(0, 0), Qt::UTC);
        for (const QTimeZone::OffsetData &change : zone.transitions(from, to)) {
            const QDateTime after = change.atUtc.addSecs(3600);
            const QDateTime local = after.addSecs(zone.offsetFromUtc(after));
            const QDateTime wall(local.date(), QTime(local.time().hour(), local.time().minute()));
            if (wall.date().year() >= 1901 && wall.date().year() <= 2050)
                walls.push_back(wall);
        }

        for (const QDateTime &wall : walls) {
            SetList(Controls(form).cboYear, QString::number(wall.date().year()));
            Controls(form).cboMonth->setCurrentIndex(wall.date().month() - 1);
            SetList(Controls(form).cboDate, QString::number(wall.date().day()));
            SetList(Controls(form).cboHour, QString::number(wall.time().hour()));
            SetList(Controls(form).cboMinute, QString::number(wall.time().minute()));
            ReadValuesIntoRecord(form.values(), state);
            const CivilDateTime ut = UniversalDateTime(state.Birth);
            const qint64 formInstant =
                QDateTime(QDate(ut.year, ut.month, ut.day), QTime(ut.hour, ut.minute), Qt::UTC)
                    .toSecsSinceEpoch();
            const std::optional<qint64> instant = DatabaseInstant(zone, wall);
            ++cases;
            bool right = false;
            if (instant && zone.abbreviation(QDateTime::fromSecsSinceEpoch(*instant, Qt::UTC)) ==
                               QStringLiteral("LMT")) {
                // Before standard time the place's own mean time: 4 minutes per degree of
                // longitude east of Greenwich, rounded to the minute.
                const double lon = Controls(form).txtLonD->text().toInt() +
                                   Controls(form).txtLonM->text().toInt() / 60.0;
                const qint64 lmt =
                    std::lround(lon * 4.0) * (Controls(form).optLongEast[0]->isChecked() ? 1 : -1);
                const qint64 expected =
                    QDateTime(wall.date(), wall.time(), Qt::UTC).toSecsSinceEpoch() - lmt * 60;
                right = ZonePosition(Controls(form).cboTimeZone) == kLocalMeanTimePosition &&
                        formInstant == expected;
            } else if (instant) {
                right = std::llabs(formInstant - *instant) <= kHalfMinute;
            }
            if (right)
                continue;
            // An offset the list lacks (Pitcairn's UTC-08:30 until 1998) is said under the
            // list, never replaced by another zone in silence.
            const std::optional<ZoneAdvice> advice = finder.adviceForForm();
            if (advice && advice->zonePosition < 0 &&
                Controls(form).lblZoneNotice->text().contains(
                    QStringLiteral("No zone in the list has"))) {
                ++told;
                continue;
            }
            ++wrong;
            if (failures.size() < 20)
                failures << QStringLiteral("%1 %2: form %3 (%4, tick %5), database %6")
                                .arg(place.timeZone, wall.toString(Qt::ISODate))
                                .arg(QDateTime::fromSecsSinceEpoch(formInstant, Qt::UTC)
                                         .toString(Qt::ISODate))
                                .arg(ZoneTableText(Controls(form).cboTimeZone))
                                .arg(Controls(form).chkDST->isChecked())
                                .arg(instant ? QDateTime::fromSecsSinceEpoch(*instant, Qt::UTC)
                                                   .toString(Qt::ISODate)
                                             : QStringLiteral("none"));
        }
    }
    qInfo("%d zones, %d cases, %d wrong, %d told the list lacks the offset: %.3f%% right",
          atlas.size(), cases, wrong, told, 100.0 * (cases - wrong - told) / cases);
    QVERIFY2(wrong == 0, qPrintable(failures.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestZoneSweep)
#include "test_zone_sweep.moc"

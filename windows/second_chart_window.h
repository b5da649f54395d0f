// A second chart over the open natal chart: the transits of a moment, the secondary
// progressions or the solar arc directions to a date, or a second person's chart. The
// window shows the bi-wheel (the natal wheel inside, the second chart's points on a ring
// round it), the aspects between the two charts and, for transits, the coming transit
// events.
#pragma once

#include "engine/natal_chart.h"
#include "engine/second_chart.h"
#include "engine/transits.h"
#include "windows/natal_wheel.h"
#include "windows/reading_document.h"

#include <QDateTime>
#include <QWidget>

#include <array>
#include <vector>

class QAction;
class QActionGroup;
class QComboBox;
class QDateTimeEdit;
class QDoubleSpinBox;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace starloom {

enum class MomentStep : int { Hour = 0, Day, Week, Month, Year };
constexpr int kMomentStepCount = 5;

// A moment in days from J2000.0 (universal time) as a date and time in UTC, to the
// millisecond, and back.
QDateTime DateTimeOfDay(double utDays);
double DayOfDateTime(const QDateTime &moment);

// A moment moved by `count` steps, backwards for a negative count. Hours, days and weeks
// are fixed lengths of time; months and years are steps of the calendar in universal time
// that keep the time of day and the day of the month where the month has it (31 January
// and a month is the last day of February).
double StepMoment(double utDays, MomentStep step, int count);

// The bi-wheel: the natal picture with the second chart's ten bodies on the outer ring,
// and its ascendant and midheaven as well except for transits (whose angles are the
// place's, sweeping the zodiac once a day).
WheelPicture MakeBiWheelPicture(const WheelPicture &natal, const SecondChart &second,
                                const QString &whose);

// An event as the list shows it: "trine natal Venus", "turns retrograde", "enters Leo",
// "enters house 7".
QString TransitEventText(const TransitEvent &event);

// The bi-wheel on the screen: the picture painted as the printed reading paints it, and
// the name and degree of the outer ring's point under the mouse as a tooltip.
class BiWheel final : public QWidget {
    Q_OBJECT
public:
    explicit BiWheel(QWidget *parent = nullptr);
    void setPicture(const WheelPicture &picture);
    const WheelPicture &picture() const { return m_picture; }
    // The tooltip's text at a point of the widget: empty where no ring glyph is.
    QString toolTipAt(const QPoint &position) const;
    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    WheelPicture m_picture;
};

class SecondChartWindow final : public QWidget {
    Q_OBJECT
public:
    // A window of its own ("wndSecondChart") over `parent`, hidden until a second chart
    // is asked for.
    explicit SecondChartWindow(QWidget *parent = nullptr);
    // The editors report their last edit when they lose the focus, which they do while the
    // window is being taken apart: by then it must no longer listen.
    ~SecondChartWindow() override;

    // The chart the second charts are laid over: its numbers, its wheel, the person's
    // name, the birth place (where transits are cast until another place is entered;
    // degrees east and north) and the orbs of its own aspects (those of synastry). A
    // second chart on show is cast again over the new natal chart.
    void setNatal(const NatalChart &chart, const WheelPicture &wheel, const QString &name,
                  double eastLongitude, double latitude, const AspectOrbs &natalOrbs);
    bool hasNatal() const { return m_hasNatal; }

    // Each kind at a moment (universal time, days from J2000.0): the window shows, with
    // the kind's own orbs. False, and nothing changed, outside the precise table.
    bool showTransits(double utDays);
    bool showProgressions(double utDays);
    bool showDirections(double utDays);
    // A second person's natal chart; `name` is theirs.
    void showSynastry(const NatalChart &other, const QString &name);

    // The moment moved by steps of the chosen unit (transits, progressions, directions).
    void step(int count);
    void setStepUnit(MomentStep unit);
    MomentStep stepUnit() const { return m_stepUnit; }
    // Where transits are cast: degrees east and north.
    void setTransitPlace(double eastLongitude, double latitude);
    // The orbs of the cross aspects, until another kind is chosen.
    void setOrbs(const AspectOrbs &orbs);
    AspectOrbs orbs() const { return m_orbs; }

    bool hasChart() const { return m_hasChart; }
    SecondChartKind kind() const { return m_kind; }
    // The chosen moment: the transits' moment, the date progressions and directions are
    // for, or the second person's birth.
    double moment() const { return m_moment; }
    const SecondChart &chart() const { return m_chart; }
    const std::vector<Aspect> &crossAspects() const { return m_aspects; }
    WheelPicture picture() const;
    // The events found from the moment on, as the list shows them.
    const std::vector<TransitEvent> &events() const { return m_events; }
    // The event list follows the moment a moment after the last step, so that holding a
    // step key redraws only the wheel; this brings it up to date at once.
    void refreshEvents();

    // The second chart as the printed reading shows it; empty without a chart.
    QList<SecondChartSheet> sheets() const;
    // The Chart menu: the kinds, the steps with their keys, the step units.
    void fillMenu(QMenu *menu);
    // The title of the chart shown ("Transits for Ada") and its moment, as one line each.
    QString title() const;
    QString momentText() const;

public slots:
    void editOrbs();

private:
    void buildControls();
    void buildActions();
    bool showKind(SecondChartKind kind, double utDays);
    void showChart();
    void fillAspects();
    void fillEvents();
    void scheduleEvents();
    void momentEdited();
    void placeEdited();
    void eventActivated(QTreeWidgetItem *item);
    QString pointLabel(int point) const;

    NatalChart m_natal;
    WheelPicture m_natalWheel;
    QString m_name;
    double m_birthEast = 0, m_birthNorth = 0;
    double m_placeEast = 0, m_placeNorth = 0;
    AspectOrbs m_natalOrbs;
    bool m_hasNatal = false;

    bool m_hasChart = false;
    SecondChartKind m_kind = SecondChartKind::Transits;
    double m_moment = 0;
    SecondChart m_chart;
    NatalChart m_other; // synastry: the second person's chart
    QString m_otherName;
    std::vector<Aspect> m_aspects;
    AspectOrbs m_orbs = kMovingChartOrbs;
    MomentStep m_stepUnit = MomentStep::Day;
    std::vector<TransitEvent> m_events;
    bool m_eventsStale = true;

    QLabel *m_title = nullptr;
    QLabel *m_momentLine = nullptr;
    QDateTimeEdit *m_momentEdit = nullptr;
    QComboBox *m_unitBox = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_forward = nullptr;
    QDoubleSpinBox *m_latitude = nullptr;
    QDoubleSpinBox *m_longitude = nullptr;
    BiWheel *m_wheel = nullptr;
    QTabWidget *m_tabs = nullptr;
    QTreeWidget *m_aspectList = nullptr;
    QTreeWidget *m_eventList = nullptr;
    QTimer *m_eventsTimer = nullptr;
    std::array<QAction *, kMomentStepCount> m_unitActions{};
    QList<QAction *> m_menuActions;
};

} // namespace starloom

// The birth-data form: where every reading begins. The user types one person's name,
// date and clock time of birth, zone, daylight saving, coordinates and birthplace, then
// asks for the reading.
#pragma once

#include "reading/atlas.h"
#include "reading/form_values.h"
#include "reading/reading_state.h"
#include "shell/services.h"

#include <QMainWindow>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QCompleter;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScreen;
class QVBoxLayout;

namespace starloom {

class BirthForm final : public QMainWindow {
    Q_OBJECT
public:
    // Builds the form and runs its load step: the lists, the zone tables, the body names
    // and the start selections (1 January 1906, 0:00, the first zone).
    BirthForm(ReadingState &state, ShellServices services, QWidget *parent = nullptr);
    // Says closing() first, while every control still exists.
    ~BirthForm() override;

    // The checks that run before every calculation. Shows the first failure's message,
    // moves the focus (or the direction choice) as the failure asks, and returns false;
    // true when the form may be calculated.
    bool ValidateInput();

    // The form's contents as plain values, and the reverse: a list entry that is not in
    // the list leaves the list as it was; texts go into their boxes as they stand (the
    // coordinate boxes keep their first three characters).
    FormValues values() const;
    void setValues(const FormValues &values);
    // Every control back at its start: empty boxes, 1 January 1906, 0:00, the first zone,
    // no direction chosen, daylight saving clear, no notice.
    void startAfresh();
    // Shows the form whole on `screen` (its own when null), centred there, with the focus.
    void showCentredOn(QScreen *screen);

    // The coordinate search: opens a web search for the birthplace's latitude and
    // longitude once city, state and country are filled in.
    void SearchCoordinates();

    // A place from the atlas: its name, state, country, coordinates and their directions go
    // into their boxes as they are (only typing goes through the keystroke filters).
    void setPlace(const AtlasPlace &place);
    // Sets the zone list to `position` and the daylight-saving tick.
    void chooseZone(int position, bool dst);
    // The line under the zone list; it is shown only while it has something to say.
    void showZoneNotice(const QString &text);
    // Offers `completer`'s places under the city box as the user types, and from then on
    // says cityLeft() when the box loses the focus.
    void attachCityCompleter(QCompleter *completer);
    // Puts the keyboard focus on the box (or the direction) of `field`.
    void focusField(FormField field, Qt::FocusReason reason = Qt::OtherFocusReason);

signals:
    // The form is being destroyed: helpers watching its controls let go of them now, as
    // the controls send their last events while they are taken down.
    void closing();
    void calculateRequested(); // Calculate button or File > Get My Natal Chart
    void openRequested();      // Open Previously Saved Reading
    void aboutRequested();     // Help > About Software
    void exitRequested();      // File > Exit or the close box: the program ends

    // One local file was dropped on the form.
    void fileDropped(const QString &path);

    // What the user does to the birthplace, the date and the zone. The user's own text in
    // the city box:
    void cityEdited(const QString &text);
    // The city box lost the focus, other than to the list of offered places.
    void cityLeft();
    // The date or the clock time of birth changed, whoever changed it.
    void birthTimeChanged();
    // The zone list or the daylight-saving tick changed, whoever changed it.
    void zoneChanged();
    // The user picked a zone or clicked the tick (never the program setting them).
    void zoneSetByHand();
    // The program's language changed and the form's own texts are in it now; what others
    // put on the form (the zone notice) is theirs to say again.
    void languageChanged();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // A drag that carries exactly one local file is accepted; dropping it emits fileDropped.
    // Which files are readings is for the open step to judge, with its own messages.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Return or Enter that no control took (a box, a list, a choice) asks for the reading.
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The controls, built in this order by buildControls().
    void buildControls();
    void createInputs(QWidget *central);
    void colourZoneNotice();
    void forwardUserChanges();
    void createKeystrokeFilters();
    void layOutInputs(QWidget *central, QGridLayout *grid);
    void createButtons(QWidget *central, QVBoxLayout *outer);
    void createTexts(QWidget *central, QVBoxLayout *outer);
    void buildMenus();
    void retranslate();
    void loadForm();
    void fillZones();
    bool refuse(const QString &message, QWidget *focus);
    // The least height the form's contents need now.
    int neededHeight() const;
    QWidget *widgetOf(FormField field) const;

    ReadingState &m_readingState;
    ShellServices m_services;
    QButtonGroup *m_latitudeGroup = nullptr;
    QButtonGroup *m_longitudeGroup = nullptr;

    // The controls, by their object names: txtName, cboMonth, cboDate, cboYear, cboHour,
    // cboMinute, cboTimeZone, chkDST, txtLatD, txtLatM, txtLonD, txtLonM, optLatSouth_0
    // (South) and _1 (North), optLongEast_0 (East) and _1 (West), txtCity, txtState,
    // txtCountry, cmdCalculate, cmdOpen, Command1 (the coordinate search) and lblZoneNotice.
    QLineEdit *m_name = nullptr;
    QComboBox *m_month = nullptr;
    QComboBox *m_day = nullptr;
    QComboBox *m_year = nullptr;
    QComboBox *m_hour = nullptr;
    QComboBox *m_minute = nullptr;
    QComboBox *m_zone = nullptr;
    QCheckBox *m_dst = nullptr;
    QLineEdit *m_latDegrees = nullptr;
    QLineEdit *m_latMinutes = nullptr;
    QLineEdit *m_lonDegrees = nullptr;
    QLineEdit *m_lonMinutes = nullptr;
    QRadioButton *m_latitude[2] = {};  // 0 South, 1 North
    QRadioButton *m_longitude[2] = {}; // 0 East, 1 West
    QLineEdit *m_city = nullptr;
    QLineEdit *m_state = nullptr;
    QLineEdit *m_country = nullptr;
    QPushButton *m_calculate = nullptr;
    QPushButton *m_open = nullptr;
    QPushButton *m_search = nullptr;
    // What the atlas says about the zone and the clock time of a place chosen from it.
    QLabel *m_zoneNotice = nullptr;
    int m_noticeRoom = 0;   // pixels the notice takes
    int m_noticeGrowth = 0; // pixels the form grew to make room for the notice
};

} // namespace starloom

// The birth-data form: where every reading begins. The user types one person's name,
// date and clock time of birth, zone, daylight saving, coordinates and birthplace, then
// asks for the reading.
#pragma once

#include "reading/form_values.h"
#include "reading/reading_state.h"
#include "shell/services.h"

#include <QMainWindow>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

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

    // The coordinate search: opens a web search for the birthplace's latitude and
    // longitude once city, state and country are filled in.
    void SearchCoordinates();

    QLineEdit *txtName = nullptr;
    QComboBox *cboMonth = nullptr;
    QComboBox *cboDate = nullptr;
    QComboBox *cboYear = nullptr;
    QComboBox *cboHour = nullptr;
    QComboBox *cboMinute = nullptr;
    QComboBox *cboTimeZone = nullptr;
    QCheckBox *chkDST = nullptr;
    QLineEdit *txtLatD = nullptr;
    QLineEdit *txtLatM = nullptr;
    QLineEdit *txtLonD = nullptr;
    QLineEdit *txtLonM = nullptr;
    QRadioButton *optLatSouth[2] = {}; // 0 South, 1 North
    QRadioButton *optLongEast[2] = {}; // 0 East, 1 West
    QLineEdit *txtCity = nullptr;
    QLineEdit *txtState = nullptr;
    QLineEdit *txtCountry = nullptr;
    QPushButton *cmdCalculate = nullptr;
    QPushButton *cmdOpen = nullptr;
    QPushButton *Command1 = nullptr;
    // One line under the zone list: what the atlas says about the zone and the clock time
    // of a place chosen from it.
    QLabel *lblZoneNotice = nullptr;

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

protected:
    void closeEvent(QCloseEvent *event) override;
    // A drag that carries exactly one local file is accepted; dropping it emits fileDropped.
    // Which files are readings is for the open step to judge, with its own messages.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void loadForm();
    bool refuse(const QString &message, QWidget *focus);
    QWidget *widgetOf(FormField field) const;

    ReadingState &state_;
    ShellServices services_;
    QButtonGroup *latitudeGroup_ = nullptr;
    QButtonGroup *longitudeGroup_ = nullptr;
};

} // namespace starloom

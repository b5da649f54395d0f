// The character filters of the form's text boxes: names and places take letters and
// blanks, coordinates take digits. A refused character is dropped and explained.
#pragma once

#include <QObject>

class QLineEdit;

namespace starloom {

class UserDialogs;

class KeystrokeFilter final : public QObject {
    Q_OBJECT
public:
    enum class Kind { Letters, Digits };
    KeystrokeFilter(Kind kind, UserDialogs *dialogs, QObject *parent);

    // Whether a typed character may enter a box of this kind.
    static bool accepts(Kind kind, QChar c);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool refuse(QLineEdit *box);

    Kind kind_;
    UserDialogs *dialogs_;
};

} // namespace starloom

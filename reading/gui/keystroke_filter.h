// The character filters of the form's text boxes: names and places take the letters of
// any script with the few signs names are written with (IsNameCharacter), coordinates take
// digits. A refused character is dropped and explained.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QLineEdit;

namespace starloom {

class UserDialogs;

class KeystrokeFilter final : public QObject {
    Q_OBJECT
public:
    enum class Kind { Letters, Digits };
    KeystrokeFilter(Kind kind, UserDialogs *dialogs, QObject *parent);

    // Whether a typed character may enter a box of this kind. Keys that type no character
    // (Return, Escape, Tab, arrows, function keys, shortcuts) are never refused.
    static bool accepts(Kind kind, char32_t c);

    // Filters what is typed into `box`, also while a suggestion list of the box is open:
    // such a list takes the keys first and passes them to the box past its filters.
    void watch(QLineEdit *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool refuse(QLineEdit *box);
    // The watched box a popup stands in for (its focus goes to the box), or null.
    QLineEdit *boxOfPopup(QObject *watched) const;
    bool filterTyped(QLineEdit *box, QEvent *event);

    QList<QPointer<QLineEdit>> m_boxes;

    Kind m_kind;
    UserDialogs *m_dialogs;
};

} // namespace starloom

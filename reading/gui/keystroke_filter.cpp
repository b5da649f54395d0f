// Keystroke filters.
#include "reading/gui/keystroke_filter.h"

#include "reading/name_text.h"
#include "shell/user_dialogs.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace starloom {

namespace {
constexpr char32_t kBackspace = 8;
constexpr char32_t kDelete = 127;

bool IsControlCode(char32_t c) {
    return c < 0x20 || c == kDelete;
}
} // namespace

KeystrokeFilter::KeystrokeFilter(Kind kind, UserDialogs *dialogs, QObject *parent)
    : QObject(parent), m_kind(kind), m_dialogs(dialogs) {}

bool KeystrokeFilter::accepts(Kind kind, char32_t c) {
    if (c == kBackspace || c == kDelete)
        return true;
    if (kind == Kind::Digits)
        return c >= U'0' && c <= U'9';
    return IsNameCharacter(c);
}

// One filter on the whole application rather than on each box: it sees a key before any
// filter of the box or of a suggestion list does.
void KeystrokeFilter::watch(QLineEdit *box) {
    if (m_boxes.isEmpty())
        QCoreApplication::instance()->installEventFilter(this);
    m_boxes.append(box);
}

QLineEdit *KeystrokeFilter::boxOfPopup(QObject *watched) const {
    auto *widget = qobject_cast<QWidget *>(watched);
    if (widget == nullptr || !widget->isWindow() || widget->focusProxy() == nullptr)
        return nullptr;
    for (const QPointer<QLineEdit> &box : m_boxes) {
        if (box != nullptr && widget->focusProxy() == box)
            return box;
    }
    return nullptr;
}

bool KeystrokeFilter::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::InputMethod)
        return false;
    if (auto *box = qobject_cast<QLineEdit *>(watched); box != nullptr && m_boxes.contains(box))
        return filterTyped(box, event);
    // A suggestion list open under a box: keys that choose or close a suggestion are its
    // own; everything else would be typed into the box.
    QLineEdit *box = boxOfPopup(watched);
    if (box == nullptr)
        return false;
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            return false;
        default:
            break;
        }
    }
    if (!filterTyped(box, event))
        return false;
    static_cast<QWidget *>(watched)->hide();
    return true;
}

bool KeystrokeFilter::filterTyped(QLineEdit *box, QEvent *event) {
    QString typed;
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Focus moves and shortcuts (copy, paste, undo) are not typed characters; text put
        // in by pasting is taken as it is.
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        typed = key->text();
    } else {
        typed = static_cast<QInputMethodEvent *>(event)->commitString();
    }
    // Whole characters: a letter beyond the first 65536 (a rare ideograph) comes as two
    // halves of UTF-16.
    for (const char32_t c : typed.toUcs4()) {
        // Return, Enter and Escape come with control codes as their text; they are keys
        // for the form, not characters for the box.
        if (IsControlCode(c))
            continue;
        if (!accepts(m_kind, c))
            return refuse(box);
    }
    return false;
}

bool KeystrokeFilter::refuse(QLineEdit *box) {
    if (m_kind == Kind::Letters) {
        m_dialogs->showMessage(box->window(), kProgramTitle, tr("Please enter only letters"),
                               MessageIcon::Error);
        box->setFocus();
    } else {
        m_dialogs->showMessage(box->window(), kProgramTitle, tr("Please enter only numbers"),
                               MessageIcon::Error);
    }
    return true;
}

} // namespace starloom

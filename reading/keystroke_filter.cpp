// Keystroke filters.
#include "reading/keystroke_filter.h"

#include "shell/user_dialogs.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace starloom {

namespace {
constexpr char16_t kBackspace = 8;
constexpr char16_t kDelete = 127;
} // namespace

KeystrokeFilter::KeystrokeFilter(Kind kind, UserDialogs *dialogs, QObject *parent)
    : QObject(parent), kind_(kind), dialogs_(dialogs) {}

bool KeystrokeFilter::accepts(Kind kind, QChar c) {
    const char16_t u = c.unicode();
    if (u == kBackspace || u == kDelete)
        return true;
    if (kind == Kind::Digits)
        return u >= u'0' && u <= u'9';
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || u == u' ';
}

bool KeystrokeFilter::eventFilter(QObject *watched, QEvent *event) {
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (box == nullptr)
        return false;
    QString typed;
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Focus moves and shortcuts (copy, paste, undo) are not typed characters; text put
        // in by pasting is taken as it is.
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        typed = key->text();
    } else if (event->type() == QEvent::InputMethod) {
        typed = static_cast<QInputMethodEvent *>(event)->commitString();
    } else {
        return false;
    }
    for (const QChar c : std::as_const(typed)) {
        if (!accepts(kind_, c))
            return refuse(box);
    }
    return false;
}

bool KeystrokeFilter::refuse(QLineEdit *box) {
    if (kind_ == Kind::Letters) {
        dialogs_->showMessage(box->window(), kProgramTitle,
                              QStringLiteral("Please enter only letters"), MessageIcon::Error);
        box->setFocus();
    } else {
        dialogs_->showMessage(box->window(), kProgramTitle,
                              QStringLiteral("Please enter only numbers"), MessageIcon::Error);
    }
    return true;
}

} // namespace starloom

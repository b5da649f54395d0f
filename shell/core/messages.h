// What a message to the user is, apart from the box that shows it: its kind, the buttons it
// offers, the answer it gets, and the title it carries when it names none of its own. The
// checks that refuse input say which kind of message they give without any window.
#pragma once

#include <QString>

namespace starloom {

enum class MessageIcon { Information, Error, Critical, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// The program's title, used for every message box that names no title of its own.
inline const QString kProgramTitle = QStringLiteral("QM Starloom");

} // namespace starloom

#include "shell/program_font.h"

#include <QStringList>

namespace starloom {

QFont ProgramFont(qreal pointSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace starloom

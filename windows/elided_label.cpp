#include "windows/elided_label.h"

#include <QEvent>
#include <QPainter>

namespace starloom {

namespace {
constexpr int kShortestShown = 4; // characters a cut label still has room for, ellipsis included
} // namespace

ElidedLabel::ElidedLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    updateTip();
}

void ElidedLabel::setText(const QString &text) {
    QLabel::setText(text);
    updateTip();
}

void ElidedLabel::setNote(const QString &note) {
    m_note = note;
    updateTip();
}

bool ElidedLabel::isCut() const {
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

QSize ElidedLabel::minimumSizeHint() const {
    const QSize whole = QLabel::minimumSizeHint();
    const int shortest = fontMetrics().horizontalAdvance(QLatin1Char('M')) * kShortestShown;
    return QSize(qMin(whole.width(), shortest), whole.height());
}

void ElidedLabel::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignVCenter, shown);
}

void ElidedLabel::resizeEvent(QResizeEvent *event) {
    QLabel::resizeEvent(event);
    updateTip();
}

void ElidedLabel::changeEvent(QEvent *event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateTip();
}

void ElidedLabel::updateTip() {
    QStringList lines;
    if (isCut())
        lines << text();
    if (!m_note.isEmpty())
        lines << m_note;
    const QString tip = lines.join(QLatin1Char('\n'));
    if (toolTip() != tip)
        setToolTip(tip);
}

} // namespace starloom

// A one-line label that never cuts its text off unseen: a text too long for its width
// ends in an ellipsis, and the tool tip then shows it whole. The label's text stays
// whole, and a layout may give it less room than its text needs.
#pragma once

#include <QLabel>

namespace starloom {

class ElidedLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(const QString &text = QString(), QWidget *parent = nullptr);

    // In place of QLabel::setText, so that the tool tip follows the text: call it through
    // this class.
    void setText(const QString &text);

    // Shown under the text in the tool tip, whether or not the text is cut ("" for none).
    void setNote(const QString &note);
    // True while the text is wider than the label and shown cut.
    bool isCut() const;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void updateTip();

    QString m_note;
};

} // namespace starloom

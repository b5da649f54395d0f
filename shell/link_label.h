// A label that acts as a link: hand-shaped pointer, and a signal on a left click. Tab
// reaches it too, a dotted frame shows that it has the focus, and Return, Enter or Space
// follow it.
#pragma once

#include <QLabel>

namespace starloom {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace starloom

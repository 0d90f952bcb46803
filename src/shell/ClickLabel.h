#pragma once

#include <QLabel>

namespace quellard {

// A label that works as a button: it reports a click when the left button is pressed and released
// over it. A disabled label takes no clicks.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString &name, QWidget *parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace quellard

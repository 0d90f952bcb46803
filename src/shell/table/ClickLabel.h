// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QKeySequence>
#include <QLabel>
#include <QList>

namespace quellard {

// A label that works as a button: it reports a click when the left button is pressed and released
// over it, when Space is pressed and released while it has the keyboard focus, or when one of its
// keys is pressed anywhere in its window. A disabled label takes no clicks, whichever way they come,
// and shows no tip.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString &name, QWidget *parent);

    // A key that presses this label while its window is active. Holding the key down presses it
    // once, as holding the mouse button down clicks once.
    void addShortcut(const QKeySequence &keys);
    const QList<QKeySequence> &shortcuts() const { return m_shortcuts; }

public slots:
    // The one way every kind of press reaches the game.
    void click();

signals:
    void clicked();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false;
    bool m_spacePressed = false;
    QList<QKeySequence> m_shortcuts;
};

} // namespace quellard

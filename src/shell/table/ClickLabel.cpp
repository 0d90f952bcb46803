// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/table/ClickLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

namespace quellard {

ClickLabel::ClickLabel(const QString &name, QWidget *parent) : QLabel(parent)
{
    setObjectName(name);
    // Moving over a label is moving over the label, not over the table behind it.
    setAttribute(Qt::WA_NoMousePropagation);
    // Reachable with Tab, but a click with the mouse leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
}

void ClickLabel::addShortcut(const QKeySequence &keys)
{
    // The shortcut belongs to the label, so it goes quiet with it: Qt does not offer the key to a
    // disabled widget's shortcuts, and click() checks again.
    auto *shortcut = new QShortcut(keys, this, this, &ClickLabel::click, Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    m_shortcuts << keys;
}

void ClickLabel::click()
{
    if (isEnabled())
        emit clicked();
}

bool ClickLabel::event(QEvent *event)
{
    // A tip tells what pressing the label does, and a closed label does nothing: it shows none,
    // where Qt would show a disabled widget's tip as any other.
    if (event->type() == QEvent::ToolTip && !isEnabled())
        return true;
    return QLabel::event(event);
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
    // A player back on the mouse no longer needs to see where the keyboard focus is.
    if (window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        window()->setAttribute(Qt::WA_KeyboardFocusChange, false);
        if (QWidget *focused = window()->focusWidget())
            focused->update();
    }
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool inside = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (inside)
        click();
}

// Space presses the focused label as it presses a push button: on release, so that holding it
// down does not repeat.
void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            m_spacePressed = true;
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && m_spacePressed) {
        m_spacePressed = false;
        event->accept();
        click();
        return;
    }
    QLabel::keyReleaseEvent(event);
}

void ClickLabel::focusOutEvent(QFocusEvent *event)
{
    m_spacePressed = false;
    QLabel::focusOutEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    // The focus shows as a thin dotted frame in the label's text colour, and only once the player
    // has moved it with the keyboard (Qt marks the window then); a player who only uses the mouse
    // sees the table unchanged.
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Active, QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
}

} // namespace quellard

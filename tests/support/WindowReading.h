// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QWidget>

namespace quellard::testing {

// A window read as a player meets it, a line of text a thing, to compare with what it should be:
//   the window: `BJInsur "Insurance" 3720x990 close fixed, centred on BJMain, Enter CmdYes, focus CmdYes`
//     (its client area in twips, the title bar's boxes, whether it can be resized, where it stands,
//     which button Enter presses and which control has the keyboard at first)
//   each named control: `lblHit 4800 5640 1095 375 "Hit" Liberation Sans 13.5, closed, tip "Get another card"`
//     (where it stands in the client area in twips, what it says in which font, bold or italic
//     where it is, whether it is closed to the player, and its tooltip)
//   each menu of a main window: `&File: Re-Start &New Game F2 | - | E&xit Ctrl+X`
inline QStringList readWindow(const QWidget &window)
{
    const auto *main = qobject_cast<const QMainWindow *>(&window);
    const QWidget &client = main ? *main->centralWidget() : window;
    const Qt::WindowFlags flags = window.windowFlags();
    // Centred when the window's frame or its client area is (a frame may be known only once shown).
    auto centredOn = [&window](const QRect &area) {
        return (window.frameGeometry().center() - area.center()).manhattanLength() <= 2 ||
               (window.geometry().center() - area.center()).manhattanLength() <= 2;
    };
    const QWidget *over = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    const QString place = over && centredOn(over->frameGeometry())          ? "centred on " + over->objectName()
                          : centredOn(window.screen()->availableGeometry()) ? QStringLiteral("centred on the screen")
                                                                            : QStringLiteral("placed elsewhere");
    const auto *enter = [&]() -> const QPushButton * {
        for (const QPushButton *button : window.findChildren<QPushButton *>())
            if (button->isDefault())
                return button;
        return nullptr;
    }();
    const QWidget *focus = window.focusWidget();
    QStringList lines{QStringLiteral("%1 \"%2\" %3x%4%5%6%7 %8, %9, Enter %10, focus %11")
                          .arg(window.objectName(), window.windowTitle())
                          .arg(client.width() * 15)
                          .arg(client.height() * 15)
                          .arg(flags & Qt::WindowMinimizeButtonHint ? " min" : "",
                               flags & Qt::WindowMaximizeButtonHint ? " max" : "",
                               flags & Qt::WindowCloseButtonHint ? " close" : "",
                               window.minimumSize() == window.maximumSize() ? "fixed" : "sizable", place,
                               enter ? enter->objectName() : "nothing", focus ? focus->objectName() : "nothing")};
    for (const QWidget *control : client.findChildren<QWidget *>()) {
        if (control->objectName().isEmpty() || control->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QRect r(control->mapTo(&client, QPoint()), control->size());
        QString line = QStringLiteral("%1 %2 %3 %4 %5")
                           .arg(control->objectName())
                           .arg(r.x() * 15)
                           .arg(r.y() * 15)
                           .arg(r.width() * 15)
                           .arg(r.height() * 15);
        const QString text = control->property("text").toString();
        if (!text.isEmpty() &&
            (qobject_cast<const QLabel *>(control) || qobject_cast<const QAbstractButton *>(control))) {
            const QFont font = control->font();
            line += QStringLiteral(" \"%1\" %2 %3%4%5")
                        .arg(text, font.family())
                        .arg(font.pointSizeF())
                        .arg(font.bold() ? " bold" : "", font.italic() ? " italic" : "");
        }
        line += QString(control->isEnabled() ? "" : ", closed") +
                (control->toolTip().isEmpty() ? QString() : ", tip \"" + control->toolTip() + '"');
        lines << line;
    }
    QList<const QMenu *> menus;
    for (const QAction *item : main ? main->menuBar()->actions() : QList<QAction *>())
        menus << item->menu();
    for (qsizetype i = 0; i < menus.size(); ++i) {
        QStringList items;
        for (const QAction *item : menus[i]->actions()) {
            items << (item->isSeparator() ? "-" : (item->text() + ' ' + item->shortcut().toString()).trimmed());
            if (item->menu())
                menus << item->menu();
        }
        lines << menus[i]->title() + ": " + items.join(QLatin1String(" | "));
    }
    return lines;
}

} // namespace quellard::testing

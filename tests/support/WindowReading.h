// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QToolTip>
#include <QWidget>

#include <algorithm>

namespace quellard::testing {

// A window read as a player meets it, a line of text a thing, to compare with what it should be:
//   the window: `BJInsur "Insurance" 3720x990 close fixed, centred on BJMain, Enter CmdYes, focus CmdYes`
//   each named control, its place in the client area in twips, text, font, alignment, colours as
//   seen, state and tip: `lblHit 4800 5640 1095 375 "Hit" Liberation Sans 13.5 #808080 on #e0e0e0, closed`
//   each line of a text box: `  | The Rules:`; the Tab order: `Tab: CmdYes CmdNo`
//   each menu of a main window: `&Sound: v &On F5` (its items, "v" where a tick is drawn)
inline QStringList readWindow(QWidget &window)
{
    const auto *main = qobject_cast<const QMainWindow *>(&window);
    QWidget &client = main ? *main->centralWidget() : window;
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
    const QList<QPushButton *> buttons = window.findChildren<QPushButton *>();
    const auto enter = std::ranges::find_if(buttons, &QPushButton::isDefault);
    const QWidget *focus = window.focusWidget();
    QStringList lines{
        QStringLiteral("%1 \"%2\" %3x%4%5%6%7 %8, %9, Enter %10, focus %11")
            .arg(window.objectName(), window.windowTitle())
            .arg(client.width() * 15)
            .arg(client.height() * 15)
            .arg(flags & Qt::WindowMinimizeButtonHint ? " min" : "", flags & Qt::WindowMaximizeButtonHint ? " max" : "",
                 flags & Qt::WindowCloseButtonHint ? " close" : "",
                 window.minimumSize() == window.maximumSize() ? "fixed" : "sizable", place,
                 enter != buttons.end() ? (*enter)->objectName() : "nothing", focus ? focus->objectName() : "nothing")};
    for (QWidget *control : client.findChildren<QWidget *>()) {
        if (control->objectName().isEmpty() || control->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QRect r(control->mapTo(&client, QPoint()), control->size());
        QString line = control->objectName();
        for (const int pixels : {r.x(), r.y(), r.width(), r.height()})
            line += ' ' + QString::number(pixels * 15); // in twips
        const QString text = control->property("text").toString();
        const auto *edit = qobject_cast<const QPlainTextEdit *>(control);
        if (edit || (!text.isEmpty() &&
                     (qobject_cast<const QLabel *>(control) || qobject_cast<const QAbstractButton *>(control)))) {
            const QFont font = control->font();
            line += QStringLiteral("%1 %2 %3%4%5")
                        .arg(edit ? QString() : " \"" + text + '"', font.family())
                        .arg(font.pointSizeF())
                        .arg(font.bold() ? " bold" : "", font.italic() ? " italic" : "");
        }
        if (const auto *label = qobject_cast<const QLabel *>(control); label && !text.isEmpty()) {
            const Qt::Alignment a = label->alignment();
            line += QString(a & Qt::AlignHCenter ? " centred" : "") + (a & Qt::AlignRight ? " right" : "") +
                    (a & Qt::AlignVCenter ? " middle" : "") + (a & Qt::AlignBottom ? " bottom" : "");
            // A label's colours as seen: the commonest is its paper, the farthest from that its ink.
            const QImage seen = client.grab(r.adjusted(2, 2, -2, -2)).toImage(); // inside any frame
            QHash<QRgb, int> counts;
            for (int y = 0; y < seen.height(); ++y)
                for (int x = 0; x < seen.width(); ++x)
                    ++counts[seen.pixel(x, y)];
            const QList<QRgb> seenColours = counts.keys();
            const QRgb paper = *std::ranges::max_element(seenColours, {}, [&](QRgb c) { return counts[c]; });
            const QRgb ink =
                *std::ranges::max_element(seenColours, {}, [&](QRgb c) { return qAbs(qGray(c) - qGray(paper)); });
            line += ' ' + QColor(ink).name() + " on " + QColor(paper).name();
        }
        QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(control, &hover);
        const bool tipShown = QToolTip::isVisible() && QToolTip::text() == control->toolTip();
        QToolTip::hideText();
        line += QString(control->isHidden() ? ", hidden" : "") + (control->isEnabled() ? "" : ", closed") +
                (edit && !edit->isReadOnly() ? ", editable" : "") +
                (control->toolTip().isEmpty() ? QString()
                                              : ", tip \"" + control->toolTip() + (tipShown ? "\"" : "\" unseen"));
        lines << line;
        for (const QString &text : edit ? edit->toPlainText().split('\n') : QStringList())
            lines << "  | " + text; // every character of a text box, trailing blanks too
    }
    QStringList tab; // the controls Tab visits, in its order
    for (QWidget *next = window.nextInFocusChain(); next != &window && tab.size() < 100;
         next = next->nextInFocusChain())
        if (next->focusPolicy() & Qt::TabFocus)
            tab << next->objectName();
    lines << "Tab: " + tab.join(' ');
    QList<QMenu *> menus;
    for (const QAction *item : main ? main->menuBar()->actions() : QList<QAction *>())
        menus << item->menu();
    for (qsizetype i = 0; i < menus.size(); ++i) {
        menus[i]->adjustSize();
        const QImage drawn = menus[i]->grab().toImage();
        QStringList items;
        for (QAction *item : menus[i]->actions()) {
            // Ink in the item's first column is its tick.
            const QRect column = menus[i]->actionGeometry(item).adjusted(2, 2, 0, -2);
            const int paper = qGray(drawn.pixel(column.left() + 1, column.center().y()));
            int ink = 0;
            for (int y = column.top(); y <= column.bottom(); ++y)
                for (int x = column.left(); x < column.left() + column.height() + 4; ++x)
                    ink += qAbs(qGray(drawn.pixel(x, y)) - paper) > 60;
            items
                << (item->isSeparator()
                        ? "-"
                        : (QString(ink > 3 ? "v " : "") + item->text() + ' ' + item->shortcut().toString()).trimmed());
            if (item->menu())
                menus << item->menu();
        }
        lines << menus[i]->title() + ": " + items.join(QLatin1String(" | "));
    }
    return lines;
}

} // namespace quellard::testing

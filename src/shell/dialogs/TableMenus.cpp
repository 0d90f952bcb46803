// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/dialogs/TableMenus.h"

#include "settings/DeckBacks.h"
#include "shell/dialogs/MenuTickStyle.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>

namespace quellard {

namespace {

QAction *item(QMenu *menu, const char *name, const QString &text, const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

QMenu *menu(QMenuBar *bar, const char *name, const QString &title)
{
    QMenu *m = bar->addMenu(title);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

void separator(QMenu *menu, const char *name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); }

} // namespace

TableMenus buildTableMenus(QMainWindow *window)
{
    TableMenus m;
    QMenuBar *bar = window->menuBar();

    m.file = menu(bar, "File", QStringLiteral("&File "));
    m.newGame = item(m.file, "New_Game", QStringLiteral("Re-Start &New Game"), QKeySequence(Qt::Key_F2));
    separator(m.file, "mnuSep");
    m.exit = item(m.file, "Exit", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X));

    m.options = menu(bar, "mnuOptions", QStringLiteral("Options"));
    m.deck = m.options->addMenu(QStringLiteral("Deck"));
    m.deck->setObjectName(QStringLiteral("mnuDeck"));
    for (std::size_t i = 0; i < kDeckBacks.size(); ++i) {
        const DeckBack &back = kDeckBacks[i];
        m.deckItems[i] = m.deck->addAction(QString::fromUtf8(back.caption.data(), qsizetype(back.caption.size())));
        m.deckItems[i]->setObjectName(QString::fromUtf8(back.menuName.data(), qsizetype(back.menuName.size())));
        m.deckItems[i]->setCheckable(true);
        if (i == 0)
            separator(m.deck, "mnuSep1");
    }

    m.soundMenu = menu(bar, "Sound1", QStringLiteral("&Sound"));
    m.sound = item(m.soundMenu, "Sound", QStringLiteral("&On"), QKeySequence(Qt::Key_F5));
    m.sound->setCheckable(true);
    m.sound->setChecked(true);

    m.help = menu(bar, "mnuHelp", QStringLiteral("&Help"));
    m.contents = item(m.help, "mnuContents", QStringLiteral("&Contents ..."), QKeySequence(Qt::Key_F1));
    separator(m.help, "mnuSep2");
    m.feedback = item(m.help, "mnuFeedRepBug", QStringLiteral("&Feedback/Report Bug"));
    m.homepage = item(m.help, "mnuHomepage", QStringLiteral("Homepage"));
    separator(m.help, "mnuSep3");
    m.about = item(m.help, "mnuAbout", QStringLiteral("A&bout"));

    // A tick where an item is ticked and nothing where it is not.
    auto *style = new MenuTickStyle;
    style->setParent(window);
    for (QMenu *popup : {m.file, m.options, m.deck, m.soundMenu, m.help})
        popup->setStyle(style);
    return m;
}

} // namespace quellard

// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/DeckBacks.h"

#include <array>

class QAction;
class QMainWindow;
class QMenu;

namespace quellard {

// The table window's menu bar. Actions carry the names of their menu items as object names.
struct TableMenus {
    QMenu *file = nullptr;
    QAction *newGame = nullptr;                           // New_Game
    QAction *exit = nullptr;                              // Exit
    QMenu *options = nullptr;                             // mnuOptions
    QMenu *deck = nullptr;                                // mnuDeck
    std::array<QAction *, kDeckBacks.size()> deckItems{}; // as kDeckBacks: Default first, in menu order
    QMenu *soundMenu = nullptr;                           // Sound1
    QAction *sound = nullptr;                             // Sound ("&On"), ticked while the sound effects play
    QMenu *help = nullptr;                                // mnuHelp
    QAction *contents = nullptr;
    QAction *feedback = nullptr;
    QAction *homepage = nullptr;
    QAction *about = nullptr;
};

TableMenus buildTableMenus(QMainWindow *window);

} // namespace quellard

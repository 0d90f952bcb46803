// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Host.h"
#include "settings/DeckBackView.h"

class QWidget;

namespace quellard {

// Every message box the player can meet, worded, with its icon and buttons, in one place.
enum class PlayerMessage {
    NotEnoughMoney,
    PleaseBetFirst,
    OutOfMoney, // the question whether to start again
    FileDoesNotExist,
    SelectedDeckImageDoesNotExist,
    DeckImageUnreadable, // a picture file that is there but cannot be shown whole
};

PlayerMessage playerMessage(Refusal refusal);
PlayerMessage playerMessage(DeckBackProblem problem);

// Shows the message modally over `parent`, titled with the game's title. True when the player
// answered Yes (only the question has a Yes).
bool showPlayerMessage(PlayerMessage message, QWidget *parent);

} // namespace quellard

// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/CardRules.h"
#include "game/Chips.h"

#include <QList>
#include <QPixmap>
#include <array>

class QWidget;

namespace quellard {

class AmountLabel;
class CardSlotWidget;
class ClickLabel;
class FilledShape;

// The table window's controls, laid out on the form at their fixed positions.
struct TableControls {
    FilledShape *felt = nullptr; // Shape1
    std::array<CardSlotWidget *, kSlotsPerHand> picCom{};
    std::array<CardSlotWidget *, kSlotsPerHand> picPlay{};
    CardSlotWidget *picBack = nullptr;

    AmountLabel *lblCom = nullptr;
    AmountLabel *lblPlay = nullptr;
    AmountLabel *lblBet = nullptr;
    AmountLabel *lblmoney = nullptr;

    // The chips' click targets (lblBet5, lblBet10, lblBet50), in the order of kChips.
    std::array<ClickLabel *, kChips.size()> chips{};

    ClickLabel *lblNew = nullptr;
    ClickLabel *lblHit = nullptr;
    ClickLabel *lblStand = nullptr;
    ClickLabel *lblDouble = nullptr;

    // Behind the action labels, in the order New, Hit, Stand, Double.
    std::array<FilledShape *, 4> highlights{};
    std::array<ClickLabel *, 4> actions() const { return {lblNew, lblHit, lblStand, lblDouble}; }

    // What a player reads or uses, in the order a screen reader should take it: the dealer's hand,
    // the player's hand, the money, the deck, then the chips and actions in their Tab order.
    QList<QWidget *> readingOrder() const;
};

// The form's size: 8385 by 6210 twips.
QSize tableClientSize();

// Creates every control of the table on the form. The card slots draw face-down cards with the
// given picture, which stays owned by the caller.
TableControls layOutTable(QWidget *form, const QPixmap &cardBack);

} // namespace quellard

// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Table.h"

namespace quellard {

std::optional<std::size_t> Hand::lowestHiddenSlot(std::size_t first) const
{
    for (std::size_t i = first; i < cardSlots.size(); ++i)
        if (!cardSlots[i].visible)
            return i;
    return std::nullopt;
}

Table Table::fresh()
{
    Table table;
    const CardSlot faceDown{true, SlotFace::CardBack, 0};
    table.dealer.cardSlots[0] = faceDown;
    table.player.cardSlots[0] = faceDown;
    table.player.cardSlots[1] = faceDown;
    return table;
}

} // namespace quellard

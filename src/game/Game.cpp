// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Game.h"

#include <utility>

namespace quellard {

Game::Game(Host &host, RandomSource &random, Table start) : m_host(host), m_random(random), m_table(std::move(start)) {}

// A card from the random source, shown face up in the slot. Returns its card number.
int Game::dealCardInto(CardSlot &slot)
{
    const int card = drawCardNumber(m_random.next());
    slot.face = SlotFace::CardFace;
    slot.cardNumber = card;
    return card;
}

// The sound effects follow Sound > On, read at the moment of each sound.
void Game::playSound(std::string_view fileName)
{
    if (m_host.soundSwitchOn())
        m_host.playSound(fileName);
}

void Game::cardBackChanged()
{
    for (CardSlot *slot : {&m_table.dealer.cardSlots[0], &m_table.player.cardSlots[0], &m_table.player.cardSlots[1]}) {
        slot->face = SlotFace::CardBack;
        slot->cardNumber = 0;
    }
}

} // namespace quellard

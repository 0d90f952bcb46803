// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Game.h"
#include "game/Payouts.h"
#include "game/Sounds.h"

namespace quellard {

// The dealer shows an ace: the hole card lies face down while the player decides whether to insure
// against a dealer blackjack.
void Game::offerInsurance()
{
    // 1. No hitting or standing until the question is answered.
    m_table.open.hit = false;
    m_table.open.stand = false;
    // 2. The dealer's second card, face down. It has no card yet: the dealer's turn draws it.
    CardSlot &hole = m_table.dealer.cardSlots[1];
    hole.visible = true;
    hole.face = SlotFace::CardBack;
    // 3. Ask. The question is heard even with the sound switched off.
    m_host.tableChanged();
    m_host.playSound(sounds::kInsurance);
    m_host.askInsurance([this](InsuranceAnswer answer) { answerInsurance(answer); });
}

void Game::answerInsurance(InsuranceAnswer answer)
{
    Table &t = m_table;
    // Insurance costs half the bet and is bought only when the cash covers it. Declining, or closing
    // the question without an answer, insures nothing: nothing was paid.
    t.insured = false;
    if (answer == InsuranceAnswer::Yes) {
        if (insurancePremium(t.bet) <= t.cash) {
            t.cash -= insurancePremium(t.bet);
            t.insured = true;
        } else {
            m_host.refuse(Refusal::NotEnoughMoney);
        }
    }
    // Whatever the answer, the player's turn goes on.
    t.open.hit = true;
    t.open.stand = true;
}

} // namespace quellard

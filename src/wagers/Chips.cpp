#include "engine/Messages.h"
#include "wagers/Wagers.h"

namespace quellard {

Wagers::Wagers(Game &game) : m_game(game), m_table(game.table()), m_host(game.host()) {}

void Wagers::lblBet5Click()
{
    if (m_table.labels.lblBet5)
        placeChip(5);
}

void Wagers::lblBet10Click()
{
    if (m_table.labels.lblBet10)
        placeChip(10);
}

void Wagers::lblBet50Click()
{
    if (m_table.labels.lblBet50)
        placeChip(50);
}

void Wagers::placeChip(double amount)
{
    // 1. The amounts as the table shows them.
    const double bet = m_table.bet;
    const double cash = m_table.cash;
    // 2. Nothing left at all: the chip is not placed, whatever the answer.
    if (cash == 0 && bet == 0) {
        outOfMoneyPrompt();
        return;
    }
    // 3. The chip moves from the cash to the bet when the cash covers it...
    if (cash >= amount) {
        m_table.bet = bet + amount;
        m_table.cash = cash - amount;
        return;
    }
    // 4. ...and is refused otherwise.
    m_host.showMessage(messages::kNotEnoughMoney, MessageIcon::Information);
}

void Wagers::outOfMoneyPrompt()
{
    if (m_host.askYesNo(messages::kOutOfMoney, MessageIcon::Information))
        newGameClick();
}

Session::Session(Host &host, RandomSource &random) : game(host, random), wagers(game)
{
    game.attachWagerDesk(wagers);
}

} // namespace quellard

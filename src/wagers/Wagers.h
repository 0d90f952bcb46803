#pragma once

#include "engine/Game.h"
#include "engine/Host.h"
#include "engine/WagerDesk.h"

namespace quellard {

// The player's money on the table: the chips, the fresh start, insurance and double down.
class Wagers final : public WagerDesk, public InsuranceAnswers {
public:
    explicit Wagers(Game &game);

    // The three chips move their amount from the cash to the bet.
    void lblBet5Click();
    void lblBet10Click();
    void lblBet50Click();

    // File > Re-Start New Game, and Yes to the out-of-money question: 500 in cash, an empty table.
    void newGameClick();

    void lblDoubleClick();

    // WagerDesk
    void outOfMoneyPrompt() override;
    void offerInsurance() override;

    // InsuranceAnswers
    void cmdYesClick() override;
    void cmdNoClick() override;
    void closedWithoutAnswer() override;

private:
    void placeChip(double amount);
    void doubleDown();

    Game &m_game;
    Table &m_table;
    Host &m_host;
};

// A game and its wagers, wired to each other.
struct Session {
    Session(Host &host, RandomSource &random);
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    Game game;
    Wagers wagers;
};

} // namespace quellard

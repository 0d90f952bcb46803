#pragma once

#include "game/Game.h"
#include "support/FakeHost.h"
#include "support/ScriptedRandom.h"

#include <initializer_list>
#include <utility>

namespace quellard::testing {

// A fresh table with the given cash and bet.
inline Table tableWith(double cash, double bet)
{
    Table table = Table::fresh();
    table.cash = cash;
    table.bet = bet;
    return table;
}

// A game on a table the test sets up, with a host that records and cards the test chooses.
struct GameOnTable {
    explicit GameOnTable(Table start = Table::fresh()) : game(host, random, std::move(start)) {}

    const Table &table() const { return game.table(); }

    // New, dealing the dealer's up card and then the player's two cards.
    void deal(int up, int first, int second)
    {
        random.deal({up, first, second});
        game.lblNewClick();
    }

    // Hits once for each card.
    void hit(std::initializer_list<int> cards)
    {
        random.deal(cards);
        for (std::size_t i = 0; i < cards.size(); ++i)
            game.lblHitClick();
    }

    FakeHost host;
    ScriptedRandom random;
    Game game;
};

} // namespace quellard::testing

#pragma once

#include "game/Game.h"
#include "support/FakeHost.h"
#include "support/ScriptedRandom.h"

#include <initializer_list>
#include <ostream>

namespace quellard {

// Failures name the open labels and the refusal rather than dumping their bytes.
inline void PrintTo(const ActionLabels &l, std::ostream *os)
{
    *os << "open:" << (l.lblNew ? " New" : "") << (l.lblHit ? " Hit" : "") << (l.lblStand ? " Stand" : "")
        << (l.lblDouble ? " Double" : "") << (l.lblBet5 ? " 5" : "") << (l.lblBet10 ? " 10" : "")
        << (l.lblBet50 ? " 50" : "");
}
inline void PrintTo(Refusal r, std::ostream *os) { *os << (r == Refusal::NoBet ? "NoBet" : "NotEnoughMoney"); }

} // namespace quellard

namespace quellard::testing {

// The phases of a game, as the labels New, Hit, Stand, Double and the three chips show them.
constexpr ActionLabels kBetweenGames{true, false, false, false, true, true, true};
constexpr ActionLabels kPlayersTurn{false, true, true, false, false, false, false};
constexpr ActionLabels kPlayersTurnOnEleven{false, true, true, true, false, false, false};

inline Table tableWith(double cash, double bet)
{
    Table table = Table::fresh();
    table.cash = cash;
    table.bet = bet;
    return table;
}

// A game on a table the test sets up, with a host that records and the cards the test deals.
struct GameOnTable {
    explicit GameOnTable(Table start = tableWith(490, 10)) : game(host, random, start) {}
    const Table &table() const { return game.table(); }

    // New, dealing the dealer's up card and then the player's two cards.
    void deal(int up, int first, int second)
    {
        random.deal({up, first, second});
        game.lblNewClick();
    }
    void hit(std::initializer_list<int> cards)
    {
        random.deal(cards);
        for (std::size_t i = 0; i < cards.size(); ++i)
            game.lblHitClick();
    }
    // Stands, the dealer drawing the cards given.
    void stand(std::initializer_list<int> dealersCards)
    {
        random.deal(dealersCards);
        game.lblStandClick();
    }

    FakeHost host;
    ScriptedRandom random;
    Game game;
};

} // namespace quellard::testing

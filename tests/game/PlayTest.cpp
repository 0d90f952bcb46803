#include "support/GameOnTable.h"

#include <gtest/gtest.h>

namespace quellard::testing {

// A blackjack is paid 3 to 2 at once, in either order; Double opens on a two-card 11 alone. A hit
// adds a card with its sound: 21 is still the player's turn, 22 a loss that ends the game at once.
// Neither plays the dealer's hand: the up card shows alone, with no hole card under a 9.
TEST(Deal, TheFirstCardsAndEachHitOpenTheNextMoves)
{
    struct Case {
        int first, second;
        std::initializer_list<int> hits;
        double total, money; // cash and bet together, from 490 and 10
        ActionLabels labels;
        const char *heard;
    };
    // clang-format off
    const Case cases[] = {
        {card(kAce), card(kKing), {}, 21, 515, kBetweenGames, "clap.wav"},
        {card(10), card(kAce), {}, 21, 515, kBetweenGames, "clap.wav"},
        {card(kAce), card(9), {}, 20, 500, kPlayersTurn, ""}, {card(kAce), card(kAce), {}, 12, 500, kPlayersTurn, ""},
        {card(5), card(6), {}, 11, 500, kPlayersTurnOnEleven, ""},
        {card(5), card(5), {}, 10, 500, kPlayersTurn, ""}, // the same card twice is a legal hand
        {card(6), card(6), {}, 12, 500, kPlayersTurn, ""},
        {card(10), card(6), {card(5)}, 21, 500, kPlayersTurn, "whoosh.wav"},
        {card(10), card(6), {card(6)}, 22, 490, kBetweenGames, "whoosh.wav hung-01.wav"},
        {card(kAce), card(kAce), {card(9)}, 21, 500, kPlayersTurn, "whoosh.wav"}, // one ace counts 11
        {card(kAce), card(6), {card(10)}, 17, 500, kPlayersTurn, "whoosh.wav"},   // soft 17 turns hard
        {card(5), card(6), {card(2)}, 13, 500, kPlayersTurn, "whoosh.wav"}};      // Double closes after a hit
    // clang-format on
    for (const Case &c : cases) {
        GameOnTable g;
        g.deal(card(9), c.first, c.second);
        g.hit(c.hits);
        SCOPED_TRACE(::testing::Message()
                     << "cards " << c.first << " and " << c.second << ", " << c.hits.size() << " hit");
        EXPECT_EQ(g.table().player.total, c.total);
        EXPECT_EQ(g.table().cash + g.table().bet, c.money);
        EXPECT_EQ(g.table().labels, c.labels);
        EXPECT_EQ(g.host.sounds, c.heard);
        EXPECT_EQ(g.table().player.cardSlots[2].visible, c.hits.size() == 1) << "the hit card's slot";
        EXPECT_EQ(g.table().dealer.total, 9);
        EXPECT_FALSE(g.table().dealer.cardSlots[1].visible) << "a hole card under a 9";
    }
}

TEST(Hit, SevenCardsTakeNoMoreAndTheNextDealClearsThem)
{
    GameOnTable g;
    g.deal(card(10), card(kAce), card(kAce, 1));
    g.hit({card(kAce, 2), card(kAce, 3), card(2), card(2), card(2)});
    EXPECT_EQ(g.table().player.cardSlots[6], (CardSlot{true, SlotFace::CardFace, card(2)}));
    g.host.sounds.clear();
    g.game.lblHitClick(); // no slot is free: no card, no sound, the same total
    EXPECT_EQ(g.table().player.total, 20);
    EXPECT_EQ(g.table().labels, kPlayersTurn);
    EXPECT_EQ(g.host.sounds, "");
    g.stand({card(7)});
    g.game.lblBet10Click();
    g.deal(card(10), card(9), card(8));
    for (std::size_t i = 1; i < 7; ++i)
        EXPECT_TRUE(g.table().player.cardSlots[i].visible == (i == 1) && !g.table().dealer.cardSlots[i].visible) << i;
    EXPECT_EQ(g.table().player.values, (HandValues{9, 8})) << "the last game's cards still count";
    EXPECT_EQ(g.table().dealer.values, (HandValues{10}));
}

// Under an ace up the hole card lies face down, the ace counting 1, until the dealer's turn turns
// it first; an eighth dealer card takes the seventh slot.
TEST(DealerTurn, TurnsTheHoleCardFirstAndAnEighthCardReplacesTheSeventh)
{
    GameOnTable g;
    g.deal(card(kAce), card(10), card(8));
    EXPECT_EQ(g.table().dealer.total, 1);
    EXPECT_EQ(g.table().dealer.cardSlots[1], (CardSlot{true, SlotFace::CardBack, 0}));
    g.stand({card(kAce, 1), card(kAce, 2), card(kAce, 3), card(kAce), card(kAce, 1), card(10), card(2)});
    EXPECT_EQ(g.table().dealer.cardSlots[1], (CardSlot{true, SlotFace::CardFace, card(kAce, 1)}));
    EXPECT_EQ(g.table().dealer.cardSlots[6], (CardSlot{true, SlotFace::CardFace, card(2)}));
    EXPECT_EQ(g.table().dealer.values, (HandValues{1, 1, 1, 1, 1, 1, 2}));
}

// From every moment the fresh start gives the opening table: 500 in cash, nothing bet, three
// face-down cards, only the chips and New open. In the dealer's pause it also ends the turn there.
TEST(NewGameReset, GivesTheOpeningTableFromEveryMoment)
{
    GameOnTable betting(tableWith(1200, 0)), eleven(tableWith(460, 40)), bust, dealing;
    eleven.deal(card(kAce), card(5), card(6)); // Double open, the hole card face down
    bust.deal(card(9), card(10), card(6));
    bust.hit({card(kKing)});
    dealing.deal(card(9), card(10), card(6));
    dealing.host.duringPause = [&dealing] { dealing.game.newGameClick(); };
    dealing.stand({card(5)});
    betting.game.newGameClick(); // and again, below
    for (GameOnTable *g : {&betting, &betting, &eleven, &bust, &dealing}) {
        if (g != &dealing)
            g->game.newGameClick();
        const Table &t = g->table();
        EXPECT_EQ(t.labels, kBetweenGames);
        EXPECT_TRUE(t.cash == 500 && t.bet == 0 && t.player.total + t.dealer.total == 0) << "money or totals left";
        EXPECT_TRUE(t.player.cardSlots == Table::fresh().player.cardSlots &&
                    t.dealer.cardSlots == Table::fresh().dealer.cardSlots)
            << "cards left on the table";
    }
}

} // namespace quellard::testing

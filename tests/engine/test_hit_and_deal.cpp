#include "engine/Game.h"
#include "engine/Messages.h"
#include "settings/SoundFiles.h"
#include "support/FakeHost.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace quellard {
namespace {

using namespace quellard::testing;

// Records the money questions the deal asks.
struct RecordingDesk : WagerDesk {
    int outOfMoney = 0;
    int insurance = 0;
    void outOfMoneyPrompt() override { ++outOfMoney; }
    void offerInsurance() override { ++insurance; }
};

struct Dealing : ::testing::Test {
    FakeHost host;
    ScriptedRandom random;
    RecordingDesk desk;
    Game game{host, random};
    Table &table = game.table();

    Dealing() { game.attachWagerDesk(desk); }

    // Deals dealer up card, then the player's two cards, with `bet` on the table.
    void deal(int up, int first, int second, double bet = 10)
    {
        table.bet = bet;
        table.cash -= bet;
        random.deal({up, first, second});
        game.lblNewClick();
    }
};

TEST_F(Dealing, RefusesWithoutABetAndOffersAFreshStartWhenBroke)
{
    game.lblNewClick();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, messages::kPleaseBetFirst);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(table.player.cardSlots, Table::fresh().player.cardSlots);
    EXPECT_EQ(table.labels, ActionLabels{});

    table.cash = 0;
    game.lblNewClick();
    EXPECT_EQ(desk.outOfMoney, 1);
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(random.reseeds, 0);
}

TEST_F(Dealing, ShowsTheTotalsAndOpensThePlayersTurn)
{
    struct Case {
        int up, first, second;
        double playerTotal, dealerTotal;
        ActionLabels labels;
        int insuranceQuestions;
    };
    const ActionLabels turn{false, true, true, false, false, false, false};
    const ActionLabels turnWithDouble{false, true, true, true, false, false, false};
    const ActionLabels betweenGames{true, false, false, false, true, true, true};
    const Case cases[] = {
        {card(10), card(5), card(6), 11, 10, turnWithDouble, 0},
        {card(10), card(kAce), card(kAce), 12, 10, turn, 0},
        {card(10), card(kAce), card(9), 20, 10, turn, 0},
        {card(9), card(kAce), card(kKing), 21, 9, betweenGames, 0}, // blackjack, paid at once
        {card(9), card(kQueen), card(kAce), 21, 9, betweenGames, 0},
        {card(kAce), card(10), card(8), 18, 1, turn, 1}, // an ace up shows 1
        {card(kAce), card(kAce), card(kKing), 21, 1, betweenGames, 1},
        {card(5), card(5), card(5), 10, 5, turn, 0}, // the same card twice is a legal hand
    };
    for (const Case &c : cases) {
        table = Table::fresh();
        table.cash = 10; // the whole cash goes on the table: the deal goes ahead with none left
        desk.insurance = 0;
        deal(c.up, c.first, c.second);
        SCOPED_TRACE(::testing::Message() << "cards " << c.up << " " << c.first << " " << c.second);
        EXPECT_EQ(table.player.total, c.playerTotal);
        EXPECT_EQ(table.dealer.total, c.dealerTotal);
        EXPECT_EQ(desk.insurance, c.insuranceQuestions);
        // The desk records the question but does not reopen Hit and Stand; compare the rest.
        if (c.insuranceQuestions == 0) {
            EXPECT_EQ(table.labels, c.labels);
        }
        EXPECT_EQ(table.dealer.cardSlots[0], (CardSlot{true, SlotFace::CardFace, c.up}));
        EXPECT_EQ(table.player.cardSlots[1], (CardSlot{true, SlotFace::CardFace, c.second}));
        EXPECT_FALSE(table.dealer.cardSlots[1].visible);
    }
}

TEST_F(Dealing, ClearsThePreviousGamesCards)
{
    deal(card(10), card(2), card(3));
    random.deal({card(2), card(2), card(2)});
    game.lblHitClick();
    game.lblHitClick();
    game.lblHitClick();
    random.deal({card(7)});
    game.lblStandClick();
    ASSERT_TRUE(table.labels.lblNew);

    deal(card(10), card(9), card(8));
    for (int i = 2; i < 7; ++i)
        EXPECT_FALSE(table.player.cardSlots[i].visible);
    for (int i = 1; i < 7; ++i)
        EXPECT_FALSE(table.dealer.cardSlots[i].visible);
    EXPECT_EQ(table.player.values, (HandValues{9, 8}));
    EXPECT_EQ(table.dealer.values, (HandValues{10}));
}

TEST_F(Dealing, HitsUntilBustingAndLosesTheBet)
{
    struct Case {
        int first, second;
        std::initializer_list<int> hits;
        double total;
        bool bust;
    };
    const Case cases[] = {
        {card(10), card(6), {card(kKing)}, 26, true},
        {card(kAce), card(6), {card(10)}, 17, false},          // soft 27 counts the ace as 1
        {card(kAce), card(kAce), {card(9)}, 21, false},
        {card(kAce), card(5), {card(5), card(5)}, 16, false},  // soft 21, then 16
        {card(10), card(6), {card(5), card(2)}, 23, true},
    };
    for (const Case &c : cases) {
        table = Table::fresh();
        host.sounds.clear();
        deal(card(10), c.first, c.second);
        random.deal(c.hits);
        for (std::size_t i = 0; i < c.hits.size(); ++i)
            game.lblHitClick();
        SCOPED_TRACE(::testing::Message() << "hand " << c.first << " " << c.second);
        EXPECT_EQ(table.player.total, c.total);
        EXPECT_FALSE(table.labels.lblDouble);
        if (c.bust) {
            EXPECT_EQ(table.labels, (ActionLabels{true, false, false, false, true, true, true}));
            EXPECT_EQ(table.bet, 0);
            EXPECT_EQ(table.cash, 490);
            EXPECT_EQ(host.sounds.back(), sounds::kLose);
            EXPECT_FALSE(table.dealer.cardSlots[1].visible) << "the dealer's hand is not played";
        } else {
            EXPECT_EQ(table.labels, (ActionLabels{false, true, true, false, false, false, false}));
            EXPECT_EQ(host.sounds.size(), c.hits.size());
        }
    }
}

TEST_F(Dealing, AHitWithSevenCardsOnTheTableDealsNothing)
{
    deal(card(10), card(kAce), card(kAce, 1));
    random.deal({card(kAce, 2), card(kAce, 3), card(2), card(2), card(2)});
    for (int i = 0; i < 5; ++i)
        game.lblHitClick();
    ASSERT_EQ(table.player.total, 20);
    host.sounds.clear();
    game.lblHitClick(); // the script is empty: drawing would throw
    EXPECT_TRUE(host.sounds.empty());
    EXPECT_EQ(table.player.total, 20);
    EXPECT_TRUE(table.labels.lblHit);
}

} // namespace
} // namespace quellard

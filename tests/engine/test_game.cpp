#include "engine/Game.h"
#include "settings/SoundFiles.h"
#include "support/FakeHost.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace quellard {
namespace {

using namespace quellard::testing;

const ActionLabels kPlayersTurn{false, true, true, false, false, false, false};
const ActionLabels kBetweenGames{true, false, false, false, true, true, true};

struct Playing : ::testing::Test, WagerDesk {
    FakeHost host;
    ScriptedRandom random;
    Game game{host, random};
    Table &table = game.table();

    Playing() { game.attachWagerDesk(*this); }
    void outOfMoneyPrompt() override {}
    void offerInsurance() override { table.labels = kPlayersTurn; }

    // A fresh table with 10 of 500 bet, then the dealer's up card and the player's two cards.
    void deal(int up, int first = card(10), int second = card(8))
    {
        table = Table::fresh();
        table.bet = 10;
        table.cash = 490;
        host.sounds.clear();
        random.deal({up, first, second});
        game.lblNewClick();
    }
};

TEST_F(Playing, PaysABlackjackAtOnceAndOffersDoubleOnlyOnATwoCardEleven)
{
    struct Case {
        int up, first, second;
        bool blackjack, doubleOpen;
    };
    const Case cases[] = {
        {card(10), card(5), card(6), false, true},
        {card(9), card(kAce), card(kKing), true, false},
        {card(9), card(kQueen), card(kAce), true, false},
        {card(5), card(5), card(5), false, false}, // the same card twice is a legal hand
    };
    for (const Case &c : cases) {
        deal(c.up, c.first, c.second);
        SCOPED_TRACE(::testing::Message() << "cards " << c.up << " " << c.first << " " << c.second);
        EXPECT_EQ(table.labels.lblDouble, c.doubleOpen);
        EXPECT_EQ(table.labels.lblNew, c.blackjack);
        EXPECT_EQ(table.cash, c.blackjack ? 515 : 490);
    }
}

TEST_F(Playing, HitsCountTheAceDownAndABustEndsTheGame)
{
    struct Case {
        int first, second;
        std::initializer_list<int> hits;
        double total;
    };
    const Case cases[] = {
        {card(kAce), card(6), {card(10)}, 17}, // soft 17 turns hard
        {card(5), card(6), {card(2)}, 13},     // Double closes after a hit
        {card(10), card(6), {card(kKing)}, 26},
    };
    for (const Case &c : cases) {
        deal(card(10), c.first, c.second);
        random.deal(c.hits);
        for (std::size_t i = 0; i < c.hits.size(); ++i)
            game.lblHitClick();
        SCOPED_TRACE(::testing::Message() << "hand " << c.first << " " << c.second);
        EXPECT_EQ(table.player.total, c.total);
        EXPECT_EQ(table.labels, c.total > 21 ? kBetweenGames : kPlayersTurn);
        EXPECT_FALSE(table.dealer.cardSlots[1].visible) << "the dealer's hand is not played";
    }
}

TEST_F(Playing, SevenCardsTakeNoMoreAndTheNextDealClearsThem)
{
    deal(card(10), card(kAce), card(kAce, 1));
    random.deal({card(kAce, 2), card(kAce, 3), card(2), card(2), card(2), card(7)});
    for (int i = 0; i < 6; ++i) // the sixth hit finds no free slot and deals nothing
        game.lblHitClick();
    EXPECT_EQ(table.player.total, 20);
    EXPECT_TRUE(table.labels.lblHit);
    game.lblStandClick(); // the dealer takes the seven: 17
    ASSERT_EQ(table.dealer.total, 17);

    table.bet = 10; // the next deal on the same table
    random.deal({card(10), card(9), card(8)});
    game.lblNewClick();
    for (int i = 1; i < 7; ++i) {
        EXPECT_EQ(table.player.cardSlots[i].visible, i == 1);
        EXPECT_FALSE(table.dealer.cardSlots[i].visible);
    }
    EXPECT_EQ(table.player.values, (HandValues{9, 8}));
    EXPECT_EQ(table.dealer.values, (HandValues{10}));
}

TEST_F(Playing, DealerDrawsToSeventeenThenTheHandsAreSettled)
{
    struct Case {
        int upCard;
        std::initializer_list<int> draws;
        int insured;
        double dealerTotal;
        GameResult result;
        double cashAfter; // the player's 18, bet 10 with 490 left
        std::string_view sound;
    };
    const Case cases[] = {
        {card(kAce), {card(6)}, 0, 17, GameResult::Win, 510, sounds::kWin}, // soft 17 stands
        {card(kAce), {card(5), card(kKing), card(2)}, 0, 18, GameResult::Push, 500, sounds::kPush},
        {card(10), {card(9)}, 0, 19, GameResult::Loss, 490, sounds::kLose},
        {card(10), {card(6), card(10)}, 0, 26, GameResult::Win, 510, sounds::kDealerBust},
        {card(kAce), {card(kKing)}, 1, 21, GameResult::Loss, 505, sounds::kLose}, // insurance pays 1.5 x the bet
        {card(kAce), {card(6)}, 1, 17, GameResult::Win, 510, sounds::kWin},
        {card(10), {card(kAce)}, 1, 21, GameResult::Loss, 490, sounds::kLose}, // insurance only under an ace up
        {card(10), {card(kKing)}, 1, 20, GameResult::Loss, 490, sounds::kLose},
    };
    for (const Case &c : cases) {
        deal(c.upCard);
        table.insYes = c.insured;
        host.pauses.clear();
        random.deal(c.draws);
        game.lblStandClick();
        SCOPED_TRACE(::testing::Message() << "up " << c.upCard << " insured " << c.insured);
        EXPECT_TRUE(random.exhausted());
        EXPECT_EQ(table.dealer.total, c.dealerTotal);
        EXPECT_EQ(host.pauses.size(), c.draws.size());
        EXPECT_EQ(table.gameResult, c.result);
        EXPECT_EQ(table.cash, c.cashAfter);
        EXPECT_EQ(host.sounds.size(), c.draws.size() + 1)
            << "a sound for each card and the outcome, none for insurance";
        EXPECT_EQ(host.sounds.back(), c.sound);
    }
}

TEST_F(Playing, DealerTurnsTheHoleCardFirstAndAnEighthCardReplacesTheSeventh)
{
    deal(card(2));
    table.dealer.cardSlots[1] = {true, SlotFace::CardBack, 0}; // as under the insurance question
    random.deal({card(3, 1), card(2, 1), card(2, 2), card(2, 3), card(2), card(2, 1), card(4)});
    game.lblStandClick();
    EXPECT_EQ(table.dealer.cardSlots[1].cardNumber, card(3, 1));
    EXPECT_EQ(table.dealer.cardSlots[6], (CardSlot{true, SlotFace::CardFace, card(4)}));
    EXPECT_EQ(table.dealer.values, (HandValues{2, 3, 2, 2, 2, 2, 4}));
    EXPECT_EQ(table.dealer.total, 17);
}

TEST_F(Playing, DealerSettlesAtOnceOnSeventeenOrMore)
{
    deal(card(10));
    table.dealer.total = 17;
    game.lblStandClick();
    EXPECT_TRUE(host.pauses.empty());
    EXPECT_FALSE(table.dealer.cardSlots[1].visible);
    EXPECT_EQ(table.gameResult, GameResult::Win);
}

TEST_F(Playing, AnAbandonedDealerTurnNeitherDrawsNorSettles)
{
    deal(card(10));
    random.deal({card(4), card(5)});
    host.duringPause = [this] { game.abandonDealerTurn(); };
    game.lblStandClick();
    EXPECT_EQ(host.cancelledPauses, 1);
    EXPECT_FALSE(table.dealer.cardSlots[1].visible);
    EXPECT_FALSE(table.gameResult.has_value());
    EXPECT_FALSE(game.dealerTurnRunning());
}

TEST(DealerPause, LastsFromTheNearestWholeSecondToOneSecondLater)
{
    struct Case {
        double now;
        long long ms;
    };
    const Case cases[] = {
        {100.0, 1000},   {100.49, 510}, {100.51, 1490}, {100.5, 500}, // a half rounds to the even second: 100
        {101.5, 1500},                                                // ...and here to 102
        {86399.7, 1300}, // just before midnight the pause still ends after its length
    };
    for (const Case &c : cases)
        EXPECT_EQ(Game::dealerPauseLength(c.now, 1), std::chrono::milliseconds(c.ms)) << "at " << c.now;
}

} // namespace
} // namespace quellard

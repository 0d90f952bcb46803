#include "engine/Game.h"
#include "settings/SoundFiles.h"
#include "support/FakeHost.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace quellard {
namespace {

using namespace quellard::testing;
using std::chrono::milliseconds;

// The player has stood (or doubled) on `playerTotal`; the dealer shows its up card.
struct DealerTurn : ::testing::Test {
    FakeHost host;
    ScriptedRandom random;
    Game game{host, random};
    Table &table = game.table();

    void standAfterDeal(int upCard, double playerTotal, bool holeFaceDown = false)
    {
        table = Table::fresh();
        table.bet = 10;
        table.cash = 490;
        table.dealer.cardSlots[0] = {true, SlotFace::CardFace, upCard};
        table.dealer.values[0] = cardValue(upCard);
        table.dealer.total = table.dealer.values[0];
        if (holeFaceDown)
            table.dealer.cardSlots[1] = {true, SlotFace::CardBack, 0};
        table.player.total = playerTotal;
        table.labels = ActionLabels{false, true, true, false, false, false, false};
    }

    std::vector<int> dealerCards() const
    {
        std::vector<int> cards;
        for (const CardSlot &slot : table.dealer.cardSlots)
            if (slot.visible && slot.face == SlotFace::CardFace)
                cards.push_back(slot.cardNumber);
        return cards;
    }
};

TEST_F(DealerTurn, DrawsToSeventeenWithTheAceRule)
{
    struct Case {
        int upCard;
        std::initializer_list<int> draws;
        double finalTotal;
    };
    const Case cases[] = {
        {card(10), {card(7)}, 17},                        // stands on 17 at once
        {card(kAce), {card(6)}, 17},                      // soft 17 stands too
        {card(kAce), {card(5), card(kKing), card(2)}, 18}, // soft 16, then hard 16 draws again
        {card(kAce), {card(kAce), card(5)}, 17},          // two aces show 12, then 17
        {card(10), {card(6), card(10)}, 26},              // over 21 ends the turn
        {card(kAce), {card(kKing)}, 21},
    };
    for (const Case &c : cases) {
        host.pauses.clear();
        standAfterDeal(c.upCard, 18);
        random.deal(c.draws);
        game.lblStandClick();
        EXPECT_TRUE(random.exhausted());
        EXPECT_EQ(table.dealer.total, c.finalTotal);
        EXPECT_EQ(host.pauses.size(), c.draws.size()) << "one pause before each dealer card";
        EXPECT_EQ(host.sounds.back() == sounds::kCard, false) << "the turn ends with the outcome's sound";
    }
}

TEST_F(DealerTurn, TurnsTheHoleCardFirstThenFillsTheSlotsInOrder)
{
    standAfterDeal(card(kAce), 18, /*holeFaceDown=*/true);
    random.deal({card(2, 1), card(2, 2), card(2, 3)});
    game.lblStandClick();
    // Soft 13, soft 15, soft 17: the dealer stands after the fourth card.
    EXPECT_EQ(dealerCards(), (std::vector<int>{card(kAce), card(2, 1), card(2, 2), card(2, 3)}));
    EXPECT_EQ(table.dealer.cardSlots[1].cardNumber, card(2, 1));
    EXPECT_EQ(table.dealer.total, 17);
}

TEST_F(DealerTurn, AnEighthCardReplacesTheSeventh)
{
    // Seven cards still under 17 are possible, since every card comes from a full pack.
    standAfterDeal(card(2), 18);
    random.deal({card(2), card(2), card(2), card(2), card(2), card(2), card(5)});
    game.lblStandClick();
    EXPECT_EQ(table.dealer.cardSlots[6].cardNumber, card(5));
    EXPECT_EQ(table.dealer.values, (HandValues{2, 2, 2, 2, 2, 2, 5}));
    EXPECT_EQ(table.dealer.total, 17);
}

TEST_F(DealerTurn, SettlesAtOnceWhenTheDealerAlreadyHasSeventeen)
{
    standAfterDeal(card(10), 18);
    table.dealer.total = 17;
    game.lblStandClick();
    EXPECT_TRUE(host.pauses.empty());
    EXPECT_FALSE(table.dealer.cardSlots[1].visible);
    EXPECT_EQ(table.gameResult, GameResult::Win);
}

TEST_F(DealerTurn, AbandonedDuringAPauseItNeitherDrawsNorSettles)
{
    standAfterDeal(card(10), 18);
    random.deal({card(4), card(5)});
    host.duringPause = [this](int) { game.abandonDealerTurn(); };
    game.lblStandClick();
    EXPECT_EQ(host.cancelledPauses, 1);
    EXPECT_FALSE(table.dealer.cardSlots[1].visible);
    EXPECT_EQ(table.bet, 10);
    EXPECT_EQ(table.cash, 490);
    EXPECT_FALSE(table.gameResult.has_value());
    EXPECT_FALSE(game.dealerTurnRunning());
}

TEST(DealerPause, LastsFromTheNearestWholeSecondToOneSecondLater)
{
    struct Case {
        double now;
        long long expectedMs;
    };
    const Case cases[] = {
        {100.0, 1000},  {100.49, 510}, {100.51, 1490}, {100.999, 1001},
        {100.5, 500},   // a half rounds to the even second: 100
        {101.5, 1500},  // ...and here to 102
        {86399.7, 1300}, // just before midnight the pause still ends after its length
    };
    for (const Case &c : cases)
        EXPECT_EQ(Game::dealerPauseLength(c.now, 1), milliseconds(c.expectedMs)) << "at " << c.now;
}

} // namespace
} // namespace quellard

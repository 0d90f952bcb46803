#include "engine/Game.h"
#include "settings/SoundFiles.h"
#include "support/FakeHost.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

namespace quellard {
namespace {

using testing::FakeHost;
using testing::ScriptedRandom;

// A game that has reached the end of the dealer's turn.
struct Settling : ::testing::Test {
    FakeHost host;
    ScriptedRandom random;
    Game game{host, random};
    Table &table = game.table();

    void reach(double playerTotal, double dealerTotal, double bet, double cash)
    {
        table.player.total = playerTotal;
        table.dealer.total = dealerTotal;
        table.bet = bet;
        table.cash = cash;
        table.labels = ActionLabels{false, false, false, false, false, false, false};
    }
};

TEST_F(Settling, ComparesTheTotalsAndMovesTheMoney)
{
    struct Case {
        double player, dealer;
        GameResult result;
        double cashAfter; // bet 10 from cash 490
        std::string_view sound;
    };
    const Case cases[] = {
        {20, 20, GameResult::Push, 500, sounds::kPush},
        {18, 19, GameResult::Loss, 490, sounds::kLose},
        {19, 18, GameResult::Win, 510, sounds::kWin},
        {12, 22, GameResult::Win, 510, sounds::kDealerBust},
        {21, 26, GameResult::Win, 510, sounds::kDealerBust},
        {21, 21, GameResult::Push, 500, sounds::kPush},
        {17, 21, GameResult::Loss, 490, sounds::kLose},
    };
    for (const Case &c : cases) {
        host.sounds.clear();
        reach(c.player, c.dealer, 10, 490);
        game.decideOutcome();
        SCOPED_TRACE(::testing::PrintToString(c.player) + " against " + ::testing::PrintToString(c.dealer));
        EXPECT_EQ(table.gameResult, c.result);
        EXPECT_EQ(table.cash, c.cashAfter);
        EXPECT_EQ(table.bet, 0);
        EXPECT_EQ(host.sounds, std::vector<std::string>{std::string(c.sound)});
        // Betting is open again, and only betting and New.
        EXPECT_EQ(table.labels, (ActionLabels{true, false, false, false, true, true, true}));
    }
}

TEST_F(Settling, SilentWithTheSoundSwitchedOffButPaysTheSame)
{
    host.soundOn = false;
    reach(19, 18, 20, 480);
    game.decideOutcome();
    EXPECT_TRUE(host.sounds.empty());
    EXPECT_EQ(table.cash, 520);
}

TEST_F(Settling, InsurancePaysOnADealerBlackjackBeforeTheHandIsSettled)
{
    struct Case {
        int insured, upCard, holeCard;
        double playerTotal, dealerTotal;
        double cashAfter; // bet 10, cash 485 after the premium of 5
    };
    const Case cases[] = {
        {1, 1, 10, 18, 21, 500},  // 15 back for the insurance, the hand is lost
        {1, 1, 10, 21, 21, 510},  // insurance and a push on a three-card 21
        {1, 1, 6, 18, 17, 505},   // no blackjack: the premium is lost, the hand is won
        {0, 1, 10, 18, 21, 485},  // not insured
        {1, 10, 10, 18, 20, 485}, // a flag left from an earlier game counts only under an ace
    };
    for (const Case &c : cases) {
        host.sounds.clear();
        reach(c.playerTotal, c.dealerTotal, 10, 485);
        table.insYes = c.insured;
        table.dealer.values = {c.upCard, c.holeCard};
        game.decideOutcome();
        EXPECT_EQ(table.cash, c.cashAfter) << "insured " << c.insured << " up " << c.upCard << " hole " << c.holeCard;
        EXPECT_EQ(host.sounds.size(), 1u) << "the insurance payout has no sound of its own";
    }
}

TEST_F(Settling, BlackjackPaysThreeToTwoInHalfPounds)
{
    reach(21, 1, 5, 495);
    table.labels = ActionLabels{false, true, true, false, false, false, false};
    game.outcomeBlackjack();
    EXPECT_EQ(table.cash, 507.5);
    EXPECT_EQ(table.bet, 0);
    EXPECT_EQ(host.sounds, std::vector<std::string>{std::string(sounds::kBlackjack)});
    EXPECT_EQ(table.labels, (ActionLabels{true, false, false, false, true, true, true}));
}

} // namespace
} // namespace quellard

#include "engine/Messages.h"
#include "settings/SoundFiles.h"
#include "support/FakeHost.h"
#include "support/ScriptedRandom.h"
#include "wagers/Wagers.h"

#include <gtest/gtest.h>

namespace quellard {
namespace {

using namespace quellard::testing;

struct SideBets : ::testing::Test {
    FakeHost host;
    ScriptedRandom random;
    Session session{host, random};
    Game &game = session.game;
    Table &table = game.table();
    Wagers &wagers = session.wagers;

    void dealWith(double bet, double cash, int up, int first, int second)
    {
        table.bet = bet;
        table.cash = cash;
        random.deal({up, first, second});
        game.lblNewClick();
    }
};

TEST_F(SideBets, InsuranceCostsHalfTheBetWhenTheCashCoversIt)
{
    struct Case {
        double bet, cash;
        InsuranceReply reply;
        double cashAfter;
        int insured;
        bool refused;
    };
    const Case cases[] = {
        {10, 490, InsuranceReply::Yes, 485, 1, false},
        {5, 495, InsuranceReply::Yes, 492.5, 1, false}, // half pounds are kept exactly
        {100, 50, InsuranceReply::Yes, 0, 1, false},    // exactly the cash is enough
        {100, 40, InsuranceReply::Yes, 40, 0, true},
        {10, 490, InsuranceReply::No, 490, 0, false},
        {10, 490, InsuranceReply::Close, 490, 0, false}, // closing the question declines it
    };
    for (const Case &c : cases) {
        host.messages.clear();
        host.sounds.clear();
        host.soundOn = false; // the question is heard even so
        table = Table::fresh();
        table.insYes = 1;     // left over from an earlier game
        host.insuranceReplies = {c.reply};
        dealWith(c.bet, c.cash, card(kAce), card(10), card(8));
        SCOPED_TRACE(::testing::Message() << "bet " << c.bet << " cash " << c.cash);
        EXPECT_EQ(host.insuranceQuestions > 0, true);
        EXPECT_EQ(table.cash, c.cashAfter);
        EXPECT_EQ(table.insYes, c.insured);
        EXPECT_EQ(host.messages.size(), c.refused ? 1u : 0u);
        EXPECT_EQ(host.sounds, std::vector<std::string>{std::string(sounds::kInsurance)});
        EXPECT_EQ(table.dealer.cardSlots[1], (CardSlot{true, SlotFace::CardBack, 0}));
        EXPECT_EQ(table.labels, (ActionLabels{false, true, true, false, false, false, false}));
    }
}

TEST_F(SideBets, InsuranceQuestionComesBeforeThePlayersBlackjackIsPaid)
{
    host.insuranceReplies = {InsuranceReply::Yes};
    dealWith(10, 490, card(kAce), card(kAce), card(kKing));
    // 5 premium lost, 25 blackjack: the dealer's hand is never played.
    EXPECT_EQ(table.cash, 490 - 5 + 25);
    EXPECT_EQ(host.sounds, (std::vector<std::string>{"insurance.wav", "clap.wav"}));
    EXPECT_TRUE(table.dealer.cardSlots[1].faceDown());
    EXPECT_TRUE(host.pauses.empty());
}

TEST_F(SideBets, InsuredThenDoubledPaysOneAndAHalfTimesTheDoubledBet)
{
    host.insuranceReplies = {InsuranceReply::Yes};
    dealWith(20, 480, card(kAce), card(6), card(5));
    ASSERT_TRUE(table.labels.lblDouble);
    random.deal({card(9), card(kQueen)}); // the player's 20; the dealer turns a blackjack
    wagers.lblDoubleClick();
    // 480 - 10 premium - 20 second stake = 450; insurance 1.5 x 40 = 60; a 20 loses to 21.
    EXPECT_EQ(table.cash, 510);
    EXPECT_EQ(table.gameResult, GameResult::Loss);
}

TEST_F(SideBets, DoubleDownTakesOneCardAndHandsOverToTheDealer)
{
    struct Case {
        double bet, cash;
        int third;
        double playerTotal;
    };
    const Case cases[] = {
        {20, 480, card(7), 18},
        {50, 50, card(kKing), 21}, // exactly the bet in cash is enough
        {10, 490, card(kAce), 12}, // an ace counts 1 on a double
    };
    for (const Case &c : cases) {
        host.sounds.clear();
        host.pauses.clear();
        table = Table::fresh();
        dealWith(c.bet, c.cash, card(10), card(6), card(5));
        ASSERT_TRUE(table.labels.lblDouble);
        double cashDuringTurn = -1, betDuringTurn = -1;
        host.duringPause = [&](int) { cashDuringTurn = table.cash; betDuringTurn = table.bet; };
        random.deal({c.third, card(8)}); // the dealer's hole card makes 18
        wagers.lblDoubleClick();
        SCOPED_TRACE(::testing::Message() << "bet " << c.bet << " third card " << c.third);
        EXPECT_EQ(cashDuringTurn, c.cash - c.bet);
        EXPECT_EQ(betDuringTurn, 2 * c.bet);
        EXPECT_EQ(table.player.cardSlots[2], (CardSlot{true, SlotFace::CardFace, c.third}));
        EXPECT_EQ(table.player.total, c.playerTotal);
        EXPECT_EQ(host.pauses.size(), 1u) << "only the dealer's card waits";
        EXPECT_EQ(host.sounds.front(), sounds::kCard) << "the doubling card itself is silent";
        const double payout = c.playerTotal > 18 ? 4 * c.bet : c.playerTotal == 18 ? 2 * c.bet : 0;
        EXPECT_EQ(table.cash, c.cash - c.bet + payout);
        EXPECT_EQ(table.labels, (ActionLabels{true, false, false, false, true, true, true}));
    }
}

TEST_F(SideBets, ARefusedDoubleIsGoneButTheTurnGoesOn)
{
    dealWith(50, 40, card(10), card(6), card(5));
    wagers.lblDoubleClick();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, messages::kNotEnoughMoney);
    EXPECT_EQ(table.cash, 40);
    EXPECT_EQ(table.bet, 50);
    EXPECT_FALSE(table.player.cardSlots[2].visible);
    EXPECT_EQ(table.labels, (ActionLabels{false, true, true, false, false, false, false}));
    random.deal({card(3)});
    game.lblHitClick();
    EXPECT_EQ(table.player.total, 14);
}

TEST_F(SideBets, DoubleIsOfferedOnlyOnATwoCardEleven)
{
    struct Case {
        int first, second;
        bool offered;
    };
    const Case cases[] = {
        {card(5), card(6), true}, {card(2), card(9), true}, {card(4), card(6), false},
        {card(6), card(6), false}, {card(kAce), card(10), false}, {card(kAce), card(kKing), false},
    };
    for (const Case &c : cases) {
        table = Table::fresh();
        dealWith(10, 490, card(10), c.first, c.second);
        EXPECT_EQ(table.labels.lblDouble, c.offered) << c.first << " and " << c.second;
    }
    // Reaching 11 by a hit does not open it.
    table = Table::fresh();
    dealWith(10, 490, card(10), card(4), card(5));
    random.deal({card(2)});
    game.lblHitClick();
    EXPECT_EQ(table.player.total, 11);
    EXPECT_FALSE(table.labels.lblDouble);
}

} // namespace
} // namespace quellard

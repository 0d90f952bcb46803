#include "engine/Messages.h"
#include "support/FakeHost.h"
#include "support/ScriptedRandom.h"
#include "wagers/Wagers.h"

#include <gtest/gtest.h>

namespace quellard {
namespace {

using namespace quellard::testing;

const ActionLabels kPlayersTurn{false, true, true, false, false, false, false};

struct Wagering : ::testing::Test {
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

TEST_F(Wagering, ChipsMoveWhileTheCashCoversThemAndABrokePlayerIsAskedToStartAgain)
{
    struct Case {
        double cash, bet;
        int chip;
        bool yes;
        double cashAfter, betAfter;
        std::string_view message;
    };
    const Case cases[] = {
        {500, 0, 50, false, 450, 50, {}},
        {50, 0, 50, false, 0, 50, {}},
        {9.5, 0, 10, false, 9.5, 0, messages::kNotEnoughMoney},
        {0, 20, 5, false, 0, 20, messages::kNotEnoughMoney}, // all staked: refused, not asked
        {0, 0, 10, false, 0, 0, messages::kOutOfMoney},
        {0, 0, 50, true, 500, 0, messages::kOutOfMoney}, // the fresh start places no chip
    };
    for (const Case &c : cases) {
        host.messages.clear();
        table.cash = c.cash;
        table.bet = c.bet;
        host.answerYes = c.yes;
        if (c.chip == 5)
            wagers.lblBet5Click();
        else if (c.chip == 10)
            wagers.lblBet10Click();
        else
            wagers.lblBet50Click();
        SCOPED_TRACE(::testing::Message() << "cash " << c.cash << " bet " << c.bet);
        EXPECT_EQ(table.cash, c.cashAfter);
        EXPECT_EQ(table.bet, c.betAfter);
        ASSERT_EQ(host.messages.size(), c.message.empty() ? 0u : 1u);
        if (!c.message.empty()) {
            EXPECT_EQ(host.messages[0].text, c.message);
            EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
            EXPECT_EQ(host.messages[0].question, c.message == messages::kOutOfMoney);
        }
    }
}

TEST_F(Wagering, ResetGivesTheOpeningTableMidGameAndAgain)
{
    dealWith(40, 460, card(kAce), card(2), card(3)); // the hole card lies face down
    random.deal({card(4)});
    game.lblHitClick();
    const Table fresh = Table::fresh();
    auto shown = [](const CardSlot &slot) {
        return slot.visible ? int(slot.face) : -1;
    }; // a hidden slot may keep its card
    for (int round = 0; round < 2; ++round) {
        table.cash = 1200; // winnings are not kept
        wagers.newGameClick();
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(shown(table.player.cardSlots[i]), shown(fresh.player.cardSlots[i])) << "player's slot " << i;
            EXPECT_EQ(shown(table.dealer.cardSlots[i]), shown(fresh.dealer.cardSlots[i])) << "dealer's slot " << i;
        }
        EXPECT_EQ(table.cash, 500);
        EXPECT_EQ(table.bet, 0);
        EXPECT_EQ(table.player.total + table.dealer.total, 0);
        EXPECT_EQ(table.labels, ActionLabels{});
    }
}

TEST_F(Wagering, InsuranceCostsHalfTheBetAndPaysOneAndAHalfTimesTheFinalBet)
{
    struct Case {
        double bet, cash;
        int first, second;
        std::initializer_list<int> doubling; // the player's card and the dealer's hole card
        double cashAfter;
    };
    const Case cases[] = {
        {5, 495, card(10), card(8), {}, 492.5},
        {100, 50, card(10), card(8), {}, 0},                       // exactly the cash is enough
        {10, 490, card(kAce), card(kKing), {}, 510},               // asked before the blackjack is paid: -5, then +25
        {20, 480, card(6), card(5), {card(9), card(kQueen)}, 510}, // -10, -20 to double, +60; 20 loses to 21
    };
    host.insuranceReply = InsuranceReply::Yes;
    for (const Case &c : cases) {
        table = Table::fresh();
        dealWith(c.bet, c.cash, card(kAce), c.first, c.second);
        random.deal(c.doubling);
        if (c.doubling.size() > 0)
            wagers.lblDoubleClick();
        EXPECT_EQ(table.cash, c.cashAfter) << "bet " << c.bet;
        EXPECT_EQ(table.insYes, 1);
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(Wagering, DoubleNeedsTheBetInCashAndTakesOneCardBeforeTheDealer)
{
    struct Case {
        double bet, cash;
        int third;
        double playerTotal, cashAfter; // against the dealer's 18
    };
    const Case cases[] = {
        {50, 40, 0, 11, 40},            // refused: the turn goes on
        {50, 50, card(kKing), 21, 200}, // exactly the bet in cash is enough
        {10, 490, card(kAce), 12, 480}, // an ace counts 1 on a double
    };
    for (const Case &c : cases) {
        host.messages.clear();
        host.pauses.clear();
        table = Table::fresh();
        dealWith(c.bet, c.cash, card(10), card(6), card(5));
        if (c.third)
            random.deal({c.third, card(8)});
        wagers.lblDoubleClick();
        SCOPED_TRACE(::testing::Message() << "bet " << c.bet << " cash " << c.cash);
        EXPECT_EQ(table.player.cardSlots[2], (c.third ? CardSlot{true, SlotFace::CardFace, c.third} : CardSlot{}));
        EXPECT_EQ(table.player.total, c.playerTotal);
        EXPECT_EQ(table.cash, c.cashAfter);
        EXPECT_EQ(host.pauses.size(), c.third ? 1u : 0u) << "only the dealer's card waits";
        ASSERT_EQ(host.messages.size(), c.third ? 0u : 1u);
        EXPECT_TRUE(c.third || host.messages[0].text == messages::kNotEnoughMoney);
        EXPECT_EQ(table.labels == kPlayersTurn, c.third == 0) << "a refused double keeps Hit and Stand";
    }
}

} // namespace
} // namespace quellard

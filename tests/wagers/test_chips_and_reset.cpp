#include "engine/Messages.h"
#include "support/FakeHost.h"
#include "support/ScriptedRandom.h"
#include "wagers/Wagers.h"

#include <gtest/gtest.h>

namespace quellard {
namespace {

using namespace quellard::testing;

struct Betting : ::testing::Test {
    FakeHost host;
    ScriptedRandom random;
    Session session{host, random};
    Table &table = session.game.table();
    Wagers &wagers = session.wagers;

    void click(int chip)
    {
        switch (chip) {
        case 5: wagers.lblBet5Click(); break;
        case 10: wagers.lblBet10Click(); break;
        case 50: wagers.lblBet50Click(); break;
        }
    }
};

TEST_F(Betting, ChipsMoveFromTheCashToTheBetWhileTheCashCoversThem)
{
    struct Case {
        double cash, bet;
        int chip;
        double cashAfter, betAfter;
        const char *message; // nullptr: no message
    };
    const Case cases[] = {
        {500, 0, 50, 450, 50, nullptr},
        {50, 0, 50, 0, 50, nullptr},     // the last 50
        {30, 0, 50, 30, 0, "You do not have enough money!!"},
        {30, 0, 10, 20, 10, nullptr},
        {9.5, 0, 10, 9.5, 0, "You do not have enough money!!"},
        {9.5, 0, 5, 4.5, 5, nullptr},
        {0, 20, 5, 0, 20, "You do not have enough money!!"}, // everything staked: no fresh start
        {2.5, 0, 5, 2.5, 0, "You do not have enough money!!"},
        {100000, 9000, 50, 99950, 9050, nullptr},            // no table maximum
    };
    for (const Case &c : cases) {
        host.messages.clear();
        table.cash = c.cash;
        table.bet = c.bet;
        click(c.chip);
        SCOPED_TRACE(::testing::Message() << "cash " << c.cash << " chip " << c.chip);
        EXPECT_EQ(table.cash, c.cashAfter);
        EXPECT_EQ(table.bet, c.betAfter);
        if (c.message) {
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_EQ(host.messages[0].text, c.message);
            EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
            EXPECT_FALSE(host.messages[0].question);
        } else {
            EXPECT_TRUE(host.messages.empty());
        }
    }
}

TEST_F(Betting, ABrokePlayerIsOfferedAFreshStartAndTheChipIsNotPlaced)
{
    for (const bool yes : {false, true}) {
        for (const int chip : {5, 10, 50}) {
            host.messages.clear();
            table = Table::fresh();
            table.cash = 0;
            table.player.total = 17;
            host.yesNoAnswers = {yes};
            click(chip);
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_EQ(host.messages[0].text, messages::kOutOfMoney);
            EXPECT_TRUE(host.messages[0].question);
            EXPECT_EQ(host.messages[0].icon, MessageIcon::Information);
            EXPECT_EQ(table.cash, yes ? 500 : 0);
            EXPECT_EQ(table.bet, 0);
            EXPECT_EQ(table.player.total, yes ? 0 : 17);
        }
    }
}

TEST_F(Betting, TheResetGivesTheOpeningTableWhateverTheState)
{
    // Mid-game: three player cards, the dealer's hole card face down, 40 on the table.
    random.deal({card(kAce), card(2), card(3), card(4)});
    wagers.lblBet10Click();
    wagers.lblBet10Click();
    wagers.lblBet10Click();
    wagers.lblBet10Click();
    session.game.lblNewClick();
    session.game.lblHitClick();
    table.insYes = 1;
    ASSERT_EQ(table.cash, 460);

    wagers.newGameClick();
    Table expected = Table::fresh();
    expected.player.values = table.player.values; // the next deal clears the values
    expected.dealer.values = table.dealer.values;
    expected.insYes = 1;                          // every game with an ace up asks anew
    for (int i = 0; i < 7; ++i) {
        // Hidden slots may keep their old picture; what shows is what counts.
        EXPECT_EQ(table.player.cardSlots[i].visible, expected.player.cardSlots[i].visible);
        EXPECT_EQ(table.dealer.cardSlots[i].visible, expected.dealer.cardSlots[i].visible);
    }
    EXPECT_EQ(table.player.cardSlots[0], expected.player.cardSlots[0]);
    EXPECT_EQ(table.dealer.cardSlots[0], expected.dealer.cardSlots[0]);
    EXPECT_EQ(table.cash, 500);
    EXPECT_EQ(table.bet, 0);
    EXPECT_EQ(table.player.total, 0);
    EXPECT_EQ(table.dealer.total, 0);
    EXPECT_EQ(table.labels, ActionLabels{});
    EXPECT_EQ(table.insYes, 1);

    // Winnings are not kept, and a second reset changes nothing.
    table.cash = 1200;
    wagers.newGameClick();
    const Table once = table;
    wagers.newGameClick();
    EXPECT_EQ(table.cash, 500);
    EXPECT_EQ(table.player.cardSlots, once.player.cardSlots);
    EXPECT_EQ(table.labels, once.labels);
}

TEST_F(Betting, ARestartDuringTheDealersTurnEndsTheTurnOnTheFreshTable)
{
    wagers.lblBet50Click();
    random.deal({card(10), card(9), card(8), card(2), card(3), card(4)});
    session.game.lblNewClick();
    host.duringPause = [this](int) { wagers.newGameClick(); };
    session.game.lblStandClick();
    EXPECT_EQ(host.pauses.size(), 1u);
    EXPECT_EQ(table.cash, 500);
    EXPECT_EQ(table.bet, 0);
    EXPECT_FALSE(table.dealer.cardSlots[1].visible) << "no card was drawn onto the fresh table";
    EXPECT_EQ(table.labels, ActionLabels{});
    EXPECT_FALSE(session.game.dealerTurnRunning());
    EXPECT_TRUE(host.sounds.empty());
}

} // namespace
} // namespace quellard

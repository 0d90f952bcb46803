#include "support/GameOnTable.h"

#include <gtest/gtest.h>

namespace quellard::testing {

// A chip moves from the cash to the bet while the cash covers it, to the last penny, and New
// needs a bet; with nothing left at all either asks to start again instead. None deals a card.
TEST(Chips, MoveWhileTheCashCoversThemAndNewNeedsThem)
{
    // clang-format off
    const std::tuple<int, double, double, double, double> cases[] = { // chip (0: New), cash, bet, cash and bet after
        {5, 5, 0, 0, 5},    {5, 4.5, 0, 4.5, 0},      {10, 10, 0, 0, 10}, {10, 9.5, 0, 9.5, 0},
        {50, 50, 0, 0, 50}, {50, 49.5, 10, 49.5, 10}, {5, 0, 20, 0, 20},  {50, 0, 0, 500, 0},
        {0, 500, 0, 500, 0}, {0, 0, 0, 500, 0}};
    // clang-format on
    for (const auto &[chip, cash, bet, cashAfter, betAfter] : cases) {
        GameOnTable g(tableWith(cash, bet));
        g.host.startAgain = true;
        auto click = chip == 0    ? &Game::lblNewClick
                     : chip == 5  ? &Game::lblBet5Click
                     : chip == 10 ? &Game::lblBet10Click
                                  : &Game::lblBet50Click;
        (g.game.*click)();
        const bool refused = cash == cashAfter && cash + bet > 0;
        SCOPED_TRACE(::testing::Message() << "chip " << chip << " (0: New) from " << cash << " with " << bet << " bet");
        EXPECT_EQ(std::pair(g.table().cash, g.table().bet), std::pair(cashAfter, betAfter));
        EXPECT_EQ(g.host.refusals,
                  refused ? std::vector{chip ? Refusal::NotEnoughMoney : Refusal::NoBet} : std::vector<Refusal>{});
        EXPECT_EQ(g.host.startAgainQuestions, cash + bet == 0 ? 1 : 0);
        EXPECT_EQ(g.table().player.cardSlots, Table::fresh().player.cardSlots) << "a card was dealt";
    }
}

// Doubling needs the bet once more in cash (exactly the bet will do) and takes one card, counted
// as it is (an ace is 1, since 11 and 11 make 22), without a sound or a pause; the dealer follows.
TEST(DoubleDown, TakesTheBetOnceMoreAndOneCard)
{
    for (const auto &[cash, third, total] :
         {std::tuple{50.0, card(kKing), 21}, {49.5, card(kKing), 11}, {50.0, card(kAce), 12}}) {
        GameOnTable g(tableWith(cash, 50));
        g.deal(card(10), card(6), card(5));
        g.random.deal({third, card(8)});
        g.game.lblDoubleClick();
        const bool doubled = cash == 50;
        SCOPED_TRACE(::testing::Message() << "cash " << cash);
        EXPECT_EQ(g.host.refusals, doubled ? std::vector<Refusal>{} : std::vector{Refusal::NotEnoughMoney});
        EXPECT_EQ(g.table().player.total, total);
        EXPECT_EQ(g.table().cash, !doubled ? 49.5 : total == 21 ? 200 : 0) << "against the dealer's 18";
        EXPECT_EQ(g.table().labels, doubled ? kBetweenGames : kPlayersTurn) << "a refused double closes";
        EXPECT_EQ(g.host.pauses, doubled ? 1u : 0u) << "only the dealer's card waits";
        EXPECT_EQ(g.host.sounds, !doubled ? "" : total == 21 ? "whoosh.wav haha.wav" : "whoosh.wav hung-01.wav");
    }
}

// Insurance costs half the bet, bought only when the cash covers it, before a blackjack is paid;
// whatever the answer, and whatever an earlier game left, Hit and Stand open.
TEST(Insurance, CostsHalfTheBetWhenTheCashCoversIt)
{
    // clang-format off
    const std::tuple<double, InsuranceAnswer, double, bool> cases[] = {
        {5, InsuranceAnswer::Yes, 0, true}, {4.5, InsuranceAnswer::Yes, 4.5, false},
        {490, InsuranceAnswer::No, 490, false}, {490, InsuranceAnswer::Closed, 490, false}};
    // clang-format on
    for (const auto &[cash, answer, cashAfter, insured] : cases) {
        Table start = tableWith(cash, 10);
        start.insYes = !insured;
        GameOnTable g(start);
        g.host.insuranceAnswer = answer;
        g.deal(card(kAce), card(10), card(8));
        SCOPED_TRACE(::testing::Message() << "cash " << cash);
        EXPECT_EQ(g.table().cash, cashAfter);
        EXPECT_EQ(g.table().insYes, insured);
        EXPECT_EQ(g.host.refusals, cash == 4.5 ? std::vector{Refusal::NotEnoughMoney} : std::vector<Refusal>{});
        EXPECT_EQ(g.table().labels, kPlayersTurn);
    }
    GameOnTable blackjack;
    blackjack.host.insuranceAnswer = InsuranceAnswer::Yes;
    blackjack.deal(card(kAce), card(kAce, 1), card(kQueen));
    EXPECT_EQ(blackjack.table().cash, 510) << "the premium of 5 is paid before the blackjack's 25";
}

// It pays 1.5 times the bet as it stands at settlement, only on a dealer's blackjack under the ace.
TEST(Insurance, PaysOneAndAHalfTimesTheFinalBetOnADealerBlackjack)
{
    const std::tuple<int, bool, double> cases[] = {{card(kKing), false, 500}, // 490 - 5 + 15; the 16 loses
                                                   {card(9), false, 485},     // 20 beats 16; the premium is gone
                                                   {card(kKing), true, 525}}; // 490 - 5 - 10 + 30 + 20 for a push
    for (const auto &[hole, doubled, cash] : cases) {
        GameOnTable g;
        g.host.insuranceAnswer = InsuranceAnswer::Yes;
        g.deal(card(kAce), card(6), doubled ? card(5) : card(kQueen, 1));
        if (doubled)
            g.random.deal({card(10)});
        g.random.deal({hole});
        doubled ? g.game.lblDoubleClick() : g.game.lblStandClick();
        EXPECT_EQ(g.table().cash, cash) << "hole card " << hole << (doubled ? ", doubled" : "");
    }
}

// The dealer draws below 17 and stands on every 17, soft or hard, after a pause before each card.
// Then equal totals push, lower loses, higher or a dealer over 21 wins even money, a two-card 21
// pays 3 to 2 at once, and a dealer's blackjack is an ordinary 21; each outcome plays its sound,
// the files named exactly. With Sound > On off only the insurance question is heard.
TEST(Settlement, TheDealerDrawsToSeventeenAndEachOutcomePaysWithItsSound)
{
    struct Case {
        int up, first, second;
        std::initializer_list<int> hits, draws; // an aggregate keeps the lists' cards alive; a tuple would not
        double dealer, cash;                    // the dealer's total; the cash from 490 with 10 bet
        const char *heard;
    };
    // clang-format off
    const Case cases[] = {
        {card(kAce), card(10), card(8), {}, {card(6)}, 17, 510, "insurance.wav whoosh.wav haha.wav"}, // soft 17
        {card(10), card(10), card(8), {}, {card(7)}, 17, 510, "whoosh.wav haha.wav"},
        {card(10), card(10), card(8), {}, {card(6), card(kAce)}, 17, 510, "whoosh.wav whoosh.wav haha.wav"},
        {card(kAce), card(10), card(8), {}, {card(5), card(kKing), card(kAce)}, 17, 510, // soft 16, then hard 16
         "insurance.wav whoosh.wav whoosh.wav whoosh.wav haha.wav"},
        {card(10), card(10), card(8), {}, {card(6), card(10)}, 26, 510, "whoosh.wav whoosh.wav Explode.wav"},
        {card(10), card(10), card(8), {}, {card(8)}, 18, 500, "whoosh.wav snore.wav"},
        {card(10), card(10), card(8), {}, {card(9)}, 19, 490, "whoosh.wav hung-01.wav"},
        {card(kAce), card(10), card(8), {card(3)}, {card(kKing)}, 21, 500,
         "insurance.wav whoosh.wav whoosh.wav snore.wav"},
        {card(kAce), card(10), card(8), {}, {card(kKing)}, 21, 490, "insurance.wav whoosh.wav hung-01.wav"},
        {card(9), card(kAce), card(kKing), {}, {}, 9, 515, "clap.wav"},
        {card(9), card(10), card(6), {card(6)}, {}, 9, 490, "whoosh.wav hung-01.wav"}};
    // clang-format on
    for (const Case &c : cases) {
        for (const bool soundOn : {true, false}) {
            GameOnTable g;
            g.host.soundOn = soundOn;
            g.deal(c.up, c.first, c.second);
            g.hit(c.hits);
            g.stand(c.draws);
            SCOPED_TRACE(::testing::Message() << "player " << g.table().player.total << ", dealer up " << c.up
                                              << " drawing " << c.draws.size() << (soundOn ? "" : ", sound off"));
            EXPECT_TRUE(g.random.exhausted()) << "the dealer stopped early";
            EXPECT_EQ(g.table().dealer.total, c.dealer);
            EXPECT_EQ(g.host.pauses, c.draws.size());
            EXPECT_EQ(g.table().cash, c.cash);
            EXPECT_EQ(g.table().bet, 0);
            EXPECT_EQ(g.table().labels, kBetweenGames);
            EXPECT_EQ(g.host.sounds, soundOn ? c.heard : c.up == card(kAce) ? "insurance.wav" : "");
        }
    }
}

} // namespace quellard::testing

// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Games played from scripts, each table as the player reads it afterwards: the deal and the cards,
// the fresh start, then how the money moves with chips, doubling, insurance and settlement.
#include "support/GameScript.h"

namespace quellard::testing {

// A blackjack is paid 3 to 2 at once, in either order; Double opens on a two-card 11 alone. A hit
// adds a card with its sound: 21 is still the player's turn, 22 a loss that ends the game at once.
// Neither plays the dealer's hand: the up card shows alone, with no hole card under a 9.
TEST(Deal, TheFirstCardsAndEachHitOpenTheNextMoves)
{
    expectPlayedTables(
        {{"deal 9 A K", "you A K = 21, dealer 9 = 9, cash 515 bet 0, open New 5 10 50, heard clap.wav"},
         {"deal 9 10 A", "you 10 A = 21, dealer 9 = 9, cash 515 bet 0, open New 5 10 50, heard clap.wav"},
         {"deal 9 A 9", "you A 9 = 20, dealer 9 = 9, cash 490 bet 10, open Hit Stand"},
         {"deal 9 A A", "you A A = 12, dealer 9 = 9, cash 490 bet 10, open Hit Stand"},
         {"deal 9 5 5", "you 5 5 = 10, dealer 9 = 9, cash 490 bet 10, open Hit Stand"}, // a card twice is legal
         {"deal 9 5 6", "you 5 6 = 11, dealer 9 = 9, cash 490 bet 10, open Hit Stand Double"},
         {"deal 9 6 6", "you 6 6 = 12, dealer 9 = 9, cash 490 bet 10, open Hit Stand"},
         {"deal 9 10 6, hit 5", "you 10 6 5 = 21, dealer 9 = 9, cash 490 bet 10, open Hit Stand, heard whoosh.wav"},
         {"deal 9 10 6, hit 6", "you 10 6 6 = 22, dealer 9 = 9, cash 490 bet 0, open New 5 10 50, "
                                "heard whoosh.wav hung-01.wav"},
         {"deal 9 A A, hit 9", "you A A 9 = 21, dealer 9 = 9, cash 490 bet 10, open Hit Stand, heard whoosh.wav"},
         {"deal 9 A 6, hit 10", "you A 6 10 = 17, dealer 9 = 9, cash 490 bet 10, open Hit Stand, heard whoosh.wav"},
         {"deal 9 5 6, hit 2", "you 5 6 2 = 13, dealer 9 = 9, cash 490 bet 10, open Hit Stand, heard whoosh.wav"}});
}

// Seven cards fill the row: another hit finds no slot and changes nothing. The next deal clears
// them, and only its own cards count. Under an ace up the hole card lies face down, the ace
// counting 1, until the dealer's turn turns it first; an eighth dealer card takes the seventh slot.
TEST(Cards, SevenSlotsASideAndTheHoleCardTurnedFirst)
{
    expectPlayedTables(
        {{"deal 10 A Ad, hit Ah As 2 2 2, hit",
          "you A A A A 2 2 2 = 20, dealer 10 = 10, cash 490 bet 10, open Hit Stand, "
          "heard whoosh.wav whoosh.wav whoosh.wav whoosh.wav whoosh.wav"},
         {"deal 10 A Ad, hit Ah As 2 2 2, stand 7, £10, deal 10 9 8",
          "you 9 8 = 17, dealer 10 = 10, cash 500 bet 10, open Hit Stand, heard whoosh.wav whoosh.wav whoosh.wav "
          "whoosh.wav whoosh.wav whoosh.wav haha.wav, 1 pause"},
         {"deal A 10 8", "you 10 8 = 18, dealer A # = 1, cash 490 bet 10, open Hit Stand, "
                         "heard insurance.wav"},
         {"deal A 10 8, stand Ad Ah As A Ad 10 2",
          "you 10 8 = 18, dealer A A A A A A 2 = 18, cash 500 bet 0, open New 5 10 50, heard insurance.wav whoosh.wav "
          "whoosh.wav whoosh.wav whoosh.wav whoosh.wav whoosh.wav whoosh.wav snore.wav, 7 pauses"}});
}

// From every moment the fresh start gives the opening table: 500 in cash, nothing bet, three
// face-down cards, only the chips and New open (chosen in the dealer's pause: random play, the window).
TEST(NewGameReset, GivesTheOpeningTableFromEveryMoment)
{
    expectPlayedTables({{"1200/0 restart", "you # # = 0, dealer # = 0, cash 500 bet 0, open New 5 10 50"},
                        {"460/40 deal A 5 6, restart", "you # # = 0, dealer # = 0, cash 500 bet 0, open New 5 10 50, "
                                                       "heard insurance.wav"},
                        {"deal 9 10 6, hit K, restart", "you # # = 0, dealer # = 0, cash 500 bet 0, open New 5 10 50, "
                                                        "heard whoosh.wav hung-01.wav"}});
}

// Every deal starts from a fresh seed taken from the clock: two games whose sources start from the
// same seed deal different cards (the same three would come once in 140,608 deals).
TEST(Deal, EachDealDrawsFromAFreshSeed)
{
    std::vector<int> dealt[2];
    for (std::vector<int> &cards : dealt) {
        RecordingHost host;
        ClockSeededRandom random(7);
        Table start = Table::fresh();
        start.bet = Money::pounds(10);
        Game game(host, random, start);
        game.deal();
        for (const Hand *hand : {&game.table().dealer, &game.table().player})
            for (const CardSlot &slot : hand->cardSlots)
                cards.push_back(slot.cardNumber);
    }
    EXPECT_NE(dealt[0], dealt[1]);
}

// Between games a chip moves from the cash to the bet while the cash covers it, to the last penny,
// and New needs a bet; with nothing left at all either asks to start again instead. None deals a card.
TEST(Chips, MoveWhileTheCashCoversThemAndNewNeedsThem)
{
    expectPlayedTables(
        {{"5/0 £5", "you # # = 0, dealer # = 0, cash 0 bet 5, open New 5 10 50"},
         {"4.5/0 £5", "you # # = 0, dealer # = 0, cash 4.5 bet 0, open New 5 10 50, told there is no money"},
         {"10/0 £10", "you # # = 0, dealer # = 0, cash 0 bet 10, open New 5 10 50"},
         {"9.5/0 £10", "you # # = 0, dealer # = 0, cash 9.5 bet 0, open New 5 10 50, told there is no money"},
         {"50/0 £50", "you # # = 0, dealer # = 0, cash 0 bet 50, open New 5 10 50"},
         {"49.5/10 £50", "you # # = 0, dealer # = 0, cash 49.5 bet 10, open New 5 10 50, told there is no money"},
         {"0/20 £5", "you # # = 0, dealer # = 0, cash 0 bet 20, open New 5 10 50, told there is no money"},
         {"0/0 £50", "you # # = 0, dealer # = 0, cash 500 bet 0, open New 5 10 50, asked to start again"},
         {"500/0 new", "you # # = 0, dealer # = 0, cash 500 bet 0, open New 5 10 50, told to bet"},
         {"0/0 new", "you # # = 0, dealer # = 0, cash 500 bet 0, open New 5 10 50, asked to start again"},
         {"deal 9 10 6, £5", "you 10 6 = 16, dealer 9 = 9, cash 490 bet 10, open Hit Stand"}});
}

// Doubling needs the bet once more in cash (exactly the bet will do) and takes one card, counted
// as it is (an ace is 1, since 11 and 11 make 22), without a sound or a pause; the dealer follows.
TEST(DoubleDown, TakesTheBetOnceMoreAndOneCard)
{
    expectPlayedTables(
        {{"50/50 deal 10 6 5, double K 8", "you 6 5 K = 21, dealer 10 8 = 18, cash 200 bet 0, open New 5 10 50, "
                                           "heard whoosh.wav haha.wav, 1 pause"},
         {"49.5/50 deal 10 6 5, double K 8", "you 6 5 = 11, dealer 10 = 10, cash 49.5 bet 50, open Hit Stand, "
                                             "told there is no money, cards left"},
         {"50/50 deal 10 6 5, double A 8", "you 6 5 A = 12, dealer 10 8 = 18, cash 0 bet 0, open New 5 10 50, "
                                           "heard whoosh.wav hung-01.wav, 1 pause"}});
}

// Insurance costs half the bet, bought only when the cash covers it, before a blackjack is paid;
// whatever the answer, and whatever the game before left, Hit and Stand open. It pays 1.5 times
// the bet as it stands at settlement, only on a dealer's blackjack: the ace and a ten, not any 21.
TEST(Insurance, CostsHalfTheBetAndPaysOneAndAHalfTimesItOnADealerBlackjack)
{
    expectPlayedTables(
        {{"5/10 insure-yes deal A 10 8", "you 10 8 = 18, dealer A # = 1, cash 0 bet 10, open Hit Stand, "
                                         "heard insurance.wav, insured"},
         {"4.5/10 was-insured insure-yes deal A 10 8",
          "you 10 8 = 18, dealer A # = 1, cash 4.5 bet 10, open Hit Stand, "
          "heard insurance.wav, told there is no money"},
         {"was-insured insure-no deal A 10 8", "you 10 8 = 18, dealer A # = 1, cash 490 bet 10, open Hit Stand, "
                                               "heard insurance.wav"},
         {"was-insured insure-close deal A 10 8", "you 10 8 = 18, dealer A # = 1, cash 490 bet 10, open Hit Stand, "
                                                  "heard insurance.wav"},
         {"insure-yes deal A Ad Q", "you A Q = 21, dealer A # = 1, cash 510 bet 0, open New 5 10 50, "
                                    "heard insurance.wav clap.wav, insured"},
         {"insure-yes deal A 6 Q, stand K", "you 6 Q = 16, dealer A K = 21, cash 500 bet 0, open New 5 10 50, "
                                            "heard insurance.wav whoosh.wav hung-01.wav, 1 pause, insured"},
         {"insure-yes deal A 6 Q, stand 9", "you 6 Q = 16, dealer A 9 = 20, cash 485 bet 0, open New 5 10 50, "
                                            "heard insurance.wav whoosh.wav hung-01.wav, 1 pause, insured"},
         {"insure-yes deal A 6 Q, stand 5 5",
          "you 6 Q = 16, dealer A 5 5 = 21, cash 485 bet 0, open New 5 10 50, "
          "heard insurance.wav whoosh.wav whoosh.wav hung-01.wav, 2 pauses, insured"},
         {"insure-yes deal A 6 5, double 10 K", "you 6 5 10 = 21, dealer A K = 21, cash 525 bet 0, open New 5 10 50, "
                                                "heard insurance.wav whoosh.wav snore.wav, 1 pause, insured"}});
}

// The dealer draws below 17 and stands on every 17, soft or hard, after a pause before each card.
// Then equal totals push, lower loses, higher or a dealer over 21 wins even money, a two-card 21
// pays 3 to 2 at once, and a dealer's blackjack is an ordinary 21; each outcome plays its sound.
TEST(Settlement, TheDealerDrawsToSeventeenAndEachOutcomePaysWithItsSound)
{
    expectPlayedTables(
        {{"deal A 10 8, stand 6", "you 10 8 = 18, dealer A 6 = 17, cash 510 bet 0, open New 5 10 50, "
                                  "heard insurance.wav whoosh.wav haha.wav, 1 pause"},
         {"deal 10 10 8, stand 7", "you 10 8 = 18, dealer 10 7 = 17, cash 510 bet 0, open New 5 10 50, "
                                   "heard whoosh.wav haha.wav, 1 pause"},
         {"deal 10 10 8, stand 6 A", "you 10 8 = 18, dealer 10 6 A = 17, cash 510 bet 0, open New 5 10 50, "
                                     "heard whoosh.wav whoosh.wav haha.wav, 2 pauses"},
         {"deal A 10 8, stand 5 K A",
          "you 10 8 = 18, dealer A 5 K A = 17, cash 510 bet 0, open New 5 10 50, " // soft 16, hard 16
          "heard insurance.wav whoosh.wav whoosh.wav whoosh.wav haha.wav, 3 pauses"},
         {"deal 10 10 8, stand 6 10", "you 10 8 = 18, dealer 10 6 10 = 26, cash 510 bet 0, open New 5 10 50, "
                                      "heard whoosh.wav whoosh.wav Explode.wav, 2 pauses"},
         {"deal 10 10 8, stand 8", "you 10 8 = 18, dealer 10 8 = 18, cash 500 bet 0, open New 5 10 50, "
                                   "heard whoosh.wav snore.wav, 1 pause"},
         {"deal 10 10 8, stand 9", "you 10 8 = 18, dealer 10 9 = 19, cash 490 bet 0, open New 5 10 50, "
                                   "heard whoosh.wav hung-01.wav, 1 pause"},
         {"deal A 10 8, hit 3, stand K", "you 10 8 3 = 21, dealer A K = 21, cash 500 bet 0, open New 5 10 50, "
                                         "heard insurance.wav whoosh.wav whoosh.wav snore.wav, 1 pause"},
         {"deal A 10 8, stand K", "you 10 8 = 18, dealer A K = 21, cash 490 bet 0, open New 5 10 50, "
                                  "heard insurance.wav whoosh.wav hung-01.wav, 1 pause"}});
}

} // namespace quellard::testing

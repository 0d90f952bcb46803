// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
// face-down cards, only the chips and New open. In the dealer's pause it also ends the turn there.
TEST(NewGameReset, GivesTheOpeningTableFromEveryMoment)
{
    expectPlayedTables(
        {{"1200/0 restart", "you # # = 0, dealer # = 0, cash 500 bet 0, open New 5 10 50"},
         {"1200/0 restart restart", "you # # = 0, dealer # = 0, cash 500 bet 0, open New 5 10 50"},
         {"460/40 deal A 5 6, restart", "you # # = 0, dealer # = 0, cash 500 bet 0, open New 5 10 50, "
                                        "heard insurance.wav"},
         {"deal 9 10 6, hit K, restart", "you # # = 0, dealer # = 0, cash 500 bet 0, open New 5 10 50, "
                                         "heard whoosh.wav hung-01.wav"},
         {"restart-in-pause deal 9 10 6, stand 5", "you # # = 0, dealer # = 0, cash 500 bet 0, open New 5 10 50, "
                                                   "1 pause, cards left"}});
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

} // namespace quellard::testing

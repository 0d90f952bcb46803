#include "support/GameOnTable.h"

#include <gtest/gtest.h>

namespace quellard::testing {

// Every end of a game, with the money it moves and the sounds it plays, by the files' exact names:
// equal totals push, lower loses, higher or a dealer over 21 wins even money, a two-card 21 pays
// 3 to 2 at once, and a dealer's blackjack is an ordinary 21. With Sound > On off only the
// insurance question is heard.
TEST(Settlement, EachOutcomeMovesTheMoneyAndPlaysItsSound)
{
    using Sounds = std::vector<std::string>;
    struct Case {
        int up, first, second;
        std::initializer_list<int> hits, dealer;
        double cash; // from 490 with 10 bet
        Sounds heard;
    };
    const Case cases[] = {
        {card(10), card(10), card(8), {}, {card(8)}, 500, {"whoosh.wav", "snore.wav"}},
        {card(10), card(10), card(8), {}, {card(9)}, 490, {"whoosh.wav", "hung-01.wav"}},
        {card(10), card(10), card(9), {}, {card(8)}, 510, {"whoosh.wav", "haha.wav"}},
        {card(10), card(10), card(2), {}, {card(6), card(9)}, 510, {"whoosh.wav", "whoosh.wav", "Explode.wav"}},
        {card(kAce),
         card(10),
         card(8),
         {card(3)},
         {card(kKing)},
         500,
         {"insurance.wav", "whoosh.wav", "whoosh.wav", "snore.wav"}},
        {card(kAce), card(10), card(8), {}, {card(kKing)}, 490, {"insurance.wav", "whoosh.wav", "hung-01.wav"}},
        {card(9), card(kAce), card(kKing), {}, {}, 515, {"clap.wav"}},
        {card(9), card(10), card(6), {card(6)}, {}, 490, {"whoosh.wav", "hung-01.wav"}},
    };
    for (const Case &c : cases) {
        for (const bool soundOn : {true, false}) {
            GameOnTable g;
            g.host.soundOn = soundOn;
            g.deal(c.up, c.first, c.second);
            g.hit(c.hits);
            g.stand(c.dealer);
            SCOPED_TRACE(::testing::Message() << "player " << g.table().player.total << ", dealer "
                                              << g.table().dealer.total << (soundOn ? "" : ", sound off"));
            EXPECT_TRUE(g.random.exhausted());
            EXPECT_EQ(g.table().cash, c.cash);
            EXPECT_EQ(g.table().bet, 0);
            EXPECT_EQ(g.table().labels, kBetweenGames);
            EXPECT_EQ(g.host.sounds, soundOn ? c.heard : c.up == card(kAce) ? Sounds{"insurance.wav"} : Sounds{});
        }
    }
}

} // namespace quellard::testing

// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Seeded random play, menus worked in the dealer's pauses too, checked after every action for what
// holds whatever the cards (the played-game tables hold the payouts and the dealer's drawing).
// QUELLARD_PLAY_SEED chooses the run, QUELLARD_PLAY_ACTIONS its length (`make soak` plays a long one).
#include "support/GameScript.h"

#include <cstdlib>
#include <numeric>
#include <random>

namespace quellard::testing {
namespace {

unsigned setting(const char *name, unsigned byDefault)
{
    const char *value = std::getenv(name);
    return value ? unsigned(std::strtoul(value, nullptr, 10)) : byDefault;
}

// The game's own generator with the run's seed; the clock reseed at each deal is skipped.
struct SeededRandom final : RandomSource {
    explicit SeededRandom(unsigned seed) : inner(seed) {}
    float next() override { return inner.next(); }
    void reseedFromClock() override {}
    ClockSeededRandom inner;
};

enum Action { Chip5, Chip10, Chip50, New, Hit, Stand, Double, Restart, CardBack, Sound };
constexpr int kBetweenGames = 0b0001111, kPlayersTurn = 0b0110000, kDoubleToo = 0b1110000;
// The actions open on the table, each as the bit of its Action.
int open(const Table &t)
{
    const OpenActions &o = t.open;
    return (o.chips ? 0b111 : 0) | o.deal << New | o.hit << Hit | o.stand << Stand | o.doubleDown << Double;
}

using Cards = std::array<int, kSlotsPerHand>; // a card number per slot, 0 where none shows
int value(int card) { return card > 0 ? cardValue(card) : 0; }
int count(const Cards &cards) { return int(kSlotsPerHand - std::ranges::count(cards, 0)); }
// The total by the game's own rule (tested on its own), or with every ace as 1.
int total(const Cards &cards, bool aceHigh = true)
{
    HandValues values{};
    std::transform(cards.begin(), cards.end(), values.begin(), value);
    return aceHigh ? handTotal(values) : std::accumulate(values.begin(), values.end(), 0);
}

class RandomPlay {
public:
    const unsigned seed = setting("QUELLARD_PLAY_SEED", 1975);

    std::string play(unsigned actions)
    {
        //                                             £5 £10 £50 New Hit Stand Double Restart Back Sound
        std::discrete_distribution<int> betweenGames({4, 4, 7, 8, 1, 1, 1, 0.5, 1, 1});
        std::discrete_distribution<int> playersTurn({1, 1, 1, 1, 7, 7, 4, 0.5, 1, 1});
        for (unsigned i = 0; i < actions; ++i) {
            const Table was = game.table();
            const Action action = Action(was.open.deal ? betweenGames(m_rng) : playersTurn(m_rng));
            const std::size_t asked = host.said.size();
            m_problem.clear();
            perform(action);
            const bool broke = host.said.find("asked to start again", asked) != std::string::npos;
            if (m_problem.empty())
                m_problem = check(action, was, game.table(), broke);
            if (!m_problem.empty())
                return "seed " + std::to_string(seed) + ", action " + std::to_string(i) + ": " + m_problem;
        }
        // A run of the default length or longer meets the corners it is for (seeds 1 to 1000 all do).
        if (actions >= 20000 && (m_questions < 3 || m_freshStarts == 0 || m_pauseMenus < 3))
            return "seed " + std::to_string(seed) + " missed the corners it is for";
        return {};
    }

private:
    void perform(Action action)
    {
        m_restarted = false;
        host.insuranceAnswer = InsuranceAnswer(m_rng() % 3);
        host.startAgain = m_rng() % 2;
        if (action >= Restart)
            return menuCommand(action);
        // In the dealer's turn, now and then a menu is worked in one of its pauses.
        const int what = m_rng() % 4 == 0 ? int(Restart + m_rng() % 3) : -1;
        int pauses = 0, atPause = int(m_rng() % 3);
        host.duringPause = [&] {
            if (open(game.table()) != 0)
                m_problem = "actions open in the dealer's pause";
            if (pauses++ == atPause && what >= 0)
                menuCommand(Action(what)), ++m_pauseMenus;
        };
        if (action <= Chip50)
            game.placeChip(kChips[std::size_t(action)]);
        else
            (game.*std::array{&Game::deal, &Game::hit, &Game::stand, &Game::doubleDown}[action - New])();
    }

    void menuCommand(Action what)
    {
        m_restarted = m_restarted || what == Restart;
        what == Restart    ? game.restart()
        : what == CardBack ? game.cardBackChanged()
                           : void(host.soundOn = !host.soundOn);
    }

    std::string check(Action action, const Table &was, const Table &now, bool broke)
    {
        const int l = open(now);
        if (l != kBetweenGames && l != kPlayersTurn && l != kDoubleToo)
            return "actions open: " + std::to_string(l);
        const Money fresh = Money::pounds(500), none;
        const bool dealt = action == New && was.open.deal && was.bet > none;
        const bool reset = m_restarted || (broke && now.cash == fresh && now.bet == none);
        m_freshStarts += broke && now.cash == fresh;
        // This game's cards as last seen face up: a slot turned face down by a new card back keeps its card.
        for (int side = 0; side < 2; ++side)
            for (std::size_t i = 0; i < kSlotsPerHand; ++i) {
                const CardSlot &slot = (side ? now.dealer : now.player).cardSlots[i];
                int &seen = m_cards[side][i];
                seen = slot.visible && slot.face == SlotFace::CardFace ? slot.cardNumber
                       : !slot.visible || dealt || reset               ? 0
                                                                       : seen;
            }
        const Cards &player = m_cards[0], &dealer = m_cards[1];
        m_questions += dealt && value(dealer[0]) == 1;
        if (now.open.doubleDown && (count(player) != 2 || now.player.total != 11))
            return "Double open on " + std::to_string(count(player)) + " cards making " +
                   std::to_string(now.player.total);
        if (now.open.stand && (now.bet <= none || now.player.total > 21))
            return "the player's turn without a live hand";
        if (reset)
            return now.cash == fresh && now.bet == none && l == kBetweenGames ? "" : "not a fresh table";
        // The totals are what the cards make, an ace as 1 after a double; the dealer's is its up card
        // alone until it plays.
        if ((now.player.total != total(player) && !(player[2] && now.player.total == total(player, false))) ||
            now.dealer.total != (count(dealer) > 1 ? total(dealer) : value(dealer[0])))
            return "totals " + std::to_string(now.player.total) + " and " + std::to_string(now.dealer.total) +
                   " for the cards";
        return {};
    }

    std::mt19937 m_rng{seed};
    SeededRandom m_random{seed};
    RecordingHost host;
    Game game{host, m_random, Table::fresh()};
    Cards m_cards[2]{}; // this game's cards, as last seen face up
    bool m_restarted = false;
    std::string m_problem;
    int m_questions = 0, m_freshStarts = 0, m_pauseMenus = 0;
};

} // namespace

TEST(RandomPlay, KeepsTheTableConsistent) { EXPECT_EQ(RandomPlay().play(setting("QUELLARD_PLAY_ACTIONS", 20000)), ""); }

} // namespace quellard::testing

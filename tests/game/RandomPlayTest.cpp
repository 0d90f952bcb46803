// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A long, seeded run of random play, the menus worked in the dealer's pauses included, checked
// after every action for what holds whatever the cards: one moment's actions open, totals made by
// the cards on the table, the dealer standing on 17, a fresh start's table. (The tables of played
// games hold the payouts.)
// QUELLARD_PLAY_SEED chooses the run and QUELLARD_PLAY_ACTIONS its length (`make soak` plays a long
// one); a failure names the seed and the action.
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

// Answers the offer of a fresh start as the run chooses.
struct AskedHost : RecordingHost {
    bool startAgain = true;
    bool askToStartAgain() override { return RecordingHost::askToStartAgain() && startAgain; }
};

enum Action { Chip5, Chip10, Chip50, New, Hit, Stand, Double, Restart, CardBack, Sound };
constexpr int kBetweenGames = 0b0001111, kPlayersTurn = 0b0110000, kDoubleToo = 0b1110000;

using Cards = std::array<int, kSlotsPerHand>; // a card number per slot: 0 hidden, -1 showing no face
int value(int card) { return card > 0 ? cardValue(card) : 0; }
// The total by the game's own rule (tested on its own), or with every ace as 1.
int total(const Cards &cards, bool aceHigh = true)
{
    HandValues values{};
    std::transform(cards.begin(), cards.end(), values.begin(), value);
    return aceHigh ? handTotal(values) : std::accumulate(values.begin(), values.end(), 0);
}

// The table as the player sees it; each open action is the bit of its Action.
struct View {
    Money cash, bet;
    int player = 0, dealer = 0, open = 0;
    Cards hands[2]{};
    bool has(Action a) const { return open & (1 << a); }

    explicit View(const Table &t) : cash(t.cash), bet(t.bet), player(t.player.total), dealer(t.dealer.total)
    {
        const OpenActions &o = t.open;
        open = (o.chips ? 0b111 : 0) | o.deal << New | o.hit << Hit | o.stand << Stand | o.doubleDown << Double;
        for (int side = 0; side < 2; ++side)
            for (std::size_t i = 0; i < kSlotsPerHand; ++i) {
                const CardSlot &slot = (side ? t.dealer : t.player).cardSlots[i];
                hands[side][i] = !slot.visible ? 0 : slot.face == SlotFace::CardFace ? slot.cardNumber : -1;
            }
    }
};

class RandomPlay {
public:
    const unsigned seed = setting("QUELLARD_PLAY_SEED", 1975);

    std::string play(unsigned actions)
    {
        //                                             £5 £10 £50 New Hit Stand Double Restart Back Sound
        std::discrete_distribution<int> betweenGames({4, 4, 7, 8, 1, 1, 1, 0.5, 1, 1});
        std::discrete_distribution<int> playersTurn({1, 1, 1, 1, 7, 7, 4, 0.5, 1, 1});
        for (unsigned i = 0; i < actions; ++i) {
            const View was(game.table());
            const Action action = Action(was.has(New) ? betweenGames(m_rng) : playersTurn(m_rng));
            const std::size_t asked = host.said.size();
            m_problem.clear();
            perform(action);
            const bool broke = host.said.find("asked to start again", asked) != std::string::npos;
            const std::string problem = m_problem.empty() ? check(action, was, View(game.table()), broke) : m_problem;
            if (!problem.empty())
                return "seed " + std::to_string(seed) + ", action " + std::to_string(i) + ": " + problem;
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
            if (View(game.table()).open != 0)
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

    std::string check(Action action, const View &was, const View &now, bool broke)
    {
        const int l = now.open;
        if (l != kBetweenGames && l != kPlayersTurn && l != kDoubleToo)
            return "actions open: " + std::to_string(l);
        const int cards = int(std::count_if(now.hands[0].begin(), now.hands[0].end(), [](int c) { return c; }));
        if (now.has(Double) && (cards != 2 || now.player != 11))
            return "Double open on " + std::to_string(cards) + " cards making " + std::to_string(now.player);
        if (now.has(Stand) && (now.bet <= Money() || now.player > 21))
            return "the player's turn without a live hand";
        const Money fresh = Money::pounds(500), none;
        const bool reset = m_restarted || (broke && now.cash == fresh && now.bet == none);
        m_freshStarts += broke && now.cash == fresh;
        const bool dealt = action == New && was.has(New) && was.bet > none;
        m_questions += dealt && value(now.hands[1][0]) == 1;
        for (int side = 0; side < 2; ++side) // a slot turned face down by a new card back keeps its card
            for (std::size_t i = 0; i < kSlotsPerHand; ++i)
                m_cards[side][i] = now.hands[side][i] > 0                      ? now.hands[side][i]
                                   : now.hands[side][i] == 0 || dealt || reset ? 0
                                                                               : m_cards[side][i];
        if (reset)
            return now.cash == fresh && now.bet == none && l == kBetweenGames ? "" : "not a fresh table";
        // The totals are what the cards make, an ace as 1 after a double; the dealer's is its up card
        // alone until it plays, and then it has drawn below 17 and stood on 17 or more.
        const Cards &player = m_cards[0], &dealer = m_cards[1];
        const bool dealerPlayed = std::any_of(dealer.begin() + 1, dealer.end(), [](int c) { return c; });
        if ((now.player != total(player) && !(player[2] && now.player == total(player, false))) ||
            now.dealer != (dealerPlayed ? total(dealer) : value(dealer[0])))
            return "totals " + std::to_string(now.player) + " and " + std::to_string(now.dealer) + " for the cards";
        const bool settled = (action == Stand || action == Double) && was.has(action) && now.has(New);
        if (settled && dealerPlayed && !dealer[6]) {
            Cards beforeLast = dealer;
            beforeLast[std::size_t(std::count_if(dealer.begin(), dealer.end(), [](int c) { return c; }) - 1)] = 0;
            if (now.dealer < 17 || total(beforeLast) >= 17)
                return "the dealer drew on " + std::to_string(total(beforeLast)) + " and stood on " +
                       std::to_string(now.dealer);
        }
        return {};
    }

    std::mt19937 m_rng{seed};
    SeededRandom m_random{seed};
    AskedHost host;
    Game game{host, m_random, Table::fresh()};
    Cards m_cards[2]{}; // this game's cards, as last seen face up
    bool m_restarted = false;
    std::string m_problem;
    int m_questions = 0, m_freshStarts = 0, m_pauseMenus = 0;
};

} // namespace

TEST(RandomPlay, KeepsTheTableConsistent) { EXPECT_EQ(RandomPlay().play(setting("QUELLARD_PLAY_ACTIONS", 20000)), ""); }

} // namespace quellard::testing

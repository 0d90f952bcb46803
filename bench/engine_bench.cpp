// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole games per second through the rules alone: chips, the deal, the player's hits, stands and
// doubles, the dealer's turn with pauses that return at once, and the settlement.
#include "game/Game.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quellard;

// The table's surroundings with nothing to wait for: every question is answered at once.
class InstantHost final : public Host {
public:
    void refuse(Refusal) override {}
    bool askToStartAgain() override { return true; }
    void askInsurance(const std::function<void(InsuranceAnswer)> &answer) override
    {
        // Insure every other time so that both roads are taken.
        answer(++m_questions % 2 == 0 ? InsuranceAnswer::Yes : InsuranceAnswer::No);
    }
    bool soundSwitchOn() const override { return true; }
    void playSound(std::string_view fileName) override { benchmark::DoNotOptimize(fileName.data()); }
    double secondsSinceMidnight() const override { return 43200.25; }
    void pause(std::chrono::milliseconds) override {}
    void cancelPause() override {}
    void tableChanged() override {}

private:
    int m_questions = 0;
};

// The game's own generator with a fixed seed: the same games on every run.
class FixedSeedRandom final : public RandomSource {
public:
    float next() override { return m_inner.next(); }
    void reseedFromClock() override {}

private:
    ClockSeededRandom m_inner{20240601};
};

// One game as a simple player plays it: £10 (or £5 when short), double on 11, hit below 17 while a
// slot is free.
void playOneGame(Game &game)
{
    const Table &t = game.table();
    if (t.cash < Money::pounds(5) && t.bet == Money()) {
        game.restart();
        return;
    }
    if (t.cash >= Money::pounds(10))
        game.placeChip(kChips[1]);
    else
        game.placeChip(kChips[0]);
    game.deal();
    while (t.open.stand) {
        if (t.open.doubleDown && t.cash >= t.bet)
            game.doubleDown();
        else if (t.player.total < 17 && !t.player.cardSlots[6].visible) // seven cards fill the row
            game.hit();
        else
            game.stand();
    }
}

void wholeGames(benchmark::State &state)
{
    InstantHost host;
    FixedSeedRandom random;
    Game game(host, random);
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop idiom
        playOneGame(game);
        benchmark::ClobberMemory();
    }
    state.counters["games"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["cash"] = double(game.table().cash.inPence()); // keeps the games from being optimised away
}
BENCHMARK(wholeGames);

} // namespace

BENCHMARK_MAIN();

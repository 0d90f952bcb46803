// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How much CPU the table window uses while the dealer plays a long hand with the game's real pauses:
// the dealer turns six cards, each after a pause of half a second to a second and a half, while the
// window stays live. Prints the process's CPU time (all threads) as a fraction of one core, and
// exits 1 when it is 2 % or more.
//
//   dealer_turn [rounds]      (default 3; runs on whatever platform QT_QPA_PLATFORM names)
#include "shell/sound/SoundPort.h"
#include "shell/table/ClickLabel.h"
#include "shell/table/TableWindow.h"
#include "support/ScriptedRandom.h"

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

using namespace quellard;
using namespace quellard::testing;

namespace {

// The sounds are started and forgotten by the real player too; this measures the window alone.
class SilentSound final : public SoundPort {
public:
    void play(const std::string &) override {}
};

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void click(TableWindow &window, const char *name)
{
    auto *label = window.findChild<ClickLabel *>(QString::fromLatin1(name));
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    ScriptedRandom random;
    SilentSound sound;
    TableWindowOptions options;
    options.appFolder = QUELLARD_APP_DIR;
    options.random = &random;
    options.sound = &sound;
    options.pauseScale = 1.0; // the game's own pauses
    TableWindow window(options);
    window.formLoad();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "dealer_turn: the window never showed\n");
        return 1;
    }
    QTest::qWait(300); // let start-up settle

    double totalCpu = 0;
    double totalElapsed = 0;
    for (int round = 1; round <= rounds; ++round) {
        click(window, "lblBet10");
        // The dealer's two up, the player's ten and two (12, no double, no insurance); then the
        // dealer's hole card and five more: 2+2+2+2+2+3+4 = 17 in seven cards.
        random.deal({card(2), card(10), card(2, 1), card(2, 2), card(2, 3), card(2, 1), card(2, 2), card(3), card(4)});
        click(window, "lblNew");
        const double cpuBefore = cpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        click(window, "lblStand");
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double cpu = cpuSeconds() - cpuBefore;
        if (!random.exhausted() || window.game().table().dealer.total != 17) {
            std::fprintf(stderr, "dealer_turn: the dealer did not play the scripted hand\n");
            return 1;
        }
        std::printf("round %d: dealer's turn of 6 cards, %.2f s elapsed, %.4f s CPU, %.3f %% of one core\n", round,
                    elapsed, cpu, 100.0 * cpu / elapsed);
        totalCpu += cpu;
        totalElapsed += elapsed;
    }
    // The target: the dealer's pauses leave the machine idle, under 2 % of one core.
    const double percent = 100.0 * totalCpu / totalElapsed;
    std::printf("dealer-turn-cpu %.3f %% of one core (%.4f s CPU in %.2f s, %d rounds; target under 2 %%): %s\n",
                percent, totalCpu, totalElapsed, rounds, percent < 2.0 ? "met" : "MISSED");
    return percent < 2.0 ? 0 : 1;
}

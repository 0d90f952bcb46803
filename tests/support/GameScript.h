// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Game.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace quellard::testing {

// Records what the rules show and play, and answers their questions as the script says.
struct RecordingHost : Host {
    std::string sounds, said;               // the sounds' file names; what the player was told or asked
    bool soundOn = true, startAgain = true; // the answers to the switch and the offer of a fresh start
    InsuranceAnswer insuranceAnswer = InsuranceAnswer::No;
    int pauses = 0;
    std::function<void()> duringPause; // runs inside each pause, as a player could

    void refuse(Refusal r) override { said += r == Refusal::NoBet ? ", told to bet" : ", told there is no money"; }
    bool askToStartAgain() override { return said += ", asked to start again", startAgain; }
    void askInsurance(const std::function<void(InsuranceAnswer)> &answer) override { answer(insuranceAnswer); }
    bool soundSwitchOn() const override { return soundOn; }
    void playSound(std::string_view file) override { sounds.append(sounds.empty() ? "" : " ").append(file); }
    double secondsSinceMidnight() const override { return 0.25; }
    void pause(std::chrono::milliseconds) override
    {
        ++pauses;
        if (duringPause)
            duringPause();
    }
    void cancelPause() override {}
    void tableChanged() override {}
};

// A card by its rank, then its suit: "A", "10", "Kh" (clubs unless d, h or s follows); 0 for a word.
inline int cardNamed(std::string name)
{
    const std::size_t suit = name.size() > 1 ? std::string("cdhs").find(name.back()) : std::string::npos;
    if (suit != std::string::npos)
        name.pop_back();
    const auto rank = std::find(kRankSymbols.begin(), kRankSymbols.end(), name);
    return rank == kRankSymbols.end()
               ? 0
               : card(int(rank - kRankSymbols.begin()) + 1, suit == std::string::npos ? 0 : int(suit));
}

// One side of the table as it shows: the visible slots ("#" face down, "_" empty) and its total.
inline std::string handShown(const Hand &hand)
{
    std::string shown;
    for (const CardSlot &slot : hand.cardSlots)
        if (slot.visible)
            shown +=
                (slot.face == SlotFace::CardFace ? std::string(kRankSymbols[std::size_t(cardRank(slot.cardNumber) - 1)])
                 : slot.face == SlotFace::CardBack ? "#"
                                                   : "_") +
                " ";
    return shown + "= " + std::to_string(hand.total);
}

// The whole table as a player reads it, and what the player heard, waited for, was told or asked.
inline std::string tableShown(const Table &t, const RecordingHost &host)
{
    const std::string open = std::string(t.open.deal ? " New" : "") + (t.open.hit ? " Hit" : "") +
                             (t.open.stand ? " Stand" : "") + (t.open.doubleDown ? " Double" : "") +
                             (t.open.chips ? " 5 10 50" : "");
    return "you " + handShown(t.player) + ", dealer " + handShown(t.dealer) + ", cash " + t.cash.text() + " bet " +
           t.bet.text() + ", open" + (open.empty() ? " nothing" : open) +
           (host.sounds.empty() ? "" : ", heard " + host.sounds) +
           (host.pauses ? ", " + std::to_string(host.pauses) + (host.pauses > 1 ? " pauses" : " pause") : "") +
           host.said + (t.insured ? ", insured" : "");
}

// "49.5" as money.
inline Money pounds(const std::string &text) { return Money::pence(std::llround(std::stod(text) * 100)); }

// Plays a game from a script and describes the table it leaves, as a player reads it.
// The script first sets the scene: "490/10" (the cash and bet to start from, 490 and 10 unless
// given), "was-insured" (by the game before), "insure-yes", "insure-no" or "insure-close" (the
// answer to come).
// Then the player clicks: "£5", "£10", "£50", "new", "deal 9 A K" (the dealer's up card, then the
// player's two), "hit 5 6" (a hit per card; "hit" alone deals none), "stand 7 8" (the dealer's
// cards), "double 5 8" (the player's card, then the dealer's), "restart". Commas are for reading.
// The table reads "you A K = 21, dealer 9 = 9, cash 515 bet 0, open New 5 10 50, heard clap.wav",
// then the dealer's pauses, what the player was told or asked, "insured" and, when the game did not
// draw every card the script dealt, "cards left".
inline std::string playedTable(std::string script, bool soundOn = true)
{
    // clang-format off
    static const std::map<std::string, std::function<void(Game &)>> clicks = {
        {"£5", [](Game &g) { g.placeChip(kChips[0]); }}, {"£10", [](Game &g) { g.placeChip(kChips[1]); }},
        {"£50", [](Game &g) { g.placeChip(kChips[2]); }}, {"new", &Game::deal}, {"deal", &Game::deal},
        {"hit", &Game::hit}, {"stand", &Game::stand}, {"double", &Game::doubleDown}, {"restart", &Game::restart}};
    // clang-format on
    std::replace(script.begin(), script.end(), ',', ' ');
    std::istringstream text(script);
    const std::vector<std::string> words{std::istream_iterator<std::string>(text), {}};
    RecordingHost host;
    host.soundOn = soundOn;
    std::string trouble;
    ScriptedRandom random;
    random.undealt = [&trouble] { trouble = ", drew a card the script did not deal"; };
    Table start = Table::fresh();
    start.cash = Money::pounds(490), start.bet = Money::pounds(10);
    std::optional<Game> game;
    for (std::size_t i = 0; i < words.size() && trouble.empty(); ++i) {
        const std::string &word = words[i];
        int cards = 0;
        for (; i + 1 < words.size() && cardNamed(words[i + 1]); ++cards)
            random.deal({cardNamed(words[++i])});
        const auto click = clicks.find(word);
        if (const std::size_t slash = word.find('/'); slash != std::string::npos) {
            start.cash = pounds(word.substr(0, slash)), start.bet = pounds(word.substr(slash + 1));
        } else if (word == "was-insured") {
            start.insured = true;
        } else if (word.starts_with("insure-")) {
            host.insuranceAnswer = word == "insure-yes"  ? InsuranceAnswer::Yes
                                   : word == "insure-no" ? InsuranceAnswer::No
                                                         : InsuranceAnswer::Closed;
        } else if (click == clicks.end()) {
            throw std::invalid_argument("the script says what no player can: " + word);
        } else {
            Game &g = game ? *game : game.emplace(host, random, start);
            for (int n = 0; n < std::max(word == "hit" ? cards : 1, 1); ++n)
                click->second(g);
        }
    }
    return tableShown(game ? game->table() : start, host) + (random.exhausted() ? "" : ", cards left") + trouble;
}

// Each script played as it stands, then with Sound > On off, when only the insurance question is heard.
inline void expectPlayedTables(std::initializer_list<std::pair<const char *, const char *>> scripts)
{
    for (const auto &[script, table] : scripts) {
        EXPECT_EQ(playedTable(script), table) << script;
        const char *heard =
            std::string(table).find("insurance.wav") != std::string::npos ? ", heard insurance.wav" : "";
        EXPECT_EQ(playedTable(script, false), std::regex_replace(table, std::regex(", heard [^,]*"), heard))
            << script << ", with the sound off";
    }
}

} // namespace quellard::testing

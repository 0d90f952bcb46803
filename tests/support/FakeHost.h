#pragma once

#include "game/Host.h"

#include <functional>
#include <string>
#include <vector>

namespace quellard::testing {

// Records what the rules show and play, and answers their questions as set up.
struct FakeHost : Host {
    std::vector<Refusal> refusals;
    int startAgainQuestions = 0;
    bool startAgain = false;
    InsuranceAnswer insuranceAnswer = InsuranceAnswer::No;
    bool soundOn = true;
    std::string sounds; // the files' names, a blank between two
    std::size_t pauses = 0;
    std::function<void()> duringPause; // runs inside each pause, as a player could
    int cancelledPauses = 0;

    void refuse(Refusal refusal) override { refusals.push_back(refusal); }
    bool askToStartAgain() override { return ++startAgainQuestions, startAgain; }
    void askInsurance(const std::function<void(InsuranceAnswer)> &answer) override { answer(insuranceAnswer); }
    bool soundSwitchOn() const override { return soundOn; }
    void playSound(std::string_view fileName) override { sounds.append(sounds.empty() ? "" : " ").append(fileName); }
    double secondsSinceMidnight() const override { return 0.25; }
    void pause(std::chrono::milliseconds) override
    {
        ++pauses;
        if (duringPause)
            duringPause();
    }
    void cancelPause() override { ++cancelledPauses; }
    void tableChanged() override {}
};

} // namespace quellard::testing

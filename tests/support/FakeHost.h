#pragma once

#include "game/Host.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace quellard::testing {

// Records what the rules show and play, and answers their questions as set up.
class FakeHost : public Host {
public:
    std::vector<Refusal> refusals;
    int startAgainQuestions = 0;
    bool startAgain = false;
    std::vector<InsuranceAnswer> insuranceAnswers{InsuranceAnswer::No}; // the last one repeats
    int insuranceQuestions = 0;
    bool soundOn = true;
    std::vector<std::string> sounds;
    std::vector<std::chrono::milliseconds> pauses;
    std::function<void()> duringPause; // runs inside each pause, as a player could
    int cancelledPauses = 0;

    void refuse(Refusal refusal) override { refusals.push_back(refusal); }
    bool askToStartAgain() override { return ++startAgainQuestions, startAgain; }
    void askInsurance(const std::function<void(InsuranceAnswer)> &answer) override
    {
        answer(insuranceAnswers[std::min<std::size_t>(std::size_t(insuranceQuestions++), insuranceAnswers.size() - 1)]);
    }
    bool soundSwitchOn() const override { return soundOn; }
    void playSound(std::string_view fileName) override { sounds.emplace_back(fileName); }
    double secondsSinceMidnight() const override { return 0.25; }
    void pause(std::chrono::milliseconds length) override
    {
        pauses.push_back(length);
        if (duringPause)
            duringPause();
    }
    void cancelPause() override { ++cancelledPauses; }
    void tableChanged() override {}
};

} // namespace quellard::testing

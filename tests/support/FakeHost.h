#pragma once

#include "engine/Host.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace quellard::testing {

enum class InsuranceReply { Yes, No, Close };

// Records what the rules show and play, and answers their questions as set up.
class FakeHost : public Host {
public:
    struct Message {
        std::string text;
        MessageIcon icon;
        bool question;
    };

    std::vector<Message> messages;
    bool answerYes = false;
    InsuranceReply insuranceReply = InsuranceReply::No;
    std::vector<std::string> sounds;
    std::vector<std::chrono::milliseconds> pauses;
    std::function<void()> duringPause; // runs inside each pause, as a player could
    int cancelledPauses = 0;

    void showMessage(std::string_view text, MessageIcon icon) override
    {
        messages.push_back({std::string(text), icon, false});
    }
    bool askYesNo(std::string_view text, MessageIcon icon) override
    {
        messages.push_back({std::string(text), icon, true});
        return answerYes;
    }
    void askInsurance(InsuranceAnswers &answers) override
    {
        switch (insuranceReply) {
        case InsuranceReply::Yes: answers.cmdYesClick(); break;
        case InsuranceReply::No: answers.cmdNoClick(); break;
        case InsuranceReply::Close: answers.closedWithoutAnswer(); break;
        }
    }
    bool soundSwitchOn() const override { return true; }
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

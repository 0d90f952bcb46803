#pragma once

#include "engine/Host.h"

#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace quellard::testing {

enum class InsuranceReply { Yes, No, Close };

// Records what the rules show and play, and answers their questions from a script.
class FakeHost : public Host {
public:
    struct Message {
        std::string text;
        MessageIcon icon;
        bool question;
    };

    std::vector<Message> messages;
    std::deque<bool> yesNoAnswers;             // the next answers to Yes/No questions; No when empty
    std::deque<InsuranceReply> insuranceReplies; // No when empty
    int insuranceQuestions = 0;
    std::vector<std::string> sounds;
    bool soundOn = true;
    double timeOfDay = 0.25; // seconds since midnight
    std::vector<std::chrono::milliseconds> pauses;
    std::function<void(int pauseIndex)> duringPause; // runs inside each pause, as a player could
    int cancelledPauses = 0;

    void showMessage(std::string_view text, MessageIcon icon) override
    {
        messages.push_back({std::string(text), icon, false});
    }

    bool askYesNo(std::string_view text, MessageIcon icon) override
    {
        messages.push_back({std::string(text), icon, true});
        if (yesNoAnswers.empty())
            return false;
        const bool yes = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return yes;
    }

    void askInsurance(InsuranceAnswers &answers) override
    {
        ++insuranceQuestions;
        InsuranceReply reply = InsuranceReply::No;
        if (!insuranceReplies.empty()) {
            reply = insuranceReplies.front();
            insuranceReplies.pop_front();
        }
        switch (reply) {
        case InsuranceReply::Yes: answers.cmdYesClick(); break;
        case InsuranceReply::No: answers.cmdNoClick(); break;
        case InsuranceReply::Close: answers.closedWithoutAnswer(); break;
        }
    }

    bool soundSwitchOn() const override { return soundOn; }
    void playSound(std::string_view fileName) override { sounds.emplace_back(fileName); }
    double secondsSinceMidnight() const override { return timeOfDay; }

    void pause(std::chrono::milliseconds length) override
    {
        pauses.push_back(length);
        if (duringPause)
            duringPause(int(pauses.size()) - 1);
    }

    void cancelPause() override { ++cancelledPauses; }
    void tableChanged() override {}
};

} // namespace quellard::testing

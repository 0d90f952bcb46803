#pragma once

#include <chrono>
#include <string_view>

namespace quellard {

enum class MessageIcon { Information, Exclamation };

// The two answers of the insurance question. The dialog calls exactly one of them.
class InsuranceAnswers {
public:
    virtual ~InsuranceAnswers() = default;
    virtual void cmdYesClick() = 0;
    virtual void cmdNoClick() = 0;
    // The dialog was closed with its close box (or Escape) instead of an answer.
    virtual void closedWithoutAnswer() = 0;
};

// Everything the rules need from the world around the table: the window implements it, tests fake it.
class Host {
public:
    virtual ~Host() = default;

    // A modal message box titled with the application's title, with an OK button.
    virtual void showMessage(std::string_view text, MessageIcon icon) = 0;
    // A modal question with Yes and No buttons; true on Yes.
    virtual bool askYesNo(std::string_view text, MessageIcon icon) = 0;
    // The modal insurance dialog. Returns once one of the answers has run and the dialog is closed.
    virtual void askInsurance(InsuranceAnswers &answers) = 0;

    // The tick of Sound > On, read at the moment of each sound.
    virtual bool soundSwitchOn() const = 0;
    // Starts the named file of the sounds folder and returns at once; a new sound replaces one
    // that is still playing.
    virtual void playSound(std::string_view fileName) = 0;

    // The time of day in seconds, with fractions.
    virtual double secondsSinceMidnight() const = 0;
    // Waits while the window stays live (repaints, menus). Returns early after cancelPause().
    virtual void pause(std::chrono::milliseconds length) = 0;
    virtual void cancelPause() = 0;

    // The table changed in the middle of an operation: show it before the next wait.
    virtual void tableChanged() = 0;
};

} // namespace quellard

// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <functional>
#include <string_view>

namespace quellard {

// Why the game turns down a click. Each has its message box; the window words it.
enum class Refusal {
    NotEnoughMoney, // a chip, the double or the insurance premium is more than the cash
    NoBet,          // New without a bet on the table
};

// How the insurance question was answered. Closing it with its close box (or Escape) answers nothing.
enum class InsuranceAnswer { Yes, No, Closed };

// Everything the rules need from the world around the table: the window implements it, tests fake it.
class Host {
public:
    virtual ~Host() = default;

    // A modal message box with an OK button.
    virtual void refuse(Refusal refusal) = 0;
    // Cash and bet are both gone: the modal question whether to start again with fresh cash; true on Yes.
    virtual bool askToStartAgain() = 0;
    // The modal insurance dialog. The answer runs while the dialog is still open, so that a refusal
    // shows over it; the call returns once the answer has run and the dialog is closed.
    virtual void askInsurance(const std::function<void(InsuranceAnswer)> &answer) = 0;

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

// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Host.h"
#include "shell/dialogs/PlayerMessages.h"

#include <QPointer>
#include <functional>
#include <string>

class QAction;
class QEventLoop;
class QWidget;

namespace quellard {

class SoundPort;

// What the rules need from the desktop: message boxes titled with the game's title, the insurance
// dialog, the sound effects, and the dealer's pauses, which wait on a timer so that the window keeps
// painting and its menus keep working while the CPU stays idle.
class ShellHost final : public Host {
public:
    struct Wiring {
        QWidget *window = nullptr;
        const QAction *soundSwitch = nullptr;
        SoundPort *sound = nullptr;
        std::string appFolder; // the file system's bytes
        std::function<void()> render;
        double pauseScale = 1.0; // tests shorten the pauses; 1 is the game's own timing
    };

    explicit ShellHost(Wiring wiring);

    void refuse(Refusal refusal) override;
    bool askToStartAgain() override;
    void askInsurance(const std::function<void(InsuranceAnswer)> &answer) override;
    bool soundSwitchOn() const override;
    void playSound(std::string_view fileName) override;
    double secondsSinceMidnight() const override;
    void pause(std::chrono::milliseconds length) override;
    void cancelPause() override;
    void tableChanged() override;

    bool pausing() const { return m_pauseLoop != nullptr; }

    // Any message box of the game, over the table as it stands now. True on Yes.
    bool showMessage(PlayerMessage message);

private:
    QWidget *dialogParent() const;

    Wiring m_wiring;
    QEventLoop *m_pauseLoop = nullptr;
};

} // namespace quellard

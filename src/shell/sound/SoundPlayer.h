// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/sound/SoundPort.h"

#include <functional>
#include <memory>
#include <string>

namespace quellard {

class PulseOutput;

// The sound effects. Each WAV file is read whole and checked before it reaches the sound server,
// so that a file cut short, broken or of another kind never gets that far; such a file, or a
// missing one, gives the desktop's alert instead. The connection to the sound server is made with
// the first sound, not at start-up.
class SoundPlayer : public SoundPort {
public:
    // `alert` sounds in place of a file that cannot be played: the desktop's bell unless told
    // otherwise.
    explicit SoundPlayer(std::function<void()> alert = {});
    ~SoundPlayer() override;
    void play(const std::string &path) override;

private:
    std::function<void()> m_alert;
    std::unique_ptr<PulseOutput> m_output; // once a sound has been asked for
};

} // namespace quellard

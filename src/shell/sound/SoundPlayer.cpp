// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/sound/SoundPlayer.h"

#include "settings/FileChecks.h"
#include "shell/sound/PulseOutput.h"
#include "shell/sound/WavFile.h"

#include <QApplication>

namespace quellard {

SoundPlayer::SoundPlayer(std::function<void()> alert) : m_alert(alert ? std::move(alert) : [] { QApplication::beep(); })
{}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(const std::string &path)
{
    std::optional<PcmSound> sound = readWav(findIgnoringCase(path));
    if (!sound) {
        m_alert();
        return;
    }
    if (!m_output)
        m_output = std::make_unique<PulseOutput>();
    m_output->play(std::move(*sound));
}

} // namespace quellard

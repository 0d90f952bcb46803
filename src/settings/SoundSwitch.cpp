// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/SoundSwitch.h"

namespace quellard {

SoundSwitch::SoundSwitch(const SettingsStore &settings) : m_settings(settings) {}

bool SoundSwitch::startUpTick() const
{
    const std::string stored = m_settings.readSetting(kSoundSection, kSoundKey, "");
    return stored.empty() || stored == "1";
}

bool SoundSwitch::soundClick(bool currentlyTicked) const
{
    const bool ticked = !currentlyTicked;
    m_settings.writeSetting(kSoundSection, kSoundKey, ticked ? "1" : "0");
    return ticked;
}

} // namespace quellard

// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/Settings.h"

#include <string_view>

namespace quellard {

// Where the sound switch is stored in the settings file: "1" on, "0" off.
inline constexpr std::string_view kSoundSection = "Settings";
inline constexpr std::string_view kSoundKey = "Sounds";

// The Sound > On switch, remembered in the settings file. The tick itself lives in the menu.
class SoundSwitch {
public:
    explicit SoundSwitch(const SettingsStore &settings);

    // At start-up: whether the item is ticked. Sound is on when nothing is stored or "1" is;
    // any other stored text means off.
    bool startUpTick() const;

    // The item was clicked: flips the tick, stores the new state at once and returns it.
    bool soundClick(bool currentlyTicked) const;

private:
    const SettingsStore &m_settings;
};

} // namespace quellard

// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace quellard::sounds {

// The effects in the sounds folder beside the executable, named exactly as the files are. All but
// the insurance question's sound play only while Sound > On is ticked.
inline constexpr std::string_view kInsurance = "insurance.wav"; // the insurance question opens
inline constexpr std::string_view kPush = "snore.wav";          // the stake comes back
inline constexpr std::string_view kLose = "hung-01.wav";        // the player loses or busts
inline constexpr std::string_view kDealerBust = "Explode.wav";  // a win against a dealer over 21
inline constexpr std::string_view kWin = "haha.wav";            // any other win
inline constexpr std::string_view kBlackjack = "clap.wav";      // a two-card 21, paid 3 to 2
inline constexpr std::string_view kCard = "whoosh.wav";         // a hit card or a dealer card

} // namespace quellard::sounds

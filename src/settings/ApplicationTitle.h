// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace quellard {

// The game's title: the window caption, the title of every message box and, with blanks turned
// into underscores, the name of the settings file.
inline constexpr std::string_view kApplicationTitle = "Quellard";

} // namespace quellard

// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <string_view>

namespace quellard {

// Letter case as the settings file and the game's file names know it: the 26 ASCII letters only,
// whatever the locale, so that "IMGLAKE.GIF" and "imglake.gif", or "[deck]" and "[Deck]", are the
// same name on every machine.
constexpr char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

constexpr bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

} // namespace quellard

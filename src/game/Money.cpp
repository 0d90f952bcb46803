// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Money.h"

namespace quellard {

std::string Money::text() const
{
    const std::uint64_t magnitude = m_pence < 0 ? 0 - std::uint64_t(m_pence) : std::uint64_t(m_pence);
    std::string text = (m_pence < 0 ? "-" : "") + std::to_string(magnitude / 100);
    const unsigned pence = unsigned(magnitude % 100);
    if (pence != 0)
        text += "." + std::to_string(pence / 10) + (pence % 10 ? std::to_string(pence % 10) : "");
    return text;
}

} // namespace quellard

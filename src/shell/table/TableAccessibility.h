// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quellard {

// Registers how the table's own widgets appear to screen readers: the clickable labels as push
// buttons that can be pressed, the card slots as pictures named after their cards, and the table's
// surface as a container of just the controls a player reads or uses. Safe to call more than once.
void installTableAccessibility();

} // namespace quellard

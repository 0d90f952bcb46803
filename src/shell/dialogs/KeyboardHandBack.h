// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QDialog;

namespace quellard {

// When the dialog closes, however it closes, the window it was shown over gets the keyboard back:
// the player goes on there with its keys. Window managers usually do this for a closed dialog, but
// not every session runs one (kiosks, some tiling set-ups), and without one the keyboard stays with
// no window until the player clicks.
void handKeyboardBackOnClose(QDialog &dialog);

} // namespace quellard

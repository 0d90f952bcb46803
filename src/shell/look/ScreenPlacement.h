// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace quellard {

// Places a window in the middle of the screen its owner is on (or the primary screen), as the
// game's windows open. Moving the window before it shows also keeps a dialog from centring itself
// over its owner instead.
void centreOnScreen(QWidget &window, const QWidget *owner);

// Places a window over the middle of its owner's window, frame over frame, as far as it stays on the
// screen: a box over a table that hangs off the screen's edge stays whole in view. A window not yet
// framed by the window manager is placed as if framed as its owner is, as it soon will be.
void centreOver(QWidget &window, const QWidget &owner);

} // namespace quellard

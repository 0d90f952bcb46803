// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quellard {

// Names the running application as the desktop knows it. The desktop joins a window to the menu
// entry it was started from by the desktop id (the entry's file name without ".desktop", Wayland's
// app id) and, on X11, by WM_CLASS, whose class part Qt takes from the application's name; the
// entry's StartupWMClass names that class. Runs once the QApplication exists, before any window.
void setUpApplication();

} // namespace quellard

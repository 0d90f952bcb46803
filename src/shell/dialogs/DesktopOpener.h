// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QUrl>

#include <functional>

namespace quellard {

// Told when the desktop could not open an address: at once, or a moment later when its launcher
// gives up. Never told of success, and never told at all by an opener given none.
using OpenFailed = std::function<void()>;

// Hands a file or web address to the desktop, which opens it in the player's browser. Injected
// wherever the game opens something, so that tests record the address instead.
using UrlOpener = std::function<void(const QUrl &url, const OpenFailed &failed)>;

// The desktop's own opener: xdg-open, watched without waiting for it.
void openWithDesktop(const QUrl &url, const OpenFailed &failed);

} // namespace quellard

// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/look/ScreenPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace quellard {

namespace {

// Moves the window's frame, of the given size, to have its middle at `centre`, then onto the screen
// where it runs off, its top left corner last so that the title and the menus stay in view.
void placeFrame(QWidget &window, QSize frameSize, QPoint centre, const QRect &available)
{
    QRect frame(QPoint(0, 0), frameSize);
    frame.moveCenter(centre);
    frame.moveLeft(std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width())));
    frame.moveTop(std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height())));
    window.move(frame.topLeft());
}

} // namespace

void centreOnScreen(QWidget &window, const QWidget *owner)
{
    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame's size is known once the window exists on the display; a window placed before
    // it is shown is made to exist first, so that its frame, not its client area, is centred.
    window.winId();
    placeFrame(window, window.frameGeometry().size(), screen->availableGeometry().center(),
               screen->availableGeometry());
}

void centreOver(QWidget &window, const QWidget &owner)
{
    const QWidget &ownerWindow = *owner.window();
    const QRect ownerFrame = ownerWindow.frameGeometry();
    QSize frame = window.frameGeometry().size();
    if (frame == window.size())
        frame += ownerFrame.size() - ownerWindow.size();
    placeFrame(window, frame, ownerFrame.center(), ownerWindow.screen()->availableGeometry());
}

} // namespace quellard

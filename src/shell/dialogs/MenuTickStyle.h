// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

namespace quellard {

// The menus' look: a ticked item shows a tick, and an item that is not ticked shows nothing in its
// place, where Qt's own styles would draw an empty box. Built on Qt's Fusion style, whose menu
// layout it follows, so the menus look the same on every desktop.
class MenuTickStyle : public QProxyStyle {
public:
    MenuTickStyle();

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
};

} // namespace quellard

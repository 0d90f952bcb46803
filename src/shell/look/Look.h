// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Chips.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

#include <string_view>

// The look the game's windows share: their geometry, colours and typefaces, and the one way text
// of the rules becomes text on the screen.
namespace quellard {

// ---- Geometry -------------------------------------------------------------------------------------
// The windows were laid out in twips, 1/1440 inch: fifteen of them make one device-independent
// pixel, and Qt's high-DPI scaling takes it from there.

constexpr int twips(int value) { return value / 15; }

constexpr QSize twipsSize(int width, int height) { return QSize(twips(width), twips(height)); }

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
constexpr QRect twipsRect(const TwipsRect &r) { return twipsRect(r.left, r.top, r.width, r.height); }

// ---- Colours --------------------------------------------------------------------------------------
// Written as the layout writes them: 0xBBGGRR, blue in the high byte.

constexpr QRgb bgr(unsigned value)
{
    return qRgb(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

namespace colours {
inline constexpr QRgb kTableSurround = bgr(0x404040); // the dark grey around the felt
inline constexpr QRgb kFelt = bgr(0x008000);
inline constexpr QRgb kLightGrey = bgr(0xE0E0E0); // an action's shape at rest; the About box
inline constexpr QRgb kHighlight = bgr(0xFF0000); // the shape behind the action under the pointer
} // namespace colours

// ---- Typefaces ------------------------------------------------------------------------------------
// The faces the windows were drawn with, by metric-compatible families that Linux desktops carry.

enum class Typeface {
    SansSerif,  // MS Sans Serif and Arial: Liberation Sans
    Verdana,    // DejaVu Sans
    Serif,      // Times New Roman: Liberation Serif
    NarrowSans, // Liberation Sans Narrow, for the rules text
};

QFont fontFor(Typeface face, qreal points, bool bold = false, bool italic = false);

// ---- Text -----------------------------------------------------------------------------------------

// The rules' texts are UTF-8 ("£" among them).
QString qstring(std::string_view text);

// "Quellard": the title of the table window and of every message box.
QString applicationTitle();

} // namespace quellard

// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/CardRules.h"

class QColor;
class QPainter;

namespace quellard::cardart {

// A jack, queen or king (rank 11 to 13): a framed panel with the court's headwear, letter and suit
// signs, painted twice, the lower half turned round.
void drawCourt(QPainter &painter, int rank, Suit suit, const QColor &ink);

} // namespace quellard::cardart

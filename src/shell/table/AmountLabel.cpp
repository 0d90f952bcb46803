// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/table/AmountLabel.h"

#include <QFontMetricsF>

namespace quellard {

AmountLabel::AmountLabel(const QFont &font, QWidget *parent) : QLabel(parent), m_font(font) { setFont(font); }

void AmountLabel::showAmount(const QString &amount)
{
    // The largest size, in quarter points, at which the whole amount fits the label's width.
    QFont fitted = m_font;
    while (fitted.pointSizeF() > 1 && QFontMetricsF(fitted, this).horizontalAdvance(amount) > width())
        fitted.setPointSizeF(fitted.pointSizeF() - 0.25);
    const qreal drop = QFontMetricsF(m_font, this).ascent() - QFontMetricsF(fitted, this).ascent();
    setContentsMargins(0, qRound(drop), 0, 0);
    setFont(fitted);
    setText(amount);
}

} // namespace quellard

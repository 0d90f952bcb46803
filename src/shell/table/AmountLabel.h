// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QLabel>

namespace quellard {

// A caption on the table that shows an amount: cash, a bet, a total. Every amount shows whole. One
// that fits shows in the label's own font; one too wide for it shows in a smaller size of the same
// font, on the same baseline, so that it stays level with what stands beside it.
class AmountLabel : public QLabel {
    Q_OBJECT
public:
    AmountLabel(const QFont &font, QWidget *parent);

    void showAmount(const QString &amount);

private:
    QFont m_font;
};

} // namespace quellard

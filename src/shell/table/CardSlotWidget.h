// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Table.h"

#include <QPixmap>
#include <QWidget>

namespace quellard {

// A card slot on the table (and the deck pile): blank, a face-down card showing the current card
// back, or a card face drawn at the screen's pixel density.
class CardSlotWidget : public QWidget {
    Q_OBJECT
public:
    CardSlotWidget(const QString &name, const QRect &geometry, const QPixmap &cardBack, QWidget *parent);

    void show(SlotFace face, int cardNumber);
    SlotFace face() const { return m_face; }
    int cardNumber() const { return m_cardNumber; }
    using QWidget::show;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QPixmap &m_cardBack;
    SlotFace m_face = SlotFace::Empty;
    int m_cardNumber = 0;
};

} // namespace quellard

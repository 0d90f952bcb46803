// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/table/CardSlotWidget.h"

#include "shell/cards/CardArt.h"
#include "shell/cards/CardFaceRenderer.h"

#include <QPainter>

namespace quellard {

CardSlotWidget::CardSlotWidget(const QString &name, const QRect &geometry, const QPixmap &cardBack, QWidget *parent)
    : QWidget(parent),
      m_cardBack(cardBack)
{
    setObjectName(name);
    setGeometry(geometry);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoMousePropagation);
    setAccessibleName(QStringLiteral("Empty card slot"));
}

void CardSlotWidget::show(SlotFace face, int cardNumber)
{
    if (face != SlotFace::CardFace)
        cardNumber = 0;
    if (face == m_face && cardNumber == m_cardNumber)
        return;
    m_face = face;
    m_cardNumber = cardNumber;
    switch (face) {
    case SlotFace::Empty: setAccessibleName(QStringLiteral("Empty card slot")); break;
    case SlotFace::CardBack: setAccessibleName(QStringLiteral("Face-down card")); break;
    case SlotFace::CardFace: setAccessibleName(CardFaceRenderer::cardName(cardNumber)); break;
    }
    update();
}

void CardSlotWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    switch (m_face) {
    case SlotFace::Empty: break;
    case SlotFace::CardBack:
        // The back pictures are small bitmaps; at higher pixel densities smooth them rather than
        // show blocky pixels.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(QPoint(0, 0), m_cardBack);
        break;
    case SlotFace::CardFace:
        // A face is drawn at the card's own size, as a back is, and the slot shows what fits.
        painter.drawPixmap(QPoint(0, 0), CardFaceRenderer::face(m_cardNumber, cardart::kCardSize, devicePixelRatioF()));
        break;
    }
}

} // namespace quellard

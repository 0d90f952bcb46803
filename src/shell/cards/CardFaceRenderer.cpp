// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/cards/CardFaceRenderer.h"

#include "game/CardRules.h"
#include "shell/cards/CardArt.h"
#include "shell/cards/CourtCards.h"
#include "shell/cards/SuitsAndPips.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <array>
#include <compare>
#include <map>

namespace quellard {
namespace {

using namespace cardart;

QPixmap renderFace(int cardNumber, QSize physicalSize, qreal devicePixelRatio)
{
    const int rank = cardRank(cardNumber);
    const Suit suit = cardSuit(cardNumber);
    const QColor &ink = isRed(suit) ? kRedInk : kBlackInk;

    // Transparent outside the rounded corners, so the felt shows there.
    QImage image(physicalSize, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) // too large to allocate
        return {};
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter.scale(physicalSize.width() / kGridWidth, physicalSize.height() / kGridHeight);

        painter.setPen(QPen(kCardBorder, 1.0));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(QRectF(0.5, 0.5, kGridWidth - 1, kGridHeight - 1), 4.5, 4.5);

        if (rank == 1)
            drawAce(painter, suit, ink);
        else if (rank >= kJack)
            drawCourt(painter, rank, suit, ink);
        else
            drawPips(painter, rank, suit, ink);
        drawCornerIndices(painter, rank, suit, ink);
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

struct FaceKey {
    int cardNumber;
    int width;
    int height;
    qreal devicePixelRatio;
    auto operator<=>(const FaceKey &) const = default;
};

std::map<FaceKey, QPixmap> &faceCache()
{
    static std::map<FaceKey, QPixmap> cache;
    return cache;
}

// Pixmaps must not outlive the application object, which a function-local static would.
void clearFaceCache() { faceCache().clear(); }

} // namespace

QPixmap CardFaceRenderer::face(int cardNumber, QSize logicalSize, qreal devicePixelRatio)
{
    // Written so that a ratio that is not a number is refused too.
    if (cardNumber < 1 || cardNumber > kCardsInPack || !(devicePixelRatio > 0))
        return {};
    const QSize physicalSize = logicalSize * devicePixelRatio;
    if (logicalSize.isEmpty() || physicalSize.isEmpty())
        return {};

    auto &cache = faceCache();
    const FaceKey key{cardNumber, logicalSize.width(), logicalSize.height(), devicePixelRatio};
    if (auto found = cache.find(key); found != cache.end())
        return found->second;

    static const bool cleanupRegistered = [] {
        qAddPostRoutine(clearFaceCache);
        return true;
    }();
    Q_UNUSED(cleanupRegistered);

    QPixmap pixmap = renderFace(cardNumber, physicalSize, devicePixelRatio);
    cache.emplace(key, pixmap);
    return pixmap;
}

QString CardFaceRenderer::cardName(int cardNumber)
{
    if (cardNumber < 1 || cardNumber > kCardsInPack)
        return {};
    const std::string_view rank = kRankNames[std::size_t(cardRank(cardNumber) - 1)];
    const std::string_view suit = kSuitNames[std::size_t(cardSuit(cardNumber))];
    return QStringLiteral("%1 of %2").arg(QLatin1String(rank), QLatin1String(suit));
}

} // namespace quellard

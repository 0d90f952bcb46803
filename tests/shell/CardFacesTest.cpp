// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The 52 card faces: each its own, in its suit's ink and sign, with the right number of pips or a court
// picture in the middle, drawn sharp at the display's scale.
#include "shell/cards/CardArt.h"
#include "shell/cards/CardFaceRenderer.h"

#include <QHash>
#include <QtTest>

#include <algorithm>

using quellard::CardFaceRenderer;

namespace {

bool isInk(QRgb pixel) { return qAlpha(pixel) > 128 && qGray(pixel) < 180; }

// How much ink covers `area`, an edge pixel counted by its share of ink (red or black): a sign's
// area, the same wherever it falls on the pixel grid.
double inkIn(const QImage &image, QRect area)
{
    double ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            ink += 1 - std::min({qRed(p), qGreen(p), qBlue(p)}) / 255.0;
        }
    return ink;
}

// The top of the sign inside `area`, by how wide its ink is a tenth of the way down: a point
// (diamonds, spades), one round lobe (clubs) or two lobes side by side (hearts).
QString signTop(const QImage &image, QRect area)
{
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isInk(image.pixel(x, y)))
                ink |= QRect(x, y, 1, 1);
    int across = 0;
    for (int x = ink.left(); x <= ink.right(); ++x)
        across += isInk(image.pixel(x, ink.top() + ink.height() / 10));
    const double share = double(across) / ink.width();
    return share < 0.25 ? "point" : share < 0.6 ? "round" : "lobes";
}

} // namespace

class CardFacesTest : public QObject {
    Q_OBJECT

private slots:
    void everyCardShowsItsRankInItsSuitsInk()
    {
        for (const qreal scale : {1.0, 2.0}) {
            QHash<QByteArray, int> seen;
            double pip = 0; // the ink of one pip of the suit in hand
            auto region = [scale](QRect r) { return QRect(r.topLeft() * scale, r.size() * scale); };
            for (int card = 1; card <= 52; ++card) {
                const QImage image = CardFaceRenderer::face(card, quellard::cardart::kCardSize, scale)
                                         .toImage()
                                         .convertToFormat(QImage::Format_ARGB32);
                const QString which = QStringLiteral("card %1 at scale %2").arg(card).arg(scale);
                const QByteArray bits(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
                QVERIFY2(!image.isNull() && !seen.contains(bits), qPrintable(which + " is blank or a copy"));
                seen.insert(bits, card);

                int red = 0, black = 0, goldInTheMiddle = 0;
                const QRect middle = region(QRect(18, 10, 37, 78)); // inside a court card's frame
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x) {
                        const QColor c = QColor::fromRgba(image.pixel(x, y));
                        black += c.alpha() > 128 && c.valueF() < 0.3;
                        red += c.alpha() > 128 && c.valueF() >= 0.3 && c.hsvSaturationF() > 0.35 &&
                               (c.hsvHue() <= 20 || c.hsvHue() >= 340);
                        goldInTheMiddle += middle.contains(x, y) && c.hsvHue() >= 30 && c.hsvHue() <= 55 &&
                                           c.hsvSaturationF() > 0.6 && c.valueF() > 0.7;
                    }
                const bool redSuit = (card - 1) / 13 == 1 || (card - 1) / 13 == 2;
                const int mine = redSuit ? red : black, other = redSuit ? black : red;
                QVERIFY2(mine > 40 * scale * scale && mine > 10 * other,
                         qPrintable(which + " has the other suit's ink"));

                // Between the corner indices: a pip for each point of a number card (as much ink as
                // the two's two pips make, so many times over), one large sign on an ace, and a court
                // card's gold headwear and frame in the middle.
                const int rank = (card - 1) % 13 + 1;
                const double pips = inkIn(image, region(QRect(15, 3, 44, 92)));
                pip = rank == 2 ? pips / 2 : pip;
                QVERIFY2(rank < 3 || rank > 10 || qAbs(pips / pip - rank) < 0.1,
                         qPrintable(which + QStringLiteral(" has the ink of %1 pips").arg(pips / pip)));
                const char *const tops[] = {"round", "point", "lobes", "point"}; // clubs, diamonds, hearts, spades
                QVERIFY2(rank != 1 || signTop(image, region(QRect(15, 20, 44, 58))) == tops[(card - 1) / 13],
                         qPrintable(which + " shows another suit's sign"));
                QVERIFY2((goldInTheMiddle > 20 * scale * scale) == (rank > 10),
                         qPrintable(which + (rank > 10 ? " has no court picture" : " has gold in the middle")));
            }
        }
    }

    // What a screen reader says for a face-up card, and nothing for a number that is no card.
    void everyCardHasItsName()
    {
        const QStringList ranks{"Ace",   "Two",  "Three", "Four", "Five",  "Six", "Seven",
                                "Eight", "Nine", "Ten",   "Jack", "Queen", "King"};
        const QStringList suits{"clubs", "diamonds", "hearts", "spades"};
        for (int card = 1; card <= 52; ++card)
            QCOMPARE(CardFaceRenderer::cardName(card), ranks[(card - 1) % 13] + " of " + suits[(card - 1) / 13]);
        QVERIFY(CardFaceRenderer::cardName(0).isEmpty() && CardFaceRenderer::cardName(53).isEmpty());
    }

    // Drawn for the display's scale, not scaled up: 73 x 98 at 1.5 is 109.5 x 147, the half pixel
    // rounding up, and the same request is served from the cache.
    void facesAreDrawnForTheDisplayScale()
    {
        const QPixmap face = CardFaceRenderer::face(27, quellard::cardart::kCardSize, 1.5);
        QVERIFY(face.size() == QSize(110, 147) && face.devicePixelRatio() == 1.5);
        QCOMPARE(CardFaceRenderer::face(27, quellard::cardart::kCardSize, 1.5).cacheKey(), face.cacheKey());
    }
};

QTEST_MAIN(CardFacesTest)
#include "CardFacesTest.moc"

#include "shell/CardFaceRenderer.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QtTest>

#include <vector>

using quellard::CardFaceRenderer;

namespace {

QImage faceImage(int card) { return CardFaceRenderer::face(card).toImage().convertToFormat(QImage::Format_ARGB32); }

// Separate patches of dark ink inside `area`, ignoring specks of a few antialiased pixels.
int countInkPatches(const QImage &image, QRect area)
{
    std::vector<bool> seen(std::size_t(image.width() * image.height()));
    auto fresh = [&](QPoint p) -> bool {
        const QRgb pixel = area.contains(p) ? image.pixel(p) : 0;
        auto bit = seen.begin() + p.y() * image.width() + p.x();
        if (qAlpha(pixel) <= 128 || qGray(pixel) >= 180 || *bit)
            return false;
        return *bit = true;
    };
    int patches = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            std::vector<QPoint> todo;
            int size = 0;
            for (fresh({x, y}) ? todo.push_back({x, y}) : void(); !todo.empty(); ++size) {
                const QPoint p = todo.back();
                todo.pop_back();
                for (QPoint n : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)})
                    if (fresh(n))
                        todo.push_back(n);
            }
            patches += size > 4;
        }
    return patches;
}

} // namespace

class CardFacesTest : public QObject {
    Q_OBJECT

private slots:
    void everyCardHasItsOwnFaceInkAndPips()
    {
        QHash<QByteArray, int> seen;
        for (int card = 1; card <= 52; ++card) {
            const QImage image = faceImage(card);
            const QByteArray bits(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
            QVERIFY2(!image.isNull() && !seen.contains(bits),
                     qPrintable(QString("card %1 is blank or a copy").arg(card)));
            seen.insert(bits, card);

            // Paper, the grey border, soft edges and the gold and blue of court cards count as neither ink.
            int red = 0, black = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = QColor::fromRgba(image.pixel(x, y));
                    if (c.alpha() < 128)
                        continue;
                    black += c.valueF() < 0.3;
                    red += c.valueF() >= 0.3 && c.hsvSaturationF() > 0.35 && (c.hsvHue() <= 20 || c.hsvHue() >= 340);
                }
            const bool redSuit = (card - 1) / 13 == 1 || (card - 1) / 13 == 2;
            const int mine = redSuit ? red : black, other = redSuit ? black : red;
            QVERIFY2(mine > 40 && mine > 10 * other,
                     qPrintable(QString("card %1: red %2, black %3").arg(card).arg(red).arg(black)));

            // Between the corner indices and inside the border only pips are drawn, each clear of the others.
            const int rank = (card - 1) % 13 + 1;
            if (rank <= 10)
                QCOMPARE(countInkPatches(image, QRect(15, 3, 44, 92)), rank);
        }
    }

    void facesAreDrawnForTheDisplayScale()
    {
        // 73 x 98 at 1.5 is 109.5 x 147: the half pixel rounds up.
        for (const auto &[ratio, physical] : {std::pair{1.5, QSize(110, 147)}, {2.0, QSize(146, 196)}}) {
            const QPixmap face = CardFaceRenderer::face(27, CardFaceRenderer::kCardSize, ratio);
            QCOMPARE(face.size(), physical);
            QCOMPARE(face.devicePixelRatio(), ratio);
            // The card reaches every edge of the picture; only the rounded corners are left clear.
            const QImage image = face.toImage();
            const int w = physical.width(), h = physical.height();
            for (QPoint edge : {QPoint(w / 2, 0), QPoint(w / 2, h - 1), QPoint(0, h / 2), QPoint(w - 1, h / 2)})
                QCOMPARE(qAlpha(image.pixel(edge)), 255);
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(image.pixel(w - 1, h - 1)), 0);
        }
    }

    void theCacheTellsRequestsApart()
    {
        const QSize size = CardFaceRenderer::kCardSize;
        const qint64 first = CardFaceRenderer::face(20, size, 1.5).cacheKey();
        QCOMPARE(CardFaceRenderer::face(20, size, 1.5).cacheKey(), first);
        QVERIFY(CardFaceRenderer::face(20, size, 2.0).cacheKey() != first);
        QVERIFY(CardFaceRenderer::face(20, QSize(80, 98), 1.5).cacheKey() != first);
    }

    void namesAndImpossibleRequests()
    {
        const std::pair<int, const char *> names[] = {{1, "Ace of clubs"},      {12, "Queen of clubs"},
                                                      {26, "King of diamonds"}, {33, "Seven of hearts"},
                                                      {40, "Ace of spades"},    {52, "King of spades"}};
        for (const auto &[card, name] : names)
            QCOMPARE(CardFaceRenderer::cardName(card), QString(name));
        for (int card : {0, 53})
            QVERIFY(CardFaceRenderer::cardName(card).isEmpty() && CardFaceRenderer::face(card).isNull());
        QVERIFY(CardFaceRenderer::face(5, QSize(0, 0)).isNull());
        QVERIFY(CardFaceRenderer::face(5, CardFaceRenderer::kCardSize, qQNaN()).isNull());
    }
};

QTEST_MAIN(CardFacesTest)
#include "CardFacesTest.moc"

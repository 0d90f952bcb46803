#include "shell/CardFaceRenderer.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QtTest>

#include <climits>
#include <vector>

using quellard::CardFaceRenderer;

namespace {

const char *const kSuits[] = {"clubs", "diamonds", "hearts", "spades"};

QImage faceImage(int card, qreal ratio = 1.0)
{
    return CardFaceRenderer::face(card, CardFaceRenderer::kCardSize, ratio)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

bool isInk(QRgb p) { return qAlpha(p) > 128 && qGray(p) < 180; }

// Separate patches of ink inside `area`, ignoring specks of a few antialiased pixels.
int countInkPatches(const QImage &image, QRect area)
{
    std::vector<bool> seen(static_cast<std::size_t>(image.width() * image.height()));
    auto mark = [&](QPoint p) {
        auto bit = seen.begin() + p.y() * image.width() + p.x();
        const bool fresh = area.contains(p) && !*bit && isInk(image.pixel(p));
        if (fresh)
            *bit = true;
        return fresh;
    };
    int patches = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            std::vector<QPoint> todo;
            if (mark({x, y}))
                todo.push_back({x, y});
            int size = 0;
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                ++size;
                for (QPoint n : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)})
                    if (mark(n))
                        todo.push_back(n);
            }
            patches += size > 4;
        }
    }
    return patches;
}

// Share of pixels inside `area` that differ clearly between two images of one size.
double differingShare(const QImage &a, const QImage &b, QRect area)
{
    int differing = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            differing += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                   std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))}) > 80;
        }
    return double(differing) / (area.width() * area.height());
}

} // namespace

class CardFacesTest : public QObject
{
    Q_OBJECT

private slots:
    void everyCardHasItsOwnFace()
    {
        QHash<QByteArray, int> seen;
        for (int card = 1; card <= 52; ++card) {
            const QImage image = faceImage(card);
            const QByteArray bits(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
            QVERIFY2(
                !image.isNull() && !seen.contains(bits),
                qPrintable(QStringLiteral("card %1 is blank or looks like card %2").arg(card).arg(seen.value(bits))));
            seen.insert(bits, card);
        }
    }

    void pipCardsShowAsManyPipsAsTheirRank_data()
    {
        QTest::addColumn<int>("card");
        for (int suit = 0; suit < 4; ++suit)
            for (int rank = 1; rank <= 10; ++rank)
                QTest::addRow("%d of %s", rank, kSuits[suit]) << suit * 13 + rank;
    }

    void pipCardsShowAsManyPipsAsTheirRank()
    {
        QFETCH(int, card);
        // Between the corner indices and inside the border only pips are drawn, and each must
        // stand clear of the others to be counted.
        QCOMPARE(countInkPatches(faceImage(card), QRect(15, 3, 44, 92)), (card - 1) % 13 + 1);
    }

    void courtCardsWearDifferentHeadwear()
    {
        // The band above the big letter: the letters alone would not tell the courts apart at a glance.
        const QRect headwear(18, 10, 37, 20);
        for (int suit = 0; suit < 4; ++suit) {
            const QImage jack = faceImage(suit * 13 + 11), queen = faceImage(suit * 13 + 12),
                         king = faceImage(suit * 13 + 13);
            QVERIFY(differingShare(jack, queen, headwear) > 0.15);
            QVERIFY(differingShare(queen, king, headwear) > 0.15);
            QVERIFY(differingShare(jack, king, headwear) > 0.15);
        }
    }

    void suitDecidesTheInk_data()
    {
        QTest::addColumn<int>("card");
        for (int card = 1; card <= 52; ++card)
            QTest::addRow("%s of %s", qPrintable(CardFaceRenderer::cardName(card).section(' ', 0, 0)),
                          kSuits[(card - 1) / 13])
                << card;
    }

    void suitDecidesTheInk()
    {
        QFETCH(int, card);
        // Paper, the grey border, soft edges and the gold and blue of court cards count as neither.
        int red = 0, black = 0;
        const QImage image = faceImage(card);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = QColor::fromRgb(image.pixel(x, y));
                if (c.alpha() < 128)
                    continue;
                black += c.valueF() < 0.3;
                red += c.valueF() >= 0.3 && c.hsvSaturationF() > 0.35 && (c.hsvHue() <= 20 || c.hsvHue() >= 340);
            }
        const bool redSuit = (card - 1) / 13 == 1 || (card - 1) / 13 == 2;
        const int mine = redSuit ? red : black, other = redSuit ? black : red;
        QVERIFY2(mine > 40 && mine > 10 * other, qPrintable(QStringLiteral("red %1, black %2").arg(red).arg(black)));
    }

    void facesAreDrawnForTheDisplayScale_data()
    {
        QTest::addColumn<QSize>("logical");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("physical");
        QTest::newRow("card size at 1") << QSize(73, 98) << 1.0 << QSize(73, 98);
        QTest::newRow("card size at 1.5") << QSize(73, 98) << 1.5 << QSize(110, 147); // 109.5 rounds up
        QTest::newRow("card size at 2") << QSize(73, 98) << 2.0 << QSize(146, 196);
    }

    void facesAreDrawnForTheDisplayScale()
    {
        QFETCH(QSize, logical);
        QFETCH(qreal, ratio);
        QFETCH(QSize, physical);
        for (int card : {1, 10, 13, 27, 52}) {
            const QPixmap face = CardFaceRenderer::face(card, logical, ratio);
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

    void sameRequestIsServedFromTheCache()
    {
        const QSize size = CardFaceRenderer::kCardSize;
        const qint64 first = CardFaceRenderer::face(20, size, 1.5).cacheKey();
        QCOMPARE(CardFaceRenderer::face(20, size, 1.5).cacheKey(), first);
        QVERIFY(CardFaceRenderer::face(20, size, 2.0).cacheKey() != first);
        QVERIFY(CardFaceRenderer::face(21, size, 1.5).cacheKey() != first);
        QVERIFY(CardFaceRenderer::face(20, QSize(80, 98), 1.5).cacheKey() != first);
    }

    void impossibleRequestsGiveNoPicture_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<QSize>("logical");
        QTest::addColumn<qreal>("ratio");
        const QSize size = CardFaceRenderer::kCardSize;
        QTest::newRow("card 0") << 0 << size << 1.0;
        QTest::newRow("card 53") << 53 << size << 1.0;
        QTest::newRow("empty size") << 5 << QSize(0, 0) << 1.0;
        QTest::newRow("ratio not a number") << 5 << size << qQNaN();
    }

    void impossibleRequestsGiveNoPicture()
    {
        QFETCH(int, card);
        QFETCH(QSize, logical);
        QFETCH(qreal, ratio);
        QVERIFY(CardFaceRenderer::face(card, logical, ratio).isNull());
    }

    void cardNames_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<QString>("name");
        const QList<std::pair<int, QString>> names{
            {1, "Ace of clubs"},    {7, "Seven of clubs"},   {10, "Ten of clubs"},    {11, "Jack of clubs"},
            {12, "Queen of clubs"}, {13, "King of clubs"},   {14, "Ace of diamonds"}, {26, "King of diamonds"},
            {27, "Ace of hearts"},  {33, "Seven of hearts"}, {40, "Ace of spades"},   {52, "King of spades"},
            {0, QString()},         {53, QString()}};
        for (const auto &[card, name] : names)
            QTest::addRow("%d", card) << card << name;
    }

    void cardNames()
    {
        QFETCH(int, card);
        QFETCH(QString, name);
        QCOMPARE(CardFaceRenderer::cardName(card), name);
    }
};

QTEST_MAIN(CardFacesTest)
#include "test_card_faces.moc"

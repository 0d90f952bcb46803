// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A long, seeded run of random play through the real window, menus worked in the dealer's pauses
// included, checked after every action for what holds whatever the cards: one moment's labels open,
// totals made by the cards shown, money moved as the payouts say, the dealer standing on 17.
// QUELLARD_PLAY_SEED chooses the run and QUELLARD_PLAY_ACTIONS its length (`make
// soak` plays a long one); a failure names the seed and the action.
#include "game/CardRules.h"
#include "game/Money.h"
#include "shell/dialogs/InsuranceDialog.h"
#include "shell/table/CardSlotWidget.h"
#include "support/TableWindowHarness.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>
#include <cmath>
#include <numeric>
#include <optional>
#include <random>

using namespace quellard;
using namespace quellard::testing;

namespace {

unsigned setting(const char *name, unsigned byDefault)
{
    return qEnvironmentVariable(name, QString::number(byDefault)).toUInt();
}

// The game's own generator with the run's seed; the clock reseed at each deal is skipped.
struct SeededRandom final : RandomSource {
    explicit SeededRandom(unsigned seed) : inner(seed) {}
    float next() override { return inner.next(); }
    void reseedFromClock() override {}
    ClockSeededRandom inner;
};

// The first seven actions click the label of the same index; each label is one bit of View::open.
enum Action { Chip5, Chip10, Chip50, New, Hit, Stand, Double, Restart, Deck, Sound };
const char *const kLabels[] = {"lblBet5", "lblBet10", "lblBet50", "lblNew", "lblHit", "lblStand", "lblDouble"};
constexpr int kBetweenGames = 0b0001111, kPlayersTurn = 0b0110000, kDoubleToo = 0b1110000;

using Cards = std::array<int, 7>; // a card number per slot: 0 hidden, -1 showing no face
int value(int card) { return card > 0 ? cardValue(card) : 0; }
// The total by the game's own rule (tested on its own), or with every ace as 1.
int total(const Cards &cards, bool aceHigh = true)
{
    HandValues values{};
    std::transform(cards.begin(), cards.end(), values.begin(), value);
    return aceHigh ? handTotal(values) : std::accumulate(values.begin(), values.end(), 0);
}

// An amount as the table shows it, to the penny.
Money shown(const QString &text) { return Money::pence(std::llround(text.toDouble() * 100)); }

struct View {
    Money cash, bet;
    int player = 0, dealer = 0, open = 0;
    Cards hands[2]{};
    bool has(Action a) const { return open & (1 << a); }
};

} // namespace

class RandomPlayTest : public QObject {
    Q_OBJECT

    const unsigned m_seed = setting("QUELLARD_PLAY_SEED", 1975);
    std::mt19937 m_rng{m_seed};
    SeededRandom m_random{m_seed};
    TableHarness m_table{true, 0.0, &m_random};
    Cards m_cards[2]{}; // this game's cards, as last seen face up
    bool m_insured = false, m_restarted = false;
    QString m_problem;
    int m_questions = 0, m_freshStarts = 0, m_pauseMenus = 0;

private slots:
    void randomPlayKeepsTheTableConsistent()
    {
        static const QtMessageHandler log =
            qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &at, const QString &text) {
                if (!text.contains(QLatin1String("not accepted by receiving widget"))) // clicks on closed labels
                    log(type, at, text);
            });
        QFile::remove(m_table.file(QStringLiteral("images/imglake.gif"))); // choosing it is refused
        m_table.load();
        m_table.modals.otherModal = [this](QWidget *modal) { answerInsurance(modal); };
        //                                             £5 £10 £50 New Hit Stand Double Restart Deck Sound
        std::discrete_distribution<int> betweenGames({4, 4, 7, 8, 1, 1, 1, 0.5, 1, 1});
        std::discrete_distribution<int> playersTurn({1, 1, 1, 1, 7, 7, 4, 0.5, 1, 1});
        const unsigned actions = setting("QUELLARD_PLAY_ACTIONS", 2000);
        for (unsigned i = 0; i < actions; ++i) {
            const View was = view();
            const Action action = steered(was, i >= actions / 2)
                                      .value_or(Action(was.has(New) ? betweenGames(m_rng) : playersTurn(m_rng)));
            const qsizetype boxes = m_table.modals.seen.size();
            while (m_table.modals.answers.size() < 2)
                m_table.modals.answers << (m_rng() % 2 ? QMessageBox::Yes : QMessageBox::No);
            m_problem.clear();
            perform(action);
            const bool broke = boxes < m_table.modals.seen.size() && m_table.modals.seen.last().contains("\": Sorry.");
            const QString problem = m_problem.isEmpty() ? check(action, was, view(), broke) : m_problem;
            QVERIFY2(problem.isEmpty(),
                     qPrintable(QStringLiteral("seed %1, action %2: %3").arg(m_seed).arg(i).arg(problem)));
        }
        qInfo("seed %u: %d insurance questions, %d fresh starts, %d menu commands in the dealer's pauses", m_seed,
              m_questions, m_freshStarts, m_pauseMenus);
        // A run of the default length or longer meets the corners it is for, whatever its seed.
        QVERIFY2(actions < 2000 || (m_questions >= 3 && m_freshStarts > 0 && m_pauseMenus >= 3),
                 "the run missed the corners it is for");
    }

private:
    // Left to chance, a run may never go broke: from half way on, one that has not stakes all it has
    // and stands until it is asked to start again (cash too little for a chip goes by File > Re-Start).
    std::optional<Action> steered(const View &was, bool halfWay) const
    {
        if (!halfWay || m_freshStarts > 0)
            return std::nullopt;
        if (was.has(Stand))
            return Stand;
        if (!was.has(New))
            return std::nullopt;
        for (const auto &[chip, pounds] : {std::pair{Chip50, 50}, {Chip10, 10}, {Chip5, 5}})
            if (was.cash >= Money::pounds(pounds))
                return chip;
        return was.bet > Money() || was.cash == Money() ? New : Restart;
    }

    View view() const
    {
        auto text = [this](const char *name) { return m_table.caption(QLatin1String(name)); };
        View v{shown(text("lblmoney")), shown(text("lblBet")), text("lblPlay").toInt(), text("lblCom").toInt()};
        for (int a = Chip5; a <= Double; ++a)
            v.open |= m_table.open(QLatin1String(kLabels[a])) << a;
        for (int i = 0; i < 14; ++i) {
            const auto *w =
                m_table.find<CardSlotWidget>(QStringLiteral("%1%2").arg(i < 7 ? "PicPlay" : "PicCom").arg(i % 7 + 1));
            v.hands[i / 7][std::size_t(i % 7)] = w->isHidden()                     ? 0
                                                 : w->face() == SlotFace::CardFace ? w->cardNumber()
                                                                                   : -1;
        }
        return v;
    }

    void answerInsurance(QWidget *modal)
    {
        auto *dialog = qobject_cast<InsuranceDialog *>(modal);
        if (!dialog)
            return;
        ++m_questions;
        if (const View v = view(); v.open != 0 || v.hands[1][1] != -1)
            m_problem = QStringLiteral("labels open or no hole card under the insurance question");
        const unsigned answer = m_rng() % 3;
        answer == 2 ? void(dialog->close()) : (answer ? dialog->noButton() : dialog->yesButton())->click();
    }

    void perform(Action action)
    {
        m_restarted = false;
        if (action >= Restart)
            return menuCommand(action);
        // In the dealer's turn, now and then a menu is worked in one of its pauses.
        const int what = m_rng() % 4 == 0 ? int(Restart + m_rng() % 3) : -1;
        int pauses = 0, atPause = int(m_rng() % 3);
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, this, [&] {
            if (!m_table.window->dealerPausing())
                return;
            if (view().open != 0)
                m_problem = QStringLiteral("labels open in the dealer's pause");
            if (pauses++ == atPause && what >= 0)
                menuCommand(Action(what)), ++m_pauseMenus;
        });
        watcher.start(0);
        m_table.click(QLatin1String(kLabels[action]));
        QCoreApplication::processEvents();
    }

    void menuCommand(Action what)
    {
        const TableMenus &menus = m_table.window->menus();
        m_restarted = m_restarted || what == Restart;
        (what == Restart ? menus.newGame
         : what == Deck  ? menus.deckItems[m_rng() % menus.deckItems.size()]
                         : menus.sound)
            ->trigger();
    }

    QString check(Action action, const View &was, const View &now, bool broke)
    {
        const int l = now.open;
        if (l != kBetweenGames && l != kPlayersTurn && l != kDoubleToo)
            return QStringLiteral("labels open: %1").arg(l, 7, 2, QLatin1Char('0'));
        const int cards = int(std::count_if(now.hands[0].begin(), now.hands[0].end(), [](int c) { return c; }));
        if (now.has(Double) && (cards != 2 || now.player != 11))
            return QStringLiteral("Double open on %1 cards making %2").arg(cards).arg(now.player);
        if (now.has(Stand) && (now.bet <= Money() || now.player > 21))
            return QStringLiteral("the player's turn without a live hand");
        const Money fresh = Money::pounds(500), none;
        const bool reset = m_restarted || (broke && now.cash == fresh && now.bet == none);
        m_freshStarts += broke && now.cash == fresh;
        const bool dealt = action == New && was.has(New) && was.bet > none;
        for (int side = 0; side < 2; ++side) // a slot turned face down by a new card back keeps its card
            for (std::size_t i = 0; i < 7; ++i)
                m_cards[side][i] = now.hands[side][i] > 0                      ? now.hands[side][i]
                                   : now.hands[side][i] == 0 || dealt || reset ? 0
                                                                               : m_cards[side][i];
        if (reset) // a fresh game: whether it was insured is settled at its deal
            return now.cash == fresh && now.bet == none && l == kBetweenGames ? QString()
                                                                              : QStringLiteral("not a fresh table");
        // The totals are what the cards make, an ace as 1 after a double; the dealer's is its up card
        // alone until it plays, and then it has drawn below 17 and stood on 17 or more.
        const Cards &player = m_cards[0], &dealer = m_cards[1];
        const bool dealerPlayed = std::any_of(dealer.begin() + 1, dealer.end(), [](int c) { return c; });
        if ((now.player != total(player) && !(player[2] && now.player == total(player, false))) ||
            now.dealer != (dealerPlayed ? total(dealer) : value(dealer[0])))
            return QStringLiteral("totals %1 and %2 for the cards shown").arg(now.player).arg(now.dealer);
        const bool settled = (action == Stand || action == Double) && was.has(action) && now.has(New);
        if (settled && dealerPlayed && !dealer[6]) {
            Cards beforeLast = dealer;
            beforeLast[std::size_t(std::count_if(dealer.begin(), dealer.end(), [](int c) { return c; }) - 1)] = 0;
            if (now.dealer < 17 || total(beforeLast) >= 17)
                return QStringLiteral("the dealer drew on %1 and stood on %2").arg(total(beforeLast)).arg(now.dealer);
        }
        // Cash and bet change only by the payouts: a premium of half the bet; at the end the stake
        // lost, returned, paid even money or 3 to 2, and 1.5 times the bet on insurance against a
        // dealer's blackjack.
        const Money change = now.cash + now.bet - was.cash - was.bet, stake = was.bet.times(action == Double ? 2 : 1);
        Money expected;
        if (dealt) {
            const Money premium = value(dealer[0]) == 1 ? was.bet.times(1, 2) : none,
                        blackjack = now.bet == none ? was.bet.times(3, 2) : none;
            m_insured = premium > none && change == blackjack - premium;
            expected = blackjack - (m_insured ? premium : none);
        } else if (action == Hit && was.has(Hit) && now.player > 21) {
            expected = none - was.bet;
        } else if (settled) {
            const bool dealerBlackjack = value(dealer[0]) == 1 && value(dealer[1]) == 10;
            const int p = now.player, d = now.dealer;
            expected = (d > 21 || p > d ? stake
                        : p == d        ? none
                                        : none - stake) +
                       (m_insured && dealerBlackjack ? stake.times(3, 2) : none);
        }
        return change == expected
                   ? QString()
                   : QStringLiteral("money moved by %1, not %2")
                         .arg(QString::fromStdString(change.text()), QString::fromStdString(expected.text()));
    }
};

QTEST_MAIN(RandomPlayTest)
#include "RandomPlayTest.moc"

// A long, seeded run of random play through the real table window, menus worked in the dealer's pauses
// included. After every action only the labels of one phase of the game are open, the money moved only by
// a stake, a premium or a payout, both totals agree with the cards shown, and the settings file reads back.
#include "settings/IniFile.h"
#include "shell/CardSlotWidget.h"
#include "shell/InsuranceDialog.h"
#include "support/TableWindowHarness.h"

#include <QAction>
#include <QtTest>

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>
#include <random>

using namespace quellard;
using namespace quellard::testing;

namespace {

// The game's own generator with a fixed seed; the clock reseed at each deal is skipped.
class FixedSeedRandom final : public RandomSource {
public:
    float next() override { return m_inner.next(); }
    void reseedFromClock() override {}

private:
    ClockSeededRandom m_inner{424242};
};

// The first seven actions click the label of the same index; each label is one bit of View::labels.
enum Action { Chip5, Chip10, Chip50, New, Hit, Stand, Double, Restart, Deck, Sound };
const char *const kLabels[] = {"lblBet5", "lblBet10", "lblBet50", "lblNew", "lblHit", "lblStand", "lblDouble"};
const char *const kNames[] = {"£5", "£10", "£50", "New", "Hit", "Stand", "Double", "Re-Start", "Deck", "Sound"};
constexpr double kChips[] = {5, 10, 50};
constexpr int bit(Action a) { return 1 << a; }
constexpr int kBetweenGames = bit(Chip5) | bit(Chip10) | bit(Chip50) | bit(New);
constexpr int kPlayersTurn = bit(Hit) | bit(Stand);

// What the player sees. hand[0] is the player's, hand[1] the dealer's, a slot each: 0 when hidden, -1 when
// it shows no face, else the card number it shows.
struct View {
    double cash = 0, bet = 0;
    int playerTotal = 0, dealerTotal = 0, labels = 0;
    std::array<int, 7> hand[2]{};
    bool open(Action a) const { return labels & bit(a); }
    int shown(int side) const { return 7 - int(std::count(hand[side].begin(), hand[side].end(), 0)); }
};

int value(int card) { return card <= 0 ? 0 : std::min((card - 1) % 13 + 1, 10); }

// The best total, or the plain sum with every ace as 1.
int total(const std::array<int, 7> &cards, bool aceMayCount11 = true)
{
    const int sum = std::accumulate(cards.begin(), cards.end(), 0, [](int s, int c) { return s + value(c); });
    const bool ace = std::any_of(cards.begin(), cards.end(), [](int c) { return value(c) == 1; });
    return aceMayCount11 && ace && sum + 10 <= 21 ? sum + 10 : sum;
}

} // namespace

class RandomPlayTest : public QObject {
    Q_OBJECT

    std::mt19937 m_rng{1975};
    ApplicationFolder m_folder;
    FixedSeedRandom m_random;
    RecordingSound m_sound;
    ModalAnswerer m_modals;
    std::unique_ptr<TableWindow> m_window;
    std::array<int, 7> m_cards[2]{}; // the card last seen face up in each slot of this game
    bool m_dealt = false, m_reset = false, m_doubled = false, m_insured = false, m_deckChosen = false;
    bool m_yesQueued = false, m_answerQueued = false;
    std::optional<std::string> m_storedDeck, m_storedSound;
    QString m_problem;
    int m_insuranceQuestions = 0, m_freshStarts = 0, m_restartsInPause = 0, m_decksInPause = 0;

private slots:
    void randomPlayKeepsTheTableConsistent()
    {
        // Thousands of clicks on closed labels are part of the run; Qt Test would warn about each one.
        static QtMessageHandler testLog = nullptr;
        testLog = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (!text.contains(QLatin1String("not accepted by receiving widget")))
                testLog(type, context, text);
        });
        auto restoreLog = qScopeGuard([] { qInstallMessageHandler(testLog); });

        QFile::remove(m_folder.file(QStringLiteral("images/imglake.gif"))); // so that choosing it is refused
        m_window = std::make_unique<TableWindow>(
            TableWindowOptions{m_folder.bytes(), &m_random, &m_sound, 0.0, [](const QUrl &) { return true; }});
        m_window->formLoad();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

        // The insurance question: asked with nothing open and the hole card face down, answered at random.
        m_modals.otherModal = [this](QWidget *modal) {
            if (auto *dialog = qobject_cast<InsuranceDialog *>(modal)) {
                ++m_insuranceQuestions;
                if (const View v = view(); v.labels != 0 || v.hand[1][1] != -1)
                    m_problem = QStringLiteral("labels open or no hole card during the insurance question");
                const unsigned answer = m_rng() % 3;
                answer == 2 ? void(dialog->close()) : (answer ? dialog->noButton() : dialog->yesButton())->click();
            }
        };

        // Mostly what a player would do next, big chips so that the money runs out now and then, and a share
        // of clicks on closed labels and of menu commands at any moment.
        //                                             £5 £10 £50 New Hit Stand Double Restart Deck Sound
        std::discrete_distribution<int> betweenGames({4, 4, 7, 8, 1, 1, 1, 0.5, 1, 1});
        std::discrete_distribution<int> playersTurn({1, 1, 1, 1, 7, 7, 4, 0.5, 1, 1});
        for (int i = 0; i < 3000; ++i) {
            const View before = view();
            const Action action = Action(before.open(New) ? betweenGames(m_rng) : playersTurn(m_rng));
            const int boxesBefore = int(m_modals.seen.size());
            if (!m_answerQueued) {
                m_yesQueued = m_rng() % 2 == 0;
                m_modals.answerNext(m_yesQueued ? QMessageBox::Yes : QMessageBox::No);
                m_answerQueued = true;
            }
            m_problem.clear();
            perform(action, before);
            QCoreApplication::processEvents();
            const View after = view();
            const QString problem = m_problem.isEmpty() ? check(action, before, after, boxesBefore) : m_problem;
            QVERIFY2(problem.isEmpty(),
                     qPrintable(QStringLiteral("action %1 (%2): %3").arg(i).arg(kNames[action], problem)));
        }
        qInfo("%d insurance questions, %d fresh starts when broke, %d restarts and %d deck changes mid-turn",
              m_insuranceQuestions, m_freshStarts, m_restartsInPause, m_decksInPause);
        // The run must reach the corners it is for.
        QVERIFY(m_insuranceQuestions > 10 && m_freshStarts > 0 && m_restartsInPause > 5 && m_decksInPause > 5);
    }

private:
    View view() const
    {
        auto number = [this](const char *name) { return m_window->findChild<QLabel *>(name)->text().toDouble(); };
        View v{number("lblmoney"), number("lblBet"), int(number("lblPlay")), int(number("lblCom"))};
        for (int a = Chip5; a <= Double; ++a)
            v.labels |= m_window->findChild<QWidget *>(kLabels[a])->isEnabled() ? 1 << a : 0;
        for (int side = 0; side < 2; ++side)
            for (int i = 0; i < 7; ++i) {
                const auto *w = m_window->findChild<CardSlotWidget *>(
                    QStringLiteral("%1%2").arg(side ? "PicCom" : "PicPlay").arg(i + 1));
                v.hand[side][i] = w->isHidden() ? 0 : w->face() == SlotFace::CardFace ? w->cardNumber() : -1;
            }
        return v;
    }

    void perform(Action action, const View &before)
    {
        m_dealt = action == New && before.open(New) && before.bet > 0;
        m_reset = m_deckChosen = false;
        m_doubled = !m_dealt && (m_doubled || (action == Double && before.open(Double) && before.cash >= before.bet));
        m_insured = m_insured && !m_dealt;
        if (action >= Restart)
            return menuCommand(action);
        auto *label = m_window->findChild<ClickLabel *>(kLabels[action]);
        if (action != Stand && action != Double)
            return QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());

        // Stand and Double hand over to the dealer. A zero timer looks at the table in each pause and, now
        // and then, works a menu in one of them.
        const int what = m_rng() % 4 == 0 ? int(Restart + m_rng() % 3) : -1;
        const int atPause = int(m_rng() % 3);
        int pause = 0;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, this, [&] {
            if (m_window->dealerPausing() && view().labels != 0)
                m_problem = QStringLiteral("labels open in the dealer's pause");
            if (m_window->dealerPausing() && pause++ == atPause && what >= 0)
                menuCommand(Action(what));
        });
        watcher.start(0);
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    }

    void menuCommand(Action what)
    {
        const bool inPause = m_window->dealerPausing();
        const TableMenus &menus = m_window->menus();
        if (what == Restart) {
            menus.newGame->trigger();
            m_reset = true;
            m_restartsInPause += inPause;
        } else if (what == Deck) {
            const std::size_t item = m_rng() % kDeckBacks.size();
            menus.deckItems[item]->trigger();
            if (kDeckBacks[item].fileName != "imglake.gif")
                m_storedDeck = std::string(kDeckBacks[item].fileName);
            m_deckChosen = true;
            m_decksInPause += inPause;
        } else {
            menus.sound->trigger();
            m_storedSound = std::string(1, menus.sound->isChecked() ? '1' : '0');
        }
    }

    QString check(Action action, const View &before, const View &after, int boxesBefore)
    {
        // At most one message box, and one this action can raise.
        const int boxes = int(m_modals.seen.size()) - boxesBefore;
        if (boxes > 1)
            return QStringLiteral("more than one message box");
        if (boxes == 1) {
            m_answerQueued = false;
            const QString &text = m_modals.seen.last().text;
            const bool broke = text.startsWith(u"Sorry. You seem to have run out of money.");
            if (!((text == u"You do not have enough money!!" && (action <= New || action == Double)) ||
                  (text == u"Please bet first!!" && action == New && before.bet == 0) ||
                  (broke && action <= New && before.cash + before.bet == 0) ||
                  (text == u"Error: File does not exist" && m_deckChosen)))
                return QStringLiteral("unexpected box: ") + text;
            m_freshStarts += broke && m_yesQueued;
            m_reset = m_reset || (broke && m_yesQueued);
        }
        if (m_reset)
            m_doubled = m_insured = false;

        // Only the labels of one moment of the game are open; Double only on a two-card 11 just dealt.
        const int l = after.labels;
        if (l != kBetweenGames && l != kPlayersTurn && l != (kPlayersTurn | bit(Double)))
            return QStringLiteral("labels open: %1").arg(l, 7, 2, QLatin1Char('0'));
        if (l & bit(Stand) && (after.bet <= 0 || after.playerTotal > 21))
            return QStringLiteral("the player's turn without a live hand");
        const bool mayDouble =
            l & bit(Hit) && after.playerTotal == 11 && after.shown(0) == 2 && (m_dealt || before.open(Double));
        if (after.open(Double) ? !mayDouble : mayDouble && action != Double)
            return QStringLiteral("Double open or closed out of turn");
        if (m_reset && (after.cash != 500 || after.bet != 0 || after.playerTotal != 0 || after.dealerTotal != 0 ||
                        l != kBetweenGames || after.shown(0) != 2 || after.shown(1) != 1))
            return QStringLiteral("not a fresh table after a restart");

        // This game's cards: a slot turned face down by a new card back keeps the card it showed.
        for (int side = 0; side < 2; ++side)
            for (int i = 0; i < 7; ++i) {
                const int shown = after.hand[side][i];
                int &card = m_cards[side][i];
                card = shown > 0 ? shown : (m_dealt || m_reset || shown == 0) ? 0 : card;
            }

        if (!moneyAllowed(action, before, after))
            return QStringLiteral("money moved to cash %1, bet %2").arg(after.cash).arg(after.bet);
        // The premium is paid at the deal: the cash fell by half the bet and the bet stayed.
        m_insured = m_insured || (m_dealt && after.bet == before.bet && after.cash == before.cash - before.bet / 2);

        // After a double every ace counts 1; the dealer's total is the up card alone until the dealer's turn.
        const bool dealerTurned = std::any_of(m_cards[1].begin() + 1, m_cards[1].end(), [](int c) { return c; });
        const int player = total(m_cards[0], !m_doubled);
        const int dealer = dealerTurned ? total(m_cards[1]) : value(m_cards[1][0]);
        if (after.playerTotal != player || after.dealerTotal != dealer)
            return QString::asprintf("totals %d and %d, the cards make %d and %d", after.playerTotal, after.dealerTotal,
                                     player, dealer);

        const QString settings = m_folder.file(QStringLiteral("Quellard.ini"));
        const IniFile file(settings.toStdString());
        if ((QFileInfo::exists(settings) || m_storedDeck || m_storedSound) &&
            (file.value("Deck", "Default") != m_storedDeck || file.value("Settings", "Sounds") != m_storedSound))
            return QStringLiteral("the settings file does not read back the choices made");
        return {};
    }

    // Money moves only by a chip, the premium, doubling, a payout or a fresh start; every amount is a
    // multiple of 0.5, so exact in doubles.
    bool moneyAllowed(Action action, const View &before, const View &after) const
    {
        const double c = before.cash, b = before.bet, cash = after.cash, bet = after.bet;
        const bool unchanged = cash == c && bet == b;
        if (cash < 0 || bet < 0 || m_reset)
            return cash >= 0 && bet >= 0; // a restart is checked as a fresh table
        // After the dealer's turn: even money on a win, the stake back on a push, 1.5 times the stake when
        // insured against a dealer's blackjack.
        auto settled = [&](double cashLeft, double stake) {
            const int p = after.playerTotal, d = after.dealerTotal;
            const double pay = d > 21 || p > d ? 2 * stake : p == d ? stake : 0;
            const bool dealerBlackjack = value(m_cards[1][0]) == 1 && value(m_cards[1][1]) == 10;
            return bet == 0 && d >= 17 && cash == cashLeft + pay + (m_insured && dealerBlackjack ? 1.5 * stake : 0);
        };
        if (action <= Chip50)
            return before.open(action) && c >= kChips[action] ? cash == c - kChips[action] && bet == b + kChips[action]
                                                              : unchanged;
        if (action == New && m_dealt) {
            // Maybe a premium of half the bet on a dealer's ace, maybe a blackjack paid 3 to 2 at once.
            const bool blackjack = total({after.hand[0][0], after.hand[0][1]}) == 21;
            for (const double premium : {0.0, value(after.hand[1][0]) == 1 ? b / 2 : 0.0})
                if ((cash == c - premium && bet == b) || (blackjack && cash == c - premium + 2.5 * b && bet == 0))
                    return true;
            return false;
        }
        if (action == Hit)
            return unchanged || (cash == c && bet == 0 && after.playerTotal > 21);
        if (action == Stand && before.open(Stand))
            return settled(c, b);
        if (action == Double && before.open(Double))
            return (c < b && unchanged) || settled(c - b, 2 * b);
        return unchanged;
    }
};

QTEST_MAIN(RandomPlayTest)
#include "RandomPlayTest.moc"

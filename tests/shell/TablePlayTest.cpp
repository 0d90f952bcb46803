// Whole games through the real window: clicks on the chips and actions, the message boxes and the
// insurance question answered as a player would, the dealer's pauses, and restarts and closing in
// the middle of the dealer's turn.
#include "shell/CardSlotWidget.h"
#include "shell/InsuranceDialog.h"
#include "support/TableWindowHarness.h"

#include <QAction>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace quellard;
using namespace quellard::testing;

class TablePlayTest : public QObject {
    Q_OBJECT

private slots:
    void aWholeDoubledGameFromBetToPayout();
    void dealingWithoutABetOrMoneyAsks();
    void restartingOrClosingDuringTheDealersTurnEndsIt();
    void theDealersPausesKeepTheWindowLive();
    void insuranceAnswers_data();
    void insuranceAnswers();
};

namespace {
CardSlotWidget *slot(const TableHarness &t, const char *n) { return t.find<CardSlotWidget>(QString::fromLatin1(n)); }
bool isOpen(const TableHarness &t, const char *name) { return t.find(QString::fromLatin1(name))->isEnabled(); }
} // namespace

void TablePlayTest::aWholeDoubledGameFromBetToPayout()
{
    TableHarness table;
    table.load();
    for (const char *chip : {"lblBet50", "lblBet10", "lblBet10"})
        table.click(QString::fromLatin1(chip));
    table.random.deal({card(10), card(6, 2), card(5, 3)});
    table.click(QStringLiteral("lblNew"));
    QCOMPARE(slot(table, "PicPlay2")->accessibleName(), QStringLiteral("Five of spades"));
    QCOMPARE(table.caption(QStringLiteral("lblPlay")), QStringLiteral("11"));
    QVERIFY(isOpen(table, "lblDouble") && !isOpen(table, "lblNew") && !isOpen(table, "lblBet5"));

    table.random.deal({card(9), card(7, 1)}); // 20 against the dealer's 17
    table.click(QStringLiteral("lblDouble"));
    QCOMPARE(slot(table, "PicPlay3")->cardNumber(), card(9));
    QVERIFY(slot(table, "PicCom2")->isVisible() && slot(table, "PicCom2")->cardNumber() == card(7, 1));
    QCOMPARE(table.caption(QStringLiteral("lblPlay")), QStringLiteral("20"));
    QCOMPARE(table.caption(QStringLiteral("lblCom")), QStringLiteral("17"));
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("640"));
    QCOMPARE(table.sound.played, (QStringList{"whoosh.wav", "haha.wav"})); // the doubling card is silent
    QVERIFY(isOpen(table, "lblNew") && isOpen(table, "lblBet50") && !isOpen(table, "lblDouble"));
}

void TablePlayTest::dealingWithoutABetOrMoneyAsks()
{
    TableHarness table;
    table.load();
    table.click(QStringLiteral("lblNew"));
    for (int chip = 0; chip < 10; ++chip) // everything on one game, and lost
        table.click(QStringLiteral("lblBet50"));
    table.random.deal({card(10), card(10), card(6), card(kKing)});
    table.click(QStringLiteral("lblNew"));
    table.click(QStringLiteral("lblHit"));
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("0"));
    table.modals.answerNext(QMessageBox::Yes);
    table.click(QStringLiteral("lblNew"));
    QCOMPARE(table.modals.seen.size(), 2);
    const SeenMessage &refusal = table.modals.seen[0], &question = table.modals.seen[1];
    QCOMPARE(refusal.title, QStringLiteral("Quellard"));
    QCOMPARE(refusal.text, QStringLiteral("Please bet first!!"));
    QCOMPARE(refusal.icon, QMessageBox::Warning);
    QCOMPARE(refusal.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(question.title, QStringLiteral("Quellard"));
    QCOMPARE(question.text,
             QStringLiteral("Sorry. You seem to have run out of money.\n\nWould you like to start a new game?"));
    QCOMPARE(question.icon, QMessageBox::Information);
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("500"));
    QCOMPARE(slot(table, "PicPlay1")->face(), SlotFace::CardBack);
}

void TablePlayTest::restartingOrClosingDuringTheDealersTurnEndsIt()
{
    for (const bool close : {false, true}) {
        TableHarness table(true, 0.3);
        table.load();
        table.click(QStringLiteral("lblBet50"));
        table.random.deal({card(2), card(10), card(8), card(3), card(4), card(5)});
        table.click(QStringLiteral("lblNew"));
        QSignalSpy unloaded(table.window.get(), &TableWindow::unloaded);
        bool interrupted = false;
        QTimer::singleShot(50, table.window.get(), [&] {
            interrupted = table.window->dealerPausing();
            if (close)
                table.window->close();
            else
                table.window->menus().newGame->trigger();
        });
        table.click(QStringLiteral("lblStand"));
        QVERIFY(interrupted);
        QVERIFY(!table.window->dealerPausing());
        QVERIFY(table.sound.played.isEmpty());
        const Table &model = table.window->game().table();
        QVERIFY(!model.gameResult.has_value());
        QCOMPARE(unloaded.count(), close ? 1 : 0);
        QCOMPARE(model.bet, close ? 50.0 : 0.0); // closing leaves the game unsettled
        QVERIFY(!QFileInfo::exists(table.folder.file(QStringLiteral("Quellard.ini"))));
        if (!close) {
            QCOMPARE(slot(table, "PicCom1")->face(), SlotFace::CardBack);
            QTest::qWait(500); // nothing of the abandoned turn comes back later
            QVERIFY(!slot(table, "PicCom2")->isVisible());
            QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("500"));
        }
    }
}

void TablePlayTest::theDealersPausesKeepTheWindowLive()
{
    TableHarness table(true, 1.0);
    table.load();
    table.click(QStringLiteral("lblBet10"));
    table.random.deal({card(10), card(10), card(8), card(7)});
    table.click(QStringLiteral("lblNew"));
    int ticks = 0; // during the pause the menus work: the sound goes off, and the dealer's card is silent
    QTimer probe;
    connect(&probe, &QTimer::timeout, this, [&] {
        if (++ticks == 2)
            table.window->menus().sound->trigger();
    });
    probe.start(100);
    QElapsedTimer clock;
    clock.start();
    table.click(QStringLiteral("lblStand"));
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed >= 450 && elapsed <= 1700, qPrintable(QString::number(elapsed)));
    QVERIFY(ticks >= 4);
    QCOMPARE(table.sound.played, QStringList{});
    QCOMPARE(table.caption(QStringLiteral("lblCom")), QStringLiteral("17"));
}

void TablePlayTest::insuranceAnswers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("chips");
    QTest::addColumn<QString>("cashAfter");
    QTest::addColumn<bool>("insured");
    QTest::addColumn<QStringList>("messages");
    const QStringList ten{"lblBet10"};
    QStringList all; // 490 on the table, 10 left: half the bet is more than the cash
    for (int i = 0; i < 13; ++i)
        all << (i < 9 ? "lblBet50" : "lblBet10");
    QTest::newRow("yes") << "yes" << ten << "485" << true << QStringList{};
    QTest::newRow("yes, short of cash") << "yes" << all << "10" << false
                                        << QStringList{"You do not have enough money!!"};
    QTest::newRow("close box") << "close" << ten << "490" << false << QStringList{};
}

void TablePlayTest::insuranceAnswers()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, chips);
    QFETCH(QString, cashAfter);
    QFETCH(bool, insured);
    QFETCH(QStringList, messages);
    TableHarness table;
    table.load();
    for (const QString &chip : chips)
        table.click(chip);
    bool asked = false;
    table.modals.otherModal = [&](QWidget *modal) {
        auto *dialog = qobject_cast<InsuranceDialog *>(modal);
        if (!dialog)
            return;
        asked = true;
        [&] { // checked in a lambda of its own, so that a failure still answers below
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Insurance"));
            QCOMPARE(dialog->size(), QSize(248, 66));
            QCOMPARE(dialog->palette().color(QPalette::Window), QColor(Qt::black));
            auto *question = dialog->findChild<QLabel *>(QStringLiteral("lblInsurance"));
            QCOMPARE(question->text(), QStringLiteral("Insurance?"));
            QCOMPARE(question->geometry(), QRect(0, 0, 249, 49));
            QCOMPARE(dialog->yesButton()->text(), QStringLiteral("&Yes"));
            QCOMPARE(dialog->yesButton()->geometry(), QRect(16, 32, 105, 25));
            QCOMPARE(dialog->noButton()->geometry(), QRect(120, 32, 105, 25));
            QCOMPARE(dialog->yesButton()->nextInFocusChain(), static_cast<QWidget *>(dialog->noButton()));
            // While the question is open the dealer's second card lies face down and nothing is open.
            QVERIFY(slot(table, "PicCom2")->isVisible() && slot(table, "PicCom2")->face() == SlotFace::CardBack);
            QVERIFY(!isOpen(table, "lblHit"));
            QCOMPARE(table.sound.played, QStringList{"insurance.wav"});
        }();
        if (answer == QLatin1String("yes"))
            dialog->yesButton()->click();
        else
            dialog->close(); // the close box
    };
    table.random.deal({card(kAce), card(10), card(8)});
    table.click(QStringLiteral("lblNew"));
    QVERIFY(asked);
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), cashAfter);
    QCOMPARE(table.window->game().table().insYes, insured);
    QStringList seen;
    for (const SeenMessage &message : table.modals.seen)
        seen << message.text;
    QCOMPARE(seen, messages);
    QVERIFY(isOpen(table, "lblHit") && isOpen(table, "lblStand")); // whatever the answer, the turn goes on
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TablePlayTest)
#include "TablePlayTest.moc"

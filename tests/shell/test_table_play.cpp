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
    void aWholeGameFromBetToPayout();
    void dealingWithoutABetIsRefused();
    void aBrokePlayerCanStartAgain();
    void restartingDuringTheDealersTurnEndsIt();
    void closingDuringTheDealersTurnEndsTheProgramUnsettled();
    void theDealersPausesKeepTheWindowLive();
    void insuranceDialogLooksAsItShould();
    void insuranceAnswers_data();
    void insuranceAnswers();
    void doubleDownThroughTheWindow();
};

namespace {
CardSlotWidget *slot(const TableHarness &table, const QString &name) { return table.find<CardSlotWidget>(name); }

void answerInsurance(TableHarness &table, const QString &how)
{
    table.modals.otherModal = [how](QWidget *modal) {
        auto *dialog = qobject_cast<InsuranceDialog *>(modal);
        if (!dialog)
            return;
        if (how == QLatin1String("yes"))
            dialog->yesButton()->click();
        else if (how == QLatin1String("no"))
            dialog->noButton()->click();
        else
            dialog->close(); // the close box
    };
}
} // namespace

void TablePlayTest::aWholeGameFromBetToPayout()
{
    TableHarness table;
    table.load();
    table.click(QStringLiteral("lblBet50"));
    table.click(QStringLiteral("lblBet10"));
    table.click(QStringLiteral("lblBet10"));
    QCOMPARE(table.caption(QStringLiteral("lblBet")), QStringLiteral("70"));
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("430"));

    table.random.deal({card(9), card(10, 2), card(kQueen, 3)});
    table.click(QStringLiteral("lblNew"));
    QCOMPARE(slot(table, QStringLiteral("PicCom1"))->cardNumber(), card(9));
    QCOMPARE(slot(table, QStringLiteral("PicPlay2"))->cardNumber(), card(kQueen, 3));
    QCOMPARE(slot(table, QStringLiteral("PicPlay2"))->accessibleName(), QStringLiteral("Queen of spades"));
    QCOMPARE(table.caption(QStringLiteral("lblPlay")), QStringLiteral("20"));
    QCOMPARE(table.caption(QStringLiteral("lblCom")), QStringLiteral("9"));
    QVERIFY(!table.find(QStringLiteral("lblNew"))->isEnabled());
    QVERIFY(!table.find(QStringLiteral("lblBet5"))->isEnabled());
    QVERIFY(table.find(QStringLiteral("lblHit"))->isEnabled());

    // The dealer turns an eight (17) and stands; 20 beats 17.
    table.random.deal({card(8, 1)});
    table.click(QStringLiteral("lblStand"));
    QCOMPARE(slot(table, QStringLiteral("PicCom2"))->cardNumber(), card(8, 1));
    QVERIFY(slot(table, QStringLiteral("PicCom2"))->isVisible());
    QCOMPARE(table.caption(QStringLiteral("lblCom")), QStringLiteral("17"));
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("570"));
    QCOMPARE(table.caption(QStringLiteral("lblBet")), QStringLiteral("0"));
    QCOMPARE(table.sound.played, (QStringList{"whoosh.wav", "haha.wav"}));
    QVERIFY(table.find(QStringLiteral("lblNew"))->isEnabled());
    QVERIFY(table.find(QStringLiteral("lblBet50"))->isEnabled());
    QVERIFY(!table.find(QStringLiteral("lblStand"))->isEnabled());
}

void TablePlayTest::dealingWithoutABetIsRefused()
{
    TableHarness table;
    table.load();
    table.click(QStringLiteral("lblNew"));
    QCOMPARE(table.modals.seen.size(), 1);
    const SeenMessage &box = table.modals.seen.first();
    QCOMPARE(box.title, QStringLiteral("Quellard"));
    QCOMPARE(box.text, QStringLiteral("Please bet first!!"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(slot(table, QStringLiteral("PicPlay1"))->face(), SlotFace::CardBack);
    QVERIFY(table.find(QStringLiteral("lblNew"))->isEnabled());
}

void TablePlayTest::aBrokePlayerCanStartAgain()
{
    TableHarness table;
    table.load();
    table.window->session().game.table().cash = 0;
    table.window->render();
    table.modals.answerNext(QMessageBox::No);
    table.click(QStringLiteral("lblBet5"));
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("0"));
    table.modals.answerNext(QMessageBox::Yes);
    table.click(QStringLiteral("lblNew"));
    QCOMPARE(table.modals.seen.size(), 2);
    QCOMPARE(table.modals.seen[1].text,
             QStringLiteral("Sorry. You seem to have run out of money.\n\nWould you like to start a new game?"));
    QCOMPARE(table.modals.seen[1].icon, QMessageBox::Information);
    QCOMPARE(table.modals.seen[1].buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("500"));
    QCOMPARE(table.caption(QStringLiteral("lblBet")), QStringLiteral("0"));
}

void TablePlayTest::restartingDuringTheDealersTurnEndsIt()
{
    TableHarness table(true, 0.3);
    table.load();
    table.click(QStringLiteral("lblBet50"));
    table.random.deal({card(2), card(10), card(8), card(3), card(4), card(5)});
    table.click(QStringLiteral("lblNew"));
    bool restarted = false;
    QTimer::singleShot(50, table.window.get(), [&] {
        QVERIFY(table.window->dealerPausing());
        table.window->menus().newGame->trigger();
        restarted = true;
    });
    table.click(QStringLiteral("lblStand"));
    QVERIFY(restarted);
    QVERIFY(!table.window->dealerPausing());
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("500"));
    QCOMPARE(slot(table, QStringLiteral("PicCom1"))->face(), SlotFace::CardBack);
    QVERIFY(table.sound.played.isEmpty());
    // Nothing of the abandoned turn comes back later.
    QTest::qWait(500);
    QVERIFY(!slot(table, QStringLiteral("PicCom2"))->isVisible());
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("500"));
}

void TablePlayTest::closingDuringTheDealersTurnEndsTheProgramUnsettled()
{
    TableHarness table(true, 0.3);
    table.load();
    table.click(QStringLiteral("lblBet10"));
    table.random.deal({card(2), card(10), card(8), card(3), card(4), card(5)});
    table.click(QStringLiteral("lblNew"));
    QSignalSpy unloaded(table.window.get(), &TableWindow::unloaded);
    QTimer::singleShot(50, table.window.get(), [&] { table.window->close(); });
    table.click(QStringLiteral("lblStand"));
    QCOMPARE(unloaded.count(), 1);
    QCOMPARE(table.window->session().game.table().bet, 10.0);
    QVERIFY(!table.window->session().game.table().gameResult.has_value());
    QVERIFY(!QFileInfo::exists(table.folder.file(QStringLiteral("Quellard.ini"))));
}

void TablePlayTest::theDealersPausesKeepTheWindowLive()
{
    TableHarness table(true, 1.0);
    table.load();
    table.click(QStringLiteral("lblBet10"));
    table.random.deal({card(10), card(10), card(8), card(7)});
    table.click(QStringLiteral("lblNew"));
    // During the pause the menus work: switch the sound off, and the dealer's card is silent.
    int ticks = 0;
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
    QVERIFY(!table.window->menus().sound->isChecked());
    QCOMPARE(table.sound.played, QStringList{});
    QCOMPARE(table.caption(QStringLiteral("lblCom")), QStringLiteral("17"));
}

void TablePlayTest::insuranceDialogLooksAsItShould()
{
    TableHarness table;
    table.load();
    table.click(QStringLiteral("lblBet10"));
    table.random.deal({card(kAce), card(10), card(8)});
    bool checked = false;
    table.modals.otherModal = [&](QWidget *modal) {
        auto *dialog = qobject_cast<InsuranceDialog *>(modal);
        if (!dialog || checked)
            return;
        checked = true;
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
        QCOMPARE(slot(table, QStringLiteral("PicCom2"))->face(), SlotFace::CardBack);
        QVERIFY(slot(table, QStringLiteral("PicCom2"))->isVisible());
        QVERIFY(!table.find(QStringLiteral("lblHit"))->isEnabled());
        QCOMPARE(table.sound.played, QStringList{"insurance.wav"});
        dialog->noButton()->click();
    };
    table.click(QStringLiteral("lblNew"));
    QVERIFY(checked);
}

void TablePlayTest::insuranceAnswers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<double>("cash");
    QTest::addColumn<QString>("cashAfter");
    QTest::addColumn<int>("insured");
    QTest::addColumn<int>("messages");
    QTest::newRow("yes") << "yes" << 490.0 << "485" << 1 << 0;
    QTest::newRow("yes, short of cash") << "yes" << 4.0 << "4" << 0 << 1;
    QTest::newRow("close box") << "close" << 490.0 << "490" << 0 << 0;
}

void TablePlayTest::insuranceAnswers()
{
    QFETCH(QString, answer);
    QFETCH(double, cash);
    QFETCH(QString, cashAfter);
    QFETCH(int, insured);
    QFETCH(int, messages);
    TableHarness table;
    table.load();
    Table &model = table.window->session().game.table();
    model.cash = cash;
    model.bet = 10;
    model.insYes = 1 - insured; // whatever was left from before, the answer decides
    table.window->render();
    answerInsurance(table, answer);
    table.random.deal({card(kAce), card(10), card(8)});
    table.click(QStringLiteral("lblNew"));
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), cashAfter);
    QCOMPARE(model.insYes, insured);
    QCOMPARE(table.modals.seen.size(), messages);
    if (messages)
        QCOMPARE(table.modals.seen.first().text, QStringLiteral("You do not have enough money!!"));
    // Whatever the answer, the player's turn goes on.
    QVERIFY(table.find(QStringLiteral("lblHit"))->isEnabled());
    QVERIFY(table.find(QStringLiteral("lblStand"))->isEnabled());
    QVERIFY(!QApplication::activeModalWidget());
}

void TablePlayTest::doubleDownThroughTheWindow()
{
    TableHarness table;
    table.load();
    table.click(QStringLiteral("lblBet10"));
    table.click(QStringLiteral("lblBet10"));
    table.random.deal({card(10), card(6), card(5)});
    table.click(QStringLiteral("lblNew"));
    QVERIFY(table.find(QStringLiteral("lblDouble"))->isEnabled());
    table.random.deal({card(9), card(7)}); // 20 against the dealer's 17
    table.click(QStringLiteral("lblDouble"));
    QCOMPARE(slot(table, QStringLiteral("PicPlay3"))->cardNumber(), card(9));
    QCOMPARE(table.caption(QStringLiteral("lblPlay")), QStringLiteral("20"));
    QCOMPARE(table.caption(QStringLiteral("lblCom")), QStringLiteral("17"));
    QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("540"));
    QVERIFY(!table.find(QStringLiteral("lblDouble"))->isEnabled());
    QCOMPARE(table.sound.played, (QStringList{"whoosh.wav", "haha.wav"}));
}

QTEST_MAIN(TablePlayTest)
#include "test_table_play.moc"

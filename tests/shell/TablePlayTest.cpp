// Games through the real window: every message box the player can meet, the insurance question,
// the dealer's pauses, and restarting or closing in the middle of the dealer's turn.
#include "shell/CardSlotWidget.h"
#include "shell/InsuranceDialog.h"
#include "shell/PlayerMessages.h"
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
    void everyMessageBoxWithItsWordsIconAndButtons()
    {
        const auto info = QMessageBox::Information, exclamation = QMessageBox::Warning;
        const QMessageBox::StandardButtons ok = QMessageBox::Ok;
        const std::tuple<PlayerMessage, const char *, QMessageBox::Icon, QMessageBox::StandardButtons> boxes[] = {
            {playerMessage(Refusal::NotEnoughMoney), "You do not have enough money!!", info, ok},
            {playerMessage(Refusal::NoBet), "Please bet first!!", exclamation, ok},
            {PlayerMessage::OutOfMoney,
             "Sorry. You seem to have run out of money.\n\nWould you like to start a new game?", info,
             QMessageBox::Yes | QMessageBox::No},
            {playerMessage(DeckBackProblem::FileDoesNotExist), "Error: File does not exist", exclamation, ok},
            {playerMessage(DeckBackProblem::SelectedImageDoesNotExist), "Error: Selected deck image does not exist.",
             exclamation, ok},
            {PlayerMessage::DeckImageUnreadable, "Error: Selected deck image could not be read.", exclamation, ok}};
        ModalAnswerer modals;
        modals.answers = {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Yes};
        QString yes;
        for (const auto &[message, text, icon, buttons] : boxes) {
            yes += showPlayerMessage(message, nullptr) ? 'y' : '-';
            const SeenMessage seen = modals.seen.value(modals.seen.size() - 1);
            QVERIFY2(seen.title == QStringLiteral("Quellard") && seen.text == QString::fromUtf8(text) &&
                         seen.icon == icon && seen.buttons == buttons,
                     text);
        }
        QCOMPARE(yes, QStringLiteral("--y---"));
    }

    // The question, with the dealer's second card face down and nothing open; a refusal for want
    // of cash shows over it, and any answer lets the player go on.
    void insuranceQuestion()
    {
        for (const bool shortOfCash : {false, true}) {
            TableHarness table;
            table.load();
            for (int i = 0; i < (shortOfCash ? 9 : 1); ++i) // 450 of 500 on the table: the premium is 225
                table.click(QStringLiteral("lblBet50"));
            bool asked = false;
            table.modals.otherModal = [&](QWidget *modal) {
                auto *dialog = qobject_cast<InsuranceDialog *>(modal);
                if (!dialog || std::exchange(asked, true))
                    return;
                [&] { // checked in a lambda of its own, so that a failure still answers below
                    QCOMPARE(dialog->windowTitle(), QStringLiteral("Insurance"));
                    QCOMPARE(dialog->size(), QSize(248, 66));
                    QCOMPARE(dialog->palette().color(QPalette::Window), QColor(Qt::black));
                    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lblInsurance"))->geometry(),
                             QRect(0, 0, 249, 49));
                    QCOMPARE(dialog->yesButton()->text(), QStringLiteral("&Yes"));
                    QCOMPARE(dialog->yesButton()->geometry(), QRect(16, 32, 105, 25));
                    QCOMPARE(dialog->noButton()->geometry(), QRect(120, 32, 105, 25));
                    QCOMPARE(table.find<CardSlotWidget>(QStringLiteral("PicCom2"))->face(), SlotFace::CardBack);
                    QVERIFY(!table.open(QStringLiteral("lblHit")));
                }();
                dialog->yesButton()->click();
            };
            table.random.deal({card(kAce), card(10), card(8)});
            table.click(QStringLiteral("lblNew"));
            QVERIFY(asked);
            QCOMPARE(table.caption(QStringLiteral("lblmoney")),
                     shortOfCash ? QStringLiteral("50") : QStringLiteral("425"));
            QCOMPARE(table.modals.seen.size(), shortOfCash ? 1 : 0);
            QVERIFY(table.open(QStringLiteral("lblHit")) && table.open(QStringLiteral("lblStand")));
            QVERIFY(!QApplication::activeModalWidget());
        }
    }

    // During the dealer's pauses the window lives: it repaints, its menus work (the sound goes off
    // before the card), and the CPU waits on a timer.
    void theDealersPausesKeepTheWindowLive()
    {
        TableHarness table(true, 1.0);
        table.load();
        table.click(QStringLiteral("lblBet10"));
        table.random.deal({card(10), card(10), card(8), card(7)});
        table.click(QStringLiteral("lblNew"));
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
        QVERIFY2(clock.elapsed() >= 450 && clock.elapsed() <= 1700, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(ticks >= 4);
        QCOMPARE(table.sound.played, QStringList{});
        QCOMPARE(table.caption(QStringLiteral("lblCom")), QStringLiteral("17"));
    }

    // Restarting ends the dealer's turn where it waits; closing the window ends the game there too,
    // unsettled, and nothing is written.
    void restartingOrClosingDuringTheDealersTurnEndsIt()
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
                close ? void(table.window->close()) : table.window->menus().newGame->trigger();
            });
            table.click(QStringLiteral("lblStand"));
            QVERIFY(interrupted && !table.window->dealerPausing());
            QVERIFY(table.sound.played.isEmpty());
            QCOMPARE(unloaded.count(), close ? 1 : 0);
            QCOMPARE(table.window->game().table().bet, close ? 50.0 : 0.0);
            QVERIFY(!QFileInfo::exists(table.folder.file(QStringLiteral("Quellard.ini"))));
            if (!close) {
                QTest::qWait(500); // nothing of the abandoned turn comes back later
                QVERIFY(!table.find(QStringLiteral("PicCom2"))->isVisible());
                QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("500"));
            }
        }
    }
};

QTEST_MAIN(TablePlayTest)
#include "TablePlayTest.moc"

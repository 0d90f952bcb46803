// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Games through the real window: its message boxes, the dealer's pauses and their interruption,
// and games played with keys alone.
#include "shell/dialogs/InsuranceDialog.h"
#include "shell/dialogs/PlayerMessages.h"
#include "shell/table/ShellHost.h"
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
    // Every message box with its words, icon and buttons, Enter and the keyboard on the first, over
    // the middle of the (frameless) table or the insurance question, kept on the screen. After each,
    // and after the rules and the About box, the table has the keyboard back: the next key plays.
    void everyMessageBoxWithItsWordsIconAndButtons()
    {
        TableHarness table;
        table.window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        table.load();
        table.window->move(100, 50);
        table.modals.answers = {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Yes};
        table.modals.otherModal = [](QWidget *dialog) {
            if (auto *question = qobject_cast<InsuranceDialog *>(dialog))
                question->yesButton()->click(); // insurance the cash cannot cover
            else
                dialog->close();
        };
        QString yes, keys; // '1' where the key 1 played after a dialog, '-' where it was lost
        auto pressOne = [&] {
            (void)QTest::qWaitForWindowActive(table.window.get(), 300);
            const QString cash = table.caption(QStringLiteral("lblmoney"));
            QTest::keyClick(table.window->windowHandle(), Qt::Key_1);
            keys += table.caption(QStringLiteral("lblmoney")) == cash ? '-' : '1';
        };
        for (const PlayerMessage message :
             {playerMessage(Refusal::NotEnoughMoney), playerMessage(Refusal::NoBet), PlayerMessage::OutOfMoney,
              playerMessage(DeckBackProblem::FileDoesNotExist),
              playerMessage(DeckBackProblem::SelectedImageDoesNotExist), PlayerMessage::DeckImageUnreadable})
            yes += showPlayerMessage(message, table.window.get()) ? 'y' : '-', pressOne();
        for (QAction *dialog : {table.window->menus().contents, table.window->menus().about})
            dialog->trigger(), pressOne();
        for (int chip = 0; chip < 9; ++chip)
            table.click(QStringLiteral("lblBet50"));
        table.random.deal({card(kAce), card(10), card(8)});
        table.click(QStringLiteral("lblNew"));
        table.window->move(-500, -400);
        showPlayerMessage(PlayerMessage::NotEnoughMoney, table.window.get());
        QCOMPARE(table.modals.seen,
                 (QStringList{"Information OK \"Quellard\": You do not have enough money!!",
                              "Warning OK \"Quellard\": Please bet first!!",
                              "Information &Yes/&No \"Quellard\": Sorry. You seem to have run out of money.\n\n"
                              "Would you like to start a new game?",
                              "Warning OK \"Quellard\": Error: File does not exist",
                              "Warning OK \"Quellard\": Error: Selected deck image does not exist.",
                              "Warning OK \"Quellard\": Error: Selected deck image could not be read.",
                              "Information OK \"Quellard\": You do not have enough money!!",
                              "Information OK \"Quellard\": You do not have enough money!!"}));
        QCOMPARE(yes + ", then the key 1: " + keys, QStringLiteral("--y---, then the key 1: 11111111"));
        // The middle of the table, 559 by 433 at 100,50, then of the question; a box at the screen's corner.
        QCOMPARE(table.modals.centres, QList<QPoint>(6, QPoint(379, 266)) << QPoint(399, 399) << QPoint(138, 42));
        QCOMPARE(table.modals.enterAndFocus.join(' '),
                 QStringLiteral("OK/OK OK/OK &Yes/&Yes OK/OK OK/OK OK/OK OK/OK OK/OK"));
    }

    // During the dealer's pauses the window lives, its actions closed: its menus work (the sound goes
    // off before the card).
    void theDealersPausesKeepTheWindowLive()
    {
        TableHarness table(true, 1.0);
        table.load();
        table.click(QStringLiteral("lblBet10"));
        table.random.deal({card(10), card(10), card(8), card(7)});
        table.click(QStringLiteral("lblNew"));
        int ticks = 0;
        bool openInPause = false;
        QTimer probe;
        connect(&probe, &QTimer::timeout, this, [&] {
            openInPause = openInPause || table.open(QStringLiteral("lblStand")) || table.open(QStringLiteral("lblNew"));
            if (++ticks == 2)
                table.window->menus().sound->trigger();
        });
        probe.start(100);
        QElapsedTimer clock;
        clock.start();
        table.click(QStringLiteral("lblStand"));
        QVERIFY2(clock.elapsed() >= 450 && clock.elapsed() <= 1700, qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(ticks >= 4 && !openInPause, "the window was not live in the dealer's pauses, or let the player act");
        QCOMPARE(table.sound.played, QStringList{});
        QCOMPARE(table.caption(QStringLiteral("lblCom")), QStringLiteral("17"));
        // The pauses are timed by the time of day to the millisecond, not to the second.
        const ShellHost host({});
        for (int sample = 0; sample < 5; ++sample, QTest::qWait(70)) {
            const double off = host.secondsSinceMidnight() - QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
            QVERIFY2(qAbs(off) < 0.03, qPrintable(QStringLiteral("the pause's clock is off by %1 s").arg(off)));
        }
    }

    // Restarting or closing ends the dealer's turn where it waits, unsettled, and writes nothing; nothing
    // of the abandoned turn comes back later.
    void restartingOrClosingDuringTheDealersTurnEndsIt()
    {
        for (const bool close : {false, true}) {
            TableHarness table(true, 1.0);
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
            QElapsedTimer clock;
            clock.start();
            table.click(QStringLiteral("lblStand"));
            QVERIFY2(interrupted && clock.elapsed() < 250, "the turn went on after the interruption");
            QCOMPARE(unloaded.count(), close ? 1 : 0);
            QCOMPARE(table.caption(QStringLiteral("lblBet")) + ' ' + table.caption(QStringLiteral("lblCom")) + ' ' +
                         table.caption(QStringLiteral("lblmoney")),
                     QLatin1String(close ? "50 2 450" : "0 0 500"));
            QVERIFY(table.sound.played.isEmpty() && !QFileInfo::exists(table.file(QStringLiteral("Quellard.ini"))));
        }
    }

    // Games with keys alone, as the desktop delivers them to the active window.
    void gamesWithKeysAlone()
    {
        TableHarness table;
        table.load();
        table.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(table.window.get()));
        QStringList pressed;
        for (ClickLabel *label : table.window->findChildren<ClickLabel *>())
            connect(label, &ClickLabel::clicked, this, [&pressed, label] { pressed << label->objectName(); });
        const Qt::KeyboardModifiers none = Qt::NoModifier, keypad = Qt::KeypadModifier;
        auto keys = [&](QList<std::pair<int, Qt::KeyboardModifiers>> sequence) {
            pressed.clear();
            for (const auto &[key, modifiers] : sequence)
                QTest::keyClick(table.window->windowHandle(), Qt::Key(key), modifiers);
            return pressed;
        };
        auto *chip = table.find<ClickLabel>(QStringLiteral("lblBet5"));
        QTest::mousePress(chip, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(chip, Qt::LeftButton, {}, QPoint(-5, 5)); // let go beside the chip: no bet
        QVERIFY(pressed.isEmpty());
        QAccessible::queryAccessibleInterface(chip)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction()); // as a screen reader presses it
        QCOMPARE(pressed, QStringList{"lblBet5"});
        // Each key works while its action is open and does nothing while it is closed: between games
        // the chips and New, in the player's turn Hit, Stand and (on 11, before a hit) Double; Space
        // presses the label with the keyboard focus.
        // clang-format off
        QCOMPARE(keys({{Qt::Key_Space, none}, {Qt::Key_1, none}, {Qt::Key_2, none}, {Qt::Key_3, none}, {Qt::Key_3, keypad}, {Qt::Key_H, none},
                       {Qt::Key_S, none}, {Qt::Key_D, none}, {Qt::Key_N, Qt::ShiftModifier}, {Qt::Key_4, none}}),
                 (QStringList{"lblBet5", "lblBet5", "lblBet10", "lblBet50", "lblBet50"}));
        table.random.deal({card(9), card(5, 2), card(6, 3), card(2), card(10)});
        QCOMPARE(keys({{Qt::Key_Enter, keypad}, {Qt::Key_1, none}, {Qt::Key_2, none}, {Qt::Key_3, none},
                       {Qt::Key_N, none}, {Qt::Key_Return, none}, {Qt::Key_Enter, keypad}, {Qt::Key_H, none},
                       {Qt::Key_D, none}, {Qt::Key_S, none}}),
                 (QStringList{"lblNew", "lblHit", "lblStand"})); // 11, and a 2 makes 13, which loses to 19
        // clang-format on
        QCOMPARE(table.caption(QStringLiteral("lblmoney")), QStringLiteral("375"));
        QCOMPARE(table.sound.played, (QStringList{"sounds/whoosh.wav", "sounds/whoosh.wav", "sounds/hung-01.wav"}));
        QCOMPARE(table.readAloud().mid(0, 7),
                 (QStringList{"text Dealer's total: 19", "Nine of clubs", "Ten of clubs", "text Your total: 13",
                              "Five of hearts", "Six of spades", "Two of clubs"}));
        // The insurance question: Y buys (once, and the dealer's blackjack pays it), N declines, and
        // Escape closes it unanswered.
        for (const auto &[key, hole, cashAfter] :
             {std::tuple{Qt::Key_Y, kKing, "375"}, {Qt::Key_N, 9, "370"}, {Qt::Key_Escape, 9, "365"}}) {
            table.modals.otherModal = [key = key](QWidget *modal) {
                if (qobject_cast<InsuranceDialog *>(modal) && QTest::qWaitForWindowActive(modal))
                    QTest::keyClick(modal->windowHandle(), key);
            };
            table.random.deal({card(kAce, 3), card(10), card(8), card(hole)});
            QCOMPARE(keys({{Qt::Key_1, none}, {Qt::Key_N, none}}), (QStringList{"lblBet5", "lblNew"}));
            QVERIFY(QTest::qWaitForWindowActive(table.window.get()));
            QCOMPARE(keys({{Qt::Key_S, none}}), QStringList{"lblStand"}); // 18 loses to 20 or 21
            QCOMPARE(table.caption(QStringLiteral("lblmoney")), QLatin1String(cashAfter));
        }
        QTest::keyClick(table.window->windowHandle(), Qt::Key_F2); // File > Re-Start New Game
        QCOMPARE(table.caption(QStringLiteral("lblmoney")) + ' ' + table.caption(QStringLiteral("lblPlay")),
                 QStringLiteral("500 0"));
    }
};

QTEST_MAIN(TablePlayTest)
#include "TablePlayTest.moc"

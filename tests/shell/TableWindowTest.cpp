// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The table window and its dialogs: as laid out and as they start, hover, help and closing; every
// message box, the dealer's pauses and their interruption, and games played with keys alone.
#include "shell/ApplicationSetup.h"
#include "shell/dialogs/InsuranceDialog.h"
#include "shell/dialogs/PlayerMessages.h"
#include "shell/table/FilledShape.h"
#include "shell/table/ShellHost.h"
#include "support/TableWindowHarness.h"
#include "support/WindowReading.h"

#include <QAction>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace quellard;
using namespace quellard::testing;

class TableWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Every window as a player meets it: each control where it stands, what it says and in which
    // font, and each window's title bar, size, place, Enter key and first focus (Windows.txt).
    void everyWindowAsThePlayerMeetsIt()
    {
        TableHarness dealt;
        dealt.load();
        QStringList read = readWindow(*dealt.window);
        dealt.window->move(0, 0); // so that over the table and on the screen differ
        dealt.modals.otherModal = [&](QWidget *dialog) {
            read << QString() << readWindow(*dialog);
            dialog->close();
        };
        for (QAction *item : {dealt.window->menus().about, dealt.window->menus().contents})
            item->trigger();
        dealt.random.deal({card(kAce), card(10), card(8)});
        dealt.click("lblBet5");
        dealt.click("lblNew");
        const QStringList lines = QString::fromUtf8(fileBytes(QUELLARD_TESTS_DIR "/shell/Windows.txt"))
                                      .split('\n')
                                      .filter(QRegularExpression("^(?!#)"));
        for (qsizetype i = 0; i < std::max(lines.size(), read.size()); ++i)
            QVERIFY2(
                lines.value(i) == read.value(i),
                qPrintable(QStringLiteral("line %1 reads\n%2\nnot\n%3").arg(i + 1).arg(read.value(i), lines.value(i))));
    }

    // The focus frame, the names the desktop knows the game by, and what a screen reader finds:
    // amounts as text, cards and the deck as graphics, labels as buttons (open ones pressed by their
    // keys); captions, felt, frames, highlight shapes and hidden slots are left out.
    void focusNamesAndReadingAloud()
    {
        TableHarness table;
        table.load();
        // The keyboard focus shows as a dotted frame once the player moves it with Tab, not before.
        auto look = [&](const char *name) { return table.find(name)->grab().toImage(); };
        QVERIFY(QTest::qWaitForWindowActive(table.window.get()));
        const QImage chip5 = look("lblBet5"), chip10 = look("lblBet10");
        QTest::keyClick(table.window->windowHandle(), Qt::Key_Tab);
        QVERIFY2(look("lblBet5") == chip5 && look("lblBet10") != chip10, "a focus frame before Tab, or none after");
        setUpApplication(); // the desktop matches the window to its menu entry by these, on X11 by WM_CLASS
        QCOMPARE((QStringList{QGuiApplication::desktopFileName(), QGuiApplication::applicationName()}),
                 (QStringList{"org.example.quellard", "Quellard"}));
        QCOMPARE(
            table.readAloud(),
            (QStringList{"text Dealer's total: 0", "Face-down card", "text Your total: 0", "Face-down card",
                         "Face-down card", "text Your bet: £0", "text Your cash: £500", "Deck", "button Bet £5 [1]",
                         "button Bet £10 [2]", "button Bet £50 [3]", "button New [N, Return, Enter]",
                         "button Hit unavailable", "button Stand unavailable", "button Double unavailable"}));
    }

    // One action lights blue at a time, open or not; other controls keep the light, the felt and the
    // frame lines put it out. The hand shows over the chips and the actions, open or closed.
    void hoverLightsOneActionAtATimeAndTheHandShowsOverControls()
    {
        TableHarness table;
        table.load();
        QWidget *form = table.window->centralWidget();
        const QString moves = "lblNew 5 5 Bggg h,lblHit 5 5 gBgg h,lblStand 5 5 ggBg h,lblDouble 5 5 gggB h,"
                              "lblBet5 5 5 gggB h,Label3 20 42 gggB h,lblmoney 5 5 gggB a,PicPlay1 5 5 gggB a,"
                              "Line1 10 0 gggg a,lblHit 20 10 gBgg h,Shape1 300 150 gggg a";
        for (const QString &move : moves.split(',')) {
            const QStringList f = move.split(' ');
            QTest::mouseMove(form, table.find(f[0])->mapTo(form, QPoint(f[1].toInt(), f[2].toInt())));
            QString seen;
            for (const char *name : {"shNewGame", "shHit", "shStand", "shDouble"}) {
                const QColor fill = table.find<FilledShape>(QLatin1String(name))->fillColor();
                seen += fill == QColor(0, 0, 255) ? 'B' : fill == QColor(224, 224, 224) ? 'g' : '?';
            }
            const Qt::CursorShape cursor = table.window->windowHandle()->cursor().shape();
            seen += cursor == Qt::PointingHandCursor ? " h" : cursor == Qt::ArrowCursor ? " a" : " ?";
            QVERIFY2(seen == f[3] + ' ' + f[4], qPrintable(move + " but " + seen));
        }
    }

    // Help through the desktop's opener, xdg-open, here a script that notes each address and exits as
    // told: 0 when a browser took it, 3 when nothing can. Contents hands the page over, and shows the
    // rules, once however many are refused together, when the page or xdg-open is missing or refuses
    // it (heard without waiting). A refused web address says nothing; the About box's link opens.
    void theHelpMenu()
    {
        TableHarness table; // its folder and its answerer
        QTemporaryDir bin;
        const std::shared_ptr<void> restorePath(nullptr, [path = qgetenv("PATH")](void *) { qputenv("PATH", path); });
        qputenv("PATH", QFile::encodeName(bin.path()));
        const QString xdgOpen = bin.filePath(QStringLiteral("xdg-open"));
        auto xdgOpenExits = [&](const QByteArray &status) { // with no status there is no xdg-open
            QFile::remove(xdgOpen);
            return status.isEmpty() ||
                   (writeFile(xdgOpen, "#!/bin/sh\necho \"$1\" >>\"$0.log\"\nexit " + status + '\n') &&
                    QFile::setPermissions(xdgOpen, QFile::ReadOwner | QFile::ExeOwner));
        };
        auto allHeard = [] {
            return std::ranges::all_of(qApp->findChildren<QProcess *>(),
                                       [](const QProcess *p) { return p->state() == QProcess::NotRunning; });
        };
        TableWindow window({.appFolder = table.bytes()}); // with the desktop's own opener
        const TableMenus &menus = window.menus();
        QStringList shown;
        table.modals.otherModal = [&](QWidget *dialog) {
            shown << dialog->objectName() + (dialog->parentWidget() == &window ? " over the table" : "");
            if (auto *notice = dialog->findChild<QLabel *>(QStringLiteral("Label6"))) { // the About box
                QTest::mouseClick(notice, Qt::LeftButton);
                QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
                shown << (dialog->isVisible() ? "still open after Close" : "closed");
            }
            QTRY_VERIFY(allHeard()); // refusals on their way arrive while it is open
            dialog->close();
        };
        const QString page = QStringLiteral("help.html");
        QVERIFY(xdgOpenExits("0") && table.write(page, "<title>Rules</title>"));
        menus.contents->trigger();
        QVERIFY(table.write(page, ""));
        menus.contents->trigger();
        QTRY_VERIFY(allHeard());
        QVERIFY(xdgOpenExits("3"));
        menus.contents->trigger();
        QVERIFY2(shown.isEmpty(), "the game waited for xdg-open to end");
        QTRY_COMPARE(shown.size(), 1);
        menus.contents->trigger(), menus.contents->trigger();
        QTRY_VERIFY(allHeard() && shown.size() == 2 && !QApplication::activeModalWidget());
        for (QAction *item : {menus.feedback, menus.homepage, menus.about}) {
            item->trigger();
            QTRY_VERIFY(allHeard());
        }
        QVERIFY(xdgOpenExits("") && QFile::remove(table.file(page)));
        menus.contents->trigger();
        QVERIFY(table.write(page, ""));
        menus.contents->trigger();
        QTRY_COMPARE(shown, (QStringList{"BJHelp over the table", "BJHelp over the table", "frmAbout over the table",
                                         "closed", "BJHelp over the table", "BJHelp over the table"}));
        const QString address = QUrl::fromLocalFile(table.file(page)).toString();
        QCOMPARE(QString(fileBytes(xdgOpen + ".log")).split('\n'),
                 (QStringList{address, address, address, address, address,
                              "https://quellard.example.org/support?mode=Contact",
                              "https://quellard.example.org/support?mode=Products&p=quellard",
                              "https://quellard.example.org/", ""}));
        QCOMPARE(table.modals.seen, QStringList());
    }

    // Amounts show whole: in their labels' own size while they fit, else a quarter point smaller at a
    // time in the same face, lowered onto the same baseline.
    void amountsShowWholeAndExitWritesNothing()
    {
        const std::tuple<std::int64_t, std::int64_t, const char *> amounts[] = {
            {9999900, 999900, "Your cash: £99999 in Liberation Sans 24|Your bet: £9999 in DejaVu Sans 14.25"},
            {10000000, 1000000,
             "Your cash: £100000 in Liberation Sans 19.75 lowered 5|Your bet: £10000 in DejaVu Sans 13 lowered 2"},
            {100750, 0, "Your cash: £1007.5 in Liberation Sans 22 lowered 3|Your bet: £0 in DejaVu Sans 14.25"}};
        for (const auto &[cash, bet, shown] : amounts) {
            Table rich = Table::fresh();
            rich.cash = Money::pence(cash), rich.bet = Money::pence(bet);
            TableWindow window({.table = rich});
            QStringList seen;
            for (const char *name : {"lblmoney", "lblBet"}) {
                const auto *label = window.findChild<QLabel *>(name);
                const int lowered = label->contentsMargins().top();
                seen << label->accessibleName() + " in " + label->font().family() + ' ' +
                            QString::number(label->font().pointSizeF()) +
                            (lowered ? " lowered " + QString::number(lowered) : "") +
                            (label->sizeHint().width() <= label->width() ? "" : " cut off");
            }
            QCOMPARE(seen.join('|'), QString::fromUtf8(shown));
        }
        // Leaving closes every other window of the game with the table, and writes nothing.
        TableHarness table;
        table.load();
        QSignalSpy unloaded(table.window.get(), &TableWindow::unloaded);
        bool aboutLeftOpen = true;
        table.modals.otherModal = [&](QWidget *about) {
            if (table.window->isVisible())
                table.window->menus().exit->trigger(), aboutLeftOpen = about->isVisible();
            about->close();
        };
        table.window->menus().about->trigger();
        QVERIFY(unloaded.count() == 1 && !table.window->isVisible() && !aboutLeftOpen);
        QVERIFY(!QFileInfo::exists(table.file("Quellard.ini")));
    }

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
            const QString cash = table.caption("lblmoney");
            QTest::keyClick(table.window->windowHandle(), Qt::Key_1);
            keys += table.caption("lblmoney") == cash ? '-' : '1';
        };
        // (The card backs' three messages are read where they arise, in the deck tests.)
        for (const PlayerMessage message :
             {playerMessage(Refusal::NotEnoughMoney), playerMessage(Refusal::NoBet), PlayerMessage::OutOfMoney})
            yes += showPlayerMessage(message, table.window.get()) ? 'y' : '-', pressOne();
        for (QAction *dialog : {table.window->menus().contents, table.window->menus().about})
            dialog->trigger(), pressOne();
        for (int chip = 0; chip < 9; ++chip)
            table.click("lblBet50");
        table.random.deal({card(kAce), card(10), card(8)});
        table.click("lblNew");
        table.window->move(-500, -400);
        showPlayerMessage(PlayerMessage::NotEnoughMoney, table.window.get());
        QCOMPARE(table.modals.seen,
                 (QStringList{"Information OK \"Quellard\": You do not have enough money!!",
                              "Warning OK \"Quellard\": Please bet first!!",
                              "Information &Yes/&No \"Quellard\": Sorry. You seem to have run out of money.\n\n"
                              "Would you like to start a new game?",
                              "Information OK \"Quellard\": You do not have enough money!!",
                              "Information OK \"Quellard\": You do not have enough money!!"}));
        QCOMPARE(yes + ", then the key 1: " + keys, QStringLiteral("--y, then the key 1: 11111"));
        // The middle of the table, 559 by 433 at 100,50, then of the question; a box at the screen's corner.
        QCOMPARE(table.modals.centres, QList<QPoint>(3, QPoint(379, 266)) << QPoint(399, 399) << QPoint(138, 42));
        QCOMPARE(table.modals.enterAndFocus.join(' '), QStringLiteral("OK/OK OK/OK &Yes/&Yes OK/OK OK/OK"));
    }

    // During the dealer's pauses the window lives, its actions closed: its menus work (the sound goes
    // off before the card), and a fresh start or closing ends the turn there at once, unsettled.
    void theDealersPausesKeepTheWindowLive()
    {
        for (const auto &[menu, after] :
             {std::pair{"sound", "0 17 550 0"}, {"restart", "0 0 500 0"}, {"close", "50 10 450 1"}}) {
            const QLatin1String interruption(menu);
            TableHarness table(true, 1.0);
            table.load();
            table.click("lblBet50");
            table.random.deal({card(10), card(10), card(8), card(7)});
            table.click("lblNew");
            QSignalSpy unloaded(table.window.get(), &TableWindow::unloaded);
            int ticks = 0;
            bool openInPause = false, inPause = false;
            QTimer probe;
            connect(&probe, &QTimer::timeout, this, [&] {
                openInPause = openInPause || table.open("lblStand") || table.open("lblNew");
                if (++ticks == 2 && (inPause = table.window->dealerPausing()))
                    interruption == "sound"     ? table.window->menus().sound->trigger()
                    : interruption == "restart" ? table.window->menus().newGame->trigger()
                                                : void(table.window->close());
            });
            probe.start(50);
            QElapsedTimer clock;
            clock.start();
            table.click("lblStand");
            const bool went =
                interruption == "sound" ? clock.elapsed() >= 450 && clock.elapsed() <= 1700 : clock.elapsed() < 250;
            QVERIFY2(inPause && went && !openInPause,
                     qPrintable(interruption +
                                QStringLiteral(": the pause took %1 ms, or let the player act").arg(clock.elapsed())));
            QCOMPARE(table.caption("lblBet") + ' ' + table.caption("lblCom") + ' ' + table.caption("lblmoney") + ' ' +
                         QString::number(unloaded.count()),
                     QLatin1String(after));
            QCOMPARE(table.sound.played, QStringList{});
            QCOMPARE(table.settingsText(), interruption == "sound" ? "[Settings]\r\nSounds=0\r\n" : "");
        }
        // The pauses are timed by the time of day to the millisecond, not to the second.
        const ShellHost host({});
        for (int sample = 0; sample < 5; ++sample, QTest::qWait(70)) {
            const double off = host.secondsSinceMidnight() - QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
            QVERIFY2(qAbs(off) < 0.03, qPrintable(QStringLiteral("the pause's clock is off by %1 s").arg(off)));
        }
    }

    // Games with keys alone, as the desktop delivers them to the active window.
    void gamesWithKeysAlone()
    {
        TableHarness table;
        table.load();
        QVERIFY(QTest::qWaitForWindowActive(table.window.get()));
        QStringList pressed;
        for (ClickLabel *label : table.window->findChildren<ClickLabel *>())
            connect(label, &ClickLabel::clicked, this, [&pressed, label] { pressed << label->objectName(); });
        auto keys = [&](const QString &sequence) { // as written in the menus, the keypad's keys as "Num+3"
            pressed.clear();
            for (const QString &key : sequence.split(' '))
                QTest::keyClick(table.window->windowHandle(), QKeySequence(key)[0].key(),
                                QKeySequence(key)[0].keyboardModifiers());
            return pressed;
        };
        auto *chip = table.find<ClickLabel>("lblBet5");
        QTest::mousePress(chip, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(chip, Qt::LeftButton, {}, QPoint(-5, 5)); // let go beside the chip: no bet
        QTest::mousePress(chip, Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseRelease(chip, Qt::LeftButton, {}, QPoint(5, 5)); // a click begun with another button
        QVERIFY(pressed.isEmpty());
        QAccessible::queryAccessibleInterface(chip)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction()); // as a screen reader presses it
        QCOMPARE(pressed, QStringList{"lblBet5"});
        // Each key works while its action is open and does nothing while it is closed: between games
        // the chips and New, in the player's turn Hit, Stand and (on 11, before a hit) Double; Space
        // presses the label with the keyboard focus.
        QCOMPARE(keys("Space 1 2 3 Num+3 H S D Shift+N 4"),
                 (QStringList{"lblBet5", "lblBet5", "lblBet10", "lblBet50", "lblBet50"}));
        table.random.deal({card(9), card(5, 2), card(6, 3), card(2), card(10)});
        QCOMPARE(keys("Num+Enter 1 2 3 N Return Num+Enter H D S"),
                 (QStringList{"lblNew", "lblHit", "lblStand"})); // 11, and a 2 makes 13, which loses to 19
        QCOMPARE(table.caption("lblmoney"), QStringLiteral("375"));
        QCOMPARE(table.sound.played, (QStringList{"sounds/whoosh.wav", "sounds/whoosh.wav", "sounds/hung-01.wav"}));
        QCOMPARE(table.readAloud().mid(0, 7),
                 (QStringList{"text Dealer's total: 19", "Nine of clubs", "Ten of clubs", "text Your total: 13",
                              "Five of hearts", "Six of spades", "Two of clubs"}));
        // The first card as the screen shows it, as drawn afresh: a face, not the back it replaced.
        QCOMPARE(table.onScreen("PicPlay1"), table.find("PicPlay1")->grab(QRect(0, 0, 20, 90)).toImage());
        // The insurance question: Y buys (once, and the dealer's blackjack pays it), N declines, and
        // Escape closes it unanswered.
        for (const auto &[key, hole, cashAfter] :
             {std::tuple{Qt::Key_Y, kKing, "375"}, {Qt::Key_N, 9, "370"}, {Qt::Key_Escape, 9, "365"}}) {
            table.modals.otherModal = [key = key](QWidget *modal) {
                if (qobject_cast<InsuranceDialog *>(modal) && QTest::qWaitForWindowActive(modal))
                    QTest::keyClick(modal->windowHandle(), key);
            };
            table.random.deal({card(kAce, 3), card(10), card(8), card(hole)});
            QCOMPARE(keys("1 N"), (QStringList{"lblBet5", "lblNew"}));
            QVERIFY(QTest::qWaitForWindowActive(table.window.get()));
            QCOMPARE(keys("S"), QStringList{"lblStand"}); // 18 loses to 20 or 21
            QCOMPARE(table.caption("lblmoney"), QLatin1String(cashAfter));
        }
        QCOMPARE(table.readAloud().mid(0, 7),
                 (QStringList{"text Dealer's total: 20", "Ace of spades", "Nine of clubs", "text Your total: 18",
                              "Ten of clubs", "Eight of clubs", "text Your bet: £0"})); // nothing of the first game
        QTest::keyClick(table.window->windowHandle(), Qt::Key_F2);                      // File > Re-Start New Game
        QCOMPARE(table.caption("lblmoney") + ' ' + table.caption("lblPlay"), QStringLiteral("500 0"));
    }
};

QTEST_MAIN(TableWindowTest)
#include "TableWindowTest.moc"

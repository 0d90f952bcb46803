// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The table window and its dialogs as laid out and as they start, hover, ticks, help and closing.
#include "shell/ApplicationSetup.h"
#include "shell/dialogs/HelpMenu.h"
#include "shell/table/FilledShape.h"
#include "support/TableWindowHarness.h"
#include "support/WindowReading.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace quellard;
using namespace quellard::testing;

class TableWindowTest : public QObject {
    Q_OBJECT

    TableHarness table;
    QWidget *form = nullptr;

private slots:
    void initTestCase()
    {
        table.load();
        form = table.window->centralWidget();
    }

    // Every window as a player meets it: each control where it stands, what it says and in which
    // font, and each window's title bar, size, place, Enter key and first focus (Windows.txt).
    void everyWindowAsThePlayerMeetsIt()
    {
        QStringList read = readWindow(*table.window);
        TableHarness dealt;
        dealt.load();
        dealt.window->move(0, 0); // so that over the table and on the screen differ
        dealt.modals.otherModal = [&](QWidget *dialog) {
            read << QString() << readWindow(*dialog);
            dialog->close();
        };
        for (QAction *item : {dealt.window->menus().about, dealt.window->menus().contents})
            item->trigger();
        dealt.random.deal({card(kAce), card(10), card(8)});
        dealt.click(QStringLiteral("lblBet5"));
        dealt.click(QStringLiteral("lblNew"));
        const QStringList lines = QString::fromUtf8(fileBytes(QUELLARD_TESTS_DIR "/shell/Windows.txt"))
                                      .split('\n')
                                      .filter(QRegularExpression("^(?!#)"));
        for (qsizetype i = 0; i < std::max(lines.size(), read.size()); ++i)
            QVERIFY2(
                lines.value(i) == read.value(i),
                qPrintable(QStringLiteral("line %1 reads\n%2\nnot\n%3").arg(i + 1).arg(read.value(i), lines.value(i))));
    }

    // The table starts quiet, sound on, and a screen reader finds amounts as text, cards and the deck
    // as graphics, labels as buttons (open ones pressed by their keys, closed ones unavailable);
    // captions, felt, frames, highlight shapes and hidden slots are left out.
    void startsQuietAndReadsAloud()
    {
        QVERIFY(table.window->menus().sound->isChecked() && table.modals.seen.isEmpty() &&
                table.sound.played.isEmpty());
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
        // clang-format off
        const QString moves = "lblNew 5 5 Bggg h,lblHit 5 5 gBgg h,lblStand 5 5 ggBg h,lblDouble 5 5 gggB h,"
                              "lblBet5 5 5 gggB h,Label3 20 42 gggB h,lblmoney 5 5 gggB a,PicPlay1 5 5 gggB a,"
                              "Line1 10 0 gggg a,lblHit 20 10 gBgg h,Shape1 300 150 gggg a";
        // clang-format on
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

    // Help through the desktop's opener, xdg-open, here a script that notes each address and exits
    // with the status it is given: 0 when a browser took it, 3 when nothing can open it. Contents
    // hands an existing page over, even an empty one, and shows the rules when the page is missing,
    // when xdg-open refuses it (heard without waiting) or is missing itself, and shows them once
    // however many pages are refused together. A refused web address says nothing. The About box's
    // notice opens the homepage as the menu's item does, and Close closes it.
    void theHelpMenu()
    {
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
        QList<QWidget *> held;
        table.modals.otherModal = [&](QWidget *dialog) {
            if (held.contains(dialog))
                return;
            held << dialog;
            shown << dialog->objectName() + (dialog->parentWidget() == &window ? " over the table" : "");
            if (auto *notice = dialog->findChild<QLabel *>(QStringLiteral("Label6"))) { // the About box
                QTest::mouseClick(notice, Qt::LeftButton);
                QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
                shown << (dialog->isVisible() ? "still open after Close" : "closed");
            }
            QTRY_VERIFY(allHeard()); // refusals on their way arrive while it is open
            dialog->close();
            held.removeOne(dialog);
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
        // clang-format off
        const std::tuple<std::int64_t, std::int64_t, const char *> amounts[] = {
            {9999900, 999900, "Your cash: £99999 in Liberation Sans 24|Your bet: £9999 in DejaVu Sans 14.25"},
            {10000000, 1000000, "Your cash: £100000 in Liberation Sans 19.75 lowered 5|Your bet: £10000 in DejaVu Sans 13 lowered 2"},
            {100750, 0, "Your cash: £1007.5 in Liberation Sans 22 lowered 3|Your bet: £0 in DejaVu Sans 14.25"}};
        // clang-format on
        for (const auto &[cash, bet, shown] : amounts) {
            Table rich = Table::fresh();
            rich.cash = Money::pence(cash), rich.bet = Money::pence(bet);
            TableWindow window({.table = rich});
            QStringList seen;
            for (const char *name : {"lblmoney", "lblBet"}) {
                const auto *label = window.findChild<QLabel *>(QLatin1String(name));
                seen << label->accessibleName() + " in " + label->font().family() + ' ' +
                            QString::number(label->font().pointSizeF()) +
                            (label->contentsMargins().top()
                                 ? QStringLiteral(" lowered %1").arg(label->contentsMargins().top())
                                 : "") +
                            (label->sizeHint().width() <= label->width() ? "" : " cut off");
            }
            QCOMPARE(seen.join('|'), QString::fromUtf8(shown));
        }
        // Leaving closes every other window of the game with the table, and writes nothing.
        QSignalSpy unloaded(table.window.get(), &TableWindow::unloaded);
        bool aboutLeftOpen = true;
        table.modals.otherModal = [&](QWidget *about) {
            if (table.window->isVisible())
                table.window->menus().exit->trigger(), aboutLeftOpen = about->isVisible();
            about->close();
        };
        table.window->menus().about->trigger();
        QVERIFY(unloaded.count() == 1 && !table.window->isVisible() && !aboutLeftOpen);
        QVERIFY(!QFileInfo::exists(table.file(QStringLiteral("Quellard.ini"))));
    }
};

QTEST_MAIN(TableWindowTest)
#include "TableWindowTest.moc"

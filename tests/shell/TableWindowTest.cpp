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

    // The desktop matches the window to its menu entry by the desktop id and, on X11, WM_CLASS.
    void theWindowBelongsToItsMenuEntry()
    {
        setUpApplication();
        QCOMPARE((QStringList{QGuiApplication::desktopFileName(), QGuiApplication::applicationName()}),
                 (QStringList{"org.example.quellard", "Quellard"}));
        QCOMPARE(QString(fileBytes(QUELLARD_ASSETS_DIR "/desktop/org.example.quellard.desktop"))
                     .split('\n')
                     .filter("StartupWMClass"),
                 QStringList{"StartupWMClass=Quellard"});
    }

    // Contents hands an existing help page to the browser, even an empty one, and shows the rules
    // when there is none. The About box's notice opens the homepage as the menu's item does.
    void theHelpMenu()
    {
        const TableMenus &menus = table.window->menus();
        QStringList shown;
        table.modals.otherModal = [&](QWidget *dialog) {
            shown << dialog->objectName() +
                         (dialog->parentWidget() == table.window.get() ? " over the table: " : ": ") +
                         dialog->windowTitle();
            if (const auto *rules = dialog->findChild<QPlainTextEdit *>(QStringLiteral("txtHelp"))) {
                shown << rules->toPlainText().split('\n');
            } else { // the About box, whose labels Windows.txt reads
                const QString notice = dialog->findChild<QPlainTextEdit *>(QStringLiteral("Text1"))->toPlainText();
                shown << (notice.contains("free of charge") ? "free of charge" : notice);
                QTest::mouseClick(dialog->findChild<QLabel *>(QStringLiteral("Label6")), Qt::LeftButton);
                QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
                shown << (dialog->isVisible() ? "still open after Close" : "closed");
            }
            dialog->close();
        };
        const QString page = QStringLiteral("help.html");
        for (const QByteArray &text : {QByteArray("<title>Rules</title>"), QByteArray()}) {
            QVERIFY(table.write(page, text));
            menus.contents->trigger();
        }
        QCOMPARE(table.opened, QList<QUrl>(2, QUrl::fromLocalFile(table.file(page))));
        QVERIFY(shown.isEmpty());
        QVERIFY(QFile::remove(table.file(page)));
        shown.clear();
        table.opened.clear();
        for (QAction *item : {menus.contents, menus.feedback, menus.homepage, menus.about})
            item->trigger();
        // The rules as the player reads them, line by line: the trailing blanks, the quotation marks,
        // the two blanks after the title and the line of three blanks are all part of them.
        QCOMPARE(shown, (QStringList{"BJHelp over the table: Help"} +
                         QString::fromUtf8(fileBytes(QUELLARD_TESTS_DIR "/shell/HelpRules.txt")).split('\n') +
                         QStringList{"frmAbout over the table: About", "free of charge", "closed"}));
        QCOMPARE(table.opened, (QList<QUrl>{QUrl("https://quellard.example.org/support?mode=Contact"),
                                            QUrl("https://quellard.example.org/support?mode=Products&p=quellard"),
                                            QUrl("https://quellard.example.org/")}));
        QCOMPARE(table.modals.seen, QStringList());
    }

    // xdg-open's answer is heard without waiting for it: exit status 3 (nothing can open the page)
    // brings the rules, as does a desktop without xdg-open; 0 (a browser took it) does not.
    void theRulesShowWhenTheDesktopCannotOpenThePage()
    {
        QTemporaryDir bin;
        const std::shared_ptr<void> restorePath(nullptr, [path = qgetenv("PATH")](void *) { qputenv("PATH", path); });
        qputenv("PATH", QFile::encodeName(bin.path()));
        QStringList shown;
        table.modals.otherModal = [&](QWidget *dialog) { shown << dialog->objectName(), dialog->close(); };
        QVERIFY(table.write(QStringLiteral("help.html"), "<title>Rules</title>"));
        HelpMenu menu(table.window.get(), table.bytes());
        const QString xdgOpen = bin.filePath(QStringLiteral("xdg-open"));
        for (const auto &[exit, rules] : {std::pair{"exit 3", "BJHelp"}, {"exit 0", ""}, {"", "BJHelp"}}) {
            shown.clear();
            QFile::remove(xdgOpen);
            QVERIFY(!*exit || (writeFile(xdgOpen, QByteArray("#!/bin/sh\necho \"$1\" >\"$0.url\"\n") + exit) &&
                               QFile::setPermissions(xdgOpen, QFile::ReadOwner | QFile::ExeOwner)));
            menu.mnuContentsClick();
            QVERIFY2(!*exit || shown.isEmpty(), "the game waited for xdg-open to end");
            QTRY_VERIFY(qApp->findChildren<QProcess *>().isEmpty()); // it has ended and been heard
            QCOMPARE(shown.join(' ') + " after " + exit, QLatin1String(rules) + " after " + exit);
        }
        QCOMPARE(fileBytes(xdgOpen + ".url"),
                 QUrl::fromLocalFile(table.file(QStringLiteral("help.html"))).toEncoded() + '\n');
        // Two pages refused while the rules are open give one rules window.
        QVERIFY(writeFile(xdgOpen, "#!/bin/sh\nexit 3\n") &&
                QFile::setPermissions(xdgOpen, QFile::ReadOwner | QFile::ExeOwner));
        shown.clear();
        table.modals.otherModal = [&](QWidget *dialog) { // kept open until both refusals are heard
            if (shown.contains(dialog->objectName() + QString::number(quintptr(dialog))))
                return;
            shown << dialog->objectName() + QString::number(quintptr(dialog));
            QTRY_VERIFY(std::ranges::all_of(qApp->findChildren<QProcess *>(),
                                            [](QProcess *p) { return p->state() == QProcess::NotRunning; }));
            dialog->close();
        };
        menu.mnuContentsClick(), menu.mnuContentsClick();
        QTRY_VERIFY(qApp->findChildren<QProcess *>().isEmpty() && !QApplication::activeModalWidget());
        QCOMPARE(shown.size(), 1);
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
